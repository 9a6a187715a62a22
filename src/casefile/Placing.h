#pragma once

#include "casefile/CaseFields.h"

// Writing one control from code as opening and New case do: the control
// reacts as to the user's own change, and only to a change.
namespace casefile {

// Writes a text; the box reacts when its text changed and `react` is true
// (a drop-down's text written from code runs no handling). Returns whether
// the text changed.
inline bool PlaceText(CaseFields& f, const ControlRef& c, const QString& text, bool react = true) {
  if (f.Text(c) == text) return false;
  f.SetText(c, text);
  if (react) f.React(c);
  return true;
}

// Sets an option; it reacts only when it becomes chosen and `react` is true.
inline void PlaceOption(CaseFields& f, const ControlRef& c, int value, bool react = true) {
  const bool wasOn = f.Value(c) != 0;
  f.SetValue(c, value);
  if (value != 0 && !wasOn && react) f.React(c);
}

// Sets a check box; it reacts when its value changed.
inline void PlaceTick(CaseFields& f, const ControlRef& c, int value) {
  if (f.Value(c) == value) return;
  f.SetValue(c, value);
  f.React(c);
}

}  // namespace casefile
