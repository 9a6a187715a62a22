#include <gtest/gtest.h>

#include <variant>

#include "platform/Fonts.h"
#include "platform/document/DocumentPage.h"
#include "platform/document/TextMetrics.h"

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

// A face wider than Tahoma prints small enough that no sample text is wider
// than in Tahoma; Tahoma and narrower faces keep their sizes.
TEST_F(DocumentPageTest, WideFaceScaleKeepsTahomasWidths) {
  EXPECT_DOUBLE_EQ(WideFaceScale("Tahoma"), 1);
  EXPECT_DOUBLE_EQ(WideFaceScale("Nimbus Sans Narrow"), 1);
  const QString samples[] = {"If you have an equitable distribution schedule", "SECTION III.  ASSETS",
                             "$ 1,234,567.89", "Dadudav Family Law Rules of Procedure Form 12.902(e)"};
  for (const QString face : {"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif"}) {
    const double scale = WideFaceScale(face);
    EXPECT_LT(scale, 1) << face.toStdString();
    SetDocumentFace(vs, face);
    EXPECT_EQ(vs.FontName(), face);
    EXPECT_DOUBLE_EQ(vs.FontScale(), scale);
    for (const QString& text : samples)
      EXPECT_LE(vs.TextWidth(text), TextMetrics({"Tahoma", 10}).width(text) * 1.03)
          << face.toStdString() << ": " << text.toStdString();
  }
  SetDocumentFace(vs, "Tahoma");
  EXPECT_DOUBLE_EQ(vs.FontScale(), 1);
}

// Lines as a form breaks them: a line that fits keeps its words; the words
// past the right edge start the next line after its indent; the last line's
// overflow goes on to a line of its own.
TEST_F(DocumentPageTest, CarriedLinesKeepWithinTheRightEdge) {
  const auto lineTexts = [this] {
    std::vector<QString> lines;
    double y = -1;
    for (const TextRun* r : vs.document().pages.back().textRuns()) {
      if (r->position.y() != y) lines.emplace_back();
      y = r->position.y();
      lines.back() += r->text;
      EXPECT_DOUBLE_EQ(r->position.x() == 1440 || lines.back() != r->text, true) << r->text.toStdString();
    }
    return lines;
  };
  const double right = 1440 + vs.TextWidth("one two three four");
  std::vector<std::vector<TextPiece>> lines = {
      {{"one two three"}},
      {{"four five "}, {"six seven", true}},
      {{"  eight"}},
      {{"nine ten eleven twelve"}}};
  vs.SetCurrentY(2000);
  EXPECT_EQ(PrintCarriedLines(vs, lines, 1440, right), 5);
  EXPECT_EQ(lineTexts(), (std::vector<QString>{"one two three", "four five six", "  seven eight",
                                                "nine ten eleven", "twelve"}));
  for (const TextRun* r : vs.document().pages.back().textRuns()) {
    EXPECT_LE(r->rect().right(), right + 0.01) << r->text.toStdString();
    EXPECT_EQ(r->font.bold, r->text == "six" || r->text == "seven") << r->text.toStdString();
  }
  EXPECT_DOUBLE_EQ(vs.CurrentY(), 2000 + 5 * vs.TextHeight("N"));
}

// A text that fits prints as it is; a wider one is set smaller on the same
// baseline so that it ends at the right edge given, and the size stays.
TEST_F(DocumentPageTest, FittedTextKeepsToItsBlank) {
  vs.SetCurrentX(2000);
  vs.SetCurrentY(3000);
  PrintFitted(vs, "Tallahassee", 6000);
  const double x = vs.CurrentX();
  PrintFitted(vs, "First National Bank of the Southern Counties", x + 1500);
  vs.PrintLine();
  const auto runs = vs.document().pages.back().textRuns();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_DOUBLE_EQ(runs[0]->font.size, 10);
  EXPECT_DOUBLE_EQ(runs[1]->position.x(), x);
  EXPECT_LT(runs[1]->font.size, 10);
  EXPECT_LE(runs[1]->rect().right(), x + 1500);
  EXPECT_GT(runs[1]->rect().right(), x + 1400);
  EXPECT_NEAR(runs[1]->position.y() + runs[1]->ascent, runs[0]->position.y() + runs[0]->ascent, 0.01);
  EXPECT_DOUBLE_EQ(vs.FontSize(), 10);
  EXPECT_DOUBLE_EQ(vs.CurrentY(), 3000 + TextMetrics({"Tahoma", 10}).height());
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
