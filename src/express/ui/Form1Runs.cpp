// The Express screen's two runs: child support and alimony.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "express/ExpressChecks.h"
#include "express/ui/Form1.h"
#include "express/ui/Form16.h"
#include "income/ui/IncomeWindow.h"
#include "platform/Dialogs.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/Program.h"

namespace express {

namespace {

income::IncomeWindow* IncomeWindowOf(shell::Program& program, casevars::Party party) {
  return program.Load<income::IncomeWindow>(party == casevars::Party::Claim ? QStringLiteral("Form13")
                                                                             : QStringLiteral("Form14"));
}

}  // namespace

void Form1::PrepareIncomeAndTiers() {
  for (casevars::Party party : {casevars::Party::Claim, casevars::Party::Payer}) {
    if (income::IncomeWindow* window = IncomeWindowOf(program_, party)) {
      window->AddIncomeVars();
      window->Yearly_Click();
      window->AssignDeductVars();
    }
  }
  if (auto* form16 = program_.Load<Form16>(QStringLiteral("Form16"))) {
    form16->AssignTierVars();
    form16->CalculateAvTime();
    form16->CalculateTierTotal();
  }
}

void Form1::HideForResults() {
  hide();
  for (const QString& name : {QStringLiteral("Form9"), QStringLiteral("MDIForm1")})
    if (QWidget* window = program_.Find<QWidget>(name)) window->hide();
}

bool Form1::ComputeChildSupport() { return program_.Commands.RunChildSupport(); }

void Form1::ChildSupportButton_Click() {
  casevars::CaseVars& cv = program_.Case;
  if (CheckDataEntry0(fields_, cv, prompter_) == kCheckStop) return;
  if (CheckDataEntry1(fields_, cv, prompter_) == kCheckStop) return;
  if (CheckDataEntry3(fields_, cv, prompter_) == kCheckStop) return;
  PrepareIncomeAndTiers();
  if (ApplyMaintToCS->isChecked()) {
    cv.Express.MaintAppliedToCS = 1;
  } else {
    cv.Express.MaintAppliedToCS = 0;
    cv.Express.MoAlimonyTransfer = 0;
  }
  QWidget* result = program_.Commands.ShowChildSupportResult();
  if (!ComputeChildSupport() && result) {
    // A run the engine could not finish shows the Express screen again.
    result->hide();
    show();
  }
}

void Form1::AlimonyButton_Click() {
  casevars::CaseVars& cv = program_.Case;
  cv.Alimony.AlimonyTaxMode = OptionTaxedToPayee->isChecked() ? 0 : 2;
  cv.Express.MaintAppliedToCS = ApplyMaintToCS->isChecked() ? 1 : 0;
  if (CheckDataEntry0(fields_, cv, prompter_) == kCheckStop) return;
  if (CheckDataEntry1(fields_, cv, prompter_) == kCheckStop) return;
  if (CheckDataEntry2(fields_, cv, prompter_) == kCheckStop) return;
  // The preparer's alimony amount stays in its box until the checks pass.
  CurrentMaintTransfer->clear();
  cv.Express.MoAlimonyTransfer = 0;
  PrepareIncomeAndTiers();
  if (cv.Express.SequencingMode == 1) {
    if (CheckDataEntry3(fields_, cv, prompter_) == kCheckStop) return;
    if (!ComputeChildSupport()) return;
  }

  if (!program_.Commands.RunAlimony(ClaimantName->text())) return;
  HideForResults();
}

void Form1::ConnectRuns() {
  fields_.RefusedIncome = [this] {
    for (const char* name : {"Form13", "Form14"})
      if (auto* window = program_.Find<income::IncomeWindow>(QLatin1String(name)))
        if (QString refused = window->RefusedEntry(); !refused.isEmpty()) return refused;
    return QString();
  };
  connect(ChildSupportButton, &QPushButton::clicked, this, [this] { ChildSupportButton_Click(); });
  connect(AlimonyButton, &QPushButton::clicked, this, [this] { AlimonyButton_Click(); });
  connect(ClearData, &QPushButton::clicked, this, [this] { ClearData_Click(); });
  connect(RunWaWs, &QPushButton::clicked, this, [this] { RunWaWs_Click(); });
  connect(RunAffadavit, &QPushButton::clicked, this, [this] { RunAffadavit_Click(); });
  connect(ButtonPlus1, &QPushButton::clicked, this, [this] { ButtonPlus1_Click(); });
  connect(EdSkillsCommand, &QPushButton::clicked, this, [this] { EdSkillsCommand_Click(); });
  connect(OptionTaxedToPayee, &QRadioButton::clicked, this, [this] { OptionTaxedToPayee_Click(); });
  // The variable follows the box, whoever changes it.
  connect(ApplyMaintToCS, &QCheckBox::toggled, this,
          [this](bool ticked) { program_.Case.Express.MaintAppliedToCS = ticked ? 1 : 0; });
}

void Form1::OptionTaxedToPayee_Click() {
  program_.Dialogs.ShowMessageBox(
      QStringLiteral("NOTE: For separation agreements executed after December 31, 2018, alimony/maintenance payments "
                     "are not tax deductible for the payer and thus are not taxable income for the payee. Select this "
                     "option only if you want an alimony recommendation under prior tax law or want to modify an "
                     "existing order where alimony was taxable to the payee and an income deduction to the payer."),
      platform::kBoxOk, QStringLiteral("Entry Information"));
}

}  // namespace express
