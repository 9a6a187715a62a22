#pragma once

namespace platform {

// Waits the given time while the program's events (painting, timers, input)
// go on being handled; returns once the time has passed. The wait sleeps
// between events. A time of 0 or less handles the pending events and returns.
void WaitWhileHandlingEvents(double seconds);

// The same wait with the user's input held back: windows repaint and timers
// run, but no key or mouse press reaches a window (nor starts a command)
// until the wait is over.
void WaitWithoutUserInput(double seconds);

}  // namespace platform
