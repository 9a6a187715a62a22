#include "income/ui/IncomeWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

#include "income/AmountText.h"
#include "income/Deductions.h"
#include "income/IncomeTotals.h"
#include "income/ui/AmountBox.h"
#include "platform/Dialogs.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/TabControl.h"
#include "prefs/Preferences.h"

namespace income {

using casevars::Party;
using namespace platform;
using namespace platform::ui;

namespace {

ExpressLink& Or(ExpressLink* link) {
  static ExpressLink none;
  return link ? *link : none;
}
BusinessLink& Or(BusinessLink* link) {
  static BusinessLink none;
  return link ? *link : none;
}

}  // namespace

IncomeWindow::IncomeWindow(Party party, casevars::CaseVars& vars, IncomeWindowServices services,
                           QWidget* parent)
    : Form(party == Party::Claim ? QStringLiteral("Form13") : QStringLiteral("Form14"), parent),
      party_(party),
      vars_(vars),
      in_(vars.Income[party]),
      services_(std::move(services)) {
  BuildDesign();
  ConnectHandlers();
  ShowPeriod();
}

IncomeWindow::~IncomeWindow() = default;

AmountBox* IncomeWindow::Box(const AmountField& field) const {
  const auto it = boxes_.find(&field);
  return it == boxes_.end() ? nullptr : it->second;
}

AmountBox* IncomeWindow::Box(const char* suffix, int index) const {
  const AmountField* field = FindAmountField(QString::fromUtf8(suffix), index);
  return field ? Box(*field) : nullptr;
}

FilingOptions IncomeWindow::Filing() const { return Or(services_.express).Filing(party_); }

void IncomeWindow::ConnectHandlers() {
  for (const auto& [field, box] : boxes_) {
    const AmountField* f = field;
    box->DiscardEnter = f->keyPress;
    if (f->keyUp) box->KeyUp = [this, f](int key, Qt::KeyboardModifiers) { AmountKeyUp(*f, key); };
    if (f->gotFocus) box->GotFocus = [this, f] { AmountGotFocus(*f); };
    if (f->income) box->LostFocus = [this, f] { AmountLostFocus(*f); };
    box->Edited = [this, f] { AmountEdited(*f); };
    box->TooLarge = [this] { EntryError(AmountTooLargeMessage()); };
    box->SetAmountSign(f->sign);
    if (f->gotFocus) box->Refused = [this](const QString& message) { EntryError(message); };
  }
  for (IncomePeriod p : kIncomePeriods)
    connect(PeriodItems[static_cast<size_t>(p)], &QAction::triggered, this, [this, p] {
      if (RefuseHeldEntry()) ShowPeriod();  // the menu may have moved a check mark
      else ChangePeriod(p);
    });
  connect(Impute, &QAction::triggered, this, [this] { Impute_Click(); });
  connect(ExitOut, &QAction::triggered, this, [this] { ExitOut_Click(); });
  connect(SSTab1, &TabControl::Click, this, [this](int previous) { SSTab1_Click(previous); });
  connect(Business, &QPushButton::clicked, this, [this] { Business_Click(); });
  connect(EICCheck, &QCheckBox::toggled, this, [this] { EICCheck_Click(); });
  connect(ItemizedDeduction, &QRadioButton::toggled, this, [this](bool on) {
    if (on) ItemizedDeduction_Click();
  });
  connect(StandardDeduction, &QRadioButton::toggled, this, [this](bool on) {
    if (on) StandardDeduction_Click();
  });
}

// ---- boxes and variables -----------------------------------------------------

void IncomeWindow::AssignPopUpVars() {
  for (const AmountField& f : AmountFields()) {
    if (f.total) continue;
    const AmountReading r = Box(f)->Reading();
    if (r.isAmount()) in_.*f.variable = r.value;
    else if (!r.refused() && (f.variable == &casevars::PartyIncome::YrOtherSupport ||
                              f.variable == &casevars::PartyIncome::YrMedCare))
      in_.*f.variable = 0;
  }
  int choice = -1;
  for (int i = 0; i < 4 && choice < 0; ++i)
    if (EICChoices[size_t(i)]->isChecked()) choice = i;
  if (auto children = EICChildrenOf(EICCheck->isChecked(), choice)) in_.EICChildren = *children;
}

void IncomeWindow::AddIncomeVars() {
  for (const AmountField& f : AmountFields()) {
    if (!f.income) continue;
    AmountBox* box = Box(f);
    const AmountReading r = box->Reading();
    if (r.refused()) continue;  // left for the user to correct
    if (r.isAmount()) {
      box->setText(FormatAmount(in_.*f.variable, kIncomePattern));
    } else {
      box->setText(QString());
      in_.*f.variable = 0;
    }
  }
  in_.YrTotal = ColumnTotal(in_, Column::Party);
  Box("Total")->setText(FormatAmount(in_.YrTotal, kIncomePattern));
  in_.YrTotal1 = ColumnTotal(in_, Column::Spouse);
  Box("Total1")->setText(FormatAmount(in_.YrTotal1, kIncomePattern));
  const GrossIncome gross = GrossIncomeOf(in_.YrTotal, period_);
  Or(services_.express).SetGrossIncome(party_, FormatAmount(gross.monthly, kDeductionPattern));
  in_.YrGrossIncome = gross.yearly;
}

void IncomeWindow::ReadRule(const AmountField& f) {
  const AmountReading r = Box(f)->Reading();
  if (r.isAmount()) in_.*f.variable = r.value;
  KeepRule(f);
}

void IncomeWindow::KeepRule(const AmountField& f) {
  const AmountReading r = Box(f)->Reading();
  if (r.refused()) return;  // left for the user to correct
  if (r.isAmount()) {
    Box(f)->setText(FormatAmount(in_.*f.variable, kDeductionPattern));
  } else {
    Box(f)->setText(QStringLiteral("$"));
    in_.*f.variable = 0;
  }
}

void IncomeWindow::AssignDeductVars() {
  auto read = [this](const char* suffix) { ReadRule(*FindAmountField(QString::fromUtf8(suffix))); };
  auto keep = [this](const char* suffix) { KeepRule(*FindAmountField(QString::fromUtf8(suffix))); };
  read("ItemizedAmount");
  for (const char* s : {"PriorMaintPaid", "PriorMaintPaid2", "PriorMaintPaid1", "PriorMaintPaid3"}) keep(s);
  for (const char* s : {"IRADeduct", "OtherDeduct", "SelfRetirementDeduct", "SelfHealthDeduct", "OtherCredits"}) read(s);
  for (const char* s : {"StIndus", "Dues", "PensionPay", "MedCare", "OtherSupport"}) keep(s);

  DeductionChoices choices;
  choices.filing = Filing();
  choices.standardDeduction = StandardDeduction->isChecked();
  choices.eicCheck = EICCheck->isChecked();
  for (int i = 0; i < 4 && choices.eicChoice < 0; ++i)
    if (EICChoices[size_t(i)]->isChecked()) choices.eicChoice = i;
  choices.age65 = Age65->isChecked();
  choices.spouseAge65 = SpouseAge65->isChecked();
  BusinessLink& business = Or(services_.business);
  ApplyDeductions(in_, choices, business.Tips(party_), [this, &business](double agiBase) {
    business.GetBusinessDeduction(party_, agiBase);
    return vars_.Business[party_].YrBusDeduction;
  });
}

// ---- the entry period ----------------------------------------------------------

bool IncomeWindow::Yearly_Click() { return ChangePeriod(IncomePeriod::Yearly); }
bool IncomeWindow::Monthly_Click() { return ChangePeriod(IncomePeriod::Monthly); }
bool IncomeWindow::SemiWeekly_Click() { return ChangePeriod(IncomePeriod::SemiWeekly); }
bool IncomeWindow::Weekly_Click() { return ChangePeriod(IncomePeriod::Weekly); }
bool IncomeWindow::Hourly_Click() { return ChangePeriod(IncomePeriod::Hourly); }

bool IncomeWindow::ChangePeriod(IncomePeriod period) {
  AddIncomeVars();
  AssignDeductVars();
  const double factor = period == period_ ? 1.0 : PeriodFactor(period_, period);
  if (!CanRescale(in_, factor)) {
    ShowPeriod();  // a menu click may have moved a check mark
    EntryError(platform::ConversionTooLargeMessage(PeriodName(period)));
    return false;
  }
  if (!RefusedEntry().isEmpty()) {
    // Converting would write over an entry a box refuses: the user corrects
    // it first (told here when the window is shown, else by the run's check).
    ShowPeriod();
    if (isVisible()) RefuseHeldEntry();
    return false;
  }
  vars_.Income.IncomePeriodFactor = factor;
  period_ = period;
  ShowPeriod();
  Rescale(in_, factor);
  RescaleBoxes();
  return true;
}

void IncomeWindow::ShowPeriod() {
  for (IncomePeriod p : kIncomePeriods) PeriodItems[static_cast<size_t>(p)]->setChecked(p == period_);
  TimeLabel->setText(PeriodLabel(period_));
  TimeLabel2->setText(PeriodLabel(period_));
}

void IncomeWindow::RescaleBoxes() {
  for (const AmountField& f : AmountFields())
    if (f.rescaled) Box(f)->setText(FormatAmount(in_.*f.variable, kIncomePattern));
}

void IncomeWindow::EntryError(const QString& prompt) {
  if (services_.dialogs)
    services_.dialogs->ShowMessageBox(prompt, platform::kBoxOk, QString::fromUtf8(kEntryErrorTitle));
}

// ---- amount boxes ---------------------------------------------------------------

std::vector<platform::ui::EntryBox*> IncomeWindow::ShownEntryBoxes() const {
  std::vector<platform::ui::EntryBox*> boxes;
  for (const AmountField& f : AmountFields()) {
    AmountBox* box = Box(f);
    if (box->isVisibleTo(SSTab1->Page(f.tab))) boxes.push_back(box);
  }
  return boxes;
}

bool IncomeWindow::RefuseHeldEntry() {
  return platform::ui::EntryBox::RefuseHeldEntry(ShownEntryBoxes(), [this](platform::ui::EntryBox* box) {
    SSTab1->SetTab(SSTab1->PageOf(box));
  });
}

QString IncomeWindow::RefusedEntry() const {
  for (platform::ui::EntryBox* box : ShownEntryBoxes())
    if (box->HoldsRefusedEntry())
      return platform::RefusalMessage(box->Reading(), places_.at(static_cast<AmountBox*>(box)->Field()));
  return Or(services_.business).RefusedEntry(party_);
}

void IncomeWindow::AmountKeyUp(const AmountField& f, int keyCode) {
  const AmountReading r = Box(f)->Reading();
  if (r.isAmount()) in_.*f.variable = r.value;
  if (keyCode != 13 || f.enter == EnterAction::Stay) return;
  if (f.enter == EnterAction::RecomputeAndMove) AddIncomeVars();
  if (AmountBox* next = Box(f.enterSuffix, f.enterIndex)) next->setFocus(Qt::OtherFocusReason);
}

void IncomeWindow::AmountEdited(const AmountField& f) {
  const AmountReading r = Box(f)->Reading();
  if (f.keyUp && r.isAmount()) in_.*f.variable = r.value;
}

void IncomeWindow::AmountGotFocus(const AmountField& f) { Box(f)->setCursorPosition(1); }

void IncomeWindow::AmountLostFocus(const AmountField&) { AddIncomeVars(); }

// ---- the window --------------------------------------------------------------------

void IncomeWindow::Form_Load() {
  const QString scheme = prefs::ScreenDefault.read();
  OleColor colour = 0;
  if (scheme == QLatin1String("TV")) colour = kSchemeFace;
  else if (scheme == QLatin1String("Sys")) colour = kSysButtonFace;
  else return;
  SetTabPaintStyle(*SSTab1, 0);
  SetTabSolidColor(*SSTab1, colour);
  HookTabControl(*SSTab1);
}

void IncomeWindow::Form_Activate() {
  AddIncomeVars();
  AssignDeductVars();
  if (Or(services_.express).MonthlyDataChecked()) Monthly_Click();
  else Yearly_Click();
  setWindowState(Qt::WindowNoState);
}

bool IncomeWindow::Form_Unload() {
  if (isVisible() && RefuseHeldEntry()) return false;
  AddIncomeVars();
  if (!Yearly_Click()) return false;
  AssignDeductVars();
  Or(services_.business).AssignNewVars(party_);
  hide();
  setWindowState(Qt::WindowMaximized);
  return true;
}

void IncomeWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Form_Unload();
}

