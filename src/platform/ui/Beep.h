#pragma once

namespace platform::ui {

// Sounds the system's beep.
void Beep();

}  // namespace platform::ui
