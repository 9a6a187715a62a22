#pragma once

class QEvent;
class QObject;

namespace platform::ui {

// The windows' key preview rule: a double quote typed into a field arrives as
// an apostrophe. Call from an event filter installed on the fields; returns
// true when the event was such a key press and the apostrophe was sent instead.
bool ApostropheForDoubleQuote(QObject* watched, QEvent* event);

}  // namespace platform::ui
