#include <gtest/gtest.h>

#include "platform/Rounding.h"

TEST(RoundToWhole, HalvesGoAwayFromZero) {
  const struct { double in, out; } cases[] = {
      {0, 0},   {0.5, 1},   {-0.5, -1}, {1.5, 2},        {-1.5, -2}, {2.5, 3},
      {-2.5, -3}, {2.4, 2}, {-2.6, -3}, {1234.4999, 1234},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::RoundToWhole(c.in), c.out) << c.in;
}

TEST(RoundToWhole, SinglePrecisionAmountsRoundAsDoubles) {
  // 0.1f is 0.100000001490116..., so 2.5f + 0.1f stays below 2.6 exactly as a double would.
  EXPECT_EQ(platform::RoundToWhole(static_cast<double>(12345.5f)), 12346);
  EXPECT_EQ(platform::RoundToWhole(static_cast<double>(-0.49999997f)), 0);
}
