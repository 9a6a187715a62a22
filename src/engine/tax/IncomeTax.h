#pragma once

#include <QString>

#include "case/CaseCodes.h"
#include "engine/tax/TaxYear.h"

namespace tax {

// Income tax of one return before credits, in whole dollars, never negative:
// the standard deduction (with the age-65 additions and the senior deduction)
// or the itemized deductions, the ordinary rates, the capital gain rates on the
// long-term gains stacked above the ordinary income, and the net investment
// income tax. income: the adjusted gross income less the qualified business
// income deduction.
double ComputeIncomeTax(double income, double longTermGains, double itemized,
                       casevars::Age65Status age65, const QString& filingStatus,
                       double investIncome, const TaxYear& year = kTaxYear2026);

// The senior deduction alone (0 when it does not apply or falls below 1 dollar).
double SeniorDeduction(double income, casevars::Age65Status age65, Filing filing,
                       const TaxYear& year = kTaxYear2026);

}  // namespace tax
