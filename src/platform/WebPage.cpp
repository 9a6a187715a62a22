#include "platform/WebPage.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/Dialogs.h"

namespace platform {

bool OpenWebPage(const QString& address, Dialogs& dialogs) {
  const QUrl url = QUrl::fromUserInput(address.trimmed());
  if (url.isValid() && QDesktopServices::openUrl(url)) return true;
  dialogs.ShowMessageBox(QStringLiteral("Web Page Not Opened"), kBoxExclamation,
                         QStringLiteral("URL Failed"));
  return false;
}

}  // namespace platform
