#include "express/ui/Form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include "platform/Dialogs.h"
#include "platform/ui/AmountLimitGuard.h"
#include "platform/ui/Beep.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/KeyPreview.h"
#include "express/ui/UserClicks.h"
#include "prefs/Preferences.h"
#include "shell/ui/Program.h"

namespace express {

namespace {

QAction* CheckItem(platform::ui::Form& form, QMenu* menu, const char* name, const char* caption,
                   bool marked) {
  QAction* item = form.addMenuItem(QString::fromLatin1(name), QString::fromLatin1(caption), menu);
  item->setCheckable(true);
  item->setChecked(marked);
  return item;
}

template <class Handler>
QAction* Command(platform::ui::Form& form, QMenu* menu, const char* name, const char* caption, Handler handler) {
  QAction* item = form.addMenuItem(QString::fromLatin1(name), QString::fromLatin1(caption), menu);
  QObject::connect(item, &QAction::triggered, &form, [handler] { handler(); });
  return item;
}

QMenu* SubMenu(QMenu* parent, const char* name, const char* caption) {
  QMenu* menu = parent->addMenu(QString::fromLatin1(caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

// A click on a marked item: the toolkit flips the mark before the handler
// runs, so the mark is put back first and the handler decides from the mark
// the item had when it was clicked.
template <class Handler>
void OnClick(QAction* item, Handler handler) {
  QObject::connect(item, &QAction::triggered, item, [item, handler](bool now) {
    item->setChecked(!now);
    handler();
  });
}

}  // namespace

Form1::Form1(shell::Program& program, QWidget* parent)
    : Form(QStringLiteral("Form1"), parent), program_(program), prompter_(program.Dialogs, [] { platform::ui::Beep(); }) {
  setWindowTitle(QStringLiteral("Case Data Express Entry"));
  BuildMenus();
  BuildFields();
  ConnectFields();
  for (const char* name : {"ChildSupport", "CurrentMaintTransfer", "ClaimDayCare", "OtherDayCare", "ClaimHealthCare",
                           "OtherHealthCare", "ClaimSpecial", "OtherSpecial", "ClaimStateTax", "PayerStateTax"})
    if (auto* box = qobject_cast<QLineEdit*>(Control(QLatin1String(name))))
      platform::ui::AmountLimitGuard::Attach(box, program.Dialogs);
}

void Form1::BuildMenus() {
  QMenu* file = addMenu(QStringLiteral("File"), QStringLiteral("      File"));
  Command(*this, file, "Save", "Save Client Data To File", [this] { Save_Click(); });
  file->addSeparator();
  Command(*this, file, "Open", "Open Client Data From File", [this] { Open_Click(); });
  file->addSeparator();
  Command(*this, file, "Quit", "Quit Program", [this] { Quit_Click(); });

  QMenu* print = addMenu(QStringLiteral("Print"), QStringLiteral("     Print"));
  Command(*this, print, "PrinterSetup", "Printer Setup", [this] { PrinterSetup_Click(); });
  print->addSeparator();
  Command(*this, print, "PrintScreenImage", "Print Screen Image", [this] { PrintScreenImage_Click(); });
  print->addSeparator();
  PrintPopup = Command(*this, print, "PrintPopup", "Print Income Popups", [this] { PrintPopup_Click(); });

  QMenu* calc = addMenu(QStringLiteral("CalcDefaults"), QStringLiteral("     Calculation Defaults"));
  QMenu* split = SubMenu(calc, "SplitCalc", "Split Calculation Defaults");
  Winters = CheckItem(*this, split, "Winters", "Use Winters v. Katseralis Method", true);
  split->addSeparator();
  Dual = CheckItem(*this, split, "Dual", "Use Dual Worksheet Method", false);
  calc->addSeparator();
  QMenu* interp = SubMenu(calc, "InterpolationDefault", "Support Table Interpolation Default");
  Linear = CheckItem(*this, interp, "Linear", "Interpolate Linearly Between Income Values", false);
  interp->addSeparator();
  Closest = CheckItem(*this, interp, "Closest", "Use Closest Income Value", true);
  calc->addSeparator();
  QMenu* sequencing = SubMenu(calc, "linej", "Sequencing Defaults");
  AutoCalc = CheckItem(*this, sequencing, "AutoCalc", "Alimony Is Calculated Before Child Support", true);
  // Child support first is reached only through a stored "CSFirst": the
  // item carries its check mark but is never offered.
  DontAutoCalc =
      CheckItem(*this, sequencing, "DontAutoCalc", "Child Support Is Calculated Before Alimony", false);
  DontAutoCalc->setVisible(false);
  DontAutoCalc->setEnabled(false);

  QMenu* preparer = addMenu(QStringLiteral("Preparer"), QStringLiteral("     Preparer Defaults"));
  QMenu* income = SubMenu(preparer, "IncomeData", "Income Data Entry Default Time Frame  ");
  YearlyData = CheckItem(*this, income, "YearlyData", "Enter Income As Yearly   ", true);
  income->addSeparator();
  MonthlyData = CheckItem(*this, income, "MonthlyData", "Enter Income As Monthly", false);
  Command(*this, preparer, "ChangePreparer", "Change Preparer's Default Name, Office, Top Margin",
          [this] { ChangePreparer_Click(); });
  preparer->addSeparator();
  QMenu* folder = SubMenu(preparer, "DefaultFolder", "Change Default Folder Location For Saved Data");
  LastLocation = CheckItem(*this, folder, "LastLocation",
                           "Always Open To The Last Location Where Program Data Files Were Saved", false);
  folder->addSeparator();
  UserDefault = CheckItem(
      *this, folder, "UserDefault",
      "Always Open To A Default Location (Click Here To Enter) For Saving  Data Files", false);
  preparer->addSeparator();
  Command(*this, preparer, "Color", "Change Command Button Style And Colors", [this] { Color_Click(); });
  preparer->addSeparator();
  Command(*this, preparer, "Scaling", "Program Display Scaling", [this] { Scaling_Click(); });

  QMenu* tools = addMenu(QStringLiteral("Tools"), QStringLiteral("     Tools"));
  Command(*this, tools, "DB", "Defined Benefit Plan Calculator", [this] { DB_Click(); });
  tools->addSeparator();
  Command(*this, tools, "IRA", "72(t) Withdrawal Calculator", [this] { IRA_Click(); });
  tools->addSeparator();
  Command(*this, tools, "OnightsE", "Overnight Count  Estimator", [this] { OnightsE_Click(); });
  tools->addSeparator();
  Command(*this, tools, "FinCalc", "Financial Calculator", [this] { FinCalc_Click(); });

  QMenu* help = addMenu(QStringLiteral("View"), QStringLiteral("     Help"));
  Command(*this, help, "InteractiveHelp", "Interactive Help", [this] { InteractiveHelp_Click(); });
  help->addSeparator();
  Command(*this, help, "UserManual", "View and Print User Manual", [this] { UserManual_Click(); });

  OnClick(Winters, [this] { Winters_Click(); });
  OnClick(Dual, [this] { Dual_Click(); });
  OnClick(Linear, [this] { Linear_Click(); });
  OnClick(Closest, [this] { Closest_Click(); });
  OnClick(AutoCalc, [this] { AutoCalc_Click(); });
  OnClick(YearlyData, [this] { YearlyData_Click(); });
  OnClick(MonthlyData, [this] { MonthlyData_Click(); });
  OnClick(LastLocation, [this] { LastLocation_Click(); });
  OnClick(UserDefault, [this] { UserDefault_Click(); });
}

void Form1::MarkPair(QAction* item, QAction* partner) {
  if (item->isChecked()) return;
  item->setChecked(true);
  partner->setChecked(false);
}

void Form1::ShowControls(std::initializer_list<const char*> names, bool visible) {
  for (const char* name : names)
    if (QWidget* c = Control(QString::fromLatin1(name))) c->setVisible(visible);
}

void Form1::SetMaintFirst() {
  AutoCalc->setChecked(true);
  DontAutoCalc->setChecked(false);
  program_.Case.Express.SequencingMode = 1;
  program_.Case.Express.MaintAppliedToCS = 1;
  ShowControls({"ChildSupport", "CSLabel", "CSLabel2", "ApplyMaintToCS"}, false);
  ShowControls({"MaintLabel", "CurrentMaintTransfer"}, true);
  if (auto* apply = qobject_cast<QAbstractButton*>(Control(QStringLiteral("ApplyMaintToCS"))))
    apply->setChecked(true);
}

void Form1::SetCSFirst() {
  DontAutoCalc->setChecked(true);
  AutoCalc->setChecked(false);
  program_.Case.Express.SequencingMode = 0;
  program_.Case.Express.MaintAppliedToCS = 0;
  ShowControls({"ChildSupport", "CSLabel", "CSLabel2"}, true);
  ShowControls({"ApplyMaintToCS", "MaintLabel", "CurrentMaintTransfer"}, false);
  if (auto* apply = qobject_cast<QAbstractButton*>(Control(QStringLiteral("ApplyMaintToCS"))))
    apply->setChecked(false);
  if (auto* transfer = qobject_cast<QLineEdit*>(Control(QStringLiteral("CurrentMaintTransfer"))))
    transfer->clear();
}

void Form1::Winters_Click() {
  MarkPair(Winters, Dual);
  prefs::SplitDefault.write(QStringLiteral("Winters"));
}

void Form1::Dual_Click() {
  MarkPair(Dual, Winters);
  prefs::SplitDefault.write(QStringLiteral("Dual"));
}

void Form1::Closest_Click() {
  MarkPair(Closest, Linear);
  prefs::InterpDefault.write(QStringLiteral("Closest"));
}

void Form1::Linear_Click() {
  MarkPair(Linear, Closest);
  prefs::InterpDefault.write(QStringLiteral("Linear"));
}

void Form1::AutoCalc_Click() {
  SetMaintFirst();
  prefs::MaintMode.write(QStringLiteral("MaintFirst"));
}

void Form1::YearlyData_Click() {
  YearlyData->setChecked(true);
  MonthlyData->setChecked(false);
  prefs::TimeDefault.write(QStringLiteral("Yearly"));
}

void Form1::MonthlyData_Click() {
  YearlyData->setChecked(false);
  MonthlyData->setChecked(true);
  prefs::TimeDefault.write(QStringLiteral("Monthly"));
}

void Form1::LastLocation_Click() {
  UserDefault->setChecked(false);
  LastLocation->setChecked(true);
  prefs::FileSaveDefault.write(QStringLiteral("WindowsDefault"));
}

void Form1::UserDefault_Click() {
  QString& folder = program_.State.DataFolder;
  folder = prefs::DataLoc.read();
  prefs::FileSaveDefault.write(QStringLiteral("UserDefault"));
  prefs::DataLoc.write(folder);
  const QString chosen = program_.Dialogs.BrowseForFolder(
      QStringLiteral("Click On The Folder To Set Or Change As The Default For Your Data Saves And Then "
                     "Click OK\r\nOr Click CANCEL To Use Your Current Default Which Is: ") +
      folder);
  if (!chosen.isEmpty()) {
    prefs::DataLoc.write(chosen);
    program_.Dialogs.ShowStandardInformation(chosen,
                                             QStringLiteral("This Folder Is Now Your Default Location For Data Saves"));
    prefs::FileSaveDefault.write(QStringLiteral("UserDefault"));
  } else {
    prefs::DataLoc.write(folder);
    program_.Dialogs.ShowStandardInformation(folder,
                                             QStringLiteral("This Folder Remains Your Default Location For Data Saves"));
  }
  UserDefault->setChecked(true);
  LastLocation->setChecked(false);
}

bool Form1::Quit_Click() {
  program_.QuitProgram();
  return program_.Ended();
}

void Form1::closeEvent(QCloseEvent* event) {
  // The window never closes by itself: it goes when the program ends.
  event->ignore();
  if (program_.State.QuitConfirmed == 1) return;
  Quit_Click();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && TimeBoxKey(watched, event))
    return Form::eventFilter(watched, event);
  // A double quote typed into any field arrives as an apostrophe.
  if (platform::ui::ApostropheForDoubleQuote(watched, event)) return true;
  return Form::eventFilter(watched, event);
}

void Form1::ConnectFields() {
  for (QWidget* c : Controls()) {
    if (qobject_cast<QLineEdit*>(c)) c->installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(c)) {
      combo->installEventFilter(this);
      if (combo->lineEdit()) combo->lineEdit()->installEventFilter(this);
    }
  }
  connect(EnterClaimIncome, &QPushButton::clicked, this, [this] { EnterClaimIncome_Click(); });
  connect(EnterPayerIncome, &QPushButton::clicked, this, [this] { EnterPayerIncome_Click(); });
  connect(ClaimStateTaxCombo, &QComboBox::activated, this, [this] { ClaimStateTaxCombo_Click(); });
  connect(PayerStateTaxCombo, &QComboBox::activated, this, [this] { PayerStateTaxCombo_Click(); });
  // The worksheet role asks only when the user turns an option on.
  for (QRadioButton* option : {FParentOption, MParentOption})
    OnTurnedOnByUser(option, this, [this, option] { ParentOption_Click(option); });
  ConnectCustody();
  ConnectRuns();
}

void Form1::StateTaxCombo_Click(QComboBox* combo, QLineEdit* box) {
  box->setText(combo->currentText() == QLatin1String("As Rate") ? QStringLiteral(".00") : QStringLiteral("$0"));
}

void Form1::ClaimStateTaxCombo_Click() { StateTaxCombo_Click(ClaimStateTaxCombo, ClaimStateTax); }
void Form1::PayerStateTaxCombo_Click() { StateTaxCombo_Click(PayerStateTaxCombo, PayerStateTax); }

void Form1::ParentOption_Click(QRadioButton* clicked) {
  const bool petitioner = clicked == FParentOption;
  const QString prompt = QStringLiteral("Are You Sure That You Want To Change The Claimant To Be The %1 On The Child "
                                        "Support Worksheet?")
                             .arg(petitioner ? QStringLiteral("Petitioner") : QStringLiteral("Respondent"));
  if (program_.Dialogs.ShowMessageBox(prompt, platform::kBoxYesNo, QStringLiteral("Data Check")) ==
      platform::kAnswerYes)
    return;
  // No: the other option stands again, without a question.
  fields_.SetValue(petitioner ? QStringLiteral("MParentOption") : QStringLiteral("FParentOption"), kOn);
}

}  // namespace express
