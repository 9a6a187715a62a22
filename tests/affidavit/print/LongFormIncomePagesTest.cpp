// Long form pages 1 to 3: caption, title, employment, gross income and
// deductions, read back from the recorded document.
#include <set>

#include "LongFormFixture.h"

using namespace longformtest;
using casevars::AffidavitValue;

namespace {

class LongFormIncomePagesTest : public LongFormFixture {
 protected:
  static std::set<QString> BoldTexts(const Page& page) {
    std::set<QString> bold;
    for (const TextRun* r : page.textRuns())
      if (r->font.bold) bold.insert(r->text);
    return bold;
  }
  // The run printed right after `r` on its line.
  static const TextRun* Next(const Page& page, const TextRun* r) {
    const auto line = LineOf(page, r);
    for (size_t i = 0; i + 1 < line.size(); ++i)
      if (line[i] == r) return line[i + 1];
    return nullptr;
  }
};

TEST_F(LongFormIncomePagesTest, TitleCentredOnItsBoldWidth) {
  for (auto [amended, title] :
       {std::pair{1, "AMENDED - FAMILY LAW FINANCIAL AFFIDAVIT (LONG FORM)"},
        std::pair{0, "FAMILY LAW FINANCIAL AFFIDAVIT (LONG FORM)"},
        std::pair{2, "FAMILY LAW FINANCIAL AFFIDAVIT (LONG FORM)"}}) {
    pages.SetValue(E("FaAmended"), amended);
    const Page page = DrawPage(1);
    const TextRun* t = Find(page, title);
    ASSERT_TRUE(t) << amended;
    EXPECT_TRUE(t->font.bold);
    EXPECT_NEAR(t->position.x(), (12240 - WidthOf(title, true)) / 2, 0.01);
    EXPECT_GT(WidthOf(title, true), WidthOf(title));  // so centring on the regular width shows
    const QString income = "($50,000 or more Individual Gross Annual Income)";
    const TextRun* i = Find(page, income);
    ASSERT_TRUE(i);
    EXPECT_FALSE(i->font.bold);
    EXPECT_NEAR(i->position.x(), (12240 - WidthOf(income)) / 2, 0.01);
  }
}

TEST_F(LongFormIncomePagesTest, EmptyCaptionPrintsItsLabelsAndFullUnderlines) {
  const Page page = DrawPage(1);
  struct Rule {
    const char* label;
    double x;
    double end;
  } rules[] = {{"IN THE CIRCUIT COURT OF THE ", 2160, 8640},
               {"IN AND FOR ", 2880, 8640},
               {"Case No.: ", 6480, 10800},
               {"Division: ", 6480, 10800},
               {"My age is: ", 2160, 5760},
               {"My occupation is: ", 2160, 10800},
               {"Employed by: ", 2160, 10800},
               {"Retired.  Date of retirement: ", 2160, 7200},
               {"Employer from whom retired: ", 2160, 10800},
               {"Pay rate: ", 2160, 5040}};
  for (const Rule& r : rules) {
    const TextRun* label = Find(page, r.label);
    ASSERT_TRUE(label) << r.label;
    EXPECT_DOUBLE_EQ(label->position.x(), r.x) << r.label;
    EXPECT_TRUE(HasRule(page, End(label), r.end, Below(label, 100))) << r.label;
  }
  EXPECT_EQ(Find(page, "JUDICIAL CIRCUIT,")->position.x(), 8640);
  EXPECT_EQ(Find(page, "COUNTY, DADUDAV")->position.x(), 8640);
  // The parties' lines: nothing printed, a rule from 1440 to 6480 above each role.
  for (const char* role : {"Petitioner,", "Respondent."}) {
    const TextRun* r = Find(page, role);
    EXPECT_DOUBLE_EQ(r->position.x(), 5040);
    EXPECT_TRUE(HasRule(page, 1440, 6480, r->position.y())) << role;
  }
  EXPECT_DOUBLE_EQ(Find(page, "and")->position.x(), 3240);
  const TextRun* heading = Find(page, "SECTION I. INCOME");
  ASSERT_TRUE(heading);
  EXPECT_TRUE(heading->font.bold);
  int heavy = 0;
  for (const LineItem* l : Rules(page))
    if (l->pen.width == 26 && l->from.x() == 1440 && l->to.x() == 10800) ++heavy;
  EXPECT_EQ(heavy, 2);
}

TEST_F(LongFormIncomePagesTest, CaptionAndAnswersPrintAsTyped) {
  pages.SetText(E("S0T", 1), "NINTH");
  pages.SetText(E("S0T", 3), "2026-DR-0042");
  pages.SetText(E("S0T", 5), "Jane Q. Roe");
  pages.SetText(E("S1T", 1), "  41 ");
  pages.SetText(E("S1T", 5), "Acme, Inc.");
  pages.SetText(E("S1T", 16), "Orlando, DV 32801");
  pages.SetText(E("S1T", 17), "(407) 555-0100");
  const Page page = DrawPage(1);
  EXPECT_EQ(Next(page, Find(page, "IN THE CIRCUIT COURT OF THE "))->text, "NINTH");
  EXPECT_EQ(Next(page, Find(page, "Case No.: "))->text, "2026-DR-0042");
  EXPECT_DOUBLE_EQ(Find(page, "Jane Q. Roe")->position.x(), 1440);
  EXPECT_EQ(Next(page, Find(page, "My age is: "))->text, "  41 ");
  EXPECT_EQ(Next(page, Find(page, "1.   "))->text, "My age is: ");
  EXPECT_EQ(Next(page, Find(page, "Employed by: "))->text, "Acme, Inc.");
  // City and telephone share a line, each with its own rule.
  const TextRun* city = Find(page, "City, State, Zip Code: ", 1);
  const TextRun* phone = Find(page, "Telephone Number: ", 1);
  ASSERT_TRUE(city && phone);
  EXPECT_TRUE(SameLine(city, phone));
  EXPECT_DOUBLE_EQ(phone->position.x(), 7560);
  EXPECT_TRUE(HasRule(page, End(city), 7560, Below(city, 100)));
  EXPECT_TRUE(HasRule(page, End(phone), 10800, Below(city, 100)));
  EXPECT_EQ(Next(page, phone)->text, "(407) 555-0100");
}

TEST_F(LongFormIncomePagesTest, CheckBlanksEmptyOrMarked) {
  // Before "Unemployed", "Employed by: ", the second-job line and "Retired.  ...".
  const char* const after[] = {"Unemployed", "Employed by: ",
                               " Check here if you currently have more than one job.  List the "
                               "information above for the second",
                               "Retired.  Date of retirement: "};
  for (const int ticked : {0, 1}) {
    for (int i = 1; i <= 4; ++i) pages.SetValue(E("S1Check", i), ticked);
    const Page page = DrawPage(1);
    const QString blank = ticked ? " X " : "   ";
    for (int i = 0; i < 4; ++i) {
      const TextRun* b = Find(page, blank, i);
      ASSERT_TRUE(b) << ticked << i;
      EXPECT_TRUE(b->font.underline);
      EXPECT_EQ(b->font.bold, ticked == 1);
      EXPECT_EQ(Next(page, b)->text, after[i]) << ticked << i;
    }
    EXPECT_FALSE(Find(page, blank, 4));
  }
  // Three of the four follow the item letters.
  for (int i = 1; i <= 4; ++i) pages.SetValue(E("S1Check", i), 2);  // greyed: not ticked
  const Page page = DrawPage(1);
  EXPECT_EQ(Next(page, Find(page, "a.  "))->text, "   ");
  EXPECT_DOUBLE_EQ(Find(page, "   ", 2)->position.x(), 2160);  // the second-job line
}

TEST_F(LongFormIncomePagesTest, PayPeriodMarks) {
  const QString weekNone = "(   ) every week  (    ) every other week   (    ) twice a month";
  const QString monthNone = "(    ) monthly  (    ) other: ";
  struct Case {
    int chosen;
    QString weekly;
    QString monthly;
  } cases[] = {
      {0, weekNone, monthNone},
      {1, "( X ) every week  (    ) every other week   (    ) twice a month", monthNone},
      {2, "(   ) every week  (  X ) every other week   (    ) twice a month", monthNone},
      {3, "(   ) every week  (    ) every other week   (  X ) twice a month", monthNone},
      {4, weekNone, "(  X ) monthly  (    ) other: "},
      {5, weekNone, "(    ) monthly  (  X ) other: "},
  };
  for (const Case& c : cases) {
    for (int i = 1; i <= 5; ++i) pages.SetValue(E("S1Op", i), i == c.chosen ? 1 : 0);
    pages.SetText(E("S1T", 10), c.chosen == 5 ? "quarterly" : "");
    const Page page = DrawPage(1);
    const TextRun* weekly = Find(page, c.weekly);
    ASSERT_TRUE(weekly) << c.chosen;
    EXPECT_DOUBLE_EQ(weekly->position.x(), 5040);
    const TextRun* monthly = Find(page, c.monthly);
    ASSERT_TRUE(monthly) << c.chosen;
    EXPECT_DOUBLE_EQ(monthly->position.x(), 2160);
    EXPECT_TRUE(HasRule(page, End(monthly), 10800, Below(monthly, 100)));
    if (c.chosen == 5) {
      EXPECT_EQ(Next(page, monthly)->text, "quarterly");
    }
  }
}

TEST_F(LongFormIncomePagesTest, LongNameRunsUnderTheFixedEndOfTheOath) {
  pages.SetText(E("S0T", 7), QString(120, 'W'));
  const Page page = DrawPage(1);
  const TextRun* being = Find(page, ", being  ");
  ASSERT_TRUE(being);
  EXPECT_DOUBLE_EQ(being->position.x(), 10080);
  const TextRun* prompt = Find(page, " {full legal name}  ");
  EXPECT_TRUE(prompt->font.italic);
  EXPECT_EQ(Next(page, Find(page, "I, "))->text, " {full legal name}  ");
  const TextRun* name = Next(page, prompt);
  EXPECT_GT(End(name), 10080);  // over ", being  "
  EXPECT_TRUE(HasRule(page, End(prompt), 10080, Below(being, 100)));
}

TEST_F(LongFormIncomePagesTest, LastYearsIncomePrintsAsTyped) {
  const Page empty = DrawPage(2);
  const TextRun* year = Find(empty, "YEAR  ");
  ASSERT_TRUE(year);
  EXPECT_EQ(LineOf(empty, year).size(), 1u);
  const double below = Below(year, 125);
  EXPECT_TRUE(HasRule(empty, End(year), 4320, below));
  EXPECT_TRUE(HasRule(empty, 5040, 7200, below));
  EXPECT_TRUE(HasRule(empty, 7920, 10080, below));

  pages.SetText(E("S1T", 18), "2025");
  pages.SetText(E("S1T", 19), "85000.50");
  pages.SetText(E("S1T", 20), "$ 1,2 unknown");
  const Page page = DrawPage(2);
  const auto line = LineOf(page, Find(page, "YEAR  "));
  ASSERT_EQ(line.size(), 4u);
  EXPECT_EQ(line[1]->text, "2025");
  EXPECT_EQ(line[2]->text, "85000.50");
  EXPECT_DOUBLE_EQ(line[2]->position.x(), 5040);
  EXPECT_EQ(line[3]->text, "$ 1,2 unknown");
  EXPECT_DOUBLE_EQ(line[3]->position.x(), 7920);
  EXPECT_DOUBLE_EQ(Find(page, "Your Income")->position.x(), 5040);
  EXPECT_DOUBLE_EQ(Find(page, "Other Party's Income (if known)")->position.x(), 7920);
}

TEST_F(LongFormIncomePagesTest, AlimonySubLinesAndOtherIncomeDescriptions) {
  values.FDIncomeValues[9] = AffidavitValue::Of(1200.4);
  values.FDIncomeValues[28] = AffidavitValue::Of(1200.4);
  values.FDIncomeValues[29] = AffidavitValue::Of(0);  // no zero test on the sub-lines
  values.FDIncomeValues[16] = AffidavitValue::Of(300);
  pages.SetText(E("S1T", 22), "Royalties");
  const Page page = DrawPage(2);
  EXPECT_EQ(AmountOf(page, "9.   "), "$ 1,200");
  for (auto [label, amount] : {std::pair{"9a. From this case:  ", "$ 1,200"},
                               std::pair{"9b. From other case(s):  ", "$ 0"}}) {
    const TextRun* l = Find(page, label);
    ASSERT_TRUE(l) << label;
    EXPECT_DOUBLE_EQ(l->position.x(), 3384);
    const TextRun* a = Next(page, l);
    EXPECT_EQ(a->text, amount);
    EXPECT_TRUE(HasRule(page, a->position.x(), End(a), Below(l, 125))) << "exactly under it";
  }
  // Line 15's description is empty: a rule of no length under it.
  const TextRun* fifteen = Find(page, "15.   ");
  const double underFifteen = Below(fifteen, 125);
  EXPECT_TRUE(HasRule(page, 3384, 3384, underFifteen + LineUnit() * 1.25));
  // Line 16: number, amount at 1800 and the description share one line; the
  // description's rule is drawn before the amount blank's.
  const TextRun* sixteen = Find(page, "16.   ");
  ASSERT_TRUE(sixteen);
  EXPECT_NEAR(sixteen->position.y(), underFifteen + LineUnit() * 1.25, 0.01);
  EXPECT_EQ(AmountOf(page, "16.   "), "$ 300");
  const TextRun* royalties = Find(page, "Royalties");
  EXPECT_TRUE(SameLine(royalties, sixteen));
  EXPECT_DOUBLE_EQ(royalties->position.x(), 3384);
  const auto rules = Rules(page);
  const double y = Below(sixteen, 125);
  const auto at = [&](double x1, double x2) {
    for (size_t i = 0; i < rules.size(); ++i)
      if (rules[i]->from == QPointF(x1, y) && std::abs(rules[i]->to.x() - x2) < 0.01) return i;
    return rules.size();
  };
  EXPECT_LT(at(3384, End(royalties)), at(1800, 3240));
  EXPECT_LT(at(1800, 3240), rules.size());
}

TEST_F(LongFormIncomePagesTest, BoldTextsOfPagesTwoAndThree) {
  EXPECT_EQ(BoldTexts(DrawPage(2)),
            (std::set<QString>{"LAST YEAR'S GROSS INCOME:", "PRESENT MONTHLY GROSS INCOME:",
                               "All amounts must be MONTHLY.",
                               "(Attach sheet itemizing such income and expenses.)",
                               "(Attach sheet itemizing such income and expenses for each property)",
                               "TOTAL PRESENT MONTHLY GROSS INCOME "}));
  EXPECT_EQ(BoldTexts(DrawPage(3)),
            (std::set<QString>{"PRESENT MONTHLY DEDUCTIONS:", "All amounts must be MONTHLY.",
                               "TOTAL DEDUCTIONS ALLOWABLE UNDER SECTION 61.30 DADUDAV STATUTES",
                               "PRESENT NET MONTHLY INCOME "}));
  // Line 13's second line: plain and bold on one line.
  const Page page = DrawPage(2);
  const TextRun* personal = Find(page, "personal living expenses ");
  ASSERT_TRUE(personal);
  EXPECT_DOUBLE_EQ(personal->position.x(), 3384);
  EXPECT_EQ(Next(page, personal)->text, "(Attach sheet itemizing such income and expenses.)");
}

TEST_F(LongFormIncomePagesTest, FilingStatusAndDependents) {
  struct Case {
    std::vector<int> chosen;
    QString status;
  } cases[] = {
      {{}, QString(23, ' ')},
      {{0}, " Single "},
      {{1}, " Head Of Household "},
      {{2}, " Married File Separate "},
      {{3}, " Married File Jointly "},
      {{1, 3}, " Head Of Household "},
  };
  for (const Case& c : cases) {
    for (int i = 0; i < 4; ++i) pages.SetValue(E("S1FileOp", i), 0);
    for (int i : c.chosen) pages.SetValue(E("S1FileOp", i), 1);
    const Page page = DrawPage(3);
    const TextRun* label = Find(page, "18a.  Filing Status  ");
    ASSERT_TRUE(label);
    EXPECT_DOUBLE_EQ(label->position.x(), 3384);
    const TextRun* status = Next(page, label);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->text, c.status);
    EXPECT_TRUE(status->font.underline);
  }
  for (auto [typed, runs] : {std::pair{QString(), std::vector<QString>{"    "}},
                             std::pair{QString("2"), std::vector<QString>{"2", "    "}},
                             std::pair{QString("two"), std::vector<QString>{"two", "    "}}}) {
    pages.SetText(E("S1T", 0), typed);
    const Page page = DrawPage(3);
    const auto line = LineOf(page, Find(page, "18b. Number of dependents claimed  "));
    ASSERT_EQ(line.size(), runs.size() + 1) << typed.toStdString();
    for (size_t i = 0; i < runs.size(); ++i) {
      EXPECT_EQ(line[i + 1]->text, runs[i]);
      EXPECT_TRUE(line[i + 1]->font.underline);
    }
  }
}

