#include <gtest/gtest.h>

#include "shell/ScreenFactors.h"

using shell::ComputeScreenFactors;
using shell::ScreenInfo;

TEST(ScreenFactors, FromScreenSizeAndTwipsPerPixel) {
  const struct {
    ScreenInfo screen;
    double x, y, min;
  } cases[] = {
      {{1024, 768, 15, 15}, 1.28, 1.28, 1.28},
      {{1920, 1080, 15, 15}, 2.4, 1.8, 1.8},
      {{800, 600, 12, 12}, 0.8, 0.8, 0.8},
      {{640, 480, 15, 15}, 0.8, 0.8, 0.8},
      {{640, 480, 12, 12}, 0.64, 0.64, 0.64},  // exactly the double nearest 0.64
      {{1280, 1024, 15, 15}, 1.6, 1024.0 / 600, 1.6},
  };
  for (const auto& c : cases) {
    const auto f = ComputeScreenFactors(c.screen);
    EXPECT_EQ(f.ScaleFactorX, c.x) << c.screen.widthPx;
    EXPECT_EQ(f.ScaleFactorY, c.y) << c.screen.heightPx;
    EXPECT_EQ(f.ScaleFactorMin, c.min) << c.screen.widthPx;
  }
}

TEST(ScreenFactors, MonitorAdjustmentOutsideItsRangeCountsAsOne) {
  const struct {
    const char* text;
    double value;
  } cases[] = {{"1", 1}, {"0.75", 0.75}, {"0.5", 0.5}, {".9", 0.9}, {"0.3", 1},
               {"1.2", 1}, {"", 1},      {"abc", 1},   {"0.49", 1}};
  for (const auto& c : cases) EXPECT_EQ(shell::MonitorAdjustment(c.text), c.value) << c.text;
}

TEST(ScreenFactors, AdjustmentScalesAllThreeButKeepsTheUnadjusted) {
  auto f = ComputeScreenFactors({1024, 768, 15, 15});
  shell::ApplyMonitorAdjustment(f, 0.75);
  EXPECT_DOUBLE_EQ(f.ScaleFactorX, 0.96);
  EXPECT_DOUBLE_EQ(f.ScaleFactorY, 0.96);
  EXPECT_DOUBLE_EQ(f.ScaleFactorMin, 0.96);
  EXPECT_EQ(f.UnadjustedScaleFactorX, 1.28);
}
