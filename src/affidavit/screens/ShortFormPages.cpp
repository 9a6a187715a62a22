// The short-form affidavit's two pages: the same arrays and indexes as the
// long form, holding a subset.
#include <map>
#include <utility>
#include <vector>

#include "affidavit/screens/PageBuilder.h"

namespace affidavit {

namespace {

PageControl& Note(PageBuilder& b, const char* name, double left, double top) {
  PageControl& c = b.Label(kNumericNote, left, top, 5200);
  c.array = QString::fromLatin1(name);
  c.index = -1;
  c.red = c.bold = true;
  c.fontSize = 7.5;
  return c;
}

}  // namespace

PageDesign BuildForm121() {
  PageBuilder b(PageId::Form121, QStringLiteral("Form121"), 56460);
  b.PageButtons(1230, 330, 55590);
  b.Heading("SHORT FORM", 6400, 450, 1600);
  // Caption block: the long form's, 300 twips right and 210 lower.
  const double dx = 300, dy = 210;
  AddCaptionBlock(b, dx, dy);
  b.Check("FaAmended", -1, "Check if Amended", 1200, 3030, 2400);
  AddPartyChoice(b, 2910);
  b.Heading("FAMILY LAW FINANCIAL AFFIDAVIT", 3700, 2700, 3400);
  b.Label("I, {full legal name}", 900, 3690, 1850);
  b.Text("S0T", 7, 3075, 3660, 5000);
  b.Label("being sworn, certify that the following information is true:", 900, 4000, 6500);

  b.Heading("SECTION I.  INCOME", 600, 4500, 4000);
  b.Label("My occupation:", 600, 4890, 1800);
  b.Text("S1T", 2, 2450, 4860, 4000);
  b.Label("Employed by:", 600, 5250, 1800);
  b.Text("S1T", 5, 2450, 5220, 4000);
  b.Label("Business Address:", 600, 5610, 1800);
  b.Text("S1T", 6, 2450, 5580, 5000);
  b.Label("City, State, Zip Code:", 600, 5970, 1800);
  b.Text("S1T", 7, 2450, 5940, 4000);
  b.Label("Pay rate:", 600, 6405, 1000);
  b.Text("S1T", 9, 1650, 6375, 1500);
  const char* periods[] = {"every week", "every other week", "twice a month", "monthly", "other"};
  const double periodLefts[] = {3300, 4800, 6700, 3300, 4800};
  for (int i = 1; i <= 5; ++i) b.Option("S1Op", i, periods[i - 1], periodLefts[i - 1], i <= 3 ? 6375 : 6705, 1800);
  b.Text("S1T", 10, 5900, 6705, 4500);
  b.Check("S1Check", 1, "Check here if unemployed and explain on a separate sheet you efforts to find employment ",
          600, 7080, 10500);
  b.Heading("PRESENT MONTHLY GROSS INCOME:", 600, 7950, 3500);
  struct Line {
    const char* label;
    int index;
    bool total;
    bool sub;
  };
  const Line lines[] = {
      {"1a. Subject to Both FICA and Fed Tax", 32, false, true},
      {"1b. Only Subject To FICA (401K, etc.)", 33, false, true},
      {"1.  Monthly gross salary or wages", 1, true, false},
      {"2.  Monthly bonuses, commissions, allowances, overtime, tips, and similar payments", 2, false, false},
      {"3.  Monthly business income from sources such as self-employment, partnerships, close corporations", 3,
       false, false},
      {"4.  Monthly disability benefits/SSI", 4, false, false},
      {"5.  Monthly Workers' Compensation", 5, false, false},
      {"6.  Monthly Unemployment Compensation", 6, false, false},
      {"7.  Monthly pension, retirement, or annuity payments", 7, false, false},
      {"8a. SS Received by Declarant", 37, false, true},
      {"8b. SS Received by Children", 0, false, true},
      {"8.  Monthly Social Security benefits", 8, true, false},
      {"9a. From this case:", 28, false, true},
      {"9b. From other case(s):", 29, false, true},
      {"9.  Monthly alimony actually received (Add 9a and 9b)", 9, true, false},
      {"10a. Short Term Interest", 34, false, true},
      {"10b. Long Term Capital Gains", 35, false, true},
      {"10c. Tax Free Interest", 36, false, true},
      {"10. Monthly interest and dividends", 10, true, false},
      {"11. Monthly rental income", 11, false, false},
      {"12. Monthly income from royalties, trusts, or estates", 12, false, false},
      {"13. Monthly reimbursed expenses and in-kind payments to the extent that they reduce personal living expenses",
       13, false, false},
      {"14. Monthly gains derived from dealing in property (not including nonrecurring gains)", 14, false, false},
      {"15. Any other income of a recurring nature (identify source):", 15, false, false},
      {"16.", 16, false, false},
      {"17. TOTAL PRESENT MONTHLY GROSS INCOME (Add lines 1 through 16)", 17, true, false},
  };
  double top = 8250;
  auto line = [&](const Line& l) {
    b.Label(QString::fromLatin1(l.label), l.sub ? 1200 : 600, top + 30, l.sub ? 3900 : 8700);
    PageControl& amount = b.Amount("S1", l.index, l.sub ? 5190 : 9420, top, l.sub ? 1700 : 1815);
    if (l.total) {
      amount.locked = true;
      amount.tint = Tint::SectionTotal;
    }
    top += 370;
  };
  for (const Line& l : lines) {
    if (l.index == 16) {
      b.Text("S1T", 21, 1200, top - 30, 7300, QStringLiteral(" "));
      top += 360;
      b.Text("S1T", 22, 1200, top, 3800, QStringLiteral(" "));
    }
    line(l);
  }
  b.Heading("PRESENT MONTHLY DEDUCTIONS:", 600, 19500, 3500);
  top = 19850;
  line({"18. Monthly federal, state, and local income tax (corrected for filing status and allowable dependents)",
        18, false, false});
  b.Label("a. Filing Status", 1200, 20890, 1600);
  AddFilingStatus(b, 20860);
  b.Label("b. Number of dependents claimed", 6700, 20890, 3000);
  b.Text("S1T", 0, 9700, 20860, 390, QStringLiteral(" "));
  top = 21350;
  const Line deductions[] = {
      {"19. Monthly FICA or self-employment taxes", 19, false, false},
      {"20. Monthly Medicare payments", 20, false, false},
      {"21. Monthly mandatory union dues", 21, false, false},
      {"22. Monthly mandatory retirement payments", 22, false, false},
      {"23. Monthly health insurance payments (including dental insurance), excluding portion paid for any minor "
       "children of this relationship",
       23, false, false},
      {"24. Monthly court-ordered child support actually paid for children from another relationship", 24, false,
       false},
      {"25a. From this case:", 30, false, true},
      {"25b. Ordered pre 2019", 31, false, true},
      {"25b. Ordered post 2018", 38, false, true},
      {"25. Monthly court-ordered alimony actually paid (Add 25a and 25b)", 25, true, false},
      {"26. TOTAL DEDUCTIONS ALLOWABLE UNDER SECTION 61.30, DADUDAV STATUTES (Add lines 18 through 25)", 26, true,
       false},
      {"27. PRESENT NET MONTHLY INCOME (Subtract line 26 from line 17)", 27, true, false},
  };
  for (const Line& l : deductions) line(l);

  b.Heading("SECTION II.  AVERAGE MONTHLY EXPENSES", 600, 26550, 6000);
  top = 27100;
  struct Group {
    const char* heading;
    const char* note;
    std::vector<std::pair<int, const char*>> names;  // S2N index, design name
    int firstAmount;
    int subtotal;
    double amountLeft;
  };
  const Group groups[] = {
      {"A. HOUSEHOLD: (short form may use any 8 fields)",
       "Label64",
       {{0, "Mortage or rent"},
        {1, "Property taxes"},
        {2, "Utilities"},
        {3, "Telephone"},
        {4, "Food"},
        {5, "Meals outside home"},
        {6, "Maintenance/Repairs"},
        {7, "Other: "}},
       1,
       25,
       5580},
      {"B. AUTOMOBILE: (short form may use any 3  fields)",
       "Label63",
       {{19, "Gasoline"}, {20, "Repairs"}, {21, "Insurance"}},
       26,
       35,
       5580},
      {"C. CHILD(REN)'S EXPENSES: (short form may use any 7 fields)",
       "Label62",
       {{27, "Day Care"},
        {28, "Lunch money"},
        {29, "Clothing"},
        {30, "Grooming"},
        {31, "Gifts for holidays"},
        {32, "Medical/Dental (uninsured)"},
        {33, "Other:"}},
       36,
       58,
       5580},
      {"D. INSURANCE:  (short form may use any 4 fields)",
       "Label61",
       {{64, "Medical/Dental (not on Line 23)"}, {65, "Child(ren)'s medical/dental"}, {66, "Life insurance"}, {67, "Other:"}},
       64,
       69,
       5580},
      {"E. OTHER EXPENSES NOT LISTED ABOVE: (short form may use any 14  fields)",
       "Label60",
       {{49, "Clothing"},
        {50, "Medical/Dental (uninsured)"},
        {51, "Grooming"},
        {52, "Entertainment"},
        {53, "Gifts"},
        {54, "Religious organizations"},
        {55, "Miscellaneous"},
        {56, "Other:"},
        {57, " "},
        {58, " "},
        {59, " "},
        {60, " "},
        {61, " "},
        {62, " "}},
       70,
       90,
       5580},
  };
  for (const Group& g : groups) {
    b.Heading(QString::fromLatin1(g.heading), 600, top + 30, 9000).blue = true;
    top += 330;
    Note(b, g.note, 1530, top);
    top += 300;
    int amount = g.firstAmount;
    for (const auto& [nameIndex, name] : g.names) {
      b.Text("S2N", nameIndex, 1575, top, 3045, QString::fromLatin1(name));
      b.Amount("S2", amount++, g.amountLeft, top);
      top += 360;
    }
    b.Heading("SUBTOTAL", 1575, top + 30, 3000);
    b.Total("S2", g.subtotal, g.amountLeft, top);
    top += 450;
  }
  b.Heading("F. PAYMENTS TO CREDITORS:  (short form may use any 11 fields)", 600, top + 30, 9000).blue = true;
  top += 330;
  Note(b, "Label59", 1530, top);
  top += 300;
  b.Label("CREDITOR:", 1605, top + 30, 3000);
  b.Label("MONTHLY PAYMENT", 5490, top + 30, 2000);
  top += 330;
  for (int i = 16; i <= 26; ++i) {
    b.Text("S2T", i, 1605, top, 3045);
    b.Amount("S2", 91 + (i - 16), 5490, top);
    top += 360;
  }
  b.Heading("SUBTOTAL", 1605, top + 30, 3000);
  b.Total("S2", 104, 5490, top);
  top += 500;
  b.Heading("28. TOTAL MONTHLY EXPENSES:", 600, top + 30, 3400);
  b.Label("(add ALL monthly amounts in A through F above)", 4000, top + 30, 4600);
  b.Total("S2", 105, 8745, top);
  top += 480;
  b.Heading("SUMMARY", 600, top + 30, 3000).blue = true;
  top += 360;
  const char* summary[] = {"29. TOTAL PRESENT MONTHLY NET INCOME", "30. TOTAL MONTHLY EXPENSES ", "31. SURPLUS ",
                           "32. (DEFICIT) "};
  for (int k = 0; k < 4; ++k) {
    b.Heading(summary[k], 600, top + 30, 6000);
    b.Total("S2", 106 + k, 8745, top);
    top += 420;
  }
  return b.Take();
}

PageDesign BuildForm123() {
  PageBuilder b(PageId::Form123, QStringLiteral("Form123"), 42465);
  b.PageButtons(630, 180, 41550);
  b.Heading("SECTION III. ASSETS AND LIABILITIES", 5700, 240, 4000);
  b.Heading("SHORT FORM", 9800, 240, 1600);
  struct Table {
    const char* heading;
    const char* note;
    const char* description;
    const char* value;
    const char* sample;
    const char* checkArray;
    const char* pArray;
    const char* wArray;
    const char* textArray;
    const char* amountArray;
    int first, last;
    double top;
  };
  const Table tables[] = {
      {"A. ASSETS:  (short form may use any 18 fields)", "Label58", "DESCRIPTION OF ITEM(S)",
       "Current Fair Market Value", "Check12", "S3c", "s3ch", "s3cw", "S3T", "S3", 0, 17, 2520},
      {"B. LIABILITIES:  (short form may use any 18 fields)", "Label57", "DESCRIPTION OF ITEM(S)",
       "Current Amount Owed", "Check4", "S4c", "s4ch", "s4cw", "S4T", "S4", 0, 17, 11565},
      {"Contingent Assets", "Label56", "DESCRIPTION OF ITEM(S)", "Possible Value", "Check5", "S4c", "s4ch", "s4cw",
       "S4T", "S4", 28, 32, 21705},
      {"Contingent Liabilities", nullptr, "DESCRIPTION OF ITEM(S)", "Possible Amount Owed", "Check8", "S4c", "s4ch",
       "s4cw", "S4T", "S4", 34, 38, 24810},
  };
  const std::map<int, const char*> assets = {{0, "Cash (on hand)"},
                                             {1, "Cash (in banks or credit unions)"},
                                             {3, "Stocks/Bonds"},
                                             {6, "Notes (money owed to you in writing)"},
                                             {9, "Money owed to you (not evidenced by a note)"},
                                             {12, "Real estate: (Home)"},
                                             {13, "(Other)"},
                                             {17, "Field (17)"}};
  const std::map<int, const char*> debts = {{0, "Mortgages on real estate: First mortgage on home"},
                                            {1, "Second mortgage on home"},
                                            {2, "Other mortgages"},
                                            {4, "Charge/credit card accounts"},
                                            {10, "Auto loan"},
                                            {11, "Auto loan"},
                                            {12, "Bank/Credit Union loans"},
                                            {16, "Money you owe (not evidenced by a note)"}};
  for (const Table& t : tables) {
    const bool isAssets = QString::fromLatin1(t.textArray) == "S3T";
    if (t.first == 28) {
      b.Heading("C. CONTINGENT ASSETS AND LIABILITIES:  (short form may use any 5 Asset and any 5 liability fields)",
                600, t.top - 1200, 10500);
    }
    b.Heading(QString::fromLatin1(t.heading), 600, t.top - 900, 7000).blue = true;
    if (t.note) Note(b, t.note, 600, t.top - 630);
    b.Label("A", 900, t.top - 330, 300).bold = true;
    b.Label(QString::fromLatin1(t.description), 1200, t.top - 330, 5900).fontSize = 8.25;
    b.Label(QString::fromLatin1(t.value), 7260, t.top - 330, 1815).fontSize = 8.25;
    b.Label("Nonmarital", 9480, t.top - 600, 1700).fontSize = 8.25;
    b.Label("column", 9480, t.top - 400, 1700).fontSize = 8.25;
    PageControl& sample = b.Check(QString::fromLatin1(t.sample), -1, QString(), 11100, t.top - 600, 300);
    sample.checkValue = 1;
    sample.disabled = true;
    b.Label("Petitioner", 9480, t.top - 200, 900).fontSize = 8.25;
    b.Label(" Respondent", 10320, t.top - 200, 1000).fontSize = 8.25;
    for (int i = t.first; i <= t.last; ++i) {
      const double top = t.top + (i - t.first) * 360;
      b.Check(t.checkArray, i, QString(), 870, top + 30, 300);
      const QString text = isAssets ? (assets.count(i) ? assets.at(i) : "")
                                    : (debts.count(i) && i < 18 ? debts.at(i) : "");
      b.Text(t.textArray, i, 1215, top, 5925, text);
      b.Amount(t.amountArray, i, 7275, top);
      b.Check(t.pArray, i, QString(), 9510, top + 30, 300);
      b.Check(t.wArray, i, QString(), 10350, top + 30, 300);
    }
  }
  auto totalRow = [&](const char* text, const char* amount, int index, double top, Tint tint, const char* caption) {
    PageControl& c = b.Text(text, index, 1215, top, 5925, QString::fromLatin1(caption));
    c.locked = c.bold = true;
    b.Total(amount, index, 7275, top, 1815, tint);
    const bool assets = QString::fromLatin1(amount) == "S3";
    b.Check(assets ? "S3c" : "S4c", index, QString(), 870, top + 30, 300).hidden = true;
    b.Check(assets ? "s3ch" : "s4ch", index, QString(), 9510, top + 30, 300).hidden = true;
    b.Check(assets ? "s3cw" : "s4cw", index, QString(), 10350, top + 30, 300).hidden = true;
  };
  totalRow("S3T", "S3", 63, 2520 + 18 * 360, Tint::SectionTotal, "Total Assets (add next column)");
  totalRow("S4T", "S4", 27, 11565 + 18 * 360, Tint::SectionTotal, "Total Debts (add next column)");
  for (int i = 40; i <= 42; ++i) {
    PageControl& c = b.Amount("S4", i, 7275, 11565 + 19 * 360, 1815);
    c.text = "NOT USED";
    c.locked = c.hidden = true;
  }
  totalRow("S4T", "S4", 33, 21705 + 5 * 360, Tint::ContingentTotal, "Total Contingent Assets");
  totalRow("S4T", "S4", 39, 24810 + 5 * 360, Tint::ContingentTotal, "Total Contingent Liabilities");
  b.Edit("S4c", 39)->text = QStringLiteral("Check16");
  AddClosingBlocks(b, 27210, true);
  return b.Take();
}

}  // namespace affidavit
