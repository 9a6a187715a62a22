#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The pay periods in which the income windows take amounts, and the factors
// that carry an amount from one period to another.
namespace income {

enum class IncomePeriod : std::uint8_t { Yearly, Monthly, SemiWeekly, Weekly, Hourly };

inline constexpr std::array<IncomePeriod, 5> kIncomePeriods = {
    IncomePeriod::Yearly, IncomePeriod::Monthly, IncomePeriod::SemiWeekly, IncomePeriod::Weekly,
    IncomePeriod::Hourly};

// The menu item's name and caption ("SemiWeekly") and the period labels'
// text ("SEMIWEEKLY").
QString PeriodName(IncomePeriod period);
QString PeriodLabel(IncomePeriod period);

// The factor from `from` to `to`, in double precision: the fraction on a year of 365 days, 12 months, 7-day weeks, 14-day
// SemiWeekly periods and 40 working hours a week (Monthly -> Yearly is 12,
// Monthly -> SemiWeekly 168 / 365 = 0.460273972...).
double PeriodFactor(IncomePeriod from, IncomePeriod to);

// A column total T of `period` as the party's monthly and yearly gross
// income; each computed from T directly in double precision.
struct GrossIncome {
  double monthly = 0;
  double yearly = 0;
};
GrossIncome GrossIncomeOf(double total, IncomePeriod period);

}  // namespace income
