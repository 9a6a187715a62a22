// The long-form printer's frame: set-up, top margin, page range, the zero
// test, the footer and the room left above it.
#include <QRegularExpression>

#include "affidavit/calc/ClearAffidavit.h"
#include "LongFormFixture.h"

using namespace longformtest;
using affidavit::kLongFormFooter;
using casevars::AffidavitValue;

namespace {

const QString kMarks[] = {
    "FAMILY LAW FINANCIAL AFFIDAVIT (LONG FORM)", "LAST YEAR'S GROSS INCOME:",
    "PRESENT MONTHLY DEDUCTIONS:", "SECTION II.  AVERAGE MONTHLY EXPENSES", "AUTOMOBILE:",
    "MONTHLY INSURANCE:", "MONTHLY PAYMENTS TO CREDITORS: ",
    "SECTION III.  ASSETS AND LIABILITIES"};

class LongFormPrinterTest : public LongFormFixture {
 protected:
  // The long-form page each document page shows (1 to 8), 0 for a page
  // that none of them is (the closing pages').
  static std::vector<int> PagesOf(const platform::Document& doc) {
    std::vector<int> shown;
    for (const Page& page : doc.pages) {
      int n = 0;
      for (int i = 0; i < 8; ++i)
        if (Find(page, kMarks[i])) n = i + 1;
      shown.push_back(n);
    }
    return shown;
  }
  static double TopOf(const Page& page) {
    double top = 1e9;
    for (const TextRun* r : page.textRuns()) top = std::min(top, r->position.y());
    for (const LineItem* l : Rules(page)) top = std::min(top, l->from.y());
    return top;
  }
};

TEST_F(LongFormPrinterTest, PageRanges) {
  // `closing`: a fresh page follows page 8 for the closing pages.
  struct Case {
    int from, to;
    std::vector<int> pages;
    bool closing;
  } cases[] = {
      {1, 1, {1}, false},
      {3, 5, {3, 4, 5}, false},
      {6, 8, {6, 7, 8}, false},
      {8, 8, {8}, false},
      {2, 2, {2}, false},
      {7, 7, {7}, false},
      {0, 2, {1, 2}, false},
      {14, 1, {1}, false},
      {1, 13, {1, 2, 3, 4, 5, 6, 7, 8}, true},
      {5, 3, {5, 6, 7, 8}, true},
      {6, 9, {6, 7, 8}, true},
  };
  for (const Case& c : cases) {
    const std::vector<int> shown = PagesOf(Draw(c.from, c.to));
    std::vector<int> own(shown.begin(), shown.begin() + std::min(shown.size(), c.pages.size()));
    EXPECT_EQ(own, c.pages) << c.from << "," << c.to;
    if (c.closing) {
      ASSERT_GT(shown.size(), c.pages.size()) << c.from << "," << c.to;
      EXPECT_EQ(shown[c.pages.size()], 0) << "the closing pages begin on a fresh page";
    } else {
      EXPECT_EQ(shown.size(), c.pages.size()) << c.from << "," << c.to << ": no page after";
    }
  }
  // From page 9 on, nothing of pages 1 to 8 is drawn: the document is the
  // closing pages' alone.
  for (const int from : {9, 10, 13}) {
    const platform::Document doc = Draw(from, 13);
    platform::DrawingCursor vs;
    vs.BeginDocument();
    affidavit::AffidavitPrintRun run{vs, pages, values, font, preparerMargin, 0, {}};
    affidavit::PrintLongFinDecPart2(run, from, 13);
    vs.EndDocument();
    const platform::Document closing = vs.TakeDocument();
    ASSERT_EQ(doc.pageCount(), closing.pageCount()) << from;
    for (int i = 0; i < doc.pageCount(); ++i)
      EXPECT_EQ(doc.pages[i].items.size(), closing.pages[i].items.size()) << from << " page " << i;
  }
}

TEST_F(LongFormPrinterTest, TopMarginFromThePreparersChoice) {
  for (auto [stored, top] : {std::pair{"", 1440.0}, std::pair{"onehalf", 1440.0},
                             std::pair{"OneHalf", 720.0}, std::pair{"One", 1440.0},
                             std::pair{"OneOneHalf", 2160.0}, std::pair{"Two", 1440.0}}) {
    preparerMargin = stored;
    const platform::Document doc = Draw(1, 8);
    ASSERT_EQ(doc.pageCount(), 8);
    for (int i = 0; i < 7; ++i) EXPECT_DOUBLE_EQ(TopOf(doc.pages[i]), top) << stored << i;
    // Page 8 begins with two empty lines at the 125 of page 7.
    EXPECT_NEAR(TopOf(doc.pages[7]), top + 2 * LineUnit() * 1.25, 0.01) << stored;
  }
}

TEST_F(LongFormPrinterTest, FooterEndsEveryPageInEightPoints) {
  font.FDFontSize = 12;  // the set-up prints in 9 points whatever was stored
  const platform::Document doc = Draw(1, 8);
  EXPECT_EQ(font.FDFontSize, 9);
  for (const Page& page : doc.pages) {
    const TextRun* footer = Find(page, kLongFormFooter);
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->position, QPointF(1440, 15048));
    EXPECT_DOUBLE_EQ(footer->font.size, 8);
    EXPECT_FALSE(footer->font.bold);
    EXPECT_EQ(page.textRuns().back(), footer) << "the footer is the last text of a page";
  }
  // Every other text of pages 1 to 7 is in the 9-point print font.
  for (int i = 0; i < 7; ++i)
    for (const TextRun* r : doc.pages[i].textRuns())
      if (r->text != kLongFormFooter) {
        EXPECT_DOUBLE_EQ(r->font.size, 9) << r->text.toStdString();
        EXPECT_EQ(r->font.name, "Tahoma");
      }
}

