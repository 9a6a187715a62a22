#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "platform/Fonts.h"
#include "platform/document/DrawingCursor.h"
#include "platform/document/PageRenderer.h"
#include "platform/document/PdfWriter.h"
#include "support/PdfText.h"
#include "support/TestEnvironment.h"

using namespace platform;

namespace {

class DocumentOutputTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterTahomaIfMissing(); }

  // Two pages with text, rules and a shaded heading box; the second landscape.
  static Document TwoPageForm() {
    DrawingCursor cursor;
    cursor.SetPreviewMode(true);
    cursor.BeginDocument();
    cursor.SetFontSize(14);
    cursor.SetFontBold(true);
    cursor.PrintLine("Financial Affidavit");
    cursor.SetFontBold(false);
    cursor.SetFontSize(10);
    cursor.SetShadeColor(ColorFromRgbValue(14215660));
    cursor.TextBox("  Assets\r\n", 1440, 3000, 9770);
    cursor.SetPenWidth(26);
    cursor.DrawLine(1440, cursor.CurrentY(), 11210, cursor.CurrentY());
    cursor.SetPenWidth(4);
    cursor.PrintText("Checking account");
    cursor.SetCurrentX(8000);
    cursor.PrintLine("$ 1,250.00");
    cursor.SetOrientation(PageOrientation::Landscape);
    cursor.NewPage();
    cursor.PrintLine("Second page total");
    cursor.DrawRectangle(1440, 3000, 5000, 4000);
    cursor.EndDocument();
    return cursor.document();
  }

  QString scratch(const QString& name) const { return testenv::scratchFolder() + "/" + name; }
};

TEST_F(DocumentOutputTest, PdfHoldsTheTextOfEachPage) {
  const Document doc = TwoPageForm();
  const QString path = scratch("form.pdf");
  const OutputResult result = SaveDocumentAsPdf(doc, path);
  ASSERT_TRUE(result.ok()) << result.error.toStdString();

  const auto pages = testenv::PdfPageTexts(path);
  if (!pages) GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
  ASSERT_EQ(pages->size(), 2);
  EXPECT_TRUE((*pages)[0].contains("Financial Affidavit")) << (*pages)[0].toStdString();
  EXPECT_TRUE((*pages)[0].contains("Assets"));
  EXPECT_TRUE((*pages)[0].contains("Checking account"));
  EXPECT_TRUE((*pages)[0].contains("$ 1,250.00"));
  EXPECT_FALSE((*pages)[0].contains("Second page"));
  EXPECT_TRUE((*pages)[1].contains("Second page total"));

  const auto sizes = testenv::PdfPageSizes(path);  // letter sheets, the second turned
  if (sizes) {
    EXPECT_EQ(*sizes, QStringList({"612 x 792", "792 x 612"}));
  }
}

TEST_F(DocumentOutputTest, PdfToAPlaceThatCannotBeWrittenIsReportedAndLeavesNothing) {
  QFile plainFile(scratch("plain.txt"));
  ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
  plainFile.write("keep");
  plainFile.close();
  QDir(testenv::scratchFolder()).mkdir("folder");
  const QStringList before = QDir(testenv::scratchFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

  const QString badPaths[] = {
      scratch("plain.txt/form.pdf"),     // a file where a folder should be
      scratch("missing/form.pdf"),       // a folder that does not exist
      scratch("folder"),                 // a folder where the file should be
  };
  for (const QString& path : badPaths) {
    const OutputResult result = SaveDocumentAsPdf(TwoPageForm(), path);
    EXPECT_FALSE(result.ok()) << path.toStdString();
    EXPECT_TRUE(result.error.contains(QDir::toNativeSeparators(path))) << result.error.toStdString();
  }
  EXPECT_EQ(QDir(testenv::scratchFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
  EXPECT_TRUE(QFileInfo(scratch("folder")).isDir());
  QFile check(scratch("plain.txt"));
  ASSERT_TRUE(check.open(QIODevice::ReadOnly));
  EXPECT_EQ(check.readAll(), "keep");
}

TEST_F(DocumentOutputTest, PdfReplacesAnOlderFileWhole) {
  const QString path = scratch("form.pdf");
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write(QByteArray(200000, 'x'));  // longer than the new file
  old.close();
  ASSERT_TRUE(SaveDocumentAsPdf(TwoPageForm(), path).ok());
  QFile written(path);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const QByteArray bytes = written.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
}

TEST_F(DocumentOutputTest, PageImageShowsShadeRulesAndText) {
  const Document doc = TwoPageForm();
  const QImage image = RenderPageImage(doc.pages[0], 96);  // 15 twips a pixel
  ASSERT_EQ(image.size(), QSize(816, 1056));
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
  // Inside the shaded box (1440..11210 x 3000..), clear of its text.
  const QRectF box = TwipsToImage(QRectF(1440, 3000, 9770, 100), 96);
  EXPECT_EQ(image.pixelColor(box.center().toPoint() + QPoint(200, 0)), QColor(236, 233, 216));

  auto darkPixels = [&image](const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (qGray(image.pixel(x, y)) < 128) ++dark;
    return dark;
  };
  // The title's line: 1440.. twips, top 1440 twips, 14 points bold.
  EXPECT_GT(darkPixels(TwipsToImage(QRectF(1440, 1440, 3000, 340), 96).toRect()), 50);
  EXPECT_EQ(darkPixels(TwipsToImage(QRectF(7000, 1440, 3000, 340), 96).toRect()), 0);

  const QImage landscape = RenderPageImage(doc.pages[1], 96);
  EXPECT_EQ(landscape.size(), QSize(1056, 816));
  EXPECT_TRUE(RenderPageImage(doc.pages[0], 0).isNull());
}

TEST_F(DocumentOutputTest, UnderlinedBlanksShowAsARule) {
  DrawingCursor cursor;
  cursor.BeginDocument();
  cursor.SetFontSize(12);
  cursor.SetCurrentY(2000);
  cursor.SetFontUnderline(true);
  cursor.PrintText("   ");
  const double underlinedEnd = cursor.CurrentX();
  cursor.SetFontUnderline(false);
  cursor.PrintText("   ");
  const double plainEnd = cursor.CurrentX();
  const double height = cursor.TextHeight("N");
  cursor.EndDocument();

  const QImage image = RenderPageImage(cursor.document().pages[0], 288);
  auto darkIn = [&](double from, double to) {
    int dark = 0;
    const QRect area = TwipsToImage(QRectF(from, 2000, to - from, height), 288).toRect();
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (qGray(image.pixel(x, y)) < 160) ++dark;
    return dark;
  };
  EXPECT_GT(darkIn(1440, underlinedEnd), 20);  // three underlined blanks: a visible blank
  EXPECT_EQ(darkIn(underlinedEnd + 15, plainEnd), 0);
}

}  // namespace
