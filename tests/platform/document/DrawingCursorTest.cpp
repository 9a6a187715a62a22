#include <gtest/gtest.h>

#include <QImage>

#include <variant>

#include "platform/Fonts.h"
#include "platform/document/DrawingCursor.h"

using namespace platform;

namespace {

class DrawingCursorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterTahomaIfMissing(); }

  // A preview document as the report commands start it: margins 700 / 400.
  static DrawingCursor PreviewDocument() {
    DrawingCursor cursor;
    cursor.SetMarginLeft(700);
    cursor.SetMarginTop(400);
    cursor.SetMarginRight(400);
    cursor.SetMarginBottom(400);
    cursor.SetPreviewMode(true);
    cursor.BeginDocument();
    return cursor;
  }

  template <class T>
  static std::vector<T> ItemsOf(const Page& page) {
    std::vector<T> found;
    for (const PageItem& item : page.items)
      if (const T* t = std::get_if<T>(&item)) found.push_back(*t);
    return found;
  }
};

TEST_F(DrawingCursorTest, StartsInsideTheMarginsOnALetterPage) {
  DrawingCursor cursor = PreviewDocument();
  EXPECT_DOUBLE_EQ(cursor.CurrentX(), 700);
  EXPECT_DOUBLE_EQ(cursor.CurrentY(), 400);
  EXPECT_DOUBLE_EQ(cursor.PageHeight(), 15840);
  EXPECT_DOUBLE_EQ(cursor.PageWidth(), 12240);
  ASSERT_EQ(cursor.document().pageCount(), 1);
  EXPECT_EQ(cursor.document().pages[0].size, QSizeF(12240, 15840));
}

TEST_F(DrawingCursorTest, PrintTextMovesOnlyXAndRecordsTheMeasuredRun) {
  DrawingCursor cursor = PreviewDocument();
  cursor.SetCurrentX(2000);
  cursor.SetCurrentY(3000);
  cursor.PrintText("Hello");
  const double width = cursor.TextWidth("Hello");
  EXPECT_GT(width, 0);
  EXPECT_DOUBLE_EQ(cursor.CurrentX(), 2000 + width);
  EXPECT_DOUBLE_EQ(cursor.CurrentY(), 3000);

  cursor.PrintText("");  // nothing drawn, nothing moved
  EXPECT_DOUBLE_EQ(cursor.CurrentX(), 2000 + width);

  const auto runs = ItemsOf<TextRun>(cursor.document().pages[0]);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].text, "Hello");
  EXPECT_EQ(runs[0].position, QPointF(2000, 3000));
  EXPECT_DOUBLE_EQ(runs[0].size.width(), width);
  EXPECT_DOUBLE_EQ(runs[0].size.height(), cursor.TextHeight("Hello"));
  EXPECT_EQ(runs[0].font.name, "Tahoma");
}

TEST_F(DrawingCursorTest, MeasuresAtTwentyTwipsToThePointWhateverTheScreen) {
  DrawingCursor cursor;
  cursor.SetFontSize(10);
  const double height10 = cursor.TextHeight("N");
  const double width10 = cursor.TextWidth("Child Support");
  // 10 points are 200 twips of em; a line of Tahoma is about one em tall.
  // (Measured in screen pixels it would be some 13.)
  EXPECT_GT(height10, 160);
  EXPECT_LT(height10, 280);
  cursor.SetFontSize(20);
  EXPECT_NEAR(cursor.TextHeight("N"), 2 * height10, 2);
  EXPECT_NEAR(cursor.TextWidth("Child Support"), 2 * width10, 2);
  cursor.SetFontBold(true);
  EXPECT_GT(cursor.TextWidth("Child Support"), 2 * width10 + 20);  // bold is wider
}

