#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>

#include <cmath>

#include "income/ui/IncomeColumns.h"
#include "income/ui/IncomeWindow.h"
#include "income/ui/IncomeWindowFixture.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/TabControl.h"
#include "prefs/Preferences.h"
#include "shell/ui/Fitting.h"

using namespace income;
using namespace incometest;
using casevars::Age65Status;

namespace {

class IncomeWindowMethodsTest : public ::testing::Test, public IncomeWindowFixture {};

TEST_F(IncomeWindowMethodsTest, AddIncomeVarsRedrawsTotalsAndHandsOnTheGrossIncome) {
  Form13& w = Claim();
  KeyClicks(Box(w, "Earned"), "1000");
  KeyClicks(Box(w, "SSChild"), "300");
  KeyClicks(Box(w, "Earned1"), "450");      // a single filer's new spouse: totalled, not handed on
  Box(w, "Comp")->setText("$");             // emptied, 0
  vars.Income.Claim.YrPension = 900;        // a number whose variable differs: redrawn from the variable
  Box(w, "Pension")->setText("5");
  KeyClicks(Box(w, "LT"), "-200");          // a loss lowers the total
  w.AddIncomeVars();
  EXPECT_EQ(Box(w, "Earned")->text(), "$ 1,000.00");
  EXPECT_EQ(Box(w, "Comp")->text(), "");
  EXPECT_EQ(Box(w, "Pension")->text(), "$ 900.00");
  EXPECT_EQ(Box(w, "LT")->text(), "-$ 200.00");
  EXPECT_EQ(Box(w, "ST")->text(), "");      // empty stays empty
  EXPECT_EQ(Box(w, "Total")->text(), "$ 2,000.00");
  EXPECT_EQ(Box(w, "Total1")->text(), "$ 450.00");
  EXPECT_EQ(express.gross.Claim, "$ 2,000");
  EXPECT_EQ(vars.Income.Claim.YrGrossIncome, 24000);
  EXPECT_EQ(vars.Income.Claim.YrTotal1, 450);
  EXPECT_EQ(express.gross.Payer, "");  // the other party's field is the other window's
}

TEST_F(IncomeWindowMethodsTest, PeriodChangesConvertBoxesAndVariables) {
  Form13& w = Claim();
  KeyClicks(Box(w, "Earned"), "1000");
  KeyClicks(Box(w, "Dues"), "50");
  KeyClicks(Box(w, "IRADeduct"), "3000");   // yearly at all times
  Box(w, "ST")->setText("$");               // blank: the formatted zero after the change
  ASSERT_TRUE(w.SemiWeekly_Click());
  EXPECT_EQ(Box(w, "Earned")->text(), "$ 460.27");
  EXPECT_NEAR(vars.Income.Claim.YrEarned, 460.2739726, 1e-7);
  EXPECT_DOUBLE_EQ(vars.Income.IncomePeriodFactor, 168.0 / 365);
  EXPECT_EQ(Box(w, "ST")->text(), "$ .00");
  EXPECT_EQ(w.TimeLabel->text(), "SEMIWEEKLY");
  EXPECT_EQ(w.TimeLabel2->text(), "SEMIWEEKLY");
  EXPECT_TRUE(w.PeriodItems[2]->isChecked());
  EXPECT_FALSE(w.PeriodItems[1]->isChecked());
  ASSERT_TRUE(w.Monthly_Click());
  EXPECT_DOUBLE_EQ(vars.Income.Claim.YrEarned, 1000);
  EXPECT_EQ(Box(w, "Earned")->text(), "$ 1,000.00");
  ASSERT_TRUE(w.Yearly_Click());
  EXPECT_EQ(Box(w, "Total")->text(), "$ 12,000.00");
  EXPECT_EQ(Box(w, "Dues")->text(), "$ 600.00");
  EXPECT_EQ(vars.Income.Claim.YrIRADeduct, 3000);
  EXPECT_EQ(Box(w, "IRADeduct")->text(), "$ 3,000");
  // The same period again: factor 1, nothing converted.
  ASSERT_TRUE(w.Yearly_Click());
  EXPECT_EQ(vars.Income.IncomePeriodFactor, 1.0);
  EXPECT_EQ(Box(w, "Dues")->text(), "$ 600.00");
  // The other party's window keeps its own period.
  EXPECT_EQ(Payer().IncomeEntryPeriod(), IncomePeriod::Monthly);
}

TEST_F(IncomeWindowMethodsTest, AMenuCommandRunsThePeriodChange) {
  Form14& w = Payer();
  KeyClicks(Box(w, "Earned"), "15");
  w.PeriodItems[4]->trigger();  // Hourly, from Monthly
  EXPECT_EQ(w.IncomeEntryPeriod(), IncomePeriod::Hourly);
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(w.PeriodItems[i]->isChecked(), i == 4);
  w.PeriodItems[4]->trigger();  // clicking the checked item keeps it checked
  EXPECT_TRUE(w.PeriodItems[4]->isChecked());
}

TEST_F(IncomeWindowMethodsTest, APeriodChangeThatWouldOverflowIsRefusedBeforeAnythingChanges) {
  Form13& w = Claim();
  ASSERT_TRUE(w.Hourly_Click());
  vars.Income.Claim.YrDues = 2e35f;  // from a case file, say: too large for a year
  Box(w, "Dues")->setText("1");
  Type(Box(w, "Earned"), "20");
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  EXPECT_FALSE(w.Yearly_Click());
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].title, "Entry Error");
  EXPECT_EQ(w.IncomeEntryPeriod(), IncomePeriod::Hourly);
  EXPECT_TRUE(w.PeriodItems[4]->isChecked());
  EXPECT_EQ(w.TimeLabel->text(), "HOURLY");
  EXPECT_EQ(vars.Income.Claim.YrEarned, 20);
  EXPECT_EQ(vars.Income.Claim.YrDues, 2e35f);
  // Closing needs yearly amounts: the window stays open.
  express.monthly = false;
  dialogs.AnswerMessageBox(platform::kAnswerOk);  // the activation's switch to yearly
  ShowActive(w);
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  EXPECT_FALSE(w.Form_Unload());
  EXPECT_TRUE(w.isVisible());
  EXPECT_FALSE(dialogs.Failed());
}

