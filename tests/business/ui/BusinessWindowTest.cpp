#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <cstring>
#include <utility>
#include <vector>

#include "platform/AmountLimit.h"
#include "platform/ui/EntryBox.h"
#include "business/ui/BusinessWindow.h"
#include "business/ui/FormBus.h"
#include "case/CaseVars.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "platform/ui/WindowRegistry.h"
#include "support/ui/ModalDriver.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

using business::AmountBox;
using business::Box;
using business::BusinessWindow;
using business::Form26;
using business::Form27;
using casevars::CaseVars;

// A business window with its links recorded: the Express screen's period and
// what the window hands to the income window.
struct BusinessWindowFixture : ::testing::Test {
  CaseVars vars;
  Form26 form{vars};
  bool monthly = false;
  int incomeYearlyClicks = 0;
  std::vector<std::pair<int, QString>> selfBoxes;
  std::vector<QString> messages;  // entry errors shown
  bool incomeRefusesYearly = false;
  shell::ScreenFactors screen;

  BusinessWindowFixture() {
    form.Links.MonthlyDataChecked = [this] { return monthly; };
    form.Links.IncomeYearly_Click = [this] {
      ++incomeYearlyClicks;
      return !incomeRefusesYearly;
    };
    form.Links.EntryError = [this](const QString& prompt) { messages.push_back(prompt); };
    form.Links.SetIncomeSelfBox = [this](int column, const QString& text) {
      selfBoxes.emplace_back(column, text);
    };
    form.Links.Screen = &screen;
  }

