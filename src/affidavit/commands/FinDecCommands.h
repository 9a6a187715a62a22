#pragma once

#include <QString>

#include <functional>

#include "affidavit/datafile/FinDecFile.h"
#include "case/AffidavitVars.h"

namespace platform {
class Dialogs;
struct FileRequest;
}

// The affidavit pages' File menu commands "Save Financial Affidavit Data To
// File" and "Open Financial Affidavit Data From File". All four pages run the
// same two commands. No command changes the process's current folder.
namespace affidavit {

struct FinDecSession {
  AffidavitPages& pages;
  platform::Dialogs& dialogs;
  FinDecSettings& settings;
  QString& dataFolder;  // the program's `DataFolder`
  QString caseName;     // the Express screen's case name, proposed as the file name
  casevars::AffidavitValues& values;  // read again and totalled after an open
  // After an open, before the values are read: the pages' layout for the
  // opened form and the page shown (the windows' part).
  std::function<void(AffidavitMode)> applyLayout = {};
};

// The dialogs' request: the filter lists *.FIN and *.fin, the extension FIN,
// the starting folder as prefs::DialogStartFolder gives it.
platform::FileRequest FinDecFileRequest(FinDecSession& session);

// Save: writes the pages of the form in use to the chosen file, which always
// ends in ".FIN"; a file that exists is replaced, and entries holding
// characters the file cannot hold are saved with "?", only when the user
// agrees (platform/SaveChecks.h). A failure is reported and leaves the old
// file whole; Cancel or No does nothing. Returns whether saved.
bool SaveTheFinDec(FinDecSession& session);

// Open: reads and checks the whole file, then fills the pages, switches the
// layout, recomputes the affidavit's totals (every entry keeps the file's
// text) and tells which form the file is for. A file refused or unreadable
// is reported and nothing changes; Cancel does nothing. Returns whether a
// file was opened.
bool OpenTheFinDec(FinDecSession& session);

}  // namespace affidavit
