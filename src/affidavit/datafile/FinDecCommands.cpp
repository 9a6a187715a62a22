#include "affidavit/datafile/FinDecCommands.h"

#include <QDir>
#include <QLatin1String>

#include "affidavit/calc/AffidavitCalc.h"
#include "platform/Dialogs.h"
#include "platform/TextHelpers.h"
#include "prefs/Preferences.h"

namespace affidavit {

namespace {

const QString kTitle = QStringLiteral("Affidavit Data File");

}  // namespace

platform::FileRequest FinDecFileRequest(FinDecSession& session) {
  platform::FileRequest request;
  request.filter = QStringLiteral("Kelvane 2026 Financial Affidavit|*.FIN;*.fin");
  request.defaultExtension = QStringLiteral("FIN");
  if (prefs::FileSaveDefault.read() == QLatin1String("UserDefault")) {
    session.dataFolder = prefs::DataLoc.read();
    if (!session.dataFolder.isEmpty() && QDir(session.dataFolder).exists())
      request.initialFolder = session.dataFolder;
  }
  return request;
}

QString WithFinDecExtension(const QString& path) {
  if (path.endsWith(QLatin1String(".FIN"), Qt::CaseInsensitive)) return path;
  return path + QStringLiteral(".FIN");
}

bool SaveTheFinDec(FinDecSession& session) {
  platform::FileRequest request = FinDecFileRequest(session);
  request.fileName = platform::RemoveChars(session.caseName, u"\\/:*?<>|");
  const std::optional<QString> chosen = session.dialogs.ShowSaveDialog(request);
  if (!chosen) return false;
  const QString path = WithFinDecExtension(*chosen);
  if (const auto error = SaveFinDec(session.pages, session.settings, path)) {
    session.dialogs.ShowMessageBox(error->message, platform::kBoxExclamation, kTitle);
    return false;
  }
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
  RestoreFinDec(session.pages, file.value(), session.settings);
  if (session.applyLayout) session.applyLayout(file.value().mode);
  AssignFDVars(session.pages, session.settings.formType, session.values);
  CalculateFinDec(session.pages, session.settings.formType, session.values);
  session.dialogs.ShowMessageBox(session.settings.formType == kLongForm
                                     ? QStringLiteral("You have opened a data file for use with the LONG FORM Affidavit")
                                     : QStringLiteral("You have opened a data file for use with the SHORT FORM Affidavit"),
                                 platform::kBoxOk, kTitle);
  return true;
}

}  // namespace affidavit
