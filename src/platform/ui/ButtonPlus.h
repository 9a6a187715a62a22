#pragma once

#include <QPushButton>

#include "platform/Colors.h"

namespace platform::ui {

// The program's command button. Buttons tagged "1000" take the user's button
// scheme from the window fitting: ThemeColor, BackColor, ForeColor,
// UseVisualStyles and BorderStyle, handed over as the stored texts. Three looks
// come of them: Themed (visual styles off, border 5: the back colour framed in
// the theme colour), Standard (visual styles on: the desktop's own button) and
// Solid (visual styles off, border 3: a flat button in the back colour).
class ButtonPlus : public QPushButton {
  Q_OBJECT
 public:
  explicit ButtonPlus(QWidget* parent = nullptr);

  // Each setter takes the preference text; a value the button cannot read is
  // refused (returns false) and the property keeps its value.
  bool SetThemeColor(const QString& text);
  bool SetBackColorText(const QString& text);
  bool SetForeColorText(const QString& text);
  bool SetUseVisualStyles(const QString& text);
  bool SetBorderStyle(const QString& text);

  // The caption as the button shows it: on one line when it fits within the
  // button, otherwise broken between words onto as many lines as it needs,
  // as a command button wraps its caption. The caption itself (text()) stays
  // as it was set.
  QString DisplayedCaption() const;

  OleColor ThemeColor() const { return theme_; }
  bool UseVisualStyles() const { return visualStyles_; }
  int BorderStyle() const { return borderStyle_; }

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void restyle();
  void SetStyleSheetKeepingFont(const QString& css);

  OleColor theme_ = 8421504;
  bool visualStyles_ = false;
  int borderStyle_ = 5;
};

}  // namespace platform::ui
