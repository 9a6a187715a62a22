#include "alimony/AlimonyRun.h"

#include <algorithm>
#include <cmath>

#include "alimony/AlimonyTaxes.h"
#include "alimony/TermRecommendations.h"
#include "business/BusinessTotals.h"
#include "income/IncomePeriod.h"
#include "income/IncomeTotals.h"
#include "platform/NumberText.h"
#include "platform/Rounding.h"

namespace alimony {

using casevars::CaseVars;
using casevars::Party;
namespace custody = casevars::custody;

namespace {

double Round(double x) { return platform::RoundToWhole(x); }

// A yearly amount brought to whole dollars as the boxes show it ("$###,###").
double WholeDollars(double amount) {
  return platform::AmountFromText(platform::Format(amount, "$###,###"));
}

const QString kNotANumber = QStringLiteral(
    "The alimony calculation stopped: an amount is too large to compute or is not a number. "
    "Please check the amounts entered.");

bool AnyClaimTips(const CaseVars& v) {
  const casevars::PartyIncome& in = v.Income.Claim;
  const casevars::PartyBusiness& b = v.Business.Claim;
  for (double x : {in.YrTips, in.YrOT, b.YrATips, b.YrBTips, b.YrCTips, in.YrTips1, in.YrOT1, b.YrATips1,
                  b.YrBTips1, b.YrCTips1})
    if (x > 0) return true;
  return false;
}

income::FilingOptions FilingOptionsOf(const QString& status) {
  income::FilingOptions f;
  f.MFJ = status == casevars::filing::MFJ;
  f.Married = status == casevars::filing::MarriedSep;
  f.HeadHouse = status == casevars::filing::Head;
  f.Single = status == casevars::filing::Single;
  return f;
}

// The windows as the child support runs read them, with the Express screen's
// alimony tax options as AlimonyTaxMode records them.
childsupport::ChildSupportInputs WindowsFor(const childsupport::ChildSupportInputs& windows, std::int16_t mode) {
  childsupport::ChildSupportInputs w = windows;
  w.OptionTaxedToPayee = mode == 0;
  w.OptionTaxedToPayer = mode != 0;
  return w;
}

// One alimony calculation over its working copy.
class Calculation {
 public:
  Calculation(CaseVars& w, const AlimonyInputs& in)
      : w_(w),
        a_(w.Alimony),
        in_(in),
        windows_(WindowsFor(in.Windows, w.Alimony.AlimonyTaxMode)),
        deduction_(business::MakeBusinessDeductionService(
            w, [&in](Party p) { return in.ServiceTrades[p]; })),
        taxes_{windows_, deduction_},
        mode_(w.Alimony.AlimonyTaxMode) {}

  const tax::BusinessDeductionFn& Deduction() const { return deduction_; }

  // One pass, steps 2 to 26; false when it stopped (Message says why).
  bool Pass(bool firstRun);

  // A child support run of the calculation's own, with the monthly alimony
  // it counts already set; false when it stopped.
  bool RunChildSupport();

  AlimonyOutcome out;
  std::optional<CaseVars> lastChildSupport;

 private:
  void NetIncomes();
  void PriorSupportAndExpenses();
  bool ChildSupportWithAward();
  // The tax-treatment note: the box holds one, written once per calculation.
  void Note(const char* text);

