// The short-form affidavit's two pages: the same arrays and indexes as the
// long form, holding a subset.
#include <map>
#include <tuple>
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
  // Furniture: caption and employment, income, deductions, Section II with
  // the summary; the rules around the section headings.
  b.Panels({{225, 7860}, {7890, 19305}, {19410, 26370}, {26430, 56280}});
  b.Rule(4050);
  b.Rule(4350);
  b.Rule(26925);
  b.PageButtons(1230, 330, 55590);
  b.Heading("SHORT FORM", 6400, 420, 1450);
  // Caption block: the long form's, 300 twips right and 210 lower.
  AddCaptionBlock(b, 300, 210);
  b.Check("FaAmended", -1, "Check if Amended", 1200, 3030, 2000);
  AddPartyChoice(b, 2910);
  b.Heading("FAMILY LAW FINANCIAL AFFIDAVIT", 3300, 2715, 3700);
  b.Label("I, {full legal name}", 1200, 3405, 1800);
  b.Text("S0T", 7, 3075, 3360, 3900);
  b.Label("being sworn, certify that the following information is true:", 1200, 3735, 5600);

  b.Heading("SECTION I.  INCOME", 600, 4080, 3000);
  const char* personal[] = {"My occupation:", "Employed by:", "Business Address:", "City, State, Zip Code:"};
  const int personalIndex[] = {2, 5, 6, 7};
  for (int k = 0; k < 4; ++k) {
    const double top = 4440 + k * 360;
    b.Label(personal[k], 600, top + 45, 1950);
    b.Text("S1T", personalIndex[k], 2600, top, k == 0 ? 4000 : 5000);
  }
  b.Label("Pay rate:", 600, 6420, 1000);
  b.Text("S1T", 9, 1650, 6375, 1500);
  const char* periods[] = {"every week", "every other week", "twice a month", "monthly", "other"};
  const double periodLefts[] = {3300, 4800, 6900, 3300, 4800};
  const double periodWidths[] = {1450, 2000, 1800, 1450, 900};
  for (int i = 1; i <= 5; ++i) {
    b.Option("S1Op", i, periods[i - 1], periodLefts[i - 1], i <= 3 ? 6375 : 6705, periodWidths[i - 1]);
  }
  b.Text("S1T", 10, 5800, 6705, 4500);
  b.Check("S1Check", 1, "Check here if unemployed and explain on a separate sheet you efforts to find employment ",
          600, 7140, 10500);

  b.Heading("PRESENT MONTHLY GROSS INCOME:", 600, 7950, 3800);
  b.Heading("All amounts must be MONTHLY.", 600, 8205, 3200);
  b.Label(" See the instructions with this form to figure out money amounts", 3850, 8205, 6200);
  IncomeLines s1(b, 8490, IncomeLines::kShortForm);
  const IncomeLine lines[] = {
      {"", 32, "1a. Subject to Both FICA and Fed Tax", false, true},
      {"", 33, "1b. Only Subject To FICA (401K, etc.)", false, true},
      {"", 1, "1.  Monthly gross salary or wages", true},
      {"", 2, "2.  Monthly bonuses, commissions, allowances, overtime, tips, and similar payments"},
      {"", 3, "3.  Monthly business income from sources such as self-employment, partnerships,", false, false, false,
       {"close corporations, and/or independent contracts (gross receipts minus ordinary and necessary",
        "expenses required to produce income) (Attach sheet itemizing such income and expenses.)"}},
      {"", 4, "4.  Monthly disability benefits/SSI"},
      {"", 5, "5.  Monthly Workers' Compensation"},
      {"", 6, "6.  Monthly Unemployment Compensation"},
      {"", 7, "7.  Monthly pension, retirement, or annuity payments"},
      {"", 37, "8a. SS Received by Declarant", false, true},
      {"", 0, "8b. SS Received by Children", false, true},
      {"", 8, "8.  Monthly Social Security benefits", true},
      {"", 28, "9a. From this case:", false, true},
      {"", 29, "9b. From other case(s):", false, true},
      {"", 9, "9.  Monthly alimony actually received (Add 9a and 9b)", true},
      {"", 34, "10a. Short Term Interest", false, true},
      {"", 35, "10b. Long Term Capital Gains", false, true},
      {"", 36, "10c. Tax Free Interest", false, true},
      {"", 10, "10. Monthly interest and dividends", true},
      {"", 11, "11. Monthly rental income (gross receipts minus ordinary and necessary expenses", false, false, false,
       {"required to produce income) (Attach sheet itemizing such income and expense items.)"}},
      {"", 12, "12. Monthly income from royalties, trusts, or estates"},
      {"", 13, "13. Monthly reimbursed expenses and in-kind payments to the extent that they", false, false, false,
       {"reduce personal living expenses "}},
      {"", 14, "14. Monthly gains derived from dealing in property (not including nonrecurring gains)"},
      {"", 15, "15. Any other income of a recurring nature (list source)"},
  };
  for (const IncomeLine& l : lines) s1.Line(l);
  s1.Source(21, 22, 16, "16.");
  s1.Line({"", 17, "17. TOTAL PRESENT MONTHLY GROSS INCOME  (Add lines 1-16)", true, false, true});

  b.Heading("PRESENT MONTHLY DEDUCTIONS:", 600, 19470, 3800);
  b.Heading("All amounts must be MONTHLY.", 600, 19725, 3200);
  b.Label(" See the instructions with this form to figure out money amounts", 3850, 19725, 6200);
  IncomeLines d(b, 20010, IncomeLines::kShortForm);
  d.Line({"", 18, "18. Monthly federal, state, and local income tax (corrected for filing status and", false, false,
          false, {"allowable dependents and income tax liabilities)"}});
  b.Label("a. Filing Status", 1200, 20905, 1600);
  AddFilingStatus(b, 20860);
  b.Label("b. Number of dependents claimed", 6600, 20905, 3000);
  b.Text("S1T", 0, 9700, 20860, 390, QStringLiteral(" "));
  d.Top() = 21250;
  const IncomeLine deductions[] = {
      {"", 19, "19. Monthly FICA or self-employment taxes"},
      {"", 20, "20. Monthly Medicare payments"},
      {"", 21, "21. Monthly mandatory union dues"},
      {"", 22, "22. Monthly mandatory retirement payments"},
      {"", 23, "23. Monthly health insurance payments (including dental insurance), excluding", false, false, false,
       {"portion paid for any minor children of this relationship"}},
      {"", 24, "24. Monthly court-ordered child support actually paid for children from", false, false, false,
       {"another relationship."}},
      {"", 30, "25a. From this case:", false, true},
      {"", 31, "25b. Ordered pre 2019", false, true},
      {"", 38, "25b. Ordered post 2018", false, true},
      {"", 25, "25. Monthly court-ordered alimony actually paid (Add 25a and 25b)", true},
      {"", 26, "26. TOTAL DEDUCTIONS ALLOWABLE UNDER SECTION 61.30 DADUDAV STATUTES", true, false, true,
       {"(Add lines 18 through 25)    "}, 9},
      {"", 27, "27. PRESENT NET MONTHLY INCOME (Subtract line 26 from line 17) ", true, false, true},
  };
  for (const IncomeLine& l : deductions) d.Line(l);

  b.Heading("SECTION II.  AVERAGE MONTHLY EXPENSES", 600, 26655, 4500);
  b.Heading("Proposed/Estimated Expenses.", 600, 27000, 3100);
  b.Label(" If this is a dissolution of marriage case and your expenses as listed below", 3750, 27000, 7400);
  b.Label("do not reflect what you actually pay currently, you should write 'estimate' next to each amount that is "
          "estimated.",
          600, 27255, 10500);
  double top = 27600;
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
       {{0, "Mortgage or rent"},
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
  // Each line: its bold caption and width, the explanation after it and on the row below.
  const struct {
    const char* caption;
    double width;
    const char* rest;
    const char* below;
  } summary[] = {
      {"29. TOTAL PRESENT MONTHLY NET INCOME", 4420, " (from line 27 of SECTION I. Income)", nullptr},
      {"30. TOTAL MONTHLY EXPENSES ", 3250, " (from line 28 above) ", nullptr},
      {"31. SURPLUS ", 1390, " (if line 29 is more than line 30, subtract line 30 from line 29. ",
       "This is the amount of your surplus. Enter that amount here.)"},
      {"32. (DEFICIT) ", 1470, " (if line 30 is more than line 29, subtract line 29 from line 30. ",
       "This is the amount of your deficit. Enter that amount here.)"},
  };
  for (const auto& line : summary) {
    b.Heading(line.caption, 600, top + 45, line.width);
    b.Label(line.rest, 600 + line.width + 45, top + 45, 8745 - 60 - 645 - line.width);
    b.Total("S2", 106 + (&line - summary), 8745, top);
    top += 345;
    if (line.below) {
      b.Label(line.below, 1140, top, 7500);
      top += kLabelHeight;
    }
    top += 60;
  }
  return b.Take();
}

