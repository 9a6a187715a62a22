#include <gtest/gtest.h>

#include <cmath>

#include "case/IncomeVars.h"
#include "income/IncomePeriod.h"
#include "income/IncomeTotals.h"

using income::IncomePeriod;
using income::PeriodFactor;

namespace {

using P = IncomePeriod;

TEST(PeriodFactor, TheFractionOfTheTwoPeriods) {
  // A year of 365 days, 12 months, 7-day weeks, 14-day SemiWeekly periods and
  // 40 working hours a week.
  const struct {
    P from, to;
    double factor;
  } cases[] = {
      {P::Yearly, P::Monthly, 1.0 / 12},        {P::Yearly, P::SemiWeekly, 14.0 / 365},
      {P::Yearly, P::Weekly, 7.0 / 365},        {P::Yearly, P::Hourly, 7.0 / 14600},
      {P::Monthly, P::Yearly, 12},              {P::Monthly, P::SemiWeekly, 168.0 / 365},
      {P::Monthly, P::Weekly, 84.0 / 365},      {P::Monthly, P::Hourly, 84.0 / 14600},
      {P::SemiWeekly, P::Yearly, 365.0 / 14},   {P::SemiWeekly, P::Monthly, 365.0 / 168},
      {P::SemiWeekly, P::Weekly, 0.5},          {P::SemiWeekly, P::Hourly, 0.0125},
      {P::Weekly, P::Yearly, 365.0 / 7},        {P::Weekly, P::Monthly, 365.0 / 84},
      {P::Weekly, P::SemiWeekly, 2},            {P::Weekly, P::Hourly, 0.025},
      {P::Hourly, P::Yearly, 365.0 / 7 * 40},   {P::Hourly, P::Monthly, 365.0 / 84 * 40},
      {P::Hourly, P::SemiWeekly, 80},           {P::Hourly, P::Weekly, 40},
      {P::Hourly, P::Hourly, 1},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(PeriodFactor(c.from, c.to), c.factor)
        << income::PeriodName(c.from).toStdString() << " -> " << income::PeriodName(c.to).toStdString();
}

// Converts one amount along a chain of periods as the window's rescaling
// does, one product at a time.
double Along(double amount, std::initializer_list<P> chain) {
  casevars::PartyIncome in;
  in.YrEarned = amount;
  P at = *chain.begin();
  for (P next : chain) {
    income::Rescale(in, PeriodFactor(at, next));
    at = next;
  }
  return in.YrEarned;
}

TEST(Rescale, RoundTripsGiveBackTheFigureTyped) {
  EXPECT_EQ(Along(1000, {P::Monthly, P::Yearly}), 12000);
  EXPECT_EQ(Along(1000, {P::Monthly, P::Yearly, P::Monthly}), 1000);
  EXPECT_NEAR(Along(1000, {P::Monthly, P::SemiWeekly}), 460.2739726, 1e-7);
  EXPECT_DOUBLE_EQ(Along(1000, {P::Monthly, P::SemiWeekly, P::Monthly}), 1000);
  EXPECT_DOUBLE_EQ(Along(1234567.89, {P::Yearly, P::Hourly, P::Weekly, P::Yearly}), 1234567.89);
  // Hourly 15 one period after another.
  EXPECT_EQ(Along(15, {P::Hourly, P::Weekly}), 600);
  EXPECT_EQ(Along(15, {P::Hourly, P::Weekly, P::SemiWeekly}), 1200);
  EXPECT_NEAR(Along(15, {P::Hourly, P::Monthly}), 2607.1428571, 1e-7);
  EXPECT_NEAR(Along(15, {P::Hourly, P::Yearly}), 31285.7142857, 1e-7);
  // Yearly 52,000 to each period.
  EXPECT_NEAR(Along(52000, {P::Yearly, P::Monthly}), 4333.3333333, 1e-7);
  EXPECT_NEAR(Along(52000, {P::Yearly, P::Weekly}), 997.2602740, 1e-7);
  EXPECT_NEAR(Along(52000, {P::Yearly, P::SemiWeekly}), 1994.5205479, 1e-7);
  EXPECT_NEAR(Along(52000, {P::Yearly, P::Hourly}), 24.9315068, 1e-7);
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
  for (double v : {in.YrTips1, in.YrTotal1, in.YrPriorMaintPaid3, in.YrAGIBase}) EXPECT_EQ(v, 1200);
  for (double v : {in.YrIRADeduct, in.YrItemized, in.YrAllowableDeductions, in.YrGrossIncome})
    EXPECT_EQ(v, 100);
}

TEST(Rescale, AChangeThatWouldPassTheAmountLimitIsRefusedBeforehand) {
  const double hourlyToYearly = PeriodFactor(P::Hourly, P::Yearly);  // 2085.714...
  casevars::PartyIncome in;
  in.YrDues = 999999999999.0;  // the largest amount a box takes, hourly
  EXPECT_FALSE(income::CanRescale(in, hourlyToYearly));
  EXPECT_TRUE(income::CanRescale(in, PeriodFactor(P::Yearly, P::Hourly)));
  in.YrDues = 0;
  in.YrEarned1 = -5e8;  // -1,042,857,142,857 a year: beyond the limit in the other sign
  EXPECT_FALSE(income::CanRescale(in, hourlyToYearly));
  in.YrEarned1 = 4e8;  // 834,285,714,286 a year
  EXPECT_TRUE(income::CanRescale(in, hourlyToYearly));
  // Amounts computed from the boxes may pass the limit, not the range of numbers.
  in.YrTotal = 3e12;
  in.YrSelf = 2e12;  // the business income the business window hands on
  EXPECT_TRUE(income::CanRescale(in, 12));
  in.YrAGIBase = 1e306;
  EXPECT_FALSE(income::CanRescale(in, hourlyToYearly));
}

TEST(GrossIncomeOf, MonthlyAndYearlyFromTheColumnTotal) {
  // A total of 2,000 every two weeks, 1,000 weekly and 25 hourly are the same
  // income: $ 4,345 a month and 1,000 x 365 / 7 a year.
  for (auto [total, period] : {std::pair{2000.0, P::SemiWeekly}, {1000.0, P::Weekly}, {25.0, P::Hourly}}) {
    const income::GrossIncome g = income::GrossIncomeOf(total, period);
    EXPECT_NEAR(g.monthly, 4345.238, 0.001);
    EXPECT_DOUBLE_EQ(g.yearly, 1000.0 * 365 / 7);
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
