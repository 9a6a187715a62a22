#pragma once

#include <QString>
#include <cstdint>

#include "case/WorksheetVars.h"
#include "shell/ScreenFactors.h"

// The arithmetic of the worksheet window's layout: its fit at start-up, the
// sheet-size commands and the field-length guard of the caption boxes.
namespace worksheet {

// A control's place and font, in twips and points.
struct ControlGeometry {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  double fontSize = 0;

  bool operator==(const ControlGeometry&) const = default;
};

// A rule line's two ends, in twips.
struct LineEnds {
  float x1 = 0;
  float y1 = 0;
  float x2 = 0;
  float y2 = 0;

  bool operator==(const LineEnds&) const = default;
};

// Start-up fit of the worksheet's rule lines: X ends by ScaleFactorX, Y ends
// by ScaleFactorY, each product in single precision.
LineEnds FitLine(const LineEnds& design, const shell::ScreenFactors& factors);

// Start-up fit of the frame window itself: left and width by ScaleFactorX,
// top and height by ScaleFactorY (single precision); font sizes are not scaled.
ControlGeometry FitFrameWindow(const ControlGeometry& design, const shell::ScreenFactors& factors);

// Start-up fit of a control of the frame (button bars and buttons): font size
// by ScaleFactorMin, left and width by ScaleFactorX, top and height by ScaleFactorY.
ControlGeometry FitFrameControl(const ControlGeometry& design, const shell::ScreenFactors& factors);

// The days and children boxes: after the window's fit has scaled their left
// by ScaleFactorX, it is set to left x ScaleFactorMin / ScaleFactorX (single
// precision), so they stand at their design left times ScaleFactorMin.
float FitCountBoxLeft(float fittedLeft, const shell::ScreenFactors& factors);

// The sheet-size factor: 0.78 when ScaleFactorX is exactly 1.0, 0.8 or 1.024,
// else 0.75; 0.86 whatever the factor on a screen narrower than 800 pixels.
double ReduceFactor(double scaleFactorX, double screenWidthPx);

inline const QString kZoomLarge = QStringLiteral("Large");
inline const QString kZoomSmall = QStringLiteral("Small");

// "Reduce Sheet Size": from full size, the state becomes "Small" and the zoom
// factor the reduce factor of the screen in force now; returns true when it
// acted (at reduced size it does nothing).
bool ZoomIn(casevars::WorksheetVars& ws, const shell::ScreenFactors& screen);
// "Full Size": from reduced size, the state becomes "Large" (the zoom factor
// holds 1 / the reduce factor of the screen in force now); returns true when it acted.
bool ZoomOut(casevars::WorksheetVars& ws, const shell::ScreenFactors& screen);

// The factor the sheet's controls stand at over their fitted layout: the zoom
// factor while reduced, 1 at full size.
double SheetScale(const casevars::WorksheetVars& ws);

// A control's geometry on the sheet: its fitted geometry (kept from the
// start-up fit) times the sheet scale, so Full Size returns exactly to the
// fitted layout whatever the screen did between the two commands.
ControlGeometry SheetGeometry(const ControlGeometry& fitted, double sheetScale);
LineEnds SheetLine(const LineEnds& fitted, double sheetScale);

// The field-length guard of the six caption boxes (WSCourt, WSCounty, WSPet,
// WSRes, WSCase, WSDiv), run on each key-down before the key takes effect.
struct LengthGuard {
  std::int16_t LimitBeepArmed = 0;  // 1: the next overflow found may beep

  struct Result {
    bool locked = false;  // the box takes no typed characters
    bool beep = false;
  };
  // textWidth: the box's text measured at 10 points in the worksheet font
  // (twips); boxWidth: the box's width on screen (twips). Backspace (8) always
  // unlocks; any other key locks when the text is wider than
  // boxWidth / (sheetScale x scaleFactorX) - 200, beeping once per overflow.
  Result Check(double textWidth, double boxWidth, double sheetScale, double scaleFactorX,
               int keyCode);
};

// The width of a caption box's text as the guard measures it.
double GuardTextWidth(const QString& text, const QString& fontName);

}  // namespace worksheet
