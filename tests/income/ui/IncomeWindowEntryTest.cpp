#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include "income/ui/IncomeWindow.h"
#include "platform/ui/TabControl.h"
#include "income/ui/IncomeWindowFixture.h"

using namespace income;
using namespace incometest;

namespace {

class IncomeWindowEntryTest : public ::testing::Test, public IncomeWindowFixture {};

TEST_F(IncomeWindowEntryTest, TwinsCarryTheirOwnControlNamesAndCaptions) {
  Form13& c = Claim();
  Form14& p = Payer();
  EXPECT_EQ(c.Name(), "Form13");
  EXPECT_EQ(c.windowTitle(), "Claimant's Income");
  EXPECT_EQ(p.windowTitle(), "Other Party's Income");
  for (const char* name : {"ClaimEarned", "ClaimEarned1", "ClaimTips(0)", "ClaimOT(1)", "ClaimSSChild", "ClaimTotal1",
                           "ClaimPriorMaintPaid3", "ClaimItemizedNoLimit", "LabelC1", "labelC6", "LabelC24",
                           "ClaimantAge65", "ClaimantSpouseAge65", "IRADeductLabel", "Picture5", "Label2", "Business",
                           "TimeLabel", "TimeLabel2", "MFJLabel6", "SelfDeductionFrame", "Text5"})
    EXPECT_TRUE(c.Control(name)) << name;
  for (const char* name : {"PayerEarned", "PayerTips(1)", "PayerSS1", "LabelP24", "labelP6", "OtherAge65",
                           "OtherSpouseAge65", "Label19", "Label12", "Picture6", "PayerEICThree"})
    EXPECT_TRUE(p.Control(name)) << name;
  EXPECT_FALSE(c.Control("ClaimSSChild1"));
  EXPECT_FALSE(p.Control("LabelC1"));

  EXPECT_EQ(c.SSTab1->Tabs(), 4);
  EXPECT_EQ(c.SSTab1->TabCaption(1), "Adjustments To Gross Income For Fed Tax Calculation");
  EXPECT_EQ(c.Time->title(), "Entry Time Period");
  EXPECT_EQ(c.Impute->text(), "     Impute Income");
  EXPECT_EQ(c.ExitOut->text(), "        Exit");
  EXPECT_TRUE(c.RowLabels[5]->text().startsWith(
      "Short Term Capital Gains, Investment Interest (Subject to Fed and NII Tax but not FICA or SE Tax)..."));
  EXPECT_TRUE(p.RowLabels[5]->text().startsWith(
      "Short Term Capital Gains, Investment Interest  (Subject to Fed Tax but not FICA or SE Tax)..."));
  EXPECT_EQ(static_cast<QLabel*>(p.Control("MFJLabel1"))->text(), "This Party");

  // As designed: Monthly, the standard deduction, the choices that show
  // only on request hidden, the locked boxes locked.
  EXPECT_EQ(c.IncomeEntryPeriod(), IncomePeriod::Monthly);
  EXPECT_TRUE(c.PeriodItems[1]->isChecked());
  EXPECT_EQ(c.TimeLabel->text(), "MONTHLY");
  EXPECT_TRUE(c.StandardDeduction->isChecked());
  EXPECT_TRUE(Box(c, "ItemizedAmount")->isHidden());
  EXPECT_TRUE(c.EICChoices[0]->isHidden());
  for (const char* s : {"Self", "Self1", "Total", "Total1"}) EXPECT_TRUE(Box(c, s)->isReadOnly()) << s;
  EXPECT_TRUE(Box(c, "Earned")->text().isEmpty());
}

TEST_F(IncomeWindowEntryTest, EveryKeyStoresTheNumberTyped) {
  Form13& w = Claim();
  AmountBox* st = Box(w, "ST");
  const double expected[] = {1, 15, 150, 1500};
  const char* keys = "1500";
  for (int i = 0; i < 4; ++i) {
    KeyClick(st, keys[i]);
    EXPECT_EQ(vars.Income.Claim.YrST, expected[i]);
  }
  EXPECT_EQ(st->text(), "1500");

  AmountBox* dues = Box(w, "Dues");
  KeyClicks(dues, "$1,234.5");
  EXPECT_EQ(vars.Income.Claim.YrDues, 1234.5);
  dues->setText("$5");
  dues->end(false);  // text set by code shows its start; the caret goes to the end
  KeyClick(dues, Qt::Key_Backspace);  // "$": nothing numeric, nothing stored
  EXPECT_EQ(vars.Income.Claim.YrDues, 1234.5);
  KeyClicks(dues, "-200");  // dues cannot be negative: nothing stored
  EXPECT_EQ(vars.Income.Claim.YrDues, 1234.5);
  KeyClicks(Box(w, "PT"), "-200");  // a rental loss can
  EXPECT_EQ(vars.Income.Claim.YrPT, -200);
  KeyClicks(dues, "x");  // letters store nothing
  EXPECT_EQ(vars.Income.Claim.YrDues, 1234.5);

  // The twin stores into the other party's variables.
  KeyClicks(Box(Payer(), "Tips", 1), "75");
  EXPECT_EQ(vars.Income.Payer.YrTips1, 75);
  EXPECT_EQ(vars.Income.Claim.YrTips1, 0);
}

TEST_F(IncomeWindowEntryTest, PastedAmountIsStoredLikeATypedOne) {
  Form13& w = Claim();
  AmountBox* earned = Box(w, "Earned");
  KeyClicks(earned, "100");
  QGuiApplication::clipboard()->setText("2,500");
  earned->selectAll();
  earned->paste();
  EXPECT_EQ(vars.Income.Claim.YrEarned, 2500);
  // It survives the redraw when the box is left.
  w.AddIncomeVars();
  EXPECT_EQ(earned->text(), "$ 2,500.00");
}

TEST_F(IncomeWindowEntryTest, AnAmountTooLargeIsRefusedWithAMessage) {
  Form13& w = Claim();
  AmountBox* earned = Box(w, "Earned");
  KeyClicks(earned, "999999999999");
  EXPECT_EQ(vars.Income.Claim.YrEarned, 999999999999.0);
  EXPECT_TRUE(Messages().empty());
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  KeyClick(earned, '9');
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].title, "Entry Error");
  EXPECT_EQ(Messages()[0].buttons, platform::kBoxOk);
  EXPECT_EQ(earned->text(), "999999999999");
  EXPECT_EQ(vars.Income.Claim.YrEarned, 999999999999.0);
  // Also in a box without key handling of its own.
  AmountBox* credits = Box(w, "OtherCredits");
  QGuiApplication::clipboard()->setText("1e15");
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  credits->paste();
  EXPECT_EQ(Messages().size(), 2u);
  EXPECT_FALSE(dialogs.Failed());
  EXPECT_TRUE(credits->text().isEmpty());
}

