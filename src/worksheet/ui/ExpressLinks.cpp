#include "worksheet/ui/ExpressLinks.h"

#include "results/ui/ChildSupportResult.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "business/ui/BusinessWindow.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "express/ExpressChecks.h"
#include "express/ui/Form1.h"
#include "express/ui/Form16.h"
#include "income/ui/IncomeWindow.h"
#include "platform/Dialogs.h"
#include "platform/NumberText.h"
#include "shell/ui/Program.h"

namespace worksheet::ui {

namespace {

express::Form1& Express(shell::Program& program) { return *program.Load<express::Form1>(QStringLiteral("Form1")); }

}  // namespace

bool SharedPossession(shell::Program& program) {
  auto* express = program.Find<express::Form1>(QStringLiteral("Form1"));
  return express && express->SharedOption->isChecked();
}

bool ProgramTransferLinks::SharedOption() const { return SharedPossession(program_); }

bool ProgramTransferLinks::MParentOption() const {
  auto* express = program_.Find<express::Form1>(QStringLiteral("Form1"));
  return express && express->MParentOption->isChecked();
}

int ProgramTransferLinks::CheckDataEntry0() {
  express::Form1& f = Express(program_);
  express::Check0Mode mode;
  mode.FDTaxCheckMode = static_cast<std::int16_t>(checkMode_);
  return express::CheckDataEntry0(f.Fields(), program_.Case, f.Prompts(), mode);
}

int ProgramTransferLinks::CheckDataEntry1() {
  express::Form1& f = Express(program_);
  return express::CheckDataEntry1(f.Fields(), program_.Case, f.Prompts());
}

int ProgramTransferLinks::CheckDataEntry3() {
  express::Form1& f = Express(program_);
  return express::CheckDataEntry3(f.Fields(), program_.Case, f.Prompts());
}

void ProgramTransferLinks::ShowExpressScreen() {
  express::Form1& form = Express(program_);
  form.show();
  form.raise();
  form.activateWindow();
}

void ProgramTransferLinks::UpdateParentingTime() {
  auto* time = program_.Load<express::Form16>(QStringLiteral("Form16"));
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