TEST_F(DrawingCursorTest, PrintLineReturnsToTheMarginOneLineLower) {
  // The line advance is the font's height times LineSpacing / 100.
  for (const int spacing : {100, 120, 125}) {
    DrawingCursor cursor = PreviewDocument();
    cursor.SetLineSpacing(spacing);
    const double height = cursor.TextHeight("N");
    cursor.SetCurrentX(3000);
    cursor.SetCurrentY(5000);
    cursor.PrintLine("Total");
    EXPECT_DOUBLE_EQ(cursor.CurrentX(), 700) << spacing;
    EXPECT_DOUBLE_EQ(cursor.CurrentY(), 5000 + height * spacing / 100.0) << spacing;
    cursor.PrintParagraph("Total");  // the same operation under its other name
    EXPECT_DOUBLE_EQ(cursor.CurrentY(), 5000 + 2 * height * spacing / 100.0) << spacing;
  }
}

TEST_F(DrawingCursorTest, EmptyTextOrOneSpaceIsABlankLine) {
  DrawingCursor cursor = PreviewDocument();
  const double height = cursor.TextHeight("N");
  cursor.PrintLine("");
  EXPECT_TRUE(cursor.document().pages[0].items.empty());
  EXPECT_DOUBLE_EQ(cursor.CurrentY(), 400 + height);
  cursor.PrintLine(" ");
  EXPECT_DOUBLE_EQ(cursor.CurrentY(), 400 + 2 * height);
  EXPECT_DOUBLE_EQ(cursor.CurrentX(), 700);
}

TEST_F(DrawingCursorTest, TextWithLineBreaksPrintsAsSeveralLines) {
  DrawingCursor cursor = PreviewDocument();
  const double height = cursor.TextHeight("N");
  cursor.SetCurrentX(2000);
  cursor.PrintText("one\r\ntwo\nthree");  // CR LF and a lone LF both break
  const auto runs = ItemsOf<TextRun>(cursor.document().pages[0]);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].position, QPointF(2000, 400));
  EXPECT_EQ(runs[1].position, QPointF(700, 400 + height));
  EXPECT_EQ(runs[2].position, QPointF(700, 400 + 2 * height));
  // The last line stays open, as after any PrintText.
  EXPECT_DOUBLE_EQ(cursor.CurrentX(), 700 + cursor.TextWidth("three"));
  EXPECT_DOUBLE_EQ(cursor.CurrentY(), 400 + 2 * height);

  cursor.PrintLine("end\r\n");  // a trailing break is a line of its own
  EXPECT_DOUBLE_EQ(cursor.CurrentY(), 400 + 4 * height);

  EXPECT_DOUBLE_EQ(cursor.TextWidth("ab\r\nabcdef"), cursor.TextWidth("abcdef"));
  EXPECT_DOUBLE_EQ(cursor.TextHeight("a\r\nb\r\nc"), 3 * height);
  cursor.SetLineSpacing(125);
  EXPECT_DOUBLE_EQ(cursor.TextHeight("a\r\nb"), height + 1.25 * height);
}

TEST_F(DrawingCursorTest, TextBoxIsAsTallAsItsLinesAndLeavesYAtItsFoot) {
  // A shaded heading: the box is drawn first, then the heading lines printed
  // over it from the same top must end exactly at the box's foot.
  DrawingCursor cursor = PreviewDocument();
  cursor.SetShadeColor(ColorFromRgbValue(14215660));
  cursor.SetCurrentX(900);
  cursor.TextBox("\r\n  Current\r\n", 1440, 5000, 9770, 0, true);
  const double boxFoot = cursor.CurrentY();
  EXPECT_DOUBLE_EQ(cursor.CurrentX(), 900);  // X stays

  cursor.SetCurrentY(5000);
  for (int i = 0; i < 3; ++i) cursor.PrintParagraph("x");
  EXPECT_DOUBLE_EQ(boxFoot, cursor.CurrentY());

  const auto boxes = ItemsOf<ShadedTextBox>(cursor.document().pages[0]);
  ASSERT_EQ(boxes.size(), 1u);
  const double height = cursor.TextHeight("N");
  EXPECT_EQ(boxes[0].rect, QRectF(1440, 5000, 9770, 3 * height));
  EXPECT_TRUE(boxes[0].shaded);
  EXPECT_EQ(boxes[0].shade, QColor(236, 233, 216));
  ASSERT_EQ(boxes[0].lines.size(), 1u);  // empty lines draw nothing
  EXPECT_EQ(boxes[0].lines[0].text, "  Current");
  EXPECT_EQ(boxes[0].lines[0].position, QPointF(1440, 5000 + height));

  cursor.TextBox("given height", 1440, 9000, 2000, 1000);
  EXPECT_DOUBLE_EQ(cursor.CurrentY(), 10000);
}

