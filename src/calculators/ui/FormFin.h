#pragma once

#include <array>
#include <cstdint>

#include "calculators/ui/CalculatorWindow.h"

class QGroupBox;
class QLabel;
class QRadioButton;

namespace platform::ui {
class ButtonPlus;
class EntryBox;
}  // namespace platform::ui

namespace calculators::ui {

// "Financial Calculations": seven time-value calculations on the user's own
// entries. Choosing a mode shows its entry boxes; "Calculate Result" checks
// them and shows the answer, or the message of what is wrong.
class FormFin : public CalculatorWindow {
  Q_OBJECT
 public:
  explicit FormFin(shell::Program& program, QWidget* parent = nullptr);

  void Form_Load();
  void Option_Click(std::int16_t mode);  // Option1_Click to Option7_Click
  void CmdClear_Click();
  void CmdAnswer_Click();
  void cmdReturn_Click() { ReturnToCaller(); }
  void Quit_Click() { QuitProgram_Click(); }
  void PrintScreen_Click() { PrintScreenImage_Click(); }
  // The grey scheme, called by name when the Print Screen Images window
  // gives the window back.
  Q_INVOKABLE void MakeFormFinGrey() { MakeGrey(); }

  std::int16_t FinCalcMode = 0;

  QGroupBox* Frame3;
  std::array<QRadioButton*, 7> Option{};  // Option1 to Option7
  QGroupBox* Frame1;
  std::array<QLabel*, 4> Label{};                  // Label1 to Label4
  std::array<platform::ui::EntryBox*, 4> Text{};   // Text1 to Text4
  platform::ui::ButtonPlus* CmdAnswer;
  platform::ui::ButtonPlus* CmdClear;
  QGroupBox* Frame2;
  QLabel* lblAnswer;
  platform::ui::EntryBox* txtAnswer;
  QLabel* lblAnswerNote;
  platform::ui::ButtonPlus* cmdReturn;

 private:
  void ClearFormFinEntries();
  void ShowFinModeEntries();
};

}  // namespace calculators::ui
