#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "express/ui/Form1.h"
#include "express/ui/Form16.h"
#include "support/ui/ModalDriver.h"
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
  // A real Tab from the box that has the focus: the key goes down there, the
  // focus moves on, and the key comes up in the box the focus reached.
  static void PressTab(QWidget* window) {
    QTest::keyPress(window->focusWidget(), Qt::Key_Tab);
    QTest::keyRelease(window->focusWidget(), Qt::Key_Tab);
  }
  static void Retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    box->setFocus();
    if (!box->text().isEmpty()) QTest::keyClick(box, Qt::Key_Delete);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
  }

  // The Express screen shown with `children` born and minor, and "Children
  // are in Shared Possession" clicked.
  void ChooseShared(const QString& children) {
    express.show();
    Type(express.NumChild, children);
    Type(express.MinChild, children);
    QTest::mouseClick(express.SharedOption, Qt::LeftButton, {}, QPoint(6, express.SharedOption->height() / 2));
  }

  // A shared-custody case with two children, typed in as a preparer would.
  void FillSharedCase() {
    express::Form1& w = express;
    w.show();
    Type(w.NumChild, "3");
    Type(w.MinChild, "2");
    QTest::mouseClick(w.SharedOption, Qt::LeftButton, {}, QPoint(6, w.SharedOption->height() / 2));
    Type(w.ClaimantName, "Marsh v. Marsh");
    Type(w.YrsMarriage, "12");
    Type(w.ClaimAge, "41");
    Type(w.EdSkillScore, "9");
    w.CharOption[1]->setChecked(true);
    w.SetGrossIncome(casevars::Party::Claim, "$ 4,250");
    w.SetGrossIncome(casevars::Party::Payer, "$ 6,900");
    Type(w.ClaimDepend17, "1");
    Type(w.PayerDepend17, "1");
    w.PayerFiling[2]->setChecked(true);
    Retype(w.ClaimStateTax, ".035");
    Type(w.ClaimDayCare, "$450");
    Type(w.ClaimNumCare, "1");
    Type(w.OtherHealthCare, "$220");
    Type(w.ClaimSpecial, "$35");
    Type(w.CurrentMaintTransfer, "$800");
    w.OptionTaxedToPayee->setChecked(true);
    testenv::WhenModal<express::Form16>([](express::Form16& time) {
      Type(time.ClaimDays[0], "146");
      Type(time.PercentOfTimeValue[1], ".45");
      time.close();
    });
    w.SharedCalc_Click();
  }
};
