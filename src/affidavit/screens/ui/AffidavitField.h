#pragma once

#include <QLineEdit>

#include <functional>

namespace affidavit::ui {

// A text box of the affidavit pages. Each key first goes to KeyDown (the
// width check, which may make the box read-only before the key takes effect);
// a typed double quote then arrives as an apostrophe; text that reaches the
// box by pasting or dropping follows the same rule and has its line breaks
// turned into spaces. An amount box with the caret rule puts the caret after
// its first character when it gets the focus.
class AffidavitField : public QLineEdit {
  Q_OBJECT
 public:
  explicit AffidavitField(QWidget* parent = nullptr);

  // The key code as the check reads it: 8 for Backspace, else Qt's key.
  std::function<void(int keyCode)> KeyDown;
  bool CaretRule = false;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void FilterEdit(const QString& text);
};

}  // namespace affidavit::ui
