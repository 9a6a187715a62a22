#pragma once

namespace platform {

// Waits the given time while the program's events (painting, timers, input)
// go on being handled; returns once the time has passed. The wait sleeps
// between events. A time of 0 or less handles the pending events and returns.
void WaitWhileHandlingEvents(double seconds);

}  // namespace platform