  // Shows the window and makes it the active window, so that boxes take the focus.
  void ShowActive() {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  // Enters a box as the user does and types into it.
  void TypeInto(AmountBox* box, const QString& keys) {
    box->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(box->hasFocus());
    QTest::keyClicks(box, keys);
  }

  // Leaves the box that has the focus for a box of the other business frame.
  void Leave() { form.REIT[0]->setFocus(Qt::TabFocusReason); }
};

TEST_F(BusinessWindowFixture, ControlsCarryTheirNamesAndElements) {
  EXPECT_EQ(form.windowTitle(), "Claimant's Business Income");
  EXPECT_EQ(form.Control("AWages(0)"), form.AWages[0]);
  EXPECT_EQ(form.Control("ClaimCTips(1)"), form.CTips[1]);
  EXPECT_EQ(form.Control("DTrade(1)"), form.DTrade[1]);
  EXPECT_EQ(form.Control("TotalPass(0)"), form.TotalPass[0]);
  EXPECT_TRUE(form.TotalWages[1]->isReadOnly());
  EXPECT_EQ(platform::ui::BackColor(form.TotalWages[1]), 0x00FFFFC0u);
  EXPECT_EQ(platform::ui::BackColor(form.CW2[0]), 0x00E0E0E0u);
  EXPECT_EQ(form.MenuItem("ExitOut")->text(), "           Exit");
  EXPECT_EQ(form.MenuItem("HelpBus")->text(), "           Help With Business Deduction");
  EXPECT_FALSE(form.Hourly->isVisible());
  EXPECT_FALSE(form.Hourly->isEnabled());

  CaseVars other;
  Form27 payer(other);
  EXPECT_EQ(payer.windowTitle(), "Other Party's Business Income");
  EXPECT_EQ(payer.Control("PayerATips(0)"), payer.ATips[0]);
  EXPECT_EQ(payer.MenuItem("Bus")->text(), "     Help With Business Deduction");
  EXPECT_EQ(payer.MenuItem("ExitOut")->text(), "     Exit");
}

TEST_F(BusinessWindowFixture, TheNewSpouseColumnShowsAndHidesByName) {
  const char* names[] = {"Frame2",  "Frame3",  "Frame7",   "Label16",   "Label17",   "Label26",
                         "Label27", "Label38", "AWages(1)", "BWages(1)", "CWages(1)", "DWages(1)",
                         "CPass(1)", "DPass(1)", "TotalWages(1)", "TotalPass(1)"};
  form.SetNewSpouseColumnVisible(false);
  for (const char* name : names) EXPECT_TRUE(form.Control(name)->isHidden()) << name;
  EXPECT_FALSE(form.AWages[0]->isHidden());
  form.SetNewSpouseColumnVisible(true);
  for (const char* name : names) EXPECT_FALSE(form.Control(name)->isHidden()) << name;
  // The spouse's other boxes stand in the New Spouse frames.
  EXPECT_EQ(form.ACap[1]->parentWidget(), form.Frame2);
  EXPECT_EQ(form.DCap[1]->parentWidget(), form.Frame3);
  EXPECT_EQ(form.REIT[1]->parentWidget(), form.Frame7);
}

TEST_F(BusinessWindowFixture, TypedTextAndLeavingTheBox) {
  ShowActive();
  const struct {
    const char* rule;
    const char* keys;
    double whileTyping;  // the variable after the last key
    const char* shownAfter;  // null: refused as not a number, the text kept and the focus back
    double after;
  } cases[] = {
      {"currency characters are removed", "$1,500", 1'500, "$ 1,500.00", 1'500},
      {"blanks and a percent sign too", "1 500%", 1'500, "$ 1,500.00", 1'500},
      {"a loss takes a leading minus", "-250", -250, "-$ 250.00", -250},
      {"letters keep the last number and are refused", "12abc", 12, nullptr, 12},
      {"a double quote stays in the text and is refused", "5\"", 5, nullptr, 5},
      {"zero shows no whole-dollar digit", "0", 0, "$ .00", 0},
      {"a box left blank shows nothing and holds 0", "$", 0, "", 0},
  };
  for (const auto& c : cases) {
    vars.Business.Claim.YrBWages = 777;
    form.BWages[0]->clear();
    TypeInto(form.BWages[0], c.keys);
    EXPECT_EQ(form.BWages[0]->text(), c.keys) << c.rule;
    EXPECT_EQ(vars.Business.Claim.YrBWages, c.whileTyping) << c.rule;
    messages.clear();
    Leave();
    EXPECT_EQ(form.BWages[0]->text(), c.shownAfter ? c.shownAfter : c.keys) << c.rule;
    EXPECT_EQ(vars.Business.Claim.YrBWages, c.after) << c.rule;
    if (c.shownAfter) {
      EXPECT_TRUE(messages.empty()) << c.rule;
      EXPECT_EQ(vars.Income.Claim.YrSelf, c.after) << c.rule;
    } else {
      EXPECT_EQ(messages, std::vector<QString>{platform::NotANumberMessage()}) << c.rule;
      EXPECT_TRUE(form.BWages[0]->hasFocus()) << c.rule;
      EXPECT_FALSE(form.RefusedEntry().isEmpty()) << c.rule;
    }
  }
}

TEST_F(BusinessWindowFixture, EnteringAFormattedBoxPutsTheCaretAfterTheDollar) {
  ShowActive();
  TypeInto(form.AWages[0], "2000");
  Leave();
  ASSERT_EQ(form.AWages[0]->text(), "$ 2,000.00");
  TypeInto(form.AWages[0], "5");
  EXPECT_EQ(form.AWages[0]->text(), "$5 2,000.00");
  EXPECT_EQ(vars.Business.Claim.YrAWages, 52'000);
}

TEST_F(BusinessWindowFixture, AClearedBoxKeepsItsValueUntilItIsLeft) {
  ShowActive();
  TypeInto(form.CPass[0], "900");
  form.CPass[0]->selectAll();
  QTest::keyClick(form.CPass[0], Qt::Key_Backspace);
  EXPECT_EQ(form.CPass[0]->text(), "");
  EXPECT_EQ(vars.Business.Claim.YrCPass, 900);
  Leave();
  EXPECT_EQ(form.CPass[0]->text(), "");
  EXPECT_EQ(vars.Business.Claim.YrCPass, 0);
}

TEST_F(BusinessWindowFixture, EnterStoresAndMovesToTheNextBusiness) {
  ShowActive();
  const struct {
    Box from;
    int column;
    Box to;
  } cases[] = {
      {Box::DWages, 1, Box::AWages}, {Box::BNot, 0, Box::CPass}, {Box::REIT, 0, Box::AWages},
      {Box::CTips, 1, Box::ATips},   {Box::DCap, 0, Box::ACap},  {Box::DPass, 1, Box::ANot},
  };
  for (const auto& c : cases) {
    AmountBox* from = form.Boxes(c.from)[c.column];
    TypeInto(from, "42");
    QTest::keyClick(from, Qt::Key_Return);
    EXPECT_TRUE(form.Boxes(c.to)[c.column]->hasFocus()) << from->objectName().toStdString();
    EXPECT_EQ(from->text(), "$ 42.00");  // no Enter character; reformatted on leaving
    EXPECT_EQ(business::BoxVar(vars.Business.Claim, c.from, c.column), 42);
  }
}

// A click into a box, wherever it falls, and a figure typed give that
// figure: the amount after the "$ " is selected and the figure replaces it.
TEST_F(BusinessWindowFixture, AFigureTypedAfterAClickIsThatFigure) {
  ShowActive();
  form.Form_Activate();  // yearly: every box shows "$ .00"
  for (AmountBox* box : {form.AWages[0], form.REIT[0], form.CTips[1]}) {
    for (int x : {box->width() - 4, 4, box->width() / 2}) {
      Leave();
      if (box == form.REIT[0]) form.AWages[0]->setFocus(Qt::TabFocusReason);
      ASSERT_FALSE(box->hasFocus());
      QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(x, box->height() / 2));
      ASSERT_TRUE(box->hasFocus());
      QTest::keyClicks(box, "52000");
      QTest::keyClick(box, Qt::Key_Tab);
      EXPECT_EQ(box->text(), "$ 52,000.00") << box->objectName().toStdString() << " " << x;
    }
  }
  EXPECT_EQ(vars.Business.Claim.YrAWages, 52'000);
  EXPECT_EQ(vars.Business.Claim.YrREIT, 52'000);
  EXPECT_EQ(vars.Business.Claim.YrCTips1, 52'000);
  EXPECT_EQ(form.TotalWages[0]->text(), "$ 52,000.00");
}

// Every box takes the program's one limit, typed, pasted or dropped.
TEST_F(BusinessWindowFixture, AnAmountPastTheLimitIsRefusedWithAMessage) {
  const QString tooLarge =
      "This amount is too large. Please enter an amount of $999,999,999,999 or less.";
  ShowActive();
  TypeInto(form.AWages[0], "999999999999");
  EXPECT_EQ(vars.Business.Claim.YrAWages, 999'999'999'999.0);
  EXPECT_TRUE(messages.empty());
  QTest::keyClick(form.AWages[0], Qt::Key_9);
  ASSERT_EQ(messages, std::vector<QString>{tooLarge});
  EXPECT_EQ(form.AWages[0]->text(), "999999999999");
  TypeInto(form.BCap[1], "1e13");
  EXPECT_EQ(form.BCap[1]->text(), "1e1");
  QGuiApplication::clipboard()->setText("1e20");
  form.REIT[1]->setFocus(Qt::MouseFocusReason);
  form.REIT[1]->paste();
  EXPECT_EQ(form.REIT[1]->text(), "");
  QMimeData data;
  data.setText("-3e38");
  QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(form.DPass[0], &enter);
  QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(form.DPass[0], &drop);
  EXPECT_EQ(messages.size(), 4u);
  EXPECT_EQ(form.DPass[0]->text(), "");
  EXPECT_EQ(vars.Business.Claim.YrREIT1, 0);
  EXPECT_EQ(vars.Business.Claim.YrBCapital1, 1e1f);
}

// A switch of period that would carry an amount past the limit is refused
// with its message before anything changes; the totals stay shown, and the
// window does not close until its amounts can be made yearly.
TEST_F(BusinessWindowFixture, ASwitchPastTheLimitIsRefusedBeforeAnythingChanges) {
  ShowActive();
  form.Form_Activate();
  form.Weekly->trigger();
  TypeInto(form.AWages[0], "999999999999");
  TypeInto(form.CPass[0], "999999999999");
  TypeInto(form.REIT[1], "20");
  Leave();
  const QString wages = form.TotalWages[0]->text(), pass = form.TotalPass[0]->text();
  ASSERT_FALSE(wages.isEmpty());
  const double income = vars.Income.Claim.YrSelf;
  form.Yearly->trigger();
  ASSERT_EQ(messages, std::vector<QString>{"The amounts entered are too large to be converted to Yearly amounts."});
  EXPECT_EQ(form.EntryPeriod(), business::BusinessPeriod::Weekly);
  EXPECT_EQ(form.PTimeLabel->text(), "WEEKLY");
  EXPECT_TRUE(form.Weekly->isChecked());
  EXPECT_FALSE(form.Yearly->isChecked());
  EXPECT_EQ(vars.Business.Claim.YrAWages, 999'999'999'999.0);
  EXPECT_EQ(vars.Business.Claim.YrREIT1, 20);
  EXPECT_EQ(form.REIT[1]->text(), "$ 20.00");
  EXPECT_EQ(form.TotalWages[0]->text(), wages);
  EXPECT_EQ(form.TotalPass[0]->text(), pass);
  EXPECT_EQ(vars.Income.Claim.YrSelf, income);

  std::int16_t cancel = 0;
  form.Form_Unload(cancel);
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(incomeYearlyClicks, 0);
  EXPECT_TRUE(selfBoxes.empty());
}

// When the income window cannot be made yearly (it has said why), the
// business window closes without putting yearly amounts into it.
TEST_F(BusinessWindowFixture, AnIncomeWindowThatRefusesYearlyGetsNoIncome) {
  monthly = true;
  ShowActive();
  form.Form_Activate();
  TypeInto(form.AWages[0], "500");
  Leave();
  ASSERT_EQ(vars.Income.Claim.YrSelf, 500);  // monthly, as the income window enters
  incomeRefusesYearly = true;
  std::int16_t cancel = 0;
  form.Form_Unload(cancel);
  EXPECT_TRUE(form.isHidden());
  EXPECT_EQ(incomeYearlyClicks, 1);
  EXPECT_EQ(vars.Income.Claim.YrSelf, 500);  // not the yearly 6,000
  EXPECT_TRUE(selfBoxes.empty());
  EXPECT_EQ(vars.Business.Claim.YrAWages, 6'000);
}

// An amount too long for its box shows its start while the box does not
// have the focus.
TEST_F(BusinessWindowFixture, ALongAmountShowsItsStart) {
  ShowActive();
  for (AmountBox* box : {form.AWages[0], form.BWages[0], form.CWages[0], form.DWages[0]})
    TypeInto(box, "999999999999");
  Leave();
  AmountBox* total = form.TotalWages[0];
  ASSERT_GT(total->fontMetrics().horizontalAdvance(total->text()), total->width());
  EXPECT_TRUE(total->text().startsWith("$ 3,999,999"));
  EXPECT_EQ(total->cursorPosition(), 0);
  EXPECT_EQ(form.AWages[0]->cursorPosition(), 0);
}

// Leaving a box reads its text first, so an amount pasted with the mouse is kept.
TEST_F(BusinessWindowFixture, APastedAmountIsKeptWhenTheBoxIsLeft) {
  ShowActive();
  form.DPass[0]->setText("100");
  form.AssignBusinessVars(0);
  form.AddBusinessVars(0);
  form.DPass[0]->setFocus(Qt::MouseFocusReason);
  form.DPass[0]->setText("7,500");  // no key
  EXPECT_EQ(vars.Business.Claim.YrDPass, 100);
  Leave();
  EXPECT_EQ(form.DPass[0]->text(), "$ 7,500.00");
  EXPECT_EQ(vars.Business.Claim.YrDPass, 7'500);

  // A paste followed by a menu command without leaving the box: kept as well.
  form.DPass[0]->setFocus(Qt::MouseFocusReason);
  form.DPass[0]->setText("$ 8,000");
  form.Monthly->trigger();
  EXPECT_NEAR(vars.Business.Claim.YrDPass, 8'000.0 / 12, 0.01);
}

// Entering and leaving a box whose amount was converted does not round the
// amount to the cents it shows.
TEST_F(BusinessWindowFixture, PassingThroughAConvertedBoxKeepsItsAmount) {
  ShowActive();
  TypeInto(form.AWages[0], "12000");
  form.Weekly->trigger();
  ASSERT_EQ(form.AWages[0]->text(), "$ 230.14");
  form.AWages[0]->setFocus(Qt::TabFocusReason);
  Leave();
  form.Yearly->trigger();
  EXPECT_EQ(form.AWages[0]->text(), "$ 12,000.00");
  EXPECT_NEAR(vars.Business.Claim.YrAWages, 12'000, 0.01);
}

TEST_F(BusinessWindowFixture, PayPeriodSwitchesConvertEveryAmount) {
  vars.Business.Claim.YrAWages = 12'000;
  form.AWages[0]->setText("12000");
  const struct {
    QAction* item;
    const char* label;
    const char* shown;
  } steps[] = {{form.SemiWeekly, "SEMIWEEKLY", "$ 460.27"},
               {form.Weekly, "WEEKLY", "$ 230.14"},
               {form.Monthly, "MONTHLY", "$ 1,000.00"},
               {form.Yearly, "YEARLY", "$ 12,000.00"}};
  for (const auto& s : steps) {
    s.item->trigger();
    EXPECT_EQ(form.AWages[0]->text(), s.shown) << s.label;
    EXPECT_EQ(form.PTimeLabel->text(), s.label);
    for (QAction* item : {form.Yearly, form.Monthly, form.SemiWeekly, form.Weekly})
      EXPECT_EQ(item->isChecked(), item == s.item) << s.label;
  }
  // An empty box shows zero after a switch.
  EXPECT_EQ(form.BWages[1]->text(), "$ .00");
  EXPECT_EQ(form.TotalWages[0]->text(), "$ 12,000.00");

  // The period already chosen converts by 1.
  form.Yearly->trigger();
  EXPECT_EQ(vars.Business.BusinessPeriodFactor, 1);
  EXPECT_EQ(form.PTimeLabel->text(), "YEARLY");
  EXPECT_TRUE(form.Yearly->isChecked());

  // Monthly 1,000 to yearly is exactly 12,000.
  form.Monthly_Click();
  form.AWages[0]->setText("1000");
  form.Box_KeyUp(Box::AWages, 0, Qt::Key_0, Qt::NoModifier);
  form.Yearly_Click();
  EXPECT_EQ(vars.Business.Claim.YrAWages, 12'000);
}

TEST_F(BusinessWindowFixture, AfterASwitchTheBusinessIncomeKeepsTheFormerPeriod) {
  CaseVars otherVars;
  Form27 payer(otherVars);
  payer.CPass[0]->setText("5200");
  payer.AssignBusinessVars(0);
  payer.AddBusinessVars(0);

  form.AWages[0]->setText("12000");
  form.AssignBusinessVars(0);
  form.AddBusinessVars(0);
  form.Monthly_Click();
  EXPECT_EQ(vars.Business.Claim.YrBusTotalWages, 1'000);  // the box total follows
  EXPECT_EQ(vars.Business.Claim.YrBusIncome, 12'000);     // these wait for the next refresh
  EXPECT_EQ(vars.Income.Claim.YrSelf, 12'000);
  form.AddBusinessVars(1);
  EXPECT_EQ(vars.Income.Claim.YrSelf, 1'000);
  // The other window's amounts do not move.
  EXPECT_EQ(otherVars.Business.Payer.YrCPass, 5'200);
  EXPECT_EQ(payer.CPass[0]->text(), "$ 5,200.00");
}

TEST_F(BusinessWindowFixture, AssignBusinessVarsReadsBoxesWrittenByOtherWindows) {
  form.AWages[1]->setText("$ 3,000.00");
  form.ANot[1]->setText("abc");
  form.CW2[1]->setText("-$ 9.00");  // W-2 wages cannot be negative
  form.BNot[1]->setText("$");
  vars.Business.Claim.YrANotQualified1 = 40;
  vars.Business.Claim.YrCW2Wages1 = 7;
  vars.Business.Claim.YrBNotQualified1 = 5;
  form.AssignBusinessVars(1);
  EXPECT_EQ(vars.Business.Claim.YrAWages1, 3'000);
  EXPECT_EQ(vars.Business.Claim.YrANotQualified1, 40);  // refused: left alone
  EXPECT_EQ(vars.Business.Claim.YrCW2Wages1, 7);
  EXPECT_EQ(vars.Income.Claim.YrSelf1, 0);              // no total is computed
  form.AddBusinessVars(1);
  EXPECT_EQ(form.BNot[1]->text(), "");  // blank: emptied, 0
  EXPECT_EQ(vars.Business.Claim.YrBNotQualified1, 0);
  // What the boxes refuse stays for the user to correct, and the window
  // names the first of them for the runs, which do not start.
  EXPECT_EQ(form.ANot[1]->text(), "abc");
  EXPECT_EQ(form.CW2[1]->text(), "-$ 9.00");
  EXPECT_EQ(form.RefusedEntry().toStdString(),
            "Claimant's Business Income, Business C, \"Employee W-2 Wages\" (New Spouse): " +
                platform::NegativeAmountMessage().toStdString());
  EXPECT_FALSE(form.Monthly_Click());  // no conversion writes over them
  EXPECT_EQ(form.EntryPeriod(), business::BusinessPeriod::Yearly);
  EXPECT_EQ(form.ANot[1]->text(), "abc");
  EXPECT_TRUE(messages.empty());
  form.CW2[1]->setText("$ 7.00");
  EXPECT_EQ(form.RefusedEntry().toStdString(),
            "Claimant's Business Income, Business A, \"Net Income Subject to SE Not Qualified For Deduction\" "
            "(New Spouse): " + platform::NotANumberMessage().toStdString());
  form.ANot[1]->setText("$ 40.00");
  EXPECT_EQ(form.RefusedEntry(), "");
  form.SetNewSpouseColumnVisible(false);  // the spouse's column unseen: not named
  form.ANot[1]->setText("abc");
  EXPECT_EQ(form.RefusedEntry(), "");
}

// The Express screen enters monthly: a monthly 1,000 is handed over as 12,000
// yearly and shown as 1,000 again when the window is reopened.
TEST_F(BusinessWindowFixture, MonthlyEntryIsHandedOverYearlyAndReopensMonthly) {
  monthly = true;
  ShowActive();
  form.Form_Activate();
  EXPECT_EQ(form.PTimeLabel->text(), "MONTHLY");
  // The box just rewritten by the activation has the caret at its start.
  TypeInto(form.AWages[0], "1,000");
  Leave();

  std::int16_t cancel = 0;
  form.Form_Unload(cancel);
  EXPECT_EQ(cancel, 1);
  EXPECT_TRUE(form.isHidden());
  EXPECT_EQ(form.PTimeLabel->text(), "YEARLY");
  EXPECT_EQ(vars.Business.Claim.YrAWages, 12'000);
  EXPECT_EQ(vars.Business.Claim.YrBusIncome, 12'000);
  EXPECT_EQ(vars.Income.Claim.YrSelf, 12'000);
  EXPECT_EQ(incomeYearlyClicks, 2);
  const std::vector<std::pair<int, QString>> handed = {{0, "$12,000.00"}, {1, "$0.00"}};
  EXPECT_EQ(selfBoxes, handed);

  form.Form_Activate();
  EXPECT_EQ(form.AWages[0]->text(), "$ 1,000.00");
  EXPECT_EQ(form.PTimeLabel->text(), "MONTHLY");
}

TEST_F(BusinessWindowFixture, ExitAndTheCloseBoxLeaveTheSameState) {
  CaseVars closedVars;
  Form26 closed(closedVars);
  for (Form26* w : {&form, &closed}) {
    w->SetNewSpouseColumnVisible(false);  // a party who does not file jointly
    w->show();
    w->Form_Activate();
    w->Weekly_Click();
    w->CPass[1]->setText("100");
    w->AssignBusinessVars(1);
  }
  form.ExitOut_Click();
  EXPECT_FALSE(closed.close());  // the close is cancelled
  for (Form26* w : {&form, &closed}) EXPECT_TRUE(w->isHidden());
  for (CaseVars* v : {&vars, &closedVars}) {
    EXPECT_NEAR(v->Business.Claim.YrCPass1, 5'214.29, 0.01);  // 100 x 365 / 7
    EXPECT_EQ(v->Income.Claim.YrSelf1, v->Business.Claim.YrBusIncome1);
  }
  EXPECT_EQ(vars.Business.Claim.YrCPass1, closedVars.Business.Claim.YrCPass1);
  EXPECT_EQ(selfBoxes.back(), std::make_pair(1, QString("$5,214.29")));
}

TEST_F(BusinessWindowFixture, ShowModalReturnsWhenTheWindowHides) {
  testenv::WhenModal<Form26>([this](Form26& shown) {
    EXPECT_EQ(&shown, &form);
    shown.ExitOut_Click();
  });
  form.ShowModal();
  EXPECT_TRUE(form.isHidden());
  EXPECT_EQ(incomeYearlyClicks, 2);
}

TEST_F(BusinessWindowFixture, HelpShowsTheTextAndActivatesTheWindowAgain) {
  platform::ui::WindowRegistry registry;
  form.Links.Registry = &registry;
  form.show();
  form.Weekly_Click();
  QString text;
  double size = 0;
  QString caption;
  testenv::WhenModal<business::FormBus>([&](business::FormBus& help) {
    EXPECT_EQ(form.HelpWindow(), &help);
    EXPECT_TRUE(registry.IsFormLoaded("FormBus"));
    caption = help.windowTitle();
    text = help.RichTextBox1->toPlainText();
    size = help.RichTextBox1->document()->begin().begin().fragment().charFormat().fontPointSize();
    EXPECT_FALSE(help.RichTextBox1->textCursor().hasSelection());
    help.close();
  });
  form.HelpBus_Click();
  EXPECT_EQ(caption, "About The Business Deduction Dialog");
  EXPECT_TRUE(text.startsWith("About The Data Fields In The Business Deduction Dialog:"));
  for (const char* figure : {"$201,750", "$403,500", "$276,750", "$553,500", "$75,000", "$150,000",
                             "$25,000", "$100", "$300,000", "2.5%"})
    EXPECT_TRUE(text.contains(figure)) << figure;
  EXPECT_DOUBLE_EQ(size, 10 * screen.ScaleFactorMin);
  EXPECT_EQ(form.HelpWindow(), nullptr);  // closing it destroys it
  EXPECT_FALSE(registry.IsFormLoaded("FormBus"));
  EXPECT_EQ(form.PTimeLabel->text(), "YEARLY");  // activation ran again
}

TEST_F(BusinessWindowFixture, ServiceTradeBoxesAndTheDeduction) {
  form.BTrade[0]->setChecked(true);
  form.DTrade[1]->setChecked(true);
  const business::ServiceTradeFlags flags = form.ServiceTrades();
  EXPECT_EQ(flags.Value[0], (std::array<std::int16_t, 4>{0, 1, 0, 0}));
  EXPECT_EQ(flags.Value[1], (std::array<std::int16_t, 4>{0, 0, 0, 1}));

  // Single, taxable 400,000 - 16,100: B is a service trade and gives 0; A,
  // with wages enough, keeps 20% of 100,000.
  vars.Express.Claim.FilingStatus = "Single";
  vars.Business.Claim.YrAWages = vars.Business.Claim.YrBWages = 100'000;
  vars.Business.Claim.YrAW2Wages = vars.Business.Claim.YrBW2Wages = 100'000;
  vars.Business.Claim.YrBWages1 = -50'000;  // not a joint return: no part
  form.GetBusinessDeduction(400'000);
  EXPECT_EQ(vars.Business.Claim.YrBusDeduction, 20'000);
  EXPECT_EQ(vars.Business.Claim.YrBusLossCarryover, 0);
  EXPECT_EQ(Form26::BusDeduction(400'000, 100'000, 100'000, 0, "Single", 1), 0);
}

// From the boxes to the tax estimate: the driver case entered in the window.
TEST_F(BusinessWindowFixture, TotalsReachTheIncomeWindowAndTheTaxEstimate) {
  CaseVars& v = vars;
  v.Express.CustodyStatus = "Cust";
  v.Express.NumMinorChildren = 1;
  v.Results.ManualNetState = 1;
  v.Express.Claim.FilingStatus = v.Express.Payer.FilingStatus = "Single";
  ShowActive();
  form.Form_Activate();
  const std::pair<AmountBox*, const char*> entries[] = {
      {form.AWages[0], "100,000"}, {form.AW2[0], "30,000"},  {form.ACap[0], "200,000"},
      {form.CWages[0], "40,000"},  {form.CPass[0], "50,000"}, {form.REIT[0], "10,000"}};
  for (const auto& [box, keys] : entries) TypeInto(box, keys);
  form.ExitOut_Click();
  EXPECT_EQ(v.Income.Claim.YrSelf, 200'000);
  EXPECT_EQ(selfBoxes.front(), std::make_pair(0, QString("$200,000.00")));

  // What the income window does on closing: its totals, then AssignNewVars.
  v.Income.Claim.YrEarned = 120'000;
  v.Income.Claim.YrTotal = v.Income.Claim.YrGrossIncome = v.Income.Claim.YrAGIBase = 320'000;
  form.AssignNewVars();
  v.Business.Payer.YrWagesForTax = 60'000;
  v.Income.Payer.YrTotal = v.Income.Payer.YrGrossIncome = v.Income.Payer.YrAGIBase = 60'000;

  CaseVars payerVars;
  Form27 payer(payerVars);
  childsupport::ChildSupportInputs inputs;
  inputs.SplitDefault = "Winters";
  inputs.InterpDefault = "Closest";
  childsupport::ChildSupportServices services;
  services.GetBusinessDeduction = business::BusinessDeductionService(form, payer);
  ASSERT_TRUE(ComputeChildSupport(v, inputs, services).Completed);
  // Worked by hand in BusinessDriverCaseTest: 15,000 + 10,000 + 2,000.
  EXPECT_EQ(v.Business.Claim.YrBusDeduction, 27'000);
  EXPECT_EQ(v.Tax.Claim.YrFedTax, 64'684);
}

TEST_F(BusinessWindowFixture, TheOtherPartysWindowTouchesNoClaimantVariable) {
  Form27 payer(vars);
  payer.show();
  payer.Form_Activate();
  payer.ATips[0]->setText("300");
  payer.REIT[1]->setText("700");
  payer.AssignBusinessVars(0);
  payer.AssignBusinessVars(1);
  payer.ExitOut_Click();
  payer.AssignNewVars();
  EXPECT_EQ(vars.Business.Payer.YrATips, 300);
  EXPECT_EQ(vars.Income.Payer.YrSelf1, 700);
  const casevars::PartyBusiness untouched;
  EXPECT_EQ(std::memcmp(&vars.Business.Claim, &untouched, sizeof untouched), 0);
  EXPECT_EQ(vars.Income.Claim.YrSelf, 0);
  EXPECT_EQ(vars.Income.Claim.YrSelf1, 0);
}

TEST_F(BusinessWindowFixture, ClearBusinessVarsResetsTheParty) {
  form.AWages[0]->setText("5000");
  form.AssignBusinessVars(0);
  form.AddBusinessVars(0);
  form.AssignNewVars();
  vars.Business.Claim.YrBusDeduction = 1'000;
  ASSERT_EQ(vars.Income.Claim.YrSelf, 5'000);
  form.ClearBusinessVars();
  const casevars::PartyBusiness zero;
  EXPECT_EQ(std::memcmp(&vars.Business.Claim, &zero, sizeof zero), 0);
  EXPECT_EQ(vars.Income.Claim.YrSelf, 0);
}

}  // namespace
