#include "worksheet/SheetLayout.h"

#include "platform/document/TextMetrics.h"

namespace worksheet {

LineEnds FitLine(const LineEnds& d, const shell::ScreenFactors& f) {
  return {float(d.x1 * f.ScaleFactorX), float(d.y1 * f.ScaleFactorY), float(d.x2 * f.ScaleFactorX),
          float(d.y2 * f.ScaleFactorY)};
}

ControlGeometry FitFrameWindow(const ControlGeometry& d, const shell::ScreenFactors& f) {
  return {float(d.left * f.ScaleFactorX), float(d.top * f.ScaleFactorY),
          float(d.width * f.ScaleFactorX), float(d.height * f.ScaleFactorY), d.fontSize};
}

ControlGeometry FitFrameControl(const ControlGeometry& d, const shell::ScreenFactors& f) {
  return {d.left * f.ScaleFactorX, d.top * f.ScaleFactorY, d.width * f.ScaleFactorX,
          d.height * f.ScaleFactorY, d.fontSize * f.ScaleFactorMin};
}

float FitCountBoxLeft(float fittedLeft, const shell::ScreenFactors& f) {
  return float(fittedLeft * f.ScaleFactorMin / f.ScaleFactorX);
}

double ReduceFactor(double scaleFactorX, double screenWidthPx) {
  double f = (scaleFactorX == 1.0 || scaleFactorX == 0.8 || scaleFactorX == 1.024) ? 0.78 : 0.75;
  if (screenWidthPx < 800) f = 0.86;
  return f;
}

bool ZoomIn(casevars::WorksheetVars& ws, const shell::ScreenFactors& screen) {
  if (ws.WSZoomState != kZoomLarge) return false;
  ws.WSZoomState = kZoomSmall;
  ws.WSZoomFactor = ReduceFactor(screen.ScaleFactorX, screen.ScreenWidthPx);
  return true;
}

bool ZoomOut(casevars::WorksheetVars& ws, const shell::ScreenFactors& screen) {
  if (ws.WSZoomState != kZoomSmall) return false;
  ws.WSZoomState = kZoomLarge;
  ws.WSZoomFactor = 1 / ReduceFactor(screen.ScaleFactorX, screen.ScreenWidthPx);
  return true;
}

double SheetScale(const casevars::WorksheetVars& ws) {
  return ws.WSZoomState == kZoomSmall ? ws.WSZoomFactor : 1.0;
}

ControlGeometry SheetGeometry(const ControlGeometry& fitted, double s) {
  if (s == 1.0) return fitted;
  return {fitted.left * s, fitted.top * s, fitted.width * s, fitted.height * s,
          fitted.fontSize * s};
}

LineEnds SheetLine(const LineEnds& fitted, double s) {
  if (s == 1.0) return fitted;
  return {float(fitted.x1 * s), float(fitted.y1 * s), float(fitted.x2 * s), float(fitted.y2 * s)};
}

LengthGuard::Result LengthGuard::Check(double textWidth, double boxWidth, double sheetScale,
                                       double scaleFactorX, int keyCode) {
  constexpr int kBackspace = 8;
  if (keyCode == kBackspace) {
    LimitBeepArmed = 1;
    return {false, false};
  }
  const double limit = boxWidth / (sheetScale * scaleFactorX) - 200;
  if (textWidth > limit) {
    const bool beep = LimitBeepArmed == 1;
    LimitBeepArmed = 0;
    return {true, beep};
  }
  LimitBeepArmed = 1;
  return {false, false};
}

double GuardTextWidth(const QString& text, const QString& fontName) {
  return platform::TextMetrics(platform::FontSpec{fontName, 10.0}).width(text);
}

}  // namespace worksheet
