#include <gtest/gtest.h>

#include <cmath>

#include "case/IncomeVars.h"
#include "income/IncomePeriod.h"
#include "income/IncomeTotals.h"

using income::IncomePeriod;
using income::PeriodFactor;

namespace {

using P = IncomePeriod;

TEST(PeriodFactor, NearestFloatToTheExactFraction) {
  const struct {
    P from, to;
    float factor;
  } cases[] = {
      {P::Yearly, P::Monthly, 0.083333336f},     {P::Yearly, P::SemiWeekly, 0.038356163f},
      {P::Yearly, P::Weekly, 0.019178081f},      {P::Yearly, P::Hourly, 0.00047945205f},
      {P::Monthly, P::Yearly, 12},               {P::Monthly, P::SemiWeekly, 0.46027398f},
      {P::Monthly, P::Weekly, 0.23013699f},      {P::Monthly, P::Hourly, 0.0057534245f},
      {P::SemiWeekly, P::Yearly, 26.071428f},    {P::SemiWeekly, P::Monthly, 2.1726191f},
      {P::SemiWeekly, P::Weekly, 0.5f},          {P::SemiWeekly, P::Hourly, 0.0125f},
      {P::Weekly, P::Yearly, 52.142857f},        {P::Weekly, P::Monthly, 4.3452382f},
      {P::Weekly, P::SemiWeekly, 2},             {P::Weekly, P::Hourly, 0.025f},
      {P::Hourly, P::Yearly, 2085.7144f},        {P::Hourly, P::Monthly, 173.80952f},
      {P::Hourly, P::SemiWeekly, 80},            {P::Hourly, P::Weekly, 40},
      {P::Hourly, P::Hourly, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PeriodFactor(c.from, c.to), c.factor)
        << income::PeriodName(c.from).toStdString() << " -> " << income::PeriodName(c.to).toStdString();
}

// Converts one amount along a chain of periods as the window's rescaling
// does, one single-precision product at a time.
float Along(float amount, std::initializer_list<P> chain) {
  casevars::PartyIncome in;
  in.YrEarned = amount;
  P at = *chain.begin();
  for (P next : chain) {
    income::Rescale(in, PeriodFactor(at, next));
    at = next;
  }
  return in.YrEarned;
}

TEST(Rescale, RoundTripsKeepTheSinglePrecisionFigures) {
  EXPECT_EQ(Along(1000, {P::Monthly, P::Yearly}), 12000.0f);
  EXPECT_EQ(Along(1000, {P::Monthly, P::Yearly, P::Monthly}), 1000.0f);
  EXPECT_EQ(Along(1000, {P::Monthly, P::SemiWeekly}), 460.27399f);
  // 1,000.0001 to eight digits: the float just above 1,000.
  EXPECT_EQ(Along(1000, {P::Monthly, P::SemiWeekly, P::Monthly}), std::nextafter(1000.0f, 2000.0f));
  // Hourly 15 one period after another.
  EXPECT_EQ(Along(15, {P::Hourly, P::Weekly}), 600.0f);
  EXPECT_EQ(Along(15, {P::Hourly, P::Weekly, P::SemiWeekly}), 1200.0f);
  EXPECT_EQ(Along(15, {P::Hourly, P::Monthly}), 2607.1428f);
  EXPECT_EQ(Along(15, {P::Hourly, P::Yearly}), 31285.715f);
  // Yearly 52,000 to each period.
  EXPECT_EQ(Along(52000, {P::Yearly, P::Monthly}), 4333.3335f);
  EXPECT_EQ(Along(52000, {P::Yearly, P::Weekly}), 997.26025f);
  EXPECT_EQ(Along(52000, {P::Yearly, P::SemiWeekly}), 1994.5205f);
  EXPECT_EQ(Along(52000, {P::Yearly, P::Hourly}), 24.931507f);
}

TEST(Rescale, CoversThePeriodAmountsAndTheAgiBaseOnly) {
  casevars::PartyIncome in;
  in.YrTips1 = 100;   // new spouse's column: converted whether or not shown
  in.YrTotal1 = 100;
  in.YrPriorMaintPaid3 = 100;
  in.YrAGIBase = 100;
  in.YrIRADeduct = 100;  // yearly at all times
  in.YrItemized = 100;
  in.YrAllowableDeductions = 100;
  in.YrGrossIncome = 100;
  income::Rescale(in, 12);
  for (float v : {in.YrTips1, in.YrTotal1, in.YrPriorMaintPaid3, in.YrAGIBase}) EXPECT_EQ(v, 1200);
  for (float v : {in.YrIRADeduct, in.YrItemized, in.YrAllowableDeductions, in.YrGrossIncome})
    EXPECT_EQ(v, 100);
}

TEST(Rescale, AChangeThatWouldPassTheAmountLimitIsRefusedBeforehand) {
  const float hourlyToYearly = PeriodFactor(P::Hourly, P::Yearly);  // 2085.7144
  casevars::PartyIncome in;
  in.YrDues = 999999999999.0f;  // the largest amount a box takes, hourly
  EXPECT_FALSE(income::CanRescale(in, hourlyToYearly));
  EXPECT_TRUE(income::CanRescale(in, PeriodFactor(P::Yearly, P::Hourly)));
  in.YrDues = 0;
  in.YrEarned1 = -5e8f;  // -1,042,857,142,857 a year: beyond the limit in the other sign
  EXPECT_FALSE(income::CanRescale(in, hourlyToYearly));
  in.YrEarned1 = 4e8f;  // 834,285,760,000 a year
  EXPECT_TRUE(income::CanRescale(in, hourlyToYearly));
  // Amounts computed from the boxes may pass the limit, not single precision.
  in.YrTotal = 3e12f;
  in.YrSelf = 2e12f;  // the business income the business window hands on
  EXPECT_TRUE(income::CanRescale(in, 12));
  in.YrAGIBase = 2e35f;
  EXPECT_FALSE(income::CanRescale(in, hourlyToYearly));
}

TEST(GrossIncomeOf, MonthlyAndYearlyFromTheColumnTotal) {
  // A total of 2,000 every two weeks, 1,000 weekly and 25 hourly are the same
  // income: $ 4,345 a month and 1,000 x 365 / 7 a year.
  for (auto [total, period] : {std::pair{2000.0f, P::SemiWeekly}, {1000.0f, P::Weekly}, {25.0f, P::Hourly}}) {
    const income::GrossIncome g = income::GrossIncomeOf(total, period);
    EXPECT_NEAR(g.monthly, 4345.238, 0.001);
    EXPECT_EQ(static_cast<float>(g.yearly), static_cast<float>(1000.0 * 365 / 7));
  }
  EXPECT_EQ(income::GrossIncomeOf(60000, P::Yearly).monthly, 5000);
  EXPECT_EQ(income::GrossIncomeOf(1300, P::Monthly).yearly, 15600);
}

TEST(ColumnTotal, PartyColumnCountsChildrensBenefitsSpouseColumnHasNone) {
  casevars::PartyIncome in;
  in.YrEarned = 1000;
  in.YrSSChild = 300;
  in.YrTips = 50;
  in.YrOT = 25;
  in.YrSelf = -500;  // a loss lowers the total
  in.YrEarned1 = 700;
  in.YrOT1 = 10;
  in.YrIRADeduct = 999;  // other tabs take no part
  EXPECT_EQ(income::ColumnTotal(in, income::Column::Party), 875);
  EXPECT_EQ(income::ColumnTotal(in, income::Column::Spouse), 710);
}

}  // namespace
