#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

#include "platform/AmountLimit.h"
#include "platform/Fonts.h"
#include "platform/NumberText.h"
#include "platform/ui/ButtonPlus.h"
#include "support/ui/ModalDriver.h"
#include "support/ui/ProgramFixture.h"
#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"
#include "income/ui/IncomeWindowFixture.h"
#include "tools/ui/BonusWindow.h"
#include "tools/ui/BonusWindowServices.h"
#include "tools/ui/Form19.h"
#include "tools/ui/LinesPicture.h"

using namespace tools;
using namespace tools::ui;

namespace {

struct BonusWindowTest : ::testing::Test, ProgramFixture {
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  QString payerEarned = QStringLiteral("100000");
  QString childSupport = QStringLiteral("$700");
  std::vector<platform::Document> printed;

  // A driver whose transfer grows by .5% of the other party's wages above 100,000.
  BonusServices Services() {
    BonusServices s;
    s.payerEarnedText = [this] { return payerEarned; };
    s.setPayerEarnedText = [this](const QString& t) { payerEarned = t; };
    s.incomeRefresh = [this] {
      program.Case.Income.Payer.YrEarned = static_cast<double>(platform::AmountFromText(payerEarned));
    };
    s.computeChildSupport = [this](bool writeField) {
      const double transfer = 700 + 0.005 * (program.Case.Income.Payer.YrEarned - 100000);
      if (writeField) childSupport = platform::Format(transfer, "$###,##0");
    };
    s.computeAlimony = [](bool) {};
    s.childSupportText = [this] { return childSupport; };
    s.setChildSupportText = [this](const QString& t) { childSupport = t; };
    s.currentMaintText = [] { return QString(); };
    s.setCurrentMaintText = [](const QString&) {};
    return s;
  }

  void KeepPages(BonusWindow& w) {
    w.Printer.setupFor = [](const platform::PrinterChoice&) { return platform::PrinterSetup{}; };
    w.Printer.print = [this](const platform::Document& doc, const platform::PrinterChoice&) {
      printed.push_back(doc);
      return platform::OutputResult{};
    };
  }
};

TEST_F(BonusWindowTest, ChildSupportRunShowsTheShareAndTheReportPrintsItAfterReopening) {
  program.Case.Income.Payer.YrEarned = 100000;
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  testenv::WhenModal<BonusWindow>([this](BonusWindow& w) {
    EXPECT_EQ(w.Name(), "FormBonusCS");
    w.Text2->setText("abc");
    w.ButtonPlus1->click();
    EXPECT_TRUE(w.Text1->text().isEmpty());
    w.Text2->setText("$50,000");
    w.ButtonPlus1->click();
    EXPECT_EQ(w.Text1->text(), "6.00%");
    EXPECT_EQ(w.Picture1->Lines()[2].label, "Difference In Child Support/Mo: $250 ($3000/Yr)");
    w.close();
  });
  OpenBonusCalculator(program, "FormBonusCS", Services());
  const auto messages = dialogs.CallsOf(platform::DialogKind::MessageBox);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].prompt, "Please ReEnter The Other Party's Average Yearly Bonus");
  EXPECT_EQ(payerEarned, "100000");
  EXPECT_EQ(childSupport, "$700");
  DeleteClosed();

  // Opened again: empty boxes, and the report prints the last run.
  testenv::WhenModal<BonusWindow>([this](BonusWindow& w) {
    EXPECT_TRUE(w.Text1->text().isEmpty());
    KeepPages(w);
    dialogs.AnswerPrintDialog(std::nullopt);  // Cancel prints nothing
    EXPECT_FALSE(w.PrintReport_Click());
    platform::PrinterChoice toFile;  // the dialog offers a PDF file, with no printer too
    toFile.outputFile = "/tmp/Bonus.pdf";
    dialogs.AnswerPrintDialog(toFile);
    EXPECT_TRUE(w.PrintReport_Click());
    w.close();
  });
  OpenBonusCalculator(program, "FormBonusCS", Services());
  ASSERT_EQ(printed.size(), 1u);
  QStringList texts;
  for (const platform::TextRun* run : printed[0].pages.at(0).textRuns()) texts << run->text;
  EXPECT_TRUE(texts.contains("PerCent Of Yearly Bonus To Transfer As Child Support To Claimant = 6.00%"));
  EXPECT_FALSE(dialogs.Failed());
}

TEST_F(BonusWindowTest, AboutOpensTheHelpWindow) {
  testenv::WhenModal<BonusWindow>([](BonusWindow& w) {
    EXPECT_EQ(w.Name(), "FormBonusAlm");
    testenv::WhenModal<Form19>([](Form19& help) {
      EXPECT_EQ(help.windowTitle(), "About Bonus Calculator");
      EXPECT_TRUE(help.PlainText().startsWith("Variable Bonus Income: Child Support and Alimony"));
      help.close();
    });
    w.ButtonPlus2->click();
    w.close();
  });
  OpenBonusCalculator(program, "FormBonusAlm", Services());
}

