#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "platform/Dialogs.h"

// The questions every save of the program asks before it writes: which file,
// whether to replace one that exists, and whether to write characters the
// data files cannot hold as "?". Asked through Dialogs, so that a scripted
// test meets each of them as a person does.
namespace platform {

// `path` with "." and the extension added unless it already ends in them (in
// either case): "Case No. 12" -> "Case No. 12.PVX", "a.pvx" stays.
QString WithExtension(const QString& path, const QString& extension);

// The save dialog of `request`, then the file it names with the request's
// default extension added (WithExtension). When that file exists, the
// program's message box asks whether to replace it ("Confirm Save As", Yes
// and No). No value on Cancel in the dialog or No to the question: nothing
// is to be saved.
std::optional<QString> ChooseFileToSave(Dialogs& dialogs, const FileRequest& request);

// An entry whose text a data file cannot hold as it stands (FitsAnsi).
struct UnwritableEntry {
  QString where;  // the window and the field: "Case Data Express Entry, Case Name"
  QString text;
};

// Nothing to ask when `entries` is empty: true. Otherwise the message box
// names the entries (the first few, and how many more) and asks whether to
// save them with "?" in place of the characters the file cannot hold; true
// on Yes.
bool AgreeToQuestionMarks(Dialogs& dialogs, const std::vector<UnwritableEntry>& entries);

}  // namespace platform
