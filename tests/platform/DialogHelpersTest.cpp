#include <gtest/gtest.h>

#include "platform/ColorValue.h"
#include "platform/FileFilter.h"

using namespace platform;

TEST(NameFiltersFromPairs, PairsBecomeQtFilters) {
  const struct {
    const char* in;
    QStringList out;
  } cases[] = {
      {"Kelvane_2026 Files|*.PVX", {"Kelvane_2026 Files (*.PVX)"}},
      {"Cases|*.PVX;*.pvx|All Files|*.*", {"Cases (*.PVX *.pvx)", "All Files (*.*)"}},
      {"", {}},
      {"Description without patterns", {}},
      {"Empty|", {}},
      {"PDF Files|*.pdf|Dangling", {"PDF Files (*.pdf)"}},
  };
  for (const auto& c : cases) EXPECT_EQ(NameFiltersFromPairs(c.in), c.out) << c.in;
}

TEST(ColorValue, BlueGreenRedOrder) {
  // 14215661 = 0xD8E9ED: blue 216, green 233, red 237.
  EXPECT_EQ(ColorFromValue(14215661u), QColor(237, 233, 216));
  EXPECT_EQ(ValueFromColor(QColor(237, 233, 216)), 14215661u);
  EXPECT_EQ(ValueFromColor(QColor(1, 0, 192)), 12582913u);
  EXPECT_EQ(ValueFromColor(ColorFromValue(8421504u)), 8421504u);
  EXPECT_EQ(ValueFromColor(QColor(Qt::white)), 16777215u);
}
