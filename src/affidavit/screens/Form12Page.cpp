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
    " Nonprescription medications, suplements, and vitamins",
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

// A line of Section I or II: the court form's number, its wording, and the
// amount box.
void NumberedAmount(PageBuilder& b, const QString& number, int amountIndex, double amountLeft, double top,
                    bool total = false) {
  b.Label(number, amountLeft - 600, top + 30, 560);
  if (total) {
    b.Total(QStringLiteral("S2"), amountIndex, amountLeft, top);
  } else {
    b.Amount(QStringLiteral("S2"), amountIndex, amountLeft, top);
  }
}


}  // namespace

PageDesign BuildForm12() {
  PageBuilder b(PageId::Form12, QStringLiteral("Form12"), 85770);
  b.PageButtons(1230, 150, 85170);
  b.Heading("LONG FORM", 6600, 240, 1500);
  AddCaptionBlock(b, 0, 0);
  b.Check("FaAmended", -1, "Check if Amended", 900, 2820, 2400);
  AddPartyChoice(b, 2400);
  b.Heading("FAMILY LAW FINANCIAL AFFIDAVIT", 3700, 2520, 3400);
  b.Label("I, {full legal name}", 900, 3180, 1850);
  b.Text("S0T", 7, 2775, 3150, 5000);
  b.Label("being", 7850, 3180, 700);
  b.Label("sworn, certify that the following information is true:", 900, 3500, 6000);

  // Section I: personal and employment.
  b.Heading("SECTION I.  INCOME", 600, 4200, 4000);
  b.Label("1.    My age is:", 600, 4530, 1800);
  b.Text("S1T", 1, 2450, 4500, 1200);
  b.Label("2.    My occupation is:", 3900, 4530, 2300);
  b.Text("S1T", 2, 6250, 4500, 4600);
  b.Label("3.    I am currently", 600, 4890, 2300);
  b.Check("S1Check", 1,
          " a. Unemployed.  Describe why you are unemployed, your efforts to find employment, how soon you expect ",
          900, 5220, 10300);
  b.Label("to be employed, and the pay you expect to receive:", 1200, 5550, 6000);
  b.Text("S1T", 3, 1200, 5850, 9700).locked = true;
  b.Text("S1T", 4, 1200, 6210, 9700).locked = true;
  b.Check("S1Check", 2, " b. Employed By:", 900, 6630, 2200);
  b.Text("S1T", 5, 3150, 6600, 5000);
  b.Label("Address:", 1800, 6990, 1300);
  b.Text("S1T", 6, 3150, 6960, 5000);
  b.Label("City, State, Zip code:", 1200, 7350, 1900);
  b.Text("S1T", 7, 3150, 7320, 3600);
  b.Label("Telephone Number:", 6850, 7350, 1700);
  b.Text("S1T", 8, 8600, 7320, 2300);
  b.Label("Pay rate:", 1200, 8025, 1000);
  b.Text("S1T", 9, 2200, 7995, 1500);
  const char* periods[] = {"every week", "every other week", "twice a month", "monthly", "other"};
  const double periodLefts[] = {3800, 5300, 7200, 3800, 5300};
  for (int i = 1; i <= 5; ++i) {
    b.Option("S1Op", i, periods[i - 1], periodLefts[i - 1], i <= 3 ? 7995 : 8325, 1800);
  }
  b.Text("S1T", 10, 6400, 8325, 4500);
  b.Check("S1Check", 3,
          "Check here if you currently have more than one job. List the information above for the second job(s) on",
          1200, 8700, 10000);
  b.Label("a separate sheet and attach to this affidavit.", 1500, 9000, 6000);
  b.Label("If you expect to change jobs or your income to change, explain how and why:", 1200, 9330, 9000);
  b.Text("S1T", 11, 1200, 9630, 9700).locked = true;
  b.Text("S1T", 12, 1200, 9990, 9700).locked = true;
  b.Check("S1Check", 4, " c. Retired.  Date of retirement:", 900, 10410, 3600);
  b.Text("S1T", 13, 4550, 10380, 2000);
  b.Label("Employer from whom retired:", 1200, 10770, 2700);
  b.Text("S1T", 14, 3950, 10740, 5000);
  b.Label("Address:", 2850, 11130, 1000);
  b.Text("S1T", 15, 3950, 11100, 5000);
  b.Label("City, State, Zip code:", 1950, 11490, 1900);
  b.Text("S1T", 16, 3950, 11460, 3000);
  b.Label("Telephone Number:", 7050, 11490, 1700);
  b.Text("S1T", 17, 8700, 11460, 2200);

  // Last year's and present monthly income.
  b.Heading("LAST YEAR'S GROSS INCOME:", 600, 12200, 3000);
  b.Label("Your Income", 5000, 12200, 2000);
  b.Label("Other Party's Income (if known)", 7700, 12200, 3200);
  b.Label("YEAR", 600, 12560, 700);
  b.Text("S1T", 18, 1350, 12530, 1200);
  b.Amount("S1T", 19, 5000, 12530, 2000);
  b.Amount("S1T", 20, 8000, 12530, 2000);
  b.Heading("PRESENT MONTHLY GROSS INCOME:", 600, 13000, 3500);
  b.Label("All amounts must be MONTHLY.  See the instructions with this form to figure out money amounts for anything "
          "that is NOT paid monthly.",
          600, 13300, 10500);
  struct Line {
    const char* number;
    int index;
    const char* wording;
    bool total;
    bool sub;
  };
  const Line income[] = {
      {"1a.", 32, "Subject to Both FICA and Fed Tax", false, true},
      {"1b.", 33, "Only Subject To FICA (401K, etc.)", false, true},
      {"1.", 1, "Gross salary or wages (Add 1a and 1b)", true, false},
      {"2.", 2, "Bonuses, commissions, allowances, overtime, tips, and similar payments", false, false},
      {"3.", 3, "Business income from sources such as self-employment, partnerships, close", false, false},
      {"4.", 4, "Disability benefits/SSI for you", false, false},
      {"5.", 5, "Workers' Compensation", false, false},
      {"6.", 6, "Reemployment assistance", false, false},
      {"7.", 7, "Pension, retirement, or annuity payments", false, false},
      {"8a.", 37, "SS Received by Declarant", false, true},
      {"8b.", 0, "SS Received by Children", false, true},
      {"8.", 8, "Social Security benefits", true, false},
      {"9a.", 28, "From this case:", false, true},
      {"9b.", 29, "From other case(s):", false, true},
      {"9.", 9, "Alimony actually received (Add 9a and 9b)", true, false},
      {"10a.", 34, "Short Term Interest", false, true},
      {"10b.", 35, "Long Term Capital Gains", false, true},
      {"10c.", 36, "Tax Free Interest", false, true},
      {"10.", 10, "Interest and dividends", true, false},
      {"11.", 11, "Rental income (gross receipts minus ordinary and necessary expenses ", false, false},
      {"12.", 12, "Income from royalties, trusts, or estates", false, false},
      {"13.", 13, "Reimbursed expenses and in-kind payments to the extent that they reduce", false, false},
      {"14.", 14, "Gains derived from dealing in property (not including nonrecurring gains)", false, false},
      {"15.", 15, "Any other income of a recurring nature (identify source):", false, false},
      {"16.", 16, "", false, false},
      {"17.", 17, "TOTAL PRESENT MONTHLY GROSS INCOME  (Add lines 1 through 16)", true, false},
  };
  double top = 13700;
  auto section1Line = [&](const Line& line) {
    const double amountLeft = line.sub ? 5160 : 9150;
    b.Label(line.number, 600, top + 30, 560);
    if (line.wording[0] != '\0') b.Label(line.wording, line.sub ? 1500 : 1200, top + 30, line.sub ? 3000 : 7300);
    b.Label(line.number, amountLeft - 600, top + 30, 560);
    PageControl& amount = b.Amount("S1", line.index, amountLeft, top);
    if (line.total) {
      amount.locked = true;
      amount.tint = Tint::SectionTotal;
    }
    top += 390;
  };
  for (const Line& line : income) {
    if (line.index == 16) {
      b.Text("S1T", 21, 1200, top - 30, 7300, QStringLiteral(" "));
      top += 360;
      b.Text("S1T", 22, 1200, top, 7300, QStringLiteral(" "));
    }
    section1Line(line);
  }

  b.Heading("PRESENT MONTHLY DEDUCTIONS:", 600, 24400, 3500);
  top = 24750;
  section1Line({"18.", 18,
                "Federal, state, and local income tax (corrected for filing status and allowable dependents and "
                "income tax liabilities)",
                false, false});
  b.Label("a. Filing Status", 1200, 25410, 1600);
  AddFilingStatus(b, 25380);
  b.Label("b. Number of dependents claimed", 1200, 25900, 3000);
  b.Text("S1T", 0, 4300, 25870, 390, QStringLiteral(" "));
  b.Text("S1T", 23, 4800, 25870, 600, QStringLiteral(" NA")).hidden = true;
  b.Text("S1T", 24, 5500, 25870, 600, QStringLiteral(" NA")).hidden = true;
  top = 26400;
  const Line deductions[] = {
      {"19.", 19, "FICA or self-employment taxes", false, false},
      {"20.", 20, "Medicare payments", false, false},
      {"21.", 21, "Mandatory union dues", false, false},
      {"22.", 22, "Mandatory retirement payments", false, false},
      {"23.", 23, "Health insurance payments for you only (including medical, dental, and vision),", false, false},
      {"24.", 24, "Court-ordered child support actually paid for children from another relationship", false, false},
      {"25a.", 30, "From this case:", false, true},
      {"25b.", 31, "Ordered pre 2019", false, true},
      {"25b.", 38, "Ordered post 2018", false, true},
      {"25.", 25, "Court-ordered alimony actually paid (Add 25a and 25b)", true, false},
      {"26.", 26, "TOTAL DEDUCTIONS ALLOWABLE UNDER SECTION 61.30 DADUDAV STATUTES (Add lines 18 through 25)", true,
       false},
      {"27.", 27, "PRESENT NET MONTHLY INCOME (Subtract line 26 from line 17) ", true, false},
  };
  for (const Line& line : deductions) section1Line(line);

  // Section II: expenses, one row per line.
  b.Heading("SECTION II. AVERAGE MONTHLY EXPENSES", 600, 31200, 6000);
  b.Label("Proposed/Estimated Expenses. If this is a dissolution of marriage case and your expenses as listed below "
          "do not reflect what you actually pay currently, you should write \"estimate\" next to each amount that "
          "is estimated.",
          600, 31500, 10500);
  b.Label("List the number of additional households for which you incur expenses: ", 600, 31935, 6500);
  b.Text("Text1", 3, 7150, 31905, 525);
  top = 32400;
  const double kPitch = 345;
  auto heading = [&](const QString& text) {
    b.Heading(text, 600, top + 30, 10500).blue = true;
    top += kPitch;
  };
  auto named = [&](int line, const QString& array, int nameIndex, int amountIndex, double amountLeft) {
    b.Label(QStringLiteral("%1.").arg(line), 600, top + 30, 700);
    const bool wide = array == "S2N" && nameIndex >= 65;
    b.Text(array, nameIndex, wide ? 1230 : 1320, top, wide ? 6900 : 6780,
           array == "S2N" ? QString::fromLatin1(kS2NNames[nameIndex]) : QString());
    NumberedAmount(b, QStringLiteral("%1.").arg(line), amountIndex, amountLeft, top);
    top += kPitch;
  };
  auto newLine = [&](const QString& number, int i, double amountLeft) {
    static const char* names[] = {"",
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
                                  " Tobacco, alchohol, and vaping",
                                  " Attorney fees and court costs (related to this case)",
                                  " Attorney fees and court costs (other)",
                                  " Professional training fees (unreimbursed only)"};
    b.Label(number, 600, top + 30, 700);
    const bool wide = i >= 8 && i <= 10;
    b.Text("S2NNew", i, wide ? 1230 : 1320, top, wide ? 6900 : 6780, QString::fromLatin1(names[i]));
    b.Label(number, amountLeft - 600, top + 30, 560);
    b.Amount("S2New", i, amountLeft, top);
    top += kPitch;
  };
  auto other = [&](int line, int descIndex, int amountIndex, double descLeft, double descWidth, double amountLeft) {
    b.Label(QStringLiteral("%1.").arg(line), 600, top + 30, 700);
    b.Text("S2T", descIndex, descLeft, top, descWidth);
    NumberedAmount(b, QStringLiteral("%1.").arg(line), amountIndex, amountLeft, top);
    top += kPitch;
  };
  auto subtotal = [&](int line, int amountIndex, double amountLeft, const QString& caption) {
    b.Heading(QStringLiteral("%1. %2").arg(line).arg(caption), 1200, top + 30, 6800);
    NumberedAmount(b, QStringLiteral("%1.").arg(line), amountIndex, amountLeft, top, true);
    top += kPitch + 60;
  };
  const double a1 = 8505, a2 = 8595, a3 = 8445;

  heading("PRIMARY HOUSEHOLD:");
  for (int line = 1; line <= 16; ++line) named(line, "S2N", line - 1, line, a1);
  newLine("17.", 1, a1);
  for (int line = 18; line <= 20; ++line) named(line, "S2N", line - 2, line - 1, a1);
  newLine("21.", 2, a1);
  b.Label("22. Other:", 600, top + 30, 1300);
  for (int line = 22; line <= 26; ++line) other(line, line - 22, line - 2, 1995, 6100, a1);
  subtotal(27, 25, a1, "SUBTOTAL");

  heading("AUTOMOBILES:");
  b.Label("Number of automobiles:", 1200, top + 30, 3000);
  b.Text("Text1", 2, 4300, top, 525);
  top += kPitch;
  named(28, "S2N", 19, 26, a1);
  newLine("29.", 3, a1);
  for (int line = 30; line <= 36; ++line) named(line, "S2N", line - 10, line - 3, a1);
  newLine("37.", 4, a1);
  b.Label("38. Other: ", 600, top + 30, 1300);
  other(38, 5, 34, 1980, 6100, a1);
  subtotal(39, 35, a1, "SUBTOTAL (add lines 28 through 38)");

  heading("MONTHLY EXPENSES FOR MINOR OR DEPENDENT CHILDREN COMMON TO BOTH PARTIES: ");
  b.Label("Number of children:", 1200, top + 30, 3000);
  b.Text("Text1", 1, 4300, top, 525);
  top += kPitch;
  for (int line = 40; line <= 60; ++line) named(line, "S2N", line - 13, line - 4, a1);
  newLine("61.", 5, a1);
  newLine("62.", 6, a1);
  newLine("63.", 7, a1);
  named(64, "S2N", 48, 57, a1);
  subtotal(65, 58, a1, "SUBTOTAL (add lines 40 through 64)");

  heading("MONTHLY EXPENSES FOR MINOR OR DEPENDENT CHILDREN FROM ANOTHER RELATIONSHIP:");
  b.Label("Number of children:", 1200, top + 30, 3000);
  b.Text("Text1", 0, 4300, top, 525);
  top += kPitch;
  for (int line = 66; line <= 69; ++line) other(line, line - 60, line - 7, 1515, 6500, a1);
  subtotal(70, 63, a1, "SUBTOTAL (add lines 66 through 69)");

  heading("MONTHLY INSURANCE: ");
  named(71, "S2N", 67, 64, a1);
  named(72, "S2N", 66, 65, a1);
  named(73, "S2N", 65, 66, a1);
  newLine("74.", 8, a1);
  newLine("75.", 9, a1);
  newLine("76.", 10, a1);
  b.Label("77. Other:", 600, top + 30, 1500);
  other(77, 10, 67, 2175, 5950, a1);
  other(78, 11, 68, 2175, 5950, a1);
  subtotal(79, 69, a1, "SUBTOTAL (add lines 71 through 78)");

  heading("OTHER MONTHLY EXPENSESES NOT LISTED ABOVE: ");
  for (int line = 80; line <= 91; ++line) named(line, "S2N", line - 31, line - 10, a2);
  newLine("92.", 11, a2);
  newLine("93.", 12, a2);
  newLine("94.", 13, a2);
  newLine("95a.", 14, a2);
  newLine("95b.", 15, a2);
  newLine("96.", 16, a2);
  for (int line = 97; line <= 100; ++line) named(line, "S2N", line - 36, line - 15, a2);
  b.Label("Other: (include any regular and recurring expenses not otherwise mentioned in the items listed above)",
          600, top + 30, 10500);
  top += kPitch;
  for (int line = 101; line <= 104; ++line) other(line, line - 89, line - 15, 1350, 6780, a2);
  subtotal(105, 90, a2, "SUBTOTAL (add lines 80 through 104)");

  heading("MONTHLY PAYMENTS TO CREDITORS: ");
  b.Label("NAME OF CREDITOR(s):", 1395, top + 30, 4000);
  top += kPitch;
  for (int line = 106; line <= 118; ++line) other(line, line - 90, line - 15, 1395, 6135, a3);
  subtotal(119, 104, a3, "SUBTOTAL (add lines 106 through 118)");

  b.Heading("120. TOTAL MONTHLY EXPENSES:", 600, top + 30, 4000);
  NumberedAmount(b, "120.", 105, a3, top, true);
  top += kPitch + 120;
  heading("SUMMARY");
  const char* summary[] = {"121. TOTAL PRESENT MONTHLY NET INCOME", "122. TOTAL MONTHLY EXPENSES ",
                           "123. SURPLUS ", "124. (DEFICIT) "};
  for (int k = 0; k < 4; ++k) {
    b.Heading(summary[k], 600, top + 30, 6000);
    NumberedAmount(b, QStringLiteral("%1.").arg(121 + k), 106 + k, a3, top, true);
    top += kPitch + 60;
  }
  return b.Take();
}

}  // namespace affidavit
