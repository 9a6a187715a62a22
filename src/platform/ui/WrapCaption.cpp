#include "platform/ui/WrapCaption.h"

#include <QFontMetrics>
#include <QStringList>

namespace platform::ui {

QString WrapCaption(const QString& caption, const QFont& font, int widthPixels) {
  const QFontMetrics metrics(font);
  QString wrapped, line;
  for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > widthPixels) {
      wrapped += line + QLatin1Char('\n');
      line = word;
    } else {
      line = candidate;
    }
  }
  return wrapped + line;
}

}  // namespace platform::ui
