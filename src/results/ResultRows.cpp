#include "results/ResultRows.h"

#include "platform/NumberText.h"
#include "platform/Rounding.h"

namespace results {

using casevars::CaseVars;
using casevars::Party;

namespace {

constexpr const char* kWhole = "$##,###,##0";
constexpr const char* kDeduction = "-$##,###,##0";
constexpr const char* kAddition = "+$##,###,##0";
constexpr const char* kShare = "##.#0%";

ResultRow Amount(const char* label, double value, const char* pattern, bool prorated = false) {
  return {RowKind::Amount, QString::fromLatin1(label), platform::Format(value, pattern), prorated};
}
ResultRow Rule() { return {RowKind::Rule, {}, QString::fromLatin1(kRule)}; }
ResultRow Blank() { return {RowKind::Blank, {}, {}}; }

}  // namespace

QString Dollars(double amount) { return platform::Format(amount, "$###,##0"); }

bool IsDualSplit(const CaseVars& vars) {
  return vars.Express.CustodyStatus == casevars::custody::Split &&
         vars.Support.SplitMethod == casevars::method::Dual;
}

bool IsWintersSplit(const CaseVars& vars) {
  return vars.Express.CustodyStatus == casevars::custody::Split &&
         vars.Support.SplitMethod == casevars::method::Winters;
}

std::vector<ResultRow> PartyColumnRows(const CaseVars& vars, Party party, Layout layout) {
  const bool claim = party == Party::Claim;
  const casevars::PartyIncome& income = vars.Income[party];
  const casevars::PartyTax& tax = vars.Tax[party];
  const casevars::PartySupport& support = vars.Support[party];
  const double sign = claim ? 1.0 : -1.0;
  const double transfer = vars.Support.MoChildSupportTransfer;
  const double alimony = vars.Express.MoAlimonyTransfer;
  const bool prorated = vars.Express[party].FilingStatus == casevars::filing::MFJ;
  const bool report = layout == Layout::Report;

  std::vector<ResultRow> rows;
  rows.push_back(Amount(" Gross Income", income.YrGrossIncome, kWhole));
  rows.push_back(Amount(" Income Deductions", income.YrAllowableDeductions, kDeduction));
  // Alimony from the party's own side: received is positive.
  const double received = sign * alimony * 12;
  if (received > 0) rows.push_back(Amount(" Alimony Received", received, kAddition));
  if (received < 0) {
    if (report && !claim)
      rows.push_back(Amount(" Alimony Paid", alimony * 12, kDeduction));
    else
      rows.push_back(Amount(" Alimony Paid", received, kWhole));
  }
  rows.push_back(Amount(" FICA/SE", tax.YrFicaTax, kDeduction));
  rows.push_back(Amount(" State Tax", tax.YrStateTax, kDeduction, prorated));
  rows.push_back(Amount(" Federal Tax", tax.YrFedTax, kDeduction, prorated));
  rows.push_back(Amount(" Federal Tax Credits", tax.YrTotalCredits, kWhole));
  rows.push_back(Rule());
  rows.push_back(Amount(" Pre Adj Income", support.MoPreAdjNet * 12, kWhole));
  rows.push_back(Rule());
  rows.push_back(Amount(" Pre Adj Net/Month", support.MoPreAdjNet, kWhole));

  // The hand-entered net: its adjustment when this party's net was entered,
  // "-$0" when the other party's or none was; nothing in any other state.
  const std::int16_t state = vars.Results.ManualNetState;
  const bool entered = claim ? (state == 2 || state == 4) : (state == 3 || state == 4);
  const bool notEntered = claim ? (state == 1 || state == 3) : (state == 1 || state == 2);
  if (notEntered) {
    rows.push_back({RowKind::Amount, QStringLiteral(" Manual Adj/Month"), QStringLiteral("-$0")});
    rows.push_back(Rule());
  } else if (entered) {
    const double adjustment = support.MoManualAdj;
    rows.push_back(adjustment > 0 ? Amount(" Manual Adj/Month", adjustment, kDeduction)
                                  : Amount(" Manual Adj/Month", -1 * adjustment, kWhole));
    rows.push_back(Rule());
  }

  rows.push_back(Amount(" Adj Net/Month", support.MoNetIncome, kWhole));
  rows.push_back(Amount(" Child Support/Month", sign * transfer, kWhole));
  if (vars.Express.CustodyStatus != casevars::custody::NoMinors)
    rows.push_back(Amount(" Care and Ins Paid", -support.MoExpensesPaid, kWhole));
  rows.push_back(Rule());
  const double net = support.MoNetIncome + sign * transfer - support.MoExpensesPaid;
  rows.push_back(Amount(" Net Income/Month", net, kWhole));
  if (report) {
    rows.push_back(Blank());
    rows.push_back(Amount(" Pays Share Of Expenses At", support.IncomeShare, kShare));
    if (!claim) rows.push_back(Blank());
  } else {
    rows.push_back(Amount(" Pays % Of Expenses At", support.IncomeShare, kShare));
  }
  return rows;
}

std::vector<ResultRow> ObligationRows(const CaseVars& vars, Party party, Layout layout) {
  const bool claim = party == Party::Claim;
  const casevars::PartySupport& s = vars.Support[party];
  constexpr const char* kAmount = "$###,##0";
  constexpr const char* kCredit = "-$###,##0";
  std::vector<ResultRow> rows;
  if (IsDualSplit(vars)) {
    // Each party's share toward the other family, half of the expense figures.
    if (claim)
      rows.push_back(Amount(" Claimant's Basic Ob. To Fam 2 ", s.MoBasicObligationFam2, kAmount));
    else
      rows.push_back(Amount(" Other's Basic Ob. To Fam 1 ", s.MoBasicObligation, kAmount));
    const double halfObligation = s.MoExpenseObligation / 2;
    const double halfPaid = s.MoExpensesPaid / 2;
    rows.push_back(Amount(claim ? " 1/2 Claimant's Expenses Obligation  "
                                : " 1/2 Other's Expenses Obligation  ",
                          halfObligation, kAmount));
    rows.push_back(Amount(claim ? " 1/2 Claimant's Expenses Credit "
                                : " 1/2 Other's Expenses Credit  ",
                          halfPaid, kCredit));
  } else {
    const char* otherBasic = layout == Layout::Report ? " Other's Basic Obligation "
                                                      : " Other's Basic Obligation  ";
    rows.push_back(Amount(claim ? " Claimant's Basic Obligation  " : otherBasic,
                          s.MoBasicObligation, kAmount));
    rows.push_back(Amount(claim ? " Claimant's Expenses Obligation  "
                                : " Other's Expenses Obligation  ",
                          s.MoExpenseObligation, kAmount));
    rows.push_back(Amount(claim ? " Claimant's Expenses Credit " : " Other's Expenses Credit  ",
                          s.MoExpensesPaid, kCredit));
  }
  rows.push_back(Rule());
  rows.push_back(Amount(claim ? " Claimant's Net Obligation " : " Other's Net Obligation  ",
                        s.MoNetObligation, kAmount));
  return rows;
}

std::optional<QString> FilingStatusCode(const QString& filingStatus) {
  namespace filing = casevars::filing;
  if (filingStatus == filing::Single) return QStringLiteral("S");
  if (filingStatus == filing::Head) return QStringLiteral("HH");
  if (filingStatus == filing::MFJ) return QStringLiteral("MFJ");
  if (filingStatus == filing::MarriedSep) return QStringLiteral("MFS");
  return std::nullopt;
}

void UpdateManualNetStateText(casevars::ResultsVars& results) {
  switch (results.ManualNetState) {
    case 1: results.ManualNetStateText = QStringLiteral("None"); break;
    case 2: results.ManualNetStateText = QStringLiteral("Claimant"); break;
    case 3: results.ManualNetStateText = QStringLiteral("Other"); break;
    case 4: results.ManualNetStateText = QStringLiteral("Both"); break;
    default: break;
  }
}

std::optional<SocialSecurityCredit> SocialSecurityCreditOf(const CaseVars& vars, Party payingParty) {
  const double transfer = vars.Support.MoChildSupportTransfer;
  const double benefits = vars.Income[payingParty].YrSSChild;
  const double rounded = platform::RoundToWhole(transfer);
  const bool payerPays = payingParty == Party::Payer;
  if (!(benefits > 0) || !(payerPays ? rounded > 0 : rounded < 0)) return std::nullopt;
  SocialSecurityCredit credit;
  credit.monthlyBenefit = platform::RoundToWhole(benefits / 12.0);
  // What is left to pay once the benefit is credited, never below 0.
  const double left = payerPays ? transfer - credit.monthlyBenefit : -(transfer + credit.monthlyBenefit);
  credit.owed = left < 0 ? 0.0 : left;
  const QString name = payerPays ? QStringLiteral("Other Parent") : QStringLiteral("Claimant");
  credit.attributable = " Attributable To " + name + " Is Applied As Credit. ";
  credit.owes = "After SS Is Applied, " + name + " Owes ";
  return credit;
}

}  // namespace results
