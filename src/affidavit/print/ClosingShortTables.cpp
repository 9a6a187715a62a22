// Short form, pages 3 and 4: the summary lines 29 to 32, the Section III
// introduction, and the four item tables (assets, debts, contingent assets,
// contingent debts). An item table lists the rows that hold an amount, packed
// one under another, pads the body with empty ruled lines and closes with its
// stored total.
#include "affidavit/print/ClosingPainter.h"
#include "platform/document/DocumentPage.h"

#include <array>

namespace affidavit::closing {

namespace {

constexpr double kLabelX = kLeft + 1944;   // 3384, captions of the summary
constexpr double kAmountRuleEnd = kLeft + 1800;  // 3240
constexpr double kAmountX = kLeft + 6390;  // 7830
// An amount keeps to its cell, left of the rule at 9010: one too wide is set smaller.
constexpr double kAmountCellRight = kLeft + 7570 - 40;

// One item table.
struct ItemTable {
  const char* descriptionArray;  // "S3T" / "S4T"
  const char* markArray;         // "S3c" / "S4c"
  const char* petitionerArray;   // "s3ch" / "s4ch"
  const char* respondentArray;   // "s3cw" / "s4cw"
  Amounts amounts;
  int firstRow;
  int lastRow;
  int mostRows;
  int fewestLines;
  std::array<QString, 3> heading;  // boxes 1 to 3, five lines each
  QString totalLabel;              // bold
  QString totalRemark;             // plain, after the label
  casevars::AffidavitValue total;
};

void PrintItemTable(Painter& p, const ItemTable& t) {
  platform::DrawingCursor& vs = p.vs;
  const double right = kLeft + kTableWidth;
  const double top = vs.CurrentY();
  vs.SetShadeColor(platform::ColorFromRgbValue(kShade));
  vs.TextBox(t.heading[0], kLeft, top, 6190, 0, true);
  vs.TextBox(t.heading[1], kLeft + 6190, top, 1440, 0, true);
  vs.TextBox(t.heading[2], kLeft + 7570, top, 2140, 0, true);
  p.Pen(kHeavyPen);
  p.Rule(kLeft, right);
  p.Pen(kNormalPen);
  const double headingBottom = vs.CurrentY();

  int lines = 0;
  for (int i = t.firstRow; i <= t.lastRow && lines < t.mostRows; ++i) {
    if (!t.amounts[i].IsNumber()) continue;
    p.At(kLeft + 150, Painter::Mark(p.Ticked(t.markArray, i)));
    p.At(kLeft + 560, p.Text(t.descriptionArray, i));
    vs.SetCurrentX(kAmountX);
    platform::PrintFitted(vs, AmountText(t.amounts[i]), kAmountCellRight);
    p.At(kLeft + 7770, Painter::Mark(p.Ticked(t.petitionerArray, i)));
    p.EndAt(kLeft + 8900, Painter::Mark(p.Ticked(t.respondentArray, i)));
    p.Rule(kLeft, right);
    ++lines;
  }
  for (; lines < t.fewestLines; ++lines) {
    vs.PrintLine();
    p.Rule(kLeft, right);
  }

  vs.SetCurrentX(kLeft + 360);
  p.Gap(0.5);
  p.Bold(t.totalLabel);
  vs.PrintText(t.totalRemark);
  vs.SetCurrentX(kAmountX);
  vs.SetFontBold(true);
  platform::PrintFitted(vs, AmountText(t.total), kAmountCellRight);
  vs.PrintLine();
  vs.SetFontBold(false);
  p.Gap(0.5);

  p.Pen(kHeavyPen);
  p.Rule(kLeft, right);
  const double bottom = vs.CurrentY();
  vs.DrawLine(kLeft, top, kLeft, bottom);
  vs.DrawLine(right, top, right, bottom);
  vs.DrawLine(kLeft, top, right, top);
  p.Pen(kNormalPen);
  vs.DrawLine(kLeft + 360, headingBottom, kLeft + 360, bottom);
  vs.DrawLine(kLeft + 8700, headingBottom, kLeft + 8700, bottom);
  vs.DrawLine(kLeft + 6190, top, kLeft + 6190, bottom);
  vs.DrawLine(kLeft + 7570, top, kLeft + 7570, bottom);
}

const QString kNonmaritalBox =
    QStringLiteral("\r\n   Nonmarital\r\n   (check correct column)\r\n\r\n Petitioner     Respondent");

}  // namespace

void Painter::SummaryPage() {
  const casevars::AffidavitValues& v = run.values;
  vs.SetCurrentY(topMargin);
  vs.SetFontBold(true);
  EndAt(kLeft, QStringLiteral("SUMMARY"));
  vs.PrintLine();

  struct SummaryLine {
    const char* caption;
    const char* instruction;
    const char* number;
    int element;
    const char* continuation;  // nullptr: none
  };
  const SummaryLine lines[] = {
      {"TOTAL PRESENT MONTHLY NET INCOME", " (from line 27 of SECTION I. Income)", "29. ", 106,
       nullptr},
      {"TOTAL MONTHLY EXPENSES", " (from line 28 above) ", "30. ", 107, nullptr},
      {"SURPLUS", " (if line 29 is more than line 30, subtract line 30 from line 29. ", "31. ",
       108, "This is the amount of your surplus. Enter that amount here.)"},
      {"(DEFICIT)", " (if line 30 is more than line 29, subtract line 29 from line 30. ", "32. ",
       109, "This is the amount of your deficit. Enter that amount here.)"},
  };
  for (const SummaryLine& line : lines) {
    const bool deficit = line.element == 109;
    vs.SetCurrentX(kLabelX);
    Bold(QString::fromLatin1(line.caption));
    vs.PrintText(QString::fromLatin1(line.instruction));
    vs.SetCurrentX(kLeft);
    if (deficit)
      Bold(QString::fromLatin1(line.number));
    else
      vs.PrintText(QString::fromLatin1(line.number));
    ValueOnBlank(AmountText(v.FDExpenseValues[line.element]), kAmountRuleEnd);
    if (line.continuation) EndAt(kLabelX, QString::fromLatin1(line.continuation));
    if (deficit)
      vs.PrintLine();
    else
      Gap(0.5);
  }

  vs.SetFontBold(true);
  EndAt(kLeft, QStringLiteral("SECTION III.  ASSETS AND LIABILITIES"));
  vs.SetFontSize(8);
  // The paragraph in the form's small print, broken between words at the
  // right edge.
  vs.SetCurrentX(kLeft);
  const platform::TextPiece introduction[] = {
      {QStringLiteral(" Use the nonmarital column only if this is a petition for dissolution of "
                      "marriage and you believe an item is 'nonmarital', meaning it belongs to only "
                      "one of you and should not be divided. "),
       true},
      {QStringLiteral("  You should indicate to whom you believe the item(s) of debt belongs. "
                      "(Typically, you will only use this column if property/debt was owned/owed by "
                      "one spouse before the marriage. See the")},
      {QStringLiteral(" 'General Information for Self-Represented Litigants' "), true},
      {QStringLiteral("found at the beginning of these forms and section 61.075(1), Dadudav "
                      "Statutes, for definitions of 'marital' and 'nonmarital' assets and "
                      "liabilities.)")}};
  vs.SetFontBold(false);
  platform::PrintWrapped(vs, introduction, kLeft, platform::kPageRightEdge);
  vs.SetFontSize(bodySize);
  vs.PrintLine();

  vs.SetCurrentX(kLeft);
  vs.SetFontBold(true);
  vs.PrintLine(QStringLiteral("A. ASSETS: "));
  vs.SetFontBold(false);
  Gap(0.5);
  PrintItemTable(
      *this,
      {"S3T", "S3c", "s3ch", "s3cw", v.FDAssetValues, 0, 17, 18, 18,
       {QStringLiteral("  DESCRIPTION OF ITEM(S). List a description of each separate item owned"
                       "\r\n  by you (and/or your spouse, if this is a petition for dissolution of "
                       "marriage).\r\n  LIST ONLY LAST 4 DIGITS OF ACCOUNT NUMBERS. Check\r\n  the "
                       "line next to any asset(s) which you are requesting the judge\r\n  award to "
                       "you."),
        QStringLiteral("\r\n   Current\r\n   Fair\r\n   Market\r\n   Value"),
        QStringLiteral("\r\n   Nonmarital\r\n   (Check correct column) \r\n\r\n Petitioner     "
                       "Respondent")},
       QStringLiteral(" Total Assets "), QStringLiteral("(add next column)"), v.FDAssetValues[63]});
}

void Painter::DebtsPage() {
  const casevars::AffidavitValues& v = run.values;
  vs.SetCurrentY(topMargin);
  vs.SetCurrentX(kLeft);
  vs.SetFontBold(true);
  vs.PrintLine(QStringLiteral("B. LIABILITIES:"));
  vs.SetFontBold(false);
  Gap(0.5);
  PrintItemTable(
      *this,
      {"S4T", "S4c", "s4ch", "s4cw", v.FDLiabilityValues, 0, 17, 18, 18,
       {QStringLiteral("   DESCRIPTION OF ITEM(S). List a description of each separate debt owed"
                       "\r\n   by you (and/or your spouse, if this is a petition for dissolution of "
                       "marriage).\r\n   LIST ONLY LAST 4 DIGITS OF ACCOUNT NUMBERS. Check\r\n   "
                       "the line next to any debt(s) for which you believe you should\r\n   be "
                       "responsible."),
        QStringLiteral("\r\n   Current\r\n   Amount\r\n   Owed\r\n"), kNonmaritalBox},
       QStringLiteral(" Total Debts "), QStringLiteral("(add next column)"),
       v.FDLiabilityValues[27]});

  vs.PrintLine();
  vs.SetCurrentX(kLeft);
  vs.SetFontBold(true);
  vs.PrintLine(QStringLiteral("C. CONTINGENT ASSETS AND LIABILITIES:"));
  vs.SetFontBold(false);
  vs.SetFontSize(8);
  Gap(0.5);
  EndAt(kLeft, QStringLiteral("INSTRUCTIONS:"));
  At(kLeft, QStringLiteral(" If you have any"));
  Bold(QStringLiteral(" POSSIBLE assets "));
  vs.PrintText(QStringLiteral(
      "(income potential, accrued vacation or sick leave, bonus, inheritance, etc.) or"));
  vs.SetFontBold(true);
  vs.PrintLine(QStringLiteral(" POSSIBLE"));
  At(kLeft, QStringLiteral("liabilities "));
  vs.SetFontBold(false);
  vs.PrintLine(
      QStringLiteral("(possible lawsuits, future unpaid taxes, contingent tax liabilities, debts "
                     "assumed by another), you must list them here."));
  vs.PrintLine();
  vs.SetFontSize(bodySize);

  PrintItemTable(
      *this,
      {"S4T", "S4c", "s4ch", "s4cw", v.FDLiabilityValues, 28, 32, 5, 4,
       {QStringLiteral("\r\n                  Contingent Assets\r\n   Check the line next to any "
                       "contingent asset(s) which you are\r\n   requesting the judge award to "
                       "you.\r\n"),
        QStringLiteral("\r\n   Possible\r\n   Value\r\n\r\n"),
        QStringLiteral("\r\n   Nonmarital\r\n  (check correct column)\r\n\r\n Petitioner     "
                       "Respondent")},
       QStringLiteral(" Total Contingent Assets"), QString(), v.FDLiabilityValues[33]});
  Gap(0.5);
  vs.PrintLine();
  PrintItemTable(
      *this,
      {"S4T", "S4c", "s4ch", "s4cw", v.FDLiabilityValues, 34, 38, 5, 4,
       {QStringLiteral("\r\n                     Contingent Liabilities\r\n   Check the line next to "
                       "any contingent debt(s) for which you believe\r\n   you should be "
                       "responsible.\r\n"),
        QStringLiteral("\r\n   Possible\r\n   Amount\r\n   Owed\r\n"), kNonmaritalBox},
       QStringLiteral(" Total Contingent Liabilities"), QString(), v.FDLiabilityValues[39]});
}

}  // namespace affidavit::closing