TEST_F(LongFormIncomePagesTest, AlimonyPaidSubLines) {
  // 25b prints the sum of elements 31 and 38, or four blanks when it is 0.
  struct Case {
    AffidavitValue a31, a38;
    QString printed;
  } cases[] = {
      {{}, {}, "    "},
      {AffidavitValue::Of(0), {}, "    "},
      {AffidavitValue::Of(100), AffidavitValue::Of(-100), "    "},
      {{}, AffidavitValue::Of(75), "$75"},
      {AffidavitValue::Of(1000), AffidavitValue::Of(250.5), "$1,251"},
  };
  for (const Case& c : cases) {
    values.FDIncomeValues[31] = c.a31;
    values.FDIncomeValues[38] = c.a38;
    const Page page = DrawPage(3);
    const TextRun* label = Find(page, "25b. From other case(s): ");
    ASSERT_TRUE(label);
    const TextRun* amount = Next(page, label);
    ASSERT_TRUE(amount);
    EXPECT_EQ(amount->text, c.printed);
    EXPECT_FALSE(amount->font.underline);
    EXPECT_TRUE(HasRule(page, End(label), End(amount), Below(label, 100)));
  }
  // 25a with no value: its label alone and a rule of no length.
  const Page page = DrawPage(3);
  const TextRun* a = Find(page, "25a.  From this case:   ");
  ASSERT_TRUE(a);
  EXPECT_EQ(LineOf(page, a).size(), 1u);
  EXPECT_TRUE(HasRule(page, End(a), End(a), Below(a, 100)));
  values.FDIncomeValues[30] = AffidavitValue::Of(0);
  const Page zero = DrawPage(3);
  EXPECT_EQ(Next(zero, Find(zero, "25a.  From this case:   "))->text, "$0");
}

