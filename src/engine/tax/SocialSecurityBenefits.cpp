#include "engine/tax/SocialSecurityBenefits.h"

namespace tax {

double ComputeTaxableSocialSecurity(double benefits, double otherIncome,
                                    const QString& filingStatus, double adjustments,
                                    const TaxYear& year) {
  const SocialSecurityBenefitFigures& f = year.SocialSecurity;
  const double half = benefits * f.FirstTierShare;
  const double provisional = half + (double(otherIncome) - adjustments);
  if (provisional <= 0) return benefits;

  const Filing filing = FilingOf(filingStatus);
  const double b1 = f.BaseAmount[filing];
  const double b2 = f.AdjustedBaseAmount[filing];
  double taxable = 0;
  if (provisional < b1) {
    taxable = 0;
  } else if (provisional <= b2) {
    const double overBase = (provisional - b1) * f.FirstTierShare;
    taxable = overBase <= half ? overBase : half;
  } else {
    const double overAdjusted = f.MaximumTaxableShare * (provisional - b2);
    const double a = overAdjusted + (b2 - b1) * f.FirstTierShare;
    const double b = overAdjusted + half;
    taxable = a <= b ? a : b;
  }
  const double cap = f.MaximumTaxableShare * benefits;
  if (cap <= taxable) taxable = cap;
  return benefits - taxable;
}

}  // namespace tax
