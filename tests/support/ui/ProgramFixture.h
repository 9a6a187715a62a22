#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QTimer>

#include "platform/ScriptedDialogs.h"
#include "app/ui/ProgramWindows.h"
#include "shell/ui/Program.h"

// A program as the tests run it: scripted dialogs, a pinned 1024 x 768 screen
// at 96 dots per inch, no waits, Tahoma present, web pages recorded instead of opened.
struct ProgramFixture {
  platform::ScriptedDialogs dialogs;
  shell::Program program{dialogs};
  QStringList openedPages;

  ProgramFixture() {
    app::RegisterProgramWindows(program);
    program.PinScreen(shell::ScreenInfo{1024, 768, 15, 15});
    program.SplashWaitSeconds = 0;
    program.PdfNoticeWaitSeconds = 0;
    program.ProgramFolder = QStringLiteral("/opt/kelvane");
    program.IsFontInstalled = [](const QString&) { return true; };
    program.OpenWebPage = [this](const QString& address) {
      openedPages << address;
      return true;
    };
  }

  // A program that ended asked the event loop to stop, which makes every
  // later modal wait return at once; one turn of the application's loop
  // clears that for the next test.
  ~ProgramFixture() {
    if (!program.Ended()) return;
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
  }

  // Lets windows closed with "delete on close" go.
  static void DeleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
