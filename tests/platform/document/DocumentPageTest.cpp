#include <gtest/gtest.h>

#include <variant>

#include "platform/Fonts.h"
#include "platform/document/DocumentPage.h"

using namespace platform;

namespace {

class DocumentPageTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterTahomaIfMissing(); }
  void SetUp() override {
    vs.BeginDocument();
    vs.SetFontName("Tahoma");
    vs.SetFontSize(10);
  }
  std::vector<LineItem> Lines() const {
    std::vector<LineItem> lines;
    for (const PageItem& item : vs.document().pages.back().items)
      if (const auto* l = std::get_if<LineItem>(&item)) lines.push_back(*l);
    return lines;
  }
  DrawingCursor vs;
};

TEST_F(DocumentPageTest, TopMarginByThePreparersChoice) {
  struct Case {
    const char* stored;
    double margin;
  } cases[] = {{"OneHalf", 720}, {"One", 1440}, {"OneOneHalf", 2160}, {"", 1440},
               {"onehalf", 1440}, {"OneHalf ", 1440}, {"Two", 1440}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(TopMarginFor(c.stored), c.margin) << c.stored;
  // Documents that map one and a half inches otherwise pass their own figure.
  EXPECT_DOUBLE_EQ(TopMarginFor("OneOneHalf", 2016), 2016);
  EXPECT_DOUBLE_EQ(TopMarginFor("OneOneHalf", 1440), 1440);
  EXPECT_DOUBLE_EQ(TopMarginFor("OneHalf", 2016), 720);
}

TEST_F(DocumentPageTest, LineHeightAndCentringInTheCurrentFont) {
  const double h = LineHeight(vs);
  EXPECT_DOUBLE_EQ(h, vs.TextHeight("N"));
  vs.SetFontSize(20);
  EXPECT_GT(LineHeight(vs), h);
  const QString title = "NOTICE OF FILING";
  const double regular = CentredX(vs, title);
  EXPECT_DOUBLE_EQ(regular, (12240 - vs.TextWidth(title)) / 2);
  vs.SetFontBold(true);
  EXPECT_LT(CentredX(vs, title), regular);  // bold is wider, so it starts further left
}

TEST_F(DocumentPageTest, CutToWidthDropsCharactersFromTheRight) {
  const QString text = "1234 Long Street, Apartment 56";
  EXPECT_EQ(CutToWidth(vs, text, 100000), text);  // fits: unchanged
  EXPECT_EQ(CutToWidth(vs, "", 0), "");
  const double limit = vs.TextWidth("1234 Long");
  EXPECT_EQ(CutToWidth(vs, text, limit), "1234 Long");
  EXPECT_EQ(CutToWidth(vs, text, limit - 1), "1234 Lon");
  EXPECT_EQ(CutToWidth(vs, "W", vs.TextWidth("W") - 1), "");  // one wide character: nothing fits
}

TEST_F(DocumentPageTest, UnderlinedValueRunsUnderTheValueOrToTheGivenEnd) {
  vs.SetCurrentX(1440);
  vs.SetCurrentY(2000);
  vs.PrintText(" Name:  ");
  const double start = vs.CurrentX();
  const ValueSpan span = PrintUnderlinedValue(vs, "Jane Roe");
  EXPECT_DOUBLE_EQ(span.start, start);
  EXPECT_DOUBLE_EQ(span.end, start + vs.TextWidth("Jane Roe"));
  const double rowBottom = 2000 + vs.TextHeight("N");
  EXPECT_DOUBLE_EQ(vs.CurrentY(), rowBottom);
  vs.SetCurrentX(5640);
  PrintUnderlinedValue(vs, "", kPageRightEdge);  // an empty value still gets its rule
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].from, QPointF(span.start, rowBottom));
  EXPECT_EQ(lines[0].to, QPointF(span.end, rowBottom));
  EXPECT_EQ(lines[1].from.x(), 5640);
  EXPECT_EQ(lines[1].to.x(), 10800);
}

