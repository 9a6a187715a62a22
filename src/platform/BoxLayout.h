#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

namespace platform {

// What the message box's sizing reads from the box as it is before the
// sizing (designed and fitted to the screen), and the measured prompt and
// title. All lengths in twips.
struct BoxMeasures {
  int16_t buttons = 0;
  double promptWidth = 0;   // widest line of the prompt in the measuring font
  double promptHeight = 0;  // height of all its lines
  std::vector<double> lineWidths;  // each line's width; none given: one line promptWidth wide
  double titleWidth = 0;    // the title's text as a title bar shows it (bold)
  double windowWidth = 0;
  double measureWidth = 0;  // the hidden measuring area `Picture1`
  double textLeft = 0;      // `Text1`
  double textTop = 0;
  double command1Left = 0;
  double command1Width = 0;
  double command1Height = 0;
  double command2Width = 0;
  double frameWidth = 0;    // the window's frame, left and right together
};

// Where the sizing puts things. Lengths in twips.
struct BoxLayout {
  float PromptLineCount = 0;
  double windowWidth = 0;
  double windowHeight = 0;
  double textHeight = 0;
  double buttonTop = 0;
  double command1Left = 0;
  double command2Left = 0;
};

// A prompt narrower than the measuring area gives a window 750 wider than the
// prompt; a wider one keeps the window's width. Each line of the prompt takes
// floor(its width / measuring width) + 1 lines of the text area, which has
// one more line besides: a short one-line prompt two lines, a one-line prompt
// 2.5 measuring widths wide four. Text area height = lines x the height of
// one line + 100; the buttons sit under the text area and the window
// ends 700 below them. The window's width and height count its frame.
// "OK" alone (buttons 0) is centred in the area within the frame, "Yes" and
// "No" (buttons 4) are centred there as a pair 750 apart, "OK" of any other
// box stays at its place. The window is always wide enough for its buttons
// with a margin as wide as the text area's on either side, and for its title
// beside the title bar's icon and buttons (1800 more).
BoxLayout ComputeBoxLayout(const BoxMeasures& m);

// Where a box `outer` pixels in size (frame included) goes: centred on the
// window it concerns (`over`, that window's frame; an empty rectangle when no
// window concerns it) or else on the screen's work area `area`, and moved
// into the work area where it would stand out of it (its top-left corner
// first). Returns the box's top-left corner.
QPoint CentredBoxPlace(QSize outer, const QRect& over, const QRect& area);

}  // namespace platform
