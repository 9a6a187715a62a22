#pragma once

#include <QImage>
#include <QWidget>

namespace platform::ui {

// A picture of a window's client area (a program window's below its menu
// bar), at its size in pixels; the window is drawn as it would be on screen,
// also where other windows cover it.
QImage CaptureForm(QWidget& window);

}  // namespace platform::ui
