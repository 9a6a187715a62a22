#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace childsupport {

// The guidelines schedule of section 61.30(6), Dadudav Statutes: the basic
// monthly obligation in whole dollars by combined monthly net income (rows:
// $800 to $10,000 in $50 steps) and number of children (columns: 1 to 5, and
// 6 or more).
inline constexpr int kScheduleRows = 185;
inline constexpr int kScheduleColumns = 6;
inline constexpr double kScheduleFirstIncome = 800;  // dollars a month, row 1
inline constexpr double kScheduleTopIncome = 10'000; // dollars a month, row 185
inline constexpr double kScheduleIncomeStep = 50;

using GuidelineRow = std::array<std::int16_t, kScheduleColumns>;

// Row r of the statute (1 to 185) is element r - 1.
extern const std::array<GuidelineRow, kScheduleRows> kGuidelineSchedule;

// For each column, the share of the combined income above $10,000 added to the
// obligation of the top row.
inline constexpr std::array<double, kScheduleColumns> kExcessIncomeRates = {
    0.05, 0.075, 0.095, 0.11, 0.12, 0.125};

// The basic monthly obligation for a number of children and a combined monthly
// net income. interpMethod "Closest" reads the nearest row (halfway takes the
// higher), "Linear" interpolates between the two rows around the income
// (incomes below $850 take row 1) and rounds to whole dollars. Incomes below
// the schedule take row 1; above $10,000 the excess share is added, not
// rounded. Any other method, or a count of children that is not 1 to 5 or at
// least 6, gives 0.
double LookUpBasicObligation(double children, double income, const QString& interpMethod);

}  // namespace childsupport
