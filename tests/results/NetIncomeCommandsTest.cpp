#include <gtest/gtest.h>

#include "engine/childsupport/ChildSupportRun.h"
#include "platform/NumberText.h"
#include "platform/ScriptedDialogs.h"
#include "results/NetIncomeCommands.h"

using casevars::Party;
using results::NetCommand;

namespace {

TEST(ManualNetState, AdjustAddsThePartyResetTakesItAway) {
  struct Row {
    std::int16_t before, adjustClaim, adjustOther, resetClaim, resetOther;
  } rows[] = {
      {1, 2, 3, 1, 1}, {2, 2, 4, 1, 2}, {3, 4, 3, 3, 1}, {4, 4, 4, 3, 2},
      {0, 0, 0, 0, 0}, {5, 5, 5, 5, 5},  // states the window does not know stay
  };
  for (const Row& r : rows) {
    EXPECT_EQ(results::ManualNetStateAfter(r.before, NetCommand::Adjust, Party::Claim), r.adjustClaim) << r.before;
    EXPECT_EQ(results::ManualNetStateAfter(r.before, NetCommand::Adjust, Party::Payer), r.adjustOther) << r.before;
    EXPECT_EQ(results::ManualNetStateAfter(r.before, NetCommand::Reset, Party::Claim), r.resetClaim) << r.before;
    EXPECT_EQ(results::ManualNetStateAfter(r.before, NetCommand::Reset, Party::Payer), r.resetOther) << r.before;
  }
}

class NetIncomeCommandsTest : public ::testing::Test {
 protected:
  results::NetIncomeServices Services() {
    results::NetIncomeServices s{dialogs};
    for (int i = 0; i < 3; ++i)
      s.entryChecks.push_back([this, i]() -> std::int16_t {
        checksRun.push_back(i);
        return i == failingCheck ? 1 : 0;
      });
    s.netBoxText = [this](Party p) { return box[p]; };
    s.clearNetBox = [this](Party p) { box[p].clear(); };
    s.focusNetBox = [this](Party p) { focused.push_back(p); };
    s.computeChildSupport = [this] {
      ++runs;
      return true;
    };
    return s;
  }

