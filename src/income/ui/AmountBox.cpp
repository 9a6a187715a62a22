#include "income/ui/AmountBox.h"

#include <QKeyEvent>

#include "income/AmountText.h"

namespace income {

namespace {
bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }
// Focus moves within the window; not the window's own activation or a menu.
bool MovesWithinWindow(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
}  // namespace

AmountBox::AmountBox(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (ReadAmount(text).kind != AmountReading::TooLarge) accepted_ = text;
  });
  connect(this, &QLineEdit::textEdited, this, [this] {
    if (Edited) Edited();
  });
}

void AmountBox::TakeBackEdit() { setText(accepted_); }

void AmountBox::keyPressEvent(QKeyEvent* event) {
  if (event->text() == QLatin1String("\"")) {
    QKeyEvent apostrophe(QEvent::KeyPress, Qt::Key_Apostrophe, event->modifiers(), QStringLiteral("'"),
                         event->isAutoRepeat(), static_cast<ushort>(event->count()));
    QLineEdit::keyPressEvent(&apostrophe);
    return;
  }
  if (DiscardEnter && IsEnter(event->key())) return;
  QLineEdit::keyPressEvent(event);
}

void AmountBox::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (event->isAutoRepeat() || !KeyUp) return;
  KeyUp(IsEnter(event->key()) ? 13 : event->key());
}

void AmountBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (GotFocus && MovesWithinWindow(event->reason())) GotFocus();
}

void AmountBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (LostFocus && MovesWithinWindow(event->reason())) LostFocus();
}

}  // namespace income
