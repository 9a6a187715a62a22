#include "platform/ui/TypedQuote.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace platform::ui {

bool SendApostropheForQuote(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->text() != QLatin1String("\"")) return false;
  QKeyEvent apostrophe(QEvent::KeyPress, Qt::Key_Apostrophe, key->modifiers() & ~Qt::ShiftModifier,
                       QStringLiteral("'"), key->isAutoRepeat(), static_cast<ushort>(key->count()));
  QCoreApplication::sendEvent(watched, &apostrophe);
  return true;
}

}  // namespace platform::ui
