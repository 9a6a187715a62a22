#pragma once

#include <QImage>

namespace platform {

// A picture of the whole primary screen at its size in pixels; a null image
// when the window system does not let the program read the screen.
QImage CaptureScreen();

}  // namespace platform