TEST_F(LongFormPrinterTest, ResetPrinterRunsOnceBeforeDrawing) {
  platform::DrawingCursor vs;
  vs.BeginDocument();
  int resets = 0;
  affidavit::AffidavitPrintRun run{vs, pages, values, font, {}, 0, [&] {
                                     EXPECT_TRUE(vs.document().pages[0].items.empty());
                                     ++resets;
                                   }};
  affidavit::PrintLongFinDec(run, 1, 2);
  EXPECT_EQ(resets, 1);
}

TEST_F(LongFormPrinterTest, ZeroTestBlanksThePrintedAmountOnly) {
  // Lines 1, 8, 9, 10 (page 2) and 25 (page 3) print 0 blank; every other
  // line prints it by its pattern.
  struct Case {
    int page;
    const char* number;
    int element;
    AffidavitValue value;
    const char* printed;
  } cases[] = {
      {2, "1.   ", 1, AffidavitValue::Of(0), ""},
      {2, "8.   ", 8, AffidavitValue::Of(-0.0), ""},
      {2, "9.   ", 9, AffidavitValue::Of(0), ""},
      {2, "10.   ", 10, AffidavitValue::Of(0), ""},
      {2, "1.   ", 1, AffidavitValue::Of(0.4), "$ 0"},
      {2, "1.   ", 1, AffidavitValue{}, ""},
      {2, "1.   ", 1, AffidavitValue::EmptyText(), ""},
      {2, "1.   ", 1, AffidavitValue::Of(4999.5), "$ 5,000"},
      {2, "2.   ", 2, AffidavitValue::Of(0), "$ 0"},
      {2, "17.   ", 17, AffidavitValue::Of(0), "$ 0"},
      {2, "2.   ", 2, AffidavitValue::Of(-250), "-$ 250"},
      {3, "25.   ", 25, AffidavitValue::Of(0), ""},
      {3, "25.   ", 25, AffidavitValue::Of(12.5), "$13"},
      {3, "26.   ", 26, AffidavitValue::Of(0), "$0"},
      {3, "18.   ", 18, AffidavitValue{}, ""},
      {3, "27.   ", 27, AffidavitValue::Of(1234567), "$1,234,567"},
  };
  for (const Case& c : cases) {
    values = {};
    values.FDIncomeValues[c.element] = c.value;
    const casevars::AffidavitValues before = values;
    const Page page = DrawPage(c.page);
    EXPECT_EQ(AmountOf(page, c.number), c.printed) << c.number << " " << c.value.number;
    EXPECT_EQ(values.FDIncomeValues, before.FDIncomeValues) << "printing changes no value";
    // The amount blank is underlined, printed or not.
    const TextRun* n = Find(page, c.number);
    const double start = c.page == 2 ? 1800 : End(n);
    EXPECT_TRUE(HasRule(page, start, 3240, Below(n, c.page == 2 ? 125 : 100))) << c.number;
  }
}

