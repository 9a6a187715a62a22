#include "platform/ui/Beep.h"

#include <QApplication>

namespace platform::ui {

void Beep() { QApplication::beep(); }

}  // namespace platform::ui
