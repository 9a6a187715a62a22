#include "casefile/CaseFileCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QLatin1String>

#include "casefile/CaseRecord.h"
#include "platform/Dialogs.h"
#include "platform/TextHelpers.h"
#include "prefs/Preferences.h"

namespace casefile {

namespace {

void Report(CaseFileSession& session, const QString& message, const QString& title) {
  session.dialogs.ShowMessageBox(message, platform::kBoxExclamation, title);
}

void RememberFolder(CaseFileSession& session, const QString& path) {
  session.lastFolder = QFileInfo(path).absolutePath();
}

}  // namespace

platform::FileRequest CaseFileRequest(CaseFileSession& session) {
  platform::FileRequest request;
  request.filter = QStringLiteral("Kelvane_2026 Files|*.PVX;*.pvx");
  request.defaultExtension = QStringLiteral("PVX");
  if (prefs::FileSaveDefault.read() == QLatin1String("UserDefault")) {
    session.dataFolder = prefs::DataLoc.read();
    if (!session.dataFolder.isEmpty() && QDir(session.dataFolder).exists())
      request.initialFolder = session.dataFolder;
  } else {
    request.initialFolder = session.lastFolder;
  }
  return request;
}

QString WithCaseExtension(const QString& path) {
  if (path.endsWith(QLatin1String(".PVX"), Qt::CaseInsensitive)) return path;
  return path + QStringLiteral(".PVX");
}

bool SaveCaseCommand(CaseFileSession& session) {
  platform::FileRequest request = CaseFileRequest(session);
  request.fileName = platform::RemoveChars(
      session.fields.Text({QStringLiteral("Form1"), QStringLiteral("ClaimantName")}),
      u"\\/:*?<>|");
  const std::optional<QString> chosen = session.dialogs.ShowSaveDialog(request);
  if (!chosen) return false;
  const QString path = WithCaseExtension(*chosen);
  if (const auto error = SaveCase(session.fields, path)) {
    Report(session, error->message, QStringLiteral("Case Not Saved"));
    return false;
  }
  RememberFolder(session, path);
  return true;
}

bool OpenCaseCommand(CaseFileSession& session) {
  const std::optional<QString> chosen = session.dialogs.ShowOpenDialog(CaseFileRequest(session));
  if (!chosen) return false;
  if (const auto error = OpenCase(session.fields, session.vars, *chosen)) {
    Report(session, error->message, QStringLiteral("Case Not Opened"));
    return false;
  }
  RememberFolder(session, *chosen);
  return true;
}

}  // namespace casefile
