#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>

#include "platform/AmountLimit.h"

namespace {

using platform::AmountReading;

// The amount the words name, captured by `pattern` ("$999,999,999,999").
double NamedBound(const QString& words, const QString& pattern) {
  const QRegularExpressionMatch m = QRegularExpression(pattern).match(words);
  EXPECT_TRUE(m.hasMatch()) << words.toStdString();
  return m.captured(1).remove(QLatin1Char(',')).toDouble();
}

// Each bound of the limit with the reading the boxes give it, and the words
// of the messages agree with the rule: every amount they invite is taken,
// every amount they refuse is refused.
TEST(AmountLimit, TheRuleAndItsWordsAgreeOnEveryBound) {
  const double invited = NamedBound(platform::AmountTooLargeMessage(), QStringLiteral("\\$([\\d,]+) or less"));
  const double refusedAbove = NamedBound(platform::BeyondTheLimitText(), QStringLiteral("above \\$([\\d,]+)"));
  EXPECT_EQ(invited, platform::kLargestAmount);
  EXPECT_EQ(refusedAbove, platform::kLargestAmount);
  const struct {
    const char* text;
    double value;
    bool taken;
  } rows[] = {
      {"999,999,999,998.99", 999999999998.99, true},
      {"$ 999,999,999,999.00", 999999999999.00, true},
      {"999,999,999,999.01", 999999999999.01, false},
      {"999,999,999,999.99", 999999999999.99, false},
      {"1,000,000,000,000", 1e12, false},
      {"-999,999,999,999.00", -999999999999.00, true},
      {"-999,999,999,999.01", -999999999999.01, false},
  };
  for (const auto& row : rows) {
    const AmountReading r = platform::ReadAmount(QString::fromLatin1(row.text));
    EXPECT_EQ(r.isAmount(), row.taken) << row.text;
    EXPECT_EQ(platform::WithinAmountLimit(row.value), row.taken) << row.text;
    EXPECT_EQ(std::abs(row.value) <= invited, row.taken) << row.text;  // as the words say
    EXPECT_EQ(r.refused(), !row.taken) << row.text;
    EXPECT_EQ(platform::RefusalMessage(r), row.taken ? QString() : platform::AmountTooLargeMessage()) << row.text;
  }
}

// What a box refuses as the user leaves it, and what it holds as no entry.
TEST(AmountLimit, ARefusedEntryAndABlankBox) {
  const struct {
    const char* text;
    platform::AmountSign sign;
    bool refused;
    QString message;
  } rows[] = {
      {"", platform::AmountSign::NotNegative, false, {}},
      {"$", platform::AmountSign::NotNegative, false, {}},
      {" $ , ", platform::AmountSign::NotNegative, false, {}},
      {"42,17O", platform::AmountSign::MayBeNegative, true, platform::NotANumberMessage()},
      {"abc", platform::AmountSign::MayBeNegative, true, platform::NotANumberMessage()},
      {"-", platform::AmountSign::MayBeNegative, true, platform::NotANumberMessage()},
      {"-5", platform::AmountSign::NotNegative, true, platform::NegativeAmountMessage()},
      {"-5", platform::AmountSign::MayBeNegative, false, {}},
      {"$ .00", platform::AmountSign::NotNegative, false, {}},
  };
  for (const auto& row : rows) {
    const AmountReading r = platform::ReadAmount(QString::fromLatin1(row.text), row.sign);
    EXPECT_EQ(r.refused(), row.refused) << row.text;
    EXPECT_EQ(platform::RefusalMessage(r), row.message) << row.text;
  }
  EXPECT_EQ(platform::RefusalMessage(platform::ReadAmount(u"x"), QStringLiteral("Box")),
            "Box: " + platform::NotANumberMessage());
}

}  // namespace
