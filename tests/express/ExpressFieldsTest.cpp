#include <gtest/gtest.h>

#include "express/ChildPositions.h"
#include "express/CustodyStates.h"
#include "express/ExpressChecks.h"
#include "express/ExpressFields.h"
#include "express/ParentingTime.h"
#include "express/SplitCustody.h"
#include "express/TierValues.h"
#include "express/TimeSharing.h"

namespace express {
namespace {

TEST(ExpressFieldsTest, FakeTurnsTheOtherOptionsOfAGroupOffAndKeepsRowsApart) {
  FakeExpressFields f;
  f.SetValue("SharedOption", kOn);
  f.SetValue("SplitOption", kOn);
  EXPECT_EQ(f.Value("SharedOption"), kOff);
  EXPECT_EQ(f.Value("SplitOption"), kOn);

  f.SetValue("ClaimChild", kOn, 0);
  f.SetValue("ClaimChild", kOn, 1);
  f.SetValue("OtherChild", kOn, 1);
  EXPECT_EQ(f.Value("ClaimChild", 0), kOn);
  EXPECT_EQ(f.Value("ClaimChild", 1), kOff);
  EXPECT_EQ(f.Value("OtherChild", 1), kOn);

  // Turning an option off leaves the rest of its group as it is.
  f.SetValue("OtherChild", kOff, 1);
  EXPECT_EQ(f.Value("ClaimChild", 0), kOn);
}

TEST(ExpressFieldsTest, FakeStartsEnabledVisibleAndEmptyAndLogsFocusAndShow) {
  FakeExpressFields f;
  EXPECT_TRUE(f.Enabled("NumChild"));
  EXPECT_TRUE(f.Visible("ChildFrame", 3));
  EXPECT_EQ(f.Text("NumChild"), QString());
  f.SetFocus("ClaimChild", 2);
  f.Show();
  EXPECT_EQ(f.Focus, QStringLiteral("ClaimChild(2)"));
  EXPECT_EQ(f.Log, (std::vector<QString>{QStringLiteral("focus ClaimChild(2)"), QStringLiteral("show")}));
}

}  // namespace
}  // namespace express
