#pragma once

#include <QString>

#include "casefile/CaseFields.h"

namespace casevars {
struct CaseVars;
}
namespace platform {
class Dialogs;
struct FileRequest;
}

// The case file commands of the Express screen and the worksheet: "Save
// Client Data To File" / "Save Worksheet Data To File", "Open Client Data From
// File" / "Open WorkSheet Data From File", and "Clear Data" (NewCase.h). The
// two windows' commands are the same functions. No command changes the
// process's current folder.
namespace casefile {

// What the commands work on. `dataFolder` is the program's `DataFolder`;
// `lastFolder` the folder of the last case opened or saved in this run, where
// the dialogs open with "Always Open To The Last Location".
struct CaseFileSession {
  CaseFields& fields;
  casevars::CaseVars& vars;
  platform::Dialogs& dialogs;
  QString& dataFolder;
  QString lastFolder;
};

// The dialog's request: the filter lists *.PVX and *.pvx, the extension PVX.
// With the "UserDefault" folder preference the dialog opens in the data
// folder (`DataLoc`, kept in `dataFolder`) or, when that folder no longer
// exists, in the dialog's own default folder; otherwise in the folder of the
// last case opened or saved, or the dialog's default before the first.
platform::FileRequest CaseFileRequest(CaseFileSession& session);

// A chosen file name with ".PVX" added unless it already ends in it (in
// either case): "Smith v. Jones" -> "Smith v. Jones.PVX".
QString WithCaseExtension(const QString& path);

// Save: proposes the case name less \ / : * ? < > |, saves the whole case
// (SaveCase) to the chosen file. A failure is reported in the message box
// and leaves the old file whole; Cancel does nothing. Returns whether saved.
bool SaveCaseCommand(CaseFileSession& session);

// Open: opens the chosen file (OpenCase). A file that cannot be read or is
// refused is reported, naming the file and the block or position, and no
// window changes; Cancel does nothing. Returns whether a case was opened (the
// caller then shows the Express screen).
bool OpenCaseCommand(CaseFileSession& session);

}  // namespace casefile
