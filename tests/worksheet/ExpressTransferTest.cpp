#include <gtest/gtest.h>

#include <QStringList>

#include "worksheet/ExpressTransfer.h"

using namespace worksheet;

namespace {

// Records the order of the steps and answers the checks from a script.
struct FakeExpress : ExpressChecks, IncomeWindowsLink, ChildSupportDriver {
  QStringList steps;
  bool shared = false;
  bool claimantIsRespondent = false;
  int stopAtCheck = -1;  // 0, 1 or 3
  casevars::CaseVars* vars = nullptr;
  double netAfterDriver = 0;
  bool driverStops = false;

  bool SharedOption() const override { return shared; }
  bool MParentOption() const override { return claimantIsRespondent; }
  void SetFDTaxCheckMode(int mode) override { steps << QStringLiteral("mode%1").arg(mode); }
  int Check(int n) {
    steps << QStringLiteral("check%1").arg(n);
    return stopAtCheck == n ? 1 : 0;
  }
  int CheckDataEntry0() override { return Check(0); }
  int CheckDataEntry1() override { return Check(1); }
  int CheckDataEntry3() override { return Check(3); }
  void ShowExpressScreen() override { steps << "express"; }
  void UpdateParentingTime() override { steps << "parenting"; }
  void TotalIncomeWindows() override { steps << "income"; }
  bool ComputeChildSupport() override {
    steps << "driver";
    if (netAfterDriver) vars->Support.Claim.MoNetIncome = netAfterDriver;
    return !driverStops;
  }
};

class ExpressTransfer : public ::testing::Test {
 protected:
  void SetUp() override {
    express.vars = &vars;
    vars.Income.Claim.YrGrossIncome = 60000;
    vars.Income.Payer.YrGrossIncome = 30001;
    vars.Support.Claim.MoNetIncome = 3800;
    vars.Support.Payer.MoNetIncome = 2100.5;
    vars.Express.Claim.MoDayCare = 300;
    vars.Express.Payer.MoDayCare = 50;
    vars.Express.Claim.MoChildHealthIns = 120;
    vars.Express.Payer.MoNonCoveredHealth = 45;
    vars.Express.NumMinorChildren = 2;
    vars.Express.Claim.YrOvernights = 146;
    vars.Express.Payer.YrOvernights = 219;
    sheet[Box::WS2t] = "$ 1,111";  // from an earlier calculation
    sheet[Box::WS0t] = "$ 9,999";
  }
  bool Transfer() { return GetDataFrom(sheet, vars, {express, express, express}); }

  casevars::CaseVars vars;
  FakeExpress express;
  WorksheetSheet sheet = WorksheetSheet::AsDesigned();
};

TEST_F(ExpressTransfer, ClaimantAsPetitionerFillsColumnA) {
  ASSERT_TRUE(Transfer());
  EXPECT_EQ(express.steps,
            (QStringList{"mode0", "income", "check0", "check1", "check3", "driver", "income"}));
  EXPECT_EQ(sheet[Box::WS0f], "$ 5,000");  // 60,000 / 12
  EXPECT_EQ(sheet[Box::WS0m], "$ 2,500");
  EXPECT_EQ(sheet[Box::WS1f], "$ 3,800");
  EXPECT_EQ(sheet[Box::WS1m], "$ 2,101");
  EXPECT_EQ(sheet[Box::WS7af], "$ 300");
  EXPECT_EQ(sheet[Box::WS7am], "$ 50");
  EXPECT_EQ(sheet[Box::WS7bf], "$ 120");
  EXPECT_EQ(sheet[Box::WS7bm], "$ 0");
  EXPECT_EQ(sheet[Box::WS7cm], "$ 45");
  EXPECT_EQ(sheet[Box::WS5at], "$ 350");
  EXPECT_EQ(sheet[Box::WS5bt], "$ 120");
  EXPECT_EQ(sheet[Box::WS5ct], "$ 45");
  EXPECT_EQ(sheet[Box::WS14at], "$");  // the other method's lines as the reset left them
  EXPECT_EQ(sheet[Box::WS16af], "$");
  EXPECT_EQ(sheet[Box::WSNumMinors], "2");
  EXPECT_EQ(sheet[Box::WS2t], "");
  EXPECT_EQ(sheet[Box::WS0t], "$");
}

TEST_F(ExpressTransfer, ClaimantAsRespondentWithSharedPossession) {
  express.shared = true;
  express.claimantIsRespondent = true;
  sheet[Box::WS7af] = "$ 12";
  ASSERT_TRUE(Transfer());
  EXPECT_EQ(express.steps, (QStringList{"mode0", "income", "check0", "check1", "check3",
                                        "parenting", "driver", "income"}));
  EXPECT_EQ(sheet[Box::WS0m], "$ 5,000");
  EXPECT_EQ(sheet[Box::WS0f], "$ 2,500");
  EXPECT_EQ(sheet[Box::WS16am], "$ 300");  // the claimant's child care in column B
  EXPECT_EQ(sheet[Box::WS16af], "$ 50");
  EXPECT_EQ(sheet[Box::WS14at], "$ 350");
  EXPECT_EQ(sheet[Box::WS7af], "$");
  EXPECT_EQ(sheet[Box::WSMotherDays], "146");
  EXPECT_EQ(sheet[Box::WSFatherDays], "219");
}

TEST_F(ExpressTransfer, OvernightsInTheGeneralNumberFormAndNoChildrenBlank) {
  express.shared = true;
  vars.Express.Claim.YrOvernights = 182.5;
  vars.Express.Payer.YrOvernights = 182.5;
  vars.Express.NumMinorChildren = 0;
  ASSERT_TRUE(Transfer());
  EXPECT_EQ(sheet[Box::WSFatherDays], "182.5");
  EXPECT_EQ(sheet[Box::WSMotherDays], "182.5");
  EXPECT_EQ(sheet[Box::WSNumMinors], "");
}

TEST_F(ExpressTransfer, LineOneShowsTheNetIncomesTheDriverLeaves) {
  express.netAfterDriver = 4321;  // e.g. entered by hand on the result window
  ASSERT_TRUE(Transfer());
  EXPECT_EQ(sheet[Box::WS1f], "$ 4,321");
}

TEST_F(ExpressTransfer, StoppedByACheckOrTheRunLeavesTheSheetAsItWas) {
  for (int check : {0, 1, 3, -1}) {
    FakeExpress stopping;
    stopping.vars = &vars;
    stopping.stopAtCheck = check;
    stopping.driverStops = check == -1;  // every check passes, the run stops
    WorksheetSheet before = sheet;
    before[Box::WS1f] = "$ 777";
    WorksheetSheet after = before;
    EXPECT_FALSE(GetDataFrom(after, vars, {stopping, stopping, stopping}));
    EXPECT_EQ(after.text, before.text) << check;
    EXPECT_EQ(stopping.steps.back(), "express");
    EXPECT_EQ(stopping.steps.contains("driver"), check == -1);
  }
}

}  // namespace
