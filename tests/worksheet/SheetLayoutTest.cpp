#include <gtest/gtest.h>

#include "platform/Fonts.h"
#include "worksheet/SheetLayout.h"

using namespace worksheet;

namespace {

shell::ScreenFactors Screen(double width, double height, double twipsPerPixel = 15) {
  return shell::ComputeScreenFactors({width, height, twipsPerPixel, twipsPerPixel});
}

TEST(SheetSize, ReduceFactorByScreen) {
  struct Case {
    double factorX;
    double widthPx;
    double f;
  } cases[] = {
      {1.0, 800, 0.78},  {0.8, 800, 0.78}, {1.024, 1024, 0.78}, {1.28, 1024, 0.75},
      {2.4, 1920, 0.75}, {1.0, 799, 0.86}, {1.28, 640, 0.86},   {1.0000001, 800, 0.75},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(ReduceFactor(c.factorX, c.widthPx), c.f) << c.factorX << " " << c.widthPx;
  // Factors as the fit computes them: 640 px at 12 twips per pixel is exactly 0.8.
  const auto small = Screen(640, 480, 12);
  EXPECT_DOUBLE_EQ(ReduceFactor(small.ScaleFactorX, small.ScreenWidthPx), 0.86);
  const auto design = Screen(800, 600);
  EXPECT_DOUBLE_EQ(ReduceFactor(design.ScaleFactorX, design.ScreenWidthPx), 0.78);
}

TEST(SheetSize, ZoomCommandsActOnlyFromTheOtherState) {
  casevars::WorksheetVars ws;
  ws.WSZoomState = kZoomLarge;
  ws.WSZoomFactor = 1;
  EXPECT_FALSE(ZoomOut(ws, Screen(800, 600)));
  EXPECT_TRUE(ZoomIn(ws, Screen(800, 600)));
  EXPECT_EQ(ws.WSZoomState, kZoomSmall);
  EXPECT_DOUBLE_EQ(SheetScale(ws), 0.78);
  EXPECT_FALSE(ZoomIn(ws, Screen(1024, 768)));  // a second reduce does nothing
  EXPECT_DOUBLE_EQ(ws.WSZoomFactor, 0.78);
  EXPECT_TRUE(ZoomOut(ws, Screen(1024, 768)));
  EXPECT_EQ(ws.WSZoomState, kZoomLarge);
  EXPECT_DOUBLE_EQ(SheetScale(ws), 1);
}

TEST(SheetSize, FullSizeReturnsExactlyToTheFittedLayout) {
  const ControlGeometry fitted{2918.4, 6400, 614.4, 364.8, 10.56};
  const LineEnds line{1280, 6400, 14080, 6400};
  casevars::WorksheetVars ws{{}, kZoomLarge, 1, "Tahoma", 10};
  ASSERT_TRUE(ZoomIn(ws, Screen(800, 600)));
  const ControlGeometry reduced = SheetGeometry(fitted, SheetScale(ws));
  EXPECT_DOUBLE_EQ(reduced.left, 2918.4 * 0.78);
  EXPECT_DOUBLE_EQ(reduced.fontSize, 10.56 * 0.78);
  EXPECT_FLOAT_EQ(SheetLine(line, SheetScale(ws)).x2, 14080 * 0.78f);
  // The screen changes before Full Size; the sheet still returns to its fit.
  ASSERT_TRUE(ZoomOut(ws, Screen(1920, 1080)));
  EXPECT_EQ(SheetGeometry(fitted, SheetScale(ws)), fitted);
  EXPECT_EQ(SheetLine(line, SheetScale(ws)), line);
}

TEST(WorksheetFit, FiguresOfTheStartUpFit) {
  const auto screen1024 = Screen(1024, 768);  // all factors 1.28
  EXPECT_EQ(FitLine({1000, 5000, 11000, 5000}, screen1024), (LineEnds{1280, 6400, 14080, 6400}));
  EXPECT_FLOAT_EQ(FitCountBoxLeft(float(2280 * screen1024.ScaleFactorX), screen1024), 2918.4f);

  const auto screen1920 = Screen(1920, 1080);  // X 2.4, Y 1.8, common 1.8
  EXPECT_FLOAT_EQ(FitCountBoxLeft(float(2850 * screen1920.ScaleFactorX), screen1920), 5130);
  const ControlGeometry button = FitFrameControl({100, 60, 2000, 400, 9.75}, screen1920);
  EXPECT_DOUBLE_EQ(button.left, 240);
  EXPECT_DOUBLE_EQ(button.top, 108);
  EXPECT_DOUBLE_EQ(button.width, 4800);
  EXPECT_DOUBLE_EQ(button.height, 720);
  EXPECT_DOUBLE_EQ(button.fontSize, 9.75 * 1.8);
  const ControlGeometry frame = FitFrameWindow({10, 20, 12000, 9000, 8}, screen1920);
  EXPECT_EQ(frame, (ControlGeometry{24, 36, 28800, 16200, 8}));  // its left edge scaled too
}

TEST(LengthGuard, LocksPastTheLimitBeepsOncePerOverflowAndBackspaceUnlocks) {
  // Box 3000 twips wide on screen at factor 1.28 and full size: limit 3000 / 1.28 - 200.
  const double limit = 3000 / 1.28 - 200;
  LengthGuard guard;
  guard.LimitBeepArmed = 1;
  struct Step {
    double width;
    int key;
    bool locked;
    bool beep;
  } steps[] = {
      {limit, 'A', false, false},       // exactly at the limit: still fits
      {limit + 1, 'B', true, true},     // the first overflow beeps
      {limit + 1, 'C', true, false},    // further keys stay silent
      {limit + 1, 46, true, false},     // Delete does not unlock
      {limit + 1, 8, false, false},     // Backspace always unlocks
      {limit + 1, 'D', true, true},     // and re-arms the beep
      {limit - 50, 'E', false, false},  // fits again
  };
  for (const Step& s : steps) {
    const auto r = guard.Check(s.width, 3000, 1, 1.28, s.key);
    EXPECT_EQ(r.locked, s.locked) << s.key;
    EXPECT_EQ(r.beep, s.beep) << s.key;
  }
  // At reduced size the box and the divisor shrink together: the same limit.
  LengthGuard reduced;
  EXPECT_FALSE(reduced.Check(limit, 3000 * 0.78, 0.78, 1.28, 'A').locked);
  EXPECT_TRUE(reduced.Check(limit + 1, 3000 * 0.78, 0.78, 1.28, 'A').locked);
}

TEST(LengthGuard, MeasuresInTheWorksheetFontAtTenPoints) {
  platform::RegisterTahomaIfMissing();
  const double narrow = GuardTextWidth("iii", "Tahoma");
  const double wide = GuardTextWidth("WWW", "Tahoma");
  EXPECT_GT(narrow, 0);
  EXPECT_GT(wide, narrow);
  EXPECT_DOUBLE_EQ(GuardTextWidth("", "Tahoma"), 0);
}

}  // namespace
