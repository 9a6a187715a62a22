// The long-form affidavit's first page: caption, Section I (income and
// deductions), Section II (expenses) and the summary.
#include <QStringList>

#include "affidavit/screens/PageBuilder.h"

namespace affidavit {

namespace {

// The preset names of S2N, by index.
const char* const kS2NNames[68] = {
    " Mortgage or rent payments",
    " Property taxes (if not included in mortgage)",
    " Insurance on residence (if not included in mortgage)",
    " Condominium maintenance fees and homeowner's association fees",
    " Electricity",
    " Water, garbage, and sewer",
    " Telephone",
    " Fuel oil or natural gas",
    " Repairs and maintenance",
    " Lawn care",
    " Pool maintenance",
    " Pest control",
    " Misc. household",
    " Food and home supplies",
    " Meals outside home",
    " Cable t.v./internet",
    " Alarm service contract",
    " Service contracts on appliances",
    " Housekeeping service",
    " Gasoline and oil",
    " Repairs",
    " Auto tags",
    " Insurance",
    " Payments (lease or financing)",
    " Rental",
    " Alternative transportation (bus, rail, carpool, taxi, ridesharing etc.)",
    " Tolls and parking",
    " ChildCare",
    " School tuition",
    " School supplies, books, and fees",
    " Extracurricular activities",
    " School uniforms",
    " Lunch money",
    " Private lessons or tutoring",
    " Allowances",
    " Clothing",
    " Entertainment (movies, parties, video games etc.)",
    " Health insurance (including dental and vision)",
    " Medical, dental, prescriptions (nonreimbursed only)",
    " Psychiatric/psychological/counselor",
    " Orthodontics",
    " Grooming",
    " Nonprescription medications, supplements, and vitamins",
    " Cosmetics, toiletries, and sundries",
    " Gifts from child(ren) to others (other children, relatives, teachers, etc.)",
    " Camp or summer activities",
    " Clubs (Boy/Girl Scouts, etc.)",
    " Cost required to exercise time-sharing (supervised visitation, travel, lodging)",
    " Other",
    " Dry cleaning and laundry",
    " Clothing",
    " Medical, dental, and prescription (unreimbursed only)",
    " Psychiatric, psychological, or counselor (unreimbursed only)",
    " Non-prescription medications, cosmetics, toiletries, and sundries",
    " Grooming",
    " Gifts",
    " Pet care",
    " Club dues and membership",
    " Sports and hobbies",
    " Entertainment",
    " Periodicals/books/other subscription services",
    " Vacations",
    " Religious organizations",
    " Bank charges/credit card fees",
    " Education expenses (unreimbursed only)",
    "Dental insurance (if not listed on Line 23 of deductions or Line 50 of expenses)",
    "Life Insurance",
    "Health insurance (if not listed on Line 23 of deductions or Line 50 of expenses)",
};


// Section II: rows 345 twips apart, the number at the left margin and again
// just left of the amount box.
class Section2 {
 public:
  Section2(PageBuilder& b, double top) : b_(b), top_(top) {}

