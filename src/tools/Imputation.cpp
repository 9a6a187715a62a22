#include "tools/Imputation.h"

#include "platform/NumberText.h"
#include "tools/WageTables.h"

namespace tools {

ImputedEarnings ImputeOnClose(ImputeChoice choice, const QString& hourly, const QString& grossMedianYr) {
  switch (choice) {
    case ImputeChoice::MinimumWage:
      return {true, ImputePeriod::Monthly,
              MonthlyMinimumWage(platform::AmountFromText(hourly))};
    case ImputeChoice::Median:
      return {true, ImputePeriod::Yearly, platform::AmountFromText(grossMedianYr)};
    case ImputeChoice::DoNotImpute:
      break;
  }
  return {};
}

}  // namespace tools
