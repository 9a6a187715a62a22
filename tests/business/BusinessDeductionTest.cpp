#include <gtest/gtest.h>

#include <functional>

#include "business/BusinessDeduction.h"
#include "case/CaseVars.h"

// The worked examples of the deduction, with the 2026 figures: thresholds
// 201,750 (joint 403,500), phase-in ranges 75,000 (joint 150,000), standard
// deductions 16,100 / 24,150 / 16,100 / 32,200 and the age-65 additions of the
// income tax. Where the examples were first worked with the 2025 figures
// (thresholds 197,300 / 394,600, ranges 50,000 / 100,000, standard deduction
// 15,000 single) they are recomputed by hand below.

namespace {

using business::BusDeduction;
using business::ComputeBusinessDeduction;
using business::EstimateStandardDeduction;
using business::ServiceTradeFlags;
using casevars::Age65Status;
using casevars::CaseVars;
using casevars::Party;

TEST(BusDeduction, OneBusinessAtTaxableIncome) {
  const struct {
    const char* rule;
    double taxable, qualified, w2, property;
    const char* filing;
    std::int16_t trade;
    double expected;
  } cases[] = {
      {"below the threshold: 20 percent of the income", 103'900, 80'000, 0, 0, "Single", 0, 16'000},
      {"below the threshold a loss gives a negative amount", 100'000, -5'000, 0, 0, "Single", 0, -1'000},
      {"below the threshold the service trade does not matter", 201'749, 150'000, 0, 0, "Single", 1, 30'000},
      {"exactly at the threshold: fraction 0, the full 20 percent", 201'750, 150'000, 0, 0, "Single", 1, 30'000},
      // Upper limit 30,000; wage and property limit max(20,000, 10,000 + 2,500)
      // = 20,000; fraction (224,250 - 201,750) / 75,000 = 0.3.
      // Not a service trade: 30,000 - 10,000 x 0.3 = 27,000.
      {"phase-in at fraction 0.3", 224'250, 150'000, 40'000, 100'000, "Single", 0, 27'000},
      // Service trade: s = 0.7; a = 21,000; 21,000 - (21,000 - 14,000) x 0.3 = 18,900.
      {"service trade at fraction 0.3", 224'250, 150'000, 40'000, 100'000, "Single", 1, 18'900},
      // The example's taxable income 212,300 with the 2026 figures: fraction
      // 10,550 / 75,000 = 0.1406667; 30,000 - 10,000 x 0.1406667 = 28,593.33.
      {"phase-in at 212,300 (2026 figures)", 212'300, 150'000, 40'000, 100'000, "Single", 0, 28'593.33},
      // s = 0.8593333; a = 25,780; s x 20,000 = 17,186.67;
      // 25,780 - 8,593.33 x 0.1406667 = 24,571.20.
      {"service trade at 212,300 (2026 figures)", 212'300, 150'000, 40'000, 100'000, "Single", 1, 24'571.20},
      // 25% x 10,000 + 2.5% x 1,000,000 = 27,500 > 50% x 10,000 = 5,000.
      {"fully phased in: wages and property limit", 276'750, 150'000, 10'000, 1'000'000, "Single", 0, 27'500},
      {"fully phased in: the lesser of the limits", 400'000, 50'000, 100'000, 0, "Single", 0, 10'000},
      {"fully phased in: a service trade gives 0", 276'750, 150'000, 40'000, 100'000, "Single", 1, 0},
      {"fully phased in: no wages and no property give 0", 300'000, 150'000, 0, 0, "Single", 0, 0},
      {"above the threshold a loss gives 0", 250'000, -10'000, 0, 0, "Single", 0, 0},
      // (250,000 - 201,750) / 75,000 = 0.6433333; 20,000 x (1 - 0.6433333) = 7,133.33.
      {"married filing separately: the single thresholds", 250'000, 100'000, 0, 0, "MarriedSep", 0, 7'133.33},
      {"head of household: the single thresholds", 250'000, 100'000, 0, 0, "Head", 0, 7'133.33},
      {"other filing text: the single thresholds", 250'000, 100'000, 0, 0, "", 0, 7'133.33},
      {"joint return: below 403,500", 403'499, 100'000, 0, 0, "MFJ", 0, 20'000},
      // (478,500 - 403,500) / 150,000 = 0.5.
      {"joint return: half way through its range", 478'500, 100'000, 0, 0, "MFJ", 0, 10'000},
      {"joint return: fully phased in at 553,500", 553'500, 100'000, 0, 0, "MFJ", 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(BusDeduction(c.taxable, c.qualified, c.w2, c.property, c.filing, c.trade),
                c.expected, 0.01)
        << c.rule;
  }
}

TEST(EstimateStandardDeduction, TheIncomeTaxFiguresOf2026) {
  const struct {
    const char* filing;
    Age65Status age65;
    double expected;
  } cases[] = {
      {"Single", Age65Status::No, 16'100},    {"Head", Age65Status::No, 24'150},
      {"MarriedSep", Age65Status::No, 16'100}, {"MFJ", Age65Status::No, 32'200},
      {"Single", Age65Status::Yes, 18'150},   {"Head", Age65Status::Yes, 26'200},
      {"MarriedSep", Age65Status::Yes, 17'750}, {"MFJ", Age65Status::Yes, 33'850},
      // Both spouses 65 or older: the joint addition for each, 2 x 1,650.
      {"MFJ", Age65Status::Both, 35'500},
      {"", Age65Status::No, 0},               {"mfj", Age65Status::Yes, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(EstimateStandardDeduction(c.filing, c.age65), c.expected)
        << c.filing << " " << int(c.age65);
}

// A single filer who takes the standard deduction; the case adds its businesses.
struct DeductionCase {
  const char* rule;
  std::function<void(CaseVars&, ServiceTradeFlags&)> setup;
  double agi;
  double deduction;
  double lossCarryover;
};

TEST(ComputeBusinessDeduction, WorkedExamples) {
  const DeductionCase cases[] = {
      // Taxable 120,000 - 16,100 = 103,900 (was 105,000 with the 2025
      // deduction); A's qualified income 100,000 - 20,000 = 80,000 gives 16,000.
      {"a loss is shared by the business with income",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrAWages = 100'000;
         v.Business.Claim.YrBWages = -20'000;
       },
       120'000, 16'000, 0},
      // A: 10,000 - 30,000 = -20,000 gives 0; B -30,000 gives 0; REIT 20% of 5,000.
      {"a net loss is carried over and REIT income still counts",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrAWages = 10'000;
         v.Business.Claim.YrBWages = -30'000;
         v.Business.Claim.YrREIT = 5'000;
       },
       120'000, 1'000, -20'000},
      // Shares of the -20,000: A 30/40 -> -15,000, B 10/40 -> -5,000;
      // 20% of 15,000 + 20% of 5,000.
      {"the loss is shared in proportion to the income",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrAWages = 30'000;
         v.Business.Claim.YrBWages = 10'000;
         v.Business.Claim.YrCPass = -20'000;
       },
       120'000, 4'000, 0},
      // 50,000 + (10,000 - 4,000) tips = 56,000 -> 11,200.
      {"tips count less the part the tips deduction took",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrAWages = 50'000;
         v.Business.Claim.YrATips = 10'000;
         v.Income.Claim.YrATipsDeducted = 4'000;
       },
       120'000, 11'200, 0},
      {"tips taken whole by the tips deduction count 0",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrCPass = 50'000;
         v.Business.Claim.YrCTips = 3'000;
         v.Income.Claim.YrCTipsDeducted = 5'000;
       },
       120'000, 10'000, 0},
      {"S-corporation wages and not-qualified income take no part below the threshold",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrCWages = 80'000;
         v.Business.Claim.YrANotQualified = 40'000;
         v.Business.Claim.YrDPass = 10'000;
       },
       120'000, 2'000, 0},
      // Taxable 50,000 - 16,100 = 33,900; 20% = 6,780 < 20,000.
      {"capped at 20 percent of the taxable income estimate",
       [](CaseVars& v, ServiceTradeFlags&) { v.Business.Claim.YrAWages = 100'000; },
       50'000, 6'780, 0},
      // Itemized 20,000 > 16,100: taxable 30,000 -> 6,000.
      {"itemized deductions larger than the standard deduction are used",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrAWages = 100'000;
         v.Income.Claim.YrItemized = 20'000;
       },
       50'000, 6'000, 0},
      // 16,100 + 2,050 = 18,150: taxable 31,850 -> 6,370.
      {"65 or older adds to the standard deduction",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrAWages = 100'000;
         v.Income.Claim.Age65Status = Age65Status::Yes;
       },
       50'000, 6'370, 0},
      // Joint: 32,200 + 3,300 = 35,500; taxable 64,500 -> 12,900.
      {"both joint filers 65 or older: the joint addition",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Express.Claim.FilingStatus = "MFJ";
         v.Business.Claim.YrAWages = 100'000;
         v.Income.Claim.Age65Status = Age65Status::Both;
       },
       100'000, 12'900, 0},
      // Taxable 66,100 - 16,100 = 50,000; cap 20% of (50,000 - 40,000).
      {"long-term gains lower the cap",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrAWages = 100'000;
         v.Income.Claim.YrLT = 40'000;
       },
       66'100, 2'000, 0},
      {"an estimate below the gains gives 0",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrAWages = 100'000;
         v.Income.Claim.YrLT = 40'000;
       },
       46'100, 0, 0},
      // 20% of 50,000 = 10,000; the loss cannot raise the cap above it.
      {"a capital loss does not raise the deduction",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrAWages = 100'000;
         v.Income.Claim.YrLT = -10'000;
       },
       66'100, 10'000, 0},
      {"a negative REIT amount lowers the deduction",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrAWages = 10'000;
         v.Business.Claim.YrREIT = -5'000;
       },
       120'000, 1'000, 0},
      {"but never below 0",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrAWages = 10'000;
         v.Business.Claim.YrREIT = -20'000;
       },
       120'000, 0, 0},
      {"without a joint return the new spouse's column takes no part",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrAWages = 10'000;
         v.Business.Claim.YrAWages1 = 50'000;
         v.Business.Claim.YrBWages1 = -90'000;
         v.Business.Claim.YrREIT1 = 5'000;
         v.Income.Claim.YrLT1 = 100'000;
       },
       120'000, 2'000, 0},
      // Taxable 120,000 - 32,200 = 87,800. A 10,000 and A1 50,000 share B1's
      // loss of -6,000 as -1,000 and -5,000: 20% of 9,000 + 20% of 45,000
      // + 20% of the spouse's REIT 5,000 = 1,800 + 9,000 + 1,000.
      {"a joint return counts the new spouse's businesses",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Express.Claim.FilingStatus = "MFJ";
         v.Business.Claim.YrAWages = 10'000;
         v.Business.Claim.YrAWages1 = 50'000;
         v.Business.Claim.YrBWages1 = -6'000;
         v.Business.Claim.YrREIT1 = 5'000;
       },
       120'000, 11'800, 0},
      // Taxable 700,000 - 32,200, above 553,500: the spouse's A 20,000 (upper
      // limit, 50% of 50,000 wages is more), the party's A 0 (no wages).
      {"the service-trade box of the party's column does not decide for the spouse",
       [](CaseVars& v, ServiceTradeFlags& t) {
         v.Express.Claim.FilingStatus = "MFJ";
         v.Business.Claim.YrAWages1 = 100'000;
         v.Business.Claim.YrAW2Wages1 = 50'000;
         t.Value[0][0] = 1;
       },
       700'000, 20'000, 0},
      {"the service-trade box of the spouse's column decides for the spouse",
       [](CaseVars& v, ServiceTradeFlags& t) {
         v.Express.Claim.FilingStatus = "MFJ";
         v.Business.Claim.YrAWages1 = 100'000;
         v.Business.Claim.YrAW2Wages1 = 50'000;
         t.Value[1][0] = 1;
       },
       700'000, 0, 0},
      // D's W-2 limit counts the owner's own S-corporation wages: 50% of
      // (20,000 + 30,000) = 25,000 > 20% of 100,000, so D keeps 20,000.
      {"an S-corporation's own wages count in its wage limit",
       [](CaseVars& v, ServiceTradeFlags&) {
         v.Business.Claim.YrDPass = 100'000;
         v.Business.Claim.YrDWages = 20'000;
         v.Business.Claim.YrDW2Wages = 30'000;
       },
       400'000, 20'000, 0},
  };
  for (const DeductionCase& c : cases) {
    CaseVars v;
    v.Express.Claim.FilingStatus = "Single";
    ServiceTradeFlags trades;
    c.setup(v, trades);
    const tax::BusinessDeduction d = ComputeBusinessDeduction(v, Party::Claim, c.agi, trades);
    EXPECT_NEAR(d.YrBusDeduction, c.deduction, 0.01) << c.rule;
    EXPECT_EQ(d.YrBusLossCarryover, c.lossCarryover) << c.rule;
  }
}

TEST(ComputeBusinessDeduction, EachPartyReadsOnlyItsOwnVariables) {
  CaseVars v;
  v.Express.Claim.FilingStatus = "Single";
  v.Express.Payer.FilingStatus = "Single";
  v.Business.Claim.YrAWages = 10'000;
  v.Business.Payer.YrAWages = 30'000;
  v.Income.Payer.YrItemized = 90'000;
  EXPECT_EQ(ComputeBusinessDeduction(v, Party::Claim, 120'000, {}).YrBusDeduction, 2'000);
  // The other party's taxable income is 120,000 - 90,000: capped at 6,000.
  EXPECT_EQ(ComputeBusinessDeduction(v, Party::Payer, 120'000, {}).YrBusDeduction, 6'000);
}

TEST(MakeBusinessDeductionService, AsksForTheServiceTradeBoxesOfTheParty) {
  CaseVars v;
  v.Express.Payer.FilingStatus = "Single";
  v.Business.Payer.YrBWages = 100'000;
  v.Business.Payer.YrBW2Wages = 100'000;
  std::vector<Party> asked;
  const tax::BusinessDeductionFn service =
      business::MakeBusinessDeductionService(v, [&asked](Party p) {
        asked.push_back(p);
        ServiceTradeFlags t;
        t.Value[0][1] = 1;
        return t;
      });
  // Taxable income well above 276,750: the service trade gives 0.
  EXPECT_EQ(service(Party::Payer, 400'000).YrBusDeduction, 0);
  EXPECT_EQ(asked, std::vector<Party>{Party::Payer});
  // Without the boxes nothing is ticked: 20% of 100,000 (50% of the wages is more).
  EXPECT_EQ(business::MakeBusinessDeductionService(v)(Party::Payer, 400'000).YrBusDeduction, 20'000);
}

}  // namespace
