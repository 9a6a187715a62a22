// The business window as the program opens it from the Express screen and
// the claimant's income window: the first figure typed after start-up is kept.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/ui/StartupLayout.h"
#include "business/ui/BusinessWindow.h"
#include "express/ui/Form1.h"
#include "income/ui/IncomeWindow.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/EntryBox.h"
#include "support/ui/Layout.h"
#include "support/ui/ModalDriver.h"
#include "support/ui/ProgramFixture.h"

namespace {

class BusinessFirstEntryTest : public ::testing::TestWithParam<shell::ScreenInfo>, public ProgramFixture {};

// Enter Case Data, Enter Claimant's Income and Deductions, Enter Business and
// REIT Income; a click in Business A's first box, 12000 typed, Tab. The
// window opens with that box holding the focus already: the click still
// selects the figure, so the typed figure replaces it.
TEST_P(BusinessFirstEntryTest, TheFirstFigureTypedIsKept) {
  program.PinScreen(GetParam());
  app::FitStartupWindows(program);
  auto* express = program.Find<express::Form1>("Form1");
  express->show();
  QTest::mouseClick(express->ClaimFiling[1], Qt::LeftButton);  // single
  QString shown;
  testenv::WhenModal<income::IncomeWindow>([&shown](income::IncomeWindow& income) {
    testenv::WhenModal<business::BusinessWindow>([&shown](business::BusinessWindow& business) {
      ASSERT_TRUE(QTest::qWaitForWindowActive(&business));
      business::AmountBox* first = business.AWages[0];
      QTest::mouseClick(first, Qt::LeftButton, {}, first->rect().center());
      QTest::keyClicks(first, QStringLiteral("12000"));
      QTest::keyClick(first, Qt::Key_Tab);
      shown = first->text();
      business.close();
    });
    QTest::mouseClick(income.Business, Qt::LeftButton);
    income.close();
  });
  QTest::mouseClick(express->EnterClaimIncome, Qt::LeftButton);
  EXPECT_EQ(shown.toStdString(), "$ 12,000.00");
  EXPECT_EQ(program.Case.Business.Claim.YrAWages, 12000);
  EXPECT_EQ(program.Case.Income.Claim.YrSelf, 12000);
  EXPECT_FALSE(dialogs.Failed());
}

INSTANTIATE_TEST_SUITE_P(Screens, BusinessFirstEntryTest, testenv::LayoutScreens(), testenv::ScreenName);

}  // namespace