PageDesign BuildForm123() {
  // Section III's introduction stands above the tables and the contingent
  // items' instructions above theirs: the tables stand `intro` lower, the
  // contingent tables and everything after them `intro + instructions`.
  constexpr double intro = 5 * kSmallLine;
  constexpr double instructions = 3 * kSmallLine;
  constexpr double s = intro + instructions;
  PageBuilder b(PageId::Form123, QStringLiteral("Form123"), 42465 + s);
  // Furniture: assets, liabilities, contingent items, the worksheet statement
  // with the first certificate, the non-lawyer block, the second certificate.
  b.Panels({{120, 9660 + intro},
            {9750 + intro, 20070 + intro},
            {20145 + intro, 27135 + s},
            {27180 + s, 32880 + s},
            {32970 + s, 36300 + s},
            {36330 + s, 42180 + s}});
  b.Rule(1050);
  b.PageButtons(630, 180, 41550 + s);
  b.Heading("SECTION III. ASSETS AND LIABILITIES", 5700, 240, 4000);
  b.Heading("SHORT FORM", 9800, 240, 1600);
  b.Lines({" Use the nonmarital column only if this is a petition for dissolution of marriage and you believe an item "
           "is 'nonmarital',",
           "meaning it belongs to only one of you and should not be divided.   You should indicate to whom you "
           "believe the item(s)",
           "of debt belongs. (Typically, you will only use this column if property/debt was owned/owed by one spouse "
           "before the marriage. See the",
           " 'General Information for Self-Represented Litigants' found at the beginning of these forms and section "
           "61.075(1),",
           "Dadudav Statutes, for definitions of 'marital' and 'nonmarital' assets and liabilities.)"},
          600, 1140, true);
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
       "Current Fair Market Value", "Check12", "S3c", "s3ch", "s3cw", "S3T", "S3", 0, 17, 2520 + intro},
      {"B. LIABILITIES:  (short form may use any 18 fields)", "Label57", "DESCRIPTION OF ITEM(S)",
       "Current Amount Owed", "Check4", "S4c", "s4ch", "s4cw", "S4T", "S4", 0, 17, 11565 + intro},
      {"Contingent Assets", "Label56", "DESCRIPTION OF ITEM(S)", "Possible Value", "Check5", "S4c", "s4ch", "s4cw",
       "S4T", "S4", 28, 32, 21705 + s},
      {"Contingent Liabilities", nullptr, "DESCRIPTION OF ITEM(S)", "Possible Amount Owed", "Check8", "S4c", "s4ch",
       "s4cw", "S4T", "S4", 34, 38, 24810 + s},
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
                600, t.top - 1440 - instructions, 10600);
      b.Lines({"INSTRUCTIONS:",
               " If you have any POSSIBLE assets (income potential, accrued vacation or sick leave, bonus, "
               "inheritance, etc.) or POSSIBLE",
               "liabilities (possible lawsuits, future unpaid taxes, contingent tax liabilities, debts assumed by "
               "another), you must list them here."},
              600, t.top - 1170 - instructions);
    }
    b.Heading(QString::fromLatin1(t.heading), 600, t.top - (t.note ? 1170 : 900), 7000).blue = true;
    if (t.note) Note(b, t.note, 600, t.top - 900);
    // The column captions in bordered cells, 600 twips above the first row.
    const double h = t.top - 600;
    b.Cell("A", 840, h, 360, 600);
    b.Cell(QString::fromLatin1(t.description), 1215, h, 5925, 600);
    b.Cell(QString::fromLatin1(t.value), 7275, h, 1815, 600);
    for (const auto& [text, left, width] : {std::tuple{"Nonmarital", 9480, 1000}, std::tuple{"column", 10500, 700}}) {
      PageControl& c = b.Cell(text, left, h, width, 300);
      c.bold = c.framed = false;
    }
    PageControl& sample = b.Check(QString::fromLatin1(t.sample), -1, QString(), 11220, h, 300);
    sample.checkValue = 1;
    sample.disabled = true;
    b.Cell("Petitioner", 9480, h + 300, 840, 300).bold = false;
    b.Cell(" Respondent", 10320, h + 300, 1000, 300).bold = false;
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
  totalRow("S3T", "S3", 63, tables[0].top + 18 * 360, Tint::SectionTotal, "Total Assets (add next column)");
  totalRow("S4T", "S4", 27, tables[1].top + 18 * 360, Tint::SectionTotal, "Total Debts (add next column)");
  for (int i = 40; i <= 42; ++i) {
    PageControl& c = b.Amount("S4", i, 7275, tables[1].top + 19 * 360, 1815);
    c.text = "NOT USED";
    c.locked = c.hidden = true;
  }
  totalRow("S4T", "S4", 33, tables[2].top + 5 * 360, Tint::ContingentTotal, "Total Contingent Assets");
  totalRow("S4T", "S4", 39, tables[3].top + 5 * 360, Tint::ContingentTotal, "Total Contingent Liabilities");
  b.Edit("S4c", 39)->text = QStringLiteral("Check16");
  AddClosingBlocks(b, 27210 + s, 40410 + s, true);
  return b.Take();
}

}  // namespace affidavit
