#pragma once

#include "platform/ui/Form.h"
#include "shell/ScreenFactors.h"

class QLabel;

namespace platform::ui {
class ButtonPlus;
}

namespace shell {
class Program;
}

namespace app {

using shell::Program;

// The splash window: the product's title while the program loads, then the
// three ways on. Only "Enter Case Data" leads into the program.
class frmSplash : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit frmSplash(Program& program, QWidget* parent = nullptr);

  // Loading: the buttons hidden and "LOADING.........." shown; waiting: the reverse.
  void ShowLoading();
  void ShowButtons();
  // Puts the window in the middle of the screen.
  void CenterOnScreen(const shell::ScreenInfo& screen);

  void Command3_Click();  // "Enter Case Data"
  void ChkVer_Click();    // "Check For Update"
  void Command1_Click();  // "Exit Without Loading Program"

  QLabel* Image1;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label2;
  platform::ui::ButtonPlus* Command3;
  platform::ui::ButtonPlus* ChkVer;
  platform::ui::ButtonPlus* Command1;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Program& program_;
};

}  // namespace app
