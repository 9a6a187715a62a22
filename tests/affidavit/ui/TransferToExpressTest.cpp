// No run uses a figure that its box would refuse: Transfer Data To Express
// Form moves nothing that would carry one, and the runs do not start while an
// income box shows one, however it got there.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "affidavit/screens/ui/AffidavitPage.h"
#include "affidavit/screens/ui/AffidavitPages.h"
#include "app/ui/StartupLayout.h"
#include "express/ui/Form1.h"
#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"
#include "platform/AmountLimit.h"
#include "platform/Fonts.h"
#include "platform/ui/ButtonPlus.h"
#include "support/ui/ProgramFixture.h"
#include "worksheet/ui/MDIForm1.h"

namespace {

using affidavit::PageId;

struct TransferToExpressTest : ::testing::Test, ProgramFixture {
  TransferToExpressTest() {
    platform::RegisterTahomaIfMissing();
    app::FitStartupWindows(program);
  }
  QLineEdit* Line(const char* array, int index) {
    return qobject_cast<QLineEdit*>(affidavit::ui::Page(program, PageId::Form12)->Element(QLatin1String(array), index));
  }
  // Into the box with a click, the figure typed, Tab.
  static void Type(QLineEdit* box, const char* keys) {
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClicks(box, QLatin1String(keys));
    QTest::keyClick(box, Qt::Key_Tab);
  }
  QStringList Prompts() const {
    QStringList prompts;
    for (const auto& call : dialogs.CallsOf(platform::DialogKind::MessageBox)) prompts << call.prompt;
    return prompts;
  }
};

// Long form, the claimant declaring: a line the Express form's box would
// refuse stops the transfer before anything moves, and the message names it.
TEST_F(TransferToExpressTest, ALineItsBoxWouldRefuseMovesNothing) {
  auto* express = program.Find<express::Form1>("Form1");
  auto* income = program.Find<income::IncomeWindow>("Form13");
  const struct {
    const char* array;
    int index;
    const char* keys;
    QString message;
  } rows[] = {
      {"S1", 32, "-5000",
       "Line 1a of the financial affidavit: " + platform::NegativeAmountMessage() +
           " Nothing was transferred to the Express form."},
      {"S2", 36, "-50",
       "Section II, line 40 of the financial affidavit: " + platform::NegativeAmountMessage() +
           " Nothing was transferred to the Express form."},
      {"S1", 11, "999999999999",  // with line 12: a sum past the limit
       "Lines 11, 12, 14, 15 and 16 together of the financial affidavit: " + platform::AmountTooLargeMessage() +
           " Nothing was transferred to the Express form."},
      {"S1", 13, "100000000000",  // a monthly figure that no year can hold
       "Line 13 of the financial affidavit: The amounts entered are too large to be converted to Yearly amounts. "
       "Nothing was transferred to the Express form."},
  };
  affidavit::ui::RunAffidavit(program, true);
  Type(Line("S1", 12), "1");
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.array) + " " + std::to_string(row.index));
    Type(Line("S1", 32), "3000");
    Type(Line("S2", 36), "40");
    Type(Line("S1", 11), "0");
    Type(Line("S1", 13), "0");
    Type(Line(row.array, row.index), row.keys);
    const QString earned = income->Box("Earned")->text(), dayCare = express->Control("ClaimDayCare")
                                                                         ->property("text").toString();
    const income::IncomePeriod period = income->IncomeEntryPeriod();
    dialogs.AnswerMessageBox(platform::kAnswerOk);
    worksheet::ui::MDIForm1& frame = *program.Find<worksheet::ui::MDIForm1>("MDIForm1");
    QTest::mouseClick(frame.Command3, Qt::LeftButton);
    ASSERT_FALSE(Prompts().isEmpty());
    EXPECT_EQ(Prompts().back().toStdString(), row.message.toStdString());
    EXPECT_EQ(dialogs.CallsOf(platform::DialogKind::MessageBox).back().title, "Entry Error");
    EXPECT_EQ(income->Box("Earned")->text(), earned);
    EXPECT_EQ(express->Control("ClaimDayCare")->property("text").toString(), dayCare);
    EXPECT_EQ(income->IncomeEntryPeriod(), period);
    EXPECT_EQ(program.Case.Income.Claim.YrEarned, 0);
  }
  // Corrected, the lines travel.
  Type(Line("S1", 13), "0");
  QTest::mouseClick(program.Find<worksheet::ui::MDIForm1>("MDIForm1")->Command3, Qt::LeftButton);
  EXPECT_EQ(program.Case.Income.Claim.YrEarned, 36000);
  EXPECT_EQ(express->Control("ClaimDayCare")->property("text").toString(), "40");
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("\n").toStdString();
}

// An income box that shows what it refuses (here written as an older case
// file or another window could leave it) stops the run before it reads the
// windows: the message names the window, the tab and the caption.
TEST_F(TransferToExpressTest, TheRunsDoNotStartWhileAnIncomeBoxShowsWhatItRefuses) {
  auto* express = program.Find<express::Form1>("Form1");
  auto* income = program.Find<income::IncomeWindow>("Form13");
  express->show();
  QTest::mouseClick(express->ClaimFiling[1], Qt::LeftButton);
  income->Box("Earned")->setText("-$ 60,000.00");
  income->Box("Dues")->setText("$ 50");
  program.Case.Income.Claim.YrEarned = 1000;
  for (platform::ui::ButtonPlus* run : {express->ChildSupportButton, express->AlimonyButton}) {
    dialogs.AnswerMessageBox(platform::kAnswerOk);
    QTest::mouseClick(run, Qt::LeftButton);
    ASSERT_FALSE(Prompts().isEmpty());
    EXPECT_EQ(Prompts().back().toStdString(),
              "Claimant's Income, Gross Income, \"Earned Wages and Salaries Subject to FICA and Fed Tax (Box 1 of "
              "Form W-2, Etc)\": " + platform::NegativeAmountMessage().toStdString());
    EXPECT_EQ(dialogs.CallsOf(platform::DialogKind::MessageBox).back().title, "Entry Error");
    EXPECT_TRUE(express->isVisible());
    EXPECT_EQ(income->Box("Earned")->text(), "-$ 60,000.00");
    EXPECT_EQ(program.Case.Income.Claim.YrEarned, 1000);
    EXPECT_EQ(program.Case.Income.Claim.YrGrossIncome, 0);
  }
  income->Box("Earned")->setText("$ 1,000.00");
  income->Box("Dues")->setText("abc");
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  QTest::mouseClick(express->ChildSupportButton, Qt::LeftButton);
  EXPECT_EQ(Prompts().back().toStdString(),
            "Claimant's Income, Allowable Income Deductions, \"Mandatory Union and/or Professional Dues\": " +
                platform::NotANumberMessage().toStdString());
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("\n").toStdString();
}

}  // namespace
