#include "income/ui/IncomeReportCommand.h"

#include <QCheckBox>
#include <QPrinter>
#include <QRadioButton>

#include "income/IncomeReport.h"
#include "income/ui/IncomeWindow.h"
#include "platform/ui/DocumentPrinter.h"

namespace income {

using casevars::Party;

namespace {

void ChoosePrinter(QPrinter& printer, const platform::PrinterChoice& choice) {
  if (!choice.outputFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(choice.outputFile);
  } else if (!choice.printerName.isEmpty()) {
    printer.setPrinterName(choice.printerName);
  }
  if (!choice.allPages) {
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(choice.fromPage, choice.toPage);
  }
  printer.setCopyCount(choice.copies > 0 ? choice.copies : 1);
}

IncomeReportParty ReportPartyOf(const IncomeWindow& window, const ExpressLink& express) {
  return {express.Filing(window.WhichParty()).MFJ, window.ItemizedDeduction->isChecked(),
          window.EICCheck->isChecked()};
}

}  // namespace

ReportPrinter ReportPrinter::ChosenPrinter() {
  ReportPrinter p;
  p.setupFor = [](const platform::PrinterChoice& choice) {
    QPrinter printer(QPrinter::HighResolution);
    ChoosePrinter(printer, choice);
    return platform::PrinterSetupFor(printer);
  };
  p.print = [](const platform::Document& doc, const platform::PrinterChoice& choice) {
    QPrinter printer(QPrinter::HighResolution);
    ChoosePrinter(printer, choice);
    return platform::PrintDocument(doc, printer);
  };
  return p;
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
  platform::DrawingCursor cursor = platform::DrawingCursor::ForPrinter(c.printer.setupFor(*choice));
  PrintIncomePopups(cursor, c.vars.Income, inputs);
  const platform::OutputResult result = c.printer.print(cursor.document(), *choice);
  if (!result.ok()) {
    c.dialogs.ShowMessageBox(result.error, platform::kBoxOk, QStringLiteral("Print Income Popups"));
    return false;
  }
  return true;
}

}  // namespace income