  platform::ScriptedDialogs dialogs;
  casevars::ResultsVars results;
  casevars::PartyPair<QString> box;
  int failingCheck = -1;
  std::vector<int> checksRun;
  std::vector<Party> focused;
  int runs = 0;
};

constexpr const char* kTooLarge = "This amount is too large. Please enter an amount of $999,999,999,999 or less.";

TEST_F(NetIncomeCommandsTest, AdjustTakesAnAmountOfZeroOrMore) {
  struct Case {
    Party party;
    const char* text;
    bool accepted;
    const char* message;  // when refused
    bool focus;
  } cases[] = {
      {Party::Claim, "$1,250", true, "", false},
      {Party::Claim, "0", true, "", false},
      {Party::Payer, " 2,400.50 ", true, "", false},
      {Party::Claim, "-5", false, "Claimant's New Net Income Must Be $0 Or Greater", false},
      {Party::Payer, "-$5", false, "The Other Parent's New Net Income Must Be $0 Or Greater", false},
      {Party::Claim, "", false, "Please Enter The Claimant's New Monthly Net Income", true},
      {Party::Payer, "abc", false, "Please Enter The Other Parent's New Monthly Net Income", true},
      // The program's amount limit.
      {Party::Payer, "999,999,999,999", true, "", false},
      {Party::Payer, "1e30", false, kTooLarge, true},
      {Party::Claim, "$1,000,000,000,000", false, kTooLarge, true},
  };
  for (const Case& c : cases) {
    results.ManualNetState = 1;
    runs = 0;
    focused.clear();
    box[c.party] = c.text;
    if (!c.accepted) dialogs.AnswerMessageBox(platform::kAnswerOk);
    const std::size_t calls = dialogs.Calls().size();
    EXPECT_EQ(results::AdjustIncome(c.party, results, Services()), c.accepted) << c.text;
    EXPECT_EQ(runs, c.accepted ? 1 : 0) << c.text;
    EXPECT_EQ(results.ManualNetState, c.accepted ? (c.party == Party::Claim ? 2 : 3) : 1) << c.text;
    EXPECT_EQ(focused.size(), c.focus ? 1u : 0u) << c.text;
    if (!c.accepted) {
      ASSERT_EQ(dialogs.Calls().size(), calls + 1) << c.text;
      EXPECT_EQ(dialogs.Calls().back().prompt, c.message);
      EXPECT_EQ(dialogs.Calls().back().title, "Entry Error");
      EXPECT_EQ(dialogs.Calls().back().buttons, platform::kBoxOk);
    } else {
      EXPECT_EQ(dialogs.Calls().size(), calls) << c.text;
    }
  }
}

TEST_F(NetIncomeCommandsTest, AnEntryCheckThatStopsStopsAdjustAndReset) {
  failingCheck = 1;
  box.Claim = "2500";
  results.ManualNetState = 2;
  EXPECT_FALSE(results::AdjustIncome(Party::Payer, results, Services()));
  EXPECT_FALSE(results::ResetIncome(Party::Claim, results, Services()));
  EXPECT_EQ(checksRun, (std::vector<int>{0, 1, 0, 1}));  // the third check never ran
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(results.ManualNetState, 2);
  EXPECT_EQ(box.Claim, "2500");  // not emptied
  EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(NetIncomeCommandsTest, ResetEmptiesTheBoxAndRunsAgain) {
  results.ManualNetState = 4;
  box.Claim = "2500";
  box.Payer = "4000";
  EXPECT_TRUE(results::ResetIncome(Party::Claim, results, Services()));
  EXPECT_EQ(results.ManualNetState, 3);
  EXPECT_TRUE(box.Claim.isEmpty());
  EXPECT_EQ(box.Payer, "4000");
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(checksRun, (std::vector<int>{0, 1, 2}));
  // A party never adjusted: the state stays and the run is still redone.
  EXPECT_TRUE(results::ResetIncome(Party::Claim, results, Services()));
  EXPECT_EQ(results.ManualNetState, 3);
  EXPECT_EQ(runs, 2);
}

// A run that stops (it showed why) leaves the state and the box as they were,
// for Adjust and Reset alike.
TEST_F(NetIncomeCommandsTest, ARunThatStopsChangesNeitherTheStateNorTheBox) {
  results::NetIncomeServices s = Services();
  s.computeChildSupport = [] { return false; };
  box.Claim = "2500";
  box.Payer = "1e40";
  results.ManualNetState = 2;
  EXPECT_FALSE(results::AdjustIncome(Party::Payer, results, s));
  EXPECT_EQ(results.ManualNetState, 2);
  EXPECT_FALSE(results::ResetIncome(Party::Claim, results, s));
  EXPECT_EQ(results.ManualNetState, 2);
  EXPECT_EQ(box.Claim, "2500");
}

// The commands over the child support run, as the result window wires them:
// the run reads the boxes, so an emptied box after leaving the window must
// never count as a net of $0.
TEST_F(NetIncomeCommandsTest, WithTheRunAdjustResetAndLeave) {
  casevars::CaseVars v;
  v.Express.CustodyStatus = "Cust";
  v.Express.NumMinorChildren = 1;
  for (Party p : casevars::kParties) {
    v.Express[p].FilingStatus = "Single";
    v.Business[p].YrWagesForTax = v.Income[p].YrGrossIncome = v.Income[p].YrTotal = v.Income[p].YrAGIBase =
        p == Party::Claim ? 30'000 : 60'000;
  }
  v.Results.ManualNetState = 1;
  const auto run = [&] {
    childsupport::ChildSupportInputs in;
    in.SplitDefault = "Winters";
    in.InterpDefault = "Closest";
    for (Party p : casevars::kParties) in[p].NewNet = platform::AmountFromText(box[p]);
    ASSERT_TRUE(childsupport::ComputeChildSupport(v, in).Completed);
  };
  run();
  const double computed = v.Support.Claim.MoNetIncome;
  const double transfer = v.Support.MoChildSupportTransfer;

  results::NetIncomeServices s = Services();
  s.computeChildSupport = [&] {
    run();
    return true;
  };
  box.Claim = "$1,000";
  ASSERT_TRUE(results::AdjustIncome(Party::Claim, v.Results, s));
  EXPECT_EQ(v.Support.Claim.MoNetIncome, 1'000);
  EXPECT_EQ(v.Support.Claim.MoManualAdj, computed - 1'000);
  EXPECT_GT(v.Support.MoChildSupportTransfer, transfer);  // the claimant now has less

  ASSERT_TRUE(results::ResetIncome(Party::Claim, v.Results, s));
  EXPECT_EQ(v.Support.Claim.MoNetIncome, computed);
  EXPECT_EQ(v.Support.MoChildSupportTransfer, transfer);

  // Adjusted again, then the window is closed: its boxes are gone.
  box.Claim = "1000";
  ASSERT_TRUE(results::AdjustIncome(Party::Claim, v.Results, s));
  results::LeaveResultWindow(v.Results);
  EXPECT_EQ(v.Results.ManualNetState, 0);
  box.Claim.clear();
  run();  // a later run from elsewhere, say a what-if tool
  EXPECT_EQ(v.Support.Claim.MoNetIncome, computed);
}

}  // namespace
