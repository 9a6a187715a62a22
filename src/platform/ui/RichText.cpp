#include "platform/ui/RichText.h"

#include <QTextBrowser>
#include <QTextCursor>

namespace platform::ui {

void SetWholeTextSize(QTextBrowser& box, double points) {
  if (!(points > 0)) return;
  QTextCursor all(box.document());
  all.select(QTextCursor::Document);
  QTextCharFormat size;
  size.setFontPointSize(points);
  all.mergeCharFormat(size);
  QTextCursor start(box.document());
  start.movePosition(QTextCursor::Start);
  box.setTextCursor(start);
  box.ensureCursorVisible();
}

}  // namespace platform::ui
