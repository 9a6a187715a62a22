#pragma once

#include <array>

#include "platform/Colors.h"
#include "platform/ui/Form.h"
#include "shell/ui/Fitting.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace platform::ui {
class ButtonPlus;
}

namespace shell {

class Program;

// "Button Color Picker": the look of the program's command buttons (three
// colours and one of three styles), stored and applied on "use", and the
// background scheme of the windows, stored and applied as soon as it is chosen.
class Form20 : public platform::ui::Form {
  Q_OBJECT
 public:
  enum class Style { Themed, Standard, Solid };

  explicit Form20(Program& program, QWidget* parent = nullptr);

  // Fills the dialog from the stored look and applies the stored scheme.
  void Form_Load();

  void ButtonPlus1_Click();  // theme colour
  void ButtonPlus2_Click();  // back colour
  void ButtonPlus3_Click();  // font colour
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Button_Click();
  void Button2_Click();
  void Button3_Click();
  void Button4_Click();      // use this look in the program
  void SetDefault_Click();
  void FormDefault_Click();
  void FormWin_Click();
  void Frame4_DragDrop();

  // The look of the dialog's choices, on one window's controls tagged 1000.
  void ApplyButtonStyle(QWidget& window);
  // A background scheme on one window; stores the scheme.
  void ApplyProgramScheme(QWidget& window);
  void ApplySystemScheme(QWidget& window);

  Style SelectedStyle() const;

  QGroupBox* Frame6;
  QRadioButton* FormDefault;
  QRadioButton* FormWin;
  QLabel* Picture4;
  QLabel* Picture5;
  QGroupBox* Frame1;
  QRadioButton* Option1;
  QRadioButton* Option2;
  QRadioButton* Option3;
  platform::ui::ButtonPlus* Button;
  platform::ui::ButtonPlus* Button2;
  platform::ui::ButtonPlus* Button3;
  QGroupBox* Frame5;
  platform::ui::ButtonPlus* ButtonPlus1;
  platform::ui::ButtonPlus* ButtonPlus2;
  platform::ui::ButtonPlus* ButtonPlus3;
  QLabel* Picture1;
  QLabel* Picture2;
  QLabel* Picture3;
  QGroupBox* Frame2;
  QGroupBox* Frame3;
  QGroupBox* Frame4;
  QPushButton* SetDefault;
  platform::ui::ButtonPlus* Button4;

 private:
  void PickColour(int dialog, QLabel* swatch);
  void ChooseStyle(Style style);
  void GiveSampleColours();
  void ApplySchemeOn(QWidget& window, ScreenScheme scheme);
  void ChooseScheme(ScreenScheme scheme);
  ButtonScheme ChosenLook() const;
  QWidget* WindowNamed(const char* name);

  Program& program_;
  // Each colour dialog starts from the colour last picked with it.
  std::array<platform::OleColor, 3> dialogColour_{0, 0, 0};
};

}  // namespace shell
