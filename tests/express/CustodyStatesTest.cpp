#include <gtest/gtest.h>

#include "express/CustodyStates.h"
#include "express/ExpressFixture.h"

namespace express {
namespace {

using testing::ExpressCase;

// The Express screen as a preparer leaves it after typing the counts, with
// every child field holding something.
struct ScreenCase : ExpressCase {
  explicit ScreenCase(const char* born = "3", const char* minors = "2") {
    Set({{"ClaimHealthCare", "$90"}, {"OtherSpecial", "$15"}, {"OtherNumCare", "1"}});
    form1.SetMenuChecked("AutoCalc", true);
    Type("NumChild", born);
    Type("MinChild", minors);
  }
  // The user types a count.
  void Type(const char* box, const char* text) {
    form1.SetText(QLatin1String(box), QLatin1String(text));
    if (QLatin1String(box) == QLatin1String("NumChild")) NumChild_Change(form1, cv.Express);
    else MinChild_Change(form1, cv.Express, prompter);
  }
  // The user clicks a custody option.
  void Click(const char* option) {
    On({option});
    ApplyCustodyState(form1, cv.Express);
  }
  bool Shown(const char* name) const { return form1.Visible(QLatin1String(name)); }
  bool Enabled(const char* name) const { return form1.Enabled(QLatin1String(name)); }
};

struct StateRow {
  const char* option;  // nullptr: none on
  bool sharedCalc, shareFrame, shareFrameEnabled, timeBoxes, splitFrame, splitCounts;
  const char* caption;  // of the time-sharing frame, also while it is hidden
};

class CustodyScreenStates : public ::testing::TestWithParam<StateRow> {};

TEST_P(CustodyScreenStates, EachStatusShowsItsFields) {
  const StateRow& r = GetParam();
  ScreenCase x;
  x.form1.SetVisible("Frame10", true);
  x.Off({"CustodialOption"});
  if (r.option) x.On({r.option});
  ApplyCustodyState(x.form1, x.cv.Express);
  EXPECT_EQ(x.Shown("SharedCalc"), r.sharedCalc);
  EXPECT_EQ(x.Shown("ShareSplitFrame"), r.shareFrame);
  EXPECT_EQ(x.Enabled("ShareSplitFrame"), r.shareFrameEnabled);
  for (const char* box : {"ClaimDays", "PayerDays", "PercentOfTimeValue", "PayerPerCent", "Label19"})
    EXPECT_EQ(x.Shown(box), r.timeBoxes) << box;
  EXPECT_EQ(x.Shown("Frame10"), r.splitFrame);
  EXPECT_EQ(x.Shown("ClaimantPossession11"), r.splitCounts);
  EXPECT_EQ(x.form1.Text("ShareSplitFrame"), QLatin1String(r.caption));
  // Minor children: the child fields stand ready, the caregiver options too.
  EXPECT_TRUE(x.Shown("ClaimDayCare"));
  EXPECT_TRUE(x.Enabled("ChildSupportButton"));
  EXPECT_EQ(x.form1.BackColor("RunWaWs"), kRunButtonColor);
  EXPECT_TRUE(x.Shown("CharOption2"));
  EXPECT_TRUE(x.Enabled("CharacterizationFrame"));
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, CustodyScreenStates,
    ::testing::Values(
        StateRow{"CustodialOption", false, true, false, false, true, false, "Shared/Split Possession"},
        StateRow{"NonCustodialOption", false, true, false, false, true, false, "Shared/Split Possession"},
        StateRow{"SharedOption", true, true, true, true, false, false, "Shared Possession"},
        StateRow{"SplitOption", false, false, false, false, true, true, "Shared/Split Possession"},
        StateRow{nullptr, false, true, false, false, true, false, "Shared/Split Possession"}),
    [](const auto& info) {
      return std::string(info.param.option ? info.param.option : "NoneChosen");
    });

TEST(CustodyStates, NoChildBornLocksToNoMinorsAndEmptiesTheChildFields) {
  ScreenCase x;
  x.On({"CharOption1"});
  x.Set({{"ChildSupport", "$400"}});
  x.Type("NumChild", "0");
  EXPECT_EQ(x.form1.Value("NoMinorOption"), kOn);
  EXPECT_EQ(x.form1.Value("CustodialOption"), kOff);
  for (const char* option : {"CustodialOption", "NonCustodialOption", "SharedOption", "SplitOption"})
    EXPECT_FALSE(x.Enabled(option)) << option;
  EXPECT_EQ(x.form1.Text("MinChild"), QString());
  EXPECT_FALSE(x.Enabled("MinChild"));
  EXPECT_FALSE(x.Shown("ClaimDayCare"));
  EXPECT_FALSE(x.Enabled("RunWaWs"));
  for (const char* box : {"ClaimHealthCare", "OtherSpecial", "OtherNumCare", "ChildSupport"})
    EXPECT_EQ(x.form1.Text(box), QString()) << box;
  EXPECT_FALSE(x.Shown("CharOption1"));
  EXPECT_EQ(x.form1.Value("CharOption1"), kOff);
  EXPECT_FALSE(x.Enabled("CharacterizationFrame"));
}

TEST(CustodyStates, ACountThatIsNotANumberChangesNothing) {
  for (const char* box : {"NumChild", "MinChild"}) {
    ScreenCase x;
    x.On({"CharOption3"});
    x.Type(box, "x");
    EXPECT_EQ(x.form1.Value("CustodialOption"), kOn) << box;
    EXPECT_EQ(x.form1.Value("CharOption3"), kOn) << box;
    EXPECT_EQ(x.form1.Text("ClaimHealthCare"), QStringLiteral("$90")) << box;
    EXPECT_TRUE(x.Shown("ClaimDayCare")) << box;
  }
}

TEST(CustodyStates, MinorsBeyondTheBornAreRefused) {
  ScreenCase x;
  x.Type("MinChild", "4");
  EXPECT_EQ(x.OnlyMessage().prompt, QStringLiteral("Minor Children Can Not Exceed Number Of Children Born"));
  EXPECT_EQ(x.OnlyMessage().title, QStringLiteral("Entry Error"));
  EXPECT_EQ(x.form1.Text("MinChild"), QString());
  EXPECT_EQ(x.form1.Value("CustodialOption"), kOn);
  EXPECT_FALSE(x.Enabled("NoMinorOption"));
}

TEST(CustodyStates, NoMinorsLeftKeepsTheCaregiverThenMinorsUnlockTheOptions) {
  ScreenCase x("2", "0");
  EXPECT_EQ(x.form1.Value("NoMinorOption"), kOn);
  EXPECT_TRUE(x.Shown("CharOption1"));
  EXPECT_TRUE(x.Enabled("MinChild"));
  EXPECT_FALSE(x.Shown("ClaimDayCare"));

  x.Type("MinChild", "2");
  EXPECT_EQ(x.form1.Value("NoMinorOption"), kOff);
  EXPECT_FALSE(x.Enabled("NoMinorOption"));
  EXPECT_TRUE(x.Enabled("SharedOption"));
  // No option on: the neutral time-sharing frame.
  EXPECT_EQ(x.form1.Text("ShareSplitFrame"), QStringLiteral("Shared/Split Possession"));
  EXPECT_FALSE(x.Enabled("ShareSplitFrame"));
  EXPECT_FALSE(x.Shown("ClaimDays"));
  EXPECT_TRUE(x.Shown("ClaimDayCare"));
}

TEST(CustodyStates, ACustodyClickClearsTheCaregiverAndSetsTheSequencing) {
  ScreenCase x;
  x.On({"CharOption2"});
  x.Click("SharedOption");
  EXPECT_EQ(x.form1.Value("CharOption2"), kOff);
  EXPECT_EQ(x.cv.Express.SequencingMode, 1);
  EXPECT_FALSE(x.Shown("ChildSupport"));
  EXPECT_TRUE(x.Shown("CurrentMaintTransfer"));
  EXPECT_FALSE(x.Shown("ApplyMaintToCS"));

  x.form1.SetMenuChecked("AutoCalc", false);
  x.cv.Express.MaintAppliedToCS = 1;
  x.Click("CustodialOption");
  EXPECT_EQ(x.cv.Express.SequencingMode, 0);
  EXPECT_EQ(x.cv.Express.MaintAppliedToCS, 0);
  EXPECT_TRUE(x.Shown("ChildSupport"));
  EXPECT_FALSE(x.Shown("CurrentMaintTransfer"));
  EXPECT_FALSE(x.Shown("SharedCalc"));
  EXPECT_EQ(x.form1.Text("ShareSplitFrame"), QStringLiteral("Shared/Split Possession"));
}

}  // namespace
}  // namespace express
