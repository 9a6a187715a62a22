#include "engine/childsupport/ChildSupportRun.h"

#include <algorithm>
#include <cmath>

#include "engine/childsupport/ChildSupportTiers.h"
#include "platform/Rounding.h"
#include "prefs/Preferences.h"

namespace childsupport {

using casevars::CaseVars;
using casevars::Party;
using casevars::PartySupport;

namespace {

double Round(double x) { return platform::RoundToWhole(x); }

// floor(x + 0.5): how the yearly terms of the monthly net income are rounded.
double RoundHalfUp(double x) { return std::floor(x + 0.5); }

const QString kNotANumber = QStringLiteral(
    "The child support calculation stopped: an amount is too large to compute or is not a "
    "number. Please check the amounts entered.");

void ReadPreferences(CaseVars& w, const ChildSupportInputs& in) {
  const QString split = in.SplitDefault ? *in.SplitDefault : prefs::SplitDefault.read();
  const QString interp = in.InterpDefault ? *in.InterpDefault : prefs::InterpDefault.read();
  w.Support.SplitMethod = split == casevars::method::Dual ? casevars::method::Dual
                                                          : casevars::method::Winters;
  w.Support.InterpMethod = interp == casevars::method::Linear ? casevars::method::Linear
                                                             : casevars::method::Closest;
}

// Federal taxes and credits of both parties, through the joint proration.
void EstimateFederalTaxes(CaseVars& w, const ChildSupportInputs& in,
                          const ChildSupportServices& services) {
  const double yrAlimony = 12 * w.Express.MoAlimonyTransfer;
  for (Party party : casevars::kParties) {
    tax::PartyCase p = tax::PartyCaseOf(w, party);
    tax::ComputeJointShare(p);
    tax::ComputePayrollTaxes(p);
    const double untaxedBenefits = tax::UntaxedSocialSecurity(p);
    // Alimony taxable to the payee is the claimant's income and the other
    // party's deduction; taxed to the payer it is neither. With neither option
    // set the incomes stay as they were.
    const double base = p.Income.YrAGIBase - p.Tax.YrHalfSETax;
    const double alimony = party == Party::Claim ? yrAlimony : -yrAlimony;
    if (in.OptionTaxedToPayee)
      p.Tax.YrFedAGI = base - untaxedBenefits + alimony;
    else if (in.OptionTaxedToPayer)
      p.Tax.YrFedAGI = base - untaxedBenefits;
    tax::ComputeIncomeTaxAfterBusinessDeduction(p, party, services.GetBusinessDeduction);
    tax::ComputeCredits(p, party, w.Express.CustodyStatus, in[party].EICCheck == 1);
    tax::ProrateJointReturn(p);
  }
}

// State income tax, entered as a rate or as a yearly amount. An amount is
// turned into the rate it is of the party's income without alimony and applied
// to the income with it; when that income is nil (it rounds to 0 or less, so
// no rate can be had from it) the amount is taken as it stands.
void EstimateStateTax(CaseVars& w, const ChildSupportInputs& in, Party party) {
  casevars::PartyExpress& ex = w.Express[party];
  casevars::PartyTax& t = w.Tax[party];
  const double yrAlimony = 12 * w.Express.MoAlimonyTransfer;
  const auto positive = [](double tax) { return tax < 0 ? 0.0 : tax; };
  if (in[party].StateTaxCombo == kStateTaxAsRate) {
    t.YrStateTax = positive(Round(ex.StateTaxRate * t.YrFedAGI));
  } else {
    const double base = party == Party::Claim ? t.YrFedAGI - yrAlimony : yrAlimony + t.YrFedAGI;
    if (platform::RoundToWhole(base) <= 0) {
      ex.StateTaxRate = 0;
      t.YrStateTax = ex.YrStateTaxEntered;
    } else {
      ex.StateTaxRate = platform::GuardedQuotient(ex.YrStateTaxEntered, base, 1e-10);
      t.YrStateTax = positive(Round(ex.StateTaxRate * t.YrFedAGI));
      t.YrStateTax = in.OptionTaxedToPayer ? ex.YrStateTaxEntered : Round(t.YrStateTax);
    }
  }
}

// Monthly net incomes, then those entered by hand, then the combined net.
void ComputeNetIncomes(CaseVars& w, const ChildSupportInputs& in) {
  const double yrAlimony = RoundHalfUp(12 * w.Express.MoAlimonyTransfer);
  for (Party party : {Party::Payer, Party::Claim}) {
    const casevars::PartyIncome& income = w.Income[party];
    const casevars::PartyTax& t = w.Tax[party];
    PartySupport& s = w.Support[party];
    const double alimony = party == Party::Claim ? yrAlimony : -yrAlimony;
    const double yearly = RoundHalfUp(income.YrGrossIncome) - RoundHalfUp(t.YrFedTax) +
                          RoundHalfUp(t.YrTotalCredits) - RoundHalfUp(t.YrFicaTax) -
                          RoundHalfUp(t.YrStateTax) - RoundHalfUp(income.YrAllowableDeductions) +
                          alimony;
    s.MoPreAdjNet = yearly / 12;
    s.MoNetIncome = Round(s.MoPreAdjNet);
  }

  const std::int16_t manual = w.Results.ManualNetState;
  const auto takeHandEntered = [&](Party party) {
    PartySupport& s = w.Support[party];
    s.MoManualAdj = double(s.MoNetIncome) - in[party].NewNet;
    s.MoNetIncome = in[party].NewNet;
  };
  if (manual == 2 || manual == 4) takeHandEntered(Party::Claim);
  if (manual == 3 || manual == 4) takeHandEntered(Party::Payer);

  w.Support.CombinedMoNetIncome = w.Support.Claim.MoNetIncome + w.Support.Payer.MoNetIncome;
  if (w.Support.CombinedMoNetIncome == 0) w.Support.CombinedMoNetIncome = 1e-11;
}

}  // namespace

void EstimatePartyTaxes(CaseVars& w, const ChildSupportInputs& inputs, const ChildSupportServices& services) {
  EstimateFederalTaxes(w, inputs, services);
  EstimateStateTax(w, inputs, Party::Payer);
  EstimateStateTax(w, inputs, Party::Claim);
  for (Party party : casevars::kParties) {
    casevars::PartyTax& t = w.Tax[party];
    if (w.Express[party].FilingStatus == casevars::filing::MFJ)
      t.YrStateTax = Round(t.YrStateTax * t.MFJShare);
  }
}

bool TaxFiguresFinite(const CaseVars& w) {
  bool finite = true;
  const auto check = [&finite](double v) { finite = finite && std::isfinite(v); };
  for (Party party : casevars::kParties) {
    w.Tax[party].forEachAmount(check);
    check(w.Express[party].StateTaxRate);
    check(w.Business[party].YrBusDeduction);
    check(w.Business[party].YrBusLossCarryover);
  }
  return finite;
}

ChildSupportOutcome ComputeChildSupport(CaseVars& vars, const ChildSupportInputs& inputs,
                                        const ChildSupportServices& services) {
  CaseVars w = vars;
  ReadPreferences(w, inputs);

  casevars::ChildSupportVars& cs = w.Support;
  std::fill(cs.MoTierSupport.begin() + 1, cs.MoTierSupport.begin() + 6, 0.0);  // tier 6 is kept
  cs.MoChildSupportTransfer = 0;

  EstimatePartyTaxes(w, inputs, services);
  ComputeNetIncomes(w, inputs);

  ChildSupportOutcome outcome;
  if (const std::optional<QString> stop = ComputeTiers(w)) {
    outcome.Message = *stop;
    return outcome;
  }

  // What the alimony calculation counts: the amount the claimant pays is positive.
  if (w.Express.SequencingMode == 1) {
    cs.MoChildSupportForAlimony = cs.MoChildSupportTransfer;
    if (cs.MoChildSupportTransfer < 0 && w.Express.CustodyStatus == casevars::custody::NonCust)
      cs.MoChildSupportForAlimony = -cs.MoChildSupportTransfer;
  }

  bool finite = TaxFiguresFinite(w);
  cs.forEachAmount([&finite](double v) { finite = finite && std::isfinite(v); });
  if (!finite) {
    outcome.Message = kNotANumber;
    return outcome;
  }

  vars = std::move(w);
  if (services.DrawChildSupportText) services.DrawChildSupportText(vars);
  outcome.Completed = true;
  outcome.ChildSupport = vars.Support.MoChildSupportTransfer;
  return outcome;
}

}  // namespace childsupport
