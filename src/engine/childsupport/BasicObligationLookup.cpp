#include <cmath>

#include "case/CaseCodes.h"
#include "engine/childsupport/GuidelineSchedule.h"
#include "platform/Rounding.h"

namespace childsupport {

namespace {

// Column (0 to 5) for a count of children, or -1 when the count matches none.
int ColumnFor(double children) {
  for (int c = 1; c <= 5; ++c)
    if (children == c) return c - 1;
  if (children >= 6) return 5;
  return -1;
}

// A row number kept within the schedule; incomes that are not a number take row 1.
int ClampRow(double row) {
  if (!(row >= 1)) return 1;
  if (row > kScheduleRows) return kScheduleRows;
  return static_cast<int>(row);
}

double Entry(int row, int column) { return kGuidelineSchedule[std::size_t(row - 1)][std::size_t(column)]; }

// Row 1 stands for $800: the row of income I (a multiple of $50) is I / 50 - 15.
constexpr double kRowOffset = kScheduleFirstIncome / kScheduleIncomeStep - 1;

}  // namespace

double LookUpBasicObligation(double children, double income, const QString& interpMethod) {
  const bool closest = interpMethod == casevars::method::Closest;
  const bool linear = interpMethod == casevars::method::Linear;
  if (!closest && !linear) return 0;
  const int column = ColumnFor(children);
  if (column < 0) return 0;

  double obligation = 0;
  const double steps = income / kScheduleIncomeStep;
  if (closest) {
    obligation = Entry(ClampRow(std::floor(steps + 0.5) - kRowOffset), column);
  } else {
    const double low = std::floor(steps) - kRowOffset;
    const double fraction = steps - std::floor(steps);
    int lowRow = 0;
    int highRow = 0;
    if (low <= 1) {
      lowRow = highRow = 1;  // incomes up to $849.99 are not interpolated
    } else if (low >= kScheduleRows) {
      lowRow = highRow = kScheduleRows;
    } else {
      lowRow = ClampRow(low);
      highRow = lowRow + 1;
    }
    const double lowEntry = Entry(lowRow, column);
    obligation = platform::RoundToWhole(lowEntry + fraction * (Entry(highRow, column) - lowEntry));
  }
  if (income > kScheduleTopIncome)
    obligation += (income - kScheduleTopIncome) * kExcessIncomeRates[std::size_t(column)];
  return obligation;
}

}  // namespace childsupport
