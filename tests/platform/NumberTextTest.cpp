#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/NumberText.h"

using namespace platform;

namespace {
double single(float f) { return static_cast<double>(f); }
}  // namespace

// Every pattern the program formats with, with the cases that show its rules.
TEST(Format, EveryPatternOfTheProgram) {
  const struct {
    double value;
    const char* pattern;
    const char* expected;
  } cases[] = {
      // Whole dollars. A negative amount puts "-" before the "$".
      {1234.4, "$###,##0", "$1,234"},
      {1234.6, "$###,##0", "$1,235"},
      {-250, "$###,##0", "-$250"},
      {0, "$###,##0", "$0"},
      {0.5, "$###,##0", "$1"},     // halves away from zero
      {-0.5, "$###,##0", "-$1"},
      {-0.4, "$###,##0", "$0"},    // shows zero: no sign
      {1234567, "$###,##0", "$1,234,567"},  // more digits than places
      {52000, "$##,###,##0", "$52,000"},
      {-1234, "$##,###,##0", "-$1,234"},
      {1234.6, "$###,###,##0", "$1,235"},
      {1234567.5, "$###,###,###", "$1,234,568"},
      {0, "$###,###,###", "$"},
      {0, " $###,###,###", " $"},  // a blank and a dollar sign with no digits
      {1234, " $###,###,###", " $1,234"},
      {1234, " $###,##0", " $1,234"},
      {1250, "$ ###,##0", "$ 1,250"},
      {0, "$ ###,##0", "$ 0"},
      {0, "$###,###", "$"},
      {52000, "$###,###", "$52,000"},
      {4166.67, "$##,###", "$4,167"},
      {2833.33, "$####0", "$2833"},  // no thousands separator
      {-700, "$####0", "-$700"},
      {0, "$####0", "$0"},
      {1234567, "$######0", "$1234567"},
      {2000, "$##0", "$2000"},
      // Literal signs are text only.
      {1234, "-$##,###,##0", "-$1,234"},
      {0, "-$##,###,##0", "-$0"},
      {1234, "+$##,###,##0", "+$1,234"},
      {0, "+$##,###,##0", "+$0"},
      {300, "-$###,##0", "-$300"},
      // Dollars and cents. "#" places print no leading zero.
      {0, "$ ###,###.#0", "$ .00"},
      {0.5, "$ ###,###.#0", "$ .50"},
      {-0.5, "$ ###,###.#0", "-$ .50"},
      {1234.5, "$ ###,###.#0", "$ 1,234.50"},
      {single(2.675f), "$ ###,###.#0", "$ 2.68"},  // the float is 2.67499995...: shown as typed
      {2.675, "$ ###,###.#0", "$ 2.68"},           // the double is 2.67499999...: likewise
      {single(123456.78f), "$ ###,###.#0", "$ 123,456.78"},  // 123456.78125 as a float
      // an hourly 15 taken to yearly: the float holds 31285.71484..., seven digits 31285.71
      {single(31285.715f), "$ ###,###.#0", "$ 31,285.71"},
      {single(1000.0001f), "$ ###,###.#0", "$ 1,000.00"},
      {-0.004, "$ ###,###.#0", "$ .00"},
      {12000, "$###,##0.00", "$12,000.00"},
      {0, "$###,##0.00", "$0.00"},
      {12345.6, "$###,###.##", "$12,345.6"},
      {12345, "$###,###.##", "$12,345."},  // the point stands with no decimals after it
      {12345.678, "$###,###.##", "$12,345.68"},
      // Plain numbers with decimals.
      {599.5505, "##,###.#0", "599.55"},
      {1234567.891, "##,###.#0", "1,234,567.89"},
      {0.75, "##,###.#0", ".75"},
      {0, "##,##0.#0", "0.00"},
      {85000.4, "##,##0.#0", "85,000.40"},
      {1234.5, "###,###,##0.#0", "1,234.50"},
      {6.0000000001, "##,###.##0", "6.000"},
      {16.5, "##.#0", "16.50"},
      {0.75, "##.#0", ".75"},
      {20, "###.#0", "20.00"},
      {62.5, "##0.00", "62.50"},
      {0, "##0.00", "0.00"},
      {1.005, "##0.00", "1.01"},  // binary 1.00499999...; 15 digits read 1.005
      {25, " ####.00", " 25.00"},
      {0, " ####.00", " .00"},
      // Nights, shares and scores with one or three decimals.
      {0, "###.0", ".0"},
      {182.5, "###.0", "182.5"},
      {73, "###.0", "73.0"},
      {0.25, "###.0", ".3"},
      {single(182.55f), "###.0", "182.6"},  // 182.550003 as a float
      {0, "##0.0", "0.0"},
      {182.5, "##0.0", "182.5"},
      {7.25, "#0.0", "7.3"},
      {0.04, "#0.0", "0.0"},
      {7.2, "##.0", "7.2"},
      {9, "##.0", "9.0"},
      {0.548, ".##0", ".548"},
      {0.2745, ".##0", ".275"},  // binary 0.27449999...: a half at the third decimal
      {1, ".##0", "1.000"},
      {0, ".##0", ".000"},
      {0.548, "###.##0", ".548"},
      {0.5, "#.###", ".5"},  // trailing zeros at "#" places dropped
      {0.3333333, "#.###", ".333"},
      {1, "#.###", "1."},
      // Counts.
      {65, "###", "65"},
      {0, "###,###", ""},
      {98765.4, "###,###", "98,765"},
      {0, "##", ""},
      {3, "##", "3"},
      {0, "#", ""},
      {2, "#", "2"},
      {0, "#0", "0"},
      {3, "#0", "3"},
      {2, "##0", "2"},
      // Percentages: "%" shows the value times 100.
      {0.4567, "##.#0%", "45.67%"},
      {0.2, "##.#0%", "20.00%"},
      {0.005, "##.#0%", ".50%"},
      {0, "##.#0%", ".00%"},
      {2.0 / 3.0, "###.#0%", "66.67%"},
      {1, "###.#0%", "100.00%"},
      {single(0.4567f), "###.#0%", "45.67%"},
      {0.16133, " #0.00%", " 16.13%"},
      {0, " #0.00%", " 0.00%"},
      {-0.02, " #0.00%", "- 2.00%"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Format(c.value, c.pattern).toStdString(), c.expected)
        << c.value << " in \"" << c.pattern << '"';
}

TEST(Format, HalvesOfComputedDoublesGoUp) {
  // 0.145 * 100 is 14.499999999999998 in binary; shown digits round from 15
  // significant digits, so the half is seen as a half.
  EXPECT_EQ(Format(0.145 * 100, "$###,##0"), "$15");
  // A float half stays a half.
  EXPECT_EQ(Format(single(2.5f), "$###,##0"), "$3");
  EXPECT_EQ(Format(single(-2.5f), "$###,##0"), "-$3");
  // A whole amount above the float's seven digits keeps all its digits.
  EXPECT_EQ(Format(12345678.0, "$##,###,##0"), "$12,345,678");
  EXPECT_EQ(Format(1073741824.0, "$##,###,##0"), "$1,073,741,824");  // 2^30, also a float
  EXPECT_EQ(Format(single(8388607.5f), "$##,###,##0"), "$8,388,608");  // a half past seven digits
}

// The figure a pattern shows, as a number: what a total of printed figures adds.
TEST(RoundAsShown, TheNumberThePatternShows) {
  const struct {
    double value;
    int decimals;
    double shown;
  } cases[] = {
      {0.145 * 100, 0, 15},  // a computed half, seen as a half as Format sees it
      {single(2.5f), 0, 3},          {single(-2.5f), 0, -3},
      {-283.4, 0, -283},             {268.6, 0, 269},
      {-0.4, 0, 0},                  {0, 0, 0},
      {1.005, 2, 1.01},              {100.4, 0, 100},
      {999999999999.5, 0, 1e12},     {999999999999.49, 0, 999999999999},
      {12345678.5, 0, 12345679},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RoundAsShown(c.value, c.decimals), c.shown) << c.value;
    const QString pattern = c.decimals == 0 ? QStringLiteral("###0") : QStringLiteral("###0.00");
    EXPECT_EQ(AmountFromText(Format(c.value, pattern)), RoundAsShown(c.value, c.decimals)) << c.value;
  }
  EXPECT_FALSE(std::signbit(RoundAsShown(-0.4)));
}

