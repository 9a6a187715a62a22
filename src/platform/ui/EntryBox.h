#pragma once

#include <QLineEdit>
#include <QList>
#include <cstdint>
#include <functional>
#include <span>

#include "platform/AmountLimit.h"

namespace platform::ui {

class AmountLimitGuard;

// A text box that reports the events the program's windows handle on their
// entry fields: the character of each key press (which the handler may
// refuse or replace), each key release, entering and leaving the box, and
// every edit by the user (typing, pasting, dropping, undoing; never text the
// program sets). Focus changes that only switch windows or open a menu are
// not the user entering or leaving the box and are not reported.
//
// An amount box (SetAmountBox) also keeps to the program's amount entry:
// - a mouse click that brings the focus into the box selects the figure
//   after the leading "$ " (the whole text when it has none), so a figure
//   typed next replaces it; so does the first click into a box that was
//   given the focus by its window's showing rather than by the user; entering
//   by the keyboard leaves the caret where GotFocus put it;
// - an edit by the user that leaves an amount beyond the program's limit
//   (platform/AmountLimit.h) is taken back at once, the box showing its text
//   from before the edit, and reported to TooLarge instead of Edited;
// - a box that reports Refused takes, when the user leaves it, only what
//   its box takes (AmountReading::refused): a negative figure where its
//   sign (SetAmountSign) allows none, or a text that is neither a number
//   nor blank, is refused: Refused gets the entry message, the text stays,
//   the focus comes back with it selected, and LostFocus is not reported;
// - while the box does not have the focus it shows the start of its text,
//   so an amount too long for the box keeps its "$" and leading digits in
//   sight.
class EntryBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit EntryBox(QWidget* parent = nullptr);

  static constexpr std::int16_t kEnter = 13;

  // The character typed (13 for Enter). Setting it to 0 keeps the key from the
  // box; setting it to another character types that one instead.
  std::function<void(std::int16_t& keyAscii)> KeyPress;
  // Every key release but auto-repeats, of a key pressed in this box (the
  // release of a key pressed elsewhere, say the Enter that closed a message,
  // is not this box's); the key code is 13 for Enter, else Qt's.
  std::function<void(int keyCode, Qt::KeyboardModifiers shift)> KeyUp;
  std::function<void()> GotFocus;
  std::function<void()> LostFocus;
  std::function<void()> Edited;
  // An amount box's edit that was taken back for an amount beyond the limit.
  std::function<void()> TooLarge;
  // An entry refused as the user left the box, with its message
  // (platform::RefusalMessage).
  std::function<void(const QString& message)> Refused;

  void SetAmountBox(bool on);
  bool IsAmountBox() const { return amountBox_; }
  void SetAmountSign(AmountSign sign) { sign_ = sign; }
  AmountSign Sign() const { return sign_; }
  // The box's text read as an amount of its sign (platform/AmountLimit.h).
  AmountReading Reading() const { return ReadAmount(text(), sign_); }

  // Whether the box holds an entry it refuses when the user leaves it.
  bool HoldsRefusedEntry() const;
  // When one of `boxes` holds an entry it refuses, refuses it as leaving the
  // box does (Refused, the focus back) and returns true: a window's close or
  // period change that the user asks for waits for it. `before` runs first
  // with the box (a window brings the box's page forward).
  static bool RefuseHeldEntry(std::span<EntryBox* const> boxes,
                              const std::function<void(EntryBox*)>& before = {});
  // Selects the figure after a leading "$" and blanks (the whole text when it
  // has none; nothing in an empty box).
  void SelectAmount();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void UserEdited();
  void ShowStart();
  void Refuse();

  bool amountBox_ = false;
  AmountSign sign_ = AmountSign::MayBeNegative;
  bool focusByClick_ = false;  // the focus came with a mouse press not yet handled
  bool givenFocus_ = false;    // shown with the focus given by its window, not yet used
  bool typing_ = false;        // a key press is being handled
  QList<int> pressed_;         // keys pressed in the box and not yet released
  AmountLimitGuard* limit_ = nullptr;  // an amount box's limit
};

}  // namespace platform::ui
