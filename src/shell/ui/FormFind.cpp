#include "shell/ui/FormFind.h"

#include <QLabel>
#include <QLineEdit>

#include "platform/Dialogs.h"
#include "platform/document/TextSearch.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/PreviewControl.h"
#include "shell/ui/Program.h"

namespace shell {

using platform::ui::ButtonPlus;

FormFind::FormFind(Program& program, PreviewControl& document, QWidget* parent)
    : Form(QStringLiteral("FormFind"), parent), program_(program), document_(document) {
  setWindowTitle(QStringLiteral("Find Text"));
  setAttribute(Qt::WA_DeleteOnClose);
  SetDesignedByClientArea(true);
  platform::ui::Place(this, 0, 0, 5400, 2280);

  Label1 = add<QLabel>("Label1", nullptr, 240, 180, 4920, 285,
                       QStringLiteral("Enter Text String To Find"));
  txtFind = add<QLineEdit>("txtFind", nullptr, 240, 480, 4920, 345);
  btnFind[0] =
      add<ButtonPlus>("btnFind", nullptr, 240, 1080, 1560, 480, QStringLiteral("Find First"));
  btnFind[1] =
      add<ButtonPlus>("btnFind", nullptr, 1920, 1080, 1560, 480, QStringLiteral("Find Next"));
  Exit = add<ButtonPlus>("Exit", nullptr, 3600, 1080, 1560, 480, QStringLiteral("Exit"));
  for (int i = 0; i < 2; ++i) {
    btnFind[i]->setProperty("Index", i);
    connect(btnFind[i], &ButtonPlus::clicked, this, [this, i] { btnFind_Click(i); });
  }
  connect(Exit, &ButtonPlus::clicked, this, &FormFind::Exit_Click);
}

void FormFind::btnFind_Click(int index) {
  ProgramState& s = program_.State;
  if (s.FindPage < 1) s.FindPage = 1;
  document_.ClearOverlay(s.FindPage);
  if (index == 0) {
    s.FindPosition = 0;
    s.FindPage = 1;
  }
  const QString text = txtFind->text();
  const std::optional<platform::TextMatch> match =
      platform::FindText(document_.Document(), text, s.FindPage, s.FindPosition);
  s.FindPage = match ? static_cast<std::int16_t>(match->page) : 0;
  if (s.FindPage > 0) {
    s.FindPosition = match->nextPosition;
    document_.DrawFrame(s.FindPage, match->rect, kFindFrameWidth, QColor(200, 0, 0));
    document_.ShowPage(s.FindPage);
    document_.ScrollIntoView(s.FindPage, match->rect);
    return;
  }
  program_.Dialogs.ShowStandardInformation(
      QStringLiteral("Cannot find the string ' ") + text + QStringLiteral(" ' in the document. "),
      QStringLiteral("Not Found"));
  s.FindPosition = 0;
}

void FormFind::Exit_Click() {
  ProgramState& s = program_.State;
  if (s.FindPage < 1) s.FindPage = 1;
  document_.ClearOverlay(s.FindPage);
  close();
}

}  // namespace shell
