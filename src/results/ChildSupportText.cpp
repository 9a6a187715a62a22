#include "results/ChildSupportText.h"

#include <QLocale>

#include <algorithm>

#include "platform/NumberText.h"
#include "results/ResultRows.h"

namespace results {

using casevars::CaseVars;
using casevars::Party;
namespace custody = casevars::custody;

namespace {

platform::FontSpec PictureFont() { return {QStringLiteral("Tahoma"), 8.25, true}; }

// Rows of a column, each value ending at `edge`.
void DrawRows(TextCanvas& p, const std::vector<ResultRow>& rows, double edge) {
  for (const ResultRow& row : rows) {
    if (row.kind == RowKind::Blank) {
      p.PrintLine();
      continue;
    }
    if (row.kind == RowKind::Amount) {
      p.PrintText(row.label);
      if (row.prorated) {
        const bool bold = p.FontBold();
        p.SetFontBold(false);
        p.PrintText(QString::fromLatin1(kProrated));
        p.SetFontBold(bold);
      }
    }
    p.SetCurrentX(edge - p.TextWidth(row.value));
    p.PrintLine(row.value);
  }
}

void SetFrameCaptions(const CaseVars& vars, ChildSupportPictures& pictures) {
  const QString& custody = vars.Express.CustodyStatus;
  const auto set = [&](const char* claim, const char* other) {
    pictures.Frame1Caption = QString::fromLatin1(claim);
    pictures.Frame2Caption = QString::fromLatin1(other);
  };
  if (custody == custody::Cust) set("Claimant (custodial)", "Other (noncustodial)");
  else if (custody == custody::NonCust) set("Claimant (noncustodial)", "Other (custodial)");
  else if (custody == custody::Split) set("Claimant (split custody)", "Other (split custody)");
  else if (custody == custody::Shared) set("Claimant (shared cust.)", "Other (shared custody)");
}

void DrawCaseData(CaseVars& vars, TextCanvas& p) {
  const casevars::ExpressVars& ex = vars.Express;
  const double valueColumn = p.TextWidth(QStringLiteral(" Claimant's Exemptions"));
  const auto valueLine = [&](const QString& label, const QString& value) {
    p.PrintText(label);
    p.SetCurrentX(valueColumn);
    p.PrintText(QStringLiteral(" = "));
    p.PrintLine(value);
  };
  valueLine(QStringLiteral(" Number Of Children"), PrintedNumber(ex.NumMarriageChildren));
  valueLine(QStringLiteral(" Number Of Minors"), PrintedNumber(ex.NumMinorChildren));
  p.PrintLine(QStringLiteral(" Children Claimed Under Age 17"));
  p.PrintText(QStringLiteral(" Claimant = "));
  p.PrintLine(PrintedNumber(ex.Claim.Under17Children));
  p.PrintText(QStringLiteral(" Other Parent = "));
  p.PrintLine(PrintedNumber(ex.Payer.Under17Children));
  if (ex.CustodyStatus == custody::Split) {
    p.PrintLine();
    p.PrintLine(QStringLiteral("    - Split Custody -"));
    valueLine(QStringLiteral(" Claimant's Children"), PrintedNumber(ex.Claim.PossessionChildren));
    valueLine(QStringLiteral(" Other's Children"), PrintedNumber(ex.Payer.PossessionChildren));
  }
  if (ex.CustodyStatus == custody::Shared) {
    p.PrintLine();
    p.PrintLine(QStringLiteral("    - Shared Custody - "));
    valueLine(QStringLiteral(" Claimant's Nights "), platform::Format(ex.Claim.YrOvernights, "###.0"));
    valueLine(QStringLiteral(" Other's Nights "), platform::Format(ex.Payer.YrOvernights, "###.0"));
  }
  p.PrintLine();
  // A status outside the four prints no code and leaves the line open.
  const auto statusLine = [&](const QString& label, const QString& status) {
    p.PrintText(label);
    if (const std::optional<QString> code = FilingStatusCode(status)) p.PrintLine(*code);
  };
  statusLine(QStringLiteral(" Claimant's File Status: "), ex.Claim.FilingStatus);
  statusLine(QStringLiteral(" Other's File Status: "), ex.Payer.FilingStatus);
  UpdateManualNetStateText(vars.Results);
  p.PrintLine(QStringLiteral(" Manual Inc Adj = ") + vars.Results.ManualNetStateText);
}

// Picture1 and Picture4: each party's side of the calculation.
void DrawObligations(const CaseVars& vars, ChildSupportPictures& pictures, double scaleFactorX) {
  pictures.Picture1.Cls();
  pictures.Picture4.Cls();
  const double claimEdge = pictures.Picture1.Width() - 100 * scaleFactorX;
  const double otherEdge = pictures.Picture4.Width() - 100 * scaleFactorX;
  DrawRows(pictures.Picture1, ObligationRows(vars, Party::Claim, Layout::Screen), claimEdge);
  DrawRows(pictures.Picture4, ObligationRows(vars, Party::Payer, Layout::Screen), otherEdge);
}

// The time shares of the shared-custody formula; empty texts when the nights
// add up to nothing.
std::pair<QString, QString> TimeShares(const casevars::ChildSupportVars& cs) {
  const float claimNights = cs.Claim.SharedNights;
  const float otherNights = cs.Payer.SharedNights;
  const float nights = otherNights + claimNights;
  if (nights == 0) return {};
  return {platform::Format(claimNights / nights, ".##0"), platform::Format(otherNights / nights, ".##0")};
}

void DrawTransfer(const CaseVars& vars, TextCanvas& p) {
  const casevars::ChildSupportVars& cs = vars.Support;
  const casevars::ExpressVars& ex = vars.Express;
  const double transfer = cs.MoChildSupportTransfer;
  p.Cls();
  p.PrintText(QStringLiteral("Child Support Is ") + Dollars(transfer) + QStringLiteral(" Per Month"));
  if (transfer < 0) p.PrintText(QStringLiteral(". Paid By Claimant. "));
  else if (transfer > 0) p.PrintText(QStringLiteral(". Paid By Other Parent. "));
  else p.PrintText(QStringLiteral(". There Is No Transfer."));

  const QString payerNet = Dollars(cs.Payer.MoNetObligation);
  const QString claimNet = Dollars(cs.Claim.MoNetObligation);
  const QString tail = QStringLiteral(")  Is The Net Transfer");
  if (ex.CustodyStatus == custody::Shared) {
    p.PrintLine(QStringLiteral(" Shared Custody Formula."));
    const auto [claimShare, otherShare] = TimeShares(cs);
    p.PrintLine("(" + claimShare + " Of " + payerNet + ") Minus (" + otherShare + " Of " + claimNet + tail);
  } else if (IsDualSplit(vars)) {
    p.PrintLine(QStringLiteral(" Uses Dual Worksheets For Split Custody."));
    p.PrintLine("(" + payerNet + ") Minus (" + claimNet + tail);
  } else if (IsWintersSplit(vars)) {
    p.PrintLine(QStringLiteral(" Uses Winters v. Katseralis Split Custody Formula."));
    const QString minors = platform::Format(ex.NumMinorChildren, "#");
    p.PrintLine("(" + platform::Format(ex.Claim.WintersChildren, "#") + "/" + minors + " Of " + payerNet +
                ") Minus (" + platform::Format(ex.Payer.WintersChildren, "#") + "/" + minors + " Of " +
                claimNet + tail);
  } else {
    p.PrintLine();
  }
  if (cs.CombinedMoNetIncome < 800)
    p.PrintLine(QStringLiteral(
        "Combined Net Income Is Less Than $800. Child Support Shown Is Based On A $800 Combined Net."));
}

void DrawBasicSupport(const CaseVars& vars, TextCanvas& p) {
  const casevars::ChildSupportVars& cs = vars.Support;
  p.Cls();
  if (IsDualSplit(vars)) {
    p.PrintLine(QStringLiteral("     -Claimant's Family-"));
    p.PrintLine(" Basic Support: " + Dollars(cs.MoBasicObligation) + " /Month");
    p.PrintLine(" Claimant's Expenses: " + Dollars(cs.Claim.MoExpensesPaid));
    p.PrintLine(QStringLiteral("     -Other Parent's Family-"));
    p.PrintLine(" Basic Support: " + Dollars(cs.MoBasicObligationFam2) + " /Month");
    p.PrintLine(" Other's Expenses: " + Dollars(cs.Payer.MoExpensesPaid));
    return;
  }
  p.PrintText(QStringLiteral(" Basic Support: "));
  if (vars.Express.CustodyStatus == custody::Shared) {
    p.PrintLine(Dollars(cs.MoBasicObligation / 1.5) + " /Month");
    p.PrintText(QStringLiteral(" 1.5 Times Support: "));
  }
  p.PrintLine(Dollars(cs.MoBasicObligation) + " /Mo");
  const double expenses = cs.Payer.MoExpensesPaid + cs.Claim.MoExpensesPaid;
  p.PrintLine(" Additional Expenses: " + Dollars(expenses));
}

QString PlainNumber(float value) { return QLocale::c().toString(value, 'g', 7); }

// The tier lines, six children at the top; the split or shared tails start at
// one position, the widest end of the amounts, found by drawing twice.
void DrawTiers(const CaseVars& vars, TextCanvas& p) {
  static const char* const kLabels[] = {"",           "1 Child: ",    "2 Children: ", "3 Children: ",
                                        "4 Children: ", "5 Children: ", "6 Children: "};
  const casevars::ExpressVars& ex = vars.Express;
  const double labelTab = p.TextWidth(QStringLiteral("6 Children: "));
  double tail = 0;
  for (int pass = 0; pass < 2; ++pass) {
    p.Cls();
    for (int k = 6; k >= 1; --k) {
      if (ex.NumMinorChildren < k && k != 1) continue;
      p.PrintText(QString::fromLatin1(kLabels[k]));
      p.SetCurrentX(labelTab);
      p.PrintText(" Basic Ob./Mo Is " + Dollars(vars.Support.MoTierSupport[std::size_t(k)]));
      tail = std::max(tail, p.CurrentX());
      p.SetCurrentX(tail);
      if (ex.CustodyStatus == custody::Split)
        p.PrintText(" - " + PlainNumber(ex.Claim.SplitChildren[std::size_t(k - 1)]) + "," +
                    PlainNumber(ex.Payer.SplitChildren[std::size_t(k - 1)]) + " Split");
      if (ex.CustodyStatus == custody::Shared)
        p.PrintText(" - " + platform::Format(ex.Claim.TierNights[std::size_t(k)], "###.0") + "/" +
                    platform::Format(ex.Payer.TierNights[std::size_t(k)], "###.0") +
                    " Claimant/Other Av. Nights");
      p.PrintLine();
    }
  }
}

void DrawNotes(const CaseVars& vars, TextCanvas& p) {
  for (Party paying : {Party::Payer, Party::Claim}) {
    const std::optional<SocialSecurityCredit> credit = SocialSecurityCreditOf(vars, paying);
    if (!credit) continue;
    p.PrintText(QStringLiteral("Child(ren)'s SS Benefit Of"));
    p.PrintText(platform::Format(credit->monthlyBenefit, " $###,##0"));
    p.PrintText("/Mo " + credit->attributable);
    p.PrintText(credit->owes);
    p.PrintLine(Dollars(credit->owed) + "/Mo");
    p.PrintLine();
  }

  const QString& custody = vars.Express.CustodyStatus;
  if (vars.Income.Claim.YrSSChild > 0 && vars.Income.Payer.YrSSChild > 0 &&
      (custody == custody::Shared || custody == custody::Split))
    p.PrintLine(QStringLiteral("Both Parties Have Attributable SS Benefits For Children - This May "
                               "Result In Additional Considerations"));
  p.PrintLine(QStringLiteral("Negative Numbers In Support Amounts Indicate Transfers From Claimant To Other Parent."));
  if (vars.Express.NumMinorChildren > 1)
    p.PrintLine(QStringLiteral("You May Need To Run The Program With Redefined Exemptions and Expenses "
                               "For Accurate Tiered Support Numbers."));
}

}  // namespace

ChildSupportPictures::ChildSupportPictures()
    : Picture5(3675, 3855, PictureFont()),
      Picture6(3675, 3855, PictureFont()),
      Picture7(3135, 2640, PictureFont()),
      Picture3(11550, 1425, PictureFont()),
      Picture1(3945, 1230, PictureFont()),
      Picture4(3945, 1230, PictureFont()),
      Picture8(8085, 1245, PictureFont()),
      Picture2(3135, 1155, PictureFont()) {}

void DrawChildSupportText(CaseVars& vars, ChildSupportPictures& pictures, double scaleFactorX) {
  pictures.Picture3.Cls();
  pictures.Picture7.Cls();
  SetFrameCaptions(vars, pictures);
  for (Party party : casevars::kParties) {
    TextCanvas& column = party == Party::Claim ? pictures.Picture5 : pictures.Picture6;
    column.Cls();
    DrawRows(column, PartyColumnRows(vars, party, Layout::Screen), column.Width() - 200 * scaleFactorX);
  }
  DrawCaseData(vars, pictures.Picture7);
  DrawObligations(vars, pictures, scaleFactorX);
  DrawTransfer(vars, pictures.Picture3);
  DrawBasicSupport(vars, pictures.Picture2);
  DrawTiers(vars, pictures.Picture8);
  DrawNotes(vars, pictures.Picture3);
}

std::function<void(CaseVars&)> ChildSupportTextHook(ChildSupportPictures& pictures,
                                                    std::function<double()> scaleFactorX) {
  return [&pictures, scaleFactorX = std::move(scaleFactorX)](CaseVars& vars) {
    DrawChildSupportText(vars, pictures, scaleFactorX ? scaleFactorX() : 1.0);
  };
}

}  // namespace results