TEST_F(DrawingCursorTest, UnderlineCoversBlanks) {
  DrawingCursor cursor = PreviewDocument();
  cursor.SetFontUnderline(true);
  cursor.PrintText("   ");
  cursor.SetFontUnderline(false);
  cursor.PrintText(" Yes");
  const auto runs = ItemsOf<TextRun>(cursor.document().pages[0]);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].text, "   ");
  EXPECT_TRUE(runs[0].font.underline);
  EXPECT_DOUBLE_EQ(runs[0].size.width(), 3 * cursor.TextWidth(" "));
  EXPECT_FALSE(runs[1].font.underline);
}

TEST_F(DrawingCursorTest, PrinterWorksInMillimetresFromThePrintableCorner) {
  PrinterSetup setup;
  setup.printQuality = 300;
  setup.unprintable = QMarginsF(300, 200, 300, 400);
  DrawingCursor printer = DrawingCursor::ForPrinter(setup);
  printer.SetScaleMode(ScaleUnit::Millimetres);
  constexpr double mm = 1440 / 25.4;

  EXPECT_NEAR(printer.ScaleWidth(), (12240 - 600) / mm, 1e-9);
  EXPECT_NEAR(printer.ScaleHeight(), (15840 - 600) / mm, 1e-9);
  EXPECT_DOUBLE_EQ(printer.PageHeight(), 15840);  // always twips

  printer.SetCurrentX(15);
  printer.SetCurrentY(40);
  printer.PrintText("Case Name:  ");
  EXPECT_NEAR(printer.CurrentX(), 15 + printer.TextWidth("Case Name:  "), 1e-9);
  printer.PrintLine("Smith");
  EXPECT_DOUBLE_EQ(printer.CurrentX(), 0);  // a printer's line starts at its left edge

  printer.DrawLine(147, 100, 162, 100);
  printer.DrawRectangle(191, 150, 15, 40);  // corners in any order

  const Page& page = printer.document().pages[0];
  const auto runs = ItemsOf<TextRun>(page);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_NEAR(runs[0].position.x(), 300 + 15 * mm, 1e-9);
  EXPECT_NEAR(runs[0].position.y(), 200 + 40 * mm, 1e-9);
  EXPECT_NEAR(runs[1].position.x(), runs[0].rect().right(), 1e-9);
  const auto lines = ItemsOf<LineItem>(page);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NEAR(lines[0].from.x(), 300 + 147 * mm, 1e-9);
  EXPECT_NEAR(lines[0].to.y(), 200 + 100 * mm, 1e-9);
  const auto boxes = ItemsOf<BoxItem>(page);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NEAR(boxes[0].rect.left(), 300 + 15 * mm, 1e-9);
  EXPECT_NEAR(boxes[0].rect.bottom(), 200 + 150 * mm, 1e-9);
  EXPECT_FALSE(boxes[0].filled);  // a printer's fill style starts transparent
}

