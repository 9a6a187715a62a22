#include "results/ui/ChildSupportResult.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QMenuBar>
#include <QAction>
#include <QRadioButton>

#include "business/ui/BusinessWindow.h"
#include "express/ExpressChecks.h"
#include "express/ExpressScreen.h"
#include "platform/Dialogs.h"
#include "platform/NumberText.h"
#include "results/ChildSupportReport.h"
#include "results/ui/Form10.h"
#include "results/ui/Form5.h"
#include "results/ui/ResultWindowCommands.h"
#include "screenimage/ui/ScreenImage.h"
#include "shell/ui/Program.h"

namespace results::ui {

using casevars::Party;
using shell::Program;

namespace {

QString TextOf(Program& program, const char* window, const char* control) {
  auto* form = program.Find<platform::ui::Form>(QString::fromLatin1(window));
  QWidget* c = form ? form->Control(QString::fromLatin1(control)) : nullptr;
  if (auto* box = qobject_cast<QLineEdit*>(c)) return box->text();
  if (auto* combo = qobject_cast<QComboBox*>(c)) return combo->currentText();
  return {};
}

std::optional<bool> Checked(Program& program, const char* window, const char* control) {
  auto* form = program.Find<platform::ui::Form>(QString::fromLatin1(window));
  QWidget* c = form ? form->Control(QString::fromLatin1(control)) : nullptr;
  if (auto* option = qobject_cast<QRadioButton*>(c)) return option->isChecked();
  if (auto* box = qobject_cast<QCheckBox*>(c)) return box->isChecked();
  return std::nullopt;
}

void Hide(Program& program, const char* name) {
  if (QWidget* w = program.Find(QString::fromLatin1(name))) w->hide();
}

// The Express screen's entry checks 0, 1 and 3, as the result window's
// Adjust Income and Reset Income run them.
std::vector<std::function<std::int16_t()>> ExpressEntryChecks(Program& program) {
  using Check = std::int16_t (*)(express::ExpressFields&, casevars::CaseVars&, express::Prompter&);
  std::vector<std::function<std::int16_t()>> checks;
  const Check second = &express::CheckDataEntry1, third = &express::CheckDataEntry3;
  checks.push_back([&program]() -> std::int16_t {
    auto* express = express::AsExpressScreen(program.Load(QStringLiteral("Form1")));
    return express ? express::CheckDataEntry0(express->Fields(), program.Case, express->Prompts()) : 0;
  });
  for (Check check : {second, third})
    checks.push_back([&program, check]() -> std::int16_t {
      auto* express = express::AsExpressScreen(program.Load(QStringLiteral("Form1")));
      return express ? check(express->Fields(), program.Case, express->Prompts()) : 0;
    });
  return checks;
}

}  // namespace

void ShowTaxCredits(Program& program, Party party) {
  if (QWidget* old = program.Find(QStringLiteral("Form10"))) {
    old->close();
    delete old;  // unloaded at once, so that the next load makes a new one
  }
  auto* credits = program.Load<Form10>(QStringLiteral("Form10"));
  if (!credits) return;
  program.FitFormToScreen(*credits);
  credits->show();
  credits->ShowCredits(party);
}

Form5* ShowChildSupportResult(Program& program) {
  auto* form = program.Load<Form5>(QStringLiteral("Form5"));
  if (!form) return nullptr;
  if (!form->Fitted) {
    program.FitFormToScreen(*form);
    form->Fitted = true;
  }
  form->show();
  for (const char* name : {"Form1", "Form9", "MDIForm1"}) Hide(program, name);
  form->ClaimantName->setText(QLatin1Char(' ') + TextOf(program, "Form1", "ClaimantName"));
  program.Case.Results.ManualNetState = 1;
  return form;
}

childsupport::ChildSupportInputs ChildSupportRunInputs(Program& program) {
  childsupport::ChildSupportInputs in;
  if (program.Find(QStringLiteral("Form1"))) {
    in[Party::Claim].StateTaxCombo = TextOf(program, "Form1", "ClaimStateTaxCombo");
    in[Party::Payer].StateTaxCombo = TextOf(program, "Form1", "PayerStateTaxCombo");
  }
  in.OptionTaxedToPayee = Checked(program, "Form1", "OptionTaxedToPayee").value_or(false);
  in.OptionTaxedToPayer = Checked(program, "Form1", "OptionTaxedToPayer").value_or(true);
  in[Party::Claim].EICCheck = Checked(program, "Form13", "ClaimEICCheck").value_or(false) ? 1 : 0;
  in[Party::Payer].EICCheck = Checked(program, "Form14", "PayerEICCheck").value_or(false) ? 1 : 0;
  if (auto* form = program.Find<Form5>(QStringLiteral("Form5"))) form->FillRunInputs(in);
  return in;
}

childsupport::ChildSupportServices ChildSupportRunServices(Program& program) {
  childsupport::ChildSupportServices services;
  auto* claim = program.Load<business::BusinessWindow>(QStringLiteral("Form26"));
  auto* payer = program.Load<business::BusinessWindow>(QStringLiteral("Form27"));
  if (claim && payer) services.GetBusinessDeduction = business::BusinessDeductionService(*claim, *payer);
  // The result text goes to the result window, loaded without showing it.
  if (auto* form = program.Load<Form5>(QStringLiteral("Form5")))
    services.DrawChildSupportText = form->TextHook([&program] { return program.State.Screen.ScaleFactorX; });
  return services;
}

childsupport::ChildSupportOutcome RunChildSupport(Program& program, bool writeExpressField,
                                                  const std::function<void()>& beforeMessage) {
  const childsupport::ChildSupportServices services = ChildSupportRunServices(program);
  const childsupport::ChildSupportOutcome outcome =
      childsupport::ComputeChildSupport(program.Case, ChildSupportRunInputs(program), services);
  if (!outcome.Completed) {
    if (beforeMessage) beforeMessage();
    program.Dialogs.ShowMessageBox(outcome.Message, platform::kBoxOk, QStringLiteral("Child Support"));
    return outcome;
  }
  if (!writeExpressField) return outcome;
  auto* express = program.Find<platform::ui::Form>(QStringLiteral("Form1"));
  if (auto* box = qobject_cast<QLineEdit*>(express ? express->Control(QStringLiteral("ChildSupport")) : nullptr))
    box->setText(platform::Format(outcome.ChildSupport, childsupport::kChildSupportFieldPattern));
  return outcome;
}

std::unique_ptr<Form5> MakeForm5(Program& program) {
  Form5Link link;
  link.entryChecks = ExpressEntryChecks(program);
  link.computeChildSupport = [&program] { return RunChildSupport(program).Completed; };
  link.showExpressScreen = [&program] {
    if (program.State.QuitConfirmed == 1) return;  // the program is ending
    if (QWidget* help = program.Find(QStringLiteral("Form4"))) help->close();
    if (QWidget* express = program.Load(QStringLiteral("Form1"))) express->show();
  };
  link.showTaxCredits = [&program](Party party) { ShowTaxCredits(program, party); };
  link.schemeBackColor = [&program] { return program.State.SchemeBackColor; };
  link.openDependsCalculator = [&program] { program.Commands.OpenDependsCalculator(); };
  auto form = std::make_unique<Form5>(program.Case, program.Dialogs, std::move(link));
  form->setAttribute(Qt::WA_DeleteOnClose);

  Form5* window = form.get();
  ResultWindowKind kind;
  kind.callerCode = 5;
  kind.previewReportKind = QStringLiteral("CS");
  kind.reportCaption = QStringLiteral("Print And Preview Child Support Report");
  kind.definedBenefitCaption = QStringLiteral("Defined Benefit Calculator");
  kind.bonusWindow = QStringLiteral("FormBonusCS");
  kind.buildReport = [&program, window] {
    return BuildChildSupportReport(program.Case, {window->ClaimantName->text(), QDate::currentDate()});
  };
  kind.printScreenImage = [&program, window] {
    screenimage::ui::TakeScreenImage(program, *window, 5, [window] {
      window->HideForm5Buttons();
      window->MakeForm5White();
    });
  };
  new ResultWindowCommands(*window, program, std::move(kind));  // a child of the window
  // The window's own menu comes after the shared ones.
  if (QAction* flip = window->MenuItem(QStringLiteral("FlipCalc"))) {
    window->MenuBar()->removeAction(flip);
    window->MenuBar()->addAction(flip);
  }
  return form;
}

std::unique_ptr<Form10> MakeForm10(Program& program) {
  auto form = std::make_unique<Form10>(program.Case, program.Dialogs, program.Printer,
                                       [&program] { return TextOf(program, "Form1", "ClaimantName"); });
  form->setAttribute(Qt::WA_DeleteOnClose);
  return form;
}

}  // namespace results::ui