  void Named(int line, const QString& array, int nameIndex, int amountIndex, double amountLeft) {
    const bool wide = nameIndex >= 65;
    Row(QStringLiteral("%1.").arg(line), array, nameIndex, wide ? 1230 : 1320, wide ? 6900 : 6780,
        QString::fromLatin1(kS2NNames[nameIndex]), QStringLiteral("S2"), amountIndex, amountLeft);
  }
  void New(const QString& number, int i, double amountLeft) {
    static const char* const names[] = {
        "",
        " Subscription streaming services",
        " Communication technology/ remote working subscriptions",
        " Electric car charging (outside of the home)",
        " Automotive subscriptions and roadside services",
        " Religious training",
        " Remote Learning",
        " Subscription service (if not  listed on line 17 above)",
        "Vision insurance (if not listed on Line 23 of deductions or Line 50 of expenses)",
        "Long term care insurance",
        "Disability insurance",
        " Charitable donations",
        " Gambling and lottery",
        " Tobacco, alcohol, and vaping",
        " Attorney fees and court costs (related to this case)",
        " Attorney fees and court costs (other)",
        " Professional training fees (unreimbursed only)"};
    const bool wide = i >= 8 && i <= 10;
    Row(number, QStringLiteral("S2NNew"), i, wide ? 1230 : 1320, wide ? 6900 : 6780, QString::fromLatin1(names[i]),
        QStringLiteral("S2New"), i, amountLeft);
  }
  // `caption` stands at the left in place of the number.
  void Other(int line, int descIndex, int amountIndex, double descLeft, double descWidth, double amountLeft,
             const QString& caption = {}) {
    Row(QStringLiteral("%1.").arg(line), QStringLiteral("S2T"), descIndex, descLeft, descWidth, {},
        QStringLiteral("S2"), amountIndex, amountLeft, caption);
  }
  // A locked total with its bold caption and the caption's regular rest.
  // `width` is the bold caption's.
  void Total(int line, const QString& caption, double width, const QString& rest, int amountIndex,
             double amountLeft) {
    const QString number = QStringLiteral("%1.").arg(line);
    b_.Heading(QStringLiteral("%1 %2").arg(number, caption), 600, top_ + 45, width);
    if (!rest.isEmpty()) b_.Label(rest, 600 + width + 45, top_ + 45, nameRight_ - 600 - width - 45);
    RightNumber(number, nameRight_, amountLeft);
    b_.Total(QStringLiteral("S2"), amountIndex, amountLeft, top_);
    top_ += kPitch + kTotalGap;
  }
  // A block heading, set off from the block before.
  void Heading(const QString& text) {
    top_ += kBlockGap;
    b_.Heading(text, 600, top_ + 60, 10500).blue = true;
    top_ += kPitch;
  }
  PageControl& Note(const QString& text, double left = 600, bool bold = false) {
    PageControl& c = b_.Label(text, left, top_, 11160 - left);
    c.bold = bold;
    top_ += kLabelHeight + 15;
    return c;
  }
  // A count asked by the section: the question and its Text1 box.
  void Count(const QString& question, int index, double width, double left = 600) {
    b_.Label(question, left, top_ + 45, width);
    b_.Text(QStringLiteral("Text1"), index, left + width + 60, top_, 525);
    top_ += kBoxHeight;
  }
  // The next block's heading goes where its count box (`rowsAbove` fixed
  // texts under the heading) comes to stand at `countTop`.
  void BlockForCount(double countTop, int rowsAbove) {
    top_ = countTop - kPitch - rowsAbove * (kLabelHeight + 15) - kBlockGap;
  }
  double& Top() { return top_; }
  // The right-hand numbers of the rows to come stand after `right`.
  void NumbersAfter(double right) { nameRight_ = right; }

  static constexpr double kPitch = 345;
  static constexpr double kBlockGap = 150;
  static constexpr double kTotalGap = 60;

 private:
  void Row(const QString& number, const QString& nameArray, int nameIndex, double nameLeft, double nameWidth,
           const QString& name, const QString& amountArray, int amountIndex, double amountLeft,
           const QString& caption = {}) {
    b_.Label(caption.isEmpty() ? number : caption, 600, top_ + 45, nameLeft - 600 - kNumberGap);
    b_.Text(nameArray, nameIndex, nameLeft, top_, nameWidth, name);
    nameRight_ = nameLeft + nameWidth;
    RightNumber(number, nameRight_, amountLeft);
    b_.Amount(amountArray, amountIndex, amountLeft, top_);
    top_ += kPitch;
  }
  void RightNumber(const QString& number, double from, double amountLeft) {
    b_.Label(number, from + kNumberGap, top_ + 45, amountLeft - from - 2 * kNumberGap);
  }

