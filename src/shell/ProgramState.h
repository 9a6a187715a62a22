#pragma once

#include <QString>

#include <cstdint>

#include "case/CaseVars.h"
#include "platform/Colors.h"
#include "shell/ScreenFactors.h"

namespace shell {

// The values the program's windows share between commands that are not the
// data of a case: the screen factors of the latest fit, the colour of the
// screen scheme, the preview's caller and search, the sheet zoom states and
// the windows' modes. One per run, owned by the Program with the case
// variables; a test makes its own.
struct ProgramState {
  // As the most recent window fit (or the preview's exit) left them.
  ScreenFactors Screen;

  // The background of the user's screen scheme: the scheme's face colour
  // under "TV", the system's button face otherwise.
  platform::OleColor SchemeBackColor = platform::kSchemeFace;

  // Which window the preview returns to: "WS", "FD", "CS", "Alim"; anything
  // else returns to the Express screen.
  QString PreviewReportKind;

  // The preview's search goes on from this page (1 for the first) and this
  // position within it; both outlive the find window.
  std::int16_t FindPage = 0;
  int FindPosition = 0;

  // Sheet size of the affidavit pages (the worksheet keeps its own in
  // Case.Worksheet).
  QString FDZoomState = QStringLiteral("Large");
  double FDZoomFactor = 1;

  // Window states that start-up sets.
  std::int16_t FinDecFormType = 1;     // the affidavit pages serve: 1 long form, 0 short, 3 worksheet
  std::int16_t BlankFAPrint = 0;       // 1 while a blank short-form affidavit prints

  // The folder the file dialogs start in when the user chose a default folder.
  QString DataFolder;

  // The folder of the case file last opened or saved in this run; "" for a
  // case that has no file yet (start-up, Clear Data). A PDF save starts there.
  QString CaseFolder;

  // The window the financial, pension and 72(t) calculators return to: 3 the
  // alimony result window, 5 the child support result window, any other value
  // the Express screen. Set by the Tools menus that open them.
  std::int16_t CalculatorCaller = 1;

  // The window the "Print Screen Images" window gives back when it closes: 1
  // the Express screen, 3 and 5 the alimony and child support result windows,
  // 7, 9, 72 the pension, financial and 72(t) calculators, 17 the overnight
  // estimator, 22 the dependency calculator. Set by the window that hands over
  // its picture; never reset.
  std::int16_t PrintImageCaller = 0;

  // 1 once the user has confirmed quitting: close handlers then do not ask again.
  std::int16_t QuitConfirmed = 0;
};

// Start-up's first values, after the screen check: alimony calculated before
// child support and applied to it, the long-form affidavit, no blank form printing.
void SetStartValues(ProgramState& state, casevars::CaseVars& caseVars);

}  // namespace shell
