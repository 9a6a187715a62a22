#include "express/ui/ProgramAlimonyRun.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "alimony/CaseScore.h"
#include "business/ui/BusinessWindow.h"
#include "express/Prompter.h"
#include "express/ui/Form1.h"
#include "income/ui/IncomeWindow.h"
#include "platform/Dialogs.h"
#include "platform/NumberText.h"
#include "results/ui/ChildSupportResult.h"
#include "shell/ui/Program.h"

namespace express {

alimony::AlimonyInputs AlimonyRunInputs(shell::Program& program) {
  alimony::AlimonyInputs inputs;
  inputs.Windows = results::ui::ChildSupportRunInputs(program);
  if (auto* claim = program.Find<business::BusinessWindow>(QStringLiteral("Form26")))
    inputs.ServiceTrades.Claim = claim->ServiceTrades();
  if (auto* payer = program.Find<business::BusinessWindow>(QStringLiteral("Form27")))
    inputs.ServiceTrades.Payer = payer->ServiceTrades();
  auto* express = program.Load<Form1>(QStringLiteral("Form1"));
  if (income::IncomeWindow* window = program.Load<income::IncomeWindow>(QStringLiteral("Form13"))) {
    income::DeductionChoices& d = inputs.ClaimDeductions;
    if (express) d.filing = express->Filing(casevars::Party::Claim);
    d.standardDeduction = window->StandardDeduction->isChecked();
    d.eicCheck = window->EICCheck->isChecked();
    for (int i = 0; i < int(window->EICChoices.size()); ++i)
      if (window->EICChoices[size_t(i)]->isChecked()) d.eicChoice = i;
    d.age65 = window->Age65->isChecked();
    d.spouseAge65 = window->SpouseAge65->isChecked();
  }
  return inputs;
}

alimony::AlimonyOutcome RunAlimony(shell::Program& program) {
  casevars::CaseVars& cv = program.Case;
  alimony::ComputeCaseScore(cv);
  alimony::AlimonyServices services;
  services.DrawChildSupportText = results::ui::ChildSupportRunServices(program).DrawChildSupportText;
  const alimony::AlimonyOutcome outcome = alimony::ComputeAlimony(cv, AlimonyRunInputs(program), services);
  if (!outcome.Completed) {
    program.Dialogs.ShowMessageBox(outcome.Message, platform::kBoxOk, Prompter::EntryErrorTitle());
    return outcome;
  }
  if (outcome.ChildSupport)
    if (auto* express = program.Find<Form1>(QStringLiteral("Form1")))
      express->ChildSupport->setText(platform::Format(*outcome.ChildSupport, childsupport::kChildSupportFieldPattern));
  return outcome;
}

}  // namespace express
