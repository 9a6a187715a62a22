#include <gtest/gtest.h>

#include "express/ExpressFixture.h"
#include "express/TimeSharing.h"

namespace express {
namespace {

using testing::ExpressCase;

struct ConversionCase {
  const char* name;
  TimeBox box;
  const char* text;
  QStringList shown;  // ClaimDays, PayerDays, PayerPerCent, PercentOfTimeValue
  float claimNights;
  bool shareMessage;
};

class TimeSharingConversions : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(TimeSharingConversions, RewritesTheOtherThreeBoxes) {
  const ConversionCase& c = GetParam();
  ExpressCase x;
  x.form1.SetText(TimeBoxName(c.box), QLatin1String(c.text));
  EXPECT_TRUE(ConvertTimeSharing(x.form1, x.cv.Express, x.prompter, c.box, "5"));
  EXPECT_EQ((QStringList{x.form1.Text("ClaimDays"), x.form1.Text("PayerDays"),
                         x.form1.Text("PayerPerCent"), x.form1.Text("PercentOfTimeValue")}),
            c.shown);
  EXPECT_FLOAT_EQ(x.cv.Express.Claim.YrOvernights, c.claimNights);
  EXPECT_FLOAT_EQ(x.cv.Express.Payer.YrOvernights, 365 - c.claimNights);
  EXPECT_EQ(x.Messages().size(), c.shareMessage ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, TimeSharingConversions,
    ::testing::Values(
        ConversionCase{"ClaimNights", TimeBox::ClaimDays, "100", {"100", "265.0", ".726", ".274"}, 100, false},
        ConversionCase{"ClaimShare", TimeBox::PercentOfTimeValue, ".123", {"44.9", "320.1", ".877", ".123"}, 44.895f, false},
        ConversionCase{"EmptyNightsAreZero", TimeBox::ClaimDays, "", {"", "365.0", "1.000", ".000"}, 0, false},
        ConversionCase{"CurrencyFromAFile", TimeBox::ClaimDays, "$100", {"$100", "265.0", ".726", ".274"}, 100, false},
        ConversionCase{"OtherNights", TimeBox::PayerDays, "182.5", {"182.5", "182.5", ".500", ".500"}, 182.5f, false},
        ConversionCase{"OtherShare", TimeBox::PayerPerCent, ".25", {"273.8", "91.3", ".25", ".750"}, 273.75f, false},
        // Beyond the year: negative nights for the other side and the share notice.
        ConversionCase{"NightsBeyondTheYear", TimeBox::ClaimDays, "400", {"400", "-35.0", "-.096", "1.096"}, 400, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TimeSharing, ShareNoticeLeavesTheText) {
  ExpressCase x;
  x.form1.SetText("PercentOfTimeValue", ".");
  EXPECT_FALSE(ShareCheck(x.form1, x.prompter));
  x.form1.SetText("PercentOfTimeValue", "1.5");
  EXPECT_TRUE(ShareCheck(x.form1, x.prompter));
  EXPECT_EQ(x.form1.Text("PercentOfTimeValue"), QStringLiteral("1.5"));
  EXPECT_EQ(x.form1.Focus, QString());
  EXPECT_EQ(x.OnlyMessage().title, QStringLiteral("Entry Error"));
}

TEST(TimeSharing, UneditedBoxConvertsNothing) {
  ExpressCase x;
  x.form1.SetText("PercentOfTimeValue", ".274");
  x.cv.Express.Claim.YrOvernights = 100;
  EXPECT_FALSE(ConvertTimeSharing(x.form1, x.cv.Express, x.prompter, TimeBox::PercentOfTimeValue, ".274"));
  EXPECT_EQ(x.cv.Express.Claim.YrOvernights, 100.f);
  EXPECT_EQ(x.form1.Text("ClaimDays"), QString());
}

TEST(TimeSharing, PossessionCounts) {
  const QString claimMessage =
      "The Combined Number Of Children In Each Parent's Possession Is Greater Than The Number Of "
      "Minors, Or The Entry Is Not Numeric - Please ReEnter The Split Custody";
  const QString otherMessage =
      "The Combined Number Of Children In Each Parent's Possession Is Greater Than The Number Of "
      "Minors, Or The Entry Is Not Numeric  - Please ReEnter The Split Custody";
  struct Case {
    const char* claimant;
    const char* other;
    bool checkClaimant;
    bool refused;
  };
  for (const Case& c : {Case{"2", "2", true, true}, Case{"x", "1", true, true},
                        Case{"1", "2", true, false}, Case{"", "9", true, false},
                        Case{"2", "2", false, true}}) {
    ExpressCase x;
    x.On({"SplitOption"});
    x.Set({{"MinChild", "3"}, {"ClaimantPossession11", c.claimant}, {"OtherPossession11", c.other}});
    const QString box = c.checkClaimant ? "ClaimantPossession11" : "OtherPossession11";
    EXPECT_EQ(PossessionCountCheck(x.form1, x.prompter, c.checkClaimant), c.refused) << c.claimant;
    if (!c.refused) continue;
    EXPECT_EQ(x.form1.Focus, box);
    EXPECT_EQ(x.OnlyMessage().prompt, c.checkClaimant ? claimMessage : otherMessage);
    EXPECT_EQ(x.form1.Text(box), QString());
  }
  // Outside split custody the counts are never tested.
  ExpressCase custodial;
  custodial.Set({{"MinChild", "1"}, {"ClaimantPossession11", "5"}});
  EXPECT_FALSE(PossessionCountCheck(custodial.form1, custodial.prompter, true));
}

}  // namespace
}  // namespace express
