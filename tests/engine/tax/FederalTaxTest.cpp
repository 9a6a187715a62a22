#include <gtest/gtest.h>

#include "case/CaseCodes.h"
#include "engine/tax/IncomeTax.h"
#include "engine/tax/PayrollTax.h"
#include "engine/tax/SocialSecurityBenefits.h"

namespace {

using casevars::Age65Status;

TEST(ComputeFicaTax, WagesAndSelfEmploymentIncome) {
  const struct {
    const char* name;
    double wages, se;
    double tax, half;
  } cases[] = {
      // 184,500 x 0.0765 = 14,114.25
      {"wages at the base", 184'500, 0, 14'114, 0},
      // 15,500 x 0.0145 + 14,114.25 = 14,339
      {"wages above the base", 200'000, 0, 14'339, 0},
      // 65,500 x 0.0145 + 14,114.25 = 15,064; 50,000 x 0.009 = 450 additional Medicare
      {"additional Medicare", 250'000, 0, 15'514, 0},
      // 9,235 x 0.124 = 1,145.14; 9,235 x 0.029 = 267.815; half = 706.4775
      {"self-employment only", 0, 10'000, 1'413, 706.4775},
      // SE 184,700: Social Security part stops at 184,500 x 0.124 = 22,878;
      // Medicare 5,356.3; total 28,234.3; half 14,117.15
      {"SE above the base", 0, 200'000, 28'234, 14'117.15},
      // room 184,500 - 180,000 = 4,500: 4,500 x 0.124 + 9,235 x 0.029 = 825.815;
      // employee 13,770; 189,235 - 200,000 < 0 so no additional Medicare
      {"wages fill the base first", 180'000, 10'000, 14'596, 412.9075},
  };
  for (const auto& c : cases) {
    double se = c.se;
    const tax::FicaTax r = tax::ComputeFicaTax("Single", c.wages, se);
    EXPECT_EQ(r.Tax, c.tax) << c.name;
    EXPECT_FLOAT_EQ(r.HalfSETax, c.half) << c.name;
  }
}

TEST(ComputeFicaTax, NegativeAmountsCountAsZeroAndTheLossIsCleared) {
  double se = -5'000;
  const tax::FicaTax r = tax::ComputeFicaTax("Single", -1'000, se);
  EXPECT_EQ(se, 0);
  EXPECT_EQ(r.Tax, 0);
  EXPECT_EQ(r.HalfSETax, 0);
}

TEST(ComputeFicaTax, AdditionalMedicareThresholdByFilingStatus) {
  // 130,000 x 0.0765 = 9,945; married filing separately pays 5,000 x 0.009 = 45 more.
  double se = 0;
  EXPECT_EQ(tax::ComputeFicaTax("MarriedSep", 130'000, se).Tax, 9'990);
  EXPECT_EQ(tax::ComputeFicaTax("MFJ", 130'000, se).Tax, 9'945);
  // An unknown filing text has no additional Medicare tax: 65,500 x 0.0145 + 14,114.25.
  EXPECT_EQ(tax::ComputeFicaTax("single", 250'000, se).Tax, 15'064);
}

TEST(ComputeTaxableSocialSecurity, UntaxedPartOfBenefits) {
  const struct {
    const char* name;
    const char* filing;
    double benefits, other, adjustments;
    double untaxed;
  } cases[] = {
      // P = 10,000 + 20,000 = 30,000: (30,000 - 25,000) / 2 = 2,500 taxed
      {"between the bases", "Single", 20'000, 20'000, 0, 17'500},
      // P = 50,000: 0.85 x 16,000 + 4,500 = 18,100, capped at 0.85 x 20,000 = 17,000
      {"capped at 85 percent", "Single", 20'000, 40'000, 0, 3'000},
      // P = 115,000: 0.85 x 71,000 + 6,000, capped at 25,500
      {"joint", "MFJ", 30'000, 100'000, 0, 4'500},
      // P = 10,000 + 20,000 - 8,000 = 22,000 below 25,000: nothing taxed
      {"adjustments lower P", "Single", 20'000, 20'000, 8'000, 20'000},
      // P = 5,000 - 10,000 < 0: the whole benefits are untaxed
      {"P at or below zero", "Head", 10'000, 0, 10'000, 10'000},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(
        tax::ComputeTaxableSocialSecurity(c.benefits, c.other, c.filing, c.adjustments),
        c.untaxed)
        << c.name;
}

TEST(ComputeIncomeTax, WorkedReturns) {
  const struct {
    const char* name;
    const char* filing;
    Age65Status age65;
    double income, gains, itemized, invest;
    double tax;
  } cases[] = {
      // D 16,100, O 33,900: 1,240 + 21,500 x 0.12
      {"single", "Single", Age65Status::No, 50'000, 0, 0, 0, 3'820},
      // O 23,900 taxed 2,620; gains stay below 49,450 and are taxed at 0
      {"gains at the zero rate", "Single", Age65Status::No, 60'000, 20'000, 0, 0, 2'620},
      // O 233,900: 41,024 + 32,125 x 0.32 = 51,304; plus 0.038 x 30,000 = 1,140
      {"net investment income tax", "Single", Age65Status::No, 250'000, 0, 0, 30'000, 52'444},
      // S = 6,000 - 0.06 x 5,000 = 5,700; D = 16,100 + 2,050 + 5,700 = 23,850; O 56,150
      {"senior, phased", "Single", Age65Status::Yes, 80'000, 0, 0, 0, 7'065},
      // S 12,000; D = 32,200 + 3,300 + 12,000 = 47,500; O 52,500: 2,480 + 27,700 x 0.12
      {"both joint filers 65", "MFJ", Age65Status::Both, 100'000, 0, 0, 0, 5'804},
      // income - gains below D: O = 0, G = 15,000 - 16,100 < 0 -> 0
      {"gains above income", "Single", Age65Status::No, 15'000, 20'000, 0, 0, 0},
      // itemized 20,000 above the standard 16,100: O 30,000 -> 1,240 + 17,600 x 0.12
      {"itemized", "Single", Age65Status::No, 50'000, 0, 20'000, 0, 3'352},
      // itemized equal to the standard deduction keeps it: as "single"
      {"itemized tie", "Single", Age65Status::No, 50'000, 0, 16'100, 0, 3'820},
      // MFS with 65: 16,100 + 1,650, no senior deduction; O 32,250
      {"separate, 65", "MarriedSep", Age65Status::Yes, 50'000, 0, 0, 0, 3'622},
      // Head: D 24,150, O 75,850: 1,770 + 49,750 x 0.12 + 8,400 x 0.22 = 9,588
      {"head of household", "Head", Age65Status::No, 100'000, 0, 0, 0, 9'588},
      // O 100,000 - 16,100 - 60,000 = 23,900; O + G = 83,900 above 49,450:
      // (83,900 - 49,450) x 0.15 = 5,167.5; 2,620 + 5,167.5 = 7,787.5
      {"gains straddle the zero rate", "Single", Age65Status::No, 100'000, 60'000, 0, 0, 7'788},
      // O 600,000 - 16,100 - 100,000 = 483,900 (above 256,225): 0.35 rate;
      // 41,024 + 54,450 x .32 + 227,675 x .35 = 138,134.25; gains: (545,500 - 483,900) x .15
      // + (583,900 - 545,500) x .20 = 9,240 + 7,680; NIIT 0.038 x 100,000 = 3,800
      {"gains straddle the 20 percent rate", "Single", Age65Status::No, 600'000, 100'000, 0,
       100'000, 158'854},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tax::ComputeIncomeTax(c.income, c.gains, c.itemized, c.age65, c.filing, c.invest),
              c.tax)
        << c.name;
}

TEST(SeniorDeduction, PhaseOutAndWhoGetsIt) {
  EXPECT_DOUBLE_EQ(tax::SeniorDeduction(80'000, Age65Status::Yes, tax::Filing::Single), 5'700);
  EXPECT_DOUBLE_EQ(tax::SeniorDeduction(160'000, Age65Status::Yes, tax::Filing::MFJ), 5'400);
  // 0.06 x (174,990 - 75,000) = 5,999.4: 0.6 left, below 1 counts as 0
  EXPECT_DOUBLE_EQ(tax::SeniorDeduction(174'990, Age65Status::Yes, tax::Filing::Single), 0);
  EXPECT_DOUBLE_EQ(tax::SeniorDeduction(50'000, Age65Status::Yes, tax::Filing::MarriedSep), 0);
  EXPECT_DOUBLE_EQ(tax::SeniorDeduction(50'000, Age65Status::Both, tax::Filing::Single), 0);
}

}  // namespace