// The limit on typed amounts holds through period changes: an hourly
// 999,999,999,999 cannot become a yearly amount. The change is refused with
// its message before anything changes, and every total stays shown.
TEST_F(IncomeWindowMethodsTest, APeriodChangePastTheAmountLimitIsRefusedWithItsMessage) {
  Form14& w = Payer();
  ASSERT_TRUE(w.Hourly_Click());
  Type(Box(w, "Earned"), "999999999999");
  Type(Box(w, "Dues"), "20");
  w.AddIncomeVars();
  const QString total = Box(w, "Total")->text();
  const QString gross = express.gross.Payer;
  ASSERT_FALSE(total.isEmpty());
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  w.PeriodItems[size_t(IncomePeriod::Yearly)]->trigger();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].prompt, "The amounts entered are too large to be converted to Yearly amounts.");
  EXPECT_EQ(Messages()[0].title, "Entry Error");
  EXPECT_EQ(w.IncomeEntryPeriod(), IncomePeriod::Hourly);
  EXPECT_TRUE(w.PeriodItems[size_t(IncomePeriod::Hourly)]->isChecked());
  EXPECT_FALSE(w.PeriodItems[size_t(IncomePeriod::Yearly)]->isChecked());
  EXPECT_EQ(vars.Income.Payer.YrEarned, 999999999999.0);
  EXPECT_EQ(vars.Income.Payer.YrDues, 20);
  EXPECT_EQ(Box(w, "Total")->text(), total);
  EXPECT_EQ(express.gross.Payer, gross);
  // Amounts that stay within the limit convert.
  Type(Box(w, "Earned"), "400000000");
  EXPECT_TRUE(w.Yearly_Click());
  EXPECT_EQ(vars.Income.Payer.YrEarned, static_cast<double>(4e8 * double(PeriodFactor(IncomePeriod::Hourly, IncomePeriod::Yearly))));
  EXPECT_TRUE(Box(w, "Earned")->text().startsWith("$ 834,285,7"));
  EXPECT_FALSE(dialogs.Failed());
}

