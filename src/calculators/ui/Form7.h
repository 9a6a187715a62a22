#pragma once

#include <cstdint>

#include "calculators/PensionValue.h"
#include "calculators/ui/CalculatorWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace platform::ui {
class ButtonPlus;
}

namespace calculators::ui {

// "Defined Benefit Plans": the present value of a defined-benefit pension
// from the holder's ages, sex and race/ethnicity, the monthly amount, a
// discount rate and a tax rate.
class Form7 : public CalculatorWindow {
  Q_OBJECT
 public:
  explicit Form7(shell::Program& program, QWidget* parent = nullptr);

  // 0 when every entry was accepted (Inputs filled), 1 after the first
  // refused entry, which has been reported.
  std::int16_t CheckDataEntry4();
  void RunDBReport_Click();
  void About_Click();
  void AtAge_Click();
  void AtDeath_Click();
  void ModelDB_Click();
  void ModelGenderOnly_Click();
  void Return_Click() { ReturnToCaller(); }
  Q_INVOKABLE void MakeForm7Grey() { MakeGrey(); }  // called by name by the Print Screen Images window

  PensionInputs Inputs;

  QLineEdit *CurrentAgeYrs, *CurrentAgeMos, *AgePayableYrs, *AgePayableMos;
  QRadioButton *AtAge, *AtDeath;
  QLineEdit *AgeTerminateYrs, *AgeTerminateMos;
  QLabel *Yrs, *Months;
  QLineEdit* HolderName;
  QRadioButton *SexMale, *SexFemale;
  QGroupBox* Frame4;
  QRadioButton *RaceHispanic, *RaceWhite, *RaceBlack;
  QLineEdit *PensionAmount, *DiscountRate, *TaxRate;
  QRadioButton *ModelGenderOnly, *ModelDB;
  platform::ui::ButtonPlus *About, *RunDBReport, *Return;
  QGroupBox* TradeMark;
  QLabel *Picture1, *Picture2, *Picture3, *Picture4;
  QLabel *Label11, *Label12;

 private:
  void EnableTermination(bool on);
};

}  // namespace calculators::ui
