// Section I: the income lines 1 to 17 on page 1 and the deductions 18 to 27
// on page 2, their amounts, zero blanking and blanks.
#include <gtest/gtest.h>

#include "ShortFormFixture.h"
#include "affidavit/print/FormFooters.h"
#include "affidavit/print/ShortFormPainter.h"
#include "platform/Fonts.h"

using namespace shortformtest;
using affidavit::shortform::AmountText;
using affidavit::shortform::IncomeAmountText;
using affidavit::shortform::Line25bText;

namespace {

const AffidavitValue kEmpty{};
const AffidavitValue kEmptyText = AffidavitValue::EmptyText();
AffidavitValue Of(double v) { return AffidavitValue::Of(v); }

TEST(ShortFormAmountsTest, FormatsWholeDollars) {
  const std::tuple<AffidavitValue, QString, QString> cases[] = {
      {Of(1234.4), "$ 1,234", "$1,234"},
      {Of(0), "$ 0", "$0"},
      {Of(0.4), "$ 0", "$0"},
      {Of(-250), "-$ 250", "-$250"},
      {Of(-1250), "-$ 1,250", "-$1,250"},
      {Of(1234567), "$ 1,234,567", "$1,234,567"},  // never clipped
      {kEmpty, "", ""},
      {kEmptyText, "", ""},
  };
  for (const auto& [value, income, other] : cases) {
    EXPECT_EQ(IncomeAmountText(value), income) << value.number;
    EXPECT_EQ(AmountText(value), other) << value.number;
  }
}

TEST(ShortFormAmountsTest, Line25bAddsTheTwoOtherCases) {
  const std::tuple<AffidavitValue, AffidavitValue, QString> cases[] = {
      {Of(150), kEmpty, "$150"},     {Of(150), Of(0), "$150"},
      {Of(100), Of(-100), "    "},  // a sum of 0: four spaces
      {Of(0.3), kEmpty, "$0"},      // not 0, so it prints
      {kEmpty, kEmpty, "    "},      {Of(1200), Of(50), "$1,250"},
      {kEmptyText, Of(-40), "-$40"},
  };
  for (const auto& [before, after, text] : cases)
    EXPECT_EQ(Line25bText(before, after), text) << before.number << " + " << after.number;
}

class ShortFormSectionOneTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
  platform::Document Print() {
    const auto doc = run.Print(1, 2);
    EXPECT_EQ(doc.pageCount(), 2);
    return doc;
  }
  ShortFormRun run;
};

// Zero on lines 1, 8, 9, 10 and 25 prints no amount (only the blank); zero
// anywhere else prints; 0.4 is not a zero. The values are left as they were.
TEST_F(ShortFormSectionOneTest, ZeroBlanking) {
  struct Case {
    int element;
    AffidavitValue value;
    int page;
    QString label;
    double x;  // where the amount prints
    QString printed;
  } cases[] = {
      {1, Of(0), 0, "1.   ", 1800, ""},         {8, Of(0), 0, "8.   ", 1800, ""},
      {9, Of(0), 0, "9.   ", 1800, ""},         {10, Of(0), 0, "10.   ", 1800, ""},
      {2, Of(0), 0, "2.   ", 1800, "$ 0"},      {17, Of(0), 0, "17.   ", 1800, "$ 0"},
      {4, Of(0.4), 0, "4.   ", 1800, "$ 0"},    {25, Of(0), 1, "25.   ", -1, ""},
      {18, Of(0), 1, "18.   ", -1, "$0"},       {26, Of(0), 1, "26.   ", -1, "$0"},
      {27, Of(-325), 1, "27.   ", -1, "-$325"},
  };
  for (const Case& c : cases) {
    run.values = {};
    run.values.FDIncomeValues[c.element] = c.value;
    run.values.FDIncomeValues[28] = Of(0);  // 9a
    run.values.FDIncomeValues[30] = Of(0);  // 25a
    const casevars::AffidavitValues before = run.values;
    const auto doc = Print();
    const platform::Page& page = doc.pages[c.page];
    const platform::TextRun* number = Find(page, c.label);
    ASSERT_NE(number, nullptr) << c.element;
    const double x = c.x < 0 ? number->rect().right() : c.x;
    EXPECT_EQ(TextAt(page, c.label, x), c.printed) << c.element;
    // The blank is drawn whatever the amount.
    const auto rules = RulesAt(page, number->position.y() + number->size.height());
    ASSERT_EQ(rules.size(), 1u) << c.element;
    EXPECT_EQ(rules[0].from.x(), x);
    EXPECT_EQ(rules[0].to.x(), 3240);
    EXPECT_TRUE(run.values.FDIncomeValues == before.FDIncomeValues) << c.element;
  }
  // The sub-lines print their zero.
  const auto doc = Print();
  EXPECT_EQ(LineOf(doc.pages[0], Find(doc.pages[0], "9a. From this case:  ")).back()->text, "$ 0");
  EXPECT_EQ(LineOf(doc.pages[1], Find(doc.pages[1], "25a.  From this case:   ")).back()->text,
            "$0");
}

