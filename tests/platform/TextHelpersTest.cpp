#include <gtest/gtest.h>

#include "platform/NumberText.h"
#include "platform/TextHelpers.h"

using namespace platform;

namespace {
QString withNuls(const char* kept, int nuls) {
  return QString::fromLatin1(kept) + QString(nuls, QChar(u'\0'));
}
}  // namespace

TEST(RemoveCurrencyChars, KeepsLengthWithOneNulPerRemovedChar) {
  const struct {
    const char* in;
    QString out;
    double reads;  // what the cleaned text reads as
  } cases[] = {
      {"$$", withNuls("", 2), 0},
      {"1,000,000", withNuls("1000000", 2), 1000000},
      {"12 %", withNuls("12", 2), 12},
      {"-$5", withNuls("-5", 1), -5},
      {"$ 1,234.50", withNuls("1234.50", 3), 1234.5},
      {"abc", "abc", 0},
      {"", "", 0},
  };
  for (const auto& c : cases) {
    QString t = QString::fromLatin1(c.in);
    RemoveCurrencyChars(t);
    EXPECT_EQ(t.toStdString(), c.out.toStdString()) << c.in;
    EXPECT_EQ(Val(t), c.reads) << c.in;
  }
}

TEST(RemoveCurrencyChars, DollarSignsAloneAreNotNumeric) {
  QString t = "$$";
  RemoveCurrencyChars(t);
  EXPECT_FALSE(IsNumeric(t));
}

TEST(RemoveChars, RemovesEveryListedCharacterExactly) {
  EXPECT_EQ(RemoveChars(u"A/B:C*?", u"\\/:*?<>|"), "ABC");
  EXPECT_EQ(RemoveChars(u"Smith v. Jones", u""), "Smith v. Jones");
  EXPECT_EQ(RemoveChars(u"Anna", u"a"), "Ann");  // case-sensitive
}

TEST(RemoveParenthesisChars, DoubleQuotesBecomeApostrophes) {
  QString t = "the \"Smith\" case";
  RemoveParenthesisChars(t);
  EXPECT_EQ(t, "the 'Smith' case");
  QString empty;
  RemoveParenthesisChars(empty);
  EXPECT_EQ(empty, "");
}
