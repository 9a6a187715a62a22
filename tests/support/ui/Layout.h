#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "platform/ui/ButtonPlus.h"
#include "platform/ui/Form.h"
#include "shell/ScreenFactors.h"

namespace testenv {

// What of a window's controls is cut: a control reaching out of the frame or
// window it lies in, a caption wider (or, wrapped, taller) than its control,
// or a frame's caption under a control that stands on the frame's edge.
inline QStringList CutControls(const platform::ui::Form& window) {
  QStringList cut;
  for (QWidget* c : window.Controls()) {
    const QString name = c->objectName();
    QWidget* in = c->parentWidget();
    if (!in->rect().contains(c->geometry()))
      cut << QStringLiteral("%1 lies outside %2 (%3 px wide, %4 px high at %5, %6 in %7 x %8)")
                 .arg(name, in->objectName())
                 .arg(c->width()).arg(c->height()).arg(c->x()).arg(c->y())
                 .arg(in->width()).arg(in->height());
    const QFontMetrics fm(c->font());
    int needed = 0;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(c)) {
      text = label->text();
      if (label->wordWrap()) {
        if (label->heightForWidth(label->width()) > label->height())
          cut << QStringLiteral("%1 needs %2 px height, has %3").arg(name).arg(label->heightForWidth(label->width())).arg(label->height());
        continue;
      }
      needed = fm.boundingRect(QRect(0, 0, 10000, 10000), 0, text).width();
    } else if (auto* button = qobject_cast<QPushButton*>(c)) {
      auto* plus = qobject_cast<platform::ui::ButtonPlus*>(c);
      text = plus ? plus->DisplayedCaption() : button->text();
      const QRect caption = fm.boundingRect(QRect(0, 0, 10000, 10000), 0, text);
      needed = caption.width() + 8;
      if (caption.height() + 2 > c->height())
        cut << QStringLiteral("%1 \"%2\" needs %3 px height, has %4").arg(name, text).arg(caption.height() + 2).arg(c->height());
    } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
      text = button->text();
      needed = button->sizeHint().width();
    } else if (auto* frame = qobject_cast<QGroupBox*>(c)) {
      text = frame->title();
      needed = fm.horizontalAdvance(text) + 8;
      const QRect band(0, 0, text.isEmpty() ? 0 : needed + 8, fm.height());
      for (QWidget* inside : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (inside->isVisibleTo(frame) && inside->geometry().intersects(band))
          cut << QStringLiteral("%1 covers the caption of %2").arg(inside->objectName(), name);
    } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
      for (int i = 0; i < combo->count(); ++i) needed = std::max(needed, fm.horizontalAdvance(combo->itemText(i)) + 24);
    }
    if (needed > c->width()) cut << QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(name, text).arg(needed).arg(c->width());
  }
  return cut;
}

// The screens a window's layout is checked on, named "800x600" and so on.
inline auto LayoutScreens() {
  return ::testing::Values(shell::ScreenInfo{800, 600, 15, 15}, shell::ScreenInfo{1024, 768, 15, 15},
                           shell::ScreenInfo{1920, 1080, 15, 15});
}
inline std::string ScreenName(const ::testing::TestParamInfo<shell::ScreenInfo>& info) {
  return std::to_string(int(info.param.widthPx)) + "x" + std::to_string(int(info.param.heightPx));
}

}  // namespace testenv
