#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"
#include "platform/Fonts.h"
#include "platform/ui/ButtonPlus.h"
#include "support/ui/ModalDriver.h"
#include "support/ui/Pictures.h"
#include "support/ui/ProgramFixture.h"
#include "tools/ui/Form23.h"
#include "tools/ui/FormOnight.h"

using namespace tools;
using namespace tools::ui;

namespace {

struct ToolWindowsTest : ::testing::Test, ProgramFixture {
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  QStringList Messages() const {
    QStringList out;
    for (const auto& call : dialogs.CallsOf(platform::DialogKind::MessageBox)) out << call.prompt;
    return out;
  }

  // The party's income window with earned wages typed in yearly.
  template <class W>
  W& IncomeWindow(const char* name, casevars::Party party, double earned) {
    auto* w = program.Load<W>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr);
    w->show();
    EXPECT_TRUE(w->Yearly_Click());
    program.Case.Income[party].YrEarned = earned;
    w->Box("Earned")->setText(QString::number(earned));
    w->AddIncomeVars();
    return *w;
  }
};

TEST_F(ToolWindowsTest, EstimatorCountsTheScheduleAndKeepsItsEntriesWhileLoaded) {
  FormOnight* w = OpenOvernightEstimator(program);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), "Overnight Count Organizer/Estimator");
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  w->OvernightCalc->click();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], "Please Enter The Number Of Overnights Per Two-Week Period During The School Year.");
  EXPECT_TRUE(w->TotalNights->text().isEmpty());

  w->Box(OvernightBox::SchoolNights)->setText("4");
  w->XMassHalf->click();
  w->BreakCon->click();
  w->SummerConPlus->click();
  w->Box(OvernightBox::SummerConWeeks)->setText("2");
  w->OvernightCalc->click();
  EXPECT_EQ(w->TotalNights->text(), "113.0");
  w->SummerHalf->click();
  EXPECT_TRUE(w->Box(OvernightBox::SummerConWeeks)->text().isEmpty());
  w->OvernightCalc->click();
  EXPECT_EQ(w->TotalNights->text(), "123.5");
  testenv::SavePicture(w->grab().toImage(), QStringLiteral("overnight-estimator.png"));

  EXPECT_EQ(OpenOvernightEstimator(program), w);  // brought forward with its entries
  EXPECT_EQ(w->TotalNights->text(), "123.5");
  w->Clear->click();
  EXPECT_TRUE(w->TotalNights->text().isEmpty());
  EXPECT_EQ(w->Box(OvernightBox::SchoolWeeks)->text(), "37");
  EXPECT_FALSE(w->XMassHalf->isChecked());
  w->close();
  DeleteClosed();
  EXPECT_FALSE(program.IsFormLoaded("FormOnight"));
  EXPECT_FALSE(dialogs.Failed());
}

TEST_F(ToolWindowsTest, MedianImputationStoresTheYearlyMedianForTheOtherParty) {
  auto& income = IncomeWindow<income::Form14>("Form14", casevars::Party::Payer, 5000);
  testenv::WhenModal<Form23>([this](Form23& w) {
    EXPECT_EQ(w.windowTitle(), "IMPUTE OTHER PARTY'S INCOME");
    EXPECT_EQ(w.GrossMedianYr->text(), "$25,090");
    EXPECT_EQ(w.GrossMedian->text(), "$2,091");
    EXPECT_EQ(w.MoMin->text(), "$2,607");
    EXPECT_FALSE(w.AgeCombo->isEnabled());
    w.MedianImpute->click();
    EXPECT_TRUE(w.AgeCombo->isEnabled());
    EXPECT_FALSE(w.WageCombo->isEnabled());
    testenv::SavePicture(w.grab().toImage(), QStringLiteral("impute-income.png"));
    w.close();
  });
  income.Impute->trigger();
  EXPECT_EQ(program.Case.Income.Payer.YrEarned, 25090.0);
  EXPECT_EQ(income.Box("Earned")->text(), "$ 25,090.00");
  EXPECT_EQ(program.Case.Income.Claim.YrEarned, 0.0);
  EXPECT_FALSE(dialogs.Failed());
}

TEST_F(ToolWindowsTest, MinimumWageImputationStoresTheMonthlyWageUnrounded) {
  auto& income = IncomeWindow<income::Form13>("Form13", casevars::Party::Claim, 0);
  double stored = 0;
  testenv::WhenModal<Form23>([&](Form23& w) {
    EXPECT_EQ(w.windowTitle(), "IMPUTE CLAIMANT'S INCOME");
    w.WageImpute->click();
    w.WageCombo->setCurrentText("WA-Tukwila");
    w.WageCombo_Click();
    EXPECT_EQ(w.MoMin->text(), "$3,763");
    w.WageCombo->setCurrentText("Dadudav");
    w.WageCombo_Click();
    w.close();
    stored = program.Case.Income.Claim.YrEarned;  // in the monthly period, before the window activates again
  });
  income.Impute->trigger();
  EXPECT_NEAR(stored, 2607.142857, 1e-3);
  // The income window, active again, goes back to the Express screen's yearly period.
  EXPECT_NEAR(program.Case.Income.Claim.YrEarned, 31285.71, 0.05);
}

// Closing with "Do Not Impute" keeps the earned wages (it does not store 0),
// also after a state was chosen under the wage option.
TEST_F(ToolWindowsTest, DoNotImputeLeavesTheEarnedWagesAlone) {
  auto& income = IncomeWindow<income::Form13>("Form13", casevars::Party::Claim, 48000);
  testenv::WhenModal<Form23>([](Form23& w) {
    w.WageImpute->click();
    w.Option2->click();
    w.DoNotImpute->click();
    EXPECT_TRUE(w.Option1->isChecked());  // each imputation choice selects Male again
    w.close();
  });
  income.Impute->trigger();
  EXPECT_EQ(program.Case.Income.Claim.YrEarned, 48000.0);
  EXPECT_EQ(income.Box("Earned")->text(), "$ 48,000.00");
  EXPECT_FALSE(dialogs.Failed());
}

// The sections an imputation choice leaves off look so: greyed captions and
// boxes, painted differently from the same section once chosen.
TEST_F(ToolWindowsTest, SectionsNotChosenLookDisabled) {
  IncomeWindow<income::Form13>("Form13", casevars::Party::Claim, 0);
  auto darkest = [](QWidget* w) {
    const QImage picture = w->grab().toImage();
    int dark = 255;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) dark = std::min(dark, qGray(picture.pixel(x, y)));
    return dark;
  };
  auto inside = [](QWidget* box) { return box->grab().toImage().pixelColor(box->width() - 4, box->height() / 2); };
  testenv::WhenModal<Form23>([&](Form23& w) {
    // "Do Not Impute": the wage section is off.
    ASSERT_FALSE(w.Hourly->isEnabled());
    const int offCaption = darkest(w.Label3);
    const QColor offBox = inside(w.Hourly);
    QTest::mouseClick(w.WageImpute, Qt::LeftButton, {}, QPoint(6, w.WageImpute->height() / 2));
    ASSERT_TRUE(w.Hourly->isEnabled());
    EXPECT_LT(darkest(w.Label3) + 60, offCaption);  // dark text once chosen, grey before
    EXPECT_EQ(inside(w.Hourly), QColor(Qt::white));
    EXPECT_NE(offBox, QColor(Qt::white));
    w.close();
  });
  program.Find<income::Form13>("Form13")->Impute->trigger();
}

}  // namespace
