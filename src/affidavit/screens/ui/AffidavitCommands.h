#pragma once

#include "affidavit/screens/PageTables.h"

namespace shell {
class Program;
}
namespace worksheet::ui {
class MDIForm1;
}

// The affidavit's commands in the running program: the pages' File and Print
// menus and the frame's affidavit bar, over the four pages
// (ProgramAffidavitPages), the case's affidavit values and the program's
// dialogs.
namespace affidavit::ui {

// "Save Financial Affidavit Data To File" / "Open Financial Affidavit Data
// From File". Open restores full size, puts the file's form in use (menus,
// face, page 1 shown) and totals the affidavit. Both return whether done.
bool SaveFinDecCommand(shell::Program& program);
bool OpenFinDecCommand(shell::Program& program);

// The affidavit bar: "Clear Form" (asks first), "Calculate Financial
// Affidavit" (the values pass and the totals), "Get Data From Express Form",
// "Transfer Data To Express Form" and "Estimate Taxes".
bool ClearFinDec_Click(shell::Program& program);
void CalculateFD_Click(shell::Program& program);
void GetDataFromExpress_Click(shell::Program& program);
void TransferDataToExpress_Click(shell::Program& program);
bool EstimateTaxes_Click(shell::Program& program);
// Connects the affidavit bar's buttons of the frame to the commands above.
void ConnectAffidavitBar(shell::Program& program, worksheet::ui::MDIForm1& frame);

// "Preview And Print Long Form Financial Affidavit" (`longForm`) and "...
// Short Form ...", chosen on page `from`: the values pass, both bars and the
// windows of the page's list hidden, the whole form drawn and shown in the
// preview window (PreviewReportKind "FD").
void PreviewAffidavit(shell::Program& program, PageId from, bool longForm);

// "Print A Blank Short Form": asks nothing and changes no entry. After the
// print dialog (pages 1 to 6; Cancel does nothing) the short form's chosen
// pages print from an empty set of values (the default labels, no amounts)
// with BlankFAPrint 1. A print that cannot start is reported; page 1 of the
// form in use is shown. Returns whether it printed.
bool PrintBlankShortForm(shell::Program& program);

// "Printer Setup": the printer chosen is kept for the prints that follow.
void AffidavitPrinterSetup(shell::Program& program);

}  // namespace affidavit::ui
