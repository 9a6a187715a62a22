#pragma once

#include <QLineEdit>

#include <cstdint>
#include <functional>

namespace business {

// An amount box of a business window: a text box that reports the four events
// its window handles. Focus changes that only switch windows or open a menu
// or a context menu are not the user entering or leaving the box and are not
// reported.
class AmountBox : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

  // The key character of a key press (13 for Enter); a handler that sets it
  // to 0 keeps the key from the box.
  std::function<void(std::int16_t& keyAscii)> KeyPress;
  // Every key release; the key code is 13 for Enter, else Qt's key code.
  std::function<void(int keyCode, Qt::KeyboardModifiers shift)> KeyUp;
  std::function<void()> GotFocus;
  std::function<void()> LostFocus;

  static constexpr int kEnter = 13;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace business