TEST_F(DrawingCursorTest, PrinterLineWidthIsInItsOwnDots) {
  const struct { int quality; int dots; double twips; } cases[] = {
      {300, 5, 24},   // 5 dots of 1/300 in
      {600, 10, 24},  // the same width on a finer printer
      {-3, 3, 7.2},   // a quality code: dots of 1/600 in
  };
  for (const auto& c : cases) {
    PrinterSetup setup;
    setup.printQuality = c.quality;
    DrawingCursor printer = DrawingCursor::ForPrinter(setup);
    EXPECT_EQ(printer.PrintQuality(), c.quality);
    printer.SetLineWidthDots(c.dots);
    EXPECT_DOUBLE_EQ(printer.PenWidth(), c.twips) << c.quality;
  }
}

TEST_F(DrawingCursorTest, LandscapeTurnsThePageAndThePrintableArea) {
  PrinterSetup setup;
  setup.unprintable = QMarginsF(100, 200, 300, 400);  // left, top, right, bottom of a portrait sheet
  DrawingCursor printer = DrawingCursor::ForPrinter(setup);
  printer.SetOrientation(PageOrientation::Landscape);
  EXPECT_DOUBLE_EQ(printer.PageHeight(), 12240);
  // Turned to the left: the portrait top (200) is now the left edge, right (300) the top.
  EXPECT_DOUBLE_EQ(printer.ScaleWidth(), 15840 - 200 - 400);
  EXPECT_DOUBLE_EQ(printer.ScaleHeight(), 12240 - 300 - 100);

  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  printer.DrawPicture(picture, 0, 0, printer.ScaleWidth(), printer.ScaleHeight());
  printer.DrawPicture(QImage(), 0, 0, 10, 10);  // no picture, nothing drawn
  printer.EndDocument();

  const Page& page = printer.document().pages.at(0);
  EXPECT_EQ(page.orientation(), PageOrientation::Landscape);
  const auto pictures = ItemsOf<PictureItem>(page);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].rect, QRectF(200, 300, 15840 - 600, 12240 - 400));
}

TEST_F(DrawingCursorTest, OrientationOfAPageWithDrawingAppliesToTheNextPage) {
  DrawingCursor cursor = PreviewDocument();
  cursor.PrintLine("portrait");
  cursor.SetOrientation(PageOrientation::Landscape);
  cursor.NewPage();
  ASSERT_EQ(cursor.document().pageCount(), 2);
  EXPECT_EQ(cursor.document().pages[0].orientation(), PageOrientation::Portrait);
  EXPECT_EQ(cursor.document().pages[1].orientation(), PageOrientation::Landscape);
}

TEST_F(DrawingCursorTest, DocumentLife) {
  DrawingCursor cursor;
  cursor.SetFontBold(true);
  cursor.SetFontUnderline(true);
  cursor.BeginDocument();  // a new document starts in regular type
  EXPECT_FALSE(cursor.FontBold());
  EXPECT_FALSE(cursor.FontUnderline());
  cursor.SetDocumentOption(0);
  cursor.PrintLine("page one");
  cursor.SetCurrentX(5000);
  cursor.NewPage();
  EXPECT_DOUBLE_EQ(cursor.CurrentX(), 1440);
  EXPECT_DOUBLE_EQ(cursor.CurrentY(), 1440);
  cursor.PrintLine("page two");
  cursor.EndDocument();
  EXPECT_FALSE(cursor.IsDocumentOpen());
  cursor.EndDocument();  // ending twice does nothing
  ASSERT_EQ(cursor.document().pageCount(), 2);

  // Drawing with no document open starts one where the cursor stands.
  cursor.SetCurrentY(3000);
  cursor.PrintText("again");
  EXPECT_TRUE(cursor.IsDocumentOpen());
  ASSERT_EQ(cursor.document().pageCount(), 1);
  const Document taken = cursor.TakeDocument();
  ASSERT_EQ(taken.pageCount(), 1);
  EXPECT_EQ(std::get<TextRun>(taken.pages[0].items.at(0)).position.y(), 3000);
  EXPECT_TRUE(cursor.document().isEmpty());
}

