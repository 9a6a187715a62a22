#include <gtest/gtest.h>

#include <limits>

#include "case/CaseVars.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "shell/Preferences.h"

namespace {

using casevars::CaseVars;
using casevars::Party;
using childsupport::ChildSupportInputs;
using childsupport::ChildSupportOutcome;
using childsupport::ComputeChildSupport;

// A party whose only income is wages.
void SetWageEarner(CaseVars& v, Party p, const char* filing, float wages) {
  v.Express[p].FilingStatus = filing;
  v.Business[p].YrWagesForTax = wages;
  v.Income[p].YrGrossIncome = wages;
  v.Income[p].YrTotal = wages;
  v.Income[p].YrAGIBase = wages;
}

// The program's defaults for the two calculation preferences.
ChildSupportInputs DefaultInputs() {
  ChildSupportInputs in;
  in.SplitDefault = "Winters";
  in.InterpDefault = "Closest";
  return in;
}

TEST(ComputeChildSupport, SoleCustodyWithChildCareAndHealthCosts) {
  CaseVars v;
  v.Express.CustodyStatus = "Cust";
  v.Express.NumMinorChildren = 2;
  SetWageEarner(v, Party::Claim, "Head", 36'000);
  v.Express.Claim.Under17Children = 2;
  v.Express.Claim.DayCareChildren = 2;
  v.Express.Claim.MoDayCare = 400;
  v.Express.Claim.MoChildHealthIns = 120;
  SetWageEarner(v, Party::Payer, "Single", 72'600);
  v.Express.Payer.MoNonCoveredHealth = 50;
  v.Express.Payer.StateTaxRate = 0.04f;
  v.Results.ManualNetState = 1;

  int drawn = 0;
  childsupport::ChildSupportServices services;
  services.DrawChildSupportText = [&drawn](CaseVars&) { ++drawn; };
  const ChildSupportOutcome out = ComputeChildSupport(v, DefaultInputs(), services);
  ASSERT_TRUE(out.Completed) << out.Message.toStdString();
  EXPECT_EQ(drawn, 1);

  // Claimant, head of household, wages 36,000:
  //   payroll 36,000 x 0.0765 = 2,754; AGI 36,000
  //   income tax (36,000 - 24,150) x 0.10 = 1,185
  //   child tax credit 2 x 2,200 = 4,400; care credit 4,800 x 0.39
  //   (k = ceil(21,000 / 2,000) = 11) = 1,872, lowered to the tax 1,185
  //   limits: 1,185 against the tax, the 4,400 child credit all over it;
  //   L = 0.15 x 33,500 = 5,025; per child 2,200 >= 1,700 -> 3,400
  //   total credits 1,185 + 3,400 = 4,585
  //   net (36,000 - 1,185 + 4,585 - 2,754) / 12 = 3,053.83 -> 3,054
  const casevars::PartyTax& ct = v.Tax.Claim;
  EXPECT_EQ(ct.YrFicaTax, 2'754);
  EXPECT_EQ(ct.YrFedAGI, 36'000);
  EXPECT_EQ(ct.YrFedTax, 1'185);
  EXPECT_EQ(ct.YrChildTaxCredit, 4'400);
  EXPECT_EQ(ct.YrChildCareCredit, 1'185);
  EXPECT_FLOAT_EQ(ct.YrAddlChildTaxCredit, 3'400);
  EXPECT_FLOAT_EQ(ct.YrTotalCredits, 4'585);
  EXPECT_NEAR(v.Support.Claim.MoPreAdjNet, 3'053.83, 0.01);
  EXPECT_EQ(v.Support.Claim.MoNetIncome, 3'054);
  // Other party, single, wages 72,600:
  //   payroll 5,553.9 -> 5,554; income tax on 56,500: 5,800 + 6,100 x 0.22 = 7,142
  //   state tax 0.04 x 72,600 = 2,904
  //   net (72,600 - 7,142 - 5,554 - 2,904) / 12 = 4,750
  EXPECT_EQ(v.Tax.Payer.YrFicaTax, 5'554);
  EXPECT_EQ(v.Tax.Payer.YrFedTax, 7'142);
  EXPECT_EQ(v.Tax.Payer.YrStateTax, 2'904);
  EXPECT_EQ(v.Support.Payer.MoNetIncome, 4'750);
  // Combined 7,804 reads the $7,800 row: 1,274 (one child), 1,981 (two).
  // Shares 3,054 / 7,804 = 0.39134 and 0.60866; costs 400 + 120 + 50 = 570:
  // expense shares 223.06 -> 223 and 346.94 -> 347.
  // Tier 1: basic 0.60866 x 1,274 = 775.44 -> 775; other party's net 347 + 775 - 50 = 1,072
  // Tier 2: basic 0.39134 x 1,981 = 775.24 -> 775 and 0.60866 x 1,981 = 1,205.76 -> 1,206;
  //   claimant's net 223 + 775 - 520 = 478; other party's net 347 + 1,206 - 50 = 1,503
  EXPECT_EQ(v.Support.CombinedMoNetIncome, 7'804);
  EXPECT_EQ(v.Support.MoBasicObligation, 1'981);
  EXPECT_EQ(v.Support.Claim.MoExpenseObligation, 223);
  EXPECT_EQ(v.Support.Payer.MoExpenseObligation, 347);
  EXPECT_EQ(v.Support.Claim.MoNetObligation, 478);
  EXPECT_EQ(v.Support.Payer.MoNetObligation, 1'503);
  EXPECT_EQ(v.Support.MoChildSupportTransfer, 1'503);
  EXPECT_EQ(out.ChildSupport, 1'503);
  // Tier k support is the transfer less the other party's net expense 347 - 50 = 297.
  EXPECT_EQ(v.Support.MoTierNetExpense[1], 297);
  EXPECT_EQ(v.Support.MoTierSupport[1], 1'072 - 297);
  EXPECT_EQ(v.Support.MoTierSupport[2], 1'503 - 297);
  EXPECT_EQ(v.Express.NumMinorChildren, 2);
}

TEST(ComputeChildSupport, SharedCustodyWeighsEachObligationByTheOtherParentsNights) {
  CaseVars v;
  v.Express.CustodyStatus = "Shared";
  v.Express.NumMinorChildren = 2;
  SetWageEarner(v, Party::Claim, "Single", 48'000);
  v.Express.Claim.Under17Children = 1;
  v.Express.Claim.YrStateTaxEntered = 1'200;
  v.Express.Claim.MoNonCoveredHealth = 60;
  v.Express.Claim.TierNights = {0, 219, 237.25f};
  SetWageEarner(v, Party::Payer, "Single", 60'000);
  v.Express.Payer.Under17Children = 1;
  v.Income.Payer.YrAllowableDeductions = 1'200;
  v.Express.Payer.MoChildHealthIns = 150;
  v.Express.Payer.TierNights = {0, 146, 127.75f};
  ChildSupportInputs in = DefaultInputs();
  in.Claim.StateTaxCombo = "As Amount";

  ASSERT_TRUE(ComputeChildSupport(v, in).Completed);

  // Claimant: payroll 3,672; income tax on 31,900: 1,240 + 19,500 x 0.12 = 3,580;
  //   child tax credit 2,200 within the tax; state tax entered 1,200 (alimony
  //   taxed to the payer keeps the amount; its rate 1,200 / 48,000 = 0.025)
  //   net (48,000 - 3,580 + 2,200 - 3,672 - 1,200) / 12 = 3,479
  // Other party: payroll 4,590; income tax on 43,900: 1,240 + 31,500 x 0.12 = 5,020;
  //   credit 2,200; deductions 1,200
  //   net (60,000 - 5,020 + 2,200 - 4,590 - 1,200) / 12 = 4,282.5 -> 4,283 (half away from zero)
  EXPECT_EQ(v.Tax.Claim.YrStateTax, 1'200);
  EXPECT_FLOAT_EQ(v.Express.Claim.StateTaxRate, 0.025f);
  EXPECT_EQ(v.Support.Claim.MoNetIncome, 3'479);
  EXPECT_FLOAT_EQ(v.Support.Payer.MoPreAdjNet, 4'282.5f);
  EXPECT_EQ(v.Support.Payer.MoNetIncome, 4'283);
  // Combined 7,762 reads the $7,750 row: 1,271 and 1,975, times 1.5 for shared custody.
  // Shares 0.44821 and 0.55179; costs 60 + 150 = 210: expenses 94 and 116.
  // Tier 1: basic 1,906.5 -> 855 and 1,052; nets 94 + 855 - 60 = 889 and 116 + 1,052 - 150 = 1,018;
  //   transfer (1,018 x 219 - 889 x 146) / 365 = 93,148 / 365 = 255.2; tier 255.2 - (116 - 150) = 289.2
  // Tier 2: basic 2,962.5 -> 1,328 and 1,635; nets 1,362 and 1,601;
  //   transfer (1,601 x 237.25 - 1,362 x 127.75) / 365 = 205,841.75 / 365 = 563.95
  EXPECT_FLOAT_EQ(v.Support.MoBasicObligation, 2'962.5f);
  EXPECT_EQ(v.Support.Claim.MoNetObligation, 1'362);
  EXPECT_EQ(v.Support.Payer.MoNetObligation, 1'601);
  EXPECT_NEAR(v.Support.MoTierSupport[1], 289.2, 0.01);
  EXPECT_NEAR(v.Support.MoChildSupportTransfer, 563.95, 0.01);
  EXPECT_NEAR(v.Support.MoTierSupport[2], 597.95, 0.01);
  EXPECT_EQ(v.Support.Claim.SharedNights, 237.25f);
  EXPECT_EQ(v.Support.Payer.SharedNights, 127.75f);
}

// Three children: the claimant has children 1 and 2, the other party child 3.
// Claimant single, wages 30,000: payroll 2,295; income tax on 13,900: 1,420;
//   child tax credit 4,400: 1,420 against the tax, 2,980 refundable (below
//   L = 4,125 and 1,700 a child); credits 4,400; net 30,685 / 12 = 2,557.08 -> 2,557
// Other party single, wages 66,000: payroll 5,049; income tax on 49,900: 5,740;
//   credit 2,200; net 57,411 / 12 = 4,784.25 -> 4,784
// Combined 7,341 reads the $7,350 row: 1,239, 1,927, 2,415. Shares 0.34832 and
// 0.65168; the other party's health insurance 90: expenses 31 and 59.
CaseVars SplitCase() {
  CaseVars v;
  v.Express.CustodyStatus = "Split";
  v.Express.NumMinorChildren = 3;
  SetWageEarner(v, Party::Claim, "Single", 30'000);
  v.Express.Claim.Under17Children = 2;
  v.Express.Claim.SplitChildren = {1, 2, 2, 2, 2, 2, 2};
  SetWageEarner(v, Party::Payer, "Single", 66'000);
  v.Express.Payer.Under17Children = 1;
  v.Express.Payer.MoChildHealthIns = 90;
  v.Express.Payer.SplitChildren = {0, 0, 1, 1, 1, 1, 1};
  return v;
}

TEST(ComputeChildSupport, SplitCustodyByTheWintersFormula) {
  CaseVars v = SplitCase();
  ASSERT_TRUE(ComputeChildSupport(v, DefaultInputs()).Completed);
  EXPECT_EQ(v.Support.Claim.MoNetIncome, 2'557);
  EXPECT_EQ(v.Support.Payer.MoNetIncome, 4'784);
  // Tier 1: all children with the claimant: transfer = the other party's net
  //   59 + 0.65168 x 1,239 (807.43 -> 807) - 90 = 776; tier 776 - (59 - 90) = 807
  // Tier 2: 59 + 1,256 - 90 = 1,225; tier 1,256
  // Tier 3: basic 841 and 1,574; nets 31 + 841 = 872 and 59 + 1,574 - 90 = 1,543;
  //   transfer 2/3 x 1,543 - 1/3 x 872 = 738; tier 769
  EXPECT_EQ(v.Support.MoTierSupport[1], 807);
  EXPECT_EQ(v.Support.MoTierSupport[2], 1'256);
  EXPECT_NEAR(v.Support.MoChildSupportTransfer, 738, 0.01);
  EXPECT_NEAR(v.Support.MoTierSupport[3], 769, 0.01);
}

TEST(ComputeChildSupport, SplitCustodyByDualWorksheets) {
  CaseVars v = SplitCase();
  ChildSupportInputs in = DefaultInputs();
  in.SplitDefault = "Dual";
  ASSERT_TRUE(ComputeChildSupport(v, in).Completed);
  EXPECT_EQ(v.Support.SplitMethod, "Dual");
  // Tier 1: the claimant's family of one child 1,239: 432 and 807; the other
  //   family has no child: 0. Nets (31 - 0) / 2 + 0 = 15.5 and (59 - 90) / 2 + 807 = 791.5;
  //   transfer 776; tier 807
  // Tier 2: family of two 1,927: 671 and 1,256; transfer 1,240.5 - 15.5 = 1,225
  // Tier 3: families of two (1,927) and one (1,239): the claimant owes 432 of
  //   the other family, the other party 1,256 of the claimant's;
  //   nets 15.5 + 432 = 447.5 and -15.5 + 1,256 = 1,240.5; transfer 793; tier 824
  EXPECT_EQ(v.Support.MoTierSupport[1], 807);
  EXPECT_EQ(v.Support.MoTierSupport[2], 1'256);
  EXPECT_EQ(v.Support.MoBasicObligation, 1'927);
  EXPECT_EQ(v.Support.MoBasicObligationFam2, 1'239);
  EXPECT_EQ(v.Support.Claim.MoBasicObligationFam2, 432);
  EXPECT_EQ(v.Support.Payer.MoBasicObligation, 1'256);
  EXPECT_EQ(v.Support.Claim.MoNetObligation, 447.5f);
  EXPECT_EQ(v.Support.Payer.MoNetObligation, 1'240.5f);
  EXPECT_EQ(v.Support.MoChildSupportTransfer, 793);
  EXPECT_EQ(v.Support.MoTierSupport[3], 824);
}

}  // namespace
