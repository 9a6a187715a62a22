#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

#include <QImage>

#include "engine/childsupport/ChildSupportRun.h"
#include "express/ExpressScreen.h"
#include "express/Prompter.h"
#include "express/ui/FormFields.h"
#include "express/ui/TimeBoxKeys.h"
#include "income/IncomeLinks.h"
#include "platform/ui/Form.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace platform::ui {
class ButtonPlus;
}

namespace shell {
class Program;
}

namespace express {

// The Express screen, "Case Data Express Entry": the program's home window,
// where every fact of a case but the incomes is typed. Its fields keep the
// case for the whole run; they reach the case variables when a run checks
// them. Closing the window asks whether to quit the program; a double quote
// typed into any of its fields becomes an apostrophe. It gives the income
// windows what they read and write of it as their ExpressLink.
class Form1 : public platform::ui::Form, public ExpressScreen {
  Q_OBJECT
 public:
  explicit Form1(shell::Program& program, QWidget* parent = nullptr);

  // Calculation preferences (Form1.cpp).
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
  // Sequencing, entry period and save folder: the same for their items.
  void AutoCalc_Click();
  void YearlyData_Click();
  void MonthlyData_Click();
  void LastLocation_Click();
  void UserDefault_Click();

  // The question before the program ends; true when the user said Yes (the
  // program is then ended).
  bool Quit_Click();

  // The runs (Form1Runs.cpp). Each checks the screen's entries (stopping at
  // the first wrong one), brings the income windows' and the parenting-time
  // window's values into the case variables and calls its engine.
  void ChildSupportButton_Click();
  void AlimonyButton_Click();
  // The child support engine over the case variables as they stand, the
  // transfer written into ChildSupport; false (the user told) when the
  // engine stopped.
  bool ComputeChildSupport();
  // "Alimony Taxable to Payee": the note on the tax treatment.
  void OptionTaxedToPayee_Click();

  // Menu commands (Form1Commands.cpp).
  void Save_Click();
  void Open_Click();
  // The commands of the foot of the screen that open other windows or clear
  // the case: "Clear Data", the worksheet, the long and the short affidavit,
  // the education and skills table.
  void ClearData_Click();
  void RunWaWs_Click();
  void RunAffadavit_Click();
  void ButtonPlus1_Click();
  void EdSkillsCommand_Click();
  void PrinterSetup_Click();
  void PrintScreenImage_Click();
  void ChangePreparer_Click();
  void Color_Click();
  void Scaling_Click();
  void DB_Click();
  void IRA_Click();
  void OnightsE_Click();
  void FinCalc_Click();
  void InteractiveHelp_Click();
  void UserManual_Click();

  // The white print scheme of the screen image and the grey screen scheme
  // (Form1Schemes.cpp).
  void MakeScreenWhite();
  Q_INVOKABLE void MakeScreenGrey();
  // The picture the last "Print Screen Image" took of the window.
  const QImage& ScreenImage() const { return screenImage_; }

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

  // Children (frame AgesFrame).
  QLineEdit* NumChild = nullptr;
  QLineEdit* MinChild = nullptr;
  QLabel* MinChildLabel = nullptr;

  // Claimant's personal status (Frame4).
  QRadioButton* FParentOption = nullptr;  // Petitioner
  QRadioButton* MParentOption = nullptr;  // Respondent
  QLineEdit* ClaimantName = nullptr;
  QLineEdit* YrsMarriage = nullptr;
  QLineEdit* ClaimAge = nullptr;
  QLineEdit* EdSkillScore = nullptr;

  // Caregiver characterization.
  QGroupBox* CharacterizationFrame = nullptr;
  std::array<QRadioButton*, 3> CharOption{};  // CharOption1 to CharOption3

  // Income and tax status (Frame3, Frame2); the income windows' part is in Form1Income.cpp.
  // Filing status options, in the order HeadHouse, Single, Married, MFJ.
  std::array<QRadioButton*, 4> ClaimFiling{};
  std::array<QRadioButton*, 4> PayerFiling{};
  QLineEdit* ClaimGrossInc = nullptr;  // read-only: the income windows write them
  QLineEdit* PayGrossInc = nullptr;
  QLineEdit* ClaimDepend17 = nullptr;
  QLineEdit* PayerDepend17 = nullptr;
  QLineEdit* ClaimStateTax = nullptr;
  QLineEdit* PayerStateTax = nullptr;
  QComboBox* ClaimStateTaxCombo = nullptr;
  QComboBox* PayerStateTaxCombo = nullptr;
  QLineEdit* ClaimDependents = nullptr;  // never shown; kept for the case file
  QLineEdit* PayerDependents = nullptr;
  platform::ui::ButtonPlus* EnterClaimIncome = nullptr;
  platform::ui::ButtonPlus* EnterPayerIncome = nullptr;

