#include "platform/ui/CaptureForm.h"

namespace platform::ui {

QImage CaptureForm(QWidget& window) {
  if (window.width() <= 0 || window.height() <= 0) return {};
  QImage image(window.size(), QImage::Format_RGB32);
  image.fill(window.palette().color(window.backgroundRole()));
  window.render(&image);
  return image;
}

}  // namespace platform::ui
