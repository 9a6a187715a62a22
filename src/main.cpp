#include <QApplication>

#include "platform/Fonts.h"
#include "platform/ui/Form.h"
#include "platform/ui/QtDialogs.h"
#include "shell/ui/Program.h"
#include "shell/ui/StartProgram.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kelvane");
  platform::RegisterTahomaIfMissing();

  platform::ui::QtDialogs dialogs;
  shell::Program program(dialogs);
  dialogs.SetWindowFitter([&program](QWidget& window) {
    if (auto* form = qobject_cast<platform::ui::Form*>(&window)) program.FitFormToScreen(*form);
  });
  shell::StartProgram(program);
  return program.Ended() ? 0 : app.exec();
}
