#include "business/BusinessPeriod.h"

#include <array>

#include "business/BusinessBoxes.h"
#include "platform/AmountLimit.h"

namespace business {

namespace {

// Periods in a year, as fractions numerator / denominator.
struct PerYear {
  double numerator, denominator;
};

constexpr std::array<PerYear, 4> kPerYear = {{{1, 1}, {12, 1}, {365, 14}, {365, 7}}};

}  // namespace

double PeriodFactor(BusinessPeriod from, BusinessPeriod to) {
  if (from == to) return 1.0;
  const PerYear& a = kPerYear[static_cast<std::size_t>(from)];
  const PerYear& b = kPerYear[static_cast<std::size_t>(to)];
  // (a periods a year) / (b periods a year), as one quotient of whole numbers.
  return (a.numerator * b.denominator) / (a.denominator * b.numerator);
}

QString PeriodCaption(BusinessPeriod period) {
  switch (period) {
    case BusinessPeriod::Monthly: return QStringLiteral("MONTHLY");
    case BusinessPeriod::SemiWeekly: return QStringLiteral("SEMIWEEKLY");
    case BusinessPeriod::Weekly: return QStringLiteral("WEEKLY");
    case BusinessPeriod::Yearly: break;
  }
  return QStringLiteral("YEARLY");
}

QString PeriodName(BusinessPeriod period) {
  switch (period) {
    case BusinessPeriod::Monthly: return QStringLiteral("Monthly");
    case BusinessPeriod::SemiWeekly: return QStringLiteral("SemiWeekly");
    case BusinessPeriod::Weekly: return QStringLiteral("Weekly");
    case BusinessPeriod::Yearly: break;
  }
  return QStringLiteral("Yearly");
}

void ScaleBusinessAmounts(casevars::PartyBusiness& bus, double factor) {
  for (Box box : kBoxes)
    for (int column = 0; column < kColumns; ++column) BoxVar(bus, box, column) *= factor;
  bus.YrBusTotalWages *= factor;
  bus.YrBusTotalWages1 *= factor;
  bus.YrBusTotalPass *= factor;
  bus.YrBusTotalPass1 *= factor;
}

bool CanScaleBusinessAmounts(const casevars::PartyBusiness& bus, double factor) {
  for (Box box : kBoxes)
    for (int column = 0; column < kColumns; ++column)
      if (!platform::WithinAmountLimit(double(BoxVar(bus, box, column)) * factor)) return false;
  return true;
}

}  // namespace business