TEST_F(LongFormIncomePagesTest, DeductionAmountsStartWhereTheNumberEnds) {
  UseFixedPitch();
  const double cell = WidthOf("0");
  values.FDIncomeValues[18] = AffidavitValue::Of(700);
  values.FDIncomeValues[27] = AffidavitValue::Of(-80);
  const Page page = DrawPage(3);
  for (auto [number, amount] : {std::pair{"18.   ", "$700"}, std::pair{"27.   ", "-$80"}}) {
    const TextRun* n = Find(page, number);
    ASSERT_TRUE(n);
    const auto line = LineOf(page, n);
    ASSERT_GE(line.size(), 2u);
    EXPECT_EQ(line[1]->text, amount);
    EXPECT_NEAR(line[1]->position.x(), 1440 + 6 * cell, 0.01) << number;
    EXPECT_TRUE(HasRule(page, 1440 + 6 * cell, 3240, Below(n, 100)));
  }
  // Continuation lines stand at the label column.
  for (const char* text : {"allowable dependents and income tax liabilities)",
                           "excluding portion paid for any third party or minor children of this "
                           "relationship",
                           "another relationship", "(Add lines 18 through 25)    "})
    EXPECT_DOUBLE_EQ(Find(page, text)->position.x(), 3384) << text;
}

}  // namespace
