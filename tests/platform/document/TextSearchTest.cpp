#include <gtest/gtest.h>

#include "platform/Fonts.h"
#include "platform/document/DrawingCursor.h"
#include "platform/document/TextSearch.h"

using namespace platform;

namespace {

// Page 1: "Gross " + bold "Income" on one line, then "Net income".
// Page 2: "INCOME TOTAL", then a shaded box whose second line is "income shade".
class TextSearchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterTahomaIfMissing(); }

  void SetUp() override {
    cursor_.BeginDocument();
    cursor_.PrintText("Gross ");
    cursor_.SetFontBold(true);
    boldIncomeX_ = cursor_.CurrentX();
    boldIncomeWidth_ = cursor_.TextWidth("Income");
    cursor_.PrintLine("Income");
    cursor_.SetFontBold(false);
    netLineY_ = cursor_.CurrentY();
    cursor_.PrintLine("Net income");
    cursor_.NewPage();
    cursor_.PrintLine("INCOME TOTAL");
    boxTop_ = 4000;
    cursor_.TextBox("heading\r\nincome shade", 2000, boxTop_, 5000);
    cursor_.EndDocument();
    lineHeight_ = cursor_.TextHeight("N");
  }

  const Document& doc() const { return cursor_.document(); }

  DrawingCursor cursor_;
  double boldIncomeX_ = 0, boldIncomeWidth_ = 0, netLineY_ = 0, boxTop_ = 0, lineHeight_ = 0;
};

TEST_F(TextSearchTest, FindsEveryMatchWithPageAndRectangle) {
  const auto matches = FindAllText(doc(), "income");
  ASSERT_EQ(matches.size(), 4u);

  EXPECT_EQ(matches[0].page, 1);  // the bold run, whole
  EXPECT_NEAR(matches[0].rect.left(), boldIncomeX_, 1e-6);
  EXPECT_NEAR(matches[0].rect.width(), boldIncomeWidth_, 1e-6);
  EXPECT_NEAR(matches[0].rect.top(), 1440, 1e-6);
  EXPECT_NEAR(matches[0].rect.height(), lineHeight_, 1e-6);

  EXPECT_EQ(matches[1].page, 1);  // inside "Net income"
  EXPECT_NEAR(matches[1].rect.left(), 1440 + cursor_.TextWidth("Net "), 1e-6);
  EXPECT_NEAR(matches[1].rect.width(), cursor_.TextWidth("Net income") - cursor_.TextWidth("Net "),
              1e-6);
  EXPECT_NEAR(matches[1].rect.top(), netLineY_, 1e-6);

  EXPECT_EQ(matches[2].page, 2);
  EXPECT_NEAR(matches[2].rect.left(), 1440, 1e-6);

  EXPECT_EQ(matches[3].page, 2);  // the second line of the text box
  EXPECT_NEAR(matches[3].rect.left(), 2000, 1e-6);
  EXPECT_NEAR(matches[3].rect.top(), boxTop_ + lineHeight_, 1e-6);
}

TEST_F(TextSearchTest, CaseSensitiveSearchSkipsOtherCase) {
  const auto matches = FindAllText(doc(), "income", Qt::CaseSensitive);
  ASSERT_EQ(matches.size(), 2u);
  EXPECT_EQ(matches[0].page, 1);
  EXPECT_EQ(matches[1].page, 2);
  EXPECT_NEAR(matches[1].rect.left(), 2000, 1e-6);
}

TEST_F(TextSearchTest, AMatchMaySpanRunsOfOneLineButNotALineBreak) {
  const auto spanning = FindText(doc(), "gross income");
  ASSERT_TRUE(spanning);
  EXPECT_EQ(spanning->page, 1);
  EXPECT_NEAR(spanning->rect.left(), 1440, 1e-6);
  EXPECT_NEAR(spanning->rect.right(), boldIncomeX_ + boldIncomeWidth_, 1e-6);

  EXPECT_FALSE(FindText(doc(), "Income Net"));
  EXPECT_FALSE(FindText(doc(), "IncomeNet"));
  EXPECT_FALSE(FindText(doc(), "heading income"));
}

TEST_F(TextSearchTest, ASearchTextHoldingALineBreakFindsNothing) {
  for (const char* text : {"Income\nNet", "\n", "Income\r\nNet", "Income\rNet", "heading\nincome",
                           "\r\n", "Net income\n"}) {
    EXPECT_FALSE(FindText(doc(), QString::fromLatin1(text))) << text;
    EXPECT_TRUE(FindAllText(doc(), QString::fromLatin1(text)).empty()) << text;
  }
  const QString paragraph = QStringLiteral("Income") + QChar(0x2029) + QStringLiteral("Net");
  EXPECT_FALSE(FindText(doc(), paragraph));
}

TEST_F(TextSearchTest, FindNextGoesOnFromThePositionAndThenThePagesAfter) {
  const auto first = FindText(doc(), "income", 1, 0);
  ASSERT_TRUE(first);
  const auto second = FindText(doc(), "income", first->page, first->nextPosition);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->page, 1);
  EXPECT_GT(second->rect.top(), first->rect.top());
  const auto third = FindText(doc(), "income", second->page, second->nextPosition);
  ASSERT_TRUE(third);
  EXPECT_EQ(third->page, 2);

  EXPECT_EQ(FindText(doc(), "total", 2)->page, 2);
  EXPECT_FALSE(FindText(doc(), "gross", 2));                 // only before the start page
  EXPECT_FALSE(FindText(doc(), "income", 3));                // past the last page
  EXPECT_EQ(FindText(doc(), "gross", 0)->page, 1);           // page 0 counts as page 1
  EXPECT_FALSE(FindText(doc(), ""));                         // nothing to find
  EXPECT_FALSE(FindText(doc(), "not in the document"));
  EXPECT_FALSE(FindText(Document(), "income"));
}

}  // namespace
