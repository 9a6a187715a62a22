#include "alimony/ui/AlimonyResult.h"

#include <QCheckBox>
#include <QDate>
#include <QLineEdit>
#include <QRadioButton>

#include "alimony/AlimonyReport.h"
#include "alimony/ui/Form3.h"
#include "business/ui/BusinessWindow.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "express/ExpressScreen.h"
#include "income/ui/IncomeWindow.h"
#include "platform/Dialogs.h"
#include "platform/NumberText.h"
#include "results/ui/ChildSupportResult.h"
#include "results/ui/ResultWindowCommands.h"
#include "screenimage/ui/ScreenImage.h"
#include "shell/ui/Program.h"
#include "shell/ui/ShellDialogs.h"

namespace alimony::ui {

using casevars::Party;
using shell::Program;

namespace {

const QString kForm3 = QStringLiteral("Form3");

express::ExpressScreen* ExpressScreen(Program& program) {
  return express::AsExpressScreen(program.Find(QStringLiteral("Form1")));
}

// "Use Suggested Award"'s child support run. With child support calculated
// before alimony the Express screen's ChildSupport box keeps the figure the
// preparer's own run left there.
bool RunChildSupportForAward(Program& program) {
  if (program.Case.Express.SequencingMode == 1) return results::ui::RunChildSupport(program).Completed;
  const childsupport::ChildSupportOutcome outcome = childsupport::ComputeChildSupport(
      program.Case, results::ui::ChildSupportRunInputs(program), results::ui::ChildSupportRunServices(program));
  if (!outcome.Completed)
    program.Dialogs.ShowMessageBox(outcome.Message, platform::kBoxOk, QStringLiteral("Child Support"));
  return outcome.Completed;
}

}  // namespace

Form3* LoadAlimonyResult(Program& program) {
  auto* form = program.Load<Form3>(kForm3);
  if (form && !form->Fitted) {
    program.FitFormToScreen(*form);
    form->Fitted = true;
  }
  return form;
}

bool ShowAlimonyRun(Program& program, const QString& caseName) {
  Form3* form = LoadAlimonyResult(program);
  if (!form) return false;
  RunCaseScore(program);
  form->ClaimantName->setText(QStringLiteral(" ") + caseName);
  form->NewAward->clear();
  if (!RunAlimony(program, true).Completed) return false;
  form->show();
  return true;
}

CaseScoreResult RunCaseScore(Program& program) {
  const CaseScoreResult score = ComputeCaseScore(program.Case);
  if (Form3* form = LoadAlimonyResult(program)) form->ShowCaseScore(score);
  return score;
}

AlimonyInputs AlimonyRunInputs(Program& program) {
  AlimonyInputs inputs;
  inputs.Windows = results::ui::ChildSupportRunInputs(program);
  if (auto* claim = program.Find<business::BusinessWindow>(QStringLiteral("Form26")))
    inputs.ServiceTrades.Claim = claim->ServiceTrades();
  if (auto* payer = program.Find<business::BusinessWindow>(QStringLiteral("Form27")))
    inputs.ServiceTrades.Payer = payer->ServiceTrades();
  if (auto* window = program.Load<income::IncomeWindow>(QStringLiteral("Form13"))) {
    income::DeductionChoices& d = inputs.ClaimDeductions;
    if (express::ExpressScreen* express = ExpressScreen(program)) d.filing = express->Filing(Party::Claim);
    d.standardDeduction = window->StandardDeduction->isChecked();
    d.eicCheck = window->EICCheck->isChecked();
    for (int i = 0; i < int(window->EICChoices.size()); ++i)
      if (window->EICChoices[size_t(i)]->isChecked()) d.eicChoice = i;
    d.age65 = window->Age65->isChecked();
    d.spouseAge65 = window->SpouseAge65->isChecked();
  }
  if (auto* form = program.Find<Form3>(kForm3)) inputs.NewAward = form->AwardInForce();
  return inputs;
}

AlimonyOutcome RunAlimony(Program& program, bool clearNotes) {
  AlimonyServices services;
  services.DrawChildSupportText = results::ui::ChildSupportRunServices(program).DrawChildSupportText;
  const AlimonyOutcome outcome = ComputeAlimony(program.Case, AlimonyRunInputs(program), services);
  if (!outcome.Completed) {
    program.Dialogs.ShowMessageBox(outcome.Message, platform::kBoxOk, QStringLiteral("Entry Error"));
    return outcome;
  }
  if (Form3* form = LoadAlimonyResult(program)) {
    if (clearNotes) {
      form->Pictures().Picture8.Cls();
      form->Pictures().Picture9.Cls();
    }
    form->ShowOutcome(outcome, program.State.Screen.ScaleFactorX);
  }
  if (outcome.ChildSupport)
    if (express::ExpressScreen* express = ExpressScreen(program))
      express->Fields().SetText(QStringLiteral("ChildSupport"),
                                platform::Format(*outcome.ChildSupport, childsupport::kChildSupportFieldPattern));
  return outcome;
}

std::unique_ptr<Form3> MakeForm3(Program& program) {
  Form3Link link;
  link.computeAlimony = [&program](bool clearNotes) { return RunAlimony(program, clearNotes).Completed; };
  link.computeChildSupport = [&program] { return RunChildSupportForAward(program); };
  link.showExpressScreen = [&program] {
    if (program.State.QuitConfirmed == 1) return;  // the program is ending
    if (QWidget* help = program.Find(QStringLiteral("Form4"))) help->close();
    if (QWidget* express = program.Load(QStringLiteral("Form1"))) express->show();
  };
  link.setCurrentMaintTransfer = [&program](const QString& text) {
    if (express::ExpressScreen* express = ExpressScreen(program))
      express->Fields().SetText(QStringLiteral("CurrentMaintTransfer"), text);
  };
  link.showTaxCredits = [&program](Party party) { results::ui::ShowTaxCredits(program, party); };
  link.showPresentValueHelp = [&program] { shell::OpenPresentValueHelp(program); };
  link.schemeBackColor = [&program] { return program.State.SchemeBackColor; };
  auto form = std::make_unique<Form3>(program.Case, program.Dialogs, std::move(link));
  form->setAttribute(Qt::WA_DeleteOnClose);

  Form3* window = form.get();
  results::ui::ResultWindowKind kind;
  kind.callerCode = 3;
  kind.previewReportKind = QStringLiteral("Alim");
  kind.reportCaption = QStringLiteral("Print and Preview Alimony Report");
  kind.definedBenefitCaption = QStringLiteral("Defined Benefit Plan Calculator");
  kind.bonusWindow = QStringLiteral("FormBonusAlm");
  kind.runAlimony = [&program](bool caseScoreFirst) {
    if (caseScoreFirst) RunCaseScore(program);
    RunAlimony(program, false);
  };
  kind.buildReport = [&program, window] {
    AlimonyReportInputs inputs;
    inputs.CaseName = window->ClaimantName->text();
    inputs.Today = QDate::currentDate();
    inputs.PageHeight = program.Printer.PageHeight();
    return AlimonyReportDocument(program.Case, inputs);
  };
  kind.printScreenImage = [&program, window] {
    screenimage::ui::TakeScreenImage(program, *window, 3, [window] {
      window->HideForm3Buttons();
      window->MakeForm3White();
    });
  };
  new results::ui::ResultWindowCommands(*window, program, std::move(kind));  // a child of the window
  return form;
}

}  // namespace alimony::ui
