#include "income/ui/IncomeReportCommand.h"

#include <QCheckBox>
#include <QRadioButton>

#include "income/IncomeReport.h"
#include "income/ui/IncomeWindow.h"
#include "platform/ui/DocumentPrinter.h"

namespace income {

using casevars::Party;

namespace {

IncomeReportParty ReportPartyOf(const IncomeWindow& window, const ExpressLink& express) {
  return {express.Filing(window.WhichParty()).MFJ, window.ItemizedDeduction->isChecked(),
          window.EICCheck->isChecked()};
}

}  // namespace

ReportPrinter ReportPrinter::ChosenPrinter() {
  return {[](const platform::PrinterChoice& choice) { return platform::PrinterSetupFor(choice); },
          [](const platform::Document& doc, const platform::PrinterChoice& choice) {
            return platform::PrintDocument(doc, choice);
          }};
}

platform::OutputResult ReportPrinter::PrintOn(platform::DrawingCursor& printer,
                                              const platform::PrinterChoice& choice,
                                              const std::function<void(platform::DrawingCursor&)>& draw) const {
  if (setupFor) printer.SetPrinterSetup(setupFor(choice));
  draw(printer);
  return print ? print(printer.document(), choice) : platform::OutputResult{};
}

bool PrintPopup_Click(IncomeReportCommand& c) {
  c.claim.AssignPopUpVars();
  c.payer.AssignPopUpVars();
  // The report prints yearly amounts: both windows to yearly, as a run does.
  for (IncomeWindow* w : {&c.claim, &c.payer}) {
    w->AddIncomeVars();
    if (!w->Yearly_Click()) return false;  // the window has said why
    w->AssignDeductVars();
  }

  platform::PrintRequest request;
  request.noSelection = true;
  const std::optional<platform::PrinterChoice> choice = c.dialogs.ShowPrintDialog(request);
  if (!choice) return false;

  IncomeReportInputs inputs;
  inputs.caseName = c.express.CaseName();
  inputs.parties.Claim = ReportPartyOf(c.claim, c.express);
  inputs.parties.Payer = ReportPartyOf(c.payer, c.express);
  const platform::OutputResult result = c.printer.PrintOn(
      c.cursor, *choice, [&](platform::DrawingCursor& printer) { PrintIncomePopups(printer, c.vars.Income, inputs); });
  if (!result.ok()) {
    c.dialogs.ShowMessageBox(result.error, platform::kBoxOk, QStringLiteral("Print Income Popups"));
    return false;
  }
  return true;
}

}  // namespace income
