#pragma once

#include "platform/ui/Form.h"

class QLabel;
class QLineEdit;

namespace platform::ui {
class ButtonPlus;
}

namespace shell {

class Program;
class PreviewControl;

// "Find Text": searches the preview's document and frames each match in red
// over its page. Where the next search starts (the program's FindPage and
// FindPosition) outlives the window.
class FormFind : public platform::ui::Form {
  Q_OBJECT
 public:
  FormFind(Program& program, PreviewControl& document, QWidget* parent = nullptr);

  // 0 "Find First", 1 "Find Next".
  void btnFind_Click(int index);
  void Exit_Click();

  QLabel* Label1;
  QLineEdit* txtFind;
  platform::ui::ButtonPlus* btnFind[2];
  platform::ui::ButtonPlus* Exit;

 private:
  Program& program_;
  PreviewControl& document_;
};

// The frame drawn around a match: a solid red line 50 twips wide, the text
// inside left visible.
inline constexpr double kFindFrameWidth = 50;

}  // namespace shell
