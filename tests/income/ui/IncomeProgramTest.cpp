#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>

#include "business/ui/BusinessWindow.h"
#include "express/ui/Form1.h"
#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"
#include "income/ui/IncomeWindowFixture.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/TabControl.h"
#include "prefs/Preferences.h"
#include "app/ui/StartupLayout.h"
#include "support/PdfText.h"
#include "support/TestEnvironment.h"
#include "support/ui/ModalDriver.h"
#include "support/ui/ProgramFixture.h"

using express::Form1;
using income::IncomeWindow;

namespace {

struct IncomeProgramTest : ::testing::Test, ProgramFixture {
  void SetUp() override {
    prefs::ScreenDefault.write("TV");
    app::FitStartupWindows(program);
  }
  Form1& Express() { return *program.Find<Form1>("Form1"); }
  IncomeWindow& Window(const char* name) { return *program.Find<IncomeWindow>(name); }
};

TEST_F(IncomeProgramTest, TheLayoutPassBuildsAndFitsBothWindows) {
  for (const char* name : {"Form13", "Form14"}) {
    ASSERT_TRUE(program.IsFormLoaded(name)) << name;
    IncomeWindow& w = Window(name);
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized) << name;
    EXPECT_TRUE(w.SSTab1->Hooked()) << name;
    EXPECT_DOUBLE_EQ(w.SSTab1->TabHeight(), 390 * 1.28) << name;
  }
}

TEST_F(IncomeProgramTest, TheIncomeButtonOpensTheWindowAndTheTotalComesBack) {
  Form1& express = Express();
  express.MonthlyData->setChecked(true);
  express.ClaimFiling[3]->setChecked(true);  // married filing jointly
  testenv::WhenModal<IncomeWindow>([](IncomeWindow& w) {
    EXPECT_EQ(w.Name(), "Form13");
    EXPECT_FALSE(w.Box("Earned1")->isHidden());
    EXPECT_EQ(w.IncomeEntryPeriod(), income::IncomePeriod::Monthly);
    incometest::Type(w.Box("Earned"), "4000");
    w.close();
  });
  express.EnterClaimIncome->click();
  EXPECT_TRUE(Window("Form13").isHidden());
  EXPECT_EQ(express.ClaimGrossInc->text(), "$ 4,000");
  EXPECT_EQ(program.Case.Income.Claim.YrEarned, 48000);  // closed: yearly
  EXPECT_EQ(express.ClaimIncomeColumnsShifted, 0);
}

TEST_F(IncomeProgramTest, APartyWithoutFilingStatusCannotOpenTheWindow) {
  Form1& express = Express();
  for (QRadioButton* option : express.PayerFiling) {
    option->setAutoExclusive(false);
    option->setChecked(false);
  }
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  express.EnterPayerIncome_Click();
  const auto boxes = dialogs.CallsOf(platform::DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, "Please Enter Other Party's Tax Filing Status");
  EXPECT_EQ(boxes[0].title, "Entry Error");
  EXPECT_TRUE(Window("Form14").isHidden());
}

TEST_F(IncomeProgramTest, PrintIncomePopupsToAFile) {
  Form1& express = Express();
  express.ClaimantName->setText("Doe v. Doe");
  program.Case.Income.Payer.YrDues = 0;
  incometest::Type(Window("Form14").Box("Earned"), "3000");  // a new window enters monthly
  platform::PrinterChoice choice;
  choice.outputFile = QDir(testenv::scratchFolder()).filePath("income.pdf");
  dialogs.AnswerPrintDialog(choice);
  express.PrintPopup->trigger();
  EXPECT_FALSE(dialogs.Failed());
  EXPECT_TRUE(dialogs.CallsOf(platform::DialogKind::MessageBox).empty());
  const auto pages = testenv::PdfPageTexts(choice.outputFile);
  if (!pages) GTEST_SKIP() << "pdftotext is not installed";
  ASSERT_EQ(pages->size(), 1);
  EXPECT_TRUE(pages->at(0).contains("Case Name:")) << pages->at(0).toStdString();
  EXPECT_TRUE(pages->at(0).contains("Doe v. Doe"));
  EXPECT_TRUE(pages->at(0).contains("$36,000"));
}

}  // namespace
