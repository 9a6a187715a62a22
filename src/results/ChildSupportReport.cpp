#include "results/ChildSupportReport.h"

#include <algorithm>

#include "platform/NumberText.h"
#include "platform/document/DocumentPage.h"
#include "results/PreparerLines.h"
#include "results/ResultRows.h"

namespace results {

using casevars::CaseVars;
using casevars::Party;
using platform::DrawingCursor;
namespace custody = casevars::custody;

namespace {

// Columns of the page, from its width of 12240 twips in thirds.
constexpr double kPageWidth = 12240;
constexpr double kLeftMargin = 700;
constexpr double kClaimEdge = kPageWidth / 3 + 200;         // 4280: the claimant's amounts end here
constexpr double kOtherColumn = kPageWidth / 3 + 700;       // 4780: the other party's labels
constexpr double kOtherEdge = 2 * kPageWidth / 3 + 200;     // 8360
constexpr double kRightColumn = 2 * kPageWidth / 3 + 700;   // 8860: case data, basic obligation
constexpr double kTierHeads = kPageWidth / 2 + 1000;        // 7120
constexpr double kTierClaimValues = kTierHeads + 1000;      // 8120
constexpr double kRightMargin = kPageWidth - 400;           // 11840
constexpr double kValueGap = 100;                           // at least this between a label and its value

struct Report {
  DrawingCursor& vs;
  CaseVars& vars;
  const ChildSupportReportInputs& in;
  double rowsTop = 0;
  double columnsEnd = 0;
  double calculationTop = 0;
  double transferEnd = 0;

  void Font(double points, bool bold) {
    vs.SetFontSize(points);
    vs.SetFontBold(bold);
  }
  void At(double x, const QString& text) {
    vs.SetCurrentX(x);
    vs.PrintText(text);
  }
  void LineAt(double x, const QString& text = QString()) {
    vs.SetCurrentX(x);
    vs.PrintLine(text);
  }
  // One row of a column: its label from `x`, its value ending at `edge`; a
  // value too wide for the room after its label is set smaller to fit it.
  void Row(const ResultRow& row, double x, double edge, bool endLine = true) {
    if (row.kind == RowKind::Blank) {
      LineAt(x);
      return;
    }
    double from = x;
    if (row.kind == RowKind::Amount) {
      At(x, row.label);
      if (row.prorated) {
        vs.SetFontSize(8);
        vs.PrintText(QString::fromLatin1(kProrated));
        vs.SetFontSize(10);
      }
      from = vs.CurrentX() + kValueGap;
    }
    platform::PrintFittedEndingAt(vs, row.value, from, edge);
    if (endLine) vs.PrintLine();
  }
  // A line of the right column, set smaller where it would pass the right margin.
  void RightColumnLine(const QString& text = QString()) {
    vs.SetCurrentX(kRightColumn);
    platform::PrintFitted(vs, text, kRightMargin);
    vs.PrintLine();
  }

