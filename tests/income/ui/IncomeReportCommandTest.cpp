#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>

#include "income/ui/IncomeReportCommand.h"
#include "income/ui/IncomeWindowFixture.h"
#include "platform/Fonts.h"

using namespace income;
using namespace incometest;

namespace {

class IncomeReportCommandTest : public ::testing::Test, public IncomeWindowFixture {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  IncomeReportCommand Command() {
    IncomeReportCommand c{Claim(), Payer(), express, dialogs, vars, printer};
    c.printer.setupFor = [](const platform::PrinterChoice&) {
      return platform::PrinterSetup{300, QMarginsF(0, 0, 0, 0)};
    };
    c.printer.print = [this](const platform::Document& doc, const platform::PrinterChoice& choice) {
      printed = doc;
      printedOn = choice.printerName;
      return platform::OutputResult{failure};
    };
    return c;
  }
  bool HasText(int page, const QString& text) const {
    for (const platform::TextRun* r : printed.pages[size_t(page)].textRuns())
      if (r->text == text) return true;
    return false;
  }

  platform::DrawingCursor printer = platform::DrawingCursor::ForPrinter();
  platform::Document printed;
  QString printedOn;
  QString failure;
};

platform::PrinterChoice OnPrinter(const char* name) {
  platform::PrinterChoice choice;
  choice.printerName = name;
  return choice;
}

TEST_F(IncomeReportCommandTest, PrintsYearlyAmountsWhateverPeriodTheWindowsShow) {
  // Both windows in Monthly: the claimant's box reads 1,000 a month, the
  // other party's 250 a week.
  Type(Box(Claim(), "Earned"), "1000");
  ASSERT_TRUE(Payer().Weekly_Click());
  Type(Box(Payer(), "Earned"), "250");
  Claim().ItemizedDeduction->setChecked(true);
  Type(Box(Claim(), "ItemizedAmount"), "15000");
  express.filing.Claim.MFJ = true;
  dialogs.AnswerPrintDialog(OnPrinter("Office"));
  printer.SetFontName("Courier New");
  IncomeReportCommand command = Command();
  ASSERT_TRUE(PrintPopup_Click(command));
  EXPECT_EQ(printedOn, "Office");
  // Drawn on the program's printer, which keeps the report's settings and the
  // chosen printer's resolution for the next printout.
  EXPECT_EQ(printer.FontName(), "Tahoma");
  EXPECT_EQ(printer.PrintQuality(), 300);
  EXPECT_EQ(Claim().IncomeEntryPeriod(), IncomePeriod::Yearly);
  EXPECT_EQ(Payer().IncomeEntryPeriod(), IncomePeriod::Yearly);
  ASSERT_EQ(printed.pageCount(), 2);  // the claimant files jointly
  EXPECT_TRUE(HasText(0, "$12,000"));
  EXPECT_TRUE(HasText(0, "$13,036"));  // 250 x 365 / 7
  EXPECT_TRUE(HasText(0, "$15,000"));
  EXPECT_TRUE(HasText(0, "Itemized"));
  EXPECT_TRUE(HasText(1, "Gross Yearly Income For Claimant and New Spouse (Filing Jointly)"));
  ASSERT_EQ(dialogs.CallsOf(platform::DialogKind::Print).size(), 1u);
  EXPECT_TRUE(dialogs.CallsOf(platform::DialogKind::Print)[0].print.noSelection);
}

TEST_F(IncomeReportCommandTest, CancelledDialogPrintsNothingButTheVariablesAreRefreshed) {
  Box(Claim(), "Dues")->setText("40");
  dialogs.AnswerPrintDialog(std::nullopt);
  IncomeReportCommand command = Command();
  EXPECT_FALSE(PrintPopup_Click(command));
  EXPECT_TRUE(printed.isEmpty());
  EXPECT_EQ(vars.Income.Claim.YrDues, 480);  // 40 a month, now yearly
}

TEST_F(IncomeReportCommandTest, APrintThatFailsIsReported) {
  failure = "No printer is available.";
  dialogs.AnswerPrintDialog(OnPrinter(""));
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  IncomeReportCommand command = Command();
  EXPECT_FALSE(PrintPopup_Click(command));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].prompt, "No printer is available.");
  EXPECT_FALSE(dialogs.Failed());
}

}  // namespace
