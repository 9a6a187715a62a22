#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "express/ui/Form1.h"
#include "express/ui/Form16.h"
#include "shell/ui/Program.h"
#include "support/ui/ProgramFixture.h"

// A program with its Express screen and parenting-time window built and
// fitted to a pinned screen, as the start-up layout pass fits them.
struct ExpressFixture : ProgramFixture {
  express::Form1& express;
  express::Form16& time;

  explicit ExpressFixture(shell::ScreenInfo screen = {1024, 768, 15, 15})
      : express(Loaded<express::Form1>("Form1", screen)), time(Loaded<express::Form16>("Form16", screen)) {}

  template <class W>
  W& Loaded(const char* name, const shell::ScreenInfo& screen) {
    program.PinScreen(screen);
    auto* w = program.Load<W>(QString::fromLatin1(name));
    program.FitFormToScreen(*w);
    return *w;
  }

  // Types `text` into a box as the user does: focus, end of text, keys.
  static void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, text);
  }
  static void Retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    box->setFocus();
    if (!box->text().isEmpty()) QTest::keyClick(box, Qt::Key_Delete);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
  }
};
