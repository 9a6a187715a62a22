#include "affidavit/commands/FinDecCommands.h"

#include "affidavit/calc/AffidavitCalc.h"
#include "platform/Dialogs.h"
#include "platform/SaveChecks.h"
#include "platform/TextHelpers.h"
#include "prefs/FileFolders.h"

namespace affidavit {

namespace {

const QString kTitle = QStringLiteral("Affidavit Data File");

}  // namespace

platform::FileRequest FinDecFileRequest(FinDecSession& session) {
  platform::FileRequest request;
  request.filter = QStringLiteral("Kelvane 2026 Financial Affidavit|*.FIN;*.fin");
  request.defaultExtension = QStringLiteral("FIN");
  request.initialFolder = prefs::DialogStartFolder(session.dataFolder);
  return request;
}

bool SaveTheFinDec(FinDecSession& session) {
  platform::FileRequest request = FinDecFileRequest(session);
  request.fileName = platform::RemoveChars(session.caseName, u"\\/:*?<>|");
  const std::optional<QString> path = platform::ChooseFileToSave(session.dialogs, request);
  if (!path) return false;
  if (!platform::AgreeToQuestionMarks(session.dialogs, UnwritableFinDecEntries(session.pages, session.settings)))
    return false;
  if (const auto error = SaveFinDec(session.pages, session.settings, *path)) {
    session.dialogs.ShowMessageBox(error->message, platform::kBoxExclamation, kTitle);
    return false;
  }
  prefs::RememberFileFolder(*path);
  return true;
}

bool OpenTheFinDec(FinDecSession& session) {
  const std::optional<QString> chosen = session.dialogs.ShowOpenDialog(FinDecFileRequest(session));
  if (!chosen) return false;
  const auto file = ReadFinDec(*chosen);
  if (!file.ok()) {
    session.dialogs.ShowMessageBox(file.error().message, platform::kBoxExclamation, kTitle);
    return false;
  }
  prefs::RememberFileFolder(*chosen);
  RestoreFinDec(session.pages, file.value(), session.settings);
  if (session.applyLayout) session.applyLayout(file.value().mode);
  // The totals of the opened affidavit; every entry keeps the file's text.
  AssignFDVars(session.pages, session.settings.formType, session.values, EntryTexts::Kept);
  CalculateFinDec(session.pages, session.settings.formType, session.values, EntryTexts::Kept);
  session.dialogs.ShowMessageBox(session.settings.formType == kLongForm
                                     ? QStringLiteral("You have opened a data file for use with the LONG FORM Affidavit")
                                     : QStringLiteral("You have opened a data file for use with the SHORT FORM Affidavit"),
                                 platform::kBoxOk, kTitle);
  return true;
}

}  // namespace affidavit
