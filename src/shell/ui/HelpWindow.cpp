#include "shell/ui/HelpWindow.h"

#include <QTextBrowser>
#include <QTextCursor>

namespace shell {

HelpWindow::HelpWindow(const QString& name, const QString& caption, const QString& html,
                       QWidget* parent)
    : Form(name, parent) {
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  platform::ui::Place(this, 0, 0, 9600, 7200);
  RichTextBox1 = add<QTextBrowser>("RichTextBox1", nullptr, 0, 0, 9600, 7200);
  RichTextBox1->setOpenLinks(false);
  RichTextBox1->setHtml(html);
  SetTextSize(10);
}

void HelpWindow::SetTextSize(double points) {
  if (!(points > 0)) return;
  QTextCursor all(RichTextBox1->document());
  all.select(QTextCursor::Document);
  QTextCharFormat size;
  size.setFontPointSize(points);
  all.mergeCharFormat(size);
  QTextCursor start(RichTextBox1->document());
  start.movePosition(QTextCursor::Start);
  RichTextBox1->setTextCursor(start);
}

QString HelpWindow::PlainText() const { return RichTextBox1->toPlainText(); }

}  // namespace shell
