#include "platform/ui/CaptureForm.h"

#include "platform/ui/Form.h"

namespace platform::ui {

QImage CaptureForm(QWidget& window) {
  // A program window's client area lies below its menu bar.
  QRect area = window.rect();
  if (const auto* form = qobject_cast<const Form*>(&window)) area = form->Client()->geometry();
  if (area.width() <= 0 || area.height() <= 0) return {};
  QImage image(area.size(), QImage::Format_RGB32);
  image.fill(window.palette().color(window.backgroundRole()));
  window.render(&image, QPoint(), QRegion(area));
  return image;
}

}  // namespace platform::ui
