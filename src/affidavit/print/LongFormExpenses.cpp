// Long form pages 4 to 6: Section II's expense groups, each a table of item
// lines (label box, amount element, description rule, gaps) run through the
// one item-line routine.
#include "affidavit/print/LongFormLines.h"

namespace affidavit::longform {

namespace {

// Page 4: the primary household, items 1 to 21.
const ItemLine kHousehold[] = {
    {.number = "1.    ", .box = "S2N", .boxIndex = 0, .amount = Expense(1)},
    {.number = "2.    ", .box = "S2N", .boxIndex = 1, .amount = Expense(2)},
    {.number = "3.    ", .box = "S2N", .boxIndex = 2, .amount = Expense(3)},
    {.number = "4.    ", .box = "S2N", .boxIndex = 3, .amount = Expense(4)},
    {.number = "5.    ", .box = "S2N", .boxIndex = 4, .amount = Expense(5)},
    {.number = "6.    ", .box = "S2N", .boxIndex = 5, .amount = Expense(6)},
    {.number = "7.    ", .box = "S2N", .boxIndex = 6, .amount = Expense(7)},
    {.number = "8.    ", .box = "S2N", .boxIndex = 7, .amount = Expense(8)},
    {.number = "9.    ", .box = "S2N", .boxIndex = 8, .amount = Expense(9)},
    {.number = "10.   ", .box = "S2N", .boxIndex = 9, .amount = Expense(10)},
    {.number = "11.   ", .box = "S2N", .boxIndex = 10, .amount = Expense(11)},
    {.number = "12.   ", .box = "S2N", .boxIndex = 11, .amount = Expense(12)},
    {.number = "13.   ", .box = "S2N", .boxIndex = 12, .amount = Expense(13)},
    {.number = "14.   ", .box = "S2N", .boxIndex = 13, .amount = Expense(14)},
    {.number = "15.   ", .box = "S2N", .boxIndex = 14, .amount = Expense(15)},
    {.number = "16.   ", .box = "S2N", .boxIndex = 15, .amount = Expense(16)},
    {.number = "17.   ", .box = "S2NNew", .boxIndex = 1, .amount = NewExpense(1)},
    {.number = "18.   ", .box = "S2N", .boxIndex = 16, .amount = Expense(17)},
    {.number = "19.   ", .box = "S2N", .boxIndex = 17, .amount = Expense(18)},
    {.number = "20.   ", .box = "S2N", .boxIndex = 18, .amount = Expense(19)},
    {.number = "21.   ", .box = "S2NNew", .boxIndex = 2, .amount = NewExpense(2)},
};

// Page 4: the filer's own household items 22 to 26 and the subtotal.
const ItemLine kHouseholdOther[] = {
    {.number = "22.   ", .box = "S2T", .boxIndex = 0, .amount = Expense(20), .description = true},
    {.number = "23.   ", .box = "S2T", .boxIndex = 1, .amount = Expense(21), .description = true},
    {.number = "24.   ", .box = "S2T", .boxIndex = 2, .amount = Expense(22), .description = true},
    {.number = "25.   ", .box = "S2T", .boxIndex = 3, .amount = Expense(23), .description = true},
    {.number = "26.   ", .box = "S2T", .boxIndex = 4, .amount = Expense(24), .description = true},
    {.number = "27.   ", .runs = {{" SUBTOTAL ", true}, {"(add lines 1 through 26)"}},
     .amount = Expense(25), .gapBefore = true},
};

// Page 5: the automobile, items 28 to 39.
const ItemLine kAutomobile[] = {
    {.number = "28.   ", .box = "S2N", .boxIndex = 19, .amount = Expense(26)},
    {.number = "29.   ", .box = "S2NNew", .boxIndex = 3, .amount = NewExpense(3)},
    {.number = "30.   ", .box = "S2N", .boxIndex = 20, .amount = Expense(27)},
    {.number = "31.   ", .box = "S2N", .boxIndex = 21, .amount = Expense(28)},
    {.number = "32.   ", .box = "S2N", .boxIndex = 22, .amount = Expense(29)},
    {.number = "33.   ", .box = "S2N", .boxIndex = 23, .amount = Expense(30)},
    {.number = "34.   ", .box = "S2N", .boxIndex = 24, .amount = Expense(31)},
    {.number = "35.   ", .box = "S2N", .boxIndex = 25, .amount = Expense(32)},
    {.number = "36.   ", .box = "S2N", .boxIndex = 26, .amount = Expense(33)},
    {.number = "37.   ", .box = "S2NNew", .boxIndex = 4, .amount = NewExpense(4)},
    {.number = "38.   ", .box = "S2T", .boxIndex = 5, .prefix = "Other: ", .amount = Expense(34),
     .description = true},
    {.number = "39.   ", .runs = {{" SUBTOTAL", true}, {" (add lines 28 through 38)"}},
     .amount = Expense(35), .gapBefore = true},
};

// Page 5: children common to both parties, items 40 to 65.
const ItemLine kCommonChildren[] = {
    {.number = "40.   ", .box = "S2N", .boxIndex = 27, .amount = Expense(36)},
    {.number = "41.   ", .box = "S2N", .boxIndex = 28, .amount = Expense(37)},
    {.number = "42.   ", .box = "S2N", .boxIndex = 29, .amount = Expense(38)},
    {.number = "43.   ", .box = "S2N", .boxIndex = 30, .amount = Expense(39)},
    {.number = "44.   ", .box = "S2N", .boxIndex = 31, .amount = Expense(40)},
    {.number = "45.   ", .box = "S2N", .boxIndex = 32, .amount = Expense(41)},
    {.number = "46.   ", .box = "S2N", .boxIndex = 33, .amount = Expense(42)},
    {.number = "47.   ", .box = "S2N", .boxIndex = 34, .amount = Expense(43)},
    {.number = "48.   ", .box = "S2N", .boxIndex = 35, .amount = Expense(44)},
    {.number = "49.   ", .box = "S2N", .boxIndex = 36, .amount = Expense(45)},
    {.number = "50.   ", .box = "S2N", .boxIndex = 37, .amount = Expense(46)},
    {.number = "51.   ", .box = "S2N", .boxIndex = 38, .amount = Expense(47)},
    {.number = "52.   ", .box = "S2N", .boxIndex = 39, .amount = Expense(48)},
    {.number = "53.   ", .box = "S2N", .boxIndex = 40, .amount = Expense(49)},
    {.number = "54.   ", .box = "S2N", .boxIndex = 41, .amount = Expense(50)},
    {.number = "55.   ", .box = "S2N", .boxIndex = 42, .amount = Expense(51)},
    {.number = "56.   ", .box = "S2N", .boxIndex = 43, .amount = Expense(52)},
    {.number = "57.   ", .box = "S2N", .boxIndex = 44, .amount = Expense(53)},
    {.number = "58.   ", .box = "S2N", .boxIndex = 45, .amount = Expense(54)},
    {.number = "59.   ", .box = "S2N", .boxIndex = 46, .amount = Expense(55)},
    {.number = "60.   ", .box = "S2N", .boxIndex = 47, .amount = Expense(56)},
    {.number = "61.   ", .box = "S2NNew", .boxIndex = 5, .amount = NewExpense(5)},
    {.number = "62.   ", .box = "S2NNew", .boxIndex = 6, .amount = NewExpense(6)},
    {.number = "63.   ", .box = "S2NNew", .boxIndex = 7, .amount = NewExpense(7)},
    {.number = "64.   ", .box = "S2N", .boxIndex = 48, .amount = Expense(57)},
    {.number = "65.   ", .runs = {{"SUBTOTAL", true}, {" (add lines 40 through 64)"}},
     .amount = Expense(58), .gapBefore = true},
};

// Page 6: children from another relationship, items 66 to 70.
const ItemLine kOtherChildren[] = {
    {.number = "66.   ", .box = "S2T", .boxIndex = 6, .amount = Expense(59), .description = true},
    {.number = "67.   ", .box = "S2T", .boxIndex = 7, .amount = Expense(60), .description = true},
    {.number = "68.   ", .box = "S2T", .boxIndex = 8, .amount = Expense(61), .description = true},
    {.number = "69.   ", .box = "S2T", .boxIndex = 9, .amount = Expense(62), .description = true},
    {.number = "70.   ", .runs = {{"SUBTOTAL", true}, {" (add lines 66 through 69)"}},
     .amount = Expense(63), .gapBefore = true, .gapAfter = true},
};

// Page 6: insurance, items 71 to 76 (labels 71 to 73 from S2N 67, 66, 65).
const ItemLine kInsurance[] = {
    {.number = "71.   ", .box = "S2N", .boxIndex = 67, .amount = Expense(64)},
    {.number = "72.   ", .box = "S2N", .boxIndex = 66, .amount = Expense(65)},
    {.number = "73.   ", .box = "S2N", .boxIndex = 65, .amount = Expense(66)},
    {.number = "74.   ", .box = "S2NNew", .boxIndex = 8, .amount = NewExpense(8)},
    {.number = "75.   ", .box = "S2NNew", .boxIndex = 9, .amount = NewExpense(9)},
    {.number = "76.   ", .box = "S2NNew", .boxIndex = 10, .amount = NewExpense(10)},
};

// Page 6: the filer's own insurance items 77 and 78 and the subtotal.
const ItemLine kInsuranceOther[] = {
    {.number = "77.   ", .box = "S2T", .boxIndex = 10, .amount = Expense(67), .description = true},
    {.number = "78.   ", .box = "S2T", .boxIndex = 11, .amount = Expense(68), .description = true},
    {.number = "79.   ",
     .runs = {{"SUBTOTAL ", true}, {" (add lines 71 through 78)       "}},
     .amount = Expense(69), .gapBefore = true, .gapAfter = true},
};

// Page 6: other expenses, items 80 to 100 with 95a and 95b.
const ItemLine kOtherExpenses[] = {
    {.number = "80.   ", .box = "S2N", .boxIndex = 49, .amount = Expense(70)},
    {.number = "81.   ", .box = "S2N", .boxIndex = 50, .amount = Expense(71)},
    {.number = "82.   ", .box = "S2N", .boxIndex = 51, .amount = Expense(72)},
    {.number = "83.   ", .box = "S2N", .boxIndex = 52, .amount = Expense(73)},
    {.number = "84.   ", .box = "S2N", .boxIndex = 53, .amount = Expense(74)},
    {.number = "85.   ", .box = "S2N", .boxIndex = 54, .amount = Expense(75)},
    {.number = "86.   ", .box = "S2N", .boxIndex = 55, .amount = Expense(76)},
    {.number = "87.   ", .box = "S2N", .boxIndex = 56, .amount = Expense(77)},
    {.number = "88.   ", .box = "S2N", .boxIndex = 57, .amount = Expense(78)},
    {.number = "89.   ", .box = "S2N", .boxIndex = 58, .amount = Expense(79)},
    {.number = "90.   ", .box = "S2N", .boxIndex = 59, .amount = Expense(80)},
    {.number = "91.   ", .box = "S2N", .boxIndex = 60, .amount = Expense(81)},
    {.number = "92.   ", .box = "S2NNew", .boxIndex = 11, .amount = NewExpense(11)},
    {.number = "93.   ", .box = "S2NNew", .boxIndex = 12, .amount = NewExpense(12)},
    {.number = "94.   ", .box = "S2NNew", .boxIndex = 13, .amount = NewExpense(13)},
    {.number = "95a.   ", .box = "S2NNew", .boxIndex = 14, .amount = NewExpense(14)},
    {.number = "95b.   ", .box = "S2NNew", .boxIndex = 15, .amount = NewExpense(15)},
    {.number = "96.   ", .box = "S2NNew", .boxIndex = 16, .amount = NewExpense(16)},
    {.number = "97.   ", .box = "S2N", .boxIndex = 61, .amount = Expense(82)},
    {.number = "98.   ", .box = "S2N", .boxIndex = 62, .amount = Expense(83)},
    {.number = "99.   ", .box = "S2N", .boxIndex = 63, .amount = Expense(84)},
    {.number = "100.   ", .box = "S2N", .boxIndex = 64, .amount = Expense(85)},
};

// Page 6: the filer's own other expenses 101 to 104 and the subtotal.
const ItemLine kOtherExpensesOther[] = {
    {.number = "101.   ", .box = "S2T", .boxIndex = 12, .amount = Expense(86), .description = true},
    {.number = "102.   ", .box = "S2T", .boxIndex = 13, .amount = Expense(87), .description = true},
    {.number = "103.   ", .box = "S2T", .boxIndex = 14, .amount = Expense(88), .description = true},
    {.number = "104.   ", .box = "S2T", .boxIndex = 15, .amount = Expense(89), .description = true},
    {.number = "105.   ", .runs = {{"SUBTOTAL", true}, {" (add lines 80 through 104)"}},
     .amount = Expense(90), .gapBefore = true},
};

// An "Other" heading at the label column, the first line after it drawn 100
// twips higher.
void OtherHeading(Painter& p, const QString& heading) {
  p.EndAt(kLabelX, heading);
  p.vs.SetCurrentY(p.vs.CurrentY() - 100);
}

// A count line: its question, then the count as typed, broken between words
// where it would run past the right edge.
void CountLine(Painter& p, const QString& question, int count) {
  p.vs.SetCurrentX(kLeft);
  const platform::TextPiece line[] = {{question}, {p.Text("Text1", count)}};
  platform::PrintWrapped(p.vs, line, kLeft, kRight);
}

void BoldLine(Painter& p, const QString& heading) {
  p.vs.SetFontBold(true);
  p.EndAt(kLeft, heading);
  p.vs.SetFontBold(false);
}

}  // namespace

void Painter::Page4() {
  PageTop(125);
  SectionHeading(QStringLiteral("SECTION II.  AVERAGE MONTHLY EXPENSES"));
  vs.SetCurrentX(kLeft);
  Bold(QStringLiteral("Expenses. "));
  vs.PrintLine(QStringLiteral("If your expenses as listed below do not reflect what you actually "
                              "pay currently, "));
  EndAt(kLeft, QStringLiteral("you should write 'estimate' next to each amount that is "
                              "estimated."));
  vs.PrintLine();
  BoldLine(*this, QStringLiteral("PRIMARY HOUSEHOLD:"));
  CountLine(*this,
            QStringLiteral("List the number of additional households for which you incur "
                           "expenses: "),
            3);
  EndAt(kLeft, QStringLiteral("If more than one household, please identify the household for "
                              "which the listed expenses are incurred"));
  EndAt(kLeft, QStringLiteral("and attach a separate sheet listing expenses for each additional "
                              "household."));
  Items(kHousehold, kLineStyle);
  EndAt(kLabelX, QStringLiteral("Other:"));
  Items(kHouseholdOther, kLineStyle);
}

void Painter::Page5() {
  PageTop(125);
  BoldLine(*this, QStringLiteral("AUTOMOBILE:"));
  CountLine(*this, QStringLiteral("List the number of automobiles for which you incur expenses: "),
            2);
  Items(kAutomobile, kLineStyle);
  vs.PrintLine();
  BoldLine(*this, QStringLiteral("MONTHLY EXPENSES FOR MINOR OR DEPENDENT CHILDREN COMMON TO BOTH "
                                 "PARTIES: "));
  CountLine(*this,
            QStringLiteral("List the number of minor or dependent children as defined in "
                           "Section 743.07(2) DV Statutes common to both parties: "),
            1);
  Items(kCommonChildren, kLineStyle);
}

void Painter::Page6() {
  PageTop(100);
  BoldLine(*this, QStringLiteral("MONTHLY EXPENSES FOR MINOR OR DEPENDENT CHILD(REN) FROM ANOTHER "
                                 "RELATIONSHIP"));
  CountLine(*this,
            QStringLiteral("List the number of minor or dependent children as defined in Dv "
                           "Statutes Section 743.07(2) from another relationship: "),
            0);
  EndAt(kLeft, QStringLiteral(" (other than court-ordered child support)"));
  vs.SetLineSpacing(120);
  Items(kOtherChildren, kLineStyle);
  BoldLine(*this, QStringLiteral("MONTHLY INSURANCE:"));
  Items(kInsurance, kLineStyle);
  OtherHeading(*this, QStringLiteral(" Other: "));
  Items(kInsuranceOther, kLineStyle);
  BoldLine(*this, QStringLiteral("OTHER MONTHLY EXPENSES NOT LISTED ABOVE:"));
  Items(kOtherExpenses, kLineStyle);
  OtherHeading(*this, QStringLiteral("Other: (include any regular and recurring expenses not "
                                     "otherwise listed above)"));
  Items(kOtherExpensesOther, kLineStyle);
}

}  // namespace affidavit::longform
