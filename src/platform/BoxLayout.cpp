#include "platform/BoxLayout.h"

#include <algorithm>
#include <cmath>

#include "platform/Dialogs.h"

namespace platform {

namespace {
constexpr double kPromptMargin = 750;   // window width beyond a short prompt
constexpr double kTextPadding = 100;    // text area height beyond its lines
constexpr double kBottomMargin = 700;   // window height below the buttons
constexpr double kButtonGap = 750;      // between "Yes" and "No"
constexpr double kCaptionExtras = 1800; // the title bar's icon, its three buttons and their margins
}  // namespace

BoxLayout ComputeBoxLayout(const BoxMeasures& m) {
  BoxLayout l;
  double width = m.windowWidth;
  if (m.promptWidth < m.measureWidth) width = m.promptWidth + kPromptMargin;
  // Each line of the prompt wraps in the measuring width; one spare line.
  const std::vector<double> lines = m.lineWidths.empty() ? std::vector<double>{m.promptWidth} : m.lineWidths;
  double count = 1;
  for (double lineWidth : lines) count += std::floor(lineWidth / m.measureWidth) + 1;
  l.PromptLineCount = static_cast<float>(count);
  const double lineHeight = m.promptHeight / static_cast<double>(lines.size());

  double buttonsNeed = 0;
  if (m.buttons == kBoxYesNo)
    buttonsNeed = 2 * m.textLeft + m.command1Width + kButtonGap + m.command2Width;
  else if (m.buttons == kBoxOk)
    buttonsNeed = 2 * m.textLeft + m.command1Width;
  else
    buttonsNeed = m.command1Left + m.command1Width + m.textLeft;
  l.windowWidth = std::max({width, buttonsNeed + m.frameWidth, m.titleWidth + kCaptionExtras});
  const double client = l.windowWidth - m.frameWidth;

  l.textHeight = lineHeight * l.PromptLineCount + kTextPadding;
  l.buttonTop = m.textTop + l.textHeight;
  l.windowHeight = l.buttonTop + m.command1Height + kBottomMargin;

  l.command1Left = m.command1Left;
  if (m.buttons == kBoxOk) l.command1Left = (client - m.command1Width) / 2;
  if (m.buttons == kBoxYesNo) {
    l.command1Left = (client - (m.command1Width + m.command2Width + kButtonGap)) / 2;
    l.command2Left = l.command1Left + m.command1Width + kButtonGap;
  }
  return l;
}

QPoint CentredBoxPlace(QSize outer, const QRect& over, const QRect& area) {
  const QRect on = over.isEmpty() ? area : over;
  int x = on.left() + (on.width() - outer.width()) / 2;
  int y = on.top() + (on.height() - outer.height()) / 2;
  if (!area.isEmpty()) {
    x = std::max(std::min(x, area.right() + 1 - outer.width()), area.left());
    y = std::max(std::min(y, area.bottom() + 1 - outer.height()), area.top());
  }
  return {x, y};
}

}  // namespace platform
