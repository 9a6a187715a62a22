#include <gtest/gtest.h>

#include "alimony/PresentValue.h"

namespace {

using alimony::ComputePresentValue;
using alimony::PresentValueBox;
using alimony::PresentValueEntries;
using casevars::CaseVars;

CaseVars WithAward(double yearly) {
  CaseVars v;
  v.Alimony.YrAlimonyAward = yearly;
  return v;
}

TEST(PresentValue, WorkedExampleKeepsTheEntriesWithTheValue) {
  // P = 0.8 x 24,000 / 12 = 1,600; r = 0.005; N = 24:
  // 1,600 x (1 - 0.995^24) / 0.005 = 36,270.88.
  CaseVars v = WithAward(24000);
  const auto out = ComputePresentValue(v, {"2", "0.2", "0.06"});
  ASSERT_FALSE(out.Error);
  EXPECT_EQ(out.Picture8, "  $36,271");
  ASSERT_TRUE(v.Alimony.PresentValueOfAward);
  EXPECT_NEAR(v.Alimony.PresentValueOfAward->Value, 36270.88, 0.01);
  EXPECT_EQ(v.Alimony.PresentValueOfAward->DurationYears, 2);
  EXPECT_FLOAT_EQ(v.Alimony.PresentValueOfAward->TaxRate, 0.2);
  EXPECT_EQ(v.Alimony.PresentValueOfAward->DiscountText, "0.06");
}

TEST(PresentValue, WholeMonthsNoDiscountAndNoAward) {
  const struct {
    double award;
    const char *duration, *tax, *discount, *shown;
  } rows[] = {
      {24000, "0.05", "0", "0.06", "  $0"},          // under one month: no payment
      {12000, "1", "0", "0", "  $12,000"},           // no discount: P x N
      {12000, "4.55", "0", "0", "  $54,000"},        // 54 whole months
      {0, "3", "0.1", "0.05", "  $0"},               // no award
      // Rates just below 1 are taken: P = 1, r = 0.08325, (1 - 0.91675^12) / r = 7.78.
      {12000, "1", "0.999", "0.999", "  $8"},
      // The longest duration: P = 1,000, r = 0.05 / 12, 1,200 months:
      // 1,000 x (1 - (1 - r)^1200) / r = 238,400.
      {12000, "100", "0", "0.05", "  $238,400"},
  };
  for (const auto& r : rows) {
    CaseVars v = WithAward(r.award);
    const auto out = ComputePresentValue(v, {r.duration, r.tax, r.discount});
    ASSERT_FALSE(out.Error) << r.duration;
    EXPECT_EQ(out.Picture8, r.shown) << r.duration << " " << r.discount;
  }
}

TEST(PresentValue, RejectedEntriesInOrderChangeNothing) {
  const QString duration = "Please ReEnter The Duration In Years For A Present Value Calculation";
  const QString tax = "Please ReEnter The Tax Rate For A Present Value Calculation(As A Decimal)";
  const QString discount = "Please ReEnter The Discount Rate For A Present Value Calculation(As A Decimal)";
  const struct {
    PresentValueEntries entries;
    PresentValueBox box;
    QString message;
  } rows[] = {
      {{"", "", ""}, PresentValueBox::Duration, duration},
      {{"-2", "0.2", "0.06"}, PresentValueBox::Duration, duration},
      {{"2 years", "0.2", "0.06"}, PresentValueBox::Duration, duration},
      {{"0", "0.2", "0.06"}, PresentValueBox::Duration, duration},
      {{"x", "1", "0.06"}, PresentValueBox::Duration, duration},  // only the first failure
      {{"2", "1", "0.06"}, PresentValueBox::TaxRate, tax},
      {{"2", "-0.1", "0.06"}, PresentValueBox::TaxRate, tax},
      {{"2", "0.2", "1"}, PresentValueBox::Discount, discount},
      {{"2", "0.2", "6%"}, PresentValueBox::Discount, discount},
  };
  for (const auto& r : rows) {
    CaseVars v = WithAward(24000);
    v.Alimony.PresentValueOfAward = casevars::PresentValueFigures{5, 1, 0, 0, "0"};
    const auto out = ComputePresentValue(v, r.entries);
    ASSERT_TRUE(out.Error) << r.entries.Duration.toStdString();
    EXPECT_EQ(out.Error->Box, r.box);
    EXPECT_EQ(out.Error->Message, r.message);
    EXPECT_EQ(v.Alimony.PresentValueOfAward->Value, 5);  // the earlier value and its entries stand
    EXPECT_EQ(v.Alimony.PresentValueOfAward->DurationYears, 1);
  }
}

TEST(PresentValue, DurationHasAnUpperBound) {
  CaseVars v = WithAward(24000);
  const auto out = ComputePresentValue(v, {"100.5", "0", "0.05"});
  ASSERT_TRUE(out.Error);
  EXPECT_EQ(out.Error->Box, PresentValueBox::Duration);
  EXPECT_TRUE(out.Error->Message.startsWith("Please ReEnter The Duration In Years"));
  EXPECT_FALSE(v.Alimony.PresentValueOfAward);
  EXPECT_TRUE(ComputePresentValue(v, {"1e30", "0", "0"}).Error);
}

}  // namespace
