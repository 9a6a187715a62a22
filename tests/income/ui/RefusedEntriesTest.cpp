// Amount boxes refuse, as the user leaves them, a figure they do not take: a
// negative where the quantity cannot be below zero, a text that is not a
// number. Boxes that take a loss or an adjustment keep a negative.
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
#include "platform/ui/TabControl.h"
#include "support/ui/ProgramFixture.h"

namespace {

using casevars::CaseVars;

struct RefusedEntriesTest : ::testing::Test, ProgramFixture {
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

// A figure the box does not take (a negative where none can be, a text
// that is not a number) is refused as the user leaves the box: the Entry
// Error, the text kept and selected, the focus back, nothing taken. A loss
// or an adjustment keeps its minus; a blank box is no entry.
TEST_F(RefusedEntriesTest, AnEntryTheBoxDoesNotTakeIsRefusedAsItIsLeft) {
  const QString negative = platform::NegativeAmountMessage(), notANumber = platform::NotANumberMessage();
  const struct {
    const char* window;
    const char* box;
    const char* keys;
    std::function<double(const CaseVars&)> value;
    QString refusal;        // empty: taken
    const char* shown;      // the box's text once taken
    double taken;
  } rows[] = {
      {"Form13", "Earned", "-5000", [](const CaseVars& v) { return v.Income.Claim.YrEarned; }, negative, nullptr, 0},
      {"Form13", "Earned", "42,17O", [](const CaseVars& v) { return v.Income.Claim.YrEarned; }, notANumber, nullptr, 0},
      {"Form13", "Earned", "abc", [](const CaseVars& v) { return v.Income.Claim.YrEarned; }, notANumber, nullptr, 0},
      {"Form13", "SS", "-5000", [](const CaseVars& v) { return v.Income.Claim.YrSS; }, negative, nullptr, 0},
      {"Form13", "Pension", "-5000", [](const CaseVars& v) { return v.Income.Claim.YrPension; }, negative, nullptr, 0},
      {"Form13", "StIndus", "-5000", [](const CaseVars& v) { return v.Income.Claim.YrStIndus; }, negative, nullptr, 0},
      {"Form13", "Dues", "1.2.3", [](const CaseVars& v) { return v.Income.Claim.YrDues; }, notANumber, nullptr, 0},
      {"Form13", "LT", "-5000", [](const CaseVars& v) { return v.Income.Claim.YrLT; }, {}, "-$ 5,000.00", -5000},
      {"Form13", "LT", "5000-", [](const CaseVars& v) { return v.Income.Claim.YrLT; }, notANumber, nullptr, 0},
      {"Form13", "PT", "-5000", [](const CaseVars& v) { return v.Income.Claim.YrPT; }, {}, "-$ 5,000.00", -5000},
      {"Form13", "ST", "$", [](const CaseVars& v) { return v.Income.Claim.YrST; }, {}, "", 0},
      {"Form14", "Tips", "-5000", [](const CaseVars& v) { return v.Income.Payer.YrTips; }, negative, nullptr, 0},
      {"Form14", "Earned", "abc", [](const CaseVars& v) { return v.Income.Payer.YrEarned; }, notANumber, nullptr, 0},
      {"Form26", "CWages", "-5000", [](const CaseVars& v) { return v.Business.Claim.YrCWages; }, negative, nullptr, 0},
      {"Form26", "ACap", "-5000", [](const CaseVars& v) { return v.Business.Claim.YrACapital; }, negative, nullptr, 0},
      {"Form26", "AWages", "-5000", [](const CaseVars& v) { return v.Business.Claim.YrAWages; }, {}, "-$ 5,000.00", -5000},
      {"Form26", "BWages", "42,17O", [](const CaseVars& v) { return v.Business.Claim.YrBWages; }, notANumber, nullptr, 0},
      {"Form27", "ATips", "-5000", [](const CaseVars& v) { return v.Business.Payer.YrATips; }, negative, nullptr, 0},
      {"Form27", "REIT", "-5000", [](const CaseVars& v) { return v.Business.Payer.YrREIT; }, {}, "-$ 5,000.00", -5000},
      {"Form27", "REIT", "abc", [](const CaseVars& v) { return v.Business.Payer.YrREIT; }, notANumber, nullptr, 0},
  };
  QWidget* shown = nullptr;  // each window shown once, for its rows
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.window) + " " + row.box + " " + row.keys);
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
    if (!business) Income(row.window).SSTab1->SetTab(Income(row.window).SSTab1->PageOf(box));
    const qsizetype before = Prompts().size();
    const bool refused = !row.refusal.isEmpty();
    if (refused) dialogs.AnswerMessageBox(platform::kAnswerOk);
    TypeAndTab(box, "5000");  // a figure taken first
    TypeAndTab(box, row.keys);
    if (refused) {
      ASSERT_EQ(Prompts().size(), before + 1) << Prompts().join(" | ").toStdString();
      EXPECT_EQ(Prompts().back(), row.refusal);
      EXPECT_EQ(dialogs.CallsOf(platform::DialogKind::MessageBox).back().title, "Entry Error");
      EXPECT_EQ(QApplication::focusWidget(), box);
      EXPECT_EQ(box->text().toStdString(), row.keys);
      EXPECT_EQ(box->selectedText().toStdString(), row.keys);
      EXPECT_NE(row.value(program.Case), -5000);
      TypeAndTab(box, "6000");  // corrected, it is taken
      EXPECT_EQ(row.value(program.Case), 6000);
    } else {
      EXPECT_EQ(Prompts().size(), before);
      EXPECT_NE(QApplication::focusWidget(), box);
      EXPECT_EQ(box->text().toStdString(), row.shown);
      EXPECT_EQ(row.value(program.Case), row.taken);
    }
  }
  shown->hide();
  EXPECT_FALSE(dialogs.Failed());
}

// Leaving the window (its close box, a change of entry period) with a refused
// figure still in a box brings the refusal back and changes nothing.
TEST_F(RefusedEntriesTest, TheWindowWaitsForARefusedFigure) {
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
