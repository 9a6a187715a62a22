#include "platform/Capture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace platform {

QImage CaptureScreen() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  QImage image = screen->grabWindow(0).toImage();
  const QSize size = screen->geometry().size();
  if (!image.isNull() && image.size() != size)
    image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return image;
}

}  // namespace platform
