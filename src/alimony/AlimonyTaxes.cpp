#include "alimony/AlimonyTaxes.h"

#include "engine/tax/IncomeTax.h"
#include "platform/Rounding.h"

namespace alimony {

using casevars::Party;

namespace {

double Round(double x) { return platform::RoundToWhole(x); }

// From the business deduction on: income tax, credits, the joint proration.
void IncomeTaxAndCredits(casevars::CaseVars& w, Party party, const AlimonyTaxContext& context) {
  tax::PartyCase p = tax::PartyCaseOf(w, party);
  tax::ComputeIncomeTaxAfterBusinessDeduction(p, party, context.GetBusinessDeduction);
  tax::ComputeCredits(p, party, w.Express.CustodyStatus, context.Windows[party].EICCheck == 1);
  tax::ProrateJointReturn(p);
}

// State taxes, the other party first; then the joint filers' shares.
void StateTaxes(casevars::CaseVars& w, double yrAward, const AlimonyTaxContext& context) {
  ComputeAlimonyStateTax(w, Party::Payer, context.Windows.Payer.StateTaxCombo,
                         w.Tax.Payer.YrFedAGI + yrAward);
  ComputeAlimonyStateTax(w, Party::Claim, context.Windows.Claim.StateTaxCombo,
                         w.Tax.Claim.YrFedAGI - yrAward);
  for (Party party : casevars::kParties) {
    casevars::PartyTax& t = w.Tax[party];
    if (w.Express[party].FilingStatus == casevars::filing::MFJ)
      t.YrStateTax = Round(t.YrStateTax * t.MFJShare);
  }
}

}  // namespace

void ComputeAlimonyStateTax(casevars::CaseVars& w, Party party, const QString& stateTaxCombo,
                            double agiWithoutAlimony) {
  casevars::PartyExpress& ex = w.Express[party];
  casevars::PartyTax& t = w.Tax[party];
  if (stateTaxCombo == childsupport::kStateTaxAsRate) {
    t.YrStateTax = Round(ex.StateTaxRate * t.YrFedAGI);
  } else {
    ex.StateTaxRate = platform::GuardedQuotient(ex.YrStateTaxEntered, agiWithoutAlimony, 1e-10);
    if (!(ex.StateTaxRate > 0) || !(ex.StateTaxRate < 0.4))
      t.YrStateTax = ex.YrStateTaxEntered;
    else
      t.YrStateTax = Round(ex.StateTaxRate * t.YrFedAGI);
    t.YrStateTax = Round(t.YrStateTax);
  }
  if (t.YrStateTax < 0) t.YrStateTax = 0;
}

void ComputeTaxesWithoutAlimony(casevars::CaseVars& w, const AlimonyTaxContext& context) {
  for (Party party : casevars::kParties) {
    tax::PartyCase p = tax::PartyCaseOf(w, party);
    p.Tax.YrHalfSETax = 0;
    tax::ComputeJointShare(p);
    tax::ComputePayrollTaxes(p);
    const double untaxed = tax::UntaxedSocialSecurity(p);
    p.Tax.YrFedAGI = (p.Income.YrAGIBase - p.Tax.YrHalfSETax) - untaxed;
    IncomeTaxAndCredits(w, party, context);
  }
  StateTaxes(w, 0, context);
}

void ComputeTaxOnTotalIncome(casevars::CaseVars& w) {
  for (Party party : casevars::kParties) {
    const casevars::PartyIncome& in = w.Income[party];
    const bool joint = w.Express[party].FilingStatus == casevars::filing::MFJ;
    const double income = joint ? in.YrTotal1 + in.YrTotal : in.YrTotal;
    const double gains = joint ? in.YrLT1 + in.YrLT : in.YrLT;
    w.Tax[party].YrFedTax = tax::ComputeIncomeTax(income, gains, in.YrItemized, in.Age65Status,
                                                  w.Express[party].FilingStatus, in.YrInvestIncome);
  }
}

void ComputeTaxesWithAward(casevars::CaseVars& w, double yrAward, const AlimonyTaxContext& context) {
  for (Party party : casevars::kParties) {
    tax::PartyCase p = tax::PartyCaseOf(w, party);
    const double award = party == Party::Claim ? double(yrAward) : -double(yrAward);
    const double untaxed = tax::UntaxedSocialSecurity(p, award);
    p.Tax.YrFedAGI =
        (p.Income.YrAGIBase - p.Tax.YrHalfSETax) - untaxed + award;
    IncomeTaxAndCredits(w, party, context);
  }
  StateTaxes(w, yrAward, context);
}

}  // namespace alimony