// A bonus past the amount limit, typed or with the other party's wages, gets
// the limit's own message in both calculators, and nothing runs.
TEST_F(BonusWindowTest, ABonusPastTheAmountLimitIsRefusedAndNothingRuns) {
  for (const char* name : {"FormBonusCS", "FormBonusAlm"}) {
    SCOPED_TRACE(name);
    const size_t before = dialogs.CallsOf(platform::DialogKind::MessageBox).size();
    program.Case.Income.Payer.YrEarned = 999'999'000'000;
    payerEarned = QStringLiteral("999999000000");
    for (int i = 0; i < 2; ++i) dialogs.AnswerMessageBox(platform::kAnswerOk);
    bool ran = false;
    BonusServices services = Services();
    services.computeChildSupport = [&ran](bool) { ran = true; };
    services.computeAlimony = [&ran](bool) { ran = true; };
    testenv::WhenModal<BonusWindow>([](BonusWindow& w) {
      w.Text2->setFocus();
      QTest::keyClicks(w.Text2, "2e12");  // the last key would pass the limit
      EXPECT_EQ(w.Text2->text().toStdString(), "2e1");
      w.Text2->selectAll();
      QTest::keyClicks(w.Text2, "5000000");  // within the limit, not with the wages
      w.ButtonPlus1->click();
      EXPECT_TRUE(w.Text1->text().isEmpty());
      EXPECT_TRUE(w.Picture1->Lines().empty());
      w.close();
    });
    OpenBonusCalculator(program, name, services);
    const auto messages = dialogs.CallsOf(platform::DialogKind::MessageBox);
    ASSERT_EQ(messages.size(), before + 2);
    for (size_t i = before; i < messages.size(); ++i) {
      const auto& m = messages[i];
      EXPECT_EQ(m.prompt, platform::AmountTooLargeMessage());
      EXPECT_EQ(m.title, "Entry Error");
    }
    EXPECT_FALSE(ran);
    EXPECT_EQ(payerEarned, "999999000000");
    EXPECT_FALSE(dialogs.Failed());
    DeleteClosed();
  }
}

// Through the other party's income window: the earned-wages box takes the
// wages and the bonus summed to the cent, however large (within the amount
// limit), so the run applies the bonus whose share it shows; a sum the box
// would refuse gets the limit's message and nothing runs.
TEST_F(BonusWindowTest, TheWagesBoxTakesTheWagesAndBonusSummedToTheCent) {
  auto* payer = program.Load<income::Form14>("Form14");
  ASSERT_NE(payer, nullptr);
  ASSERT_TRUE(payer->Yearly_Click());
  const struct {
    const char *wages, *bonus;
    double summed;  // 0: refused
  } rows[] = {{"72000", "999999927999", 999999999999.0},
              {"1500000000", "1234", 1500001234.0},
              {"1500000000.25", "1234.5", 1500001234.75},
              {"999999999998.99", "0.015", 0}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.bonus);
    incometest::Type(payer->Box("Earned"), r.wages);
    payer->AssignPopUpVars();
    payer->AddIncomeVars();
    const QString wagesText = payer->Box("Earned")->text();
    BonusServices s = BonusWindowServices(program);
    double earnedInRun = 0;
    // A transfer of half the bonus a year, in cents: a share of 50%.
    s.computeChildSupport = [&](bool) {
      if (earnedInRun != 0) return;
      earnedInRun = program.Case.Income.Payer.YrEarned;
      childSupport = platform::Format(700 + (earnedInRun - QString::fromLatin1(r.wages).toDouble()) / 24, "$###,##0.00");
    };
    s.childSupportText = [this] { return childSupport; };
    childSupport = QStringLiteral("$700.00");
    if (!r.summed) dialogs.AnswerMessageBox(platform::kAnswerOk);
    QString share;
    testenv::WhenModal<BonusWindow>([&](BonusWindow& w) {
      w.Text2->setFocus();
      QTest::keyClicks(w.Text2, QLatin1String(r.bonus));
      QTest::mouseClick(w.ButtonPlus1, Qt::LeftButton);
      share = w.Text1->text();
      w.close();
    });
    OpenBonusCalculator(program, "FormBonusCS", s);
    DeleteClosed();
    if (r.summed) {
      EXPECT_EQ(earnedInRun, r.summed);
      EXPECT_EQ(share.toStdString(), "50.00%");
    } else {
      EXPECT_EQ(earnedInRun, 0);
      EXPECT_TRUE(share.isEmpty());
      EXPECT_EQ(dialogs.CallsOf(platform::DialogKind::MessageBox).back().prompt, platform::AmountTooLargeMessage());
    }
    EXPECT_EQ(payer->Box("Earned")->text(), wagesText);
  }
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join(" | ").toStdString();
}

// Through the program's windows: the bonus goes into the other party's
// earned-wages box for the run, and the box and the wages come back after it.
TEST_F(BonusWindowTest, WindowServicesPutTheEarnedWagesBoxBack) {
  auto* payer = program.Load<income::Form14>("Form14");
  ASSERT_NE(payer, nullptr);
  ASSERT_TRUE(payer->Yearly_Click());
  program.Case.Income.Payer.YrEarned = 100000;
  payer->AddIncomeVars();
  const QString before = payer->Box("Earned")->text();
  BonusServices s = BonusWindowServices(program);
  double earnedInRun = 0;
  s.computeChildSupport = [&](bool) {
    if (earnedInRun == 0) earnedInRun = program.Case.Income.Payer.YrEarned;
  };
  BonusValues v;
  RunBonus(BonusKind::ChildSupport, 50000, program.Case, s, v);
  EXPECT_EQ(earnedInRun, 150000.0);
  EXPECT_EQ(payer->Box("Earned")->text(), before);
  EXPECT_EQ(program.Case.Income.Payer.YrEarned, 100000.0);
  EXPECT_FALSE(dialogs.Failed());
}

}  // namespace
