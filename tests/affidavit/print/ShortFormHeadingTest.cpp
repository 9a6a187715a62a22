// The top of page 1: caption, title, affiant, employment, pay rate and the
// unemployed check, read back from the drawn page.
#include <gtest/gtest.h>

#include "ShortFormFixture.h"
#include "platform/Fonts.h"
#include "platform/document/TextMetrics.h"

using namespace shortformtest;

namespace {

const QString kTitle = "FAMILY LAW FINANCIAL AFFIDAVIT (SHORT FORM)";
const QString kAmended = "AMENDED - FAMILY LAW FINANCIAL AFFIDAVIT (SHORT FORM)";
const QString kUnemployed =
    " Check here if unemployed and explain on a separate sheet your efforts to find employment";

class ShortFormHeadingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
  platform::Page Page1() {
    const auto doc = run.Print(1, 1);
    EXPECT_EQ(doc.pageCount(), 1);
    return doc.pages.at(0);
  }
  static double Width(const QString& text, bool bold = false) {
    platform::FontSpec font{"Tahoma", 9};
    font.bold = bold;
    return platform::TextMetrics(font).width(text);
  }
  // The one rule drawn at `y` from `from`.
  static std::optional<platform::LineItem> RuleFrom(const platform::Page& page, double from,
                                                    double y) {
    for (const platform::LineItem& l : RulesAt(page, y))
      if (std::abs(l.from.x() - from) < 0.5) return l;
    return std::nullopt;
  }
  ShortFormRun run;
};

// With nothing entered every label prints with its blank drawn, the plain
// title, the empty pay-period boxes and "___ " before the unemployed line.
TEST_F(ShortFormHeadingTest, EmptyEntriesStillShowTheirBlanks) {
  const platform::Page page = Page1();
  const double h = Find(page, "Division: ")->position.y() - Find(page, "Case No.: ")->position.y();
  struct Blank {
    QString label;
    double x, ruleEnd;
  } blanks[] = {
      {"IN THE CIRCUIT COURT OF THE ", 2160, 8640},
      {"IN AND FOR ", 2880, 8640},
      {"Case No.: ", 6480, 10800},
      {"Division: ", 6480, 10800},
      {"My occupation: ", 1440, 10800},
      {"Employed by: ", 1440, 10800},
      {"Business Address: ", 1440, 10800},
      {"City, State, Zip Code: ", 1440, 10800},
      {"Pay rate: ", 1440, 5040},
      {"(    ) monthly  (    ) other: ", 2160, 10800},
  };
  for (const Blank& b : blanks) {
    const platform::TextRun* label = Find(page, b.label);
    ASSERT_NE(label, nullptr) << b.label.toStdString();
    EXPECT_EQ(label->position.x(), b.x) << b.label.toStdString();
    const auto rule = RuleFrom(page, label->rect().right(), label->position.y() + h);
    ASSERT_TRUE(rule) << b.label.toStdString();
    EXPECT_EQ(rule->to.x(), b.ruleEnd) << b.label.toStdString();
    EXPECT_EQ(rule->pen.width, 4);
  }
  EXPECT_EQ(TextAt(page, "IN THE CIRCUIT COURT OF THE ", 8640), "JUDICIAL CIRCUIT,");
  EXPECT_EQ(TextAt(page, "IN AND FOR ", 8640), "COUNTY, DADUDAV");
  ASSERT_NE(Find(page, kTitle), nullptr);
  EXPECT_EQ(TextAt(page, "Pay rate: ", 5040),
            " (   ) every week  (    ) every other week   (    ) twice a month");
  EXPECT_EQ(TextAt(page, "___ ", 1440), "___ ");
  EXPECT_EQ(LineOf(page, Find(page, "___ ")).back()->text, kUnemployed);
  EXPECT_EQ(Find(page, "sworn, certify that the following information is true:")->position.x(),
            1440);
}

TEST_F(ShortFormHeadingTest, EntriesFollowTheirLabelsUnderlinedToFixedEnds) {
  const std::tuple<const char*, int, QString, QString> entries[] = {
      {"S0T", 1, "IN THE CIRCUIT COURT OF THE ", "NINTH"},
      {"S0T", 2, "IN AND FOR ", "ORANGE"},
      {"S0T", 3, "Case No.: ", "2026-DR-1"},
      {"S0T", 4, "Division: ", "Family"},
      {"S0T", 7, " {full legal name}  ", "Jane Q. Roe"},
      {"S1T", 2, "My occupation: ", "Teacher"},
      {"S1T", 5, "Employed by: ", "County Schools"},
      {"S1T", 6, "Business Address: ", "1 Main St."},
      {"S1T", 7, "City, State, Zip Code: ", "Orlando, DD 32801"},
      {"S1T", 9, "Pay rate: ", "$ 21.50 an hour"},
      {"S1T", 10, "(    ) monthly  (    ) other: ", "per term"},
  };
  for (const auto& [array, index, label, entry] : entries) run.SetText(array, index, entry);
  run.SetText("S0T", 5, "Jane Q. Roe");
  run.SetText("S0T", 6, "A respondent whose name runs well past the end of its blank line");
  const platform::Page page = Page1();
  for (const auto& [array, index, label, entry] : entries) {
    const platform::TextRun* l = Find(page, label);
    ASSERT_NE(l, nullptr) << label.toStdString();
    EXPECT_EQ(TextAt(page, label, l->rect().right()), entry) << label.toStdString();
  }
  // The affiant's blank ends at 10080, before ", being  ".
  const platform::TextRun* name = Find(page, "Jane Q. Roe", 1);
  ASSERT_NE(name, nullptr);
  const double h = name->size.height();
  EXPECT_EQ(TextAt(page, " {full legal name}  ", 10080), ", being  ");
  EXPECT_EQ(Find(page, " {full legal name}  ")->font.italic, true);
  EXPECT_EQ(RuleFrom(page, name->position.x(), name->position.y() + h)->to.x(), 10080);
  // The parties' blanks run from the margin to 6480, whatever the name's
  // length; a long name prints whole.
  for (const QString& party :
       {QString("Jane Q. Roe"), QString("A respondent whose name runs well past the end of its "
                                        "blank line")}) {
    const platform::TextRun* r = Find(page, party);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->position.x(), 1440);
    const auto rule = RuleFrom(page, 1440, r->position.y() + h);
    ASSERT_TRUE(rule);
    EXPECT_EQ(rule->to.x(), 6480);
  }
}

