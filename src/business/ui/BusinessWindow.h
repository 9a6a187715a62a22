#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "business/BusinessBoxes.h"
#include "business/BusinessDeduction.h"
#include "business/BusinessPeriod.h"
#include "case/CaseVars.h"
#include "platform/ui/Form.h"
#include "shell/ScreenFactors.h"

#include <QPointer>

class QAction;
class QCheckBox;
class QEventLoop;
class QGroupBox;
class QLabel;
class QMenu;

namespace platform::ui {
class EntryBox;
class WindowRegistry;
}

namespace business {

using AmountBox = platform::ui::EntryBox;
class FormBus;

// What a business window asks of the windows around it. Each is empty by
// default, and then does nothing (or answers "not monthly").
struct BusinessWindowLinks {
  // True when the Express screen's menu item MonthlyData carries its check mark.
  std::function<bool()> MonthlyDataChecked;
  // The party's income window (Form13 / Form14): its Yearly_Click (false when
  // that window refused the conversion and said why).
  std::function<bool()> IncomeYearly_Click;
  // Shows an "Entry Error" message in the program's message box.
  std::function<void(const QString& prompt)> EntryError;
  // Sets the text of the income window's business income box of a column:
  // ClaimSelf (0) and ClaimSelf1 (1) on Form13, PayerSelf and PayerSelf1 on Form14.
  std::function<void(int column, const QString& text)> SetIncomeSelfBox;
  // The program's screen factors, which the help command's fit keeps current;
  // null: the window keeps them for itself.
  shell::ScreenFactors* Screen = nullptr;
  // The program's windows: the help window FormBus is loaded through it (so
  // IsFormLoaded("FormBus") answers for it); null: the window makes it itself.
  platform::ui::WindowRegistry* Registry = nullptr;
};

// A business income window: Form26 (the claimant's) and Form27 (the other
// party's) are this class for their party. Every box, check box and total is a
// pair of controls, element 0 for the party and element 1 for the new spouse;
// each is named on the window with its element in parentheses: "AWages(0)",
// "AWages(1)", "ClaimATips(1)", "TotalPass(0)", "ATrade(1)" (so
// Control("AWages(1)") finds it). Amounts live in the case variables
// (casevars::PartyBusiness); the boxes show them.
//
// The window is created once, hidden, and fitted by the start-up layout pass
// (shell::FitTabFormToScreen); closing it hides it, so its boxes keep the case.
class BusinessWindow : public platform::ui::Form {
  Q_OBJECT
 public:
  BusinessWindow(casevars::CaseVars& vars, casevars::Party party, QWidget* parent = nullptr);
  ~BusinessWindow() override;

  casevars::Party WindowParty() const { return party_; }
  BusinessWindowLinks Links;

  // --- For the income window's Business button ---
  // Shows or hides the new spouse's column: the New Spouse frames Frame2,
  // Frame3 and Frame7, the labels Label16, Label17, Label26, Label27 and
  // Label38, and element 1 of AWages, BWages, CWages, DWages, CPass, DPass,
  // TotalWages and TotalPass (the other element-1 controls stand in the frames).
  void SetNewSpouseColumnVisible(bool visible);
  // Shows the window modally and returns when it hides (it is closed or left
  // through Exit); it becomes active first, so its activation runs.
  void ShowModal();

  // --- Public methods ---
  // Activation: the Express screen's period (monthly or yearly), then both columns refreshed.
  void Form_Activate();
  // Reads the twenty boxes of a column (0 the party, any other value the new
  // spouse) into their variables; a text the box refuses (not a number, a
  // negative where none can be, past the limit) changes nothing.
  void AssignBusinessVars(int column);
  // Converts every amount by the factor of the latest switch and rewrites the boxes.
  void BusinessTimeAdjust();
  // Rewrites the boxes of a column from their variables (a blank box is
  // emptied and its variable set to 0; a box holding an entry it refuses is
  // left as it is, for the user to correct), recomputes the totals of
  // both columns and hands the business income to the income window's
  // variables. The box the user is in is first read as when it is left.
  void AddBusinessVars(int column);
  // Splits the business income for the tax estimate (AssignNewVars of
  // BusinessTotals.h) from the variables as they stand.
  void AssignNewVars();
  // The party's deduction at the adjusted gross income `yrAGI`, written to
  // YrBusDeduction and YrBusLossCarryover.
  void GetBusinessDeduction(double yrAGI);
  // The same deduction, writing nothing (the engine's service).
  tax::BusinessDeduction ComputeDeduction(double yrAGI) const;
  // The values of the four Service Trade check boxes of both columns.
  ServiceTradeFlags ServiceTrades() const;
  // Entry period switches; Monthly_Click and Yearly_Click are public methods
  // too. Each returns false when a converted amount would pass the program's
  // amount limit (the switch is refused with a message before anything
  // changes, and the window keeps its period) and, without a message, while a
  // box holds an entry it refuses (RefusedEntry says which).
  bool Yearly_Click();
  bool Monthly_Click();
  bool SemiWeekly_Click();
  bool Weekly_Click();
  BusinessPeriod EntryPeriod() const { return period_; }
  // Closing: the window switches to yearly, hands its business income to the
  // income window and hides; `cancel` is always set to 1. When the switch to
  // yearly is refused the window stays open; when the income window refuses
  // its own, the business income is not handed on (that window has said why).
  void Form_Unload(std::int16_t& cancel);
  void ExitOut_Click();
  // The help command (HelpBus on Form26, Bus on Form27): shows FormBus
  // modally, then the window becomes active again.
  void HelpBus_Click();
  // Resets every business variable of the party to 0 (for a new case).
  void ClearBusinessVars();
  // The help window while it is open, else null.
  FormBus* HelpWindow() const;
  // The entry message for the first shown box that holds an entry it refuses,
  // naming the window, the box's row and column heading: empty when none does.
  QString RefusedEntry() const;

