#include <gtest/gtest.h>

#include <QAction>

#include "platform/Fonts.h"
#include "platform/ScriptedDialogs.h"
#include "results/ui/Form10.h"
#include "results/ui/PictureBox.h"

using casevars::Party;
using results::ui::Form10;

namespace {

class Form10Test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
  void SetUp() override {
    vars.Express.Claim.FilingStatus = "Head";
    vars.Express.Payer.FilingStatus = "Single";
    vars.Tax.Claim.YrFedTax = 1'000;
    vars.Tax.Claim.YrChildCareCredit = 600;
    vars.Tax.Claim.YrChildTaxCredit = 2'200;
    form = std::make_unique<Form10>(vars, dialogs, printer, [] { return QStringLiteral("Rivera v. Rivera"); });
    form->Printer.setupFor = [](const platform::PrinterChoice&) { return platform::PrinterSetup{}; };
    form->Printer.print = [this](const platform::Document& doc, const platform::PrinterChoice&) {
      printed.push_back(doc);
      return printResult;
    };
  }

  casevars::CaseVars vars;
  platform::ScriptedDialogs dialogs;
  platform::DrawingCursor printer = platform::DrawingCursor::ForPrinter();
  std::unique_ptr<Form10> form;
  std::vector<platform::Document> printed;
  platform::OutputResult printResult;
};

TEST_F(Form10Test, EachButtonShowsItsPartysBreakdown) {
  form->ShowCredits(Party::Claim);
  QStringList lines = form->Picture1->Canvas()->Lines();
  EXPECT_EQ(lines.front(), "Claimant - Tax Credits");
  EXPECT_TRUE(lines.contains(" Child Tax Credit = $400"));
  form->ShowCredits(Party::Payer);
  lines = form->Picture1->Canvas()->Lines();
  EXPECT_EQ(lines.front(), "Other Parent - Tax Credits");
  EXPECT_TRUE(lines.contains(" Child Tax Credit = $0"));
  EXPECT_EQ(form->windowTitle(), "TAX CREDITS");
}

TEST_F(Form10Test, PrintAsksForAPrinterAndPrintsBothParties) {
  dialogs.AnswerPrintDialog(std::nullopt);  // Cancel: nothing printed
  EXPECT_FALSE(form->PrintCredits_Click());
  EXPECT_TRUE(printed.empty());

  dialogs.AnswerPrintDialog(platform::PrinterChoice{});
  form->PrintCredits->trigger();
  ASSERT_EQ(printed.size(), 1u);
  ASSERT_EQ(printed[0].pageCount(), 1);
  QStringList texts;
  for (const platform::TextRun* run : printed[0].pages[0].textRuns()) texts << run->text;
  EXPECT_TRUE(texts.contains("Rivera v. Rivera"));
  EXPECT_TRUE(texts.contains("Claimant - Tax Credits"));
  EXPECT_TRUE(texts.contains("Other Parent - Tax Credits"));
  const platform::DialogCall& call = dialogs.Calls()[1];
  EXPECT_EQ(call.kind, platform::DialogKind::Print);
  EXPECT_TRUE(call.print.noSelection);
  EXPECT_EQ(call.print.maxPage, 1);

  printResult.error = QStringLiteral("No printer is available.");  // a failure is said, not hidden
  dialogs.AnswerPrintDialog(platform::PrinterChoice{});
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  EXPECT_FALSE(form->PrintCredits_Click());
  EXPECT_EQ(dialogs.Calls().back().prompt, "No printer is available.");
  EXPECT_EQ(dialogs.Calls().back().title, "Print Tax Credits");
}

}  // namespace