TEST_F(LongFormPrinterTest, PagesThatSetNoSpacingTakeThePreviousPagesOrTheSetUps) {
  // Pages 3 and 8 print at 100 when the run begins with them, at 125 after
  // pages 2 and 7; their X positions stay the same.
  for (auto [page, first, second] :
       {std::tuple{3, "PRESENT MONTHLY DEDUCTIONS:", "All amounts must be MONTHLY."},
        std::tuple{8, "A. ASSETS ", "If you have an equitable distribution schedule or balance "
                                    "sheet that includes the information below, "}}) {
    const Page alone = DrawPage(page);
    const Page after = Draw(page - 1, page).pages.at(1);
    const double lineFirst = page == 8 ? platform::TextMetrics({"Tahoma", 8.0}).height()
                                       : LineUnit();
    for (auto [drawn, spacing] : {std::pair{&alone, 100}, std::pair{&after, 125}}) {
      const TextRun* a = Find(*drawn, first);
      const TextRun* b = Find(*drawn, second);
      ASSERT_TRUE(a && b);
      EXPECT_NEAR(b->position.y() - a->position.y(), lineFirst * spacing / 100, 0.01) << page;
    }
    ASSERT_EQ(alone.textRuns().size(), after.textRuns().size());
    for (size_t i = 0; i < alone.textRuns().size(); ++i)
      EXPECT_DOUBLE_EQ(alone.textRuns()[i]->position.x(), after.textRuns()[i]->position.x());
  }
}

TEST_F(LongFormPrinterTest, PagesDrawTheSameWhereverTheRunBegins) {
  affidavit::ClearFinDecData(pages, 1);
  for (int i = 1; i <= 109; ++i) values.FDExpenseValues[i] = AffidavitValue::Of(i * 10);
  const platform::Document full = Draw(1, 13);
  for (auto [from, to] : {std::pair{3, 5}, std::pair{6, 8}}) {
    const platform::Document part = Draw(from, to);
    for (int page = from == 3 ? 4 : 6; page <= to; ++page) {
      const Page& a = part.pages.at(page - from);
      const Page& b = full.pages.at(page - 1);
      ASSERT_EQ(a.textRuns().size(), b.textRuns().size()) << page;
      for (size_t i = 0; i < a.textRuns().size(); ++i) {
        EXPECT_EQ(a.textRuns()[i]->text, b.textRuns()[i]->text);
        EXPECT_EQ(a.textRuns()[i]->position, b.textRuns()[i]->position) << page;
      }
      ASSERT_EQ(Rules(a).size(), Rules(b).size());
      for (size_t i = 0; i < Rules(a).size(); ++i) {
        EXPECT_EQ(Rules(a)[i]->from, Rules(b)[i]->from) << page;
        EXPECT_EQ(Rules(a)[i]->to, Rules(b)[i]->to) << page;
      }
    }
  }
}

TEST_F(LongFormPrinterTest, EveryPageStaysAboveTheFooterWithTheWidestMargin) {
  // A filled long form in the shipped face, top margin 1.5 inch.
  affidavit::ClearFinDecData(pages, 1);
  preparerMargin = "OneOneHalf";
  for (int i = 0; i <= 38; ++i) values.FDIncomeValues[i] = AffidavitValue::Of(1000000 + i);
  for (int i = 1; i <= 109; ++i) values.FDExpenseValues[i] = AffidavitValue::Of(100000 + i);
  for (int i = 1; i <= 16; ++i) values.FDNewExpenseValues[i] = AffidavitValue::Of(100000 + i);
  for (int i = 0; i <= 28; ++i) pages.SetText(E("S2T", i), "Description");
  for (int i = 0; i <= 24; ++i) pages.SetText(E("S1T", i), "Answer");
  const platform::Document doc = Draw(1, 8);
  ASSERT_EQ(doc.pageCount(), 8);
  for (int i = 0; i < 8; ++i) {
    double lowest = 0;
    for (const TextRun* r : doc.pages[i].textRuns())
      if (r->text != kLongFormFooter) lowest = std::max(lowest, r->rect().bottom());
    for (const LineItem* l : Rules(doc.pages[i])) lowest = std::max(lowest, l->from.y());
    EXPECT_LT(lowest, 15048) << "page " << i + 1;
  }
}

}  // namespace
