// The Express screen's two runs: child support and alimony.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "business/ui/BusinessWindow.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "express/ExpressChecks.h"
#include "express/ui/Form1.h"
#include "express/ui/Form16.h"
#include "express/ui/ProgramAlimonyRun.h"
#include "income/ui/IncomeWindow.h"
#include "platform/Dialogs.h"
#include "platform/NumberText.h"
#include "platform/ui/ButtonPlus.h"
#include "results/ui/ChildSupportResult.h"
#include "results/ui/Form5.h"
#include "shell/ui/Program.h"

namespace express {

namespace {

const QString kForm3 = QStringLiteral("Form3");

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

bool Form1::ComputeChildSupport() { return results::ui::RunChildSupport(program_).Completed; }

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
  results::ui::Form5* form5 = results::ui::ShowChildSupportResult(program_);
  if (!ComputeChildSupport() && form5) {
    // A run the engine could not finish shows the Express screen again.
    form5->hide();
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

  auto* form3 = program_.Load<platform::ui::Form>(kForm3);
  if (form3) program_.FitFormToScreen(*form3);
  if (!RunAlimony(program_).Completed) return;
  if (!form3) {
    program_.Dialogs.ShowMessageBox(
        QStringLiteral("The alimony result window is not available yet in this version of the program."),
        platform::kBoxOk, QStringLiteral("Alimony Recommendation"));
    return;
  }
  if (auto* name = qobject_cast<QLineEdit*>(form3->Control(QStringLiteral("ClaimantName"))))
    name->setText(QStringLiteral(" ") + ClaimantName->text());
  if (auto* award = qobject_cast<QLineEdit*>(form3->Control(QStringLiteral("NewAward")))) award->clear();
  form3->show();
  HideForResults();
}

void Form1::ConnectRuns() {
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