// "Petitioner," stands on the line below the petitioner's name at 5040;
// "and" half a line lower, the respondent's name half a line below "and".
TEST_F(ShortFormHeadingTest, PartiesAreSpacedByHalfLines) {
  const platform::Page page = Page1();
  const platform::TextRun* petitioner = Find(page, "Petitioner,");
  const platform::TextRun* andLine = Find(page, "and");
  const platform::TextRun* respondent = Find(page, "Respondent.");
  ASSERT_TRUE(petitioner && andLine && respondent);
  const double h = petitioner->size.height();
  const double top = Find(page, "Division: ")->position.y() + h;  // the empty petitioner line
  EXPECT_EQ(petitioner->position, QPointF(5040, top + h));
  EXPECT_EQ(andLine->position, QPointF(3240, top + h + h / 2));
  EXPECT_EQ(respondent->position, QPointF(5040, top + 3 * h + h));
  ASSERT_TRUE(RuleFrom(page, 1440, top + h));                   // under the empty petitioner
  ASSERT_TRUE(RuleFrom(page, 1440, respondent->position.y()));  // under the empty respondent
}

TEST_F(ShortFormHeadingTest, TitleIsCentredOnItsOwnBoldWidth) {
  for (int amended : {0, 1, 2}) {  // only a ticked box (1) makes it amended
    run.SetValue("FaAmended", affidavit::kSingle, amended);
    const platform::Page page = Page1();
    const QString title = amended == 1 ? kAmended : kTitle;
    const platform::TextRun* r = Find(page, title);
    ASSERT_NE(r, nullptr) << amended;
    EXPECT_TRUE(r->font.bold);
    EXPECT_DOUBLE_EQ(r->position.x(), (12240 - Width(title, true)) / 2);
    const QString bracket = "(Under $50,000 Individual Gross Annual Income)";
    const platform::TextRun* b = Find(page, bracket);
    EXPECT_FALSE(b->font.bold);
    EXPECT_DOUBLE_EQ(b->position.x(), (12240 - Width(bracket)) / 2);
  }
}

// The first option set decides; the other pay period prints either way.
TEST_F(ShortFormHeadingTest, PayPeriodMarksTheChosenOption) {
  const QString none1 = " (   ) every week  (    ) every other week   (    ) twice a month";
  const QString none2 = "(    ) monthly  (    ) other: ";
  const std::tuple<int, QString, QString> cases[] = {
      {0, none1, none2},
      {1, " ( X ) every week  (    ) every other week   (    ) twice a month", none2},
      {2, " (   ) every week  (  X ) every other week   (    ) twice a month", none2},
      {3, " (   ) every week  (    ) every other week   (  X ) twice a month", none2},
      {4, none1, "(  X ) monthly  (    ) other: "},
      {5, none1, "(    ) monthly  (  X ) other: "},
  };
  run.SetText("S1T", 10, "quarterly");
  for (const auto& [option, first, second] : cases) {
    for (int i = 1; i <= 5; ++i) run.SetValue("S1Op", i, i == option ? 1 : 0);
    const platform::Page page = Page1();
    EXPECT_EQ(TextAt(page, "Pay rate: ", 5040), first) << option;
    ASSERT_NE(Find(page, second), nullptr) << option;
    EXPECT_EQ(Find(page, second)->position.x(), 2160);
    EXPECT_EQ(TextAt(page, second, Find(page, second)->rect().right()), "quarterly");
  }
}

TEST_F(ShortFormHeadingTest, UnemployedMarkOnlyForATickedBox) {
  for (int value : {0, 1, 2}) {
    run.SetValue("S1Check", 1, value);
    const platform::Page page = Page1();
    const platform::TextRun* sentence = Find(page, kUnemployed);
    ASSERT_NE(sentence, nullptr);
    const platform::TextRun* mark = LineOf(page, sentence).front();
    EXPECT_EQ(mark->position.x(), 1440);
    EXPECT_EQ(mark->text, value == 1 ? "X  " : "___ ") << value;
    EXPECT_EQ(mark->font.bold && mark->font.underline, value == 1) << value;
    EXPECT_FALSE(sentence->font.bold || sentence->font.underline);
  }
}

}  // namespace
