#include "platform/ui/ControlCaption.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <vector>

#include "platform/FieldCaption.h"

namespace platform::ui {

namespace {

// Whether the label is seen together with the control: a hidden widget (a
// tab page not in front, a frame not in use) around either holds both.
bool SeenWith(const QWidget* label, const QWidget* control, const QWidget* window) {
  for (const QWidget* w = label; w && w != window; w = w->parentWidget())
    if (w->isHidden() && !w->isAncestorOf(control)) return false;
  for (const QWidget* w = control->parentWidget(); w && w != window; w = w->parentWidget())
    if (w->isHidden() && !w->isAncestorOf(label)) return false;
  return true;
}

QRectF InWindow(const QWidget* w, const QWidget* window) {
  return QRectF(QRect(w->mapTo(window, QPoint(0, 0)), w->size()));
}

}  // namespace

QString ControlCaption(const QWidget* control) {
  if (!control) return {};
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return CleanCaption(button->text());
  const QWidget* window = control->window();
  std::vector<CaptionText> texts;
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (label->text().isEmpty() || !SeenWith(label, control, window)) continue;
    texts.push_back({InWindow(label, window), label->text(), label->parentWidget() == control->parentWidget()});
  }
  std::vector<QRectF> entries;
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    if ((qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w)) && SeenWith(w, control, window))
      entries.push_back(InWindow(w, window));
  }
  return FieldCaption(InWindow(control, window), texts, entries);
}

}  // namespace platform::ui