TEST(Format, NotFiniteGivesEmptyText) {
  EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN(), "$###,##0"), "");
  EXPECT_EQ(Format(std::numeric_limits<double>::infinity(), u"$###,##0"), "");
}

TEST(IsNumeric, PlainSignedDecimalsWithBlanksAround) {
  for (const QString& t : {QString(".00"), QString("-20.00"), QString("+5"), QString(" 7 "),
                           QString("\t3"), QString("5."), QString("1e3"), QString("-1.5E-2"),
                           QString("0"), QString::fromUtf16(u"12\0\0", 4)})
    EXPECT_TRUE(IsNumeric(t)) << t.toStdString();
  for (const QString& t : {QString(""), QString(" "), QString("."), QString("-"), QString("abc"),
                           QString("12abc"), QString("1.2.3"), QString("1,000"), QString("1 2"),
                           QString("- 5"), QString("1e"), QString("$5"), QString("5%"),
                           QString("1e400"), QString::fromUtf16(u"\0\0", 2)})
    EXPECT_FALSE(IsNumeric(t)) << t.toStdString();
}

TEST(IsNumeric, ReadingStopsAtNul) {
  EXPECT_TRUE(IsNumeric(QString::fromUtf16(u"12\0abc", 6)));
  EXPECT_EQ(Val(QString::fromUtf16(u"7\0 9", 4)), 7);
}

