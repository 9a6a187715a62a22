// Long form pages 2 and 3: last year's gross income, the present monthly
// gross income (items 1 to 17), the deductions (items 18 to 27).
#include "affidavit/print/LongFormLines.h"
#include "platform/NumberText.h"

namespace affidavit::longform {

namespace {

const Runs kAttachSheet = {{"(Attach sheet itemizing such income and expenses.)", true}};

const ItemLine kIncomeLines1To9[] = {
    {.number = "1.   ", .runs = {{"Gross salary or wages"}}, .amount = Income(1), .zeroTest = true,
     .gapAfter = true},
    {.number = "2.   ",
     .runs = {{"Bonuses, commissions, allowances, overtime, tips, and similar payments"}},
     .amount = Income(2), .gapAfter = true},
    {.number = "3.   ",
     .runs = {{"Business income from sources such as self-employment, partnerships, close"}},
     .amount = Income(3), .gapAfter = true,
     .continuation = {{{"corporations, and/or independent contracts (Gross receipts minus "
                         "ordinary and necessary"}},
                      {{"expenses required to produce income.) "}},
                      kAttachSheet}},
    {.number = "4.   ", .runs = {{"Disability benefits/SSI for you"}}, .amount = Income(4),
     .gapAfter = true},
    {.number = "5.   ", .runs = {{"Workers' Compensation"}}, .amount = Income(5), .gapAfter = true},
    {.number = "6.   ", .runs = {{"Reemployment assistance"}}, .amount = Income(6),
     .gapAfter = true},
    {.number = "7.   ", .runs = {{"Pension, retirement, or annuity payments"}},
     .amount = Income(7), .gapAfter = true},
    {.number = "8.   ", .runs = {{"Social Security benefits"}}, .amount = Income(8),
     .zeroTest = true, .gapAfter = true},
    // The sub-lines 9a and 9b and the gap follow.
    {.number = "9.   ", .runs = {{"Alimony actually received (Add 9a and 9b)"}},
     .amount = Income(9), .zeroTest = true},
};

const ItemLine kIncomeLines10To15[] = {
    {.number = "10.   ", .runs = {{"Interest and dividends"}}, .amount = Income(10),
     .zeroTest = true, .gapAfter = true},
    {.number = "11.   ",
     .runs = {{"Rental income (gross receipts minus ordinary and necessary expenses "}},
     .amount = Income(11), .gapAfter = true,
     .continuation = {{{"required to produce income) "}},
                      {{"(Attach sheet itemizing such income and expenses for each property)",
                        true}}}},
    {.number = "12.   ", .runs = {{"Income from royalties, trusts, or estates"}},
     .amount = Income(12), .gapAfter = true},
    {.number = "13.   ",
     .runs = {{"Reimbursed expenses and in-kind payments to the extent that they reduce"}},
     .amount = Income(13), .gapAfter = true,
     .continuation = {{{"personal living expenses "},
                       {"(Attach sheet itemizing such income and expenses.)", true}}}},
    {.number = "14.   ",
     .runs = {{"Gains derived from dealing in property (not including nonrecurring gains)"}},
     .amount = Income(14), .gapAfter = true},
    // The description of the source follows.
    {.number = "15.   ", .runs = {{"Any other income of a recurring nature (identify source):"}},
     .amount = Income(15)},
};

const ItemLine kIncomeLine17 = {
    .number = "17.   ",
    .runs = {{"TOTAL PRESENT MONTHLY GROSS INCOME ", true}, {" (Add lines 1 through 16)"}},
    .amount = Income(17)};

const ItemLine kDeductionLine18 = {
    .number = "18.   ",
    .runs = {{"Federal, state, and local income tax (corrected for filing status and"}},
    .amount = Income(18),
    .continuation = {{{"allowable dependents and income tax liabilities)"}}}};

const ItemLine kDeductionLines19To25[] = {
    {.number = "19.   ", .runs = {{"FICA or self-employment taxes"}}, .amount = Income(19),
     .gapAfter = true},
    {.number = "20.   ", .runs = {{"Medicare payments"}}, .amount = Income(20), .gapAfter = true},
    {.number = "21.   ", .runs = {{"Mandatory union dues"}}, .amount = Income(21),
     .gapAfter = true},
    {.number = "22.   ", .runs = {{"Mandatory retirement payments"}}, .amount = Income(22),
     .gapAfter = true},
    {.number = "23.   ",
     .runs = {{"Health insurance payments for you only (including medical, dental, and vision),"}},
     .amount = Income(23), .gapAfter = true,
     .continuation = {{{"excluding portion paid for any third party or minor children of this "
                        "relationship"}}}},
    {.number = "24.   ", .runs = {{"Court-ordered child support actually paid for children from"}},
     .amount = Income(24), .gapAfter = true, .continuation = {{{"another relationship"}}}},
    // The sub-lines 25a and 25b and the gap follow.
    {.number = "25.   ", .runs = {{"Court-ordered alimony actually paid (Add 25a and 25b)"}},
     .amount = Income(25), .zeroTest = true},
};

const ItemLine kDeductionLines26And27[] = {
    {.number = "26.   ",
     .runs = {{"TOTAL DEDUCTIONS ALLOWABLE UNDER SECTION 61.30 DADUDAV STATUTES", true}},
     .amount = Income(26), .gapAfter = true,
     .continuation = {{{"(Add lines 18 through 25)    "}}}},
    {.number = "27.   ",
     .runs = {{"PRESENT NET MONTHLY INCOME ", true}, {"(Subtract line 26 from line 17) "}},
     .amount = Income(27), .gapAfter = true, .continuation = {Runs{}}},
};

// A sub-line at 3384: its label, then `value` underlined by a rule exactly
// as wide as what was printed; `tail` ends the line.
void SubLine(Painter& p, const QString& label, const QString& value, const QString& tail = {}) {
  p.At(kLabelX, label);
  const double start = p.vs.CurrentX();
  p.vs.PrintText(value);
  const double end = p.vs.CurrentX();
  p.vs.PrintLine(tail);
  p.Rule(start, end);
}

// 18a's underlined status: the first filing-status option chosen, else 23 blanks.
QString FilingStatus(const Painter& p) {
  static const char* const kStatus[] = {" Single ", " Head Of Household ",
                                        " Married File Separate ", " Married File Jointly "};
  for (int i = 0; i < 4; ++i)
    if (p.Chosen("S1FileOp", i)) return QString::fromLatin1(kStatus[i]);
  return QString(23, QLatin1Char(' '));
}

}  // namespace

void Painter::Page2() {
  PageTop(125);
  vs.SetFontBold(true);
  At(kLeft, QStringLiteral("LAST YEAR'S GROSS INCOME:"));
  vs.SetFontBold(false);
  At(5040, QStringLiteral("Your Income"));
  EndAt(7920, QStringLiteral("Other Party's Income (if known)"));
  At(kIndent, QStringLiteral("YEAR  "));
  const double year = vs.CurrentX();
  vs.PrintText(Text("S1T", 18));
  At(5040, Text("S1T", 19));
  EndAt(7920, Text("S1T", 20));
  Rule(year, 4320);
  Rule(5040, 7200);
  Rule(7920, 10080);
  vs.PrintLine();
  vs.PrintLine();

  vs.SetFontBold(true);
  EndAt(kLeft, QStringLiteral("PRESENT MONTHLY GROSS INCOME:"));
  At(kLeft, QStringLiteral("All amounts must be MONTHLY."));
  vs.SetFontBold(false);
  vs.PrintLine(QStringLiteral(" See the instructions with this form to figure out money amounts"));
  EndAt(kLeft, QStringLiteral("for anything that is NOT paid monthly. Attach more paper, if "
                              "needed. Items included under 'other' "));
  EndAt(kLeft, QStringLiteral("should be listed separately with separate dollar amounts."));
  vs.PrintLine();

  Items(kIncomeLines1To9, kIncomeStyle);
  SubLine(*this, QStringLiteral("9a. From this case:  "), Amount(Income(28), kIncomeStyle.pattern));
  SubLine(*this, QStringLiteral("9b. From other case(s):  "),
          Amount(Income(29), kIncomeStyle.pattern));
  HalfLineGap();
  Items(kIncomeLines10To15, kIncomeStyle);
  SubLine(*this, QString(), Text("S1T", 21));

  // Line 16: its source's description stands in place of a label.
  At(kLeft, QStringLiteral("16.   "));
  AmountAt(kAmountX, Amount(Income(16), kIncomeStyle.pattern));
  vs.SetCurrentX(kLabelX);
  const double start = vs.CurrentX();
  vs.PrintText(Text("S1T", 22));
  const double end = vs.CurrentX();
  vs.PrintLine();
  Rule(start, end);
  Rule(kAmountX, kAmountEnd);
  HalfLineGap();
  Item(kIncomeLine17, kIncomeStyle);
}

void Painter::Page3() {
  PageTop();
  vs.SetFontBold(true);
  EndAt(kLeft, QStringLiteral("PRESENT MONTHLY DEDUCTIONS:"));
  At(kLeft, QStringLiteral("All amounts must be MONTHLY."));
  vs.SetFontBold(false);
  vs.PrintLine(QStringLiteral(" See the instructions with this form to figure out money amounts"));
  EndAt(kLeft, QStringLiteral("for anything that is NOT paid monthly."));
  HalfLineGap();

  Item(kDeductionLine18, kLineStyle);
  At(kLabelX, QStringLiteral("18a.  Filing Status  "));
  vs.SetFontUnderline(true);
  vs.PrintLine(FilingStatus(*this));
  vs.SetFontUnderline(false);
  At(kLabelX, QStringLiteral("18b. Number of dependents claimed  "));
  vs.SetFontUnderline(true);
  vs.PrintText(Text("S1T", 0));
  vs.PrintText(QStringLiteral("    "));
  vs.SetFontUnderline(false);
  vs.PrintLine();
  HalfLineGap();

  Items(kDeductionLines19To25, kLineStyle);
  SubLine(*this, QStringLiteral("25a.  From this case:   "),
          Amount(Income(30), kLineStyle.pattern));
  const double otherCases = run.values.FDIncomeValues[31].OrZero() +
                            run.values.FDIncomeValues[38].OrZero();
  SubLine(*this, QStringLiteral("25b. From other case(s): "),
          otherCases != 0 ? platform::Format(otherCases, kLineStyle.pattern)
                          : QStringLiteral("    "),
          QStringLiteral(" "));
  HalfLineGap();
  Items(kDeductionLines26And27, kLineStyle);
}

}  // namespace affidavit::longform
