#include "shell/ui/HelpWindow.h"

#include "platform/ui/RichText.h"

#include <QTextBrowser>

namespace shell {

HelpWindow::HelpWindow(const QString& name, const QString& caption, const QString& html,
                       QWidget* parent)
    : Form(name, parent) {
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  SetDesignedByClientArea(true);
  platform::ui::Place(this, 0, 0, 9600, 7200);
  RichTextBox1 = add<QTextBrowser>("RichTextBox1", nullptr, 0, 0, 9600, 7200);
  RichTextBox1->setOpenLinks(false);
  RichTextBox1->setHtml(html);
  SetTextSize(10);
}

void HelpWindow::SetTextSize(double points) { platform::ui::SetWholeTextSize(*RichTextBox1, points); }

QString HelpWindow::PlainText() const { return RichTextBox1->toPlainText(); }

}  // namespace shell
