#pragma once

#include <QString>

#include <array>
#include <cstddef>

namespace calculators {

inline constexpr std::size_t kLifeTableAges = 101;  // exact ages 0 to 100
inline constexpr std::size_t kLifeTableGroups = 8;

// One population group's life table: of 100 born, the survivors at each exact
// age, and the expected further years of life at that age.
struct LifeTable {
  const char* race;  // "w", "b", "h" or "arace" (all races together)
  const char* sex;   // "m" or "f"
  std::array<double, kLifeTableAges> survivors;
  std::array<double, kLifeTableAges> expectancy;
};

// The eight groups, in the order the pension calculator tries them:
// ("w","m"), ("w","f"), ("b","m"), ("b","f"), ("h","m"), ("h","f"), ("arace","m"), ("arace","f").
extern const std::array<LifeTable, kLifeTableGroups> kLifeTables;

// The first group whose race and sex match exactly, or null.
const LifeTable* FindLifeTable(const QString& race, const QString& sex);

// A table's value at y years and m months (0 to 12): T(y) x (12 - m) / 12 +
// T(y + 1) x m / 12, so 12 months reads as the next year. y + 1 is read only
// when m is above 0.
double AtAge(const std::array<double, kLifeTableAges>& table, int years, int months);

}  // namespace calculators