// Until the program has an Impute Income window, its menu item says so
// and changes nothing.
TEST_F(IncomeWindowMethodsTest, ImputeIncomeSaysItIsNotAvailableYet) {
  Form13& w = Claim();
  ASSERT_TRUE(w.Hourly_Click());
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  w.Impute->trigger();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].prompt, "Imputing income is not available yet in this version of the program.");
  EXPECT_EQ(Messages()[0].title, "Impute Income");
  EXPECT_EQ(w.IncomeEntryPeriod(), IncomePeriod::Hourly);
  EXPECT_FALSE(dialogs.Failed());
}

TEST_F(IncomeWindowMethodsTest, AssignDeductVarsReadAndKeepRules) {
  Form13& w = Claim();
  express.filing.Claim.Single = true;
  Box(w, "IRADeduct")->setText("$ 1,234.56");
  Box(w, "Dues")->setText("$");
  vars.Income.Claim.YrDues = 30;
  Box(w, "PensionPay")->setText("letters");  // refused: left for the user to correct
  vars.Income.Claim.YrPensionPay = 20;
  Box(w, "OtherDeduct")->setText("-50");  // an adjustment may be negative
  Box(w, "OtherCredits")->setText("-50");  // a credit cannot: not taken
  vars.Income.Claim.YrStIndus = 80;
  Box(w, "StIndus")->setText("99");  // keep rule: the variable wins
  w.StandardDeduction->setChecked(true);
  Box(w, "ItemizedAmount")->setText("12000");
  w.AssignDeductVars();
  EXPECT_EQ(vars.Income.Claim.YrIRADeduct, 1234.56);
  EXPECT_EQ(Box(w, "IRADeduct")->text(), "$ 1,235");
  EXPECT_EQ(Box(w, "Dues")->text(), "$");
  EXPECT_EQ(vars.Income.Claim.YrDues, 0);
  EXPECT_EQ(Box(w, "PensionPay")->text(), "letters");
  EXPECT_EQ(vars.Income.Claim.YrPensionPay, 20);
  EXPECT_EQ(vars.Income.Claim.YrOtherDeduct, -50);
  EXPECT_EQ(Box(w, "OtherCredits")->text(), "-50");
  EXPECT_EQ(vars.Income.Claim.YrOtherCredits, 0);
  EXPECT_EQ(Box(w, "StIndus")->text(), "$ 80");
  EXPECT_EQ(vars.Income.Claim.YrItemized, 0);
  EXPECT_EQ(Box(w, "ItemizedAmount")->text(), "$ 12,000");
  EXPECT_EQ(vars.Income.Claim.YrAllowableDeductions, 100);
}

TEST_F(IncomeWindowMethodsTest, SelfEmployedDeductionsNeedBusinessIncome) {
  Form13& w = Claim();
  Box(w, "SelfHealthDeduct")->setText("500");
  for (double self : {0.0, -500.0, 2000.0}) {
    vars.Income.Claim.YrSelf = self;
    Box(w, "Self")->setText(self == 0 ? "" : "1");
    w.AddIncomeVars();
    w.AssignDeductVars();
    EXPECT_EQ(vars.Income.Claim.YrAdjustments, self > 0 ? 500 : 0) << self;
    EXPECT_EQ(Box(w, "SelfHealthDeduct")->text(), "$ 500") << self;
    // Tab 1 shows the frame exactly when the deductions count.
    w.SSTab1->SetTab(1);
    EXPECT_EQ(w.SelfDeductionFrame->isEnabled(), self > 0);
    EXPECT_EQ(Box(w, "SelfHealthDeduct")->isHidden(), !(self > 0));
    EXPECT_EQ(w.Text2->isHidden(), !(self > 0));
    w.SSTab1->SetTab(0);
  }
}