TEST_F(DocumentPageTest, WrappedTextKeepsWithinItsRightEdge) {
  const auto runs = [this] { return vs.document().pages.back().textRuns(); };
  const auto end = [](const TextRun* r) { return r->position.x() + r->size.width(); };
  // Text that fits prints as its pieces would, on one line.
  vs.SetCurrentX(1440);
  vs.SetCurrentY(2000);
  const TextPiece fits[] = {{"Spends "}, {"  12  ", true, true, true}, {"nights."}};
  EXPECT_EQ(PrintWrapped(vs, fits, 1440, 10800), 1);
  ASSERT_EQ(runs().size(), 3u);
  EXPECT_EQ(runs()[1]->text, "  12  ");
  EXPECT_TRUE(runs()[1]->font.bold && runs()[1]->font.underline);
  EXPECT_FALSE(runs()[2]->font.bold);
  EXPECT_DOUBLE_EQ(runs()[2]->position.x(), end(runs()[1]));
  EXPECT_DOUBLE_EQ(vs.CurrentY(), 2000 + vs.TextHeight("N"));

  // Broken between words at the right edge; further lines start at `left`;
  // the blank where a line breaks is not printed; a whole piece stays whole.
  vs.NewPage();
  vs.SetCurrentX(1540);
  vs.SetCurrentY(2000);
  const double right = 1540 + vs.TextWidth("The children spend the");
  const TextPiece pieces[] = {{"The children spend "},
                              {"  one hundred  ", true, true, true},
                              {"overnights with the Petitioner each year."}};
  EXPECT_EQ(PrintWrapped(vs, pieces, 1440, right, false), 4);
  std::vector<QString> texts;
  for (const TextRun* r : runs()) {
    texts.push_back(r->text);
    EXPECT_LE(end(r), right + 0.01) << r->text.toStdString();
  }
  EXPECT_EQ(texts, (std::vector<QString>{"The children spend", "  one hundred  ", "overnights with the",
                                         "Petitioner each year."}));
  EXPECT_DOUBLE_EQ(runs()[0]->position.x(), 1540);
  EXPECT_DOUBLE_EQ(runs()[1]->position.x(), 1440);
  EXPECT_DOUBLE_EQ(runs()[3]->position.y() - runs()[0]->position.y(), 3 * vs.TextHeight("N"));
  EXPECT_FALSE(vs.FontBold() || vs.FontUnderline());
  EXPECT_DOUBLE_EQ(vs.CurrentY(), runs()[3]->position.y());  // the last line left open

  // A word wider than the whole width stands alone on its line.
  vs.NewPage();
  vs.SetCurrentX(1440);
  const TextPiece wide[] = {{"a Supercalifragilistic b"}};
  EXPECT_EQ(PrintWrapped(vs, wide, 1440, 1440 + vs.TextWidth("Super")), 3);
  EXPECT_EQ(runs()[1]->text, "Supercalifragilistic");
}

TEST_F(DocumentPageTest, SplitAtWidthBreaksBetweenWords) {
  const QString text = " Multiply line 2 by  the percentage";
  using Split = std::pair<QString, QString>;
  EXPECT_EQ(SplitAtWidth(vs, text, vs.TextWidth(text)), Split(text, ""));  // fits
  EXPECT_EQ(SplitAtWidth(vs, text, vs.TextWidth(" Multiply line 2 by t")), Split(" Multiply line 2 by", "the percentage"));
  EXPECT_EQ(SplitAtWidth(vs, text, vs.TextWidth(" Multiply line 2")), Split(" Multiply line 2", "by  the percentage"));
  EXPECT_EQ(SplitAtWidth(vs, text, vs.TextWidth(" Mult")), Split(text, ""));  // its first word alone does not fit
}

TEST_F(DocumentPageTest, FooterAtItsPlaceAndSize) {
  PrintFooter(vs, " Form footer", 1180, 14760, 6);
  const auto runs = vs.document().pages.back().textRuns();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0]->position, QPointF(1180, 14760));
  EXPECT_DOUBLE_EQ(runs[0]->font.size, 6);
  EXPECT_DOUBLE_EQ(vs.CurrentY(), 14760 + vs.TextHeight("N"));
}

}  // namespace