// The label lines keep within the right edge (line 3's words broken as the
// court form breaks them), and page 1 still ends above its footer under the
// deepest top margin.
TEST_F(ShortFormSectionOneTest, LabelLinesKeepWithinTheRightEdge) {
  run.preparerMargin = "OneOneHalf";
  const platform::Page page = Print().pages[0];
  const platform::TextRun* three = Find(page, "3.   ");
  const platform::TextRun* four = Find(page, "4.   ");
  ASSERT_TRUE(three && four);
  std::vector<QString> lines;
  double lowest = 0;
  for (const platform::TextRun* r : page.textRuns()) {
    if (r->text != affidavit::kShortFormFooter) lowest = std::max(lowest, r->rect().bottom());
    if (r->position.x() < 3384) continue;
    EXPECT_LE(r->rect().right(), 10800.5) << r->text.toStdString();
    if (r->position.y() >= three->position.y() && r->position.y() < four->position.y())
      lines.push_back(r->text);
  }
  EXPECT_EQ(lines, (std::vector<QString>{
                       "Monthly business income from sources such as self-employment, partnerships, close",
                       "corporations, and/or independent contracts (gross receipts minus ordinary and necessary",
                       "expenses required to produce income) (Attach sheet itemizing such income and expenses.)"}));
  EXPECT_LT(lowest, 15048);
}

TEST_F(ShortFormSectionOneTest, IncomeLinesInOrder) {
  for (int e = 1; e <= 17; ++e) run.values.FDIncomeValues[e] = Of(e * 1000);
  run.values.FDIncomeValues[28] = Of(200);
  run.values.FDIncomeValues[29] = Of(-1250);
  run.SetText("S1T", 21, "Trust distributions");
  run.SetText("S1T", 22, "Lottery annuity");
  const platform::Page page = Print().pages[0];
  // Every numbered line: number at 1440, amount at 1800, label at 3384.
  double lastY = 0;
  for (int n = 1; n <= 17; ++n) {
    const QString number = QString::number(n) + ".   ";
    const platform::TextRun* r = Find(page, number);
    ASSERT_NE(r, nullptr) << n;
    EXPECT_EQ(r->position.x(), 1440);
    EXPECT_GT(r->position.y(), lastY) << n;
    lastY = r->position.y();
    EXPECT_EQ(TextAt(page, number, 1800), IncomeAmountText(Of(n * 1000))) << n;
  }
  EXPECT_EQ(TextAt(page, "1.   ", 3384), "Monthly gross salary or wages");
  EXPECT_EQ(TextAt(page, "11.   ", 3384),
            "Monthly rental income (gross receipts minus ordinary and necessary expenses");
  EXPECT_EQ(TextAt(page, "16.   ", 3384), "Lottery annuity");
  const platform::TextRun* total = Find(page, "TOTAL PRESENT MONTHLY GROSS INCOME ");
  EXPECT_TRUE(total->font.bold);
  EXPECT_EQ(LineOf(page, total).back()->text, " (Add lines 1-16)");
  // 9a and 9b: the rule runs from the label's end to the amount's end.
  const double h = total->size.height();
  for (const auto& [label, amount] : {std::pair<QString, QString>{"9a. From this case:  ", "$ 200"},
                                      {"9b. From other case(s):  ", "-$ 1,250"}}) {
    const platform::TextRun* l = Find(page, label);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->position.x(), 3384);
    const platform::TextRun* a = LineOf(page, l).back();
    EXPECT_EQ(a->text, amount);
    const auto rules = RulesAt(page, l->position.y() + h);
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0].from.x(), l->rect().right());
    EXPECT_EQ(rules[0].to.x(), a->rect().right());
  }
  // The sources of lines 15 and 16 are underlined over their own width.
  const platform::TextRun* source = Find(page, "Trust distributions");
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(source->position, QPointF(3384, Find(page, "15.   ")->position.y() + h));
  const auto sourceRules = RulesAt(page, source->position.y() + h);
  ASSERT_EQ(sourceRules.size(), 1u);
  EXPECT_EQ(sourceRules[0].to.x(), source->rect().right());
  const platform::TextRun* other = Find(page, "Lottery annuity");
  const auto line16 = RulesAt(page, other->position.y() + h);
  ASSERT_EQ(line16.size(), 2u);  // under the source and under the amount
}