TEST_F(IncomeWindowMethodsTest, DeductionsUseTheExpressFilingAndTheBusinessWindow) {
  Form14& w = Payer();
  express.filing.Payer.MFJ = true;
  business.tips.tips[1][0] = 2000;
  business.deduction = 700;
  ASSERT_TRUE(w.Yearly_Click());
  Type(Box(w, "Earned"), "100000");
  Type(Box(w, "Earned1"), "50000");
  Type(Box(w, "OT", 0), "8000");
  Type(Box(w, "OT", 1), "8000");
  w.Age65->setChecked(true);
  w.SpouseAge65->setChecked(true);
  w.AddIncomeVars();
  w.AssignDeductVars();
  const casevars::PartyIncome& in = vars.Income.Payer;
  // Both columns: 108,000 + 58,000; overtime 16,000 under the joint cap;
  // the new spouse's business tips 2,000.
  EXPECT_EQ(in.YrOTDeduction, 16000);
  EXPECT_EQ(in.YrTipsDeduction, 2000);
  EXPECT_EQ(in.YrATipsDeducted1, 2000);
  EXPECT_EQ(in.YrAGIBase, 148000);
  EXPECT_EQ(in.Age65Status, Age65Status::Both);
  EXPECT_TRUE(business.calls.contains("GetBusinessDeduction 148000"));
  EXPECT_EQ(vars.Business.Payer.YrBusDeduction, 700);
  EXPECT_EQ(vars.Business.Claim.YrBusDeduction, 0);
  EXPECT_EQ(in.YrUntaxedIncome, 18700);
}

TEST_F(IncomeWindowMethodsTest, AssignPopUpVarsCopiesEveryBox) {
  Form13& w = Claim();
  ASSERT_TRUE(w.Yearly_Click());
  Type(Box(w, "Earned"), "1000");
  ASSERT_TRUE(w.Monthly_Click());  // the box shows 83.33 of 1,000 / 12
  EXPECT_EQ(Box(w, "Earned")->text(), "$ 83.33");
  w.AssignPopUpVars();
  EXPECT_EQ(vars.Income.Claim.YrEarned, 83.33);
  vars.Income.Claim.YrDues = 40;
  vars.Income.Claim.YrMedCare = 40;
  vars.Income.Claim.YrOtherSupport = 40;
  Box(w, "Dues")->setText("");
  Box(w, "MedCare")->setText("");
  Box(w, "OtherSupport")->setText("x");            // refused: nothing taken
  Box(w, "Earned")->setText("-$ 60,000.00");       // wages cannot be negative: nothing taken
  Box(w, "ST")->setText("$ 1,234.50");
  Box(w, "LT")->setText("12 34");
  Box(w, "PT")->setText("12%");
  Box(w, "Tips", 1)->setText("10");  // a hidden new-spouse box takes part
  Box(w, "ItemizedNoLimit")->setText("5");
  w.AssignPopUpVars();
  EXPECT_EQ(vars.Income.Claim.YrDues, 40);
  EXPECT_EQ(vars.Income.Claim.YrMedCare, 0);
  EXPECT_EQ(vars.Income.Claim.YrOtherSupport, 40);
  EXPECT_EQ(vars.Income.Claim.YrEarned, 83.33);
  EXPECT_EQ(vars.Income.Claim.YrST, 1234.5);
  EXPECT_EQ(vars.Income.Claim.YrLT, 1234);
  EXPECT_EQ(vars.Income.Claim.YrPT, 12);
  EXPECT_EQ(vars.Income.Claim.YrTips1, 10);
  EXPECT_EQ(vars.Income.Claim.YrItemizedNoLimit, 5);

  // The credit children: copied only while the box is ticked.
  w.EICCheck->setChecked(true);
  w.AssignPopUpVars();
  EXPECT_EQ(vars.Income.Claim.EICChildren, 0);
  w.EICChoices[2]->setChecked(true);
  w.AssignPopUpVars();
  EXPECT_EQ(vars.Income.Claim.EICChildren, 2);
  w.EICCheck->setChecked(false);
  w.EICChoices[3]->setChecked(true);
  w.AssignPopUpVars();
  EXPECT_EQ(vars.Income.Claim.EICChildren, 2);
}

