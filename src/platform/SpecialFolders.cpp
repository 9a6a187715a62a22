#include "platform/SpecialFolders.h"

#include <QDir>

namespace platform {

QString GetSpecialFolderPath(QStandardPaths::StandardLocation folder) {
  const QString path = QStandardPaths::writableLocation(folder);
  if (path.isEmpty()) return {};
  const QString clean = QDir::cleanPath(path);
  return clean.endsWith('/') ? clean : clean + '/';
}

}  // namespace platform
