#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

#include "income/IncomeLinks.h"
#include "platform/ui/Form.h"

class QAction;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace platform::ui {
class ButtonPlus;
}

namespace shell {
class Program;
}

namespace express {

// The Express screen, "Case Data Express Entry": the program's home window.
// So far it carries what start-up and the shell use of it: the preference
// menus with their check marks, the two state tax combo boxes, and the public
// methods that apply the stored calculation preferences; and what the income
// windows read and write of it (the filing-status options, the monthly gross
// income boxes, the case name, the income buttons and "Print Income Popups"),
// which it gives them as their ExpressLink.
class Form1 : public platform::ui::Form, public income::ExpressLink {
  Q_OBJECT
 public:
  explicit Form1(shell::Program& program, QWidget* parent = nullptr);

  // Alimony calculated before child support, and applied to it.
  void SetMaintFirst();
  // Child support calculated before alimony.
  void SetCSFirst();
  // The split-custody method and the schedule reading: each marks its own
  // menu item (when not yet marked) and stores its preference.
  void Winters_Click();
  void Dual_Click();
  void Closest_Click();
  void Linear_Click();

  // Menus "     Calculation Defaults" and "     Preparer Defaults".
  QAction* Winters;
  QAction* Dual;
  QAction* Linear;
  QAction* Closest;
  QAction* AutoCalc;
  QAction* DontAutoCalc;
  QAction* YearlyData;
  QAction* MonthlyData;
  QAction* LastLocation;
  QAction* UserDefault;

  QComboBox* ClaimStateTaxCombo;
  QComboBox* PayerStateTaxCombo;

  // The income windows' part of the screen (Form1Income.cpp).
  // Filing status options, in the order HeadHouse, Single, Married, MFJ.
  std::array<QRadioButton*, 4> ClaimFiling{};
  std::array<QRadioButton*, 4> PayerFiling{};
  QLineEdit* ClaimGrossInc = nullptr;  // read-only: the income windows write them
  QLineEdit* PayGrossInc = nullptr;
  QLineEdit* ClaimantName = nullptr;
  platform::ui::ButtonPlus* EnterClaimIncome = nullptr;
  platform::ui::ButtonPlus* EnterPayerIncome = nullptr;
  QAction* PrintPopup = nullptr;
  // 1 while the party's income window stands with its columns moved right.
  std::int16_t ClaimIncomeColumnsShifted = 0;
  std::int16_t PayerIncomeColumnsShifted = 0;

  void EnterClaimIncome_Click();
  void EnterPayerIncome_Click();
  // "Print Income Popups": the income report.
  void PrintPopup_Click();

  // income::ExpressLink
  income::FilingOptions Filing(casevars::Party party) const override;
  bool MonthlyDataChecked() const override;
  void SetGrossIncome(casevars::Party party, const QString& text) override;
  QString CaseName() const override;

 private:
  // Marks `item` and clears `partner` unless `item` is marked already.
  static void MarkPair(QAction* item, QAction* partner);
  void ShowControls(std::initializer_list<const char*> names, bool visible);
  void BuildIncomeControls();
  void EnterIncome(casevars::Party party);

  shell::Program& program_;
};

}  // namespace express
