#pragma once

#include <cstdint>

#include "calculators/Withdrawals72t.h"
#include "calculators/ui/CalculatorWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollArea;

namespace platform::ui {
class ButtonPlus;
}

namespace calculators::ui {

class ProjectionCanvas;

// "72(t) IRA Withdrawals": the penalty-free early withdrawals of an IRA by
// three methods, and the balance projected year by year under the chosen one.
class Form72t : public CalculatorWindow {
  Q_OBJECT
 public:
  explicit Form72t(shell::Program& program, QWidget* parent = nullptr);

  // 0 when every entry was accepted (Inputs filled), 1 after a refused
  // entry, which has been reported.
  std::int16_t CheckDataEntry4();
  void Run72TReport_Click();
  // The help windows "About 72t Methods" and "About 72t Interest", modal.
  void About_Click();
  void AboutInterest_Click();
  void Return_Click() { ReturnToCaller(); }
  Q_INVOKABLE void MakeForm72Grey() { MakeGrey(); }  // called by name by the Print Screen Images window

  Withdrawal72tInputs Inputs;

  QLineEdit *CurrentAgeYrs, *AgeEndYrs, *HolderName, *IRAAmount, *InterestRate, *IraInterestRate;
  QRadioButton *MethodMin, *MethodAmort, *MethodAnnuity;
  platform::ui::ButtonPlus *About, *AboutInterest, *Run72TReport, *Return;
  QLineEdit *LEYearly, *LEMonthly, *AmortYearly, *AmortMonthly, *AnnuityYearly, *AnnuityMonthly;
  QGroupBox* Frame12;
  QScrollArea* Picture2;     // the viewport
  ProjectionCanvas* Picture1;  // the table
  QGroupBox* TradeMark;

 private:
  void ShowHelp(const char* name);
};

}  // namespace calculators::ui
