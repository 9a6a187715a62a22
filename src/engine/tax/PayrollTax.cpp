#include "engine/tax/PayrollTax.h"

#include <algorithm>

#include "platform/Rounding.h"

namespace tax {

FicaTax ComputeFicaTax(const QString& filingStatus, double wages, double& seIncome,
                       const TaxYear& year) {
  const PayrollTaxFigures& p = year.Payroll;
  if (seIncome < 0) seIncome = 0;
  const double w = std::max(0.0, wages);

  const double employeeTax =
      w <= p.SocialSecurityWageBase
          ? w * p.EmployeeRate
          : (w - p.SocialSecurityWageBase) * p.EmployeeMedicareRate + p.EmployeeTaxAtWageBase;

  const double se = seIncome * p.SETaxableShare;
  const double room = std::max(0.0, p.SocialSecurityWageBase - w);
  double socialSecurityPart = 0;
  double medicarePart = 0;
  if (se > 0) {
    socialSecurityPart = std::min(se, room) * p.SESocialSecurityRate;
    medicarePart = se * p.SEMedicareRate;
  }

  FicaTax out;
  out.HalfSETax = (socialSecurityPart + medicarePart) * p.SEDeductibleShare;

  double additionalMedicare = 0;
  const Filing filing = FilingOf(filingStatus);
  if (filing != Filing::Other) {
    const double threshold = p.AdditionalMedicareThreshold[filing];
    if (se + w > threshold) additionalMedicare = (se + w - threshold) * p.AdditionalMedicareRate;
  }
  const double total =
      employeeTax + medicarePart + socialSecurityPart + additionalMedicare;
  out.Tax = platform::RoundToWhole(total);
  return out;
}

}  // namespace tax
