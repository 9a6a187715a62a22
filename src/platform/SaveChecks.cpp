#include "platform/SaveChecks.h"

#include <QFileInfo>

namespace platform {

namespace {

constexpr std::size_t kEntriesNamed = 4;
constexpr qsizetype kTextShown = 40;

QString Shortened(const QString& text) {
  const QString line = text.simplified();
  return line.size() <= kTextShown ? line : line.left(kTextShown - 3) + QStringLiteral("...");
}

}  // namespace

QString WithExtension(const QString& path, const QString& extension) {
  if (extension.isEmpty()) return path;
  const QString ending = u'.' + extension;
  return path.endsWith(ending, Qt::CaseInsensitive) ? path : path + ending;
}

std::optional<QString> ChooseFileToSave(Dialogs& dialogs, const FileRequest& request) {
  const std::optional<QString> chosen = dialogs.ShowSaveDialog(request);
  if (!chosen) return std::nullopt;
  const QString path = WithExtension(*chosen, request.defaultExtension);
  if (!QFileInfo::exists(path)) return path;
  const QString prompt = QStringLiteral("%1 already exists.\r\nDo you want to replace it?")
                             .arg(QFileInfo(path).fileName());
  if (dialogs.ShowMessageBox(prompt, kBoxYesNo, QStringLiteral("Confirm Save As")) != kAnswerYes)
    return std::nullopt;
  return path;
}

bool AgreeToQuestionMarks(Dialogs& dialogs, const std::vector<UnwritableEntry>& entries) {
  if (entries.empty()) return true;
  QString prompt = QStringLiteral("These entries hold characters that the file cannot hold:\r\n");
  for (std::size_t i = 0; i < entries.size() && i < kEntriesNamed; ++i)
    prompt += QStringLiteral("%1: \"%2\"\r\n").arg(entries[i].where, Shortened(entries[i].text));
  if (entries.size() > kEntriesNamed)
    prompt += QStringLiteral("and %1 more.\r\n").arg(entries.size() - kEntriesNamed);
  prompt += QStringLiteral("\r\nSave them with \"?\" in place of those characters? "
                           "No saves nothing, so that you can change them first.");
  return dialogs.ShowMessageBox(prompt, kBoxYesNo, QStringLiteral("Characters The File Cannot Hold")) ==
         kAnswerYes;
}

}  // namespace platform
