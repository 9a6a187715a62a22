#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMimeData>
#include <QDropEvent>

#include <memory>
#include <vector>

#include "case/CaseVars.h"
#include "income/IncomeLinks.h"
#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"
#include "platform/ScriptedDialogs.h"

namespace incometest {

// Key strokes as the user makes them: a press and a release sent to the widget.
inline void KeyClick(QWidget* w, int key, const QString& text = QString()) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(w, &release);
}
inline void KeyClick(QWidget* w, char c) {
  const QChar ch = QLatin1Char(c);
  int key = ch.toUpper().unicode();
  if (c == '\"') key = Qt::Key_QuoteDbl;
  KeyClick(w, key, QString(ch));
}
inline void KeyClicks(QWidget* w, const char* text) {
  for (const char* c = text; *c; ++c) KeyClick(w, *c);
}
// Text dragged onto a box and dropped at its left edge.
inline void DropText(QWidget* box, const QString& text) {
  QMimeData data;
  data.setText(text);
  QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(box, &enter);
  QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(box, &drop);
}
// Empties a box and types into it.
inline void Type(QLineEdit* box, const char* text) {
  box->clear();
  KeyClicks(box, text);
}

// Shows the window and waits until it is active, so that focus moves.
inline void ShowActiveWindow(QWidget& w) {
  w.show();
  w.activateWindow();
  QElapsedTimer timer;
  timer.start();
  while (!w.isActiveWindow() && timer.elapsed() < 2000) QCoreApplication::processEvents();
}

// The Express screen as the income windows see it.
struct FakeExpress : income::ExpressLink {
  casevars::PartyPair<income::FilingOptions> filing;
  bool monthly = true;
  casevars::PartyPair<QString> gross;
  income::FilingOptions Filing(casevars::Party p) const override { return filing[p]; }
  bool MonthlyDataChecked() const override { return monthly; }
  void SetGrossIncome(casevars::Party p, const QString& text) override { gross[p] = text; }
};

// A business window that records what it is asked.
struct FakeBusiness : income::BusinessLink {
  income::BusinessTips tips;
  double deduction = 0;
  casevars::CaseVars* vars = nullptr;
  QStringList calls;
  income::BusinessTips Tips(casevars::Party) const override { return tips; }
  void GetBusinessDeduction(casevars::Party p, double agi) override {
    calls << QStringLiteral("GetBusinessDeduction %1").arg(double(agi));
    vars->Business[p].YrBusDeduction = deduction;
  }
  void AssignNewVars(casevars::Party) override { calls << QStringLiteral("AssignNewVars"); }
  void ShowBusinessWindow(casevars::Party, bool joint) override {
    calls << QStringLiteral("ShowBusinessWindow %1").arg(joint ? "joint" : "single");
  }
};

class IncomeWindowFixture {
 protected:
  IncomeWindowFixture() { business.vars = &vars; }

  income::IncomeWindowServices Services() {
    income::IncomeWindowServices s;
    s.express = &express;
    s.business = &business;
    s.dialogs = &dialogs;
    return s;
  }
  income::Form13& Claim() {
    if (!claim_) claim_ = std::make_unique<income::Form13>(vars, Services());
    return *claim_;
  }
  income::Form14& Payer() {
    if (!payer_) payer_ = std::make_unique<income::Form14>(vars, Services());
    return *payer_;
  }
  static income::AmountBox* Box(income::IncomeWindow& w, const char* suffix, int index = -1) {
    return w.Box(suffix, index);
  }
  static void ShowActive(QWidget& w) { ShowActiveWindow(w); }

  casevars::CaseVars vars;
  FakeExpress express;
  FakeBusiness business;
  platform::ScriptedDialogs dialogs;
  // The message boxes shown so far.
  std::vector<platform::DialogCall> Messages() const { return dialogs.CallsOf(platform::DialogKind::MessageBox); }

 private:
  std::unique_ptr<income::Form13> claim_;
  std::unique_ptr<income::Form14> payer_;
};

}  // namespace incometest
