#include "shell/ScreenFactors.h"

namespace shell {

ScreenFactors ComputeScreenFactors(const ScreenInfo& screen) {
  ScreenFactors f;
  f.TwipsPerPixelX = static_cast<float>(screen.twipsPerPixelX);
  f.TwipsPerPixelY = static_cast<float>(screen.twipsPerPixelY);
  f.ScreenHeightPx = static_cast<float>(screen.heightPx);
  f.ScreenWidthPx = static_cast<float>(screen.widthPx);
  // One rounding: the numerators are exact in double, so the quotient is the
  // double nearest the exact factor.
  f.ScaleFactorY = (double(f.ScreenHeightPx) * double(f.TwipsPerPixelY)) / (600.0 * 15.0);
  f.ScaleFactorX = (double(f.ScreenWidthPx) * double(f.TwipsPerPixelX)) / (800.0 * 15.0);
  f.ScaleFactorMin = f.ScaleFactorX > f.ScaleFactorY ? f.ScaleFactorY : f.ScaleFactorX;
  f.UnadjustedScaleFactorX = f.ScaleFactorX;
  f.UnadjustedScaleFactorY = f.ScaleFactorY;
  f.UnadjustedScaleFactorMin = f.ScaleFactorMin;
  return f;
}

double MonitorAdjustment(const QString& monAdjText) {
  bool ok = false;
  const double a = monAdjText.trimmed().toDouble(&ok);
  if (!ok || a < 0.5 || a > 1) return 1.0;
  return a;
}

void ApplyMonitorAdjustment(ScreenFactors& factors, double adjustment) {
  factors.ScaleFactorX *= adjustment;
  factors.ScaleFactorY *= adjustment;
  factors.ScaleFactorMin *= adjustment;
}

bool IsLargeFont640x480(const ScreenFactors& factors) {
  return factors.UnadjustedScaleFactorX == 0.64;
}

}  // namespace shell