TEST_F(IncomeWindowMethodsTest, TabChangesSetMenusAndFocus) {
  Form13& w = Claim();
  ShowActive(w);
  const struct {
    int tab;
    bool time, impute;
    const char* focus;  // the container that takes the focus, or null
  } cases[] = {{1, false, false, "Picture5"}, {2, false, false, "Picture2"}, {3, true, false, nullptr},
               {0, true, true, nullptr}};
  for (const auto& c : cases) {
    w.SSTab1->SetTab(c.tab);
    EXPECT_EQ(w.Time->menuAction()->isEnabled(), c.time) << c.tab;
    EXPECT_EQ(w.Impute->isEnabled(), c.impute) << c.tab;
    EXPECT_TRUE(w.ExitOut->isEnabled());
    for (QAction* item : w.PeriodItems) EXPECT_TRUE(item->isEnabled());
    if (c.focus) {
      EXPECT_EQ(QApplication::focusWidget(), w.Control(c.focus)) << c.tab;
    }
    EXPECT_TRUE(w.Control(c.tab == 0 ? "Frame2" : c.tab == 3 ? "Frame1" : c.tab == 1 ? "Text5" : "Picture4")
                    ->isEnabled());
    EXPECT_EQ(w.Control("Frame2")->isEnabled(), c.tab == 0);
  }
}

TEST_F(IncomeWindowMethodsTest, ChoicesShowAndHideTheirControls) {
  Form13& w = Claim();
  w.EICCheck->setChecked(true);
  for (QRadioButton* r : w.EICChoices) EXPECT_FALSE(r->isHidden());
  w.EICChoices[1]->setChecked(true);
  w.EICCheck->setChecked(false);
  for (QRadioButton* r : w.EICChoices) EXPECT_TRUE(r->isHidden());
  w.EICCheck->setChecked(true);
  EXPECT_TRUE(w.EICChoices[1]->isChecked());

  w.ItemizedDeduction->setChecked(true);
  EXPECT_FALSE(Box(w, "ItemizedAmount")->isHidden());
  EXPECT_FALSE(Box(w, "ItemizedAmount")->isReadOnly());
  EXPECT_FALSE(w.ItemizedNote1->isHidden());
  Box(w, "ItemizedAmount")->setText("9000");
  w.StandardDeduction->setChecked(true);
  EXPECT_TRUE(Box(w, "ItemizedAmount")->isHidden());
  EXPECT_TRUE(Box(w, "ItemizedAmount")->text().isEmpty());
  w.ItemizedDeduction->setChecked(true);
  EXPECT_TRUE(Box(w, "ItemizedAmount")->text().isEmpty());
}

TEST_F(IncomeWindowMethodsTest, ClosingLeavesYearlyAmountsActivationTheDefaultPeriod) {
  Form13& w = Claim();
  express.filing.Claim.Single = true;
  ShowActive(w);
  EXPECT_EQ(w.IncomeEntryPeriod(), IncomePeriod::Monthly);  // MonthlyData checked
  ASSERT_TRUE(w.Hourly_Click());
  Type(Box(w, "Earned"), "15");
  w.close();
  EXPECT_TRUE(w.isHidden());
  EXPECT_EQ(w.IncomeEntryPeriod(), IncomePeriod::Yearly);
  EXPECT_NEAR(vars.Income.Claim.YrEarned, 31285.7142857, 1e-7);  // 15 x 40 x 365 / 7
  EXPECT_EQ(Box(w, "Earned")->text(), "$ 31,285.71");
  EXPECT_TRUE(business.calls.contains("AssignNewVars"));
  express.monthly = false;
  ShowActive(w);
  EXPECT_EQ(w.IncomeEntryPeriod(), IncomePeriod::Yearly);
  express.monthly = true;
  business.calls.clear();
  w.Business_Click();  // the business window closes; the window activates again
  EXPECT_EQ(business.calls.first(), "ShowBusinessWindow single");
  EXPECT_EQ(w.IncomeEntryPeriod(), IncomePeriod::Monthly);
  w.ExitOut_Click();
  EXPECT_TRUE(w.isHidden());
}

TEST_F(IncomeWindowMethodsTest, FormLoadPaintsTheTabsInTheScreenScheme) {
  const struct {
    const char* scheme;
    bool hooked;
    QColor colour;
  } cases[] = {{"TV", true, QColor(237, 233, 216)}, {"Sys", true, platform::ToQColor(platform::kSysButtonFace)},
               {"Other", false, QColor()}};
  for (const auto& c : cases) {
    prefs::ScreenDefault.write(c.scheme);
    Form13 w(vars, Services());
    w.Form_Load();
    EXPECT_EQ(w.SSTab1->Hooked(), c.hooked) << c.scheme;
    if (c.hooked) {
      EXPECT_EQ(w.SSTab1->SolidColor(), c.colour) << c.scheme;
    }
    w.Form_Load();  // hooking twice changes nothing
    EXPECT_EQ(w.SSTab1->Hooked(), c.hooked);
  }
}