  void Heading();
  void PartyColumns();
  void CaseData();
  void Calculation();
  void Transfer();
  void BasicObligation();
  void SocialSecurity();
  void Tiers();
  void Notes();
};

void Report::Heading() {
  vs.ResetPrinter();
  vs.SetFontName(QStringLiteral("Tahoma"));
  vs.SetFontItalic(false);
  Font(12, false);
  vs.SetDocumentOption(0);
  vs.SetCurrentY(PreparerTopMargin());
  if (HasCaseName(in.caseName)) LineAt(kLeftMargin, "Child Support Report For:  " + in.caseName);
  vs.SetFontSize(10);
  for (const PreparerLine& line : PreparerLines(in.today)) LineAt(kLeftMargin, line.label + line.value);
  vs.SetFontSize(12);
  LineAt(kLeftMargin);

  const QString& status = vars.Express.CustodyStatus;
  const char* claimWord = nullptr;
  const char* otherWord = nullptr;
  if (status == custody::Cust) claimWord = "(custodial)", otherWord = "(non-custodial)";
  else if (status == custody::NonCust) claimWord = "(non-custodial)", otherWord = "(custodial)";
  else if (status == custody::Shared) claimWord = otherWord = "(shared custody)";
  else if (status == custody::Split) claimWord = otherWord = "(split custody)";
  vs.SetCurrentX(kLeftMargin);
  if (claimWord) {
    const auto party = [&](double x, const char* name, const char* word) {
      Font(14, true);
      At(x, QString::fromLatin1(name));
      Font(13, false);
      vs.PrintText(QString::fromLatin1(word));
    };
    party(kLeftMargin, "Claimant ", claimWord);
    party(kOtherColumn, "Other Parent ", otherWord);
  }
  Font(14, true);
  LineAt(kRightColumn, QStringLiteral("Case Data"));
  Font(10, false);
  LineAt(kLeftMargin);
  rowsTop = vs.CurrentY();
}

void Report::PartyColumns() {
  for (const ResultRow& row : PartyColumnRows(vars, Party::Claim, Layout::Report))
    Row(row, kLeftMargin, kClaimEdge);
  vs.SetCurrentY(rowsTop);
  for (const ResultRow& row : PartyColumnRows(vars, Party::Payer, Layout::Report))
    Row(row, kOtherColumn, kOtherEdge);
  columnsEnd = vs.CurrentY();
}

void Report::CaseData() {
  const casevars::ExpressVars& ex = vars.Express;
  const double tab = kRightColumn + vs.TextWidth(QStringLiteral(" Claimant's Exemptions"));
  const auto tabRow = [&](const QString& label, const QString& value) {
    At(kRightColumn, label);
    At(tab, QStringLiteral(" = "));
    vs.PrintLine(value);
  };
  const auto line = [&](const QString& text = QString()) { LineAt(kRightColumn, text); };
  const auto number = [](int value) { return QString::number(value); };

  vs.SetCurrentY(rowsTop);
  tabRow(QStringLiteral(" Number Of Children"), number(ex.NumMarriageChildren));
  tabRow(QStringLiteral(" Number Of Minors"), number(ex.NumMinorChildren));
  if (ex.CustodyStatus == custody::Split) {
    line();
    line(QStringLiteral("    - Split Custody -"));
    tabRow(QStringLiteral(" Claimant's Children"), number(ex.Claim.PossessionChildren));
    tabRow(QStringLiteral(" Other's Children"), number(ex.Payer.PossessionChildren));
  }
  if (ex.CustodyStatus == custody::Shared) {
    line();
    line(QStringLiteral("    - Shared Custody - "));
    tabRow(QStringLiteral(" Claimant's Nights "), platform::Format(ex.Claim.YrOvernights, "###.0"));
    tabRow(QStringLiteral(" Other's Nights"), platform::Format(ex.Payer.YrOvernights, "###.0"));
  }
  line();
  line(QStringLiteral(" Children Claimed Under Age 17"));
  line(" Claimant = " + number(ex.Claim.Under17Children));
  line(" Other Parent  = " + number(ex.Payer.Under17Children));
  line();
  line(" Claimant's File Status: " + FilingStatusCode(ex.Claim.FilingStatus).value_or(QString()));
  line(" Other's File Status: " + FilingStatusCode(ex.Payer.FilingStatus).value_or(QString()));
  line();
  UpdateManualNetStateText(vars.Results);
  line(" Manual Inc Adj = " + vars.Results.ManualNetStateText);
}

void Report::Calculation() {
  vs.SetCurrentY(columnsEnd);
  Font(14, true);
  At(kLeftMargin, QStringLiteral("Child Support Calculation"));
  LineAt(kRightColumn, QStringLiteral("Basic Obligation"));
  Font(10, false);
  LineAt(kLeftMargin);
  calculationTop = vs.CurrentY();
  const std::vector<ResultRow> claim = ObligationRows(vars, Party::Claim, Layout::Report);
  const std::vector<ResultRow> other = ObligationRows(vars, Party::Payer, Layout::Report);
  for (std::size_t i = 0; i < claim.size() && i < other.size(); ++i) {
    Row(claim[i], kLeftMargin, kClaimEdge, false);
    Row(other[i], kOtherColumn, kOtherEdge);
  }
  LineAt(kLeftMargin);
}

// The shared-custody formula's time share of `nights`; empty when the two
// parties' nights add up to nothing.
QString TimeShare(float nights, const casevars::ChildSupportVars& cs) {
  const float total = cs.Claim.SharedNights + cs.Payer.SharedNights;
  return total == 0 ? QString() : platform::Format(nights / total, ".##0");
}

void Report::Transfer() {
  const casevars::ChildSupportVars& cs = vars.Support;
  const casevars::ExpressVars& ex = vars.Express;
  const double transfer = cs.MoChildSupportTransfer;
  Font(14, true);
  At(kLeftMargin, QStringLiteral("Child Support Transfer"));
  Font(10, false);
  vs.PrintLine();
  vs.PrintLine();
  vs.PrintText(QStringLiteral("Child Support Is "));
  vs.PrintText(Dollars(transfer));
  vs.PrintLine(QStringLiteral(" Per Month. "));
  if (transfer < 0) vs.PrintText(QStringLiteral(" Payable By Claimant."));
  else if (transfer > 0) vs.PrintText(QStringLiteral(" Payable By Other Parent."));
  else vs.PrintText(QStringLiteral(" There Is No Transfer."));

  const auto obligation = [](double value) { return platform::Format(value, "$######0"); };
  const auto pieces = [&](const QStringList& texts) {
    for (qsizetype i = 0; i + 1 < texts.size(); ++i) vs.PrintText(texts[i]);
    vs.PrintLine(texts.back());
  };
  const QString payerNet = obligation(cs.Payer.MoNetObligation);
  const QString claimNet = obligation(cs.Claim.MoNetObligation);
  const QString tail = QStringLiteral(")  Is The Net Transfer");
  if (ex.CustodyStatus == custody::Shared) {
    vs.PrintLine(QStringLiteral(" Shared Formula."));
    pieces({"(", TimeShare(cs.Claim.SharedNights, cs), " Of ", payerNet, ") Minus (",
            TimeShare(cs.Payer.SharedNights, cs), " Of ", claimNet, tail});
  } else if (IsDualSplit(vars)) {
    vs.PrintLine(QStringLiteral(" Uses Dual Worksheets For Split Custody."));
    pieces({"(", payerNet, ") Minus (", claimNet, tail});
  } else if (IsWintersSplit(vars)) {
    vs.PrintLine(QStringLiteral(" Uses Winters v. Katseralis Split Custody Formula."));
    const QString minors = platform::Format(ex.NumMinorChildren, "#");
    pieces({"(", platform::Format(ex.Claim.WintersChildren, "#"), "/", minors, " Of ", payerNet, ") Minus (",
            platform::Format(ex.Payer.WintersChildren, "#"), "/", minors, " Of ", claimNet, tail});
  } else {
    vs.PrintLine(QStringLiteral(" "));
  }
  if (cs.CombinedMoNetIncome < 800)
    vs.PrintLine(QStringLiteral(
        "Combined Net Income Is Less Than $800. Child Support Shown Is Based On A $800 Combined Net."));
  transferEnd = vs.CurrentY();
}

void Report::BasicObligation() {
  const casevars::ChildSupportVars& cs = vars.Support;
  vs.SetCurrentY(calculationTop);
  const auto line = [&](const QString& text = QString()) { RightColumnLine(text); };
  const QString expenses = Dollars(cs.Claim.MoExpensesPaid + cs.Payer.MoExpensesPaid);
  if (IsDualSplit(vars)) {
    line(QStringLiteral("     -Claimant's Family-"));
    line(" Basic Support: " + Dollars(cs.MoBasicObligation) + " /Mo");
    line(" Claimant's Expenses: " + Dollars(cs.Claim.MoExpensesPaid));
    line();
    line(QStringLiteral("     -Other Parent's Family-"));
    line(" Basic Support: " + Dollars(cs.MoBasicObligationFam2) + " /Mo");
    line(" Other's Expenses: " + Dollars(cs.Payer.MoExpensesPaid));
  } else if (vars.Express.CustodyStatus == custody::Shared) {
    line(" Basic Support: " + Dollars(cs.MoBasicObligation / 1.5) + " /Mo");
    line(" 1.5 Times Basic: " + Dollars(cs.MoBasicObligation));
    line(" Additional Expenses: " + expenses);
  } else {
    line(" Basic Support: " + Dollars(cs.MoBasicObligation) + " /Mo");
    line(" Additional Expenses: " + expenses);
  }
}

void Report::SocialSecurity() {
  vs.SetCurrentY(transferEnd);
  vs.SetCurrentX(kLeftMargin);
  for (Party paying : {Party::Payer, Party::Claim}) {
    const std::optional<SocialSecurityCredit> credit = SocialSecurityCreditOf(vars, paying);
    if (!credit) continue;
    vs.PrintText(QStringLiteral("Child(ren)'s SS Benefit Of "));
    vs.PrintLine(platform::Format(credit->monthlyBenefit, " $###,##0") + "/Mo " + credit->attributable);
    vs.PrintText(credit->owes);
    vs.PrintLine(Dollars(credit->owed) + "/Mo");
  }
  const QString& status = vars.Express.CustodyStatus;
  if ((status == custody::Shared || status == custody::Split) && vars.Income.Claim.YrSSChild > 0 &&
      vars.Income.Payer.YrSSChild > 0)
    vs.PrintLine(QStringLiteral("Both Parties Have Attributable SS Benefits For Children - This May "
                                "Result In Additional Considerations"));
}

void Report::Tiers() {
  const casevars::ExpressVars& ex = vars.Express;
  if (ex.NumMinorChildren <= 1) return;
  const bool shared = ex.CustodyStatus == custody::Shared;
  const bool split = ex.CustodyStatus == custody::Split;
  Font(14, true);
  vs.PrintLine();
  vs.PrintLine(QStringLiteral("Tiered Child Support"));
  Font(10, false);
  vs.PrintText(" Without Net Expense Obligation Of " + Dollars(vars.Support.MoTierNetExpense[1]));
  vs.SetFontBold(true);
  double otherHead = 0;
  if (shared || split) {
    At(kTierHeads, shared ? QStringLiteral("Claimant's Av. Nights   ") : QStringLiteral("Claimant's Children      "));
    otherHead = vs.CurrentX();
    vs.PrintText(shared ? QStringLiteral("Other's Av. Nights") : QStringLiteral("Other's Children"));
  }
  vs.SetFontBold(false);
  vs.PrintLine();
  vs.PrintLine();

  static const char* const kLabels[] = {"",           "1 Child: ",    "2 Children: ", "3 Children: ",
                                        "4 Children: ", "5 Children: ", "6 Children: "};
  const double labelTab = kLeftMargin + vs.TextWidth(QStringLiteral("6 Children: "));
  for (int n = 6; n >= 1; --n) {
    if (ex.NumMinorChildren < n) continue;
    const auto k = std::size_t(n);
    At(kLeftMargin, QString::fromLatin1(kLabels[n]));
    At(labelTab, " Basic Ob./Mo Is " + Dollars(vars.Support.MoTierSupport[k]));
    if (shared) {
      At(kTierClaimValues, platform::Format(ex.Claim.TierNights[k], "###.0"));
      At(otherHead + 500, platform::Format(ex.Payer.TierNights[k], "###.0"));
    } else if (split) {
      At(kTierClaimValues, platform::Format(ex.Claim.SplitChildren[k - 1], "##0"));
      At(otherHead + 500, platform::Format(ex.Payer.SplitChildren[k - 1], "##0"));
    }
    vs.PrintLine();
  }
}

void Report::Notes() {
  if (vs.CurrentY() < transferEnd) vs.SetCurrentY(transferEnd);
  LineAt(kLeftMargin);
  vs.SetFontSize(8);
  vs.PrintLine(QStringLiteral("Negative Numbers In Support Amounts Indicate Transfers From Claimant To Other Parent."));
  if (vars.Express.NumMinorChildren > 1) {
    vs.PrintLine(QStringLiteral("The Support Numbers For Fewer Minor Children Than Entered Are Based Upon The "
                                "Shown Income And Parenting Time Conditions."));
    vs.PrintLine(QStringLiteral("You May Need To Run The Program With Redefined Exemptions and Expenses For "
                                "Accurate Tiered Support Numbers."));
  }
  vs.SetFontSize(10);
  vs.EndDocument();
}

}  // namespace

void PrintChildSupportReport(DrawingCursor& vs, CaseVars& vars, const ChildSupportReportInputs& inputs) {
  Report report{vs, vars, inputs};
  report.Heading();
  report.PartyColumns();
  report.CaseData();
  report.Calculation();
  report.Transfer();
  report.BasicObligation();
  report.SocialSecurity();
  report.Tiers();
  report.Notes();
}

void StartReportDocument(DrawingCursor& vs) {
  vs.SetPreviewMode(true);
  vs.SetDocumentOption(0);
  vs.SetMarginLeft(kLeftMargin);
  vs.SetMarginTop(400);
  vs.SetMarginRight(400);
  vs.SetMarginBottom(400);
  vs.BeginDocument();
}

platform::Document BuildChildSupportReport(CaseVars& vars, const ChildSupportReportInputs& inputs) {
  DrawingCursor vs;
  StartReportDocument(vs);
  PrintChildSupportReport(vs, vars, inputs);
  vs.EndDocument();
  return vs.TakeDocument();
}

}  // namespace results
