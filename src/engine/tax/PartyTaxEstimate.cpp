#include "engine/tax/PartyTaxEstimate.h"

#include <algorithm>

#include "engine/tax/IncomeTax.h"
#include "engine/tax/PayrollTax.h"
#include "engine/tax/SocialSecurityBenefits.h"
#include "engine/tax/TaxCredits.h"
#include "platform/Rounding.h"

namespace tax {

using casevars::Party;

PartyCase PartyCaseOf(casevars::CaseVars& vars, Party party) {
  return {vars.Income[party], vars.Business[party], vars.Express[party], vars.Tax[party]};
}

bool FilesJointly(const PartyCase& p) { return p.Express.FilingStatus == casevars::filing::MFJ; }

void ComputeJointShare(PartyCase& p) {
  if (!FilesJointly(p)) return;
  const double own = p.Income.YrTotal - p.Income.YrSSChild;
  // A loss on either side would give a share outside 0..1 (more than the
  // couple's tax, or a negative part); the share is kept within them.
  p.Tax.MFJShare =
      std::clamp(platform::GuardedQuotient(own, own + p.Income.YrTotal1, 1e-10), 0.0, 1.0);
}

void ComputePayrollTaxes(PartyCase& p, const TaxYear& year) {
  const casevars::PartyIncome& in = p.Income;
  const QString& status = p.Express.FilingStatus;
  const FicaTax own = ComputeFicaTax(
      status, in.YrTips + p.Business.YrWagesForTax + in.YrOT + in.YrReimburse + in.YrEarnedExempt,
      p.Business.YrSEIncome, year);
  p.Tax.YrFicaTax = own.Tax;
  p.Tax.YrHalfSETax = own.HalfSETax;
  if (FilesJointly(p)) {
    const FicaTax spouse =
        ComputeFicaTax(status,
                       in.YrTips1 + p.Business.YrWagesForTax1 + in.YrOT1 + in.YrReimburse1 +
                           in.YrEarnedExempt1,
                       p.Business.YrSEIncome1, year);
    p.Tax.YrFicaTax1 = spouse.Tax;
    p.Tax.YrHalfSETax1 = spouse.HalfSETax;
    p.Tax.YrHalfSETax += spouse.HalfSETax;
  }
  p.Tax.YrTaxAdjustments = in.YrAdjustments + p.Tax.YrHalfSETax;
}

double UntaxedSocialSecurity(const PartyCase& p, double extraOtherIncome, const TaxYear& year) {
  const casevars::PartyIncome& in = p.Income;
  double benefits = in.YrSS;
  double other = in.YrTotal - in.YrSS - in.YrSSChild;
  if (FilesJointly(p)) {
    benefits = in.YrSS + in.YrSS1;
    other = in.YrTotal + in.YrTotal1 - in.YrSSChild - in.YrSS - in.YrSS1;
  }
  return ComputeTaxableSocialSecurity(benefits, other + extraOtherIncome,
                                      p.Express.FilingStatus, p.Tax.YrTaxAdjustments, year);
}

void ComputeIncomeTaxAfterBusinessDeduction(PartyCase& p, Party party,
                                            const BusinessDeductionFn& getBusinessDeduction,
                                            const TaxYear& year) {
  BusinessDeduction business;
  if (getBusinessDeduction) business = getBusinessDeduction(party, p.Tax.YrFedAGI);
  p.Business.YrBusDeduction = business.YrBusDeduction;
  p.Business.YrBusLossCarryover = business.YrBusLossCarryover;

  const casevars::PartyIncome& in = p.Income;
  const double gains = FilesJointly(p) ? in.YrLT + in.YrLT1 : in.YrLT;
  // The deduction is taken off the AGI for the income tax only: the credits
  // and the state tax see the AGI itself.
  const double reduced = p.Tax.YrFedAGI - business.YrBusDeduction;
  p.Tax.YrFedTax = ComputeIncomeTax(reduced, gains, in.YrItemized, in.Age65Status,
                                    p.Express.FilingStatus, in.YrInvestIncome, year);
}

void ComputeCredits(PartyCase& p, Party party, const QString& custodyStatus, bool eicAsked,
                    const TaxYear& year) {
  const casevars::PartyIncome& in = p.Income;
  const casevars::PartyBusiness& bus = p.Business;
  const casevars::PartyExpress& ex = p.Express;
  casevars::PartyTax& t = p.Tax;
  const QString& status = ex.FilingStatus;
  const bool joint = FilesJointly(p);

  t.YrChildTaxCredit = ComputeChildTaxCredit(t.YrFedAGI, status, ex.Under17Children, year);

  t.YrChildCareCredit =
      ComputeDependentCareCredit(t.YrFedAGI, status, 12 * ex.MoDayCare, ex.DayCareChildren, year);
  const QLatin1String withoutChildren =
      party == Party::Claim ? casevars::custody::NonCust : casevars::custody::Cust;
  if (custodyStatus == withoutChildren || status == casevars::filing::MarriedSep)
    t.YrChildCareCredit = 0;

  // Tips and overtime premium are wages: they count as earned income for the
  // earned income credit and the additional child tax credit, as they do for
  // the payroll tax.
  double wages = in.YrReimburse + bus.YrWagesForTax + in.YrEarnedExempt + in.YrTips + in.YrOT;
  double seIncome = bus.YrSEIncome;
  double investment = bus.YrSTAndPassThru + in.YrLT + in.YrFree;
  double ficaTax = t.YrFicaTax;
  if (joint) {
    wages += bus.YrWagesForTax1 + in.YrReimburse1 + in.YrEarnedExempt1 + in.YrTips1 + in.YrOT1;
    seIncome += bus.YrSEIncome1;
    investment += bus.YrSTAndPassThru1 + in.YrLT1 + in.YrFree1;
    ficaTax += t.YrFicaTax1;  // the couple's payroll tax, like the couple's half SE tax
  }

  t.YrEIC = eicAsked ? ComputeEarnedIncomeCredit(t.YrFedAGI, wages + seIncome, investment,
                                                 t.YrHalfSETax, status, in.EICChildren, year)
                     : 0;

  CreditLimitInputs limits;
  limits.EarnedWages = wages;
  limits.SEIncome = seIncome;
  limits.Children = ex.Under17Children;
  limits.IncomeTax = t.YrFedTax;
  limits.FicaTax = ficaTax;
  limits.HalfSETax = t.YrHalfSETax;
  limits.ChildTaxCredit = t.YrChildTaxCredit;
  limits.EIC = t.YrEIC;
  limits.OtherCredits = in.YrOtherCredits;
  const CreditTotals totals = ApplyTaxCreditLimits(limits, t.YrChildCareCredit, year);
  t.YrTotalCredits = totals.TotalCredits;
  t.YrAddlChildTaxCredit = totals.AddlChildTaxCredit;
}

void ProrateJointReturn(PartyCase& p) {
  if (!FilesJointly(p)) return;
  p.Tax.YrJointFedTax = p.Tax.YrFedTax;
  const double tax = p.Tax.YrFedTax * p.Tax.MFJShare;
  const double credits = p.Tax.YrTotalCredits * p.Tax.MFJShare;
  p.Tax.YrFedTax = platform::RoundToWhole(tax);
  p.Tax.YrTotalCredits = platform::RoundToWhole(credits);
}

}  // namespace tax
