#include <gtest/gtest.h>

#include <QPrinter>

#include "platform/Fonts.h"
#include "platform/document/DrawingCursor.h"
#include "platform/ui/DocumentPrinter.h"
#include "support/PdfText.h"
#include "support/TestEnvironment.h"

using namespace platform;

namespace {

// Two portrait pages, then a landscape one.
Document ThreePages() {
  DrawingCursor cursor;
  cursor.BeginDocument();
  cursor.PrintLine("First sheet");
  cursor.NewPage();
  cursor.PrintLine("Second sheet");
  cursor.SetOrientation(PageOrientation::Landscape);
  cursor.NewPage();
  cursor.PrintLine("Third sheet");
  cursor.EndDocument();
  return cursor.document();
}

TEST(DocumentPrinter, WithoutAPrinterSaysSoPlainly) {
  if (PrinterAvailable()) GTEST_SKIP() << "this machine has a printer; not printing on it";
  QPrinter printer;  // the system's default printer, of which there is none
  const OutputResult result = PrintDocument(ThreePages(), printer);
  EXPECT_EQ(result.error, QString(kNoPrinterMessage));
}

TEST(DocumentPrinter, AFilePrinterWithoutAFileNameIsNoPrinter) {
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString());
  EXPECT_EQ(PrintDocument(ThreePages(), printer).error, QString(kNoPrinterMessage));
}

TEST(DocumentPrinter, PrintsThePagesChosenInThePrintDialog) {
  RegisterTahomaIfMissing();
  const QString path = testenv::scratchFolder() + "/printed.pdf";
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPrintRange(QPrinter::PageRange);
  printer.setFromTo(2, 3);
  const OutputResult result = PrintDocument(ThreePages(), printer);
  ASSERT_TRUE(result.ok()) << result.error.toStdString();

  const auto pages = testenv::PdfPageTexts(path);
  if (!pages) GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
  ASSERT_EQ(pages->size(), 2);
  EXPECT_TRUE((*pages)[0].contains("Second sheet")) << (*pages)[0].toStdString();
  EXPECT_TRUE((*pages)[1].contains("Third sheet"));

  const auto sizes = testenv::PdfPageSizes(path);  // each sheet in its page's orientation
  if (sizes) {
    EXPECT_EQ(*sizes, QStringList({"612 x 792", "792 x 612"}));
  }
}

TEST(DocumentPrinter, SetupCarriesTheResolution) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const PrinterSetup setup = PrinterSetupFor(printer);
  EXPECT_EQ(setup.printQuality, printer.resolution());
  EXPECT_GE(setup.unprintable.left(), 0);
}

}  // namespace