  // Family custodial status (Frame1).
  QGroupBox* Frame1 = nullptr;
  QRadioButton* NoMinorOption = nullptr;
  QRadioButton* CustodialOption = nullptr;
  QRadioButton* NonCustodialOption = nullptr;
  QRadioButton* SharedOption = nullptr;
  QRadioButton* SplitOption = nullptr;
  QGroupBox* ShareSplitFrame = nullptr;
  QLineEdit* ClaimDays = nullptr;  // read-only: the parenting-time window writes them
  QLineEdit* PayerDays = nullptr;
  QLineEdit* PercentOfTimeValue = nullptr;
  QLineEdit* PayerPerCent = nullptr;
  platform::ui::ButtonPlus* SharedCalc = nullptr;
  QGroupBox* Frame10 = nullptr;
  QLineEdit* ClaimantPossession11 = nullptr;
  QLineEdit* OtherPossession11 = nullptr;
  std::array<QWidget*, 6> ChildFrame{};
  std::array<QRadioButton*, 6> ClaimChild{};
  std::array<QRadioButton*, 6> OtherChild{};
  std::array<QLabel*, 6> ChildLabel{};

  // Child care and health costs (Frame9, Frame8).
  QLineEdit* ClaimDayCare = nullptr;
  QLineEdit* ClaimNumCare = nullptr;
  QLineEdit* OtherDayCare = nullptr;
  QLineEdit* OtherNumCare = nullptr;
  QLineEdit* ClaimHealthCare = nullptr;
  QLineEdit* OtherHealthCare = nullptr;
  QLineEdit* ClaimSpecial = nullptr;
  QLineEdit* OtherSpecial = nullptr;

  // Alimony and the two monthly transfers.
  QRadioButton* OptionTaxedToPayer = nullptr;
  QRadioButton* OptionTaxedToPayee = nullptr;
  QCheckBox* ApplyMaintToCS = nullptr;
  QLineEdit* CurrentMaintTransfer = nullptr;
  QLineEdit* ChildSupport = nullptr;

  // Commands. The runs and the other windows' buttons come with those windows.
  platform::ui::ButtonPlus* ClearData = nullptr;
  platform::ui::ButtonPlus* ChildSupportButton = nullptr;
  platform::ui::ButtonPlus* AlimonyButton = nullptr;
  platform::ui::ButtonPlus* RunWaWs = nullptr;
  platform::ui::ButtonPlus* RunAffadavit = nullptr;
  platform::ui::ButtonPlus* ButtonPlus1 = nullptr;
  platform::ui::ButtonPlus* EdSkillsCommand = nullptr;

  QAction* PrintPopup = nullptr;
  // 1 while the party's income window stands with its columns moved right.
  std::int16_t ClaimIncomeColumnsShifted = 0;
  std::int16_t PayerIncomeColumnsShifted = 0;

  void EnterClaimIncome_Click();
  void EnterPayerIncome_Click();
  // "Print Income Popups": the income report.
  void PrintPopup_Click();

  // State tax combo boxes: a choice resets the party's state tax box.
  void ClaimStateTaxCombo_Click();
  void PayerStateTaxCombo_Click();

  // Children, custody and time-sharing (Form1Custody.cpp): the user's
  // clicks and edits run the Express area's screen code on these fields.
  ExpressFields& Fields() override { return fields_; }
  Prompter& Prompts() override { return prompter_; }
  // Opens the parenting-time window and refreshes the tiers.
  void SharedCalc_Click();

  // income::ExpressLink
  income::FilingOptions Filing(casevars::Party party) const override;
  bool MonthlyDataChecked() const override;
  void SetGrossIncome(casevars::Party party, const QString& text) override;
  QString CaseName() const override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Marks `item` and clears `partner` unless `item` is marked already.
  static void MarkPair(QAction* item, QAction* partner);
  void ShowControls(std::initializer_list<const char*> names, bool visible);
  void BuildMenus();
  void ConnectRuns();        // Form1Runs.cpp
  void PrepareIncomeAndTiers();
  void HideForResults();
  // Tells the user that `what` is not available yet in this version.
  void NotAvailableYet(const QString& what);
  void SchemeColours(bool white);
  void BuildFields();         // Form1Design.cpp
  void BuildIncomeFrames();   // Form1Design.cpp
  void BuildCustodyFrame();   // Form1Design.cpp
  void BuildCostFrames();     // Form1Design.cpp
  void ConnectFields();
  void ConnectCustody();      // Form1Custody.cpp
  void EnterIncome(casevars::Party party);
  void StateTaxCombo_Click(QComboBox* combo, QLineEdit* box);
  void ParentOption_Click(QRadioButton* clicked);

  // Key handling of the time-sharing boxes: a key released in the box it was
  // pressed in converts from the text before it.
  bool TimeBoxKey(QObject* watched, QEvent* event);

  shell::Program& program_;
  FormFields fields_{*this};
  Prompter prompter_;
  TimeBoxKeys timeBoxKeys_;
  QImage screenImage_;
};

}  // namespace express
