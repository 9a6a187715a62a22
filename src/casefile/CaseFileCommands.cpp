#include "casefile/CaseFileCommands.h"

#include <QFileInfo>
#include <QLatin1String>

#include "casefile/CaseRecord.h"
#include "platform/AnsiText.h"
#include "platform/Dialogs.h"
#include "platform/TextHelpers.h"
#include "prefs/FileFolders.h"

namespace casefile {

namespace {

void Report(CaseFileSession& session, const QString& message, const QString& title) {
  session.dialogs.ShowMessageBox(message, platform::kBoxExclamation, title);
}

void RememberFolder(CaseFileSession& session, const QString& path) {
  session.caseFolder = QFileInfo(path).absolutePath();
  prefs::RememberFileFolder(path);
}

}  // namespace

platform::FileRequest CaseFileRequest(CaseFileSession& session) {
  platform::FileRequest request;
  request.filter = QStringLiteral("Kelvane_2026 Files|*.PVX;*.pvx");
  request.defaultExtension = QStringLiteral("PVX");
  request.initialFolder = prefs::DialogStartFolder(session.dataFolder);
  return request;
}

std::vector<platform::UnwritableEntry> UnwritableCaseEntries(const CaseFields& fields) {
  std::vector<platform::UnwritableEntry> entries;
  const QList<platform::SequentialValue> record = GatherCase(fields);
  for (const Position& p : CasePositions()) {
    const platform::SequentialValue& v = record[p.position - 1];
    if (v.kind() == platform::SequentialValue::Kind::Text && !platform::FitsAnsi(v.text()))
      entries.push_back({PositionName(fields, p), v.text()});
  }
  return entries;
}

bool SaveCaseCommand(CaseFileSession& session) {
  platform::FileRequest request = CaseFileRequest(session);
  request.fileName = platform::RemoveChars(
      session.fields.Text({QStringLiteral("Form1"), QStringLiteral("ClaimantName")}),
      u"\\/:*?<>|");
  const std::optional<QString> path = platform::ChooseFileToSave(session.dialogs, request);
  if (!path) return false;
  if (!platform::AgreeToQuestionMarks(session.dialogs, UnwritableCaseEntries(session.fields))) return false;
  if (const auto error = SaveCase(session.fields, *path)) {
    Report(session, error->message, QStringLiteral("Case Not Saved"));
    return false;
  }
  RememberFolder(session, *path);
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