// With every value empty the numbered lines keep their blanks; the
// sub-lines, the sources and the dependents show no rule; 25b underlines four
// spaces.
TEST_F(ShortFormSectionOneTest, EmptyValuesLeaveFixedBlanksOnly) {
  const auto doc = Print();
  for (const platform::Page& page : doc.pages)
    for (const platform::TextRun* r : page.textRuns())
      EXPECT_FALSE(r->text.startsWith("$ ") || r->text.startsWith("-$")) << r->text.toStdString();
  const std::pair<int, QString> zeroWidth[] = {{0, "9a. From this case:  "},
                                               {0, "9b. From other case(s):  "},
                                               {1, "18b. Number of dependents claimed "},
                                               {1, "25a.  From this case:   "}};
  for (const auto& [index, label] : zeroWidth) {
    const platform::TextRun* l = Find(doc.pages[index], label);
    ASSERT_NE(l, nullptr);
    const auto rules = RulesAt(doc.pages[index], l->position.y() + l->size.height());
    ASSERT_EQ(rules.size(), 1u) << label.toStdString();
    EXPECT_EQ(rules[0].from.x(), rules[0].to.x()) << label.toStdString();
  }
  const platform::TextRun* l15 = Find(doc.pages[0], "15.   ");
  const auto source15 = RulesAt(doc.pages[0], l15->position.y() + 2 * l15->size.height());
  ASSERT_EQ(source15.size(), 1u);
  EXPECT_EQ(source15[0].from.x(), 3384);
  EXPECT_EQ(source15[0].to.x(), 3384);
  const platform::TextRun* l16 = Find(doc.pages[0], "16.   ");
  EXPECT_EQ(RulesAt(doc.pages[0], l16->position.y() + l16->size.height()).size(), 2u);
  const platform::TextRun* b25 = Find(doc.pages[1], "25b. From other case(s): ");
  const platform::TextRun* spaces = LineOf(doc.pages[1], b25)[1];
  EXPECT_EQ(spaces->text, "    ");
  const auto rules = RulesAt(doc.pages[1], b25->position.y() + b25->size.height());
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].from.x(), b25->rect().right());
  EXPECT_EQ(rules[0].to.x(), spaces->rect().right());
}

// The amount of a deduction starts where its number ends, not at 1800.
TEST_F(ShortFormSectionOneTest, DeductionAmountsFollowTheirNumbers) {
  for (int e = 18; e <= 27; ++e) run.values.FDIncomeValues[e] = Of(e * 10);
  run.values.FDIncomeValues[30] = Of(75);
  run.values.FDIncomeValues[31] = Of(150);
  const platform::Page page = Print().pages[1];
  const double h = Find(page, "18.   ")->size.height();
  for (int n = 18; n <= 27; ++n) {
    const QString number = QString::number(n) + ".   ";
    const platform::TextRun* r = Find(page, number);
    ASSERT_NE(r, nullptr) << n;
    EXPECT_EQ(TextAt(page, number, r->rect().right()), AmountText(Of(n * 10))) << n;
    const auto rules = RulesAt(page, r->position.y() + h);
    ASSERT_EQ(rules.size(), 1u) << n;
    EXPECT_EQ(rules[0].from.x(), r->rect().right());
    EXPECT_EQ(rules[0].to.x(), 3240);
  }
  EXPECT_EQ(LineOf(page, Find(page, "25a.  From this case:   ")).back()->text, "$75");
  EXPECT_EQ(LineOf(page, Find(page, "25b. From other case(s): "))[1]->text, "$150");
  EXPECT_TRUE(
      Find(page, "TOTAL DEDUCTIONS ALLOWABLE UNDER SECTION 61.30 DADUDAV STATUTES")->font.bold);
  EXPECT_EQ(Find(page, "(Add lines 18 through 25)    ")->position.x(), 3384);
  EXPECT_TRUE(Find(page, "PRESENT NET MONTHLY INCOME ")->font.bold);
  EXPECT_FALSE(Find(page, "(Subtract line 26 from line 17) ")->font.bold);
}

// The status prints as a word on a rule from the label's end to 6480; the
// dependents as typed, underlined over their width.
TEST_F(ShortFormSectionOneTest, FilingStatusAndDependents) {
  const QString label = "18a.  Filing Status  ";
  const QString words[] = {"Single", "Head Of Household", "Married File Separate",
                           "Married File Jointly", "          "};
  run.SetText("S1T", 0, "2 (two)");
  for (int option = 0; option <= 4; ++option) {
    for (int i = 0; i < 4; ++i) run.SetValue("S1FileOp", i, i == option ? 1 : 0);
    const platform::Page page = Print().pages[1];
    const platform::TextRun* l = Find(page, label);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(TextAt(page, label, l->rect().right()), words[option]) << option;
    const auto rules = RulesAt(page, l->position.y() + l->size.height());
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0].from.x(), l->rect().right());
    EXPECT_EQ(rules[0].to.x(), 6480);
  }
  const platform::Page page = Print().pages[1];
  const platform::TextRun* dependents = Find(page, "2 (two)");
  ASSERT_NE(dependents, nullptr);
  EXPECT_EQ(dependents->position.x(),
            Find(page, "18b. Number of dependents claimed ")->rect().right());
  const auto rules = RulesAt(page, dependents->position.y() + dependents->size.height());
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].to.x(), dependents->rect().right());
}

}  // namespace