  // --- Handlers of the amount boxes (one family for all twenty) ---
  void Box_GotFocus(Box box, int index);
  void Box_KeyPress(Box box, int index, std::int16_t& keyAscii);
  void Box_KeyUp(Box box, int index, int keyCode, Qt::KeyboardModifiers shift);
  void Box_LostFocus(Box box, int index);

  // --- Controls ---
  using BoxPair = std::array<AmountBox*, 2>;
  using CheckPair = std::array<QCheckBox*, 2>;
  BoxPair& Boxes(Box box);
  const BoxPair& Boxes(Box box) const;

  BoxPair AWages{}, BWages{}, CWages{}, DWages{}, CPass{}, DPass{}, REIT{};
  BoxPair AW2{}, BW2{}, CW2{}, DW2{}, ACap{}, BCap{}, CCap{}, DCap{};
  BoxPair ANot{}, BNot{};
  BoxPair ATips{}, BTips{}, CTips{};  // named ClaimATips ... on Form26, PayerATips ... on Form27
  BoxPair TotalWages{}, TotalPass{};  // locked
  CheckPair ATrade{}, BTrade{}, CTrade{}, DTrade{};
  QLabel* PTimeLabel = nullptr;
  QGroupBox* Frame1 = nullptr;  // businesses A and B
  QGroupBox* Frame2 = nullptr;  // their New Spouse frame
  QGroupBox* Frame4 = nullptr;  // S-corporations C and D
  QGroupBox* Frame3 = nullptr;  // their New Spouse frame
  QGroupBox* Frame6 = nullptr;  // REIT income
  QGroupBox* Frame7 = nullptr;  // its New Spouse frame

  QMenu* Time = nullptr;  // "Entry Time Period"
  QAction* Yearly = nullptr;
  QAction* Monthly = nullptr;
  QAction* SemiWeekly = nullptr;
  QAction* Weekly = nullptr;
  QAction* Hourly = nullptr;  // hidden and disabled
  QAction* ExitOut = nullptr;
  QAction* HelpBus = nullptr;  // named "Bus" on Form27

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  casevars::CaseVars& vars_;
  casevars::Party party_;
  BusinessPeriod period_ = BusinessPeriod::Yearly;
  QPointer<FormBus> help_;
  shell::ScreenFactors ownScreen_;

  casevars::PartyBusiness& bus() { return vars_.Business[party_]; }
  void build();
  void buildMenus();
  void connectBox(Box box, int column);
  bool SwitchTo(BusinessPeriod period);
  void EntryError(const QString& prompt);
  void ShowPeriodMarks();
  void ShowAmount(AmountBox* box, double amount);
  static void SetBoxText(AmountBox* box, const QString& text);
  void ShowTotals();
  // Reads a box into its variable when its text no longer shows the variable's amount.
  void TakeBoxText(Box box, int column);
  void TakeFocusedBox();
  // A box still holding an entry it refuses is refused again (message,
  // focus) before the window closes or changes period: true then.
  bool RefuseHeldEntry();
  // The boxes of both columns that the window shows (the new spouse's only
  // for a joint filer).
  std::vector<AmountBox*> ShownBoxes() const;
  // The place a box's refused entry is named by, set as the boxes are built.
  std::map<const AmountBox*, QString> places_;
  FormBus* LoadHelpWindow();
  // On a wide screen the fitting scales widths by a larger factor than
  // positions (ScaleFactorX against ScaleFactorMin); the window then brings
  // every width, its own included, to the positions' factor, so that the
  // controls keep the proportions of the design and none covers another.
  void KeepProportions();
};

// The claimant's business income window, "Claimant's Business Income".
class Form26 : public BusinessWindow {
  Q_OBJECT
 public:
  explicit Form26(casevars::CaseVars& vars, QWidget* parent = nullptr);
  // One business's deduction (both windows use it); see business::BusDeduction.
  static double BusDeduction(double taxableIncome, double qualifiedIncome, double w2Wages,
                            double property, const QString& filingStatus, std::int16_t serviceTrade);
};

// The other party's business income window, "Other Party's Business Income".
class Form27 : public BusinessWindow {
  Q_OBJECT
 public:
  explicit Form27(casevars::CaseVars& vars, QWidget* parent = nullptr);
  void Bus_Click() { HelpBus_Click(); }
};

// The engine's business-deduction service over the two windows: each party's
// deduction as its window computes it, writing nothing.
tax::BusinessDeductionFn BusinessDeductionService(const BusinessWindow& claimWindow,
                                                  const BusinessWindow& payerWindow);

}  // namespace business
