#pragma once

#include <QLineEdit>

#include <functional>

namespace income {

struct AmountField;

// An amount box of an income window. It reports its key, focus and edit
// events to the window's handlers, turns a typed double quote into an
// apostrophe (the window's key preview) and remembers its last text that
// held an amount the window accepts, so a refused entry can be taken back.
class AmountBox : public QLineEdit {
  Q_OBJECT
 public:
  AmountBox(QWidget* parent = nullptr);

  const AmountField* Field() const { return field_; }
  void SetField(const AmountField* field) { field_ = field; }

  // Key code 13 for Enter, the Qt key otherwise.
  std::function<void(int keyCode)> KeyUp;
  std::function<void()> GotFocus;
  std::function<void()> LostFocus;
  // Every edit by the user (typing, pasting, dropping, undoing).
  std::function<void()> Edited;
  bool DiscardEnter = false;

  // Puts back the last text accepted.
  void TakeBackEdit();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  const AmountField* field_ = nullptr;
  QString accepted_;
};

}  // namespace income
