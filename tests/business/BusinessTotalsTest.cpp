#include <gtest/gtest.h>

#include <cstring>

#include "business/BusinessBoxes.h"
#include "business/BusinessPeriod.h"
#include "business/BusinessTotals.h"
#include "case/CaseVars.h"
#include "platform/NumberText.h"

namespace {

using business::BusinessPeriod;
using casevars::CaseVars;
using casevars::Party;
using casevars::PartyBusiness;
using casevars::PartyIncome;

// Each box amount a power of two in the party's column, three times as much
// in the new spouse's, so each total shows which boxes it took.
void FillPowersOfTwo(PartyBusiness& b) {
  const struct {
    double PartyBusiness::*own;
    double PartyBusiness::*spouse;
    double value;
  } boxes[] = {
      {&PartyBusiness::YrAWages, &PartyBusiness::YrAWages1, 1},
      {&PartyBusiness::YrBWages, &PartyBusiness::YrBWages1, 2},
      {&PartyBusiness::YrCWages, &PartyBusiness::YrCWages1, 4},
      {&PartyBusiness::YrDWages, &PartyBusiness::YrDWages1, 8},
      {&PartyBusiness::YrANotQualified, &PartyBusiness::YrANotQualified1, 16},
      {&PartyBusiness::YrBNotQualified, &PartyBusiness::YrBNotQualified1, 32},
      {&PartyBusiness::YrATips, &PartyBusiness::YrATips1, 64},
      {&PartyBusiness::YrBTips, &PartyBusiness::YrBTips1, 128},
      {&PartyBusiness::YrCTips, &PartyBusiness::YrCTips1, 256},
      {&PartyBusiness::YrCPass, &PartyBusiness::YrCPass1, 512},
      {&PartyBusiness::YrDPass, &PartyBusiness::YrDPass1, 1024},
      {&PartyBusiness::YrREIT, &PartyBusiness::YrREIT1, 2048},
      // Wages paid to employees and assets serve only the deduction.
      {&PartyBusiness::YrAW2Wages, &PartyBusiness::YrAW2Wages1, 4096},
      {&PartyBusiness::YrDW2Wages, &PartyBusiness::YrDW2Wages1, 8192},
      {&PartyBusiness::YrACapital, &PartyBusiness::YrACapital1, 16384},
      {&PartyBusiness::YrDCapital, &PartyBusiness::YrDCapital1, 32768},
  };
  for (const auto& box : boxes) {
    b.*box.own = box.value;
    b.*box.spouse = 3 * box.value;
  }
}

TEST(ComputeBusinessTotals, TotalsOfBothColumnsAndTheBusinessIncome) {
  PartyBusiness b;
  PartyIncome income;
  FillPowersOfTwo(b);
  business::ComputeBusinessTotals(b, income);
  EXPECT_EQ(b.YrBusTotalWages, 511);  // A to D wages, A and B not qualified, the three tips
  EXPECT_EQ(b.YrSCorpWages, 268);     // C and D wages and the S-corporation tips
  EXPECT_EQ(b.YrBusTotalPass, 3584);  // C and D pass-through and REIT
  EXPECT_EQ(b.YrBusIncome, 4095);
  EXPECT_EQ(income.YrSelf, 4095);
  EXPECT_EQ(b.YrBusTotalWages1, 3 * 511);
  EXPECT_EQ(b.YrSCorpWages1, 3 * 268);
  EXPECT_EQ(b.YrBusTotalPass1, 3 * 3584);
  EXPECT_EQ(income.YrSelf1, 3 * 4095);
}

TEST(AssignNewVars, SplitsTheBusinessIncomeForTheTaxEstimate) {
  PartyBusiness b;
  PartyIncome income;
  FillPowersOfTwo(b);
  business::ComputeBusinessTotals(b, income);
  income.YrEarned = 1'000;
  income.YrST = 500;
  income.YrEarned1 = 2'000;
  business::AssignNewVars(b, income);
  // Self-employment income: A and B income, qualified and not, with their tips.
  EXPECT_EQ(b.YrSEIncome, 1 + 2 + 16 + 32 + 64 + 128);
  EXPECT_EQ(b.YrSTAndPassThru, 500 + 3584);
  EXPECT_EQ(b.YrWagesForTax, 1'000 + 268);
  EXPECT_EQ(b.YrSEIncome1, 3 * (1 + 2 + 16 + 32 + 64 + 128));
  EXPECT_EQ(b.YrSTAndPassThru1, 3 * 3584);
  EXPECT_EQ(b.YrWagesForTax1, 2'000 + 3 * 268);
}

TEST(AssignNewVars, BeforeAnyRefreshTheBusinessIncomeIsSelfEmployment) {
  PartyBusiness b;
  FillPowersOfTwo(b);  // totals not computed: they are 0
  PartyIncome income;
  income.YrSelf = 5'000;
  business::AssignNewVars(b, income);
  EXPECT_EQ(b.YrSEIncome, 5'000);
  EXPECT_EQ(b.YrSTAndPassThru, 0);
}

TEST(PeriodFactor, FromEachPeriodToEachOther) {
  using P = BusinessPeriod;
  const struct {
    P from, to;
    double factor;
  } cases[] = {
      {P::Yearly, P::Yearly, 1.0},       {P::Yearly, P::Monthly, double(1.0 / 12)},
      {P::Yearly, P::SemiWeekly, double(14.0 / 365)}, {P::Yearly, P::Weekly, double(7.0 / 365)},
      {P::Monthly, P::Yearly, 12.0},     {P::Monthly, P::Monthly, 1.0},
      {P::Monthly, P::SemiWeekly, double(168.0 / 365)}, {P::Monthly, P::Weekly, double(84.0 / 365)},
      {P::SemiWeekly, P::Yearly, double(365.0 / 14)}, {P::SemiWeekly, P::Monthly, double(365.0 / 168)},
      {P::SemiWeekly, P::SemiWeekly, 1.0}, {P::SemiWeekly, P::Weekly, 0.5},
      {P::Weekly, P::Yearly, double(365.0 / 7)}, {P::Weekly, P::Monthly, double(365.0 / 84)},
      {P::Weekly, P::SemiWeekly, 2.0},   {P::Weekly, P::Weekly, 1.0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(business::PeriodFactor(c.from, c.to), c.factor) << int(c.from) << " to " << int(c.to);
}

TEST(ScaleBusinessAmounts, ConvertsTheBoxesAndBoxTotalsOnly) {
  CaseVars v;
  PartyBusiness& b = v.Business.Claim;
  FillPowersOfTwo(b);
  business::ComputeBusinessTotals(b, v.Income.Claim);
  business::ScaleBusinessAmounts(b, 12);
  EXPECT_EQ(b.YrAWages, 12);
  EXPECT_EQ(b.YrCTips1, 3 * 256 * 12);
  EXPECT_EQ(b.YrDCapital1, 3 * 32768 * 12);
  EXPECT_EQ(b.YrBusTotalWages, 511 * 12);
  EXPECT_EQ(b.YrBusTotalPass1, 3 * 3584 * 12);
  // These keep the former period until the totals are computed again.
  EXPECT_EQ(b.YrSCorpWages, 268);
  EXPECT_EQ(b.YrBusIncome, 4095);
  EXPECT_EQ(v.Income.Claim.YrSelf, 4095);
}

TEST(ScaleBusinessAmounts, AYearlyAmountRoundTripsThroughThePeriods) {
  using P = BusinessPeriod;
  PartyBusiness b;
  b.YrAWages = 12'000;
  const struct {
    P to;
    const char* shown;
  } steps[] = {{P::SemiWeekly, "$ 460.27"}, {P::Weekly, "$ 230.14"}, {P::Monthly, "$ 1,000.00"},
               {P::Yearly, "$ 12,000.00"}};
  P from = P::Yearly;
  for (const auto& step : steps) {
    business::ScaleBusinessAmounts(b, business::PeriodFactor(from, step.to));
    EXPECT_EQ(platform::Format(b.YrAWages, business::kAmountPattern), step.shown);
    from = step.to;
  }
  b.YrAWages = 1'000;
  business::ScaleBusinessAmounts(b, business::PeriodFactor(P::Monthly, P::Yearly));
  EXPECT_EQ(b.YrAWages, 12'000);  // exactly
}

TEST(CanScaleBusinessAmounts, EveryBoxOfBothColumnsStaysWithinTheAmountLimit) {
  using P = BusinessPeriod;
  PartyBusiness b;
  b.YrCTips1 = 999'999'999'999.0;  // weekly, the new spouse's tips
  EXPECT_FALSE(business::CanScaleBusinessAmounts(b, business::PeriodFactor(P::Weekly, P::Yearly)));
  EXPECT_TRUE(business::CanScaleBusinessAmounts(b, business::PeriodFactor(P::Yearly, P::Weekly)));
  b.YrCTips1 = 0;
  b.YrREIT = -2e10f;  // a loss counts by its size: -240,000,000,000 a year
  EXPECT_TRUE(business::CanScaleBusinessAmounts(b, business::PeriodFactor(P::Monthly, P::Yearly)));
  b.YrREIT = -9e10f;  // -1,080,000,000,000 a year
  EXPECT_FALSE(business::CanScaleBusinessAmounts(b, business::PeriodFactor(P::Monthly, P::Yearly)));
  // Totals are sums of boxes and may pass it.
  b.YrREIT = 0;
  b.YrBusTotalWages = 5e12f;
  EXPECT_TRUE(business::CanScaleBusinessAmounts(b, 12));
}

TEST(ReadAmount, TheBoxesNumberReading) {
  const struct {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"$1,500", 1'500.0},     {"1 500%", 1'500.0},      {"-250", -250.0},
      {"$ 2,000.00", 2'000.0}, {"5$ 2,000.00", 52'000.0}, {"1e3", 1'000.0},
      {"12abc", std::nullopt},  {"", std::nullopt},        {"\"5", std::nullopt},
      {"$", std::nullopt},      {"1e39", std::nullopt},    // beyond single precision
      {"999,999,999,999", 999'999'999'999.0}, {"1e12", std::nullopt},  // the amount limit
  };
  for (const auto& c : cases) EXPECT_EQ(business::ReadAmount(c.text), c.value) << c.text;
}

TEST(ClearBusinessVars, EveryBusinessVariableOfThePartyBecomesZero) {
  CaseVars v;
  for (Party p : casevars::kParties) {
    FillPowersOfTwo(v.Business[p]);
    business::ComputeBusinessTotals(v.Business[p], v.Income[p]);
    v.Income[p].YrEarned = 70'000;
    business::AssignNewVars(v.Business[p], v.Income[p]);
    v.Business[p].YrBusDeduction = 800;
    v.Business[p].YrBusLossCarryover = -300;
  }
  business::ClearBusinessVars(v, Party::Payer);

  const PartyBusiness zero;
  EXPECT_EQ(std::memcmp(&v.Business.Payer, &zero, sizeof zero), 0);
  EXPECT_EQ(v.Income.Payer.YrSelf, 0);
  EXPECT_EQ(v.Income.Payer.YrSelf1, 0);
  EXPECT_EQ(v.Income.Payer.YrEarned, 70'000);  // the income window's own entry stays
  EXPECT_EQ(v.Business.Claim.YrBusIncome, 4095);
  EXPECT_EQ(v.Income.Claim.YrSelf, 4095);
}

}  // namespace