TEST_F(DrawingCursorTest, ResetPrinterClearsTypeAndLineStyle) {
  DrawingCursor printer = DrawingCursor::ForPrinter();
  printer.SetFontBold(true);
  printer.SetFontItalic(true);
  printer.SetFontUnderline(true);
  printer.SetPenStyle(2);
  printer.SetFontSize(8);
  printer.ResetPrinter();
  EXPECT_FALSE(printer.FontBold());
  EXPECT_FALSE(printer.FontItalic());
  EXPECT_FALSE(printer.FontUnderline());
  EXPECT_EQ(printer.PenStyle(), 0);
  EXPECT_DOUBLE_EQ(printer.FontSize(), 8);  // size and face are the caller's
  printer.DrawLine(0, 0, 10, 0);
  EXPECT_EQ(std::get<LineItem>(printer.document().pages[0].items[0]).pen.style, Qt::SolidLine);
}

// A font scale draws and measures every size smaller while the sizes read
// back stay as set; ResetPrinter puts it back to 1.
TEST_F(DrawingCursorTest, FontScaleDrawsEverySizeSmaller) {
  DrawingCursor cursor = PreviewDocument();
  cursor.SetFontName("Tahoma");
  cursor.SetFontSize(10);
  const double width = cursor.TextWidth("Worksheet");
  const double height = cursor.TextHeight();
  cursor.SetFontScale(0.8);
  cursor.SetFontScale(0);  // ignored
  EXPECT_DOUBLE_EQ(cursor.FontScale(), 0.8);
  EXPECT_DOUBLE_EQ(cursor.FontSize(), 10);
  EXPECT_NEAR(cursor.TextWidth("Worksheet"), width * 0.8, 1);
  EXPECT_LT(cursor.TextHeight(), height);
  const double y = cursor.CurrentY();
  cursor.PrintLine("Worksheet");
  const TextRun run = std::get<TextRun>(cursor.document().pages[0].items.at(0));
  EXPECT_DOUBLE_EQ(run.font.size, 8);
  EXPECT_DOUBLE_EQ(cursor.CurrentY() - y, cursor.TextHeight());
  cursor.ResetPrinter();
  EXPECT_DOUBLE_EQ(cursor.FontScale(), 1);
  EXPECT_DOUBLE_EQ(cursor.TextWidth("Worksheet"), width);
}

TEST_F(DrawingCursorTest, DrawingKeepsThePositionAndRecordsPenAndFill) {
  DrawingCursor cursor = PreviewDocument();
  cursor.SetCurrentX(1234);
  cursor.SetCurrentY(5678);
  cursor.SetPenWidth(26);
  cursor.DrawLine(1440, 6000, 11210, 6000);
  cursor.SetFillStyle(0);
  cursor.SetFillColor(ColorFromRgbValue(200));
  cursor.DrawRectangle(1000, 1000, 2000, 2000);
  EXPECT_DOUBLE_EQ(cursor.CurrentX(), 1234);
  EXPECT_DOUBLE_EQ(cursor.CurrentY(), 5678);
  const Page& page = cursor.document().pages[0];
  EXPECT_DOUBLE_EQ(std::get<LineItem>(page.items.at(0)).pen.width, 26);
  const auto& box = std::get<BoxItem>(page.items.at(1));
  EXPECT_TRUE(box.filled);
  EXPECT_EQ(box.fill, QColor(200, 0, 0));
}

TEST(ColorFromRgbValue, ReadsRedGreenBlueFromTheLowBytes) {
  EXPECT_EQ(ColorFromRgbValue(14215660), QColor(236, 233, 216));
  EXPECT_EQ(ColorFromRgbValue(0), QColor(0, 0, 0));
  EXPECT_EQ(ColorFromRgbValue(200), QColor(200, 0, 0));
  EXPECT_EQ(ColorFromRgbValue(0xFF0000), QColor(0, 0, 255));
}

}  // namespace
