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
using childsupport::ChildSupportServices;
using childsupport::ComputeChildSupport;

// Two single wage earners with one child and no credits.
// Claimant 30,000: payroll 2,295, income tax 1,420, net 26,285 / 12 = 2,190.42 -> 2,190.
// Other party 66,000: payroll 5,049, income tax 5,740, net 55,211 / 12 = 4,600.92 -> 4,601.
class RunRules : public ::testing::Test {
 protected:
  RunRules() {
    v.Express.CustodyStatus = "Cust";
    v.Express.NumMinorChildren = 1;
    for (auto [party, wages] : {std::pair{Party::Claim, 30'000.0}, {Party::Payer, 66'000.0}}) {
      v.Express[party].FilingStatus = "Single";
      v.Business[party].YrWagesForTax = wages;
      v.Income[party].YrGrossIncome = wages;
      v.Income[party].YrTotal = wages;
      v.Income[party].YrAGIBase = wages;
    }
    v.Results.ManualNetState = 1;
    in.SplitDefault = "Winters";
    in.InterpDefault = "Closest";
  }

  ChildSupportOutcome Run() { return ComputeChildSupport(v, in, services); }

  void TaxAlimonyToPayee(double monthly) {
    v.Express.MoAlimonyTransfer = monthly;
    in.OptionTaxedToPayee = true;
    in.OptionTaxedToPayer = false;
  }

  CaseVars v;
  ChildSupportInputs in;
  ChildSupportServices services;
};

TEST_F(RunRules, NoMinorChildrenComputesNetsButNoTier) {
  v.Express.NumMinorChildren = 0;
  v.Support.MoTierSupport = {0, 11, 12, 13, 14, 15, 16};
  bool drawn = false;
  services.DrawChildSupportText = [&drawn](CaseVars&) { drawn = true; };
  const ChildSupportOutcome out = Run();
  ASSERT_TRUE(out.Completed);
  EXPECT_TRUE(drawn);
  EXPECT_EQ(out.ChildSupport, 0);
  EXPECT_EQ(v.Support.MoChildSupportTransfer, 0);
  EXPECT_EQ(v.Support.CombinedMoNetIncome, 2'190 + 4'601);
  // Tiers 1 to 5 are cleared on every run; tier 6 is read only with six children.
  EXPECT_EQ(v.Support.MoTierSupport, (casevars::TierArray{0, 0, 0, 0, 0, 0, 16}));
}

TEST_F(RunRules, NetsOfZeroLeaveOnlyTheCostsEachPays) {
  for (Party p : casevars::kParties) {
    v.Business[p].YrWagesForTax = v.Income[p].YrGrossIncome = v.Income[p].YrTotal =
        v.Income[p].YrAGIBase = 0;
  }
  v.Express.Claim.MoDayCare = 100;
  v.Express.Payer.MoChildHealthIns = 40;
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Support.CombinedMoNetIncome, 1e-11);
  EXPECT_EQ(v.Support.Claim.IncomeShare, 0);
  EXPECT_EQ(v.Support.Claim.MoNetObligation, -100);
  EXPECT_EQ(v.Support.MoChildSupportTransfer, -40);
}

TEST_F(RunRules, NonCustodialClaimantPaysAndAlimonyCountsItPositive) {
  v.Express.CustodyStatus = "NonCust";
  v.Express.SequencingMode = 1;
  ASSERT_TRUE(Run().Completed);
  const double transfer = v.Support.MoChildSupportTransfer;
  EXPECT_LT(transfer, 0);
  EXPECT_EQ(transfer, -v.Support.Claim.MoNetObligation);
  EXPECT_EQ(v.Support.MoChildSupportForAlimony, -transfer);

  v.Express.SequencingMode = 0;
  v.Support.MoChildSupportForAlimony = 77;
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Support.MoChildSupportForAlimony, 77);
}

