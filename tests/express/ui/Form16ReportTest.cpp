#include <gtest/gtest.h>

#include <QAction>

#include "express/ui/ExpressFixture.h"
#include "platform/Dialogs.h"

// "Print Parenting Time": the print dialog, then the report on the program's
// printer, its header in the printer's font as it stands and its tables in
// Tahoma; a cancel prints nothing.
TEST(Form16Report, PrintsOnTheChosenPrinterWithThePrintersFont) {
  ExpressFixture run;
  std::vector<platform::Document> printed;
  run.time.SendToPrinter = [&printed](const platform::Document& doc, const platform::PrinterChoice&) {
    printed.push_back(doc);
    return platform::OutputResult{};
  };
  run.dialogs.AnswerPrintDialog(std::nullopt);
  run.time.MenuItem("PrintParentingTime")->trigger();
  EXPECT_TRUE(printed.empty());

  run.express.ClaimantName->setText("Smith v. Smith");
  run.program.Printer.SetFontName("Courier New");
  platform::PrinterChoice toFile;  // the dialog offers a PDF file, with no printer too
  toFile.outputFile = "/tmp/Parenting time.pdf";
  run.dialogs.AnswerPrintDialog(toFile);
  run.time.MenuItem("PrintParentingTime")->trigger();
  ASSERT_EQ(printed.size(), 1u);
  const auto runs = printed[0].pages.front().textRuns();
  ASSERT_FALSE(runs.empty());
  EXPECT_EQ(runs.front()->text, "Case Name:  Smith v. Smith");
  EXPECT_EQ(runs.front()->font.name, "Courier New");
  EXPECT_EQ(runs.back()->font.name, "Tahoma");
  EXPECT_FALSE(run.dialogs.Failed());
}
