#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "alimony/AlimonyRun.h"
#include "alimony/AlimonyTaxes.h"

namespace {

using alimony::AlimonyInputs;
using alimony::AlimonyOutcome;
using alimony::ComputeAlimony;
using casevars::CaseVars;
using casevars::Party;

// Both parties single wage earners; the case score set directly.
CaseVars WageCase(const char* custody, int minors, double claimWages, double payerWages, double score) {
  CaseVars v;
  v.Express.CustodyStatus = custody;
  v.Express.NumMinorChildren = static_cast<std::int16_t>(minors);
  v.Express.NumMarriageChildren = static_cast<std::int16_t>(minors);
  const struct {
    Party party;
    double wages;
  } parties[] = {{Party::Claim, claimWages}, {Party::Payer, payerWages}};
  for (const auto& p : parties) {
    v.Express[p.party].FilingStatus = "Single";
    v.Income[p.party].YrEarned = p.wages;
    v.Business[p.party].YrWagesForTax = p.wages;
    v.Income[p.party].YrTotal = p.wages;
    v.Income[p.party].YrGrossIncome = p.wages;
    v.Income[p.party].YrAGIBase = p.wages;
  }
  for (std::size_t k = 1; k <= 6; ++k) {
    v.Express.Claim.TierNights[k] = 300;
    v.Express.Payer.TierNights[k] = 65;
  }
  v.Results.ManualNetState = 1;
  v.Alimony.AlimonyCaseScore = score;
  v.Express.MarriageYears = 15;
  return v;
}

AlimonyInputs Inputs() {
  AlimonyInputs in;
  in.Windows.SplitDefault = "Winters";
  in.Windows.InterpDefault = "Closest";
  return in;
}

TEST(AlimonyRun, IncomeGapFactorByGap) {
  const struct {
    double gap, factor;
  } rows[] = {{20000, 1},     {20000.01, 0.98}, {25000, 0.98},  {30000, 0.96}, {35000, 0.94},
              {40000, 0.92},  {40001, 0.91},    {90000, 0.91},  {190000, 0.804}, {290000, 0.698},
              {315000, 0.688}, {835000, 0.48},  {2000000, 0.48}};
  for (const auto& r : rows) EXPECT_NEAR(alimony::IncomeGapFactorOf(r.gap), r.factor, 1e-9) << r.gap;
}

TEST(AlimonyRun, TargetShareByCustody) {
  const struct {
    const char* custody;
    int minors, claimChildren, payerChildren;
    double percentOfTime;
    double share;
  } rows[] = {
      {"Cust", 1, 0, 0, 0, 0.55},     {"Cust", 3, 0, 0, 0, 0.64},     {"Cust", 6, 0, 0, 0, 0.66},
      {"NonCust", 2, 0, 0, 0, 0.40},  {"NonCust", 5, 0, 0, 0, 0.34},  {"NoMinors", 0, 0, 0, 0, 0.50},
      {"Split", 5, 1, 4, 0, 0.36},    {"Split", 4, 1, 3, 0, 0.38},    {"Split", 3, 1, 2, 0, 0.45},
      {"Split", 5, 2, 3, 0, 0.47},    {"Split", 2, 1, 1, 0, 0.50},    {"Split", 3, 2, 1, 0, 0.55},
      {"Split", 4, 3, 1, 0, 0.62},    {"Split", 5, 4, 1, 0, 0.64},    {"Split", 6, 3, 3, 0, 0.50},
      {"Shared", 1, 0, 0, 0.7, 0.55}, {"Shared", 2, 0, 0, 0.3, 0.40}, {"Shared", 2, 0, 0, 0.5, 0.50},
      {"Shared", 2, 0, 0, 0.46, 0.48}, {"Shared", 1, 0, 0, 0.4, 0.47}, {"Shared", 3, 0, 0, 0.6, 0.57},
      {"Shared", 6, 0, 0, 0.35, 0.36},  // 0.48 - 0.10 - 0.02 = 0.36 (held at the floor)
      // Each bound as a preparer types it (.35 is held as 0.3499999940...):
      // the bound itself falls in the band the table gives it.
      {"Shared", 1, 0, 0, 0.35, 0.46}, {"Shared", 2, 0, 0, 0.35, 0.44}, {"Shared", 3, 0, 0, 0.35, 0.42},
      {"Shared", 1, 0, 0, 0.45, 0.48}, {"Shared", 2, 0, 0, 0.45, 0.48}, {"Shared", 3, 0, 0, 0.45, 0.48},
      {"Shared", 1, 0, 0, 0.48, 0.48}, {"Shared", 2, 0, 0, 0.48, 0.48}, {"Shared", 3, 0, 0, 0.48, 0.48},
      {"Shared", 1, 0, 0, 0.52, 0.50}, {"Shared", 2, 0, 0, 0.52, 0.50}, {"Shared", 3, 0, 0, 0.52, 0.50},
      {"Shared", 1, 0, 0, 0.55, 0.52}, {"Shared", 2, 0, 0, 0.55, 0.52}, {"Shared", 3, 0, 0, 0.55, 0.52},
      {"Shared", 1, 0, 0, 0.65, 0.54}, {"Shared", 2, 0, 0, 0.65, 0.56}, {"Shared", 3, 0, 0, 0.65, 0.58},
      // Just past each bound: the next band.
      {"Shared", 2, 0, 0, 0.349, 0.40}, {"Shared", 2, 0, 0, 0.449, 0.4598}, {"Shared", 2, 0, 0, 0.481, 0.50},
      {"Shared", 2, 0, 0, 0.521, 0.52}, {"Shared", 2, 0, 0, 0.551, 0.5402}, {"Shared", 2, 0, 0, 0.651, 0.60},
  };
  for (const auto& r : rows) {
    CaseVars v;
    v.Express.CustodyStatus = r.custody;
    v.Express.NumMinorChildren = static_cast<std::int16_t>(r.minors);
    v.Express.Claim.PossessionChildren = static_cast<std::int16_t>(r.claimChildren);
    v.Express.Payer.PossessionChildren = static_cast<std::int16_t>(r.payerChildren);
    v.Express.Claim.PercentOfTime = r.percentOfTime;
    EXPECT_NEAR(alimony::TargetShareOf(v), r.share, 1e-6) << r.custody << " " << r.minors << " " << r.percentOfTime;
  }
}

TEST(AlimonyRun, StateTaxEnteredAsAnAmountBecomesARate) {
  CaseVars v;
  v.Express.Claim.YrStateTaxEntered = 4000;
  v.Tax.Claim.YrFedAGI = 52000;  // 40,000 without the award of 12,000
  alimony::ComputeAlimonyStateTax(v, Party::Claim, "Amount", 40000);
  EXPECT_EQ(v.Tax.Claim.YrStateTax, 5200);
  v.Express.Claim.YrStateTaxEntered = 20000;  // a rate of 0.5 is not plausible: the amount stands
  alimony::ComputeAlimonyStateTax(v, Party::Claim, "Amount", 40000);
  EXPECT_EQ(v.Tax.Claim.YrStateTax, 20000);
  v.Express.Claim.YrStateTaxEntered = 16000;  // a rate of exactly 0.4 is not plausible either
  alimony::ComputeAlimonyStateTax(v, Party::Claim, "Amount", 40000);
  EXPECT_EQ(v.Tax.Claim.YrStateTax, 16000);
  v.Express.Claim.YrStateTaxEntered = 15999;  // just below 0.4: the rate applies
  alimony::ComputeAlimonyStateTax(v, Party::Claim, "Amount", 40000);
  EXPECT_EQ(v.Tax.Claim.YrStateTax, 20799);
  v.Express.Claim.StateTaxRate = 0.05;
  alimony::ComputeAlimonyStateTax(v, Party::Claim, "As Rate", 0);
  EXPECT_EQ(v.Tax.Claim.YrStateTax, 2600);
  v.Express.Claim.StateTaxRate = -0.05;
  alimony::ComputeAlimonyStateTax(v, Party::Claim, "As Rate", 0);
  EXPECT_EQ(v.Tax.Claim.YrStateTax, 0);
  // An income without the award of nothing, or next to it, gives no rate
  // that could be used: the amount stands and the rate stays a number.
  v.Express.Claim.YrStateTaxEntered = 4000;
  for (double nothing : {0.0, -1e-10, 1e-300}) {
    alimony::ComputeAlimonyStateTax(v, Party::Claim, "Amount", nothing);
    EXPECT_TRUE(std::isfinite(v.Express.Claim.StateTaxRate)) << nothing;
    EXPECT_EQ(v.Tax.Claim.YrStateTax, 4000) << nothing;
  }
}

// A figure that is not a number met anywhere in the tax estimates (here the
// business loss of two losses past every number) stops the calculation with
// its message; the case is left as it was.
TEST(AlimonyRun, AFigureThatIsNotANumberStopsTheCalculationAndChangesNothing) {
  CaseVars v = WageCase("Cust", 1, 30000, 90000, 50);
  v.Business.Claim.YrAWages = v.Business.Claim.YrBWages = -std::numeric_limits<double>::max();
  const casevars::AlimonyVars alimonyBefore = v.Alimony;
  const double carryoverBefore = v.Business.Claim.YrBusLossCarryover;
  const AlimonyOutcome out = ComputeAlimony(v, Inputs());
  EXPECT_FALSE(out.Completed);
  EXPECT_TRUE(out.Message.contains(QLatin1String("not a number"))) << out.Message.toStdString();
  EXPECT_EQ(v.Business.Claim.YrBusLossCarryover, carryoverBefore);
  EXPECT_EQ(v.Alimony.YrAlimonyAward, alimonyBefore.YrAlimonyAward);
  EXPECT_EQ(v.Alimony.CaseStrengthText, alimonyBefore.CaseStrengthText);
}

// Net income after alimony as the calculation defines it, from the figures it left.
double NetAfter(const CaseVars& v, Party party, double alimony, double support) {
  const casevars::PartyTax& t = v.Tax[party];
  return v.Income[party].YrGrossIncome - v.Alimony[party].YrPriorSupportPaid -
         v.Alimony[party].YrExpensesPaid + alimony - t.YrFicaTax - t.YrStateTax - t.YrFedTax + support +
         t.YrTotalCredits;
}

TEST(AlimonyRun, PayerTaxedAwardIsConvertedAndCapped) {
  CaseVars v = WageCase("NoMinors", 0, 20000, 120000, 60);
  v.Alimony.PresentValueOfAward = casevars::PresentValueFigures{};
  const AlimonyOutcome out = ComputeAlimony(v, Inputs());
  ASSERT_TRUE(out.Completed) << out.Message.toStdString();
  const casevars::AlimonyVars& a = v.Alimony;
  EXPECT_EQ(out.Passes, 1);
  EXPECT_EQ(out.ChildSupportRuns, 0);
  EXPECT_FALSE(a.PresentValueOfAward);
  EXPECT_EQ(a.AlimonyTaxMode, 2);
  EXPECT_GT(a.YrAlimonyCap, 0);
  EXPECT_GT(a.YrAlimonyAward, 0);
  EXPECT_LE(a.YrAlimonyAward, a.YrAlimonyCap);
  EXPECT_EQ(a.YrRecommendedAward, a.YrAlimonyAward);
  EXPECT_EQ(a.AlimonyNoteText, "Calculation Shown Has Alimony Taxed To Payer.");
  ASSERT_TRUE(out.Picture9);
  EXPECT_TRUE(out.Picture9->Cleared);
  EXPECT_EQ(out.Picture9->Lines, QStringList{a.AlimonyNoteText});
  EXPECT_FALSE(out.Picture1);  // a score of 42 or more leaves the case-strength picture alone
  // The last tax estimate counted no alimony: the award is not deductible.
  EXPECT_FLOAT_EQ(a.Claim.YrNetAfterAlimony, NetAfter(v, Party::Claim, a.YrAlimonyAward, 0));
  EXPECT_FLOAT_EQ(a.Payer.YrNetAfterAlimony, NetAfter(v, Party::Payer, -a.YrAlimonyAward, 0));
  EXPECT_EQ(v.Tax.Claim.YrFedAGI, 20000);
  EXPECT_FALSE(out.ChildSupport);
}

TEST(AlimonyRun, PayeeTaxedSuggestionAboveTheCapIsNotCapped) {
  // Five minor children with the claimant, no claimant income: 0.66 of the
  // other party's available income (about 24,000) exceeds half the other
  // party's gross income, 13,000, the limit; 13,000 a year is 1,083.33 a
  // month, so the suggestion is 1,083 x 12 = 12,996.
  CaseVars v = WageCase("Cust", 5, 0, 26000, 100);
  v.Alimony.AlimonyTaxMode = 0;
  const AlimonyOutcome out = ComputeAlimony(v, Inputs());
  ASSERT_TRUE(out.Completed) << out.Message.toStdString();
  const casevars::AlimonyVars& a = v.Alimony;
  EXPECT_EQ(a.YrAlimonyAward, 12996);
  EXPECT_EQ(a.YrRecommendedAward, 12996);
  EXPECT_LT(a.YrAlimonyCap, 12996);
  EXPECT_EQ(a.AlimonyNoteText, "Calculation Shown Has Alimony Taxed To Payee.");
  // Taxed to the payee, the award is the claimant's income.
  EXPECT_EQ(v.Tax.Claim.YrFedAGI, 12996);
  EXPECT_EQ(v.Tax.Payer.YrFedAGI, 26000 - 12996);
  ASSERT_EQ(out.Display.Award.size(), 2);
  EXPECT_EQ(out.Display.Award[0], " Recommended Alimony Is $12,996 Per Year  Or  $1,083 Per Month.");
  EXPECT_TRUE(out.Display.Award[1].startsWith(" 35% of net income difference ($"));

  CaseVars up = WageCase("Cust", 5, 0, 26004, 100);  // 13,002 a year: 1,083.5 -> 1,084 a month
  up.Alimony.AlimonyTaxMode = 0;
  ASSERT_TRUE(ComputeAlimony(up, Inputs()).Completed);
  EXPECT_EQ(up.Alimony.YrAlimonyAward, 13008);
}

TEST(AlimonyRun, UserAwardAtTheCapIsTakenOneDollarMoreIsRefused) {
  CaseVars v = WageCase("NoMinors", 0, 20000, 120000, 60);
  ASSERT_TRUE(ComputeAlimony(v, Inputs()).Completed);
  const double cap = v.Alimony.YrAlimonyCap;

  AlimonyInputs in = Inputs();
  v.Express.AwardChangedFlag = "Y";
  in.NewAward = cap;
  AlimonyOutcome out = ComputeAlimony(v, in);
  ASSERT_TRUE(out.Completed) << out.Message.toStdString();
  EXPECT_EQ(v.Alimony.YrAlimonyAward, cap);
  EXPECT_EQ(v.Alimony.YrRecommendedAward, cap);
  EXPECT_EQ(v.Alimony.AlimonyNoteText,
            "Calculation Shown Has Alimony Taxed To Payer. The Suggested Alimony Award Has Been Modified.");
  EXPECT_EQ(out.Display.Award.back(),
            " This is the max allowed under DV statute (35% of the difference in net incomes).");

  const CaseVars before = v;
  in.NewAward = cap + 1;
  out = ComputeAlimony(v, in);
  EXPECT_FALSE(out.Completed);
  EXPECT_TRUE(out.Message.startsWith("Alimony Can Not Exceed $"));
  EXPECT_TRUE(out.Message.endsWith(
      " Which is 35 Percent of The Parties Net Income Difference. ReEnter The New Alimony Amount"));
  EXPECT_EQ(v.Alimony.YrAlimonyAward, before.Alimony.YrAlimonyAward);
  EXPECT_EQ(v.Alimony.AlimonyNoteText, before.Alimony.AlimonyNoteText);
  EXPECT_EQ(v.Tax.Claim.YrFedTax, before.Tax.Claim.YrFedTax);

  // Taxed to the payee, a user's award above the cap is taken as it is.
  v.Alimony.AlimonyTaxMode = 0;
  out = ComputeAlimony(v, in);
  ASSERT_TRUE(out.Completed);
  EXPECT_EQ(v.Alimony.YrAlimonyAward, cap + 1);
  EXPECT_EQ(v.Alimony.AlimonyNoteText,
            "Calculation Shown Has Alimony Taxed To Payee. The Suggested Alimony Award Has Been Modified.");
}

TEST(AlimonyRun, NonCustodialClaimantScoreLosesThreePointsAChild) {
  // Three minor children with the other party: the award scales by
  // (S - 9) / 100, so scores 60 and 70 give awards in the ratio 51 : 61
  // (each rounded to whole months, so within 12 dollars a year of it).
  const auto award = [](double score) {
    CaseVars v = WageCase("NonCust", 3, 20000, 150000, score);
    v.Alimony.AlimonyTaxMode = 0;
    EXPECT_TRUE(ComputeAlimony(v, Inputs()).Completed);
    return double(v.Alimony.YrAlimonyAward);
  };
  const double at60 = award(60), at70 = award(70);
  ASSERT_GT(at60, 1000);
  EXPECT_NEAR(at60 / 51 * 61, at70, 12 * 61 / 51.0 + 12);
}

TEST(AlimonyRun, ClaimantWithTheHigherNetIncomeGetsNoAwardAndNoCapNote) {
  for (std::int16_t mode : {0, 2}) {
    // Five children with the claimant would suggest an award; the claimant's
    // net income is the higher, so no award is made in either tax treatment.
    CaseVars v = WageCase("Cust", 5, 60000, 50000, 70);
    v.Alimony.AlimonyTaxMode = mode;
    v.Express.SequencingMode = 1;
    v.Express.MaintAppliedToCS = 1;
    const AlimonyOutcome out = ComputeAlimony(v, Inputs());
    ASSERT_TRUE(out.Completed) << out.Message.toStdString();
    EXPECT_LT(v.Alimony.YrAlimonyCap, 0);
    EXPECT_EQ(v.Alimony.YrAlimonyAward, 0) << mode;
    EXPECT_EQ(v.Alimony.YrRecommendedAward, 0) << mode;
    EXPECT_EQ(v.Express.MoAlimonyTransfer, 0) << mode;  // no negative alimony reached child support
    EXPECT_EQ(out.Display.Award, QStringList{" No Alimony Is Recommended."}) << mode;
  }
}

TEST(AlimonyRun, NegativeGrossIncomeOfTheOtherPartyGivesNoNegativeAward) {
  CaseVars v = WageCase("Cust", 5, 0, 0, 100);
  v.Income.Payer.YrGrossIncome = -10000;
  v.Income.Payer.YrTotal = -10000;
  ASSERT_TRUE(ComputeAlimony(v, Inputs()).Completed);
  EXPECT_EQ(v.Alimony.YrAlimonyAward, 0);
  EXPECT_EQ(v.Alimony.YrRecommendedAward, 0);
}

// `tips` of the claimant's wages are qualified tips, deducted in full.
void WithClaimTips(CaseVars& v, float tips) {
  casevars::PartyIncome& in = v.Income.Claim;
  in.YrEarned -= tips;
  in.YrTips = tips;
  v.Business.Claim.YrWagesForTax -= tips;
  in.YrTipsDeduction = tips;
  in.YrAGIBase -= tips;
}

// The claimant's tips: 5,000 of 25,000 wages.
CaseVars TipsCase() {
  CaseVars v = WageCase("NoMinors", 0, 25000, 120000, 60);
  WithClaimTips(v, 5000);
  return v;
}

// Awards worked by hand where no limit binds: each stays below the 35 percent
// cap and below half the other party's gross income. Single wage earners, no
// minor children (target share 0.5), no state tax and no credits; payroll
// tax 7.65 percent; income tax on the 2026 brackets above the standard
// deduction of 16,100 (10% to 12,400, 12% to 50,400, 22% to 105,700).
TEST(AlimonyRun, HandWorkedAwards) {
  const struct {
    const char* rule;
    float claimWages, payerWages, score, claimOtherSupport, claimTips;
    std::int16_t taxMode;
    float award;
  } rows[] = {
      // Taxed to the payee. Available incomes 90,000 - 6,885 = 83,115 and
      // 170,000 - 13,005 = 156,995; gap 73,880: factor 0.91. (0.5 x 240,110 -
      // 83,115) x 0.91 x 0.50 = 16,807.70; a claimant above 80,000 loses
      // (90,000 - 70,000) x 0.02 / 20,000 = 2%: 16,471.55; 1,372.63 a month,
      // 1,373 x 12. (Cap 0.35 x (127,461 - 72,145) = 19,360.60.)
      {"claimant above 80,000 loses 2 percent", 90000, 170000, 50, 0, 0, 0, 16476},
      // 73,880 and 156,995; gap 83,115: 0.91. (0.5 x 230,875 - 73,880) x 0.91
      // x 0.50 = 18,908.66, not reduced at 80,000; 1,575.72 a month, 1,576 x 12.
      // (Cap 0.35 x (127,461 - 65,110) = 21,822.85.)
      {"claimant at 80,000 keeps it all", 80000, 170000, 50, 0, 0, 0, 18912},
      // The claimant pays 3,000 of other child support, grossed up: no tax on
      // 15,000, so k = 1.2 / (1 - 0.05 x 15,000 / 15,000) = 1.263158 and
      // 3,789.47 comes off 15,000 - 1,147.50: 10,063.03; the other party
      // 120,000 - 9,180 = 110,820. Gap 110,820 - 13,852.50 = 96,967.50: 0.91 -
      // 6,967.50 / 200,000 x 0.212 = 0.902614. (0.5 x 120,883.03 - 10,063.03)
      // x 0.902614 x 0.60 = 27,283.41; 2,273.62 a month, 2,274 x 12. (Cap 0.35
      // x (93,250 - 13,852.50) = 27,789.13.)
      {"expenses grossed up by 1.2", 15000, 120000, 60, 3000, 0, 0, 27288},
      // Taxed to the payer, 5,000 of the claimant's 25,000 wages tips. Both
      // passes suggest (0.5 x (110,820 + 23,087.50) - 23,087.50) x 0.91 x 0.60
      // = 23,950.97: 1,996 x 12 = 23,952. First pass, tips as wages: with the
      // award deductible the claimant's tax on 48,952 is 1,240 + 12% x 20,452
      // = 3,694 and the other party's on 96,048 is 1,240 + 4,560 + 22% x
      // 29,548 = 12,301; nets 25,000 + 23,952 - 1,912.50 - 3,694 = 43,345.50
      // and 120,000 - 23,952 - 9,180 - 12,301 = 74,567: share 43,345.50 /
      // 117,912.50 = 0.3676073. Second pass, tips deducted: without alimony
      // the taxes are 390 and 17,570, the nets 22,697.50 and 93,250; award
      // 0.3676073 x 115,947.50 - 22,697.50 = 19,925.65 (the second pass's own
      // share, 0.3708090, would give 20,296.88). Cap 0.35 x 70,552.50 = 24,693.38.
      {"payer-taxed award keeps the first pass's share", 25000, 120000, 60, 0, 5000, 2, 19925.65f},
  };
  for (const auto& r : rows) {
    CaseVars v = WageCase("NoMinors", 0, r.claimWages, r.payerWages, r.score);
    v.Income.Claim.YrOtherSupport = r.claimOtherSupport;
    if (r.claimTips > 0) WithClaimTips(v, r.claimTips);
    v.Alimony.AlimonyTaxMode = r.taxMode;
    const AlimonyOutcome out = ComputeAlimony(v, Inputs());
    ASSERT_TRUE(out.Completed) << r.rule << ": " << out.Message.toStdString();
    EXPECT_NEAR(v.Alimony.YrAlimonyAward, r.award, 0.01) << r.rule;
    EXPECT_EQ(v.Alimony.YrRecommendedAward, v.Alimony.YrAlimonyAward) << r.rule;
    EXPECT_LT(v.Alimony.YrAlimonyAward, v.Alimony.YrAlimonyCap) << r.rule;
    EXPECT_LT(v.Alimony.YrAlimonyAward, r.payerWages / 2) << r.rule;
  }
}

TEST(AlimonyRun, TipsCountedAsWagesForTheFirstPassAreRestored) {
  CaseVars v = TipsCase();
  const CaseVars before = v;
  const AlimonyOutcome out = ComputeAlimony(v, Inputs());
  ASSERT_TRUE(out.Completed) << out.Message.toStdString();
  EXPECT_EQ(out.Passes, 2);
  EXPECT_EQ(v.Income.Claim.YrTips, 5000);
  EXPECT_EQ(v.Income.Claim.YrEarned, 20000);
  EXPECT_EQ(v.Income.Claim.YrAGIBase, before.Income.Claim.YrAGIBase);
  EXPECT_EQ(v.Income.Claim.YrTipsDeduction, 5000);
  EXPECT_EQ(v.Business.Claim.YrWagesForTax, 20000);
  // The second pass's taxes see the tips deduction again.
  EXPECT_EQ(v.Tax.Claim.YrFedAGI, 20000);

  // The other party's tips alone never cause a second pass.
  CaseVars payerTips = WageCase("NoMinors", 0, 20000, 120000, 60);
  payerTips.Income.Payer.YrTips = 3000;
  EXPECT_EQ(ComputeAlimony(payerTips, Inputs()).Passes, 1);
}

// Two passes (the claimant's tips) with a user's award taxed to the payee:
// the tax-treatment note is written once, by the pass that gives the figures.
TEST(AlimonyRun, TwoPassesWriteTheTaxNoteOnce) {
  CaseVars v = TipsCase();
  v.Express.AwardChangedFlag = "Y";
  v.Alimony.AlimonyTaxMode = 0;
  AlimonyInputs in = Inputs();
  in.NewAward = 12000;
  const AlimonyOutcome out = ComputeAlimony(v, in);
  ASSERT_TRUE(out.Completed) << out.Message.toStdString();
  EXPECT_EQ(out.Passes, 2);
  ASSERT_TRUE(out.Picture9);
  EXPECT_TRUE(out.Picture9->Cleared);  // never after an earlier calculation's note
  ASSERT_EQ(out.Picture9->Lines.size(), 1);
  EXPECT_EQ(out.Picture9->Lines.front().toStdString(),
            "Calculation Shown Has Alimony Taxed To Payee. The Suggested Alimony Award Has Been Modified.");
  EXPECT_EQ(v.Alimony.AlimonyNoteText, out.Picture9->Lines.front());
}

TEST(AlimonyRun, TipsAreRestoredWhenTheCalculationStops) {
  CaseVars v = TipsCase();
  v.Express.AwardChangedFlag = "Y";
  AlimonyInputs in = Inputs();
  in.NewAward = 1e9f;
  const CaseVars before = v;
  const AlimonyOutcome out = ComputeAlimony(v, in);
  ASSERT_FALSE(out.Completed);
  EXPECT_EQ(v.Income.Claim.YrTips, before.Income.Claim.YrTips);
  EXPECT_EQ(v.Income.Claim.YrEarned, before.Income.Claim.YrEarned);
  EXPECT_EQ(v.Income.Claim.YrGrossIncome, before.Income.Claim.YrGrossIncome);
  EXPECT_EQ(v.Alimony.YrAlimonyAward, before.Alimony.YrAlimonyAward);
}

TEST(AlimonyRun, ChildSupportRunsOnlyWhenAlimonyComesFirst) {
  // Alimony first and applied: each pass runs child support with the monthly
  // award, and the Express screen's box takes the last transfer.
  CaseVars first = TipsCase();
  first.Express.CustodyStatus = "Cust";
  first.Express.NumMinorChildren = 1;
  first.Express.SequencingMode = 1;
  first.Express.MaintAppliedToCS = 1;
  int drawn = 0;
  alimony::AlimonyServices services;
  services.DrawChildSupportText = [&drawn](CaseVars&) { ++drawn; };
  AlimonyOutcome out = ComputeAlimony(first, Inputs(), services);
  ASSERT_TRUE(out.Completed) << out.Message.toStdString();
  // First pass, the run after the tips are restored, second pass.
  EXPECT_EQ(out.ChildSupportRuns, 3);
  EXPECT_EQ(drawn, 1);
  ASSERT_TRUE(out.ChildSupport);
  EXPECT_EQ(*out.ChildSupport, first.Support.MoChildSupportTransfer);
  EXPECT_EQ(first.Express.MoAlimonyTransfer, std::round(first.Alimony.YrAlimonyAward / 12));
  EXPECT_EQ(first.Support.MoChildSupportForAlimony, std::floor(first.Support.MoChildSupportForAlimony));

  // Child support first: the box keeps what the preparer's run left.
  CaseVars after = TipsCase();
  after.Express.CustodyStatus = "Cust";
  after.Express.NumMinorChildren = 1;
  after.Express.MaintAppliedToCS = 1;
  after.Support.MoChildSupportForAlimony = 400;
  after.Support.MoChildSupportTransfer = 400;
  drawn = 0;
  out = ComputeAlimony(after, Inputs(), services);
  ASSERT_TRUE(out.Completed);
  EXPECT_EQ(out.ChildSupportRuns, 0);
  EXPECT_EQ(drawn, 0);
  EXPECT_FALSE(out.ChildSupport);
  EXPECT_EQ(after.Support.MoChildSupportTransfer, 400);
  EXPECT_EQ(after.Support.MoChildSupportForAlimony, 400);
}

TEST(AlimonyRun, NoMinorsClearsTheChildCostsAndCountsNoChildSupport) {
  CaseVars v = WageCase("NoMinors", 0, 20000, 120000, 60);
  v.Express.Claim.MoChildHealthIns = 100;
  v.Express.Payer.MoNonCoveredHealth = 50;
  v.Support.MoChildSupportForAlimony = 300;
  const AlimonyOutcome out = ComputeAlimony(v, Inputs());
  ASSERT_TRUE(out.Completed);
  EXPECT_EQ(v.Express.Claim.MoChildHealthIns, 0);
  EXPECT_EQ(v.Express.Payer.MoNonCoveredHealth, 0);
  EXPECT_EQ(v.Support.MoChildSupportForAlimony, 0);
  EXPECT_EQ(v.Alimony.Claim.YrExpensesPaid, 0);
}

TEST(AlimonyRun, WeakCaseRewritesTheCaseStrength) {
  // Score 30 with a gross-income gap of 20,000: 1,250,000 / 30 = 41,666.67
  // exceeds the gap, so 21,666.67 x 0.35 = 7,583 comes off the award.
  CaseVars v = WageCase("NoMinors", 0, 30000, 50000, 30);
  v.Alimony.CaseStrengthText = "before";
  const AlimonyOutcome out = ComputeAlimony(v, Inputs());
  ASSERT_TRUE(out.Completed);
  EXPECT_EQ(v.Alimony.YrAlimonyAward, 0);
  EXPECT_EQ(v.Alimony.CaseStrengthText,
            " This Is An Unlikely Alimony Case,\r\n Barring Some Unusual Or Compelling Circumstance.");
  ASSERT_TRUE(out.Picture1);
  EXPECT_TRUE(out.Picture1->Cleared);
  EXPECT_EQ(out.Picture1->Lines, QStringList{v.Alimony.CaseStrengthText});
  EXPECT_EQ(v.Alimony.TermRecommendation1,
            " Barring Unusual Circumstances, This Case Does Not Justify An Award");

  // Score 18 escapes the rule of a gap below 70,000 with a gap of exactly 70,000.
  CaseVars gap = WageCase("NoMinors", 0, 10000, 80000, 18);
  ASSERT_TRUE(ComputeAlimony(gap, Inputs()).Completed);
  CaseVars below = WageCase("NoMinors", 0, 10001, 80000, 18);
  ASSERT_TRUE(ComputeAlimony(below, Inputs()).Completed);
  EXPECT_EQ(below.Alimony.YrAlimonyAward, 0);
  EXPECT_GT(gap.Alimony.YrAlimonyAward, 0);
}

}  // namespace