  PageBuilder& b_;
  double top_;
  double nameRight_ = 8100;  // where the last row's name box ended
};

}  // namespace

PageDesign BuildForm12() {
  PageBuilder b(PageId::Form12, QStringLiteral("Form12"), 85770);
  // Furniture: the caption and employment block, Section I's income and
  // deductions, Section II with the summary; the rules around the section headings.
  b.Panels({{0, 12045}, {12075, 24060}, {24060, 30750}, {30780, 85680}});
  b.Rule(3855);
  b.Rule(4140);
  b.Rule(31125);

  b.PageButtons(1230, 150, 85230);
  b.Heading("LONG FORM", 6600, 210, 1300);
  AddCaptionBlock(b, 0, 0);
  b.Check("FaAmended", -1, "Check if Amended", 900, 2820, 2000);
  AddPartyChoice(b, 2400);
  b.Heading("FAMILY LAW FINANCIAL AFFIDAVIT", 3420, 2520, 3600);
  b.Answer("I, {full legal name}", 900, 1800, "S0T", 7, 2775, 3150, 5000);
  b.Label("being", 7850, 3195, 700);
  b.Label("sworn, certify that the following information is true:", 900, 3525, 5400);

  // Section I: personal and employment.
  b.Heading("SECTION I.  INCOME", 600, 3885, 3000);
  b.Answer("1.    My age is:", 600, 1600, "S1T", 1, 2250, 4230, 1200);
  b.Answer("2.    My occupation is:", 3900, 2250, "S1T", 2, 6250, 4230, 4600);
  b.Label("3.    I am currently", 600, 4635, 1900);
  b.Label("[Check all that apply]", 2600, 4635, 2400);
  b.Check("S1Check", 1,
          " a. Unemployed.  Describe why you are unemployed, your efforts to find employment, how soon you expect ",
          900, 4935, 10860);
  b.Label("to be employed, the pay you expect to receive, and your highest gross earned income in the past five years: ",
          1200, 5250, 10400);
  b.Text("S1T", 3, 1200, 5535, 9700).locked = true;
  b.Text("S1T", 4, 1200, 5880, 9700).locked = true;
  b.Check("S1Check", 2, " b. Employed By:", 900, 6285, 2100);
  b.Text("S1T", 5, 3150, 6270, 5000);
  b.Answer("Address:", 1200, 1900, "S1T", 6, 3150, 6615, 5000);
  b.Answer("City, State, Zip Code:", 1200, 1900, "S1T", 7, 3150, 6960, 5000);
  b.Answer("Telephone Number:", 1200, 1900, "S1T", 8, 3150, 7305, 3000);
  b.Answer("Pay rate:", 1200, 900, "S1T", 9, 2200, 7995, 1500);
  const char* periods[] = {"every week", "every other week", "twice a month", "monthly", "other"};
  const double periodLefts[] = {3800, 5400, 7600, 3800, 5400};
  const double periodWidths[] = {1500, 2100, 1800, 1500, 900};
  for (int i = 1; i <= 5; ++i) {
    b.Option("S1Op", i, periods[i - 1], periodLefts[i - 1], i <= 3 ? 7995 : 8325, periodWidths[i - 1]);
  }
  b.Text("S1T", 10, 6400, 8310, 4500);
  b.Check("S1Check", 3,
          "Check here if you currently have more than one job. List the information above for the second job(s) on",
          1200, 8700, 10560);
  b.Label("a separate sheet and attach to this affidavit.", 1530, 9000, 4500);
  b.Label("If you are expecting to become unemployed or change jobs soon, explain why, describe the ", 1200, 9300,
          8800);
  b.Label("change you expect, and explain why and how it will affect your income:", 1200, 9555, 8800);
  b.Text("S1T", 11, 1200, 9840, 9700).locked = true;
  b.Text("S1T", 12, 1200, 10185, 9700).locked = true;
  b.Check("S1Check", 4, " c. Retired.  Date of retirement:", 900, 10575, 3300);
  b.Text("S1T", 13, 4300, 10560, 2000);
  b.Answer("Employer from whom retired:", 1200, 2650, "S1T", 14, 3950, 10905, 5000);
  b.Answer("Address:", 1200, 2650, "S1T", 15, 3950, 11250, 5000);
  b.Answer("City, State, Zip Code:", 1200, 2650, "S1T", 16, 3950, 11595, 3000);
  b.Answer("Telephone Number:", 7050, 1800, "S1T", 17, 8900, 11595, 2050);

  // Last year's and present monthly income.
  b.Heading("LAST YEAR'S GROSS INCOME:", 600, 12105, 3000);
  b.Label("Your Income", 5000, 12105, 2000);
  b.Label("Other Party's Income (if known)", 8000, 12105, 3000);
  b.Answer("YEAR", 600, 700, "S1T", 18, 1350, 12375, 1200);
  b.Amount("S1T", 19, 5000, 12375, 2000);
  b.Amount("S1T", 20, 8000, 12375, 2000);
  b.Heading("PRESENT MONTHLY GROSS INCOME:", 600, 12750, 3800);
  b.Heading("All amounts must be MONTHLY.", 600, 13005, 3200);
  b.Label(" See the instructions with this form to figure out money amounts", 3850, 13005, 6200);
  b.Label("for anything that is NOT paid monthly. Attach more paper, if needed. Items included under 'other' ", 600,
          13260, 9500);
  b.Label("should be listed separately with separate dollar amounts.", 600, 13515, 6000);
  IncomeLines s1(b, 13785, IncomeLines::kLongForm);
  const IncomeLine income[] = {
      {"1a.", 32, "Subject to Both FICA and Fed Tax", false, true},
      {"1b.", 33, "Only Subject To FICA (401K, etc.)", false, true},
      {"1.", 1, "Gross salary or wages (Add 1a and 1b)", true},
      {"2.", 2, "Bonuses, commissions, allowances, overtime, tips, and similar payments"},
      {"3.", 3, "Business income from sources such as self-employment, partnerships, close", false, false, false,
       {"corporations, and/or independent contracts (Gross receipts minus ordinary and necessary",
        "expenses required to produce income.) "}},
      {"4.", 4, "Disability benefits/SSI for you"},
      {"5.", 5, "Workers' Compensation"},
      {"6.", 6, "Reemployment assistance"},
      {"7.", 7, "Pension, retirement, or annuity payments"},
      {"8a.", 37, "SS Received by Declarant", false, true},
      {"8b.", 0, "SS Received by Children", false, true},
      {"8.", 8, "Social Security benefits", true},
      {"9a.", 28, "From this case:", false, true},
      {"9b.", 29, "From other case(s):", false, true},
      {"9.", 9, "Alimony actually received (Add 9a and 9b)", true},
      {"10a.", 34, "Short Term Interest", false, true},
      {"10b.", 35, "Long Term Capital Gains", false, true},
      {"10c.", 36, "Tax Free Interest", false, true},
      {"10.", 10, "Interest and dividends", true},
      {"11.", 11, "Rental income (gross receipts minus ordinary and necessary expenses ", false, false, false,
       {"required to produce income) "}},
      {"12.", 12, "Income from royalties, trusts, or estates"},
      {"13.", 13, "Reimbursed expenses and in-kind payments to the extent that they reduce", false, false, false,
       {"personal living expenses "}},
      {"14.", 14, "Gains derived from dealing in property (not including nonrecurring gains)"},
      {"15.", 15, "Any other income of a recurring nature (identify source):"},
  };
  for (const IncomeLine& line : income) s1.Line(line);
  s1.Source(21, 22, 16, "16.");
  s1.Line({"17.", 17, "TOTAL PRESENT MONTHLY GROSS INCOME  (Add lines 1 through 16)", true, false, true});

  // Deductions.
  b.Heading("PRESENT MONTHLY DEDUCTIONS:", 600, 24120, 3500);
  b.Heading("All amounts must be MONTHLY.", 600, 24375, 3200);
  b.Label(" See the instructions with this form to figure out money amounts", 3850, 24375, 6200);
  IncomeLines d(b, 24660, IncomeLines::kLongForm);
  d.Line({"18.", 18, "Federal, state, and local income tax (corrected for filing status and", false, false, false,
          {"allowable dependents and income tax liabilities)"}});
  b.Label("a. Filing Status", 1140, 25425, 1600);
  AddFilingStatus(b, 25380);
  b.Label("b. Number of dependents claimed", 6600, 25425, 3000);
  b.Text("S1T", 0, 9700, 25380, 390, QStringLiteral(" "));
  b.Text("S1T", 23, 10150, 25380, 600, QStringLiteral(" NA")).hidden = true;
  b.Text("S1T", 24, 10800, 25380, 600, QStringLiteral(" NA")).hidden = true;
  d.Top() = 25770;
  const IncomeLine deductions[] = {
      {"19.", 19, "FICA or self-employment taxes"},
      {"20.", 20, "Medicare payments"},
      {"21.", 21, "Mandatory union dues"},
      {"22.", 22, "Mandatory retirement payments"},
      {"23.", 23, "Health insurance payments for you only (including medical, dental, and vision),", false, false,
       false, {"excluding portion paid for any third party or minor children of this relationship"}},
      {"24.", 24, "Court-ordered child support actually paid for children from", false, false, false,
       {"another relationship"}},
      {"25a.", 30, "From this case:", false, true},
      {"25b.", 31, "Ordered pre 2019", false, true},
      {"25b.", 38, "Ordered post 2018", false, true},
      {"25.", 25, "Court-ordered alimony actually paid (Add 25a and 25b)", true},
      {"26.", 26, "TOTAL DEDUCTIONS ALLOWABLE UNDER SECTION 61.30 DADUDAV STATUTES", true, false, true,
       {"(Add lines 18 through 25)    "}, 9},
      {"27.", 27, "PRESENT NET MONTHLY INCOME (Subtract line 26 from line 17) ", true, false, true},
  };
  for (const IncomeLine& line : deductions) d.Line(line);

  // Section II: expenses, one row per line.
  b.Heading("SECTION II. AVERAGE MONTHLY EXPENSES", 600, 30840, 4500);
  Section2 s2(b, 31155);
  s2.Note("Expenses. ", 600, true).width = 1100;
  s2.Top() -= kLabelHeight + 15;
  s2.Note("If your expenses as listed below do not reflect what you actually pay currently, ", 1750);
  s2.Note("you should write 'estimate' next to each amount that is estimated.");
  s2.Top() = 31680;
  b.Heading("PRIMARY HOUSEHOLD:", 600, s2.Top(), 3000).blue = true;
  s2.Top() = 31905;
  s2.Count("List the number of additional households for which you incur expenses: ", 3, 6480);
  s2.Note("If more than one household, please identify the household for which the listed expenses are incurred");
  s2.Note("and attach a separate sheet listing expenses for each additional household.");
  s2.Top() = 32760;
  const double a1 = 8505, a2 = 8595, a3 = 8445;
  for (int line = 1; line <= 16; ++line) s2.Named(line, "S2N", line - 1, line, a1);
  s2.New("17.", 1, a1);
  for (int line = 18; line <= 20; ++line) s2.Named(line, "S2N", line - 2, line - 1, a1);
  s2.New("21.", 2, a1);
  s2.Note("22. Other:");
  for (int line = 22; line <= 26; ++line) s2.Other(line, line - 22, line - 2, 1995, 6100, a1);
  s2.Total(27, "SUBTOTAL", 1500, "(add lines 1 through 26)", 25, a1);

  // The heading and the count on one row.
  s2.Top() = 42540;
  b.Heading("AUTOMOBILES:", 600, s2.Top() + 45, 1700).blue = true;
  s2.Count("List the number of automobiles for which you incur expenses: ", 2, 5500, 2400);
  s2.Top() += Section2::kPitch - kBoxHeight;
  s2.Named(28, "S2N", 19, 26, a1);
  s2.New("29.", 3, a1);
  for (int line = 30; line <= 36; ++line) s2.Named(line, "S2N", line - 10, line - 3, a1);
  s2.New("37.", 4, a1);
  s2.Other(38, 5, 34, 1980, 6100, a1, QStringLiteral("38. Other: "));
  s2.Total(39, "SUBTOTAL", 1500, "(add lines 28 through 38)", 35, a1);

  s2.BlockForCount(48045, 1);
  s2.Heading("MONTHLY EXPENSES FOR MINOR OR DEPENDENT CHILDREN COMMON TO BOTH PARTIES: ");
  s2.Note("List the number of minor or dependent children as defined in Section 743.07(2) DV Statutes");
  s2.Count("common to both parties: ", 1, 2250);
  for (int line = 40; line <= 60; ++line) s2.Named(line, "S2N", line - 13, line - 4, a1);
  s2.New("61.", 5, a1);
  s2.New("62.", 6, a1);
  s2.New("63.", 7, a1);
  s2.Named(64, "S2N", 48, 57, a1);
  s2.Total(65, "SUBTOTAL", 1500, "(add lines 40 through 64)", 58, a1);

  s2.BlockForCount(58230, 1);
  s2.Heading("MONTHLY EXPENSES FOR MINOR OR DEPENDENT CHILDREN FROM ANOTHER RELATIONSHIP:");
  s2.Note("List the number of minor or dependent children as defined in Dv Statutes Section 743.07(2)");
  s2.Count("from another relationship: ", 0, 2400);
  s2.Note(" (other than court-ordered child support)");
  for (int line = 66; line <= 69; ++line) s2.Other(line, line - 60, line - 7, 1515, 6500, a1);
  s2.Total(70, "SUBTOTAL", 1500, "(add lines 66 through 69)", 63, a1);

  s2.Heading("MONTHLY INSURANCE: ");
  s2.Named(71, "S2N", 67, 64, a1);
  s2.Named(72, "S2N", 66, 65, a1);
  s2.Named(73, "S2N", 65, 66, a1);
  s2.New("74.", 8, a1);
  s2.New("75.", 9, a1);
  s2.New("76.", 10, a1);
  s2.Note("77. Other:");
  s2.Other(77, 10, 67, 2175, 5950, a1);
  s2.Other(78, 11, 68, 2175, 5950, a1);
  s2.Total(79, "SUBTOTAL", 1500, "(add lines 71 through 78)", 69, a1);

  s2.Heading("OTHER MONTHLY EXPENSES NOT LISTED ABOVE: ");
  for (int line = 80; line <= 91; ++line) s2.Named(line, "S2N", line - 31, line - 10, a2);
  s2.New("92.", 11, a2);
  s2.New("93.", 12, a2);
  s2.New("94.", 13, a2);
  s2.New("95a.", 14, a2);
  s2.New("95b.", 15, a2);
  s2.New("96.", 16, a2);
  for (int line = 97; line <= 100; ++line) s2.Named(line, "S2N", line - 36, line - 15, a2);
  s2.Note("Other: (include any regular and recurring expenses not otherwise mentioned in the items listed above)");
  for (int line = 101; line <= 104; ++line) s2.Other(line, line - 89, line - 15, 1350, 6780, a2);
  s2.Total(105, "SUBTOTAL", 1620, "(add lines 80 through 104)", 90, a2);

  s2.Heading("MONTHLY PAYMENTS TO CREDITORS: ");
  s2.Note("List only when payments are currently made by you on outstanding balances and not listed elsewhere");
  s2.Note("on this affidavit. For student loans listed below, list each student loan together with its date of "
          "origination.");
  s2.Note("List only last 4 digits of account numbers.");
  s2.Note("MONTHLY PAYMENT AND NAME OF CREDITOR(s):       ");
  for (int line = 106; line <= 118; ++line) s2.Other(line, line - 90, line - 15, 1395, 6135, a3);
  s2.Total(119, "SUBTOTAL", 1620, "(add lines 106 through 118)", 104, a3);

  s2.NumbersAfter(8010);
  s2.Total(120, "TOTAL MONTHLY EXPENSES:", 3400, {}, 105, a3);
  s2.Note("(Add lines 27, 39, 65, 70, 79, 105, and 119 of Section II, Expenses) ", 1140);
  s2.Heading("SUMMARY");
  s2.Total(121, "TOTAL PRESENT MONTHLY NET INCOME", 4550, {}, 106, a3);
  s2.Note("(from line 27 of SECTION I. INCOME) ", 1140);
  s2.Total(122, "TOTAL MONTHLY EXPENSES ", 3400, "(from line 120 above) ", 107, a3);
  s2.Total(123, "SURPLUS ", 1550, "(if line 121 is more than line 122, subtract line 122 from ", 108, a3);
  s2.Note("line 121. This is the amount of your surplus. Enter that amount here.)", 1140);
  s2.Total(124, "(DEFICIT) ", 1650, "(if line 122 is more than line 121, subtract line 121 from ", 109, a3);
  s2.Note("line 122. This is the amount of your deficit. Enter that amount here.)", 1140);
  return b.Take();
}

}  // namespace affidavit
