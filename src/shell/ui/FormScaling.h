#pragma once

#include "platform/ui/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace platform::ui {
class ButtonPlus;
}

namespace shell {

// "Program Display Scaling": edits the monitor adjustment, the factor from
// 0.5 to 1 by which every window fit shrinks the program's windows. It only
// stores the value; windows take it at their next fit.
class FormScaling : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit FormScaling(QWidget* parent = nullptr);

  void ApplyScaling_Click();
  void ReSetScaling_Click();

  QGroupBox* Scaling2;
  platform::ui::ButtonPlus* ApplyScaling;
  platform::ui::ButtonPlus* ReSetScaling;
  QGroupBox* Scaling;
  QLineEdit* Adjustment;
  QLabel* Label1;
  QPlainTextEdit* Scale;
};

}  // namespace shell
