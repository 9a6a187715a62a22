#pragma once

#include <QString>

namespace platform {

class Dialogs;

// Opens a web address with the desktop's web browser. When the page cannot
// be opened, says "Web Page Not Opened" (title "URL Failed") in the program's
// message box. Returns whether the browser took the address.
bool OpenWebPage(const QString& address, Dialogs& dialogs);

}  // namespace platform
