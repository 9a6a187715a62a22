#include <gtest/gtest.h>

#include "business/BusinessDeduction.h"
#include "business/BusinessTotals.h"
#include "case/CaseVars.h"
#include "engine/childsupport/ChildSupportRun.h"

// A child support run over a claimant with wages, a sole proprietorship that
// pays employees, an S-corporation and REIT income, whose taxable income lies
// above the top of the phase-in range: the wage limit cuts the deduction.

namespace {

using casevars::CaseVars;
using casevars::Party;

TEST(BusinessDriverCase, TheDeductionReachesTheTaxEstimate) {
  CaseVars v;
  v.Express.CustodyStatus = "Cust";
  v.Express.NumMinorChildren = 1;
  v.Results.ManualNetState = 1;

  // The claimant's business window, yearly.
  v.Express.Claim.FilingStatus = "Single";
  casevars::PartyBusiness& b = v.Business.Claim;
  b.YrAWages = 100'000;
  b.YrAW2Wages = 30'000;
  b.YrACapital = 200'000;
  b.YrCWages = 40'000;
  b.YrCPass = 50'000;
  b.YrREIT = 10'000;
  business::ComputeBusinessTotals(b, v.Income.Claim);
  EXPECT_EQ(v.Income.Claim.YrSelf, 200'000);

  // The claimant's income window: wages 120,000 and the business income.
  casevars::PartyIncome& in = v.Income.Claim;
  in.YrEarned = 120'000;
  in.YrTotal = in.YrGrossIncome = in.YrAGIBase = 320'000;
  business::AssignNewVars(b, in);
  EXPECT_EQ(b.YrSEIncome, 100'000);        // 200,000 - (60,000 pass-through + 40,000 S-corp wages)
  EXPECT_EQ(b.YrWagesForTax, 160'000);     // 120,000 + 40,000
  EXPECT_EQ(b.YrSTAndPassThru, 60'000);

  // The other party earns wages only.
  v.Express.Payer.FilingStatus = "Single";
  v.Business.Payer.YrWagesForTax = 60'000;
  v.Income.Payer.YrTotal = v.Income.Payer.YrGrossIncome = v.Income.Payer.YrAGIBase = 60'000;

  childsupport::ChildSupportInputs inputs;
  inputs.SplitDefault = "Winters";
  inputs.InterpDefault = "Closest";
  childsupport::ChildSupportServices services;
  services.GetBusinessDeduction = business::MakeBusinessDeductionService(v);
  const childsupport::ChildSupportOutcome out = ComputeChildSupport(v, inputs, services);
  ASSERT_TRUE(out.Completed) << out.Message.toStdString();

  // Payroll: SE earnings 100,000 x 0.9235 = 92,350; Social Security room
  // 184,500 - 160,000 = 24,500 -> 3,038; Medicare 92,350 x 0.029 = 2,678.15;
  // half SE tax 2,858.075. AGI 320,000 - 2,858.075 = 317,141.93.
  EXPECT_NEAR(v.Tax.Claim.YrFedAGI, 317'141.93, 0.02);
  // Deduction: taxable estimate 317,141.93 - 16,100 = 301,041.93, above 276,750.
  //   A: 20% x 100,000 = 20,000; limit max(50% x 30,000, 25% x 30,000 +
  //      2.5% x 200,000 = 12,500) = 15,000 -> 15,000
  //   C: 20% x 50,000 = 10,000; limit 50% x 40,000 own wages = 20,000 -> 10,000
  //   REIT: 20% x 10,000 = 2,000
  //   27,000, below 20% of the taxable estimate (60,208).
  EXPECT_EQ(v.Business.Claim.YrBusDeduction, 27'000);
  EXPECT_EQ(v.Business.Claim.YrBusLossCarryover, 0);
  // Income tax on 317,141.93 - 27,000 = 290,141.93, less 16,100: 274,041.93;
  // 58,448 to the top of the 32% bracket + 17,816.93 x 35% = 64,683.93.
  EXPECT_EQ(v.Tax.Claim.YrFedTax, 64'684);
  // The other party has no business: no deduction.
  EXPECT_EQ(v.Business.Payer.YrBusDeduction, 0);
}

}  // namespace
