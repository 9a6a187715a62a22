#pragma once

#include <QLineEdit>

#include <cstdint>
#include <functional>

namespace platform::ui {

// A text box that reports the events the program's windows handle on their
// entry fields: the character of each key press (which the handler may
// refuse or replace), each key release, entering and leaving the box, and
// every edit by the user (typing, pasting, dropping, undoing; never text the
// program sets). Focus changes that only switch windows or open a menu are
// not the user entering or leaving the box and are not reported.
class EntryBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit EntryBox(QWidget* parent = nullptr);

  static constexpr std::int16_t kEnter = 13;

  // The character typed (13 for Enter). Setting it to 0 keeps the key from the
  // box; setting it to another character types that one instead.
  std::function<void(std::int16_t& keyAscii)> KeyPress;
  // Every key release but auto-repeats; the key code is 13 for Enter, else Qt's.
  std::function<void(int keyCode, Qt::KeyboardModifiers shift)> KeyUp;
  std::function<void()> GotFocus;
  std::function<void()> LostFocus;
  std::function<void()> Edited;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace platform::ui
