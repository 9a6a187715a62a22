// Boxes whose quantity cannot be below zero refuse a negative figure as the
// user leaves them; boxes that take a loss or an adjustment keep it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <functional>

#include "app/ui/StartupLayout.h"
#include "business/ui/BusinessWindow.h"
#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"
#include "income/ui/IncomeWindowFixture.h"
#include "platform/AmountLimit.h"
#include "support/ui/ProgramFixture.h"

namespace {

using casevars::CaseVars;

struct NegativeAmountsTest : ::testing::Test, ProgramFixture {
  void SetUp() override { app::FitStartupWindows(program); }
  income::IncomeWindow& Income(const char* name) { return *program.Find<income::IncomeWindow>(name); }
  business::BusinessWindow& Business(const char* name) { return *program.Find<business::BusinessWindow>(name); }
  QStringList Prompts() const {
    QStringList prompts;
    for (const auto& call : dialogs.CallsOf(platform::DialogKind::MessageBox)) prompts << call.prompt;
    return prompts;
  }
  // Into the box by the keyboard, the figure typed over what it held, Tab.
  static void TypeAndTab(QLineEdit* box, const char* keys) {
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClicks(box, QString::fromLatin1(keys));
    QTest::keyClick(box, Qt::Key_Tab);
  }
};

TEST_F(NegativeAmountsTest, AQuantityThatCannotBeNegativeIsRefusedALossIsKept) {
  const struct {
    const char* window;
    const char* box;
    std::function<double(const CaseVars&)> value;
    bool refused;
  } rows[] = {
      {"Form13", "Earned", [](const CaseVars& v) { return v.Income.Claim.YrEarned; }, true},
      {"Form13", "SS", [](const CaseVars& v) { return v.Income.Claim.YrSS; }, true},
      {"Form13", "Pension", [](const CaseVars& v) { return v.Income.Claim.YrPension; }, true},
      {"Form13", "StIndus", [](const CaseVars& v) { return v.Income.Claim.YrStIndus; }, true},
      {"Form13", "LT", [](const CaseVars& v) { return v.Income.Claim.YrLT; }, false},
      {"Form13", "PT", [](const CaseVars& v) { return v.Income.Claim.YrPT; }, false},
      {"Form14", "Tips", [](const CaseVars& v) { return v.Income.Payer.YrTips; }, true},
      {"Form26", "CWages", [](const CaseVars& v) { return v.Business.Claim.YrCWages; }, true},
      {"Form26", "ACap", [](const CaseVars& v) { return v.Business.Claim.YrACapital; }, true},
      {"Form26", "AWages", [](const CaseVars& v) { return v.Business.Claim.YrAWages; }, false},
      {"Form27", "ATips", [](const CaseVars& v) { return v.Business.Payer.YrATips; }, true},
      {"Form27", "REIT", [](const CaseVars& v) { return v.Business.Payer.YrREIT; }, false},
  };
  QWidget* shown = nullptr;  // each window shown once, for its rows
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.window) + " " + row.box);
    const bool business = row.window[5] == '6' || row.window[5] == '7';
    QWidget* window = business ? static_cast<QWidget*>(&Business(row.window))
                               : static_cast<QWidget*>(&Income(row.window));
    QLineEdit* box = nullptr;
    if (business) {
      const QString prefix = row.window[5] == '6' ? QStringLiteral("Claim") : QStringLiteral("Payer");
      const QString name = QLatin1String(row.box);
      box = qobject_cast<QLineEdit*>(Business(row.window).Control(
          (name.endsWith(QLatin1String("Tips")) ? prefix + name : name) + QStringLiteral("(0)")));
    } else {
      box = Income(row.window).Box(row.box, QLatin1String(row.box) == "Tips" ? 0 : -1);
    }
    ASSERT_NE(box, nullptr);
    if (window != shown) {
      if (shown) shown->hide();
      incometest::ShowActiveWindow(*window);
      shown = window;
    }
    const qsizetype before = Prompts().size();
    if (row.refused) dialogs.AnswerMessageBox(platform::kAnswerOk);
    TypeAndTab(box, "-5000");
    if (row.refused) {
      ASSERT_EQ(Prompts().size(), before + 1) << Prompts().join(" | ").toStdString();
      EXPECT_EQ(Prompts().back(), platform::NegativeAmountMessage());
      EXPECT_EQ(dialogs.CallsOf(platform::DialogKind::MessageBox).back().title, "Entry Error");
      EXPECT_EQ(QApplication::focusWidget(), box);
      EXPECT_EQ(box->text().toStdString(), "-5000");
      EXPECT_EQ(box->selectedText().toStdString(), "-5000");
      EXPECT_EQ(row.value(program.Case), 0);
      TypeAndTab(box, "5000");  // corrected, it is taken
      EXPECT_EQ(row.value(program.Case), 5000);
    } else {
      EXPECT_EQ(Prompts().size(), before);
      EXPECT_NE(QApplication::focusWidget(), box);
      EXPECT_EQ(box->text().toStdString(), "-$ 5,000.00");
      EXPECT_EQ(row.value(program.Case), -5000);
    }
  }
  shown->hide();
  EXPECT_FALSE(dialogs.Failed());
}

// Leaving the window (its close box, a change of entry period) with a refused
// figure still in a box brings the refusal back and changes nothing.
TEST_F(NegativeAmountsTest, TheWindowWaitsForARefusedFigure) {
  income::IncomeWindow& w = Income("Form13");
  incometest::ShowActiveWindow(w);
  income::AmountBox* earned = w.Box("Earned");
  const income::IncomePeriod period = w.IncomeEntryPeriod();
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  TypeAndTab(earned, "-5000");
  // The release of the Enter that closed the message is not the box's Enter:
  // it moves nothing and brings no second message.
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(earned, &release);
  EXPECT_EQ(QApplication::focusWidget(), earned);
  EXPECT_EQ(Prompts().size(), 1);
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  w.PeriodItems[4]->trigger();  // Hourly
  EXPECT_EQ(w.IncomeEntryPeriod(), period);
  EXPECT_FALSE(w.PeriodItems[4]->isChecked());
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  w.close();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(Prompts(), QStringList(3, platform::NegativeAmountMessage()));
  EXPECT_EQ(QApplication::focusWidget(), earned);
  EXPECT_EQ(program.Case.Income.Claim.YrEarned, 0);
  TypeAndTab(earned, "5000");
  w.close();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(program.Case.Income.Claim.YrEarned, period == income::IncomePeriod::Yearly ? 5000 : 60000);
  EXPECT_FALSE(dialogs.Failed());
}

}  // namespace
