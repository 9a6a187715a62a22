#include "prefs/FileFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QLatin1String>

#include "platform/SpecialFolders.h"
#include "prefs/Preferences.h"

namespace prefs {

namespace {

bool IsFolder(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

// The default data folder, made when it is not there yet; "" when it cannot be.
QString MadeDefaultDataFolder() {
  const QString folder = DefaultDataFolder();
  if (folder.isEmpty()) return {};
  return IsFolder(folder) || QDir().mkpath(folder) ? folder : QString();
}

}  // namespace

QString DefaultDataFolder() {
  const QString documents = platform::GetSpecialFolderPath(QStandardPaths::DocumentsLocation);
  if (documents.isEmpty()) return {};
  return QDir::cleanPath(documents + QStringLiteral("Pvx Data"));
}

QString DialogStartFolder(QString& dataFolder) {
  if (FileSaveDefault.read() == QLatin1String("UserDefault")) {
    dataFolder = DataLoc.read();
    if (IsFolder(dataFolder)) return dataFolder;
    if (!dataFolder.isEmpty() && QDir::cleanPath(dataFolder) == DefaultDataFolder()) return MadeDefaultDataFolder();
    return {};
  }
  const QString last = LastFolder.read();
  if (IsFolder(last)) return last;
  return MadeDefaultDataFolder();
}

void RememberFileFolder(const QString& filePath) {
  LastFolder.write(QFileInfo(filePath).absolutePath());
}

}  // namespace prefs
