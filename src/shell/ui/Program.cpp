#include "shell/ui/Program.h"

#include <QApplication>
#include <QPointer>

#include <vector>
#include <QWidget>

#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/WebPage.h"
#include "platform/ui/DocumentPrinter.h"
#include "platform/ui/Form.h"
#include "prefs/Preferences.h"
#include "shell/ui/Fitting.h"

namespace shell {

Program::Program(platform::Dialogs& dialogs)
    : Dialogs(dialogs),
      OpenWebPage([this](const QString& address) { return platform::OpenWebPage(address, Dialogs); }),
      IsFontInstalled(platform::IsFontInstalled),
      PrinterSetupOf([](const platform::PrinterChoice& choice) { return platform::PrinterSetupFor(choice); }),
      ProgramFolder(QCoreApplication::applicationDirPath()) {}

std::optional<platform::PrinterChoice> Program::SetUpPrinter() {
  const std::optional<platform::PrinterChoice> choice = Dialogs.ShowPrinterSetup();
  if (choice && PrinterSetupOf) Printer.SetPrinterSetup(PrinterSetupOf(*choice));
  return choice;
}

Program::~Program() {
  if (pinnedScreen_) platform::ui::SetWorkArea(std::nullopt);
}

void Program::PinScreen(std::optional<ScreenInfo> screen) {
  pinnedScreen_ = screen;
  if (screen) platform::ui::SetWorkArea(QRect(0, 0, int(screen->widthPx), int(screen->heightPx)));
  else platform::ui::SetWorkArea(std::nullopt);
}

ScreenInfo Program::Screen(const QWidget* window) const {
  return pinnedScreen_ ? *pinnedScreen_ : CurrentScreenInfo(window);
}

void Program::FitFormToScreen(platform::ui::Form& window) {
  shell::FitFormToScreen(window, State.Screen, Screen(&window));
}

void Program::FitTabFormToScreen(platform::ui::Form& window) {
  shell::FitTabFormToScreen(window, State.Screen, Screen(&window));
}

bool Program::FitOnOpening(platform::ui::Form& window) {
  if (window.Fitted) return false;
  FitFormToScreen(window);
  window.Fitted = true;
  return true;
}

bool Program::FitTabFormOnOpening(platform::ui::Form& window) {
  if (window.Fitted) return false;
  FitTabFormToScreen(window);
  window.Fitted = true;
  return true;
}

void Program::RecomputeScreenFactors() {
  State.Screen = ComputeScreenFactors(Screen());
  ApplyMonitorAdjustment(State.Screen, MonitorAdjustment(prefs::MonAdj.read()));
}

void Program::QuitProgram() {
  if (Dialogs.ShowMessageBox(QStringLiteral("Have You Saved Your Case Data? -  Do You Want To Quit Program?"),
                             platform::kBoxYesNo, QStringLiteral("Exit")) != platform::kAnswerYes)
    return;
  State.QuitConfirmed = 1;
  std::vector<QPointer<QWidget>> windows;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->property("IsProgramForm").toBool()) windows.emplace_back(w);
  for (const QPointer<QWidget>& w : windows)
    if (w) w->close();
  EndProgram();
}

void Program::CaseReplaced() {
  for (const std::function<void()>& step : CaseReplacedSteps)
    if (step) step();
}

void Program::EndProgram() {
  ended_ = true;
  // Hiding runs no close handling; the windows are destroyed with the Program.
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->property("IsProgramForm").toBool() || w->isModal()) w->hide();
  QCoreApplication::exit(0);
}

}  // namespace shell
