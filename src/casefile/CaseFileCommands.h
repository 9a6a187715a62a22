#pragma once

#include <QString>

#include <vector>

#include "casefile/CaseFields.h"
#include "platform/SaveChecks.h"

namespace casevars {
struct CaseVars;
}

// The case file commands of the Express screen and the worksheet: "Save
// Client Data To File" / "Save Worksheet Data To File", "Open Client Data From
// File" / "Open WorkSheet Data From File", and "Clear Data" (NewCase.h). The
// two windows' commands are the same functions. No command changes the
// process's current folder.
namespace casefile {

// What the commands work on. `dataFolder` is the program's `DataFolder`;
// `caseFolder` the program's `CaseFolder`, the folder of the case file last
// opened or saved.
struct CaseFileSession {
  CaseFields& fields;
  casevars::CaseVars& vars;
  platform::Dialogs& dialogs;
  QString& dataFolder;
  QString& caseFolder;
};

// The dialog's request: the filter lists *.PVX and *.pvx, the extension PVX,
// the starting folder as prefs::DialogStartFolder gives it.
platform::FileRequest CaseFileRequest(CaseFileSession& session);

// The entries of the case whose text a case file cannot hold as it stands,
// each named by its window and field.
std::vector<platform::UnwritableEntry> UnwritableCaseEntries(const CaseFields& fields);

// Save: proposes the case name less \ / : * ? < > |; the chosen file always
// ends in ".PVX" ("Smith v. Jones" -> "Smith v. Jones.PVX"), and a file that
// exists is replaced only when the user agrees; entries holding characters
// the file cannot hold are named and saved with "?" only when the user
// agrees. Then saves the whole case (SaveCase). A failure is reported in the
// message box and leaves the old file whole; Cancel or No does nothing.
// Returns whether saved.
bool SaveCaseCommand(CaseFileSession& session);

// Open: opens the chosen file (OpenCase). A file that cannot be read or is
// refused is reported, naming the file and the block or position, and no
// window changes; Cancel does nothing. Returns whether a case was opened (the
// caller then shows the Express screen).
bool OpenCaseCommand(CaseFileSession& session);

}  // namespace casefile
