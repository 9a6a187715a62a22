// The short form's pages 1 and 2 as a whole: page range, top margins, body
// face and size, footers, and the blank form.
#include <gtest/gtest.h>

#include "ShortFormFixture.h"
#include "affidavit/datafile/DefaultLabels.h"
#include "platform/Fonts.h"
#include "platform/document/DocumentPage.h"

using namespace shortformtest;

namespace {

const QString kPage1Mark = "IN THE CIRCUIT COURT OF THE ";
const QString kPage2Mark = "PRESENT MONTHLY DEDUCTIONS:";
const QString kFooter =
    "Dadudav Family Law Rules of Procedure Form 12.902(b), Family Law Financial Affidavit "
    "(Short Form) (10/21)";

class ShortFormFrameTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
  ShortFormRun run;
};

QString Marker(const platform::Page& page) {
  if (Find(page, kPage1Mark)) return "1";
  if (Find(page, kPage2Mark)) return "2";
  return page.items.empty() ? "empty" : "other";
}

// Pages are named by what they show. When the range goes on past page 2 (or
// starts at 3, 4 or 5) the closing pages follow on a page of their own, the
// document's first one when nothing of pages 1 and 2 prints.
TEST_F(ShortFormFrameTest, PrintsThePagesOfTheRange) {
  struct Case {
    int from, to;
    QStringList pages;  // pages 1 and 2 as printed
    bool closing;       // a page follows for the closing pages
  } cases[] = {
      {1, 6, {"1", "2"}, true},  // the preview
      {1, 1, {"1"}, false},      // no empty page after the last one printed
      {1, 2, {"1", "2"}, false},
      {2, 2, {"2"}, false},       // page 2 alone, on the document's first
                                  // page
      {2, 1, {"2"}, true},        // a last page below the first stops nothing
      {0, 2, {"1", "2"}, false},  // out of range: from page 1
      {6, 2, {"1", "2"}, false},
      {-1, 1, {"1"}, false},
      {3, 5, {}, true},
      {4, 4, {}, true},
      {5, 6, {}, true},
  };
  for (const Case& c : cases) {
    const auto doc = run.Print(c.from, c.to);
    QStringList pages;
    for (const platform::Page& page : doc.pages) {
      const QString mark = Marker(page);
      if (mark == "1" || mark == "2") pages << mark;
    }
    EXPECT_EQ(pages, c.pages) << c.from << "-" << c.to;
    EXPECT_EQ(doc.pageCount() > pages.size(), c.closing) << c.from << "-" << c.to;
  }
}

TEST_F(ShortFormFrameTest, SetsUpOnceEvenWhenStartingAtTheClosingPages) {
  run.font.FDFontName = "DejaVu Sans";
  run.font.FDFontSize = 12;
  run.Print(3, 5);
  EXPECT_EQ(run.resets, 1);
  EXPECT_EQ(run.vs.FontName(), "DejaVu Sans");
  EXPECT_EQ(run.vs.FontSize(), 9);
  EXPECT_EQ(run.vs.LineSpacing(), 100);
  EXPECT_EQ(run.vs.PenWidth(), 4);
}

TEST_F(ShortFormFrameTest, TopMarginFollowsThePreparersChoice) {
  const std::pair<QString, double> cases[] = {
      {"OneHalf", 720}, {"One", 1440},     {"OneOneHalf", 2016},  // not 2160 on these two pages
      {"", 1440},       {"onehalf", 1440},                        // compared exactly
      {"Two", 1440}};
  for (const auto& [margin, top] : cases) {
    run.preparerMargin = margin;
    const auto doc = run.Print(1, 2);
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(Find(doc.pages[0], kPage1Mark)->position.y(), top) << margin.toStdString();
    EXPECT_EQ(Find(doc.pages[1], kPage2Mark)->position.y(), top) << margin.toStdString();
  }
  run.preparerMargin = "OneOneHalf";
  const auto alone = run.Print(2, 2);
  EXPECT_EQ(Find(alone.pages[0], kPage2Mark)->position.y(), 2016);
}