void IncomeWindow::showEvent(QShowEvent* event) {
  KeepProportions();
  Form::showEvent(event);
  Form_Activate();
}

void IncomeWindow::changeEvent(QEvent* event) {
  Form::changeEvent(event);
  // The window cannot stay minimized or maximized while it is shown.
  if (event->type() == QEvent::WindowStateChange && isVisible() &&
      (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
    setWindowState(Qt::WindowNoState);
}

void IncomeWindow::SSTab1_Click(int) {
  ChangeTab(*this, *SSTab1);
  for (QAction* item : PeriodItems) item->setEnabled(true);
  ExitOut->setEnabled(true);
  Impute->setEnabled(true);
  const int tab = SSTab1->Tab();
  Time->menuAction()->setEnabled(tab == 0 || tab == 3);
  Impute->setEnabled(tab == 0);
  if (tab == 1) {
    const bool business = in_.YrSelf > 0;
    SelfDeductionFrame->setEnabled(business);
    for (QWidget* w : {static_cast<QWidget*>(Text2), static_cast<QWidget*>(Box("SelfHealthDeduct")),
                       static_cast<QWidget*>(Text3), static_cast<QWidget*>(Box("SelfRetirementDeduct"))})
      w->setVisible(business);
  }
}

void IncomeWindow::Business_Click() {
  Or(services_.business).ShowBusinessWindow(party_, Filing().MFJ);
  Form_Activate();
}

void IncomeWindow::Impute_Click() {
  if (!services_.impute) {
    if (services_.dialogs)
      services_.dialogs->ShowMessageBox(QStringLiteral("Imputing income is not available yet in this version of the program."),
                                        platform::kBoxInformation,
                                        QStringLiteral("Impute Income"));
    return;
  }
  services_.impute->ShowImputeWindow(party_);
  Form_Activate();
}

void IncomeWindow::EICCheck_Click() {
  for (QRadioButton* choice : EICChoices) choice->setVisible(EICCheck->isChecked());
}

void IncomeWindow::ItemizedDeduction_Click() {
  AmountBox* amount = Box("ItemizedAmount");
  amount->setReadOnly(false);
  amount->show();
  ItemizedNote1->show();
  ItemizedNote2->show();
}

void IncomeWindow::StandardDeduction_Click() {
  AmountBox* amount = Box("ItemizedAmount");
  amount->setReadOnly(true);
  amount->hide();
  amount->setText(QString());
  Box("ItemizedNoLimit")->setText(QString());
  ItemizedNote1->hide();
  ItemizedNote2->hide();
  Age65->show();
}

std::vector<QWidget*> IncomeWindow::NewSpouseControls() const {
  std::vector<QWidget*> controls;
  for (const AmountField& f : AmountFields())
    if (f.column == Column::Spouse) controls.push_back(Box(f));
  for (QLabel* l : MFJLabels) controls.push_back(l);
  controls.push_back(SpouseAge65);
  return controls;
}

std::vector<QWidget*> IncomeWindow::ShiftedControls() const {
  std::vector<QWidget*> controls;
  for (const AmountField& f : AmountFields())
    if (f.tab == 0 || f.tab == 3) controls.push_back(Box(f));
  for (QLabel* l : RowLabels) controls.push_back(l);
  for (QLabel* l : MFJLabels) controls.push_back(l);
  return controls;
}

void ChangeTab(Form& window, TabControl& tabs) {
  int lowest = 99999;
  for (QWidget* c : window.Controls()) {
    int page = -1;
    for (int i = 0; i < tabs.Tabs(); ++i)
      if (c->parentWidget() == tabs.Page(i)) page = i;
    if (page < 0) continue;
    if (page != tabs.Tab()) {
      c->setEnabled(false);
      continue;
    }
    c->setEnabled(true);
    const int tabIndex = c->property("TabIndex").toInt();
    if (tabIndex < lowest) {
      lowest = tabIndex;
      if (!c->isHidden() && c->focusPolicy() != Qt::NoFocus) c->setFocus(Qt::OtherFocusReason);
    }
  }
  for (QAction* item : window.MenuItems()) item->setEnabled(false);
}

}  // namespace income
