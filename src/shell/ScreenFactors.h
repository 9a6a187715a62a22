#pragma once

#include <QString>

namespace shell {

// What the fitting reads of a screen: its size in pixels and its twips per
// pixel (1440 / logical dots per inch: 15 at 96 dpi, 12 at 120).
struct ScreenInfo {
  double widthPx = 800;
  double heightPx = 600;
  double twipsPerPixelX = 15;
  double twipsPerPixelY = 15;
};

// The screen factors every fit recomputes and the rest of the program reads
// wherever it computes positions and font sizes: the share of the 800 x 600
// design grid (at 15 twips per pixel) that the screen gives, times the user's
// monitor adjustment.
struct ScreenFactors {
  float TwipsPerPixelX = 15;
  float TwipsPerPixelY = 15;
  float ScreenWidthPx = 800;
  float ScreenHeightPx = 600;
  double ScaleFactorX = 1;
  double ScaleFactorY = 1;
  double ScaleFactorMin = 1;
  // The factors before the monitor adjustment (the screen check at start-up
  // compares these, so no monitor adjustment can lock the program out).
  double UnadjustedScaleFactorX = 1;
  double UnadjustedScaleFactorY = 1;
  double UnadjustedScaleFactorMin = 1;
};

// Factors of a screen without the monitor adjustment. Each factor is the
// double nearest the exact product (pixels / 800) x (twips per pixel / 15):
// 640 pixels at 12 twips per pixel give exactly the double nearest 0.64.
ScreenFactors ComputeScreenFactors(const ScreenInfo& screen);

// The monitor adjustment held in the MonAdj preference: a number from 0.5 to 1;
// empty text, text that is not a number, or a value outside that range count as 1.
double MonitorAdjustment(const QString& monAdjText);

// Multiplies the three factors by the adjustment.
void ApplyMonitorAdjustment(ScreenFactors& factors, double adjustment);

// The one screen the program refuses to run on: 640 x 480 pixels with large
// fonts (12 twips per pixel), known by its horizontal factor of exactly 0.64
// before the monitor adjustment, so that no adjustment the user chose can
// make another screen look like it.
bool IsLargeFont640x480(const ScreenFactors& factors);

}  // namespace shell
