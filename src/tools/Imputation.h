#pragma once

#include <QString>

// What closing the income imputation window (Form23) writes into the party's
// earned wages.
namespace tools {

enum class ImputeChoice { DoNotImpute, MinimumWage, Median };

// The entry period the party's income window is switched to before the
// amount is stored.
enum class ImputePeriod { Monthly, Yearly };

struct ImputedEarnings {
  bool write = false;  // false: the earned wages and the window's period stay as they were
  ImputePeriod period = ImputePeriod::Yearly;
  double amount = 0;  // the earned wages in that period
};

// The minimum wage choice stores the monthly wage of the hourly box's number
// (0 when it is not one), not rounded; the median choice stores the yearly
// box's number (0 when it is not one). "Do Not Impute" writes nothing.
ImputedEarnings ImputeOnClose(ImputeChoice choice, const QString& hourly, const QString& grossMedianYr);

}  // namespace tools
