#pragma once

#include <QString>

#include "engine/tax/TaxYear.h"

namespace tax {

struct FicaTax {
  double Tax = 0;        // employee tax + self-employment tax + additional Medicare, whole dollars
  double HalfSETax = 0;  // deductible half of the self-employment tax, not rounded
};

// Social Security and Medicare tax on one person's wages and self-employment
// income. Negative wages count as 0; a negative self-employment income counts
// as 0 and is set to 0 in the caller's variable, so later steps see no loss.
FicaTax ComputeFicaTax(const QString& filingStatus, double wages, double& seIncome,
                       const TaxYear& year = kTaxYear2026);

}  // namespace tax