TEST_F(RunRules, HandEnteredNets) {
  v.Results.ManualNetState = 4;
  in.Claim.NewNet = 2'500;
  in.Payer.NewNet = 4'000;
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Support.Claim.MoNetIncome, 2'500);
  EXPECT_EQ(v.Support.Claim.MoManualAdj, 2'190 - 2'500);
  EXPECT_EQ(v.Support.Payer.MoManualAdj, 4'601 - 4'000);
  EXPECT_EQ(v.Support.CombinedMoNetIncome, 6'500);

  v.Results.ManualNetState = 3;  // the other party's only
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Support.Claim.MoNetIncome, 2'190);
  EXPECT_EQ(v.Support.Payer.MoNetIncome, 4'000);
}

TEST_F(RunRules, JointFilerBearsHerShareOfTheCouplesTax) {
  // Claimant files jointly: own wages 30,000, the new spouse's 20,000; share 0.6.
  // Couple: AGI 50,000, income tax on 17,800 = 1,780 -> 1,068 hers.
  // Child credit 2,200: 1,780 against the tax and 420 refundable -> 1,320 hers.
  // State tax 0.05 x 50,000 = 2,500 -> 1,500. The spouse's payroll tax 1,530 is
  // not hers: net (30,000 - 1,068 + 1,320 - 2,295 - 1,500) / 12 = 2,204.75 -> 2,205.
  casevars::PartyIncome& inc = v.Income.Claim;
  v.Express.Claim.FilingStatus = "MFJ";
  v.Express.Claim.Under17Children = 1;
  v.Express.Claim.StateTaxRate = 0.05;
  v.Business.Claim.YrWagesForTax1 = 20'000;
  inc.YrTotal1 = 20'000;
  inc.YrAGIBase = 50'000;
  ASSERT_TRUE(Run().Completed);
  EXPECT_FLOAT_EQ(v.Tax.Claim.MFJShare, 0.6);
  EXPECT_EQ(v.Tax.Claim.YrFicaTax1, 1'530);
  EXPECT_EQ(v.Tax.Claim.YrFedTax, 1'068);
  EXPECT_EQ(v.Tax.Claim.YrJointFedTax, 1'780);  // kept for the credit breakdown
  EXPECT_EQ(v.Tax.Claim.YrTotalCredits, 1'320);
  EXPECT_EQ(v.Tax.Claim.YrStateTax, 1'500);
  EXPECT_EQ(v.Support.Claim.MoNetIncome, 2'205);
}

TEST_F(RunRules, AlimonyTaxableToThePayee) {
  // 500 a month: the claimant's AGI 36,000, the other party's 60,000.
  // Claimant: tax on 19,900 = 2,140; state tax entered 900 is 0.03 of the AGI
  //   without alimony (30,000), applied to 36,000: 1,080.
  //   Net (30,000 - 2,140 - 2,295 - 1,080 + 6,000) / 12 = 2,540.42 -> 2,540.
  // Other party: tax on 43,900 = 5,020; state 1,800 / 66,000 x 60,000 = 1,636.36 -> 1,636.
  //   Net (66,000 - 5,020 - 5,049 - 1,636 - 6,000) / 12 = 4,024.58 -> 4,025.
  TaxAlimonyToPayee(500);
  v.Express.Claim.YrStateTaxEntered = 900;
  v.Express.Payer.YrStateTaxEntered = 1'800;
  in.Claim.StateTaxCombo = in.Payer.StateTaxCombo = "As Amount";
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Tax.Claim.YrFedAGI, 36'000);
  EXPECT_EQ(v.Tax.Payer.YrFedAGI, 60'000);
  EXPECT_EQ(v.Tax.Claim.YrFedTax, 2'140);
  EXPECT_EQ(v.Tax.Claim.YrStateTax, 1'080);
  EXPECT_EQ(v.Tax.Payer.YrStateTax, 1'636);
  EXPECT_EQ(v.Support.Claim.MoNetIncome, 2'540);
  EXPECT_EQ(v.Support.Payer.MoNetIncome, 4'025);
}

TEST_F(RunRules, StateTaxAmountWithoutIncomeToRateItOnIsTakenAsEntered) {
  // The claimant's only income is 1,000 a month of alimony taxable to her: her
  // income without alimony is 0, so no rate can be had from it. The other
  // party's AGI without alimony is 66,000 - 12,000 + 12,000 > 0 and is rated.
  v.Business.Claim.YrWagesForTax = v.Income.Claim.YrGrossIncome = v.Income.Claim.YrTotal =
      v.Income.Claim.YrAGIBase = 0;
  TaxAlimonyToPayee(1'000);
  v.Express.Claim.YrStateTaxEntered = 500;
  in.Claim.StateTaxCombo = "As Amount";
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Tax.Claim.YrFedAGI, 12'000);
  EXPECT_EQ(v.Tax.Claim.YrStateTax, 500);
  EXPECT_EQ(v.Express.Claim.StateTaxRate, 0);

  // The same for the other party: no income at all, no alimony.
  v.Express.MoAlimonyTransfer = 0;
  v.Business.Payer.YrWagesForTax = v.Income.Payer.YrGrossIncome = v.Income.Payer.YrTotal =
      v.Income.Payer.YrAGIBase = 0;
  v.Express.Payer.YrStateTaxEntered = 300;
  in.Payer.StateTaxCombo = "As Amount";
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Tax.Payer.YrStateTax, 300);
}

TEST_F(RunRules, BusinessDeductionLowersOnlyTheIncomeTax) {
  // Claimant 30,000 with a 5,000 deduction: tax on 8,900 = 890; AGI stays 30,000.
  services.GetBusinessDeduction = [](Party p, double agi) {
    EXPECT_EQ(agi, p == Party::Claim ? 30'000 : 66'000);
    return p == Party::Claim ? tax::BusinessDeduction{5'000, 250} : tax::BusinessDeduction{};
  };
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Tax.Claim.YrFedTax, 890);
  EXPECT_EQ(v.Tax.Claim.YrFedAGI, 30'000);
  EXPECT_EQ(v.Business.Claim.YrBusDeduction, 5'000);
  EXPECT_EQ(v.Business.Claim.YrBusLossCarryover, 250);
  EXPECT_EQ(v.Tax.Payer.YrFedTax, 5'740);
}

TEST_F(RunRules, BusinessDeductionIsTakenOffForTheIncomeTaxOnly) {
  // The deduction lowers the income taxed and leaves the AGI to the cent, so
  // the credits and the state tax see 88,469.99:
  // 0.05 x 88,469.99 = 4,423.4995 -> 4,423.
  for (double* f : {&v.Business.Claim.YrWagesForTax, &v.Income.Claim.YrGrossIncome,
                   &v.Income.Claim.YrTotal, &v.Income.Claim.YrAGIBase})
    *f = 88'469.99;
  v.Express.Claim.StateTaxRate = 0.05;
  services.GetBusinessDeduction = [](Party p, double) {
    return p == Party::Claim ? tax::BusinessDeduction{6'679.84, 0} : tax::BusinessDeduction{};
  };
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Tax.Claim.YrFedAGI, 88'469.99);
  EXPECT_EQ(v.Tax.Claim.YrStateTax, 4'423);
}

TEST_F(RunRules, EarnedIncomeCreditOnlyWhenItsBoxIsTicked) {
  // Claimant 30,000 of wages, one child for the credit: 3,450.61.
  v.Income.Claim.EICChildren = 1;
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Tax.Claim.YrEIC, 0);
  in.Claim.EICCheck = 1;
  ASSERT_TRUE(Run().Completed);
  EXPECT_NEAR(v.Tax.Claim.YrEIC, 3'450.61, 0.01);
}

TEST_F(RunRules, CareCreditOnlyForTheParentWithTheChildren) {
  for (Party p : casevars::kParties) {
    v.Express[p].DayCareChildren = 1;
    v.Express[p].MoDayCare = 100;
  }
  ASSERT_TRUE(Run().Completed);  // "Cust": the claimant's credit only
  EXPECT_GT(v.Tax.Claim.YrChildCareCredit, 0);
  EXPECT_EQ(v.Tax.Payer.YrChildCareCredit, 0);
  v.Express.CustodyStatus = "NonCust";
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Tax.Claim.YrChildCareCredit, 0);
  EXPECT_GT(v.Tax.Payer.YrChildCareCredit, 0);
}

TEST_F(RunRules, PreferencesAreReadFromTheSettingsStore) {
  in.SplitDefault.reset();
  in.InterpDefault.reset();
  ASSERT_TRUE(prefs::SplitDefault.write("dual"));  // not "Dual": Winters
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Support.SplitMethod, "Winters");
  EXPECT_EQ(v.Support.InterpMethod, "Closest");  // absent
  ASSERT_TRUE(prefs::SplitDefault.write("Dual"));
  ASSERT_TRUE(prefs::InterpDefault.write("Linear"));
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Support.SplitMethod, "Dual");
  EXPECT_EQ(v.Support.InterpMethod, "Linear");
}

// A run that cannot finish says why, keeps the earlier results and draws nothing.
TEST_F(RunRules, StoppedRunKeepsTheEarlierResults) {
  const struct {
    const char* name;
    void (*make)(CaseVars&);
    const char* says;
  } cases[] = {
      {"shared custody without overnights",
       [](CaseVars& c) { c.Express.CustodyStatus = "Shared"; }, "overnights"},
      {"shared custody with seven children",
       [](CaseVars& c) {
         c.Express.CustodyStatus = "Shared";
         c.Express.NumMinorChildren = 7;
         c.Express.Claim.TierNights.fill(200);
         c.Express.Payer.TierNights.fill(165);
       },
       "six"},
      {"an amount that is not finite",
       [](CaseVars& c) { c.Income.Claim.YrGrossIncome = std::numeric_limits<double>::infinity(); },
       "not a number"},
      {"a cost that is not a number",
       [](CaseVars& c) { c.Express.Payer.MoDayCare = std::numeric_limits<double>::quiet_NaN(); },
       "not a number"},
  };
  for (const auto& c : cases) {
    CaseVars before = v;
    before.Tax.Claim.YrFedTax = 4'321;
    before.Support.MoChildSupportTransfer = 999;
    c.make(before);
    CaseVars vars = before;
    bool drawn = false;
    services.DrawChildSupportText = [&drawn](CaseVars&) { drawn = true; };
    const ChildSupportOutcome out = ComputeChildSupport(vars, in, services);
    EXPECT_FALSE(out.Completed) << c.name;
    EXPECT_TRUE(out.Message.contains(c.says)) << c.name << ": " << out.Message.toStdString();
    EXPECT_FALSE(drawn) << c.name;
    EXPECT_EQ(vars.Tax.Claim.YrFedTax, 4'321) << c.name;
    EXPECT_EQ(vars.Support.MoChildSupportTransfer, 999) << c.name;
  }
}

TEST_F(RunRules, SevenChildrenUseTheSixChildColumnOutsideSharedCustody) {
  v.Express.NumMinorChildren = 7;
  ASSERT_TRUE(Run().Completed);
  EXPECT_EQ(v.Express.NumMinorChildren, 7);
  EXPECT_EQ(v.Support.MoTierSupport[6], v.Support.MoChildSupportTransfer -
                                            v.Support.MoTierNetExpense[6]);
}

}  // namespace
