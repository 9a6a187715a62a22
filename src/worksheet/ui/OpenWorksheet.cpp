#include "worksheet/ui/OpenWorksheet.h"

#include "shell/ui/Program.h"
#include "worksheet/ui/Form9.h"
#include "worksheet/ui/MDIForm1.h"

namespace worksheet::ui {

void OpenWorksheet(shell::Program& program) {
  auto* frame = program.Load<MDIForm1>(QStringLiteral("MDIForm1"));
  auto* sheet = program.Load<Form9>(QStringLiteral("Form9"));
  if (!frame || !sheet) return;
  frame->ShowInFront();  // in front also when it stayed open behind the Express screen
  frame->ShowWorksheetBar(true);
  sheet->show();
  platform::ui::SetTop(sheet, 0);
  program.State.FinDecFormType = 3;
  for (const char* page : {"Form12", "Form121", "Form122", "Form123"})
    if (QWidget* w = program.Find(QString::fromLatin1(page))) w->hide();
}

void FitWorksheetWindow(shell::Program& program) {
  if (auto* sheet = program.Load<Form9>(QStringLiteral("Form9"))) sheet->FitWorksheetWindow();
}

}  // namespace worksheet::ui
