#include "shell/ui/Form17.h"

#include <QLabel>

#include "platform/ui/ButtonPlus.h"

namespace shell {

using platform::ui::ButtonPlus;

Form17::Form17(QWidget* parent) : Form(QStringLiteral("Form17"), parent) {
  setWindowTitle(QStringLiteral("SAVING IMAGE"));
  setAttribute(Qt::WA_DeleteOnClose);
  SetDesignedByClientArea(true);
  platform::ui::Place(this, 0, 0, 6840, 4200);

  Label1 = add<QLabel>("Label1", nullptr, 240, 240, 6360, 420,
                       QStringLiteral("SAVING IMAGE - PLEASE WAIT........"));
  Label1->setAlignment(Qt::AlignCenter);
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  platform::ui::SetForeColor(Label1, platform::kSysActiveCaption);

  Label2 = add<QLabel>("Label2", nullptr, 240, 780, 6360, 2280);
  Label2->setWordWrap(true);
  Label2->setText(QStringLiteral(
      "You are saving the image of this document as a Portable Document File (PDF) which can be "
      "viewed or printed with Adobe Acrobat Reader. PDF is a suitable file format for emailing this "
      "document as PDF is platform independent. The Acrobat Reader is available as a free download "
      "from Adobe. NOTE: Saving this image is not a substitute for saving your case data to file."));

  OK = add<ButtonPlus>("OK", nullptr, 2580, 3240, 1680, 480, QStringLiteral("OK"));
  platform::ui::SetTag(OK, QStringLiteral("1000"));
  OK->setAutoDefault(true);  // Enter presses it
  connect(OK, &ButtonPlus::clicked, this, &Form17::OK_Click);
  ShowSaved();
}

void Form17::ShowSaving() {
  OK->setVisible(false);
  Label1->setVisible(true);
}

void Form17::ShowSaved() {
  Label1->setVisible(false);
  OK->setVisible(true);
  OK->setFocus();
}

void Form17::OK_Click() { close(); }

}  // namespace shell