TEST(Val, ReadsTheLeadingNumber) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"12abc", 12}, {"", 0},        {"abc", 0},         {"  -3.5x", -3.5}, {"1 2", 12},
      {"1,000", 1},  {"1.2.3", 1.2}, {"1e3", 1000},      {"2e", 2},         {".5", 0.5},
      {"- 5", -5},   {"+4", 4},      {"\n 8\t1", 81},    {"1e400", 0},      {"1e-400", 0},
      {".", 0},      {"-", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(Val(QString::fromLatin1(c.text)), c.value) << c.text;
  EXPECT_FALSE(std::signbit(Val(u"-0")));
}

TEST(ToCount, HalvesToEvenWithinSixteenBits) {
  const struct {
    double in;
    int out;
  } cases[] = {{2.5, 2},     {3.5, 4},           {-2.5, -2},        {-3.5, -4},    {2.4, 2},
               {2.6, 3},     {0.5, 0},           {32767.4, 32767},  {-32768.5, -32768}};
  for (const auto& c : cases) EXPECT_EQ(ToCount(c.in), std::optional<int16_t>(c.out)) << c.in;
  for (double bad : {32767.5, -32768.6, 1e10, -1e10, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()})
    EXPECT_EQ(ToCount(bad), std::nullopt) << bad;
}

TEST(AmountFromText, CleansThenCountsTextThatIsNotNumericAsZero) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"$ 1,250", 1250}, {"-$5", -5}, {"45%", 45}, {"$", 0},    {"$$", 0},     {"abc", 0},
      {"12, %", 12},     {"1,000,000", 1000000},   {".00", 0},  {"$ .50", 0.5}, {"", 0},
      {"12abc", 0},      {"$ 1,234.50", 1234.5},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AmountFromText(QString::fromLatin1(c.text)), c.value) << c.text;
  const QString typed = "$ 1,250";
  AmountFromText(typed);
  EXPECT_EQ(typed, "$ 1,250");  // the box keeps what was typed
}

TEST(ShortDate, FourDigitYearInTheLocalesOrder) {
  const QDate d(2026, 3, 5);
  EXPECT_EQ(ShortDate(d, QLocale(QLocale::English, QLocale::UnitedStates)), "3/5/2026");
  EXPECT_TRUE(ShortDate(d, QLocale(QLocale::German, QLocale::Germany)).endsWith("2026"));
}
