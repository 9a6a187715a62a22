#include <gtest/gtest.h>

#include "express/ExpressFixture.h"
#include "express/ParentingTime.h"
#include "express/TierValues.h"

namespace express {
namespace {

using testing::ExpressCase;

// The parenting-time window with the claimant's nights typed in its rows.
struct TimeCase : ExpressCase {
  explicit TimeCase(std::int16_t minors, std::initializer_list<const char*> claimNights = {}) {
    cv.Express.NumMinorChildren = minors;
    int row = 0;
    for (const char* nights : claimNights) form16.SetText("ClaimDays", nights, row++);
  }
  QStringList Row(const ExpressFields& f, int row = kNoIndex) const {
    return {f.Text("ClaimDays", row), f.Text("PayerDays", row), f.Text("PayerPerCent", row),
            f.Text("PercentOfTimeValue", row)};
  }
  const casevars::PartyExpress& Claim() const { return cv.Express.Claim; }
  const casevars::PartyExpress& Payer() const { return cv.Express.Payer; }
};

TEST(TierValues, TiersAreRunningAveragesAndTheAverageRowIsShownOnBothScreens) {
  TimeCase x(3, {"100", "200", "300"});
  CalculateTierTotal(x.form16, x.form1, x.cv.Express, x.prompter);
  EXPECT_FLOAT_EQ(x.Claim().TierNights[1], 100);
  EXPECT_FLOAT_EQ(x.Claim().TierNights[2], 150);
  EXPECT_FLOAT_EQ(x.Claim().TierNights[3], 200);
  EXPECT_FLOAT_EQ(x.Payer().TierNights[1], 265);
  EXPECT_FLOAT_EQ(x.Payer().TierNights[3], 165);
  const QStringList average{"200.0", "165.0", ".452", ".548"};
  EXPECT_EQ(x.Row(x.form16, kAverageRow), average);
  EXPECT_EQ(x.Row(x.form1), average);
  EXPECT_FLOAT_EQ(x.Claim().TimeShare[kAverageRow], 200.f / 365);
  EXPECT_TRUE(x.Messages().empty());
}

TEST(TierValues, MoreThanSixChildrenCountSixRows) {
  TimeCase x(8, {"10", "20", "30", "40", "50", "60", "999"});
  x.cv.Express.Claim.TierNights[0] = -1;
  CalculateTierTotal(x.form16, x.form1, x.cv.Express, x.prompter);
  EXPECT_FLOAT_EQ(x.Claim().TierNights[6], 35);
  EXPECT_FLOAT_EQ(x.Claim().ChildNights[kAverageRow], 35);
  EXPECT_EQ(x.Claim().TierNights[0], -1);  // never written
}

TEST(TierValues, NoMinorsKeepsTheTiersAndDerivesTheAverageFromItsBox) {
  TimeCase x(0);
  x.cv.Express.Claim.TierNights = {0, 111, 122, 0, 0, 0, 0};
  x.form16.SetText("ClaimDays", "146", kAverageRow);
  CalculateTierTotal(x.form16, x.form1, x.cv.Express, x.prompter);
  EXPECT_FLOAT_EQ(x.Claim().TierNights[1], 111);
  EXPECT_FLOAT_EQ(x.Claim().TierNights[2], 122);
  EXPECT_EQ(x.Row(x.form1), (QStringList{"146.0", "219.0", ".600", ".400"}));
}

TEST(TierValues, BoxesReadWithoutCurrencyAndBlankRowsCountAsZero) {
  TimeCase x(3, {"$1,200", "", "abc"});
  CalculateTierTotal(x.form16, x.form1, x.cv.Express, x.prompter);
  EXPECT_FLOAT_EQ(x.Claim().ChildNights[0], 1200);
  EXPECT_FLOAT_EQ(x.Claim().TierNights[2], 600);
  EXPECT_FLOAT_EQ(x.Claim().TierNights[3], 400);
}

TEST(TierValues, FewerChildrenLeaveTheHigherTiersAsTheyWere) {
  TimeCase x(4, {"100", "200", "300", "400"});
  CalculateTierTotal(x.form16, x.form1, x.cv.Express, x.prompter);
  x.cv.Express.NumMinorChildren = 2;
  x.form16.SetText("ClaimDays", "50", 0);
  CalculateTierTotal(x.form16, x.form1, x.cv.Express, x.prompter);
  EXPECT_FLOAT_EQ(x.Claim().TierNights[2], 125);
  EXPECT_FLOAT_EQ(x.Claim().TierNights[3], 200);
  EXPECT_FLOAT_EQ(x.Claim().TierNights[4], 250);
}

TEST(ParentingTime, TypedNightsFillTheRowAndTheAverage) {
  TimeCase x(1);
  x.form16.SetText("ClaimDays", "146", 0);
  EXPECT_TRUE(ConvertChildTime(x.form16, x.form1, x.cv.Express, x.prompter, 0, TimeBox::ClaimDays, ""));
  const QStringList row{"146", "219.0", ".600", ".400"};
  EXPECT_EQ(x.Row(x.form16, 0), row);  // the typed box keeps its text
  EXPECT_EQ(x.Row(x.form16, kAverageRow), (QStringList{"146.0", "219.0", ".600", ".400"}));
  EXPECT_EQ(x.Row(x.form1), (QStringList{"146.0", "219.0", ".600", ".400"}));
  EXPECT_FLOAT_EQ(x.Payer().ChildNights[0], 219);
  EXPECT_FLOAT_EQ(x.Payer().TimeShare[0], 0.6f);
}

TEST(ParentingTime, TypedOtherPartyShare) {
  TimeCase x(2);
  x.form16.SetText("PayerPerCent", ".2", 1);
  ConvertChildTime(x.form16, x.form1, x.cv.Express, x.prompter, 1, TimeBox::PayerPerCent, ".");
  EXPECT_EQ(x.Row(x.form16, 1), (QStringList{"292.0", "73.0", ".2", ".800"}));
  EXPECT_FLOAT_EQ(x.Claim().ChildNights[1], 292);
  EXPECT_FLOAT_EQ(x.Claim().TimeShare[1], 0.8f);
}

TEST(ParentingTime, NightsBeyondTheYearClearTheRowAndAreReported) {
  TimeCase x(2, {"100", "300"});
  x.form16.SetText("ClaimDays", "400", 0);
  ConvertChildTime(x.form16, x.form1, x.cv.Express, x.prompter, 0, TimeBox::ClaimDays, "100");
  EXPECT_EQ(x.Row(x.form16, 0), (QStringList{"", "", "", ""}));
  EXPECT_EQ(x.form16.Log, (std::vector<QString>{"focus PercentOfTimeValue(0)"}));
  EXPECT_EQ(x.form1.Log, (std::vector<QString>{"beep"}));
  EXPECT_EQ(x.OnlyMessage().prompt,
            QStringLiteral("Please ReEnter Percent Of Time That Children Are In Claimant's "
                           "Possession (As A Decimal)"));
  // The cleared row counts as 0 nights in the average.
  EXPECT_FLOAT_EQ(x.Claim().ChildNights[kAverageRow], 150);
}

TEST(ParentingTime, ShareTexts) {
  for (const char* ok : {"", ".", "\x1b", ".5", "0", "1"}) EXPECT_FALSE(ShareTextIsWrong(ok)) << ok;
  for (const char* wrong : {"1.5", "-.1", "abc", "$.5"}) EXPECT_TRUE(ShareTextIsWrong(wrong)) << wrong;
  // Row 6 is the average and never tested.
  TimeCase x(1);
  x.form16.SetText("PercentOfTimeValue", "7", kAverageRow);
  EXPECT_FALSE(PercentOfTimeValue_Change(x.form16, x.prompter, kAverageRow));
}

TEST(ParentingTime, MovingIntoABoxWithoutEditingConvertsNothing) {
  TimeCase x(1);
  x.form16.SetText("ClaimDays", "100", 0);
  ConvertChildTime(x.form16, x.form1, x.cv.Express, x.prompter, 0, TimeBox::ClaimDays, "");
  ASSERT_EQ(x.form16.Text("PercentOfTimeValue", 0), QStringLiteral(".274"));
  // Tab into the share box: its text is what it was.
  EXPECT_FALSE(ConvertChildTime(x.form16, x.form1, x.cv.Express, x.prompter, 0,
                                TimeBox::PercentOfTimeValue, ".274"));
  EXPECT_EQ(x.Claim().TimeShare[0], 100.f / 365);
  EXPECT_EQ(x.form16.Text("PayerDays", 0), QStringLiteral("265.0"));
  // Typing the last digit of that share is an edit: the row follows the share.
  EXPECT_TRUE(ConvertChildTime(x.form16, x.form1, x.cv.Express, x.prompter, 0,
                               TimeBox::PercentOfTimeValue, ".27"));
  EXPECT_EQ(x.Claim().TimeShare[0], 0.274f);
}

TEST(ParentingTime, CopyGivesEveryChildTheYoungestsNights) {
  TimeCase one(1, {"120", "50"});
  CopyTime_Click(one.form16, one.form1, one.cv.Express, one.prompter);
  EXPECT_EQ(one.form16.Text("PayerDays", 1), QString());

  TimeCase three(3, {"120"});
  three.form16.SetText("PayerDays", "9", 0);  // only the claimant's nights are copied
  CopyTime_Click(three.form16, three.form1, three.cv.Express, three.prompter);
  EXPECT_EQ(three.Row(three.form16, 2), (QStringList{"120.0", "245.0", ".671", ".329"}));
  for (int k = 1; k <= 3; ++k) EXPECT_FLOAT_EQ(three.Claim().TierNights[k], 120) << k;
}

TEST(ParentingTime, CloseRecomputesTheTiers) {
  TimeCase x(2, {"100", "200"});
  ParentingTimeClose(x.form16, x.form1, x.cv.Express, x.prompter);
  EXPECT_FLOAT_EQ(x.Claim().TierNights[2], 150);
  EXPECT_EQ(x.form1.Text("ClaimDays"), QStringLiteral("150.0"));
}

}  // namespace
}  // namespace express
