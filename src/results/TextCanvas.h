#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "platform/document/Document.h"
#include "platform/document/TextMetrics.h"

namespace results {

// A picture box that shows text: what the result windows write their results
// into. It keeps every text it was given (retained), so a thin widget can draw
// it at any time and tests can read it without a window. Positions and sizes
// are twips from the picture's top-left corner.
//
// Clear (Cls) erases the picture and puts the text position at (0, 0). Print
// draws a text at the text position; PrintLine then ends the line (X back to
// 0, Y down one line of the current font, as tall as the font's ascent plus
// descent), PrintText keeps the line open with X just after the text. A text
// is measured in the picture's current font. Text that runs past the right
// edge is kept whole; the widget cuts it off at the edge.
class TextCanvas {
 public:
  // `width` and `height`: the picture's outer size; `font`: its font as designed.
  TextCanvas(double width, double height, platform::FontSpec font);

  void Cls();
  void PrintText(const QString& text);
  void PrintLine(const QString& text = QString());

  double CurrentX() const { return x_; }
  double CurrentY() const { return y_; }
  void SetCurrentX(double x) { x_ = x; }
  void SetCurrentY(double y) { y_ = y; }

  double TextWidth(const QString& text) const;
  double TextHeight() const;  // one line of the current font

  const platform::FontSpec& Font() const { return font_; }
  void SetFont(const platform::FontSpec& font) { font_ = font; }
  bool FontBold() const { return font_.bold; }
  void SetFontBold(bool on) { font_.bold = on; }
  double FontSize() const { return font_.size; }
  void SetFontSize(double points) {  // a size of 0 or less is ignored
    if (points > 0) font_.size = points;
  }

  // The outer size; the window fitting scales it with the window.
  double Width() const { return width_; }
  double Height() const { return height_; }
  void SetSize(double width, double height);

  // What is drawn, in drawing order.
  const std::vector<platform::TextRun>& Runs() const { return runs_; }
  // The picture as a page of the document model, for the one page painter.
  platform::Page AsPage() const;
  // The drawn text, line by line (runs on one line joined in drawing order):
  // what a reader of the picture sees, for messages and checks.
  QStringList Lines() const;

  // Called after every change, so that a widget can repaint.
  void SetChangedHandler(std::function<void()> changed) { changed_ = std::move(changed); }

 private:
  const platform::TextMetrics& Metrics() const;
  void Changed() const {
    if (changed_) changed_();
  }

  double width_;
  double height_;
  platform::FontSpec font_;
  double x_ = 0;
  double y_ = 0;
  std::vector<platform::TextRun> runs_;
  std::function<void()> changed_;
  mutable std::optional<platform::TextMetrics> metrics_;
};

// A number printed as it stands, the way the pictures show a count: a blank
// where a plus sign would stand, or the minus sign (3 -> " 3", -2 -> "-2").
QString PrintedNumber(double value);

}  // namespace results
