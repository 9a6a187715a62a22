#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>

#include "casefile/CaseFields.h"
#include "support/TestEnvironment.h"

// The hand-built case file (tests/data/casefile/HandBuilt.PVX): every text
// position n holds "Tn" but 41 "Arial", 42 8.25, 172 "555-0100", 208
// "As Amount", 209 "As Rate"; the options chosen are 8, 12, 19, 22, 74, 77, 80,
// 90, 176, 179, 261, 266 and 377; the boxes ticked 69, 173, 228, 275, 308,
// 323, 368 and 399. It holds no comma inside a text, so its values are its
// comma-separated tokens.
namespace casefile_test {

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString HandBuiltPath() { return testenv::dataFile(QStringLiteral("casefile/HandBuilt.PVX")); }

// The hand-built file's 399 tokens; token n at element n - 1.
inline QStringList HandTokens() {
  QString line = QString::fromLatin1(FileBytes(HandBuiltPath()));
  line.chop(2);  // CR LF
  return line.split(u',');
}

// A file of the first `count` tokens, as one line.
inline QByteArray LineOf(const QStringList& tokens, int count) {
  return (tokens.mid(0, count).join(u',') + QStringLiteral("\r\n")).toLatin1();
}

inline QString WriteScratch(const QString& name, const QByteArray& bytes) {
  const QString path = QDir(testenv::scratchFolder()).filePath(name);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  return path;
}

inline casefile::ControlRef C(const char* window, const char* name, int index = casefile::kNoIndex) {
  return {QLatin1String(window), QLatin1String(name), index};
}

}  // namespace casefile_test
