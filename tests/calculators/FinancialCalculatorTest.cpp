#include <gtest/gtest.h>

#include "calculators/FinancialCalculator.h"

using namespace calculators;

namespace {

FinAnswer Calc(std::int16_t mode, const char* t1, const char* t2, const char* t3, const char* t4 = "") {
  return ComputeFinancialAnswer(mode, {QString::fromLatin1(t1), QString::fromLatin1(t2), QString::fromLatin1(t3),
                                       QString::fromLatin1(t4)});
}

TEST(FinancialCalculator, ModesAnswer) {
  const struct { std::int16_t mode; const char* e[4]; const char* answer; } cases[] = {
      // 100,000 at 0.5% a month over 360 months: 599.5505...
      {1, {"100000", "360", "6", ""}, "599.55"},
      // The rate that payment implies: 6% a year, to three places.
      {2, {"100000", "360", "599.55", ""}, "6.000"},
      // 10000 / 1.05^10, and with 12 compounding periods a year at 5/1200.
      {4, {"10000", "10", "5", "1"}, "6,139.13"},
      {4, {"10000", "10", "5", "12"}, "6,071.61"},
      // 100 at the beginning of each month for 10 years at 6%.
      {5, {"100", "10", "12", "6"}, "16,469.87"},
      // 100 at the end of each month for 10 years at 6%.
      {6, {"100", "10", "12", "6"}, "9,007.35"},
      // 10000 for 10 years at 6% compounded monthly.
      {7, {"10000", "10", "6", "12"}, "18,193.97"},
  };
  for (const auto& c : cases) {
    const FinAnswer a = Calc(c.mode, c.e[0], c.e[1], c.e[2], c.e[3]);
    EXPECT_TRUE(a.Answered()) << c.mode << " " << a.message.toStdString();
    EXPECT_EQ(a.answer, QString::fromLatin1(c.answer)) << c.mode;
    EXPECT_TRUE(a.note.isEmpty()) << c.mode;
  }
  EXPECT_EQ(Calc(2, "100000", "360", "600").answer, QStringLiteral("6.007"));
}

TEST(FinancialCalculator, Mode3PaidOffLoanLeavesAboutNothing) {
  const FinAnswer a = Calc(3, "100000", "360", "599.55", "360");
  ASSERT_TRUE(a.Answered()) << a.message.toStdString();
  EXPECT_EQ(a.answer, QStringLiteral("0.00"));
  // 599.55 x 360 = 215,838; the principal portion is about the amount borrowed.
  EXPECT_TRUE(a.note.startsWith(QStringLiteral("Of a total of $215,838.00 paid so far: $115,838.")))
      << a.note.toStdString();
  EXPECT_TRUE(a.note.contains(QStringLiteral(" is interest portion,  $99,999.")) ||
              a.note.contains(QStringLiteral(" is interest portion,  $100,000.")))
      << a.note.toStdString();
  EXPECT_TRUE(a.note.endsWith(QStringLiteral(" is principal portion.")));
}

TEST(FinancialCalculator, Mode3AfterTwelvePayments) {
  // 100,000 over 360 payments of 599.55: interest of the first year 5,966.59...,
  // principal 1,228.01, balance 98,771.99.
  const FinAnswer a = Calc(3, "100000", "360", "599.55", "12");
  ASSERT_TRUE(a.Answered());
  EXPECT_EQ(a.answer, QStringLiteral("98,771.99"));
  EXPECT_EQ(a.note, QStringLiteral("Of a total of $7,194.60 paid so far: $5,966.59 is interest portion,  "
                                   "$1,228.01 is principal portion."));
}

// An answer past the largest amount the program shows is named so, in every
// mode that answers with an amount; so is one too large for any number.
// Answers within it are found even where (1 + r)^n alone would overflow.
TEST(FinancialCalculator, AnswersPastTheLargestAmount) {
  const QString tooLarge = FinAnswerTooLargeMessage();
  EXPECT_TRUE(tooLarge.contains(QStringLiteral("999,999,999,999"))) << tooLarge.toStdString();
  const struct { std::int16_t mode; const char* e[4]; const char* answer; } cases[] = {
      // 999,999,999,999 x 1.1^2 = 1,209,999,999,998.79.
      {7, {"999999999999", "2", "10", "1"}, nullptr},
      // 1.0000001^(1e12): beyond any number.
      {7, {"1000", "999999999999", "10", "1"}, nullptr},
      {5, {"999999999999", "10", "12", "6"}, nullptr},
      // One payment of the loan plus a month's interest at 12%.
      {1, {"999999999999", "1", "12", ""}, nullptr},
      // At 1e-7% a year the withdrawals are nearly undiscounted: 100 x 999,999,999,999.
      {6, {"999999999999", "100", "1", "0.0000001"}, nullptr},
      // Paid so far: two payments of 999,999,999,999.
      {3, {"999999999999", "2", "999999999999", "2"}, nullptr},
      // 1,000 over a million payments at 100% a year: the month's interest, 83.33.
      {1, {"1000", "1000000", "100", ""}, "83.33"},
      // 100 a month for a million years at 6%: 100 / 0.005.
      {6, {"100", "1000000", "12", "6"}, "20,000.00"},
      {4, {"1000", "1000000", "6", "12"}, ".00"},
  };
  for (const auto& c : cases) {
    const FinAnswer a = Calc(c.mode, c.e[0], c.e[1], c.e[2], c.e[3]);
    const std::string name = std::to_string(c.mode) + " " + c.e[0] + " " + c.e[1] + " " + c.e[2] + " " + c.e[3];
    EXPECT_EQ(a.message, c.answer ? QString() : tooLarge) << name;
    EXPECT_EQ(a.answer, QString::fromLatin1(c.answer)) << name;
    EXPECT_EQ(a.focusBox, -1) << name;
  }
}

TEST(FinancialCalculator, Messages) {
  const struct { std::int16_t mode; const char* e[4]; const char* message; int focus; } cases[] = {
      // The zero test comes first: an empty box or a point alone reads as 0.
      {1, {"", "360", "6", ""}, kFinZeroEntry, 0},
      {1, {"100000", ".", "6", ""}, kFinZeroEntry, 1},
      {4, {"10000", "10", "5", "0.00"}, kFinZeroEntry, 3},
      {1, {"100000", "360", "1.2.3", ""}, kFinInvalidEntry, 2},
      {5, {"100", " 10", "12", "6"}, kFinInvalidEntry, 1},
      // Mode 3: one payment more than the mortgage has.
      {3, {"100000", "360", "599.55", "361"}, kFinOptionPeriod, -1},
      // Mode 3 counts whole payments: a fraction in either count is refused.
      {3, {"100000", "360", "599.55", "2.5"}, kFinInvalidEntry, 3},
      {3, {"100000", "360.5", "599.55", "12"}, kFinInvalidEntry, 1},
      // Paying back less than borrowed implies a negative rate.
      {2, {"100000", "360", "200", ""}, kFinNoAnswer, -1},
      // Entries within the program's amount limit; an answer beyond it is none.
      {1, {"1000000000000", "360", "6", ""}, "This amount is too large. Please enter an amount of $999,999,999,999 or less.", 0},

      {3, {"100000", "360", "200", "12"}, kFinNoAnswer, -1},
  };
  for (const auto& c : cases) {
    const FinAnswer a = Calc(c.mode, c.e[0], c.e[1], c.e[2], c.e[3]);
    EXPECT_EQ(a.message, QString::fromLatin1(c.message)) << c.mode << " " << c.e[0] << " " << c.e[3];
    EXPECT_EQ(a.focusBox, c.focus) << c.mode;
    EXPECT_TRUE(a.answer.isEmpty());
  }
}

// Mode 2: over a million periods the relation overflows from every guess, so
// no rate is found and the guesses run out.
TEST(FinancialCalculator, RateGuessesRunOut) {
  EXPECT_EQ(Calc(2, "1000", "1000000", "5").message, QString::fromLatin1(kFinIllogicalRate));
}

TEST(FinancialCalculator, ModeZeroComputesNothingAndShowsAnEmptyAnswer) {
  const FinAnswer a = Calc(0, "", "", "");
  EXPECT_TRUE(a.Answered());
  EXPECT_TRUE(a.answer.isEmpty());
}

TEST(FinancialCalculator, ModeLayouts) {
  EXPECT_EQ(FinModeEntries(1).boxes, 3);
  EXPECT_STREQ(FinModeEntries(1).labels[3], "");
  EXPECT_STREQ(FinModeEntries(3).labels[1], "Total No. Of Pmts");
  EXPECT_STREQ(FinModeEntries(3).answerLabel, "The Balance To Be Paid Is ($): ");
  EXPECT_EQ(FinModeEntries(7).boxes, 4);
  EXPECT_TRUE(FinModeCaption(2).startsWith(QStringLiteral("MORTGAGE INTEREST: ")));
  EXPECT_TRUE(FinModeCaption(8).isEmpty());
}

}  // namespace
