#pragma once

#include <functional>

#include "case/CaseVars.h"
#include "income/IncomeLinks.h"
#include "platform/Dialogs.h"
#include "platform/document/Document.h"
#include "platform/document/DrawingCursor.h"
#include "platform/document/OutputResult.h"

namespace income {

class IncomeWindow;

// The printer a report goes to: its resolution and edges for drawing, and
// the printing itself. The default prints on the printer the user chose.
struct ReportPrinter {
  std::function<platform::PrinterSetup(const platform::PrinterChoice&)> setupFor;
  std::function<platform::OutputResult(const platform::Document&, const platform::PrinterChoice&)> print;
  static ReportPrinter ChosenPrinter();

  // A direct printout: the program's printer takes the chosen printer's
  // resolution and edges, `draw` draws on it from the settings the last
  // printout left, and the page goes to the chosen printer.
  platform::OutputResult PrintOn(platform::DrawingCursor& printer, const platform::PrinterChoice& choice,
                                 const std::function<void(platform::DrawingCursor&)>& draw) const;
};

struct IncomeReportCommand {
  IncomeWindow& claim;  // Form13
  IncomeWindow& payer;  // Form14
  ExpressLink& express;
  platform::Dialogs& dialogs;
  casevars::CaseVars& vars;
  // The program's printer: the report starts from the font and drawing
  // settings earlier printouts left and leaves its own for the next.
  platform::DrawingCursor& cursor;
  ReportPrinter printer = ReportPrinter::ChosenPrinter();
};

// The Express screen's "Print Income Popups": copies both windows' boxes
// into the case variables, brings both windows to yearly amounts and
// recomputes them as a run does, asks for a printer and prints the income
// report on the program's printer. A cancelled dialog prints nothing; a print that cannot start
// or fails is reported in the program's message box. Returns true when the
// report went to the printer.
bool PrintPopup_Click(IncomeReportCommand& command);

}  // namespace income
