#include <gtest/gtest.h>

#include "engine/tax/TaxCredits.h"

namespace {

TEST(ComputeChildTaxCredit, PhaseOutByStepsOfIncome) {
  const struct {
    const char* filing;
    double income;
    std::int16_t children;
    double credit;
  } cases[] = {
      {"Single", 200'000, 2, 4'400},     // at the threshold: no reduction
      {"Single", 200'000.5, 2, 4'350},  // a part of 1,000 counts as a whole step
      {"Single", 210'000, 2, 3'900},     // 10 steps of 50
      {"Single", 201'000, 1, 2'150},
      {"MFJ", 500'000, 3, 1'600},        // 6,600 - 100 x 50
      {"Head", 300'000, 1, 0},           // 2,200 - 5,000, not below 0
      {"MarriedSep", 250'000, 1, 0},     // 2,200 - 50 x 50 < 0
      {"Single", 50'000, 0, 0},
      {"mfj", 900'000, 1, 2'200},        // an unknown filing text is not reduced
  };
  for (const auto& c : cases)
    EXPECT_EQ(tax::ComputeChildTaxCredit(c.income, c.filing, c.children), c.credit)
        << c.filing << " " << c.income;
}

TEST(DependentCareCreditRate, BandsOpenBelowClosedAbove) {
  // The first phase-down is one point per 2,000 above 15,000 for every filing
  // status, joint returns included; only the second differs for joint returns.
  const struct {
    const char* filing;
    double income;
    double rate;
  } cases[] = {
      {"Single", 15'000, 0.50},     {"Single", 15'000.01, 0.49}, {"Single", 17'000, 0.49},
      {"Single", 29'000.01, 0.42},  {"Single", 31'000, 0.42},    {"Single", 43'000, 0.36},
      {"Single", 43'000.01, 0.35},  {"Single", 75'000, 0.35},    {"Single", 75'000.01, 0.34},
      {"Head", 103'000, 0.21},      {"Head", 103'000.01, 0.20},  {"Single", 200'000, 0.20},
      {"MFJ", 15'000, 0.50},        {"MFJ", 17'000, 0.49},       {"MFJ", 60'000, 0.35},
      {"MFJ", 150'000, 0.35},       {"MFJ", 150'000.01, 0.34},   {"MFJ", 154'000, 0.34},
      {"MFJ", 206'000, 0.21},       {"MFJ", 206'000.01, 0.20},   {"MarriedSep", 30'000, 0.42},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(tax::DependentCareCreditRate(c.income, c.filing), c.rate)
        << c.filing << " " << c.income;
}

TEST(ComputeDependentCareCredit, CountedExpensesTimesRate) {
  const struct {
    const char* filing;
    double income, expenses;
    std::int16_t children;
    double credit;
  } cases[] = {
      {"Single", 14'000, 5'000, 1, 1'500},  // 3,000 x 0.50
      {"Single", 30'000, 5'000, 1, 1'260},  // 3,000 x 0.42
      {"Single", 50'000, 8'000, 2, 2'100},  // 6,000 x 0.35
      {"Single", 50'000, 8'000, 4, 2'100},
      {"Single", 50'000, 2'000, 1, 700},    // expenses below the limit
      {"Single", 200'000, 3'000, 1, 600},   // 0.20
      {"MFJ", 60'000, 3'000, 1, 1'050},     // 0.35 for joint returns as for others
      {"Single", 14'000, 5'000, 0, 0},
      {"Single", 15'500, 1'550, 1, 760},    // 1,550 x 0.49 = 759.5, halves away from zero
  };
  for (const auto& c : cases)
    EXPECT_EQ(tax::ComputeDependentCareCredit(c.income, c.filing, c.expenses, c.children),
              c.credit)
        << c.filing << " " << c.income << " " << c.children;
}

TEST(ComputeEarnedIncomeCredit, TwoPassesTakeTheSmaller) {
  const struct {
    const char* name;
    const char* filing;
    double income, earned, invest, halfSE;
    std::int16_t children;
    double credit;
  } cases[] = {
      {"at the earned amount", "Single", 13'020, 13'020, 0, 0, 1, 4'427},
      // 4,427 - 4,427 / (51,593 - 23,890) x (30,000 - 23,890)
      {"in the phase-out", "Single", 30'000, 30'000, 0, 0, 1, 3'450.61},
      {"income pass smaller", "Single", 30'000, 20'000, 0, 0, 1, 3'450.61},
      {"earned pass smaller", "Single", 20'000, 30'000, 0, 0, 1, 3'450.61},
      {"no children, plateau", "Single", 10'000, 10'000, 0, 0, 0, 664},
      // 7,316 - 7,316 / (65,899 - 31,160) x (40,000 - 31,160)
      {"joint, two children", "MFJ", 40'000, 40'000, 0, 0, 2, 5'454.30},
      // 8,231 - 8,231 / (62,974 - 23,890) x (60,000 - 23,890)
      {"three children", "Single", 60'000, 60'000, 0, 0, 3, 626.32},
      // 8,231 - 8,231 / (70,244 - 31,160) x (70,230 - 31,160): the joint phase-out ends
      // where the 21.06 percent rate brings 8,231 to zero, so a few dollars remain here
      {"joint, three children near the end", "MFJ", 70'230, 70'230, 0, 0, 3, 2.95},
      {"investment income above the limit", "Single", 13'020, 13'020, 12'201, 0, 1, 0},
      {"investment income at the limit", "Single", 13'020, 13'020, 12'200, 0, 1, 4'427},
      {"married filing separately", "MarriedSep", 13'020, 13'020, 0, 0, 1, 0},
      // 4,427 / 13,020 x (10,000 - 500)
      {"phase-in on earned less half SE tax", "Single", 10'000, 10'000, 0, 500, 1, 3'230.15},
      {"earned above the end", "Single", 20'000, 52'000, 0, 0, 1, 0},
      {"four children is no row", "Single", 13'020, 13'020, 0, 0, 4, 0},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(tax::ComputeEarnedIncomeCredit(c.income, c.earned, c.invest, c.halfSE, c.filing,
                                               c.children),
                c.credit, 0.005)
        << c.name;
}

TEST(ApplyTaxCreditLimits, OneChildWithAdditionalCredit) {
  tax::CreditLimitInputs in;
  in.EarnedWages = 30'000;
  in.Children = 1;
  in.IncomeTax = 1'000;
  in.ChildTaxCredit = 2'200;
  in.EIC = 500;
  double care = 600;
  const tax::CreditTotals r = tax::ApplyTaxCreditLimits(in, care);
  // 600 + 2,200 = 2,800: 1,000 against the tax, 1,800 over; L = 0.15 x 27,500 =
  // 4,125; the per-child cap makes it 1,700. Total 1,000 + 1,700 + 500.
  EXPECT_EQ(care, 600);
  EXPECT_FLOAT_EQ(r.AddlChildTaxCredit, 1'700);
  EXPECT_FLOAT_EQ(r.TotalCredits, 3'200);
}

TEST(ApplyTaxCreditLimits, CareCreditIsLoweredToTheTax) {
  tax::CreditLimitInputs in;
  in.IncomeTax = 1'000;
  in.OtherCredits = 300;
  double care = 1'500;
  const tax::CreditTotals r = tax::ApplyTaxCreditLimits(in, care);
  EXPECT_EQ(care, 1'000);
  EXPECT_FLOAT_EQ(r.TotalCredits, 1'000);
  EXPECT_FLOAT_EQ(r.AddlChildTaxCredit, 0);
}

TEST(ApplyTaxCreditLimits, EarnedIncomeLimitAndPayrollTaxForThreeChildren) {
  tax::CreditLimitInputs in;
  in.EarnedWages = 10'000;
  in.ChildTaxCredit = 6'600;
  in.IncomeTax = 0;
  // With tax 0 the whole 6,600 is over the tax; L = 0.15 x 7,500 = 1,125.
  in.Children = 2;
  double care = 0;
  EXPECT_FLOAT_EQ(tax::ApplyTaxCreditLimits(in, care).AddlChildTaxCredit, 1'125);
  // Three children: payroll tax 2,000 - half SE 0 - EIC 500 = 1,500 > 1,125.
  in.Children = 3;
  in.FicaTax = 2'000;
  in.EIC = 500;
  const tax::CreditTotals r = tax::ApplyTaxCreditLimits(in, care);
  EXPECT_FLOAT_EQ(r.AddlChildTaxCredit, 1'500);
  EXPECT_FLOAT_EQ(r.TotalCredits, 2'000);
}

}  // namespace
