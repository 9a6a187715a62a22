#include "platform/ui/ButtonPlus.h"

#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "platform/ui/Form.h"
#include "platform/ui/WrapCaption.h"

namespace platform::ui {

ButtonPlus::ButtonPlus(QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  restyle();
}

bool ButtonPlus::SetThemeColor(const QString& text) {
  OleColor c = 0;
  if (!ParseOleColor(text, &c)) return false;
  theme_ = c;
  restyle();
  return true;
}

bool ButtonPlus::SetBackColorText(const QString& text) {
  OleColor c = 0;
  if (!ParseOleColor(text, &c)) return false;
  SetBackColor(this, c);
  return true;
}

bool ButtonPlus::SetForeColorText(const QString& text) {
  OleColor c = 0;
  if (!ParseOleColor(text, &c)) return false;
  SetForeColor(this, c);
  return true;
}

bool ButtonPlus::SetUseVisualStyles(const QString& text) {
  const QString t = text.trimmed();
  if (t.compare("True", Qt::CaseInsensitive) == 0 || t == "-1") visualStyles_ = true;
  else if (t.compare("False", Qt::CaseInsensitive) == 0 || t == "0") visualStyles_ = false;
  else return false;
  restyle();
  return true;
}

bool ButtonPlus::SetBorderStyle(const QString& text) {
  bool ok = false;
  const int style = text.trimmed().toInt(&ok);
  if (!ok || style < 0 || style > 9) return false;
  borderStyle_ = style;
  restyle();
  return true;
}

bool ButtonPlus::event(QEvent* e) {
  if (e->type() == QEvent::DynamicPropertyChange) restyle();
  return QPushButton::event(e);
}

QString ButtonPlus::DisplayedCaption() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  const int room = std::min(width() - 8, style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width());
  if (fontMetrics().horizontalAdvance(text()) <= room) return text();
  return WrapCaption(text(), font(), room);
}

void ButtonPlus::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text = DisplayedCaption();
  painter.drawControl(QStyle::CE_PushButton, option);
}

void ButtonPlus::SetStyleSheetKeepingFont(const QString& css) {
  // A new style sheet gives the button the application's font again; the
  // button keeps the font its window gave it.
  const QFont kept = font();
  setStyleSheet(css);
  setFont(kept);
}

void ButtonPlus::restyle() {
  if (visualStyles_) {
    if (!styleSheet().isEmpty()) SetStyleSheetKeepingFont(QString());
    return;
  }
  const QColor back = ToQColor(BackColor(this).value_or(kSysButtonFace));
  const QColor fore = ToQColor(ForeColor(this).value_or(kSysButtonText));
  const QColor theme = ToQColor(theme_);
  const int border = borderStyle_ >= 5 ? 2 : 1;
  const QString css =
      QString("QPushButton { background-color: %1; color: %2; border: %3px solid %4; border-radius: %5px; }"
              "QPushButton:pressed { background-color: %4; }"
              "QPushButton:disabled { color: gray; }")
          .arg(back.name(), fore.name())
          .arg(border)
          .arg(theme.name())
          .arg(borderStyle_ >= 5 ? 4 : 0);
  if (css != styleSheet()) SetStyleSheetKeepingFont(css);
}

}  // namespace platform::ui