TEST_F(IncomeWindowEntryTest, EnterWalksDownEachColumn) {
  const QStringList party = {"ClaimEarned", "ClaimTips(0)", "ClaimOT(0)", "ClaimEarnedExempt", "ClaimSelf",
                             "ClaimST", "ClaimLT", "ClaimPT", "ClaimPension", "ClaimComp", "ClaimFree",
                             "ClaimReimburse", "ClaimPriorMaint", "ClaimSSChild", "ClaimSS", "ClaimTotal"};
  const QStringList spouse = {"PayerEarned1", "PayerTips(1)", "PayerOT(1)", "PayerEarnedExempt1", "PayerSelf1",
                              "PayerST1", "PayerLT1", "PayerPT1", "PayerPension1", "PayerComp1", "PayerFree1",
                              "PayerReimburse1", "PayerPriorMaint1", "PayerSS1", "PayerTotal1"};
  for (const QStringList& chain : {party, spouse}) {
    IncomeWindow& w = chain[0].startsWith("Claim") ? static_cast<IncomeWindow&>(Claim()) : Payer();
    ShowActive(w);
    auto* box = static_cast<QLineEdit*>(w.Control(chain[0]));
    box->setFocus();
    QStringList walked = {chain[0]};
    for (int i = 1; i < chain.size(); ++i) {
      KeyClick(QApplication::focusWidget(), Qt::Key_Return);
      walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked, chain);
    // Enter in a total does nothing of this kind.
    KeyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), chain.last());
    w.hide();
  }
}

