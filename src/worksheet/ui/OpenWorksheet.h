#pragma once

namespace shell {
class Program;
}

namespace worksheet::ui {

// The Express screen's "Run A Child Support Worksheet": the frame shown in
// front with its worksheet bar (the affidavit bar hidden), the worksheet shown at the top
// of the frame, the affidavit pages' mode 3 (worksheet) and the four
// affidavit pages hidden. The worksheet keeps its entries.
void OpenWorksheet(shell::Program& program);

// The start-up layout pass's fit of the worksheet and its frame (neither shown).
void FitWorksheetWindow(shell::Program& program);

}  // namespace worksheet::ui
