#include "platform/TextFile.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

namespace platform {

TextFileReading ReadTextFile(const QString& path) {
  TextFileReading reading;
  const QFileInfo info(path);
  const QString name = QDir::toNativeSeparators(path);
  if (!info.exists()) {
    reading.error = QStringLiteral("The file %1 was not found.").arg(name);
    return reading;
  }
  QFile file(path);
  if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
    reading.error = QStringLiteral("The file %1 could not be read.").arg(name);
    return reading;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    reading.error = QStringLiteral("The file %1 could not be read.").arg(name);
    return reading;
  }
  reading.text = QString::fromUtf8(bytes);
  return reading;
}

}  // namespace platform
