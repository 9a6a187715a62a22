#pragma once

#include <QString>

namespace platform {

// The program's screens and documents are set in Tahoma. When the system has
// no face of that name, the Tahoma-compatible face shipped with Debian's
// fonts-wine package is registered for this run. Returns true when a Tahoma
// face is available afterwards.
bool RegisterTahomaIfMissing();

// True when the font system knows a face of this name (compared without regard
// to case); a font system that does not know a name substitutes another face.
bool IsFontInstalled(const QString& name);

}  // namespace platform
