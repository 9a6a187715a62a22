#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <set>

#include "platform/document/TextSearch.h"
#include "support/TestEnvironment.h"
#include "worksheet/GuidelinesText.h"
#include "worksheet/SheetRows.h"

namespace {

void WriteHelp(const QString& folder, const QByteArray& text) {
  QFile f(QDir(folder).filePath(worksheet::kGuidelinesTextFile));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
}

TEST(GuidelinesTextTest, FileLinesJoinedAndDrawnWithinTheMargins) {
  const QString folder = testenv::scratchFolder();
  WriteHelp(folder, "<p>Line 21 is the <b>presumptive</b> \r\namount.</p>\n<p>Second para</p>");
  const platform::Document doc = worksheet::GuidelinesTextDocument(folder);
  ASSERT_EQ(doc.pageCount(), 1);
  EXPECT_TRUE(platform::FindText(doc, "presumptive amount."));  // lines joined with nothing between them
  EXPECT_TRUE(platform::FindText(doc, "Second para"));
  for (const platform::TextRun* run : doc.pages[0].textRuns()) {
    EXPECT_GE(run->position.x(), 700);
    EXPECT_GE(run->position.y(), 400);
  }
}

TEST(GuidelinesTextTest, MissingFileGivesAnEmptyPage) {
  const platform::Document doc = worksheet::GuidelinesTextDocument(testenv::scratchFolder() + "/none");
  ASSERT_EQ(doc.pageCount(), 1);
  EXPECT_TRUE(doc.pages[0].textRuns().empty());
}

TEST(GuidelinesTextTest, ShippedTextExplainsTheMethod) {
  const platform::Document doc =
      worksheet::GuidelinesTextDocument(QDir::cleanPath(testenv::dataFile(".") + "/../../resources"));
  for (const char* text : {"How the Child Support Guidelines Worksheet is figured", "73 overnights", "line 21",
                           "multiplied by each parent's income percentage (line 11)",
                           "multiplied by the same percentages (line 6)"})
    EXPECT_TRUE(platform::FindText(doc, text)) << text;
  EXPECT_FALSE(platform::FindText(doc, "divided by the"));  // lines 6 and 11 multiply
}

// Every cell of lines 0 to 21 appears once on the sheet's rows, and the grey
// cells without a name of their own use up the two grey arrays exactly.
TEST(SheetRowsTest, EveryLineCellOnceAndGreyNamesUsedUp) {
  std::set<QString> named;
  int unnamedGrey = 0;
  for (const worksheet::SheetRow& row : worksheet::SheetRows()) {
    for (const QString& cell : row.cells) {
      if (row.kind != worksheet::RowKind::Line) continue;
      if (cell.isEmpty()) ++unnamedGrey;
      else EXPECT_TRUE(named.insert(cell).second) << cell.toStdString();
    }
    for (const worksheet::UnderText& u : row.under)
      if (u.box) {
        EXPECT_TRUE(named.insert(worksheet::BoxName(*u.box)).second);
      }
  }
  EXPECT_EQ(unnamedGrey, worksheet::GreyCellNames().size());
  for (int slot = 0; slot <= 56; ++slot)
    EXPECT_TRUE(named.count(worksheet::BoxName(*worksheet::BoxOfSlot(slot)))) << slot;
}

// Each parent's overnights sentence under line 12 names that parent's cell.
TEST(SheetRowsTest, OvernightsSentencesNameTheirOwnCell) {
  int sentences = 0;
  for (const worksheet::SheetRow& row : worksheet::SheetRows())
    for (const worksheet::UnderText& u : row.under) {
      if (u.box == worksheet::Box::WSFatherDays) {
        EXPECT_TRUE(u.text.contains("Petitioner") && u.text.contains("line 12A.")) << u.text.toStdString();
      }
      if (u.box == worksheet::Box::WSMotherDays) {
        EXPECT_TRUE(u.text.contains("Respondent") && u.text.contains("line 12B.")) << u.text.toStdString();
      }
      sentences += u.box == worksheet::Box::WSFatherDays || u.box == worksheet::Box::WSMotherDays;
    }
  EXPECT_EQ(sentences, 2);
}

}  // namespace
