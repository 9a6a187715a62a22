#include <gtest/gtest.h>

#include "income/TipsOvertime.h"

using namespace income;

namespace {

TEST(IncomeReduction, OneTenthOfTheWholeDollarsAbove) {
  EXPECT_DOUBLE_EQ(IncomeReduction(151999.99, 150000), 199.9);
  EXPECT_DOUBLE_EQ(IncomeReduction(160500.50, 150000), 1050);
  EXPECT_DOUBLE_EQ(IncomeReduction(150000, 150000), 0);
}

TEST(CalculateOTDeduction, CapThenReduction) {
  const struct {
    const char* rule;
    FilingKind kind;
    double agi, ot, ot1, deduction;
  } cases[] = {
      {"below the cap, reduced", FilingKind::SingleOrHH, 160000, 5000, 0, 4000},
      {"capped at 12,500 then reduced by 1,050", FilingKind::SingleOrHH, 160500.50, 20000, 0, 11450},
      {"reduction beyond the cap gives 0", FilingKind::SingleOrHH, 400000, 20000, 0, 0},
      {"new spouse's premium not counted on a single return", FilingKind::SingleOrHH, 160000, 1000, 20000, 0},
      {"at the threshold no reduction", FilingKind::SingleOrHH, 150000, 20000, 0, 12500},
      {"joint: both premiums, joint cap 25,000", FilingKind::MFJ, 250000, 8000, 8000, 16000},
      {"joint: capped at 25,000", FilingKind::MFJ, 250000, 20000, 20000, 25000},
      {"joint: at exactly 300,000 no reduction", FilingKind::MFJ, 300000, 30000, 0, 25000},
      {"joint: reduction after the cap", FilingKind::MFJ, 310000, 30000, 0, 24000},
      {"negative premium counts as 0", FilingKind::SingleOrHH, 100000, -3000, 0, 0},
      {"joint: a negative spouse premium does not reduce the other", FilingKind::MFJ, 100000, 5000, -5000, 5000},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CalculateOTDeduction(c.kind, c.agi, c.ot, c.ot1), c.deduction) << c.rule;
}

BusinessTips BusinessA(double a, bool serviceTrade = false) {
  BusinessTips t;
  t.tips[0][0] = a;
  t.serviceTrade[0][0] = serviceTrade;
  return t;
}

TEST(ComputeTipsDeduction, EmployeeTipsFirstThenBusinessesInOrder) {
  const TipsDeduction d = ComputeTipsDeduction(TipsFiler::SingleOrHead, 100000, 10000, 0, BusinessA(20000));
  EXPECT_EQ(d.tipsDeducted, 10000);
  EXPECT_EQ(d.businessDeducted[0][0], 15000);
  EXPECT_EQ(d.deduction, 25000);
}

TEST(ComputeTipsDeduction, ServiceTradeTipsNeitherTakenNorCountedTowardTheLimit) {
  BusinessTips t = BusinessA(20000, true);
  TipsDeduction d = ComputeTipsDeduction(TipsFiler::SingleOrHead, 100000, 10000, 0, t);
  EXPECT_EQ(d.businessDeducted[0][0], 0);
  EXPECT_EQ(d.deduction, 10000);
  // B and C take the rest in that order.
  t.tips[0][1] = 9000;
  t.tips[0][2] = 9000;
  d = ComputeTipsDeduction(TipsFiler::SingleOrHead, 100000, 10000, 0, t);
  EXPECT_EQ(d.businessDeducted[0][1], 9000);
  EXPECT_EQ(d.businessDeducted[0][2], 6000);
  EXPECT_EQ(d.deduction, 25000);
  // Above the threshold the limit shrinks from the qualifying tips only:
  // 10,000 employee tips (not the 20,000 of the service trade) less 1,000.
  t.tips[0][1] = t.tips[0][2] = 0;
  d = ComputeTipsDeduction(TipsFiler::SingleOrHead, 160000, 10000, 0, t);
  EXPECT_EQ(d.deduction, 9000);
}

TEST(ComputeTipsDeduction, ReductionComesAfterTheCap) {
  const struct {
    const char* rule;
    TipsFiler filer;
    double agi, tips, tips1, deduction;
  } cases[] = {
      {"30,000 tips capped at 25,000, less 5,000", TipsFiler::SingleOrHead, 200000, 30000, 0, 20000},
      {"reduction larger than the tips", TipsFiler::SingleOrHead, 400000, 10000, 0, 0},
      {"joint at exactly 300,000", TipsFiler::Joint, 300000, 20000, 10000, 25000},
      {"joint: both spouses' tips, reduced", TipsFiler::Joint, 310000, 10000, 5000, 14000},
      {"married separately: none", TipsFiler::None, 50000, 10000, 0, 0},
      {"new spouse's tips ignored on a single return", TipsFiler::SingleOrHead, 50000, 1000, 9000, 1000},
      {"negative tips count as 0", TipsFiler::SingleOrHead, 50000, -500, 0, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ComputeTipsDeduction(c.filer, c.agi, c.tips, c.tips1, {}).deduction, c.deduction) << c.rule;
}

TEST(ComputeTipsDeduction, NewSpouseBusinessesOnlyOnAJointReturn) {
  BusinessTips t;
  t.tips[1] = {4000, 3000, 2000};
  t.serviceTrade[1][1] = true;
  TipsDeduction d = ComputeTipsDeduction(TipsFiler::Joint, 100000, 1000, 0, t);
  EXPECT_EQ(d.businessDeducted[1][0], 4000);
  EXPECT_EQ(d.businessDeducted[1][1], 0);
  EXPECT_EQ(d.businessDeducted[1][2], 2000);
  EXPECT_EQ(d.deduction, 7000);
  d = ComputeTipsDeduction(TipsFiler::SingleOrHead, 100000, 1000, 0, t);
  EXPECT_EQ(d.deduction, 1000);
}

}  // namespace
