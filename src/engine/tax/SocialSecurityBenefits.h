#pragma once

#include <QString>

#include "engine/tax/TaxYear.h"

namespace tax {

// The part of a return's Social Security benefits that is NOT taxed; the
// caller subtracts it from an income that holds the whole benefits.
// otherIncome: the return's total income less the benefits and less the
// children's benefits. adjustments: adjustments to income plus the deductible
// half of the self-employment tax.
double ComputeTaxableSocialSecurity(double benefits, double otherIncome,
                                    const QString& filingStatus, double adjustments,
                                    const TaxYear& year = kTaxYear2026);

}  // namespace tax
