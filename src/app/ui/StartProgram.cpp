#include "app/ui/StartProgram.h"

#include <QAction>

#include "platform/Dialogs.h"
#include "platform/Waits.h"
#include "platform/ui/Form.h"
#include "prefs/Preferences.h"
#include "shell/StartupDefaults.h"
#include "shell/ui/Program.h"
#include "app/ui/StartupLayout.h"
#include "app/ui/frmSplash.h"

namespace app {

namespace {

void MarkIncomePeriod(Program& program) {
  auto* express = program.Find<platform::ui::Form>(QStringLiteral("Form1"));
  if (!express) return;
  const bool monthly = prefs::TimeDefault.read() == QLatin1String("Monthly");
  if (QAction* a = express->MenuItem(QStringLiteral("YearlyData"))) a->setChecked(!monthly);
  if (QAction* a = express->MenuItem(QStringLiteral("MonthlyData"))) a->setChecked(monthly);
}

}  // namespace

void ShowSplash(Program& program) {
  shell::FillDisplayDefaults();
  auto* splash = program.Load<frmSplash>(QStringLiteral("frmSplash"));
  if (!splash) return;
  program.FitFormToScreen(*splash);
  splash->CenterOnScreen(program.Screen(splash));
  splash->ShowLoading();
  splash->show();
}

void StartProgram(Program& program) {
  ShowSplash(program);
  platform::WaitWhileHandlingEvents(program.SplashWaitSeconds);

  // Every default is in place before the layout pass reads the save-folder rule.
  shell::FillRemainingDefaults();
  FitStartupWindows(program);
  MarkIncomePeriod(program);
  program.Case.Income.IncomePeriodFactor = 1.0f;

  if (shell::IsLargeFont640x480(program.State.Screen)) {
    program.Dialogs.ShowMessageBox(QString::fromLatin1(kLargeFontPrompt), platform::kBoxOk,
                                   QString::fromLatin1(kLargeFontTitle));
    program.EndProgram();
    return;
  }

  auto* splash = program.Find<frmSplash>(QStringLiteral("frmSplash"));
  if (splash) splash->ShowButtons();
  shell::SetStartValues(program.State, program.Case);

  if (!program.IsFontInstalled(QStringLiteral("Tahoma"))) {
    program.Dialogs.ShowStandardMessageWithHelp(
        QString::fromLatin1(kTahomaMissingPrompt), QString::fromLatin1(kTahomaMissingTitle), [&] {
          program.Dialogs.ShowMessageBox(QString::fromLatin1(kTahomaHelpPrompt),
                                         platform::kBoxInformation,
                                         QString::fromLatin1(kTahomaHelpTitle));
        });
  }
  splash = program.Find<frmSplash>(QStringLiteral("frmSplash"));
  if (splash) splash->ShowButtons();
}

}  // namespace app
