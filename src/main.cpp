#include <QApplication>

#include "app/ui/ProgramWindows.h"
#include "app/ui/StartProgram.h"
#include "platform/Fonts.h"
#include "platform/ui/Form.h"
#include "platform/ui/QtDialogs.h"
#include "shell/ui/Program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Kelvane");
  platform::RegisterTahomaIfMissing();

  platform::ui::QtDialogs dialogs;
  shell::Program program(dialogs);
  app::RegisterProgramWindows(program);
  dialogs.SetWindowFitter([&program](QWidget& window) {
    if (auto* form = qobject_cast<platform::ui::Form*>(&window)) program.FitFormToScreen(*form);
  });
  app::StartProgram(program);
  return program.Ended() ? 0 : application.exec();
}

// Under the sanitizers: memory the desktop bus library keeps until the process
// ends is not ours to free, so the leak check passes over it.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n";
}
extern "C" const char* __lsan_default_options() {
  return "print_suppressions=0";
}
#endif
