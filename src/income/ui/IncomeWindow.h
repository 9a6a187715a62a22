#pragma once

#include <QString>

#include <array>
#include <functional>
#include <map>
#include <memory>

#include "case/CaseVars.h"
#include "income/IncomeFields.h"
#include "income/IncomeLinks.h"
#include "income/IncomePeriod.h"
#include "platform/ui/Form.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QRadioButton;

namespace platform {
class Dialogs;
}
namespace platform::ui {
class ButtonPlus;
class EntryBox;
class TabControl;
}  // namespace platform::ui

namespace income {

class AmountBox;

// What an income window needs of the rest of the program. A null link
// stands for the do-nothing default.
struct IncomeWindowServices {
  ExpressLink* express = nullptr;
  BusinessLink* business = nullptr;
  // Null while the program has no Impute Income window: the menu item says so.
  ImputeLink* impute = nullptr;
  // The program's message box ("Entry Error" messages); null: none shown.
  platform::Dialogs* dialogs = nullptr;
  // Keeps alive links made for this window alone (the program's business link).
  std::shared_ptr<void> owned;
};

// A party's income window: "Claimant's Income" (Form13) or "Other Party's
// Income" (Form14), one design with the party's control names. The window
// keeps the party's income entries in its boxes as text and in the case
// variables as numbers; its public methods are what the runs, the case file
// and the other windows call, whether it is shown or not.
class IncomeWindow : public platform::ui::Form {
  Q_OBJECT
 public:
  IncomeWindow(casevars::Party party, casevars::CaseVars& vars, IncomeWindowServices services,
               QWidget* parent = nullptr);
  ~IncomeWindow() override;

  casevars::Party WhichParty() const { return party_; }
  IncomePeriod IncomeEntryPeriod() const { return period_; }

  // Boxes to case variables, without redrawing anything; a box holding an
  // entry it refuses (a negative where none can be, a text that is not a
  // number, an amount past the limit) gives nothing.
  void AssignPopUpVars();
  // Redraws the income boxes from their variables (emptying a blank box and
  // leaving one that holds an entry it refuses for the user to correct),
  // totals both columns and hands on the gross income.
  void AddIncomeVars();
  // Reads the adjustment, credit and deduction boxes and derives the tax and
  // guideline figures.
  void AssignDeductVars();
  // The period commands. Each converts every period amount from the current
  // period; false when a converted amount would not fit, in which case the
  // period and the amounts stay as they were (the user has been told), and,
  // without a message, while a box holds an entry it refuses (RefusedEntry).
  bool Yearly_Click();
  bool Monthly_Click();
  bool SemiWeekly_Click();
  bool Weekly_Click();
  bool Hourly_Click();
  bool ChangePeriod(IncomePeriod period);

  // Shows an "Entry Error" message in the program's message box (the
  // business window's entry errors come here too).
  void EntryError(const QString& prompt);

  // Window handlers.
  void Form_Load();
  void Form_Activate();
  // Closing: the amounts become yearly and the window hides. Returns false
  // when the window stays open (the yearly conversion was refused).
  bool Form_Unload();
  void ExitOut_Click() { Form_Unload(); }
  void SSTab1_Click(int previousTab);
  void Business_Click();
  void Impute_Click();
  void EICCheck_Click();
  void ItemizedDeduction_Click();
  void StandardDeduction_Click();

  // Handlers of the amount boxes.
  void AmountKeyUp(const AmountField& field, int keyCode);
  void AmountEdited(const AmountField& field);
  void AmountGotFocus(const AmountField& field);
  void AmountLostFocus(const AmountField& field);
  // A box still holding an entry it refuses is refused again (its page
  // brought forward, message, focus) before the window closes or changes
  // period: true then.
  bool RefuseHeldEntry();
  // The entry message for the first shown box of this window or of the
  // party's business window that holds an entry it refuses, naming the
  // window, the tab and the box's caption; empty when none does. The runs
  // read these windows only when it is empty.
  QString RefusedEntry() const;

