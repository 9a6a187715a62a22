#include "express/ui/Form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

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

QMenu* SubMenu(QMenu* parent, const char* name, const char* caption) {
  QMenu* menu = parent->addMenu(QString::fromLatin1(caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

}  // namespace

Form1::Form1(shell::Program& program, QWidget* parent)
    : Form(QStringLiteral("Form1"), parent), program_(program) {
  setWindowTitle(QStringLiteral("Case Data Express Entry"));

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
  preparer->addSeparator();
  QMenu* folder = SubMenu(preparer, "DefaultFolder", "Change Default Folder Location For Saved Data");
  LastLocation = CheckItem(*this, folder, "LastLocation",
                           "Always Open To The Last Location Where Program Data Files Were Saved", false);
  folder->addSeparator();
  UserDefault = CheckItem(
      *this, folder, "UserDefault",
      "Always Open To A Default Location (Click Here To Enter) For Saving  Data Files", false);

  ClaimStateTaxCombo = add<QComboBox>("ClaimStateTaxCombo", nullptr, 3600, 5400, 1335, 315);
  PayerStateTaxCombo = add<QComboBox>("PayerStateTaxCombo", nullptr, 8400, 5400, 1335, 315);
  for (QComboBox* combo : {ClaimStateTaxCombo, PayerStateTaxCombo}) {
    combo->setEditable(true);
    combo->addItems({QStringLiteral("As Rate"), QStringLiteral("As Yearly Amount")});
  }
  BuildIncomeControls();
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

}  // namespace express
