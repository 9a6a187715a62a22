#include <gtest/gtest.h>

#include "platform/Financial.h"

using platform::PaymentTiming;

namespace {

constexpr auto kEnd = PaymentTiming::EndOfPeriod;
constexpr auto kBegin = PaymentTiming::BeginningOfPeriod;

// Values checked by hand from the time-value relation.
TEST(Financial, KnownAnswers) {
  // 100,000 borrowed at 0.5% a month for 360 months.
  EXPECT_NEAR(*platform::Payment(0.005, 360, -100000), 599.550525, 1e-6);
  // 10,000 due in 10 years at 5%: 10000 / 1.05^10.
  EXPECT_NEAR(*platform::PresentValue(0.05, 10, 0, -10000, kBegin), 6139.132535, 1e-6);
  // 100 deposited at the start of each of 120 months at 0.5%.
  EXPECT_NEAR(*platform::FutureValue(0.005, 120, -100, 0, kBegin), 16469.87435, 1e-4);
  // 100 withdrawn at the end of each of 120 months at 0.5%.
  EXPECT_NEAR(*platform::PresentValue(0.005, 120, -100), 9007.345333, 1e-5);
  // 10,000 grown 120 months at 0.5%.
  EXPECT_NEAR(*platform::FutureValue(0.005, 120, 0, -10000), 18193.96734, 1e-4);
}

TEST(Financial, ZeroRateIsPlainSums) {
  EXPECT_DOUBLE_EQ(*platform::Payment(0, 10, -1000), 100);
  EXPECT_DOUBLE_EQ(*platform::FutureValue(0, 10, -100, -50, kBegin), 1050);
  EXPECT_DOUBLE_EQ(*platform::PresentValue(0, 10, -100, 0), 1000);
  EXPECT_DOUBLE_EQ(*platform::InterestPart(0, 3, 10, -1000), 0);
}

// Each function inverts the others: a payment found for a loan brings the
// future value back to the one asked for, and the rate found from it is the
// rate it was made with.
TEST(Financial, FunctionsAgreeWithEachOther) {
  const struct { double r, n, pv, fv; PaymentTiming t; } cases[] = {
      {0.005, 360, -100000, 0, kEnd},  {0.01, 24, -5000, 1000, kBegin},
      {0.08, 5, 2000, -500, kEnd},     {-0.02, 12, -1000, 0, kEnd},
  };
  for (const auto& c : cases) {
    const double pmt = *platform::Payment(c.r, c.n, c.pv, c.fv, c.t);
    EXPECT_NEAR(*platform::FutureValue(c.r, c.n, pmt, c.pv, c.t), c.fv, 1e-6) << c.r;
    EXPECT_NEAR(*platform::PresentValue(c.r, c.n, pmt, c.fv, c.t), c.pv, 1e-6) << c.r;
    EXPECT_NEAR(*platform::Rate(c.n, pmt, c.pv, c.fv, c.t, 0.005), c.r, 1e-9) << c.r;
  }
}

// The interest parts of a loan's payments add up to what is paid beyond the amount borrowed.
TEST(Financial, InterestPartsSumToTheInterestPaid) {
  const double pmt = *platform::Payment(0.005, 360, -100000);
  EXPECT_NEAR(*platform::InterestPart(0.005, 1, 360, -100000), 500, 1e-9);
  double interest = 0;
  for (int j = 1; j <= 360; ++j) interest += *platform::InterestPart(0.005, j, 360, -100000);
  EXPECT_NEAR(interest, pmt * 360 - 100000, 1e-6);
  // Paid at the start of each period, the first payment carries no interest.
  EXPECT_EQ(*platform::InterestPart(0.01, 1, 12, -1000, 0, kBegin), 0);
  double interestBegin = 0;
  const double pmtBegin = *platform::Payment(0.01, 12, -1000, 0, kBegin);
  for (int j = 1; j <= 12; ++j) interestBegin += *platform::InterestPart(0.01, j, 12, -1000, 0, kBegin);
  EXPECT_NEAR(interestBegin, pmtBegin * 12 - 1000, 1e-9);
}

TEST(Financial, FailuresGiveNoValue) {
  EXPECT_FALSE(platform::Payment(0.01, 0, -1000));                  // no periods
  EXPECT_FALSE(platform::Payment(-1, 10, -1000));                   // rate of -100%
  EXPECT_FALSE(platform::FutureValue(0.5, 1e6, -1, 0));             // overflow
  EXPECT_FALSE(platform::InterestPart(0.01, 0, 12, -1000));         // no payment 0
  EXPECT_FALSE(platform::InterestPart(0.01, 13, 12, -1000));        // beyond the last
  // Receiving money and being paid besides: no rate balances it.
  EXPECT_FALSE(platform::Rate(10, 100, 1000, 0, kEnd, 0.005));
}

// Paying back less than was borrowed implies a negative rate, which is found.
TEST(Financial, RateOfAShortfallIsNegative) {
  const auto r = platform::Rate(360, 200, -100000, 0, kEnd, 0.005);
  ASSERT_TRUE(r);
  EXPECT_LT(*r, 0);
  EXPECT_NEAR(*platform::Payment(*r, 360, -100000), 200, 1e-6);
}

}  // namespace