  // Controls. Boxes by their field (control name: the party's prefix and
  // the field's suffix, "ClaimEarned", "PayerTips(1)").
  AmountBox* Box(const AmountField& field) const;
  AmountBox* Box(const char* suffix, int index = -1) const;
  QString Prefix() const { return PartyPrefix(party_); }

  platform::ui::TabControl* SSTab1 = nullptr;
  platform::ui::ButtonPlus* Business = nullptr;
  QLabel* TimeLabel = nullptr;
  QLabel* TimeLabel2 = nullptr;
  QWidget* SelfDeductionFrame = nullptr;
  QLineEdit* Text2 = nullptr;
  QLineEdit* Text3 = nullptr;
  QPlainTextEdit* Text5 = nullptr;
  QCheckBox* Age65 = nullptr;        // ClaimantAge65 / OtherAge65
  QCheckBox* SpouseAge65 = nullptr;  // ClaimantSpouseAge65 / OtherSpouseAge65
  QRadioButton* StandardDeduction = nullptr;
  QRadioButton* ItemizedDeduction = nullptr;
  QCheckBox* EICCheck = nullptr;
  std::array<QRadioButton*, 4> EICChoices{};  // None, One, Two, Three
  QCheckBox* RealSDCheck = nullptr;
  QLabel* ItemizedNote1 = nullptr;  // Label1
  QLabel* ItemizedNote2 = nullptr;  // Label2 (Form14: Label12)
  std::array<QLabel*, 24> RowLabels{};  // LabelC1..LabelC24 / LabelP1..LabelP24
  std::array<QLabel*, 6> MFJLabels{};   // MFJLabel1..MFJLabel6

  QMenu* Time = nullptr;
  std::array<QAction*, 5> PeriodItems{};  // Yearly, Monthly, SemiWeekly, Weekly, Hourly
  QAction* Impute = nullptr;
  QAction* ExitOut = nullptr;

  // The new-spouse controls, shown exactly while the party files jointly.
  std::vector<QWidget*> NewSpouseControls() const;
  // The controls the column shift moves.
  std::vector<QWidget*> ShiftedControls() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildDesign();  // IncomeWindowDesign.cpp
  // On a wide screen the fitting scales widths by a larger factor than
  // positions (ScaleFactorX against ScaleFactorMin); the controls inside the
  // tabs' frames then take the positions' factor, so that each row's caption
  // and its leader end at the amount column and the business button before
  // its row's caption. The frames keep their width. (IncomeWindowDesign.cpp)
  void KeepProportions();
  void ConnectHandlers();
  void ShowPeriod();
  void RescaleBoxes();
  // Reads a box by the read rule (its amount into the variable) or the keep
  // rule (the variable redrawn); a box without a number shows "$" and its
  // variable becomes 0.
  void ReadRule(const AmountField& field);
  void KeepRule(const AmountField& field);
  FilingOptions Filing() const;

  casevars::Party party_;
  casevars::CaseVars& vars_;
  casevars::PartyIncome& in_;
  IncomeWindowServices services_;
  IncomePeriod period_ = IncomePeriod::Monthly;
  std::map<const AmountField*, AmountBox*> boxes_;
  // Where each box stands, as a refused entry names it (set by the design).
  std::map<const AmountField*, QString> places_;
  // The boxes the user enters, that the window shows (on any of its tabs).
  std::vector<platform::ui::EntryBox*> ShownEntryBoxes() const;
};

// Enables the containers of the selected tab of a tab control and disables
// those of the others, gives the focus to the selected tab's container with
// the lowest tab order, and disables every menu item of the window.
void ChangeTab(platform::ui::Form& window, platform::ui::TabControl& tabs);

// The claimant's and the other party's income windows.
class Form13 : public IncomeWindow {
  Q_OBJECT
 public:
  Form13(casevars::CaseVars& vars, IncomeWindowServices services, QWidget* parent = nullptr)
      : IncomeWindow(casevars::Party::Claim, vars, std::move(services), parent) {}
};

class Form14 : public IncomeWindow {
  Q_OBJECT
 public:
  Form14(casevars::CaseVars& vars, IncomeWindowServices services, QWidget* parent = nullptr)
      : IncomeWindow(casevars::Party::Payer, vars, std::move(services), parent) {}
};

}  // namespace income
