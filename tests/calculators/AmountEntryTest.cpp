#include <gtest/gtest.h>

#include "calculators/AmountEntry.h"

using namespace calculators;

TEST(AmountEntry, KeyFilterPassesDigitsPointBlankAndBackspaceOnly) {
  const struct { std::int16_t key; bool passes; } cases[] = {
      {'7', true}, {'0', true}, {'9', true}, {'.', true}, {' ', true}, {8, true},
      {'-', false}, {'a', false}, {13, false}, {',', false}, {'$', false}, {'/', false}, {':', false},
  };
  for (const auto& c : cases) {
    std::int16_t key = c.key;
    FilterAmountKey(key);
    EXPECT_EQ(key, c.passes ? c.key : 0) << c.key;
  }
}

TEST(AmountEntry, DigitsWithAtMostOnePoint) {
  const struct { const char* text; bool ok; } cases[] = {
      {"1250.50", true}, {"12.", true}, {".", true}, {"7", true},
      {"1.2.3", false},  {"  ", false}, {" 12", false}, {"12 ", false}, {"", false},
      {"-5", false},     {"1,000", false}, {"$12", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsAmountEntry(QString::fromLatin1(c.text)), c.ok) << c.text;
}

TEST(AmountEntry, RemoveAmountCharsDropsCommasAndDollarSigns) {
  EXPECT_EQ(RemoveAmountChars(QStringLiteral("$1,250,000.5 x")), QStringLiteral("1250000.5 x"));
}
