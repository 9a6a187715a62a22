#include "worksheet/ui/ExpressLinks.h"

#include "results/ui/ChildSupportResult.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "business/ui/BusinessWindow.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "express/ExpressChecks.h"
#include "express/ExpressScreen.h"
#include "income/ui/IncomeWindow.h"
#include "platform/Dialogs.h"
#include "platform/NumberText.h"
#include "shell/ui/Program.h"

namespace worksheet::ui {

namespace {

express::ExpressScreen& Express(shell::Program& program) {
  return *express::AsExpressScreen(program.Load(QStringLiteral("Form1")));
}

// A radio button of the Express screen, when it is loaded.
bool ExpressOption(shell::Program& program, const QString& name) {
  auto* express = express::AsExpressScreen(program.Find(QStringLiteral("Form1")));
  return express && express->Fields().Value(name) == express::kOn;
}

}  // namespace

bool SharedPossession(shell::Program& program) {
  return ExpressOption(program, QStringLiteral("SharedOption"));
}

bool ProgramTransferLinks::SharedOption() const { return SharedPossession(program_); }

bool ProgramTransferLinks::MParentOption() const {
  return ExpressOption(program_, QStringLiteral("MParentOption"));
}

int ProgramTransferLinks::CheckDataEntry0() {
  express::ExpressScreen& f = Express(program_);
  express::Check0Mode mode;
  mode.FDTaxCheckMode = static_cast<std::int16_t>(checkMode_);
  return express::CheckDataEntry0(f.Fields(), program_.Case, f.Prompts(), mode);
}

int ProgramTransferLinks::CheckDataEntry1() {
  express::ExpressScreen& f = Express(program_);
  return express::CheckDataEntry1(f.Fields(), program_.Case, f.Prompts());
}

int ProgramTransferLinks::CheckDataEntry3() {
  express::ExpressScreen& f = Express(program_);
  return express::CheckDataEntry3(f.Fields(), program_.Case, f.Prompts());
}

void ProgramTransferLinks::ShowExpressScreen() {
  if (QWidget* form = program_.Load(QStringLiteral("Form1"))) {
    form->show();
    form->raise();
    form->activateWindow();
  }
}

void ProgramTransferLinks::UpdateParentingTime() {
  auto* time = express::AsParentingTimeWindow(program_.Load(QStringLiteral("Form16")));
  time->AssignTierVars();
  time->CalculateAvTime();
  time->CalculateTierTotal();
}

void ProgramTransferLinks::TotalIncomeWindows() {
  for (const char* name : {"Form13", "Form14"}) {
    auto* w = program_.Load<income::IncomeWindow>(QString::fromLatin1(name));
    if (!w) continue;
    w->AddIncomeVars();
    w->Yearly_Click();
    w->AssignDeductVars();
  }
}

// A run that stops brings the Express screen forward before its message.
bool ProgramTransferLinks::ComputeChildSupport() {
  return results::ui::RunChildSupport(program_, true, [this] { ShowExpressScreen(); }).Completed;
}

}  // namespace worksheet::ui
