#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "case/CaseVars.h"
#include "platform/Dialogs.h"
#include "platform/document/DrawingCursor.h"
#include "platform/ui/WindowRegistry.h"
#include "shell/ProgramState.h"
#include "shell/ScreenFactors.h"
#include "shell/ui/WindowCommands.h"

class QWidget;

namespace platform::ui {
class Form;
}

namespace shell {

// One run of the program: its shared values, the platform services its
// windows use, and its windows, which are created on first use by name and
// owned here. The program's assembly (app::RegisterProgramWindows) tells it
// how to create each window. A test makes a Program of its own, with scripted
// dialogs and, where it matters, a pinned screen.
class Program {
 public:
  explicit Program(platform::Dialogs& dialogs);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  ProgramState State;
  casevars::CaseVars Case;
  platform::Dialogs& Dialogs;
  // The default printer: the font and drawing settings of reports that go
  // straight to it, which carry from one printout to the next, and the
  // resolution and edges of the printer last chosen.
  platform::DrawingCursor Printer = platform::DrawingCursor::ForPrinter();
  // "Printer Setup" of every window that has it: the set-up dialog; the
  // printer chosen there is the one the print dialogs open on next, and
  // Printer takes its resolution and edges. A cancel changes nothing.
  // Returns the printer chosen, nothing after a cancel.
  std::optional<platform::PrinterChoice> SetUpPrinter();

  // Windows by name ("Form1"): Load creates a window that is not loaded yet;
  // Find only looks. Names compare without regard to case. Null when no such
  // window is built into the program (or it is not of type T).
  platform::ui::WindowRegistry& Windows() { return windows_; }
  template <class T = QWidget>
  T* Load(const QString& name) {
    return qobject_cast<T*>(windows_.Load(name));
  }
  template <class T = QWidget>
  T* Find(const QString& name) const {
    return qobject_cast<T*>(windows_.Find(name));
  }
  bool IsFormLoaded(const QString& name) const { return windows_.IsFormLoaded(name); }

  // The screen windows are fitted to: the one the window shows on, unless a
  // screen is pinned (tests and benchmarks). A pinned screen is also the work
  // area windows open in.
  ScreenInfo Screen(const QWidget* window = nullptr) const;
  void PinScreen(std::optional<ScreenInfo> screen);

  // The window fittings, leaving the screen factors in State.Screen.
  void FitFormToScreen(platform::ui::Form& window);
  void FitTabFormToScreen(platform::ui::Form& window);
  // The fitting of a window fitted as it opens, once a loading: a window
  // already fitted (one open on the screen) is not scaled again, and the
  // command that opens it brings it to the front as it is. True when it fitted.
  bool FitOnOpening(platform::ui::Form& window);
  bool FitTabFormOnOpening(platform::ui::Form& window);
  // The factors of the screen times the monitor adjustment, without a fit.
  void RecomputeScreenFactors();

  // What reaches outside the program; tests put their own in place.
  std::function<bool(const QString& address)> OpenWebPage;
  std::function<bool(const QString& face)> IsFontInstalled;
  std::function<platform::PrinterSetup(const platform::PrinterChoice&)> PrinterSetupOf;
  QString ProgramFolder;            // the folder the program file lies in
  double SplashWaitSeconds = 0.5;     // how long start-up lets the splash window paint
  double PdfNoticeWaitSeconds = 0.5;  // how long the PDF notice paints before the save

  // Ends the program at once: every window goes without its close handling
  // (no confirmation, no saving) and the event loop is left. The windows are
  // destroyed with the Program.
  void EndProgram();
  // The quit sequence of every window's Quit command and of closing the
  // Express screen: asks "Have You Saved Your Case Data? -  Do You Want To
  // Quit Program?" (Yes/No, "Exit"); on Yes sets State.QuitConfirmed, closes
  // every program window (each window's close handling runs and sees the
  // confirmation) and ends the program. On No nothing changes.
  void QuitProgram();
  bool Ended() const { return ended_; }

  // What goes with a case when another replaces it in the windows (Clear
  // Data, a case opened): the program's assembly adds a step for each window
  // or figure made for one case (a what-if window closes, a what-if's last
  // figures are dropped), and the case file commands call CaseReplaced()
  // once the new case is in.
  std::vector<std::function<void()>> CaseReplacedSteps;
  void CaseReplaced();

  // How windows open and run other subsystems' windows (set by the program's
  // assembly).
  WindowCommands Commands;

 private:
  platform::ui::WindowRegistry windows_;
  std::optional<ScreenInfo> pinnedScreen_;
  bool ended_ = false;
};

}  // namespace shell
