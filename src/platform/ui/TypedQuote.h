#pragma once

class QEvent;
class QObject;

namespace platform::ui {

// For a window's event filter: a double quote typed into a field arrives as
// an apostrophe. Returns true when it sent the apostrophe in the key's place
// (the filter then drops the typed key).
bool SendApostropheForQuote(QObject* watched, QEvent* event);

}  // namespace platform::ui
