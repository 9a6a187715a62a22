#include "business/ui/AmountBox.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace business {

namespace {

bool EntersOrLeaves(const QFocusEvent* event) {
  const Qt::FocusReason r = event->reason();
  return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason;
}

bool IsEnter(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

void AmountBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (GotFocus && EntersOrLeaves(event)) GotFocus();
}

void AmountBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (LostFocus && EntersOrLeaves(event)) LostFocus();
}

void AmountBox::keyPressEvent(QKeyEvent* event) {
  if (KeyPress && (IsEnter(event) || !event->text().isEmpty())) {
    std::int16_t key = IsEnter(event) ? kEnter : static_cast<std::int16_t>(event->text().at(0).unicode());
    KeyPress(key);
    if (key == 0) {
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void AmountBox::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (KeyUp) KeyUp(IsEnter(event) ? kEnter : event->key(), event->modifiers());
}

}  // namespace business
