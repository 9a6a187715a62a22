#include "express/ui/TimeBoxKeys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace express {

std::optional<QString> TimeBoxKeys::Track(QLineEdit* box, const QEvent* event) {
  const bool press = event->type() == QEvent::KeyPress;
  if (!press && event->type() != QEvent::KeyRelease) return std::nullopt;
  if (static_cast<const QKeyEvent*>(event)->isAutoRepeat()) return std::nullopt;
  if (press) {
    pressedIn_ = box;
    textBefore_ = box->text();
    return std::nullopt;
  }
  if (pressedIn_ != box) return std::nullopt;
  pressedIn_ = nullptr;
  return textBefore_;
}

}  // namespace express