TEST_F(IncomeWindowEntryTest, EnterInTheOtherTabsMovesOnlyFromTheIraDeduction) {
  Form13& w = Claim();
  ShowActive(w);
  w.SSTab1->SetTab(1);
  AmountBox* ira = Box(w, "IRADeduct");
  ira->setFocus();
  KeyClicks(ira, "300");
  KeyClick(ira, Qt::Key_Return);
  // Shown, the window drew "$" into the empty deduction boxes; the caret
  // went after it. The Enter character is discarded.
  EXPECT_EQ(ira->text(), "$300");
  EXPECT_EQ(vars.Income.Claim.YrIRADeduct, 300);
  EXPECT_TRUE(Box(w, "OtherDeduct")->hasFocus());
  KeyClick(Box(w, "OtherDeduct"), Qt::Key_Return);
  EXPECT_TRUE(Box(w, "OtherDeduct")->hasFocus());
  w.SSTab1->SetTab(3);
  AmountBox* medCare = Box(w, "MedCare");
  medCare->setFocus();
  KeyClicks(medCare, "45");
  KeyClick(medCare, Qt::Key_Return);
  EXPECT_TRUE(medCare->hasFocus());
  EXPECT_EQ(vars.Income.Claim.YrMedCare, 45);
}

TEST_F(IncomeWindowEntryTest, RecomputingRowsRetotalBeforeMoving) {
  Form13& w = Claim();
  ShowActive(w);
  vars.Income.Claim.YrSelf = 400;  // written by the business window
  Box(w, "Self")->setText("$ 400.00");
  Box(w, "ST")->setFocus();
  KeyClicks(Box(w, "ST"), "100");
  // Enter in ClaimEarned does not recompute, Enter in ClaimST does.
  KeyClick(Box(w, "ST"), Qt::Key_Return);
  EXPECT_EQ(vars.Income.Claim.YrTotal, 500);
  EXPECT_EQ(Box(w, "ST")->text(), "$ 100.00");
  EXPECT_TRUE(Box(w, "LT")->hasFocus());
}

TEST_F(IncomeWindowEntryTest, EnteringPutsTheCaretAfterTheDollarLeavingRetotals) {
  Form13& w = Claim();
  ShowActive(w);
  Box(w, "Earned")->setFocus();
  KeyClicks(Box(w, "Earned"), "1200");
  // Leaving an income box redraws and totals; entering the next one puts
  // the caret between "$" and the blank, nothing selected.
  KeyClick(Box(w, "Earned"), Qt::Key_Tab);
  EXPECT_EQ(Box(w, "Earned")->text(), "$ 1,200.00");
  EXPECT_EQ(Box(w, "Total")->text(), "$ 1,200.00");
  EXPECT_EQ(express.gross.Claim, "$ 1,200");
  Box(w, "Earned")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(Box(w, "Earned")->cursorPosition(), 1);
  EXPECT_FALSE(Box(w, "Earned")->hasSelectedText());
  KeyClick(Box(w, "Earned"), '5');
  EXPECT_EQ(Box(w, "Earned")->text(), "$5 1,200.00");
  EXPECT_EQ(vars.Income.Claim.YrEarned, 51200);

  // A deduction box places the caret too, but leaving it retotals nothing.
  w.SSTab1->SetTab(3);
  EXPECT_EQ(Box(w, "Total")->text(), "$ 51,200.00");  // Earned was left
  vars.Income.Claim.YrEarned = 7;  // would show in the total if it were recomputed
  Box(w, "Dues")->setText("$ 20");
  Box(w, "Dues")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(Box(w, "Dues")->cursorPosition(), 1);
  Box(w, "StIndus")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(Box(w, "Total")->text(), "$ 51,200.00");
}

// A click into an amount box, wherever it falls, and a figure typed give
// that figure: the amount after the "$ " is selected, so the figure
// replaces it. Real mouse and key events, in both windows.
TEST_F(IncomeWindowEntryTest, AFigureTypedAfterAClickIsThatFigure) {
  for (IncomeWindow* w : {static_cast<IncomeWindow*>(&Claim()), static_cast<IncomeWindow*>(&Payer())}) {
    casevars::PartyIncome& in = vars.Income[w->WhichParty()];
    ShowActive(*w);  // monthly: every income box shows "$ .00"
    AmountBox* earned = Box(*w, "Earned");
    ASSERT_EQ(earned->text(), "$ .00");
    const struct {
      double before;
      int x;  // where the click falls, from the box's left edge
    } cases[] = {{0, earned->width() - 4}, {0, 4}, {1200, earned->width() - 4}, {1200, earned->width() / 2}};
    for (const auto& c : cases) {
      in.YrEarned = c.before;
      w->AddIncomeVars();
      Box(*w, "ST")->setFocus(Qt::TabFocusReason);
      QTest::mouseClick(earned, Qt::LeftButton, {}, QPoint(c.x, earned->height() / 2));
      ASSERT_TRUE(earned->hasFocus());
      QTest::keyClicks(earned, "52000");
      QTest::keyClick(earned, Qt::Key_Return);  // on to the tips box: the totals follow
      EXPECT_EQ(in.YrEarned, 52000) << c.before << " " << c.x;
      EXPECT_EQ(earned->text(), "$ 52,000.00");
      EXPECT_EQ(Box(*w, "Total")->text(), "$ 52,000.00");
      EXPECT_EQ(express.gross[w->WhichParty()], "$ 52,000");
    }
    // Entering by the keyboard keeps the caret after the "$".
    earned->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(earned->cursorPosition(), 1);
    EXPECT_FALSE(earned->hasSelectedText());
    w->hide();
  }
}

