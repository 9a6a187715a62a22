// Long form, pages 9 to 12: the asset table (two pages), the liabilities
// table, the net worth and the contingent assets and liabilities. Every table
// follows one pattern: a shaded heading, one ruled line per row, an optional
// shaded totals box, a heavy frame and thin column lines.
#include <algorithm>

#include "affidavit/print/ClosingPainter.h"
#include "platform/document/DocumentPage.h"

namespace affidavit::closing {

namespace {

constexpr double kCellGap = 40;  // between an amount and the rule at its cell's right

// Column lines of the two layouts (offsets from L).
const std::vector<double> kAssetColumns = {360, 5470, 6470, 7570, 8670};
const std::vector<double> kLiabilityColumns = {360, 4750, 5610, 6470, 7570, 8670};

// Lines that start under the heading rather than at the table's top, and the
// frames of column B, which alone divide the totals box.
bool StartsUnderHeading(double x) { return x == 360 || x == 8670; }
bool FramesColumnB(double x) { return x == 6470 || x == 7570; }

QString LineBreaks(std::size_t count) {
  QString text;
  for (std::size_t i = 0; i < count; ++i) text += QStringLiteral("\r\n");
  return text;
}

const std::vector<HeadingLine>& AssetHeading() {
  static const std::vector<HeadingLine> lines = {
      {{50, "                     A"}, {5470, " "}, {6470, "        B"}, {7570, "            C"}},
      {{50, "ASSETS: DESCRIPTION OF ITEM(S)"}, {5520, "Title"}, {6520, "Marital"},
       {7620, "Nonmarital Assets"}},
      {{50, " "}, {5520, "Owner"}, {6520, "Assets -"}, {7620, "Current Fair "}},
      {{50, "LIST ONLY LAST FOUR DIGITS OF ACCOUNT NUMBERS."}, {5520, " "}, {6520, "Current"},
       {7620, "Market Value"}},
      {{50, "Check the box on the left in column A next to any asset(s)"}, {5520, " "},
       {6520, "Fair"}, {7620, " "}},
      {{50, "which you are requesting be awarded to you."}, {5520, " "}, {6520, "Market"},
       {7620, " "}},
      {{50, " "}, {5520, " "}, {6520, "Value"}, {7570, "Petitioner"}, {8660, "Respondent"}},
  };
  return lines;
}

const std::vector<HeadingLine>& LiabilityHeading() {
  static const std::vector<HeadingLine> lines = {
      {{50, "                     A"}, {4750, " "}, {5610, " "}, {6470, "        B"},
       {7570, "            C"}},
      {{50, "LIABILITIES: DESCRIPTION OF ITEM(S)"}, {4800, " "}, {5660, "Creditor"},
       {6520, "Marital"}, {7620, "Nonmarital Liabilities"}},
      {{50, " "}, {4800, "Debtor/"}, {5660, " "}, {6520, "Liabilities"},
       {7620, "Current Amount Owed"}},
      {{50, "LIST ONLY LAST FOUR DIGITS OF "}, {4800, "Obligor/"}, {5660, " "}, {6520, "Current"},
       {7620, ""}},
      {{50, "ACCOUNT NUMBERS"}, {4800, "Title"}, {5660, " "}, {6520, "Amount"}, {7620, " "}},
      {{50, "Check box on the left in column A next to any debts"}, {4800, "Holder"},
       {5660, " "}, {6520, "Owed"}, {7620, " "}},
      {{50, "for which you believe you should be responsible."}, {4800, " "}, {5660, " "},
       {6520, ""}, {7570, "Petitioner"}, {8660, "Respondent"}},
  };
  return lines;
}

const std::vector<HeadingLine>& ContingentAssetHeading() {
  static const std::vector<HeadingLine> lines = {
      {{50, "                     A"}, {5470, " "}, {6470, "        B"}, {7570, "            C"}},
      {{50, "Contingent Assets"}, {5520, "Title"}, {6520, "Marital"},
       {7620, "Nonmarital Contingent"}},
      {{50, " "}, {5520, "Owner"}, {6520, "Contingent"}, {7620, "Assets -"}},
      {{50, "Check the box in column A next to any"}, {5520, " "}, {6520, "Assets -"},
       {7620, "Possible Value"}},
      {{50, "contingent asset(s) which you are requesting the court"}, {5520, " "},
       {6520, "Possible"}, {7620, " "}},
      {{50, "assign to you."}, {6520, "Value"}, {7620, "Petitioner"}, {8660, "Respondent"}},
  };
  return lines;
}

const std::vector<HeadingLine>& ContingentLiabilityHeading() {
  static const std::vector<HeadingLine> lines = {
      {{50, "                     A"}, {4750, " "}, {5610, " "}, {6470, "        B"},
       {7570, "            C"}},
      {{50, "Contingent Liabilities"}, {4800, "Debtor/"}, {5660, "Creditor"}, {6520, "Marital"},
       {7620, "Nonmarital Contingent"}},
      {{50, " "}, {4800, "Obligor/"}, {5660, " "}, {6520, "Contingent"},
       {7620, "Liabilities -"}},
      {{50, "Check the box in column A next to any"}, {4800, "Title"}, {5660, " "},
       {6520, "Liabilities -"}, {7620, "Possible Amount Owed"}},
      {{50, "contingent debt(s) for which you believe"}, {4800, "Holder"}, {5660, " "},
       {6520, "Possible"}, {7620, " "}},
      {{50, "you should be responsible."}, {4800, " "}, {5660, " "}, {6520, "Amount"},
       {7620, " "}},
      {{50, " "}, {4800, " "}, {5660, " "}, {6520, "Owed"}, {7570, "Petitioner"},
       {8660, "Respondent"}},
  };
  return lines;
}

const std::vector<OwnerCell> kTitleOwner = {{5490, "S3O"}};
const std::vector<OwnerCell> kDebtorCreditor = {{4770, "S4D"}, {5630, "S4Cr"}};

}  // namespace

void Painter::LongTablePage(const LongTable& t) {
  const double right = kLeft + kTableWidth;
  const double top = vs.CurrentY();
  vs.SetShadeColor(platform::ColorFromRgbValue(kShade));
  vs.TextBox(LineBreaks(t.heading.size() - 1), kLeft, top, kTableWidth, 0, true);
  vs.SetCurrentY(top);
  vs.SetFontBold(true);
  for (const HeadingLine& line : t.heading)
    for (std::size_t c = 0; c < line.size(); ++c) {
      const QString text = QString::fromLatin1(line[c].text);
      if (c + 1 < line.size())
        At(kLeft + line[c].x, text);
      else
        EndAt(kLeft + line[c].x, text);
    }
  vs.SetFontBold(false);
  vs.SetCurrentX(kLeft);
  Pen(kHeavyPen);
  Rule(kLeft, right);
  Pen(kNormalPen);
  const double headingBottom = vs.CurrentY();

  // An amount keeps to its cell: one too wide for it is set smaller.
  const auto amount = [&](double x, const casevars::AffidavitValue& value) {
    double cellRight = kTableWidth;
    for (const double line : t.columnLines)
      if (line > x) cellRight = std::min(cellRight, line);
    vs.SetCurrentX(kLeft + x);
    platform::PrintFitted(vs, AmountText(value), kLeft + cellRight - kCellGap);
  };

  // Every row prints at the row size, its mark and description included.
  vs.SetFontSize(kRowSize);
  for (int i = t.firstRow; i <= t.lastRow; ++i) {
    At(kLeft + 150, Mark(Ticked(t.markArray, i)));
    At(kLeft + 410, Text(t.descriptionArray, i));
    vs.SetFontSize(kOwnerSize);
    for (const OwnerCell& owner : t.owners) At(kLeft + owner.x, Text(owner.array, i));
    vs.SetFontSize(kRowSize);
    amount(t.columnBX, t.marital[i]);
    amount(7620, t.petitioner[i]);
    amount(8720, t.respondent[i]);
    vs.PrintLine();
    Rule(kLeft, right);
  }

  double totalsTop = vs.CurrentY();
  if (!t.totals.empty()) {
    const std::size_t lines = t.totals.size() + (t.blankLineInTotals ? 1 : 0);
    vs.TextBox(LineBreaks(lines - 1), kLeft, totalsTop, kTableWidth, 0, true);
    vs.SetCurrentY(totalsTop);
    if (t.blankLineInTotals) vs.PrintLine();
    for (const TotalLine& total : t.totals) {
      At(kLeft + total.labelX, total.label);
      amount(total.valueX, total.value);
      vs.PrintLine();
    }
  }
  Pen(kHeavyPen);
  Rule(kLeft, right);
  Pen(kNormalPen);
  const double bottom = vs.CurrentY();
  if (t.totals.empty()) totalsTop = bottom;

  Pen(kHeavyPen);
  vs.DrawLine(kLeft, top, kLeft, bottom);
  vs.DrawLine(right, top, right, bottom);
  vs.DrawLine(kLeft, top, right, top);
  Pen(kNormalPen);
  for (const double x : t.columnLines)
    vs.DrawLine(kLeft + x, StartsUnderHeading(x) ? headingBottom : top, kLeft + x,
                FramesColumnB(x) ? bottom : totalsTop);
}

void Painter::AssetPage(bool secondPart) {
  const casevars::AffidavitValues& v = run.values;
  LongTable table{AssetHeading(),
                  secondPart ? 31 : 0,
                  secondPart ? 62 : 30,
                  "S3c",
                  "S3T",
                  kTitleOwner,
                  secondPart ? 6670.0 : 6520.0,
                  v.FDAssetValues,
                  v.FDAssetPetitionerValues,
                  v.FDAssetRespondentValues,
                  true,
                  {},
                  kAssetColumns};
  if (secondPart)
    table.totals = {
        {50, QStringLiteral(" Total Fair Market Value of Marital Assets (add column B) "), 6520,
         v.FDAssetValues[63]},
        {50, QStringLiteral(" Total Fair Market Value of Nonmarital Assets (add column C) "), 7620,
         v.FDAssetValues[64]}};
  vs.SetCurrentY(topMargin);
  LongTablePage(table);
}

void Painter::LiabilityPage() {
  // A margin of an inch and a half is lowered to 1.4 inches from here on.
  if (topMargin == 2160) topMargin = 2016;
  vs.SetCurrentY(topMargin);
  Gap(0.5);
  const casevars::AffidavitValues& v = run.values;
  LongTable table{
      LiabilityHeading(),
      0,
      26,
      "S4c",
      "S4T",
      kDebtorCreditor,
      6520,
      v.FDLiabilityValues,
      v.FDLiabilityPetitionerValues,
      v.FDLiabilityRespondentValues,
      true,
      {{360, QStringLiteral(" Total Amount Owed on Marital Liabilities (add column B) "), 6670,
        v.FDLiabilityValues[27]},
       {360, QStringLiteral(" Total Amount Owed on Nonmarital Liabilities (add column C) "), 7770,
        v.FDLiabilityValues[43]}},
      kLiabilityColumns};
  LongTablePage(table);
}

void Painter::NetWorthPage() {
  const casevars::AffidavitValues& v = run.values;
  vs.SetCurrentY(topMargin);
  vs.PrintLine();
  vs.PrintLine();
  vs.SetFontBold(true);
  EndAt(kLeft, QStringLiteral("C. NET WORTH (excluding contingent assets and liabilities)"));
  struct NetWorthLine {
    const char* label;
    const char* remark;
    int element;
  };
  const NetWorthLine lines[] = {
      {"Total Assets ", "(enter total of Column B in Asset Table; Section A) ", 40},
      {"Total Liabilities ", "(enter total of Column B in Liabilities Table; Section B) ", 41},
      {"TOTAL NET WORTH (Total Assets minus Total Liabilities)", "", 42},
  };
  for (const NetWorthLine& line : lines) {
    vs.SetCurrentX(kLeft + 1944);
    Bold(QString::fromLatin1(line.label));
    vs.PrintText(QString::fromLatin1(line.remark));
    EndAt(kLeft, AmountText(v.FDLiabilityValues[line.element]));
    Rule(kLeft, kLeft + 1800);
  }
  At(kLeft + 1944, QStringLiteral("(excluding contingent assets and liabilities) "));
  vs.PrintLine();
  vs.PrintLine();
  vs.PrintLine();

  vs.SetCurrentX(kLeft);
  vs.SetFontBold(true);
  vs.PrintLine(QStringLiteral("D. CONTINGENT ASSETS AND LIABILITIES"));
  vs.SetFontBold(false);
  vs.SetFontSize(kRowSize);
  vs.SetCurrentX(kLeft);
  vs.SetFontBold(true);
  vs.PrintLine(QStringLiteral("INSTRUCTIONS:"));
  vs.SetFontBold(false);
  At(kLeft, QStringLiteral(" If you have any"));
  Bold(QStringLiteral(" POSSIBLE assets "));
  vs.PrintLine(
      QStringLiteral("(possible lawsuits, income potential, accrued vacation or sick leave, "
                     "bonus, inheritance, etc.) or"));
  vs.SetCurrentX(kLeft);
  Bold(QStringLiteral(" POSSIBLE"));
  Bold(QStringLiteral(" liabilities "));
  vs.PrintLine(
      QStringLiteral("(possible lawsuits, future unpaid taxes, contingent tax liabilities, debts "
                     "assumed by another), "));
  EndAt(kLeft, QStringLiteral("you must list them here."));
  vs.PrintLine();
  vs.SetFontSize(bodySize);

  LongTable assets{
      ContingentAssetHeading(),
      28,
      32,
      "S4c",
      "S4T",
      {{5490, "S4D"}},
      6520,
      v.FDLiabilityValues,
      v.FDLiabilityPetitionerValues,
      v.FDLiabilityRespondentValues,
      false,
      {{50, QStringLiteral(" Total Possible Value of Marital Contingent Assets (add column B)"), 6670,
        v.FDLiabilityValues[33]},
       {50, QStringLiteral(" Total Possible Value of Nonmarital Contingent Assets (add column C)"),
        7770, v.FDLiabilityValues[44]}},
      kAssetColumns};
  LongTablePage(assets);
  vs.PrintLine();
  vs.PrintLine();
  vs.SetFontSize(bodySize);

  LongTable liabilities{
      ContingentLiabilityHeading(),
      34,
      38,
      "S4c",
      "S4T",
      kDebtorCreditor,
      6520,
      v.FDLiabilityValues,
      v.FDLiabilityPetitionerValues,
      v.FDLiabilityRespondentValues,
      false,
      {{50,
        QStringLiteral(" Total Possible Amount Owed on Contingent Liabilities (add column B)"),
        6520, v.FDLiabilityValues[39]},
       {50,
        QStringLiteral(
            " Total Possible Amount Owed on Nonmarital Contingent Liabilities (add column C)"),
        7620, v.FDLiabilityValues[45]}},
      kLiabilityColumns};
  LongTablePage(liabilities);
}

}  // namespace affidavit::closing
