#include "platform/ui/EntryBox.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace platform::ui {

namespace {

bool IsEnter(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Focus moves within the window; not the window's own activation or a menu.
bool EntersOrLeaves(const QFocusEvent* event) {
  const Qt::FocusReason r = event->reason();
  return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason;
}

}  // namespace

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, [this] {
    if (Edited) Edited();
  });
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
  if (KeyPress && (IsEnter(event) || !event->text().isEmpty())) {
    const std::int16_t typed =
        IsEnter(event) ? kEnter : static_cast<std::int16_t>(event->text().at(0).unicode());
    std::int16_t key = typed;
    KeyPress(key);
    if (key == 0) {
      event->accept();
      return;
    }
    if (key != typed) {
      const QString text(QChar(static_cast<char16_t>(key)));
      QKeyEvent replaced(QEvent::KeyPress, key == kEnter ? Qt::Key_Return : 0, event->modifiers(),
                         text, event->isAutoRepeat(), static_cast<ushort>(event->count()));
      QLineEdit::keyPressEvent(&replaced);
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void EntryBox::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (event->isAutoRepeat() || !KeyUp) return;
  KeyUp(IsEnter(event) ? kEnter : event->key(), event->modifiers());
}

void EntryBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (GotFocus && EntersOrLeaves(event)) GotFocus();
}

void EntryBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (LostFocus && EntersOrLeaves(event)) LostFocus();
}

}  // namespace platform::ui
