#include "calculators/LifeTables.h"

namespace calculators {

const LifeTable* FindLifeTable(const QString& race, const QString& sex) {
  for (const LifeTable& t : kLifeTables)
    if (race == QLatin1String(t.race) && sex == QLatin1String(t.sex)) return &t;
  return nullptr;
}

double AtAge(const std::array<double, kLifeTableAges>& table, int years, int months) {
  const double now = table.at(static_cast<std::size_t>(years));
  if (months == 0) return now;
  return now * (12 - months) / 12 + table.at(static_cast<std::size_t>(years) + 1) * months / 12;
}

}  // namespace calculators
