#include "platform/ui/EntryBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

#include "platform/AmountLimit.h"
#include "platform/ui/AmountLimitGuard.h"

namespace platform::ui {

namespace {

bool IsEnter(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool EntersOrLeaves(const QFocusEvent* event) { return AmountLimitGuard::EntersOrLeaves(event); }

}  // namespace

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, [this] { UserEdited(); });
  // The focus that counts is the box's own within its window: a window not
  // yet or no longer active leaves its focused box's caret alone.
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (amountBox_ && window()->focusWidget() != this && !typing_) ShowStart();
  });
  // Text set again unchanged moves the caret to the end without a change.
  connect(this, &QLineEdit::cursorPositionChanged, this, [this](int, int now) {
    if (amountBox_ && now != 0 && isVisible() && window()->focusWidget() != this && !typing_) ShowStart();
  });
}

void EntryBox::SetAmountBox(bool on) {
  amountBox_ = on;
  if (on && !limit_) limit_ = AmountLimitGuard::Track(this);
}

void EntryBox::UserEdited() {
  if (amountBox_ && limit_->TakeBackTooLarge()) {
    if (TooLarge) TooLarge();
    return;
  }
  if (Edited) Edited();
}

void EntryBox::SelectAmount() {
  const QString t = text();
  int start = 0;
  while (start < t.size() && (t[start] == QLatin1Char('$') || t[start] == QLatin1Char(' ')))
    ++start;
  if (start == t.size()) {
    setCursorPosition(start);  // nothing after the sign: the caret after it
    return;
  }
  setSelection(start, int(t.size()) - start);
}

// The text scrolled to its start: the caret at 0 without moving the focus.
void EntryBox::ShowStart() { setCursorPosition(0); }

void EntryBox::keyPressEvent(QKeyEvent* event) {
  focusByClick_ = false;
  givenFocus_ = false;
  if (!event->isAutoRepeat() && !pressed_.contains(event->key())) pressed_.append(event->key());
  const QScopedValueRollback<bool> typing(typing_, true);
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
  if (event->isAutoRepeat()) return;
  if (!pressed_.removeOne(event->key()) || !KeyUp) return;
  KeyUp(IsEnter(event) ? kEnter : event->key(), event->modifiers());
}

void EntryBox::showEvent(QShowEvent* event) {
  QLineEdit::showEvent(event);
  if (amountBox_ && !hasFocus()) ShowStart();
  // Showing with its window: a focus the window gives it next is not the user's.
  givenFocus_ = amountBox_;
}

void EntryBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  pressed_.clear();
  focusByClick_ = amountBox_ && (event->reason() == Qt::MouseFocusReason || givenFocus_);
  if (GotFocus && EntersOrLeaves(event)) GotFocus();
}

bool EntryBox::HoldsRefusedEntry() const { return amountBox_ && Refused && !isReadOnly() && Reading().refused(); }

void EntryBox::Refuse() {
  Refused(RefusalMessage(Reading()));
  setFocus(Qt::OtherFocusReason);
  SelectAmount();
}

bool EntryBox::RefuseHeldEntry(std::span<EntryBox* const> boxes, const std::function<void(EntryBox*)>& before) {
  for (EntryBox* box : boxes) {
    if (!box || !box->HoldsRefusedEntry()) continue;
    if (before) before(box);
    box->Refuse();
    return true;
  }
  return false;
}

void EntryBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  focusByClick_ = false;
  givenFocus_ = false;
  if (!EntersOrLeaves(event)) return;  // a menu or another window: the caret stays
  if (HoldsRefusedEntry()) {
    Refuse();
    return;
  }
  if (LostFocus) LostFocus();
  if (amountBox_ && !hasFocus()) ShowStart();
}

void EntryBox::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  // The press that brought the focus has put the caret where it fell; the
  // figure is selected instead, so that typing replaces it.
  if ((focusByClick_ || givenFocus_) && event->button() == Qt::LeftButton) SelectAmount();
  focusByClick_ = false;
  givenFocus_ = false;
}

}  // namespace platform::ui
