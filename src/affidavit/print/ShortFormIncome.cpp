// Section I of the short-form affidavit: the income lines 1 to 17 on page 1
// and the deductions 18 to 27 at the top of page 2.
#include <initializer_list>
#include <vector>

#include "affidavit/print/ShortFormPainter.h"
#include "platform/document/DocumentPage.h"

namespace affidavit::shortform {

namespace {

// One numbered line: its number text, the label's first piece and its
// continuation lines, the amount element and the gap after it (in lines).
struct NumberedLine {
  const char* number;
  std::initializer_list<const char*> label;
  int element;
  double gapAfter = 0.5;
};

// Lines whose zero prints no amount.
bool BlanksZero(int element) {
  return element == 1 || element == 8 || element == 9 || element == 10 || element == 25;
}

// The amount of a Section I element: "$ ###,##0" on the income lines,
// "$###,##0" on the deductions.
QString LineAmount(const ShortFormPainter& p, int element, bool income) {
  const casevars::AffidavitValue& value = p.values.FDIncomeValues[element];
  if (BlanksZero(element) && IsBlankedZero(value)) return QString();
  return income ? IncomeAmountText(value) : AmountText(value);
}

// A numbered line: the label at the label column, the number, the amount
// (income lines at the amount column, deductions right after the number)
// with its blank to 3240, the continuation lines (broken between words at the
// right edge) and the gap.
void NumberedItem(ShortFormPainter& p, const NumberedLine& line, bool income) {
  auto piece = line.label.begin();
  p.At(kLabelColumn, QLatin1String(*piece));
  p.At(kNumberColumn, QLatin1String(line.number));
  if (income) p.vs.SetCurrentX(kAmountColumn);
  const double start = p.vs.CurrentX();
  p.AmountLine(LineAmount(p, line.element, income), kBlankEnd);
  p.Rule(start, kBlankEnd);
  // The further lines of the label; words past the right edge go on to the next.
  std::vector<std::vector<platform::TextPiece>> further;
  for (++piece; piece != line.label.end(); ++piece) further.push_back({{QLatin1String(*piece)}});
  platform::PrintCarriedLines(p.vs, further, kLabelColumn, kRightEdge);
  p.Gap(line.gapAfter);
}

}  // namespace

void ShortFormPainter::IncomeLines() {
  const auto amount = [this](int element) { return LineAmount(*this, element, true); };

  vs.SetCurrentX(kLeftMargin);
  vs.SetFontBold(true);
  vs.PrintParagraph(QStringLiteral("SECTION I. PRESENT MONTHLY GROSS INCOME:"));
  vs.SetCurrentX(kLeftMargin);
  vs.SetFontSize(kSmallSize);
  vs.PrintText(QStringLiteral("All amounts must be MONTHLY."));
  vs.SetFontBold(false);
  vs.PrintParagraph(QStringLiteral(
      " See the instructions with this form to figure out money amounts for anything that is NOT"));
  EndAt(kLeftMargin, QStringLiteral("paid monthly. Attach more paper, if needed. Items included "
                                    "under 'other' should be listed separately with separate "
                                    "dollar amounts."));
  vs.SetFontSize(kBodySize);
  Gap(0.5);

  const auto plainLine = [this](const NumberedLine& line) { NumberedItem(*this, line, true); };

  const NumberedLine first[] = {
      {"1.   ", {"Monthly gross salary or wages"}, 1},
      {"2.   ",
       {"Monthly bonuses, commissions, allowances, overtime, tips, and similar payments"},
       2},
      {"3.   ",
       {"Monthly business income from sources such as self-employment, partnerships, close",
        "corporations, and/or independent contracts (gross receipts minus ordinary and necessary",
        "expenses required to produce income) (Attach sheet itemizing such income and expenses.)"},
       3},
      {"4.   ", {"Monthly disability benefits/SSI"}, 4},
      {"5.   ", {"Monthly Workers' Compensation"}, 5},
      {"6.   ", {"Monthly Unemployment Compensation"}, 6},
      {"7.   ", {"Monthly pension, retirement, or annuity payments"}, 7},
      {"8.   ", {"Monthly Social Security benefits"}, 8},
      {"9.   ", {"Monthly alimony actually received (Add 9a and 9b)"}, 9, 0},
  };
  for (const NumberedLine& line : first) plainLine(line);
  UnderlinedAfter(QStringLiteral("9a. From this case:  "), amount(28));
  UnderlinedAfter(QStringLiteral("9b. From other case(s):  "), amount(29));
  Gap(0.25);

  const NumberedLine second[] = {
      {"10.   ", {"Monthly interest and dividends"}, 10},
      {"11.   ",
       {"Monthly rental income (gross receipts minus ordinary and necessary expenses",
        "required to produce income) (Attach sheet itemizing such income and expense items.)"},
       11},
      {"12.   ", {"Monthly income from royalties, trusts, or estates"}, 12},
      {"13.   ",
       {"Monthly reimbursed expenses and in-kind payments to the extent that they",
        "reduce personal living expenses "},
       13},
      {"14.   ",
       {"Monthly gains derived from dealing in property (not including nonrecurring gains)"},
       14},
      {"15.   ", {"Any other income of a recurring nature (list source)"}, 15, 0},
  };
  for (const NumberedLine& line : second) plainLine(line);
  UnderlinedAfter(QString(), Text("S1T", 21));

  // Line 16: no label, its source on the same line as its amount.
  At(kNumberColumn, QStringLiteral("16.   "));
  vs.SetCurrentX(kAmountColumn);
  platform::PrintFitted(vs, amount(16), kBlankEnd);
  vs.SetCurrentX(kLabelColumn);
  platform::PrintUnderlinedValue(vs, Text("S1T", 22));
  Rule(kAmountColumn, kBlankEnd);
  Gap(0.5);

  vs.SetCurrentX(kLabelColumn);
  Bold(QStringLiteral("TOTAL PRESENT MONTHLY GROSS INCOME "));
  vs.PrintText(QStringLiteral(" (Add lines 1-16)"));
  At(kNumberColumn, QStringLiteral("17.   "));
  vs.SetCurrentX(kAmountColumn);
  AmountLine(amount(17), kBlankEnd);
  Rule(kAmountColumn, kBlankEnd);
}

void ShortFormPainter::Deductions() {
  const auto& income = values.FDIncomeValues;
  const auto amount = [this](int element) { return LineAmount(*this, element, false); };

  vs.SetCurrentY(topMargin);
  vs.SetCurrentX(kLeftMargin);
  vs.SetFontBold(true);
  vs.PrintParagraph(QStringLiteral("PRESENT MONTHLY DEDUCTIONS:"));
  vs.SetFontBold(false);
  Gap(0.5);

  const auto deductionLine = [this](const NumberedLine& line) { NumberedItem(*this, line, false); };

  deductionLine({"18.   ",
                 {"Monthly federal, state, and local income tax (corrected for filing status and",
                  "allowable dependents and income tax liabilities)"},
                 18,
                 0});
  At(kLabelColumn, QStringLiteral("18a.  Filing Status  "));
  const double statusStart = vs.CurrentX();
  QString status = QStringLiteral("          ");
  const char* const statuses[] = {"Single", "Head Of Household", "Married File Separate",
                                  "Married File Jointly"};
  for (int option = 0; option < 4; ++option) {
    if (Chosen("S1FileOp", option)) {
      status = QLatin1String(statuses[option]);
      break;
    }
  }
  vs.PrintParagraph(status);
  Rule(statusStart, 6480);
  UnderlinedAfter(QStringLiteral("18b. Number of dependents claimed "), Text("S1T", 0));
  Gap(0.5);

  const NumberedLine lines[] = {
      {"19.   ", {"Monthly FICA or self-employment taxes"}, 19},
      {"20.   ", {"Monthly Medicare payments"}, 20},
      {"21.   ", {"Monthly mandatory union dues"}, 21},
      {"22.   ", {"Monthly mandatory retirement payments"}, 22},
      {"23.   ",
       {"Monthly health insurance payments (including dental insurance), excluding",
        "portion paid for any minor children of this relationship"},
       23},
      {"24.   ",
       {"Monthly court-ordered child support actually paid for children from",
        "another relationship."},
       24},
      {"25.   ", {"Monthly court-ordered alimony actually paid (Add 25a and 25b)"}, 25, 0},
  };
  for (const NumberedLine& line : lines) deductionLine(line);
  UnderlinedAfter(QStringLiteral("25a.  From this case:   "), amount(30));
  At(kLabelColumn, QStringLiteral("25b. From other case(s): "));
  const double otherStart = vs.CurrentX();
  vs.PrintText(Line25bText(income[31], income[38]));
  const double otherEnd = vs.CurrentX();
  vs.PrintParagraph(QStringLiteral(" "));
  Rule(otherStart, otherEnd);
  Gap(0.5);

  vs.SetCurrentX(kLabelColumn);
  Bold(QStringLiteral("TOTAL DEDUCTIONS ALLOWABLE UNDER SECTION 61.30 DADUDAV STATUTES"));
  At(kNumberColumn, QStringLiteral("26.   "));
  double start = vs.CurrentX();
  AmountLine(amount(26), kBlankEnd);
  Rule(start, kBlankEnd);
  EndAt(kLabelColumn, QStringLiteral("(Add lines 18 through 25)    "));
  Gap(0.5);

  vs.SetCurrentX(kLabelColumn);
  Bold(QStringLiteral("PRESENT NET MONTHLY INCOME "));
  vs.PrintText(QStringLiteral("(Subtract line 26 from line 17) "));
  At(kNumberColumn, QStringLiteral("27.   "));
  start = vs.CurrentX();
  AmountLine(amount(27), kBlankEnd);
  Rule(start, kBlankEnd);
  vs.PrintParagraph();
  Gap(0.5);
  vs.SetCurrentX(kLeftMargin);
}

}  // namespace affidavit::shortform
