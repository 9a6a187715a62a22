#include "shell/MonitorAdjustmentEntry.h"

#include <QLocale>

#include "platform/NumberText.h"

namespace shell {

QString MonitorAdjustmentText(const QString& entry) {
  const double value = platform::Val(entry);
  if (value < 0.5 || value > 1) return QStringLiteral("1");
  return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

}  // namespace shell
