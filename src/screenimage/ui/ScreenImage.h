#pragma once

#include <cstdint>
#include <functional>

#include <QString>

namespace platform::ui {
class Form;
}
namespace shell {
class Program;
}

namespace screenimage::ui {

class Form6;

// How long a window shows its print appearance before it is captured.
inline constexpr double kScreenImageWaitSeconds = 0.25;

// The monitor adjustment as the screen image reads it: the stored "MonAdj"
// as a number, 1 when it is not one.
double ScreenImageMonitorAdjustment(const QString& stored);

// How a screen image treats the state of the window it pictures.
enum class ImageWindowState {
  // Maximised for the picture (back to its normal size for the capture when
  // the monitor adjustment is not 1) and maximised again for its return: the
  // result windows, the pension and 72(t) calculators.
  MaximisedOnReturn,
  // Maximised for the picture as above, and given back in the state it was
  // captured in: the financial calculator.
  AsCaptured,
  // Left as it is, the monitor adjustment not read: the overnight estimator
  // and the dependency calculator.
  Unchanged,
};

struct ScreenImageSteps {
  ImageWindowState state = ImageWindowState::MaximisedOnReturn;
  // The window hides itself before Form6 is shown rather than after (the
  // overnight estimator).
  bool hideBeforeShowing = false;
};

// A window's "Print Screen Image": the window maximised (as `steps` says),
// its print appearance (`printAppearance`: buttons hidden, trade mark shown,
// white scheme), a quarter second for it to repaint during which the user's
// input is held back, a fresh "Print Screen Images" window fitted, the window
// back to its normal size unless the monitor adjustment is 1, its client area
// captured and handed over with the two previews, Form6 shown, the window
// hidden, PrintImageCaller set to `callerCode` and the window maximised for
// its return. A second command during the wait does nothing. Form6 gives the
// window back: its buttons shown, its trade mark hidden, its grey method
// called by name. Returns Form6, or null when the program has none.
Form6* TakeScreenImage(shell::Program& program, platform::ui::Form& window, std::int16_t callerCode,
                       const std::function<void()>& printAppearance, ScreenImageSteps steps = {});

}  // namespace screenimage::ui
