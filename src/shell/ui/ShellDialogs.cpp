#include "shell/ui/ShellDialogs.h"

#include "shell/ui/Form18.h"
#include "shell/ui/Form20.h"
#include "shell/ui/FormScaling.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/Program.h"

namespace shell {

namespace {

void OpenHelp(Program& program, const char* name) {
  auto* help = program.Load<HelpWindow>(QString::fromLatin1(name));
  if (!help) return;
  if (program.FitOnOpening(*help)) help->SetTextSize(12 * program.State.Screen.ScaleFactorMin);
  platform::ui::BringToFront(*help);
}

}  // namespace

void OpenPreparerDialog(Program& program) {
  auto* dialog = program.Load<Form18>(QStringLiteral("Form18"));
  if (!dialog) return;
  const bool opening = program.FitOnOpening(*dialog);
  platform::ui::BringToFront(*dialog);
  if (opening) dialog->FillFromSettings();
}

void OpenPresentValueHelp(Program& program) { OpenHelp(program, "Form4"); }
void OpenPensionHelp(Program& program) { OpenHelp(program, "Form8"); }

void OpenButtonColorPicker(Program& program) {
  if (auto* picker = program.Load<Form20>(QStringLiteral("Form20"))) {
    program.FitFormToScreen(*picker);
    picker->ShowModal();
  }
}

void OpenDisplayScaling(Program& program) {
  if (auto* scaling = program.Load<FormScaling>(QStringLiteral("FormScaling"))) {
    program.FitFormToScreen(*scaling);
    scaling->ShowModal();
  }
}

}  // namespace shell
