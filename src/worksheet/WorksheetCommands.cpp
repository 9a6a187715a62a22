#include "worksheet/WorksheetCommands.h"

#include "prefs/Preferences.h"
#include "worksheet/SheetLayout.h"
#include "worksheet/WorksheetDocument.h"

namespace worksheet {

void StartWorksheetValues(casevars::WorksheetVars& ws) {
  ws.WSFontName = QStringLiteral("Tahoma");
  ws.WSFontSize = 10;
  ws.WSZoomState = kZoomLarge;
  ws.WSZoomFactor = 1;
}

bool Clear_Click(WorksheetSheet& sheet, platform::Dialogs& dialogs) {
  return ClearSheet(
      sheet, dialogs.ShowMessageBox(kClearSheetPrompt, platform::kBoxYesNo, kClearSheetTitle));
}

CalculationOutcome CalculateWSCommand_Click(WorksheetSheet& sheet, casevars::CaseVars& vars,
                                            bool sharedOption, platform::Dialogs& dialogs) {
  const CalculationOutcome outcome =
      CalculateWS(sheet, vars.Worksheet.Values, vars.Support.InterpMethod,
                  {sharedOption, prefs::InterpDefault.read()});
  if (!outcome.completed)
    dialogs.ShowMessageBox(outcome.message, platform::kBoxOk, kEntryErrorTitle);
  return outcome;
}

platform::Document PreviewWorksheet(WorksheetSheet& sheet, casevars::CaseVars& vars,
                                    bool sharedOption) {
  WorksheetPrintSettings settings;
  if (!vars.Worksheet.WSFontName.isEmpty()) settings.fontName = vars.Worksheet.WSFontName;
  settings.preparerMargin = prefs::PreparerMargin.read();
  return BuildWorksheetDocument(sheet, vars.Worksheet.Values, sharedOption, settings);
}

}  // namespace worksheet
