#include <gtest/gtest.h>

#include "express/ChildPositions.h"
#include "express/CustodyStates.h"
#include "express/ExpressFixture.h"
#include "express/SplitCustody.h"

namespace express {
namespace {

using testing::ExpressCase;

struct SplitCase : ExpressCase {
  explicit SplitCase(const char* minors) {
    Set({{"NumChild", "9"}, {"MinChild", minors}});
    On({"SplitOption"});
  }
  bool Click() { return SplitOption_Click(form1, cv.Express, prompter); }
  void Mark(std::initializer_list<const char*> rows) {
    int i = 0;
    for (const char* row : rows) form1.SetValue(QLatin1String(row), kOn, i++);
    ClaimChild_Click(form1, cv.Express, prompter);
  }
  QStringList Labels() const {
    QStringList labels;
    for (int i = 0; i < 6; ++i)
      labels << (form1.Visible("ChildFrame", i) ? form1.Text("ChildLabel", i) : QStringLiteral("-"));
    return labels;
  }
  std::vector<float> Running(const casevars::PartyExpress& p) const {
    return {p.SplitChildren.begin(), p.SplitChildren.begin() + 6};
  }
};

TEST(SplitCustody, RowsAreLaidOutForTheMinors) {
  SplitCase three("3");
  EXPECT_TRUE(three.Click());
  EXPECT_EQ(three.Labels(), (QStringList{"Youngest Child", "Middle Child", "Oldest Child", "-", "-", "-"}));
  EXPECT_TRUE(three.form1.Visible("ClaimantPossession11"));

  SplitCase seven("7");
  EXPECT_TRUE(seven.Click());
  EXPECT_EQ(seven.Labels(), (QStringList{"Youngest Child", "2nd Youngest Child", "3rd Youngest Child",
                                         "3rd Oldest Child", "2nd Oldest Child", "Oldest Child(ren)"}));
}

TEST(SplitCustody, ACountThatAllowsNoSplitFallsBackToCustodial) {
  for (const char* minors : {"1", ".5", "", "2.5"}) {
    SplitCase x(minors);
    x.Set({{"ClaimantPossession11", "1"}});
    EXPECT_FALSE(x.Click()) << minors;
    EXPECT_EQ(x.OnlyMessage().prompt,
              QStringLiteral("There Must Be At Least 2 Minor Children For A Split Case. Please "
                             "Re-Enter The Number Of Minor Children"));
    EXPECT_EQ(x.form1.Text("MinChild"), QString());
    EXPECT_EQ(x.form1.Value("CustodialOption"), kOn);
    EXPECT_EQ(x.form1.Value("SplitOption"), kOff);
    EXPECT_EQ(x.Labels(), (QStringList{"-", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(x.form1.Text("ChildLabel", 0), QStringLiteral("Only Child"));
    EXPECT_EQ(x.form1.Text("ClaimantPossession11"), QString());
  }
}

TEST(SplitCustody, RunningCountsFollowTheVisibleRows) {
  SplitCase x("4");
  x.Click();
  x.Mark({"ClaimChild", "OtherChild", "ClaimChild", "OtherChild"});
  EXPECT_EQ(x.cv.Express.Claim.PossessionChildren, 2);
  EXPECT_EQ(x.cv.Express.Payer.PossessionChildren, 2);
  EXPECT_EQ(x.Running(x.cv.Express.Claim), (std::vector<float>{1, 1, 2, 2, 2, 2}));
  EXPECT_EQ(x.Running(x.cv.Express.Payer), (std::vector<float>{0, 1, 1, 2, 2, 2}));
  EXPECT_EQ(x.form1.Text("ClaimantPossession11"), QStringLiteral("2"));
  EXPECT_EQ(x.form1.Text("OtherPossession11"), QStringLiteral("2"));

  // A row with neither option counts for nobody.
  x.form1.SetValue("OtherChild", kOff, 1);
  ClaimChild_Click(x.form1, x.cv.Express, x.prompter);
  EXPECT_EQ(x.Running(x.cv.Express.Payer), (std::vector<float>{0, 0, 0, 1, 1, 1}));
}

TEST(SplitCustody, HiddenRowsKeepTheirMarksWhenTheMinorsChange) {
  SplitCase x("4");
  x.Click();
  x.Mark({"ClaimChild", "ClaimChild", "ClaimChild", "ClaimChild"});
  x.form1.SetText("MinChild", "2");
  MinChild_Change(x.form1, x.cv.Express, x.prompter);
  EXPECT_EQ(x.cv.Express.Claim.PossessionChildren, 2);
  EXPECT_EQ(x.form1.Text("OtherPossession11"), QStringLiteral("0"));
  x.form1.SetText("MinChild", "4");
  MinChild_Change(x.form1, x.cv.Express, x.prompter);
  EXPECT_EQ(x.cv.Express.Claim.PossessionChildren, 4);
}

TEST(SplitCustody, SharedParentingButtonTakesTheMinors) {
  ExpressCase six;
  six.Set({{"MinChild", ".6"}});
  EXPECT_EQ(SharedCalcStart(six.form1, six.form16, six.cv.Express, six.prompter), 1);
  EXPECT_EQ(six.cv.Express.NumMinorChildren, 1);
  EXPECT_EQ(six.form16.Text("ShareFrame", 0), QStringLiteral("Only Child"));
  EXPECT_FALSE(six.form16.Visible("ShareFrame", 1));

  ExpressCase half;  // .5 rounds to 0: the frames stay as they were, the window still opens
  half.Set({{"MinChild", ".5"}});
  half.form16.SetText("ShareFrame", "Child 1", 0);
  EXPECT_EQ(SharedCalcStart(half.form1, half.form16, half.cv.Express, half.prompter), 0);
  EXPECT_EQ(half.form16.Text("ShareFrame", 0), QStringLiteral("Child 1"));

  for (const char* minors : {"0", "a", ""}) {
    ExpressCase x;
    x.Set({{"MinChild", minors}});
    x.cv.Express.NumMinorChildren = 2;
    EXPECT_EQ(SharedCalcStart(x.form1, x.form16, x.cv.Express, x.prompter), std::nullopt);
    EXPECT_EQ(x.form1.Log, (std::vector<QString>{"focus MinChild", "beep"}));
    EXPECT_EQ(x.OnlyMessage().prompt, QStringLiteral("Please Enter Number Of Children To Be Supported"));
    EXPECT_EQ(x.cv.Express.NumMinorChildren, 2);
  }
}

TEST(SplitCustody, ChildPositionsForFiveChildren) {
  const auto positions = ChildPositions(5);
  EXPECT_EQ(positions[2].caption, QStringLiteral("Middle Child"));
  EXPECT_TRUE(positions[4].visible);
  EXPECT_FALSE(positions[5].visible);
  EXPECT_FALSE(ChildPositions(0)[0].visible);
}

}  // namespace
}  // namespace express
