#include "app/ui/StartupLayout.h"

#include <QAction>

#include "affidavit/screens/ui/AffidavitPages.h"
#include "platform/ui/Form.h"
#include "prefs/Preferences.h"
#include "shell/ui/Program.h"
#include "worksheet/ui/OpenWorksheet.h"

namespace app {

namespace {

// Runs one step of the pass; a step that fails leaves the others to run.
template <class Step>
void Guarded(Step&& step) {
  try {
    step();
  } catch (...) {
  }
}

void Mark(platform::ui::Form& window, const char* item, bool marked) {
  if (QAction* a = window.MenuItem(QString::fromLatin1(item))) a->setChecked(marked);
}

// The windows inside the multiple-document frame: the worksheet and its frame
// (FitWorksheetWindow), then the affidavit pages (FitAffidavitPages).
void FitFrameWindows(Program& program) {
  worksheet::ui::FitWorksheetWindow(program);
  affidavit::ui::FitAffidavitPages(program);
}

}  // namespace

void FitStartupWindows(Program& program) {
  program.State.SchemeBackColor =
      prefs::ScreenDefault.read() == QLatin1String("TV") ? platform::kSchemeFace : platform::kSysButtonFace;

  for (const StartupWindow& entry : kStartupWindows) {
    Guarded([&] {
      auto* window = program.Load<platform::ui::Form>(QString::fromLatin1(entry.name));
      if (!window) return;
      if (entry.fit == StartupFit::TabForm) program.FitTabFormToScreen(*window);
      else program.FitFormToScreen(*window);
      window->Fitted = true;
    });
  }

  Guarded([&] {
    auto* express = program.Find<platform::ui::Form>(QStringLiteral("Form1"));
    if (!express) return;
    const bool windowsDefault = prefs::FileSaveDefault.read() == QLatin1String("WindowsDefault");
    Mark(*express, "UserDefault", !windowsDefault);
    Mark(*express, "LastLocation", windowsDefault);
  });

  Guarded([&] { FitFrameWindows(program); });

  Guarded([&] {
    program.Printer.SetFontSize(10);
    program.Printer.SetFontName(QStringLiteral("Tahoma"));
    program.Printer.SetFontItalic(false);
    program.Printer.SetFontBold(false);
  });

  program.State.FDZoomState = QStringLiteral("Large");
  program.State.FDZoomFactor = 1;
}

}  // namespace app