// Typing, pasting and dropping share the one limit.
TEST_F(IncomeWindowEntryTest, ADroppedAmountTooLargeIsRefusedToo) {
  Form14& w = Payer();
  AmountBox* st = Box(w, "ST");
  KeyClicks(st, "75");
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  DropText(st, "1,000,000,000,000");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].prompt, "This amount is too large. Please enter an amount of $999,999,999,999 or less.");
  EXPECT_EQ(st->text(), "75");
  EXPECT_EQ(vars.Income.Payer.YrST, 75);
  st->clear();
  DropText(st, "-999,999,999,999");
  EXPECT_EQ(st->text(), "-999,999,999,999");
  EXPECT_EQ(vars.Income.Payer.YrST, -999999999999.0);
  EXPECT_EQ(Messages().size(), 1u);
}

// An amount too long for its box shows its start while the box does not
// have the focus: the "$" and the leading digits, not the tail.
TEST_F(IncomeWindowEntryTest, ALongAmountShowsItsStartOutsideTheBox) {
  Form13& w = Claim();
  ShowActive(w);
  for (const char* s : {"Earned", "ST", "SS"}) Box(w, s)->setText("999999999999");
  for (const char* s : {"Earned", "ST", "SS"}) KeyClicks(Box(w, s), "");
  vars.Income.Claim.YrEarned = vars.Income.Claim.YrST = vars.Income.Claim.YrSS = 999999999999.0;
  w.AddIncomeVars();
  AmountBox* total = Box(w, "Total");
  ASSERT_GT(total->fontMetrics().horizontalAdvance(total->text()), total->width());
  EXPECT_EQ(total->cursorPosition(), 0);
  // Written again with the same text (another box left), it still shows its start.
  w.AddIncomeVars();
  EXPECT_EQ(total->cursorPosition(), 0);
  EXPECT_EQ(Box(w, "Earned")->cursorPosition(), 0);
  // Left after typing at its end, a box scrolls back to its start as well.
  AmountBox* lt = Box(w, "LT");
  lt->setFocus(Qt::TabFocusReason);
  lt->selectAll();
  QTest::keyClicks(lt, "99999999999");
  EXPECT_EQ(lt->cursorPosition(), lt->text().size());
  Box(w, "PT")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(lt->text(), "$ 99,999,999,999.00");
  EXPECT_EQ(lt->cursorPosition(), 0);
  w.hide();
}

// Another window taking the focus (a message box, say) is not leaving the
// box: the caret stays where the user was typing.
TEST_F(IncomeWindowEntryTest, AnotherWindowTakingTheFocusLeavesTheCaret) {
  Form13& w = Claim();
  ShowActive(w);
  AmountBox* st = Box(w, "ST");
  st->setFocus(Qt::TabFocusReason);
  st->selectAll();
  QTest::keyClicks(st, "12345");
  QWidget other;
  ShowActive(other);
  ASSERT_FALSE(st->hasFocus());
  EXPECT_EQ(st->cursorPosition(), 5);
  other.hide();
  ShowActive(w);
  ASSERT_TRUE(st->hasFocus());
  QTest::keyClicks(st, "6");
  EXPECT_EQ(st->text(), "123456");
  w.hide();
}

TEST_F(IncomeWindowEntryTest, ATypedDoubleQuoteBecomesAnApostrophe) {
  Form14& w = Payer();
  KeyClicks(Box(w, "Comp"), "12\"");
  EXPECT_EQ(Box(w, "Comp")->text(), "12'");
  EXPECT_EQ(vars.Income.Payer.YrComp, 12);  // "12'" is not a number: nothing stored
  w.AddIncomeVars();  // nor taken, nor wiped: the box refuses it
  EXPECT_EQ(Box(w, "Comp")->text(), "12'");
  EXPECT_EQ(vars.Income.Payer.YrComp, 12);
  EXPECT_FALSE(w.RefusedEntry().isEmpty());
}

}  // namespace
