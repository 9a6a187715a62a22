#pragma once

namespace shell {
class Program;
}
namespace casefile {
struct CaseFileSession;
}

// The case file items of the Express screen's and the worksheet's File menus,
// over the program's windows. One session serves the whole run; it keeps the
// folder of the case file in the program's `CaseFolder`.
namespace casefile::ui {

// The run's case file session (created on first use, kept with the Express
// screen for as long as the program runs); null in a program without it.
CaseFileSession* Session(shell::Program& program);

// "Save Client Data To File" / "Save Worksheet Data To File". Returns whether saved.
bool SaveCase(shell::Program& program);

// "Open Client Data From File" (the Express screen is shown once the case is
// opened) / "Open WorkSheet Data From File" (`showExpressScreen` false: the
// windows keep their visibility and the worksheet stays in front). Returns
// whether opened. A case opened or cleared replaces the one before
// (Program::CaseReplaced).
bool OpenCase(shell::Program& program, bool showExpressScreen = true);

// New case ("Clear Data"). Returns whether the case was cleared; a cleared
// case has no file, so a PDF save no longer starts in the old case's folder.
bool ClearData(shell::Program& program);

}  // namespace casefile::ui