// Body text is 9 points in the affidavit face whatever the print size; the
// instruction lines and the footers are 8 points; a face wider than Tahoma
// prints each size smaller by its scale.
TEST_F(ShortFormFrameTest, PrintsAtNinePointsWhateverTheFontSize) {
  for (std::int16_t size : {12, 8, 9}) {
    run.font.FDFontSize = size;
    run.font.FDFontName = "DejaVu Sans";
    const auto doc = run.Print(1, 2);
    for (const platform::Page& page : doc.pages)
      for (const platform::TextRun* r : page.textRuns()) {
        EXPECT_EQ(r->font.name, "DejaVu Sans");
        const bool small = r->text == kFooter || r->text.startsWith("All amounts must") ||
                           r->text.startsWith(" See the instructions") ||
                           r->text.startsWith("paid monthly.");
        EXPECT_DOUBLE_EQ(r->font.size, (small ? 8 : 9) * platform::WideFaceScale("DejaVu Sans"))
            << r->text.toStdString();
      }
  }
}

TEST_F(ShortFormFrameTest, FootersStandAtTheirHeightsInRegularType) {
  const auto doc = run.Print(1, 2);
  const double heights[] = {15048, 15120};  // page 2 stands 72 twips lower
  for (int i = 0; i < 2; ++i) {
    const platform::TextRun* footer = Find(doc.pages[i], kFooter);
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(footer->position, QPointF(1440, heights[i]));
    EXPECT_EQ(footer->font.size, 8);
    EXPECT_FALSE(footer->font.bold || footer->font.italic || footer->font.underline);
  }
  // The page after a footer begins in the body size.
  EXPECT_EQ(Find(doc.pages[1], kPage2Mark)->font.size, 9);
  EXPECT_EQ(run.vs.FontSize(), 9);
}

// With the Tahoma face at 9 points, the fullest page 2 (both schedules) and
// page 1 end above their footers, also under the deepest top margin.
TEST_F(ShortFormFrameTest, EveryLineStaysAboveTheFooter) {
  ASSERT_TRUE(platform::IsFontInstalled("Tahoma"));
  affidavit::ApplyLabels(run.pages, affidavit::FDShortExpenseLabels());
  for (auto& v : run.values.FDIncomeValues) v = AffidavitValue::Of(1234567);
  for (auto& v : run.values.FDExpenseValues) v = AffidavitValue::Of(1234567);
  for (int i = 1; i <= 7; ++i) run.SetText("S0T", i, "A long entry of the caption");
  run.preparerMargin = "OneOneHalf";
  for (int blank : {0, 1}) {
    run.blankFAPrint = blank;
    const auto doc = run.Print(1, 2);
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_LT(LowestBodyFoot(doc.pages[0], 15048), 15048);
    EXPECT_LT(LowestBodyFoot(doc.pages[1], 15120), 15120) << "blank " << blank;
  }
}

// The blank form changes nothing but the schedule of page 2.
TEST_F(ShortFormFrameTest, BlankFormChangesOnlyTheSchedule) {
  run.SetText("S0T", 5, "Jane Roe");
  run.values.FDIncomeValues[2] = AffidavitValue::Of(300);
  const auto filled = run.Print(1, 2);
  run.blankFAPrint = 1;
  const auto blank = run.Print(1, 2);
  ASSERT_EQ(blank.pageCount(), 2);
  const auto texts = [](const platform::Page& page, bool untilSchedule) {
    QStringList t;
    for (const platform::TextRun* r : page.textRuns()) {
      if (untilSchedule && r->text.startsWith("A. HOUSEHOLD")) break;
      t << QString("%1@%2,%3").arg(r->text).arg(r->position.x()).arg(r->position.y());
    }
    return t;
  };
  EXPECT_EQ(texts(blank.pages[0], false), texts(filled.pages[0], false));
  EXPECT_EQ(texts(blank.pages[1], true), texts(filled.pages[1], true));
  EXPECT_NE(texts(blank.pages[1], false), texts(filled.pages[1], false));
  EXPECT_EQ(Find(blank.pages[1], kFooter)->position.y(), 15120);
}

}  // namespace