TEST_F(IncomeWindowMethodsTest, ColumnShiftMovesTheColumnsAndCaptionsOnly) {
  Form13& w = Claim();
  shell::ScreenFactors factors;
  const shell::ScreenInfo screen{1024, 768, 15, 15};
  const double earned = platform::ui::Left(Box(w, "Earned"));
  const double label = platform::ui::Left(w.RowLabels[23]);
  const double business = platform::ui::Left(w.Business);
  const double time = platform::ui::Left(w.TimeLabel);
  ShiftIncomeColumns(w, 1, factors, screen);
  EXPECT_DOUBLE_EQ(factors.ScaleFactorMin, 1.28);
  EXPECT_DOUBLE_EQ(platform::ui::Left(Box(w, "Earned")), earned + 640);
  EXPECT_DOUBLE_EQ(platform::ui::Left(w.RowLabels[23]), label + 640);
  EXPECT_DOUBLE_EQ(platform::ui::Left(w.Business), business);
  EXPECT_DOUBLE_EQ(platform::ui::Left(w.TimeLabel), time);
  ShiftIncomeColumns(w, 3, factors, screen);
  EXPECT_DOUBLE_EQ(platform::ui::Left(Box(w, "Earned")), earned + 640);
  ShiftIncomeColumns(w, 2, factors, screen);
  EXPECT_DOUBLE_EQ(platform::ui::Left(Box(w, "Earned")), earned);
}

TEST_F(IncomeWindowMethodsTest, IncomeButtonChecksFilingShowsTheColumnAndShifts) {
  Form14& w = Payer();
  std::int16_t shifted = 0;
  shell::ScreenFactors factors;
  int shown = 0;
  IncomeButtonContext context{express, shifted, factors, {1024, 768, 15, 15}, &dialogs,
                              [&shown](IncomeWindow&) { ++shown; }};
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  EXPECT_FALSE(EnterIncome_Click(w, context));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].prompt, "Please Enter Other Party's Tax Filing Status");
  EXPECT_EQ(shown, 0);

  const double design = platform::ui::Left(Box(w, "Earned"));
  const struct {
    bool mfj;
    std::int16_t flagAfter;
    double offset;
  } steps[] = {{false, 1, 640}, {false, 1, 640}, {true, 0, 0}, {true, 0, 0}, {false, 1, 640}};
  for (const auto& s : steps) {
    express.filing.Payer = {};
    (s.mfj ? express.filing.Payer.MFJ : express.filing.Payer.Single) = true;
    w.SSTab1->SetTab(2);
    EXPECT_TRUE(EnterIncome_Click(w, context));
    EXPECT_EQ(shifted, s.flagAfter);
    EXPECT_NEAR(platform::ui::Left(Box(w, "Earned")), design + s.offset, 1e-3);
    EXPECT_EQ(Box(w, "Earned1")->isHidden(), !s.mfj);
    EXPECT_EQ(w.Control("OtherSpouseAge65")->isHidden(), !s.mfj);
    EXPECT_EQ(w.SSTab1->Tab(), 0);
  }
  EXPECT_EQ(shown, 5);
}

}  // namespace

namespace {

TEST(IncomeWindowFitting, TabFittingScalesLeftByTheCommonFactorAndMaximises) {
  casevars::CaseVars vars;
  income::Form13 w(vars, {});
  shell::ScreenFactors factors;
  const double left = platform::ui::Left(w.Box("OtherCredits"));
  const double width = platform::ui::Width(w.Box("OtherCredits"));
  shell::FitTabFormToScreen(w, factors, {1920, 1080, 15, 15});
  EXPECT_DOUBLE_EQ(platform::ui::Left(w.Box("OtherCredits")), left * 1.8);
  EXPECT_DOUBLE_EQ(platform::ui::Width(w.Box("OtherCredits")), width * 2.4);
  EXPECT_DOUBLE_EQ(w.SSTab1->TabHeight(), 390 * 1.8);
  EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
}

}  // namespace