  CaseVars& w_;
  casevars::AlimonyVars& a_;
  const AlimonyInputs& in_;
  childsupport::ChildSupportInputs windows_;
  tax::BusinessDeductionFn deduction_;
  AlimonyTaxContext taxes_;
  std::int16_t mode_;
  double firstRunShare_ = 0;
  double suggested_ = 0;
};

void Calculation::Note(const char* text) {
  a_.AlimonyNoteText = QString::fromLatin1(text);
  out.Picture9 = PictureText{true, {a_.AlimonyNoteText}};
}

bool Calculation::RunChildSupport() {
  childsupport::ChildSupportServices services;
  services.GetBusinessDeduction = deduction_;
  const childsupport::ChildSupportOutcome cs = childsupport::ComputeChildSupport(w_, windows_, services);
  if (!cs.Completed) {
    out.Message = cs.Message;
    return false;
  }
  ++out.ChildSupportRuns;
  lastChildSupport = w_;
  if (w_.Express.SequencingMode == 1) out.ChildSupport = cs.ChildSupport;
  return true;
}

void Calculation::PriorSupportAndExpenses() {
  for (Party party : casevars::kParties) {
    const casevars::PartyIncome& in = w_.Income[party];
    const casevars::PartyExpress& ex = w_.Express[party];
    a_[party].YrPriorSupportPaid = in.YrPriorMaintPaid2 + in.YrPriorMaintPaid + in.YrOtherSupport;
    a_[party].YrExpensesPaid = (ex.MoChildHealthIns + ex.MoDayCare + ex.MoNonCoveredHealth) * 12;
  }
}

// With the award as the calculation now stands: the child support it counts
// when alimony is calculated first and applied to child support.
bool Calculation::ChildSupportWithAward() {
  w_.Express.MoAlimonyTransfer = Round(a_.YrAlimonyAward / 12.0);
  if (!RunChildSupport()) return false;
  for (Party party : casevars::kParties) {
    const casevars::PartyIncome& in = w_.Income[party];
    a_[party].YrPriorSupportPaid = in.YrPriorMaintPaid2 + in.YrPriorMaintPaid + in.YrOtherSupport;
    a_[party].YrExpensesPaid = w_.Support[party].MoExpensesPaid * 12;
  }
  double& cs = w_.Support.MoChildSupportForAlimony;
  cs = std::floor(cs + 0.5);
  return true;
}

void Calculation::NetIncomes() {
  const QString& custody = w_.Express.CustodyStatus;
  const double award = a_.YrAlimonyAward;
  const double cs = w_.Support.MoChildSupportForAlimony * 12;
  double claimCs = 0;
  if (custody == custody::Cust || custody == custody::Shared || custody == custody::Split) claimCs = cs;
  else if (custody == custody::NonCust) claimCs = -cs;
  else if (custody != custody::NoMinors) return;
  const auto net = [&](Party party, double alimony, double support) {
    const casevars::PartyTax& t = w_.Tax[party];
    const double base = w_.Income[party].YrGrossIncome - a_[party].YrPriorSupportPaid - a_[party].YrExpensesPaid;
    a_[party].YrNetAfterAlimony =
        base + alimony - t.YrFicaTax - t.YrStateTax - t.YrFedTax + support + t.YrTotalCredits;
  };
  net(Party::Claim, award, claimCs);
  net(Party::Payer, -award, -claimCs);
}

bool Calculation::Pass(bool firstRun) {
  CaseVars& w = w_;
  casevars::AlimonyVars& a = a_;
  casevars::ExpressVars& ex = w.Express;
  const QString& custody = ex.CustodyStatus;
  const double score = a.AlimonyCaseScore;

  // Start of the pass. The note goes into Picture9 once per calculation: a
  // second pass's note replaces the first's.
  a.PresentValueOfAward.reset();
  a.AlimonyNoteText = QStringLiteral(" ");
  out.Picture9.reset();
  mode_ = a.AlimonyTaxMode;
  const double targetShare = TargetShareOf(w);

  // Taxes without alimony and the cap.
  ComputeTaxesWithoutAlimony(w, taxes_);
  const auto netBefore = [&](Party party) {
    const casevars::PartyTax& t = w.Tax[party];
    return w.Income[party].YrGrossIncome - t.YrFicaTax - t.YrStateTax - t.YrFedTax + t.YrTotalCredits;
  };
  const double difference = netBefore(Party::Payer) - netBefore(Party::Claim);
  a.YrAlimonyCap = 0.35 * difference;
  const bool capApplies = a.YrAlimonyCap > 0;

  // Gross-up factors on the tax of each party's total income.
  ComputeTaxOnTotalIncome(w);
  casevars::PartyPair<double> taxGrossUp, expenseGrossUp, untaxedGrossUp;
  for (Party party : casevars::kParties) {
    const casevars::PartyTax& t = w.Tax[party];
    const double g = double(w.Income[party].YrGrossIncome) + (party == Party::Claim ? 0.00001 : 0.0000001);
    const double m = ex[party].FilingStatus == casevars::filing::MFJ ? double(t.MFJShare) : 1.0;
    taxGrossUp[party] = 1 / (1 - double(t.YrFedTax) * m / g);
    expenseGrossUp[party] = 1.2 / (1 - (0.05 * double(t.YrFedAGI) + double(t.YrFedTax)) * m / g);
    untaxedGrossUp[party] = double(w.Income[party].YrUntaxedIncome) * (taxGrossUp[party] - 1);
  }

  // Net child care costs; no child costs without minor children.
  casevars::PartyPair<double> netCare;
  for (Party party : casevars::kParties)
    netCare[party] = double(ex[party].MoDayCare) * 12 - double(w.Tax[party].YrChildCareCredit);
  if (custody == custody::NoMinors) {
    w.Support.MoChildSupportForAlimony = 0;
    netCare = {};
    for (Party party : casevars::kParties) {
      ex[party].MoChildHealthIns = 0;
      ex[party].MoNonCoveredHealth = 0;
    }
  }

  // Available incomes.
  const double cs = double(w.Support.MoChildSupportForAlimony) * 12;
  const double csSign = custody == custody::NonCust ? -1 : 1;
  casevars::PartyPair<double> available;
  for (Party party : casevars::kParties) {
    const casevars::PartyIncome& in = w.Income[party];
    const double k = expenseGrossUp[party];
    const double support = (party == Party::Claim ? csSign : -csSign) * k * cs;
    available[party] = double(in.YrGrossIncome) + untaxedGrossUp[party] - w.Tax[party].YrFicaTax -
                       in.YrPriorMaintPaid - in.YrPriorMaintPaid2 - k * in.YrOtherSupport -
                       k * netCare[party] + support -
                       k * (double(ex[party].MoNonCoveredHealth) + ex[party].MoChildHealthIns) * 12;
  }
  const auto grossAfterFica = [&](Party party) {
    return double(w.Income[party].YrGrossIncome) + untaxedGrossUp[party] - w.Tax[party].YrFicaTax;
  };
  const double gapFactor = IncomeGapFactorOf(grossAfterFica(Party::Payer) - grossAfterFica(Party::Claim));

  // The suggested award.
  const double formula = (targetShare * (available.Payer + available.Claim) - available.Claim) * gapFactor;
  if (custody == custody::Cust || custody == custody::Shared || custody == custody::Split ||
      custody == custody::NoMinors) {
    a.YrAlimonyAward = formula * score / 100;
    if (custody == custody::NoMinors) w.Support.MoChildSupportForAlimony = 0;
  } else if (custody == custody::NonCust) {
    a.YrAlimonyAward = formula * (score - 3.0 * ex.NumMinorChildren) / 100;
  }

  const double grossGap = w.Income.Payer.YrGrossIncome - w.Income.Claim.YrGrossIncome;
  if (score < 42) {
    const double t = 1250000 / double(score);
    if (t > grossGap) {
      a.YrAlimonyAward -= (t - grossGap) * (ex.NumMinorChildren < 1 ? 0.35 : 0.2);
      if (a.YrAlimonyAward < 0) a.YrAlimonyAward = 0;
    }
    if (a.YrAlimonyAward < 250)
      a.CaseStrengthText = QStringLiteral(" This Is An Unlikely Alimony Case,") + QStringLiteral("\r\n") +
                           QStringLiteral(" Barring Some Unusual Or Compelling Circumstance.");
    out.Picture1 = PictureText{true, {a.CaseStrengthText}};
  }
  if (a.YrAlimonyAward < 250) a.YrAlimonyAward = 0;
  if (score < 19 && grossGap < 70000) a.YrAlimonyAward = 0;
  const double claimGross = w.Income.Claim.YrGrossIncome;
  if (a.YrAlimonyAward > 0 && claimGross > 80000) {
    double r = (double(claimGross) - 70000) * 0.02 / 20000;
    if (r > 0.9) r = 0.9;
    a.YrAlimonyAward = a.YrAlimonyAward * (1 - r);
  }
  // A negative gross income of the other party counts as 0 in this limit.
  const double payerGross = std::max(w.Income.Payer.YrGrossIncome, 0.0);
  if (payerGross / 2 < a.YrAlimonyAward) a.YrAlimonyAward = payerGross / 2;

  const TermRecommendations terms =
      ChooseTermRecommendations(score, w.Express.MarriageYears, a.YrAlimonyAward > 0);
  a.TermRecommendation1 = terms.First;
  a.TermRecommendation2 = terms.Second;
  a.YrAlimonyAward = Round(a.YrAlimonyAward / 12) * 12;
  suggested_ = a.YrAlimonyAward;

  const bool userAward = w.Express.AwardChangedFlag == QLatin1String("Y");
  if (!userAward) a.YrRecommendedAward = a.YrAlimonyAward;
  if (mode_ == 0) {
    if (userAward) {
      a.YrAlimonyAward = in_.NewAward;
      // Never after the note of an earlier calculation: the bonus passes
      // clear nothing first.
      Note("Calculation Shown Has Alimony Taxed To Payee. The Suggested Alimony Award Has Been Modified.");
    } else {
      Note("Calculation Shown Has Alimony Taxed To Payee.");
    }
    // No suggested award when the claimant's net income is not the lower; an
    // award the user put in force stands.
    if (!capApplies) {
      a.YrRecommendedAward = suggested_ = 0;
      if (!userAward) a.YrAlimonyAward = 0;
    }
  }

  // With the award; in payer-taxed mode once more with no award in the taxes.
  for (;;) {
    ComputeTaxesWithAward(w, a.YrAlimonyAward, taxes_);
    PriorSupportAndExpenses();
    if (ex.MaintAppliedToCS == 1 && ex.SequencingMode == 1 && mode_ == 0 && !ChildSupportWithAward())
      return false;
    NetIncomes();
    if (mode_ != 2) break;
    const double share = double(a.Claim.YrNetAfterAlimony) /
                         (double(a.Claim.YrNetAfterAlimony) + a.Payer.YrNetAfterAlimony + 0.0000001);
    if (firstRun) firstRunShare_ = share;
    a.YrAlimonyAward = 0;
    mode_ = 3;
  }

  if (mode_ == 3) {
    const double combined = firstRunShare_ * (a.Payer.YrNetAfterAlimony +
                                                                a.Claim.YrNetAfterAlimony);
    a.YrAlimonyAward = combined - a.Claim.YrNetAfterAlimony;
    if (a.YrAlimonyAward < 0) a.YrAlimonyAward = 0;
    a.YrRecommendedAward = a.YrAlimonyAward;
    mode_ = 2;
    Note("Calculation Shown Has Alimony Taxed To Payer.");

    const double cap = std::max(a.YrAlimonyCap, 0.0);
    if (userAward) {
      if (in_.NewAward > cap) {
        QString capText = platform::Format(double(cap), "$###,###.##");
        if (capText == QLatin1String("$.")) capText = QStringLiteral("$0");  // no cap at all
        out.Message = QStringLiteral("Alimony Can Not Exceed ") + capText +
                      QStringLiteral(" Which is 35 Percent of The Parties Net Income Difference. ReEnter The "
                                     "New Alimony Amount");
        return false;
      }
      if (a.YrAlimonyAward >= cap) a.YrAlimonyAward = a.YrRecommendedAward = cap;
      a.YrAlimonyAward = in_.NewAward;
      Note("Calculation Shown Has Alimony Taxed To Payer. The Suggested Alimony Award Has Been Modified.");
    }
    if (a.YrAlimonyAward >= cap) a.YrAlimonyAward = a.YrRecommendedAward = cap;
    if (ex.MaintAppliedToCS == 1 && ex.SequencingMode == 1 && !ChildSupportWithAward()) return false;
    NetIncomes();
  }

  // The final cap rule: not applied to an award taxed to the payee.
  if (capApplies && a.YrAlimonyAward >= a.YrAlimonyCap) {
    if (mode_ == 0) a.YrRecommendedAward = suggested_;
    else a.YrAlimonyAward = a.YrRecommendedAward = a.YrAlimonyCap;
  }
  return true;
}

}  // namespace

double TargetShareOf(const CaseVars& vars) {
  const casevars::ExpressVars& ex = vars.Express;
  const QString& custody = ex.CustodyStatus;
  const int n = ex.NumMinorChildren;
  if (custody == custody::Cust) {
    static const double shares[] = {0, 0.55, 0.60, 0.64, 0.65};
    return n >= 5 ? 0.66 : n >= 1 ? shares[n] : 0;
  }
  if (custody == custody::NonCust) {
    static const double shares[] = {0, 0.45, 0.40, 0.36, 0.35};
    return n >= 5 ? 0.34 : n >= 1 ? shares[n] : 0;
  }
  if (custody == custody::NoMinors) return 0.50;
  if (custody == custody::Split) {
    const double claim = ex.Claim.PossessionChildren;
    const double total = claim + ex.Payer.PossessionChildren;
    if (!(total > 0)) return 0;
    const double r = claim / total;
    const double third = 1.0 / 3, twoThirds = 2.0 / 3;
    if (r <= 0.2) return 0.36;
    if (r < 0.25) return 0.37;
    if (r == 0.25) return 0.38;
    if (r < third) return 0.40;
    if (r == third) return 0.45;
    if (r < 0.4) return 0.46;
    if (r == 0.4) return 0.47;
    if (r < 0.5) return 0.48;
    if (r == 0.5) return 0.50;
    if (r < 0.6) return 0.52;
    if (r == 0.6) return 0.53;
    if (r < twoThirds) return 0.54;
    if (r == twoThirds) return 0.55;
    if (r < 0.75) return 0.60;
    if (r == 0.75) return 0.62;
    if (r < 0.8) return 0.63;
    return 0.64;
  }
  if (custody == custody::Shared) {
    // The share is held in single precision, so it is compared with bounds
    // held the same way: a typed .45 is the bound 0.45f, not a figure below
    // the double 0.45.
    const float p = vars.Express.Claim.PercentOfTime;
    double share = 0;
    if (p > 0.65f) share = n == 1 ? 0.55 : n == 2 ? 0.60 : n >= 3 ? 0.64 : 0;
    else if (p < 0.35f) share = n == 1 ? 0.45 : n == 2 ? 0.40 : n >= 3 ? 0.36 : 0;
    else if (p < 0.45f) share = 0.48 - 0.02 * (n - 1) - (0.45 - double(p)) / 5;
    else if (p <= 0.48f) share = 0.48;
    else if (p <= 0.52f) share = 0.50;
    else if (p <= 0.55f) share = 0.52;
    else share = 0.52 + 0.02 * (n - 1) + (double(p) - 0.55) / 5;
    return std::clamp(share, 0.36, 0.64);
  }
  return 0;
}

double IncomeGapFactorOf(double d) {
  double f = 1;
  if (d <= 20000) f = 1;
  else if (d <= 25000) f = 0.98;
  else if (d <= 30000) f = 0.96;
  else if (d <= 35000) f = 0.94;
  else if (d <= 40000) f = 0.92;
  else if (d <= 90000) f = 0.91;
  else if (d <= 290000) f = 0.91 - (d - 90000) / 200000 * 0.212;
  else f = 0.698 - 0.01 * (d - 290000) / 25000;
  return f < 0.48 ? 0.48 : f;
}

void CountClaimTipsAsWages(CaseVars& w, const AlimonyInputs& inputs, const tax::BusinessDeductionFn& deduction) {
  casevars::PartyIncome& in = w.Income.Claim;
  casevars::PartyBusiness& bus = w.Business.Claim;
  in.YrEarned = WholeDollars(in.YrEarned + in.YrTips + in.YrOT);
  in.YrTips = in.YrOT = 0;
  in.YrEarned1 = WholeDollars(in.YrEarned1 + in.YrTips1 + in.YrOT1);
  in.YrTips1 = in.YrOT1 = 0;
  const auto fold = [](double& wages, double& tips) {
    wages = WholeDollars(wages + tips);
    tips = 0;
  };
  fold(bus.YrAWages, bus.YrATips);
  fold(bus.YrBWages, bus.YrBTips);
  fold(bus.YrCWages, bus.YrCTips);
  fold(bus.YrAWages1, bus.YrATips1);
  fold(bus.YrBWages1, bus.YrBTips1);
  fold(bus.YrCWages1, bus.YrCTips1);

  business::ComputeBusinessTotals(bus, in);
  business::AssignNewVars(bus, in);
  business::ComputeBusinessTotals(bus, in);
  in.YrTotal = income::ColumnTotal(in, income::Column::Party);
  in.YrTotal1 = income::ColumnTotal(in, income::Column::Spouse);
  in.YrGrossIncome = income::GrossIncomeOf(in.YrTotal, income::IncomePeriod::Yearly).yearly;

  income::DeductionChoices choices = inputs.ClaimDeductions;
  choices.filing = FilingOptionsOf(w.Express.Claim.FilingStatus);
  income::BusinessTips tips;  // every business tip is now 0
  const business::ServiceTradeFlags& trades = inputs.ServiceTrades.Claim;
  for (std::size_t c = 0; c < 2; ++c)
    for (std::size_t b = 0; b < 3; ++b) tips.serviceTrade[c][b] = trades.Value[c][b] != 0;
  income::ApplyDeductions(in, choices, tips, [&](double agiBase) {
    const tax::BusinessDeduction d = deduction ? deduction(Party::Claim, agiBase) : tax::BusinessDeduction{};
    bus.YrBusDeduction = d.YrBusDeduction;
    bus.YrBusLossCarryover = d.YrBusLossCarryover;
    return d.YrBusDeduction;
  });
}

AlimonyOutcome ComputeAlimony(CaseVars& vars, const AlimonyInputs& inputs, const AlimonyServices& services) {
  CaseVars w = vars;
  Calculation calc(w, inputs);
  const bool countTips = AnyClaimTips(w);
  const casevars::PartyIncome claimIncome = w.Income.Claim;
  const casevars::PartyBusiness claimBusiness = w.Business.Claim;
  if (countTips) CountClaimTipsAsWages(w, inputs, calc.Deduction());

  const auto stopped = [&calc]() {
    AlimonyOutcome out;
    out.Message = calc.out.Message;
    return out;
  };
  calc.out.Passes = 1;
  if (!calc.Pass(true)) return stopped();
  if (countTips) {
    // The claimant's tips and overtime as entered, then the case's child
    // support without alimony before the pass that gives the figures.
    w.Income.Claim = claimIncome;
    w.Business.Claim = claimBusiness;
    w.Express.MoAlimonyTransfer = 0;
    if (w.Express.SequencingMode == 1 && !calc.RunChildSupport()) return stopped();
    calc.out.Passes = 2;
    if (!calc.Pass(false)) return stopped();
  }

  bool finite = childsupport::TaxFiguresFinite(w);
  const auto check = [&finite](double v) { finite = finite && std::isfinite(v); };
  const casevars::AlimonyVars& a = w.Alimony;
  for (double v : {a.YrAlimonyAward, a.YrRecommendedAward, a.YrAlimonyCap, a.Claim.YrNetAfterAlimony,
                  a.Payer.YrNetAfterAlimony, a.Claim.YrPriorSupportPaid, a.Payer.YrPriorSupportPaid,
                  a.Claim.YrExpensesPaid, a.Payer.YrExpensesPaid, w.Support.MoChildSupportForAlimony})
    check(v);
  if (!finite) {
    AlimonyOutcome out;
    out.Message = kNotANumber;
    return out;
  }

  AlimonyOutcome out = std::move(calc.out);
  out.Display = ShowAlimonyResults(w);
  out.Completed = true;
  if (calc.lastChildSupport && services.DrawChildSupportText) {
    services.DrawChildSupportText(*calc.lastChildSupport);
    w.Results = calc.lastChildSupport->Results;
  }
  vars = std::move(w);
  return out;
}

}  // namespace alimony
