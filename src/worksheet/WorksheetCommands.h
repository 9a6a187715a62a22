#pragma once

#include "case/CaseVars.h"
#include "platform/Dialogs.h"
#include "platform/document/Document.h"
#include "worksheet/WorksheetCalculation.h"

// The worksheet commands of the frame's button bar and the worksheet window
// as the windows will call them: each reads the preferences it needs, asks
// through the program's dialogs and works on the sheet and the case variables.
namespace worksheet {

// Start-up values of the worksheet: font "Tahoma" at 10 points, full size,
// zoom factor 1.
void StartWorksheetValues(casevars::WorksheetVars& ws);

// "Clear Sheet": asks whether to delete all entries (Yes and No, title
// "Warning") and resets the sheet on Yes only. Returns true when it reset.
bool Clear_Click(WorksheetSheet& sheet, platform::Dialogs& dialogs);

// "Calculate Worksheet": the calculation with the InterpDefault preference,
// the worksheet's numbers and the case's schedule reading (Support.InterpMethod);
// a stopping check shows its message (OK, title "Entry Error"). The caller
// shows the sheet and puts the focus on `focus` when the run did not complete.
CalculationOutcome CalculateWSCommand_Click(WorksheetSheet& sheet, casevars::CaseVars& vars,
                                            bool sharedOption, platform::Dialogs& dialogs);

// "Preview And Print This Worksheet": the document for the preview window, in
// the worksheet font with the preparer's top margin, the input numbers
// refreshed from the sheet first.
platform::Document PreviewWorksheet(WorksheetSheet& sheet, casevars::CaseVars& vars,
                                    bool sharedOption);

}  // namespace worksheet
