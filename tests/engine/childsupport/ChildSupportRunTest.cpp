#include <gtest/gtest.h>

#include <limits>

#include "case/CaseVars.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "prefs/Preferences.h"

namespace {

using casevars::CaseVars;
using casevars::Party;
using childsupport::ChildSupportInputs;
using childsupport::ChildSupportOutcome;
using childsupport::ComputeChildSupport;

// A party whose only income is wages.
void SetWageEarner(CaseVars& v, Party p, const char* filing, double wages) {
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
  v.Express.Payer.StateTaxRate = 0.04;
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
  v.Express.Claim.TierNights = {0, 219, 237.25};
  SetWageEarner(v, Party::Payer, "Single", 60'000);
  v.Express.Payer.Under17Children = 1;
  v.Income.Payer.YrAllowableDeductions = 1'200;
  v.Express.Payer.MoChildHealthIns = 150;
  v.Express.Payer.TierNights = {0, 146, 127.75};
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
  EXPECT_FLOAT_EQ(v.Express.Claim.StateTaxRate, 0.025);
  EXPECT_EQ(v.Support.Claim.MoNetIncome, 3'479);
  EXPECT_FLOAT_EQ(v.Support.Payer.MoPreAdjNet, 4'282.5);
  EXPECT_EQ(v.Support.Payer.MoNetIncome, 4'283);
  // Combined 7,762 reads the $7,750 row: 1,271 and 1,975, times 1.5 for shared custody.
  // Shares 0.44821 and 0.55179; costs 60 + 150 = 210: expenses 94 and 116.
  // Tier 1: basic 1,906.5 -> 855 and 1,052; nets 94 + 855 - 60 = 889 and 116 + 1,052 - 150 = 1,018;
  //   transfer (1,018 x 219 - 889 x 146) / 365 = 93,148 / 365 = 255.2; tier 255.2 - (116 - 150) = 289.2
  // Tier 2: basic 2,962.5 -> 1,328 and 1,635; nets 1,362 and 1,601;
  //   transfer (1,601 x 237.25 - 1,362 x 127.75) / 365 = 205,841.75 / 365 = 563.95
  EXPECT_FLOAT_EQ(v.Support.MoBasicObligation, 2'962.5);
  EXPECT_EQ(v.Support.Claim.MoNetObligation, 1'362);
  EXPECT_EQ(v.Support.Payer.MoNetObligation, 1'601);
  EXPECT_NEAR(v.Support.MoTierSupport[1], 289.2, 0.01);
  EXPECT_NEAR(v.Support.MoChildSupportTransfer, 563.95, 0.01);
  EXPECT_NEAR(v.Support.MoTierSupport[2], 597.95, 0.01);
  EXPECT_EQ(v.Support.Claim.SharedNights, 237.25);
  EXPECT_EQ(v.Support.Payer.SharedNights, 127.75);
}

TEST(ComputeChildSupport, JointFilerWithBenefitsAlimonyFirstAndSharedCustody) {
  // Alimony is calculated first and applied to child support: the alimony run
  // has set the transfer to 500 a month, taxable to the claimant, and runs
  // child support with sequencing 1.
  CaseVars v;
  v.Express.CustodyStatus = "Shared";
  v.Express.NumMinorChildren = 2;
  v.Express.SequencingMode = 1;
  v.Express.MoAlimonyTransfer = 500;
  // Claimant files jointly: her wages 40,000; the new spouse's only income is
  // 24,000 of Social Security, in the spouse's column and in the AGI base.
  SetWageEarner(v, Party::Claim, "MFJ", 40'000);
  v.Income.Claim.YrTotal1 = 24'000;
  v.Income.Claim.YrSS1 = 24'000;
  v.Income.Claim.YrAGIBase = 64'000;
  v.Express.Claim.Under17Children = 1;
  v.Express.Claim.DayCareChildren = 1;
  v.Express.Claim.MoDayCare = 300;
  v.Express.Claim.StateTaxRate = 0.03;
  v.Express.Claim.TierNights = {0, 200, 190};
  SetWageEarner(v, Party::Payer, "Single", 90'000);
  v.Express.Payer.Under17Children = 1;
  v.Express.Payer.MoChildHealthIns = 100;
  v.Express.Payer.YrStateTaxEntered = 3'000;
  v.Express.Payer.TierNights = {0, 165, 175};
  v.Results.ManualNetState = 1;
  ChildSupportInputs in = DefaultInputs();
  in.OptionTaxedToPayee = true;
  in.OptionTaxedToPayer = false;
  in.Payer.StateTaxCombo = "As Amount";

  ASSERT_TRUE(ComputeChildSupport(v, in).Completed);

  // Claimant and spouse:
  //   share 40,000 / (40,000 + 24,000) = 0.625
  //   payroll 40,000 x 0.0765 = 3,060; the spouse has none
  //   benefits 24,000, other income 40,000 + 24,000 - 24,000 = 40,000:
  //   P = 12,000 + 40,000 = 52,000 above 44,000; taxed the smaller of
  //   0.85 x 8,000 + 6,000 = 12,800 and 6,800 + 12,000, below 0.85 x 24,000;
  //   untaxed 24,000 - 12,800 = 11,200
  //   AGI 64,000 - 11,200 + 6,000 of alimony = 58,800
  //   income tax on 58,800 - 32,200 = 26,600: 2,480 + 1,800 x 0.12 = 2,696
  //   child tax credit 2,200; care credit 3,000 (of 3,600) x 0.35 = 1,050
  //   (the first phase-down runs from 15,000 in 2,000 steps for joint returns too)
  //   limits: 1,050 within the tax; 1,050 + 2,200 = 3,250, 554 over the tax;
  //   L = 0.15 x 37,500 = 5,625: 554 stays; credits 2,696 + 554 = 3,250
  //   her part: tax 2,696 x 0.625 = 1,685; credits 3,250 x 0.625 = 2,031.25 -> 2,031
  //   state tax 0.03 x 58,800 = 1,764, her part 1,102.5 -> 1,103
  //   net (40,000 - 1,685 + 2,031 - 3,060 - 1,103 + 6,000) / 12 = 3,515.25 -> 3,515
  const casevars::PartyTax& ct = v.Tax.Claim;
  EXPECT_FLOAT_EQ(ct.MFJShare, 0.625);
  EXPECT_EQ(ct.YrFicaTax, 3'060);
  EXPECT_EQ(ct.YrFicaTax1, 0);
  EXPECT_EQ(ct.YrFedAGI, 58'800);
  EXPECT_EQ(ct.YrChildCareCredit, 1'050);
  EXPECT_FLOAT_EQ(ct.YrAddlChildTaxCredit, 554);
  EXPECT_EQ(ct.YrFedTax, 1'685);
  EXPECT_EQ(ct.YrTotalCredits, 2'031);
  EXPECT_EQ(ct.YrStateTax, 1'103);
  EXPECT_FLOAT_EQ(v.Support.Claim.MoPreAdjNet, 3'515.25);
  EXPECT_EQ(v.Support.Claim.MoNetIncome, 3'515);
  // Other party, single, wages 90,000, pays the alimony:
  //   payroll 6,885; AGI 90,000 - 6,000 = 84,000
  //   income tax on 67,900: 1,240 + 4,560 + 17,500 x 0.22 = 9,650; credit 2,200
  //   state tax entered 3,000 is 1/30 of the AGI before alimony (90,000),
  //   applied to 84,000: 2,800
  //   net (90,000 - 9,650 + 2,200 - 6,885 - 2,800 - 6,000) / 12 = 5,572.08 -> 5,572
  EXPECT_EQ(v.Tax.Payer.YrFedAGI, 84'000);
  EXPECT_EQ(v.Tax.Payer.YrFedTax, 9'650);
  EXPECT_EQ(v.Tax.Payer.YrStateTax, 2'800);
  EXPECT_EQ(v.Support.Payer.MoNetIncome, 5'572);
  // Combined 9,087 reads the closest row, $9,100: 1,376 and 2,135, times 1.5.
  // Shares 0.386816 and 0.613184; costs 300 + 100 = 400: expenses 154.73 -> 155
  // and 245.27 -> 245.
  // Tier 1: basic 2,064 -> 798.39 -> 798 and 1,265.61 -> 1,266;
  //   nets 155 + 798 - 300 = 653 and 245 + 1,266 - 100 = 1,411;
  //   transfer (1,411 x 200 - 653 x 165) / 365 = 174,455 / 365 = 477.96;
  //   tier 477.96 - (245 - 100) = 332.96
  // Tier 2: basic 3,202.5 -> 1,238.78 -> 1,239 and 1,963.72 -> 1,964;
  //   nets 1,094 and 2,109; transfer (2,109 x 190 - 1,094 x 175) / 365
  //   = 209,260 / 365 = 573.32; tier 428.32
  EXPECT_EQ(v.Support.CombinedMoNetIncome, 9'087);
  EXPECT_FLOAT_EQ(v.Support.MoBasicObligation, 3'202.5);
  EXPECT_EQ(v.Support.Claim.MoExpenseObligation, 155);
  EXPECT_EQ(v.Support.Payer.MoExpenseObligation, 245);
  EXPECT_EQ(v.Support.Claim.MoBasicObligation, 1'239);
  EXPECT_EQ(v.Support.Payer.MoBasicObligation, 1'964);
  EXPECT_EQ(v.Support.Claim.MoNetObligation, 1'094);
  EXPECT_EQ(v.Support.Payer.MoNetObligation, 2'109);
  EXPECT_NEAR(v.Support.MoTierSupport[1], 332.96, 0.01);
  EXPECT_NEAR(v.Support.MoChildSupportTransfer, 573.32, 0.01);
  EXPECT_NEAR(v.Support.MoTierSupport[2], 428.32, 0.01);
  // Alimony first: the alimony calculation counts this transfer.
  EXPECT_EQ(v.Support.MoChildSupportForAlimony, v.Support.MoChildSupportTransfer);
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
  EXPECT_EQ(v.Support.Claim.MoNetObligation, 447.5);
  EXPECT_EQ(v.Support.Payer.MoNetObligation, 1'240.5);
  EXPECT_EQ(v.Support.MoChildSupportTransfer, 793);
  EXPECT_EQ(v.Support.MoTierSupport[3], 824);
}

}  // namespace
