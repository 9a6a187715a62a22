#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/TextFile.h"
#include "platform/document/DrawingCursor.h"
#include "platform/document/RichText.h"
#include "platform/document/TextSearch.h"
#include "support/TestEnvironment.h"

namespace {

using platform::DrawingCursor;
using platform::TextRun;

std::vector<TextRun> RunsOf(const platform::Page& page) {
  std::vector<TextRun> runs;
  for (const TextRun* r : page.textRuns()) runs.push_back(*r);
  return runs;
}

DrawingCursor ManualDocument() {
  DrawingCursor doc;
  doc.SetMarginLeft(400);
  doc.SetMarginRight(400);
  doc.SetMarginTop(400);
  doc.SetMarginBottom(400);
  doc.BeginDocument();
  return doc;
}

TEST(RichText, PlainTextKeepsItsLineBreaks) {
  DrawingCursor doc = ManualDocument();
  platform::PrintRichText(doc, QStringLiteral("First line\nSecond line"));
  const double below = doc.CurrentY();
  doc.EndDocument();
  const auto runs = RunsOf(doc.document().pages.at(0));
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].text, "First line");
  EXPECT_EQ(runs[1].text, "Second line");
  EXPECT_DOUBLE_EQ(runs[0].position.x(), 400);
  EXPECT_GT(runs[1].position.y(), runs[0].position.y() + runs[0].size.height() * 0.9);
  EXPECT_GT(below, runs[1].position.y());
}

TEST(RichText, StylesBecomeTheRunsFonts) {
  DrawingCursor doc = ManualDocument();
  doc.SetFontName(QStringLiteral("Tahoma"));
  doc.SetFontSize(10);
  platform::PrintRichText(doc, QStringLiteral("<h2>Title</h2><p>Plain <b>bold</b> <i>slanted</i></p>"));
  doc.EndDocument();
  const auto runs = RunsOf(doc.document().pages.at(0));
  auto find = [&](const QString& text) {
    for (const TextRun& r : runs)
      if (r.text.trimmed() == text) return r;
    ADD_FAILURE() << "no run " << text.toStdString();
    return TextRun{};
  };
  const TextRun title = find("Title"), plain = find("Plain"), bold = find("bold"), slanted = find("slanted");
  EXPECT_GT(title.font.size, plain.font.size);
  EXPECT_TRUE(bold.font.bold);
  EXPECT_FALSE(plain.font.bold);
  EXPECT_TRUE(slanted.font.italic);
  EXPECT_EQ(plain.font.name, "Tahoma");
  EXPECT_DOUBLE_EQ(plain.position.y() + plain.ascent, bold.position.y() + bold.ascent);  // one baseline
  EXPECT_GT(bold.position.x(), plain.position.x() + 300);
  // The cursor's own font is as it was.
  EXPECT_FALSE(doc.FontBold());
  EXPECT_DOUBLE_EQ(doc.FontSize(), 10);
}

TEST(RichText, LongTextWrapsBetweenTheMarginsAndRunsOnNewPages) {
  DrawingCursor doc = ManualDocument();
  QString html;
  for (int i = 0; i < 120; ++i)
    html += QStringLiteral("<p>Paragraph %1: the preparer enters one case and the program computes "
                           "child support and alimony and fills in the court forms.</p>")
                .arg(i);
  platform::PrintRichText(doc, html);
  doc.EndDocument();
  const platform::Document& d = doc.document();
  ASSERT_GT(d.pageCount(), 2);
  for (const auto& page : d.pages) {
    for (const TextRun* r : page.textRuns()) {
      EXPECT_GE(r->position.x(), 400 - 1);
      EXPECT_LE(r->rect().right(), platform::kLetterWidth - 400 + 1) << r->text.toStdString();
      EXPECT_LE(r->rect().bottom(), platform::kLetterHeight - 400 + 1) << r->text.toStdString();
      EXPECT_GE(r->position.y(), 400 - 1);
    }
  }
  // Every paragraph is there to be found, the last one on the last page.
  const auto found = platform::FindText(d, QStringLiteral("Paragraph 119:"), 1, 0, Qt::CaseSensitive);
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->page, d.pageCount());
}

TEST(TextFile, ReadsTheWholeFileWithItsLineBreaks) {
  const QString path = QDir(testenv::scratchFolder()).filePath(QStringLiteral("manual.txt"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<p>One</p>\n<p>Two \xc2\xa7 61.30</p>\n");
  file.close();
  const platform::TextFileReading reading = platform::ReadTextFile(path);
  EXPECT_TRUE(reading.ok());
  EXPECT_EQ(reading.text, QString::fromUtf8("<p>One</p>\n<p>Two \xc2\xa7 61.30</p>\n"));
}

TEST(TextFile, AFileThatCannotBeReadIsReportedByName) {
  const QString folder = testenv::scratchFolder();
  const auto missing = platform::ReadTextFile(QDir(folder).filePath(QStringLiteral("none.uva")));
  EXPECT_FALSE(missing.ok());
  EXPECT_TRUE(missing.error.contains(QStringLiteral("none.uva"))) << missing.error.toStdString();
  EXPECT_TRUE(missing.text.isEmpty());
  const auto directory = platform::ReadTextFile(folder);
  EXPECT_FALSE(directory.ok());
}

}  // namespace
