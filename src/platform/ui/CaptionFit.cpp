#include "platform/ui/CaptionFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

namespace platform::ui {

namespace {

// Whether the control's caption shows whole in its present font; controls
// without a caption of their own count as whole.
bool CaptionWhole(QWidget* control) {
  const QFontMetrics m(control->font());
  if (auto* label = qobject_cast<QLabel*>(control)) {
    const QString text = label->text();
    if (text.trimmed().isEmpty() || label->textFormat() == Qt::RichText) return true;
    const QRect room = label->contentsRect();
    if (!label->wordWrap()) return m.horizontalAdvance(text) <= room.width() && m.height() <= room.height();
    const QRect needed = m.boundingRect(room, int(Qt::TextWordWrap | label->alignment()), text);
    return needed.height() <= room.height() && needed.width() <= room.width();
  }
  if (qobject_cast<QPushButton*>(control)) return true;  // command buttons break their captions
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    if (button->text().trimmed().isEmpty()) return true;
    const QStyle* style = button->style();
    const bool check = qobject_cast<QCheckBox*>(button) != nullptr;
    if (!check && !qobject_cast<QRadioButton*>(button)) return true;
    const int indicator =
        style->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
        style->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing, nullptr,
                           button);
    return m.horizontalAdvance(button->text()) <= button->contentsRect().width() - indicator;
  }
  return true;
}

}  // namespace

void FitCaptionFont(QWidget* control, double smallestPoints) {
  if (!control) return;
  QFont font = control->font();
  while (!CaptionWhole(control) && font.pointSizeF() > smallestPoints) {
    font.setPointSizeF(std::max(smallestPoints, font.pointSizeF() * 0.97));
    control->setFont(font);
  }
}

void FitCaptionFonts(const std::vector<QWidget*>& controls, double smallestPoints) {
  for (QWidget* c : controls) FitCaptionFont(c, smallestPoints);
}

}  // namespace platform::ui
