#include "platform/FileFilter.h"

namespace platform {

QStringList NameFiltersFromPairs(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns) p = p.trimmed();
    patterns.removeAll(QString());
    if (patterns.isEmpty()) continue;
    result << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns.join(' '));
  }
  return result;
}

}  // namespace platform
