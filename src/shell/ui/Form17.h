#pragma once

#include "platform/ui/Form.h"

class QLabel;

namespace platform::ui {
class ButtonPlus;
}

namespace shell {

// "SAVING IMAGE": the notice shown while the preview saves its document as a
// PDF file; it stays until the user presses OK (or Enter), in front of the
// preview it belongs to, and goes when that preview closes.
class Form17 : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit Form17(QWidget* parent = nullptr);

  // While saving: the "please wait" line and no OK; afterwards the reverse.
  void ShowSaving();
  void ShowSaved();
  void OK_Click();

  QLabel* Label1;
  QLabel* Label2;
  platform::ui::ButtonPlus* OK;
};

}  // namespace shell
