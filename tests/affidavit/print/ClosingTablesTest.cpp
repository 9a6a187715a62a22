// The tables of the closing pages: the long form's asset, liability and
// contingent tables (pages 9 to 12) and the short form's item tables and
// summary (pages 3 and 4).
#include "ClosingFixture.h"

namespace closingtest {
namespace {

using casevars::AffidavitValue;

class ClosingTablesTest : public ClosingFixture {
 public:
  // The text printed at x on the line of `r` ("" when nothing is).
  static QString CellAt(const Page& page, const TextRun* r, double x) {
    for (const TextRun* t : LineOf(page, r))
      if (std::abs(t->position.x() - x) < 0.5) return t->text;
    return "";
  }
  static std::vector<LineItem> VerticalAt(const Page& page, double x) {
    std::vector<LineItem> found;
    for (const LineItem& l : Lines(page))
      if (l.from.x() == l.to.x() && std::abs(l.from.x() - x) < 0.5) found.push_back(l);
    return found;
  }
};

TEST_F(ClosingTablesTest, AmountsInTheirFormat) {
  struct Case {
    AffidavitValue value;
    QString text;
  } cases[] = {{AffidavitValue::Of(1234), "$1,234"},    {AffidavitValue::Of(-1250), "-$1,250"},
               {AffidavitValue::Of(0), "$0"},           {AffidavitValue::Of(1234567.6), "$1,234,568"},
               {AffidavitValue::Of(0.4), "$0"},         {AffidavitValue{}, ""},
               {AffidavitValue::EmptyText(), ""}};
  for (const Case& c : cases) {
    values.FDAssetValues[3] = c.value;
    SetText("Form122", "S3T", 3, "Row three");
    const Page page = Draw(kLongForm, 9, 9).pages[0];
    EXPECT_EQ(CellAt(page, Find(page, "Row three"), 1440 + 6520), c.text) << c.text.toStdString();
  }
}

TEST_F(ClosingTablesTest, EmptyLongTablesKeepAllTheirRows) {
  const platform::Document doc = Draw(kLongForm, 9, 12);
  ASSERT_EQ(doc.pageCount(), 4);
  EXPECT_EQ(TableBodies(doc.pages[0]), std::vector<int>{31});
  EXPECT_EQ(TableBodies(doc.pages[1]), std::vector<int>{32});
  EXPECT_EQ(TableBodies(doc.pages[2]), std::vector<int>{27});
  EXPECT_EQ(TableBodies(doc.pages[3]), (std::vector<int>{5, 5}));
  // The frames and rules reach 11210, past the text's right edge.
  for (const Page& page : doc.pages) EXPECT_FALSE(Rules(page, 1440, kTableRight, 26).empty());
  // Empty totals print nothing.
  const TextRun* total = Find(doc.pages[1], " Total Fair Market Value of Marital Assets (add column B) ");
  ASSERT_TRUE(total);
  EXPECT_EQ(LineOf(doc.pages[1], total).size(), 1u);
}

TEST_F(ClosingTablesTest, AssetRowsAndTotals) {
  // Row 0 on page 9 and row 31 on page 10: column B moves 150 twips right.
  for (int row : {0, 31}) {
    SetValue("Form122", "S3c", row, 1);
    SetText("Form122", "S3T", row, QString("Asset %1").arg(row));
    SetText("Form122", "S3O", row, "Husband");
    values.FDAssetValues[row] = AffidavitValue::Of(1500);
    values.FDAssetPetitionerValues[row] = AffidavitValue::Of(200);
    values.FDAssetRespondentValues[row] = AffidavitValue::Of(-300);
  }
  SetValue("Form122", "S3c", 1, 2);  // greyed: no mark
  SetText("Form122", "S3T", 1, "Greyed");
  // Totals print as stored, not as the rows add up.
  values.FDAssetValues[63] = AffidavitValue::Of(999);
  values.FDAssetValues[64] = AffidavitValue::Of(0);
  const platform::Document doc = Draw(kLongForm, 9, 10);
  for (int p = 0; p < 2; ++p) {
    const Page& page = doc.pages[p];
    const TextRun* description = Find(page, QString("Asset %1").arg(p == 0 ? 0 : 31));
    ASSERT_TRUE(description);
    EXPECT_DOUBLE_EQ(description->position.x(), 1850);
    EXPECT_DOUBLE_EQ(description->font.size, 8);  // every row at one size
    EXPECT_EQ(CellAt(page, description, 1590), "X");
    const TextRun* owner = Find(page, "Husband");
    EXPECT_DOUBLE_EQ(owner->position.x(), 1440 + 5490);
    EXPECT_DOUBLE_EQ(owner->font.size, 6);
    EXPECT_EQ(CellAt(page, description, p == 0 ? 7960 : 8110), "$1,500");
    EXPECT_EQ(CellAt(page, description, 1440 + 7620), "$200");
    EXPECT_EQ(CellAt(page, description, 1440 + 8720), "-$300");
  }
  EXPECT_EQ(CellAt(doc.pages[0], Find(doc.pages[0], "Greyed"), 1590), " ");
  const Page& second = doc.pages[1];
  EXPECT_EQ(CellAt(second,
                   Find(second, " Total Fair Market Value of Marital Assets (add column B) "),
                   1440 + 6520),
            "$999");
  EXPECT_EQ(CellAt(second,
                   Find(second, " Total Fair Market Value of Nonmarital Assets (add column C) "),
                   1440 + 7620),
            "$0");
}

TEST_F(ClosingTablesTest, ColumnLinesOfTheTablePattern) {
  const platform::Document doc = Draw(kLongForm, 9, 10);
  for (int p = 0; p < 2; ++p) {
    const Page& page = doc.pages[p];
    const std::vector<double> heavy = Rules(page, 1440, kTableRight, 26);
    ASSERT_EQ(heavy.size(), 3u);
    const double top = heavy[0], headingBottom = heavy[1], bottom = heavy[2];
    const std::vector<double> thin = Rules(page, 1440, kTableRight, 4);
    // With totals, the lines other than column B's frames end at the totals box.
    const double totalsTop = p == 0 ? bottom : thin.back();
    struct Expect {
      double x;
      double from;
      double to;
    } lines[] = {{360, headingBottom, totalsTop}, {5470, top, totalsTop}, {6470, top, bottom},
                 {7570, top, bottom},             {8670, headingBottom, totalsTop}};
    for (const Expect& e : lines) {
      const auto found = VerticalAt(page, 1440 + e.x);
      ASSERT_EQ(found.size(), 1u) << e.x;
      EXPECT_DOUBLE_EQ(found[0].from.y(), e.from) << p << " " << e.x;
      EXPECT_DOUBLE_EQ(found[0].to.y(), e.to) << p << " " << e.x;
      EXPECT_DOUBLE_EQ(found[0].pen.width, 4);
    }
    for (double frame : {1440.0, kTableRight}) {
      const auto found = VerticalAt(page, frame);
      ASSERT_EQ(found.size(), 1u);
      EXPECT_DOUBLE_EQ(found[0].pen.width, 26);
      EXPECT_DOUBLE_EQ(found[0].to.y(), bottom);
    }
  }
}

TEST_F(ClosingTablesTest, LiabilitiesAndNetWorth) {
  SetText("Form122", "S4T", 0, "Mortgage, a long description wider than its column for sure");
  SetText("Form122", "S4D", 0, "Both");
  SetText("Form122", "S4Cr", 0, "First Bank");
  values.FDLiabilityValues[0] = AffidavitValue::Of(80000);
  values.FDLiabilityValues[27] = AffidavitValue::Of(81000);
  values.FDLiabilityValues[43] = AffidavitValue::Of(5);
  values.FDLiabilityValues[40] = AffidavitValue::Of(1000);
  values.FDLiabilityValues[41] = AffidavitValue::Of(1250);
  values.FDLiabilityValues[42] = AffidavitValue::Of(-250);  // stored, not recomputed
  SetText("Form122", "S4T", 30, "Inheritance");
  values.FDLiabilityValues[30] = AffidavitValue::Of(7000);
  values.FDLiabilityValues[33] = AffidavitValue::Of(7000);
  values.FDLiabilityValues[39] = AffidavitValue::Of(12);
  const platform::Document doc = Draw(kLongForm, 11, 12);
  const Page& liabilities = doc.pages[0];
  const TextRun* row = Find(liabilities, "Mortgage, a long description wider than its column for sure");
  ASSERT_TRUE(row);
  EXPECT_EQ(CellAt(liabilities, row, 1440 + 4770), "Both");
  EXPECT_EQ(CellAt(liabilities, row, 1440 + 5630), "First Bank");
  EXPECT_DOUBLE_EQ(Find(liabilities, "First Bank")->font.size, 6);
  EXPECT_EQ(CellAt(liabilities, row, 1440 + 6520), "$80,000");
  // The liability totals sit 200 twips inside their columns.
  const TextRun* marital =
      Find(liabilities, " Total Amount Owed on Marital Liabilities (add column B) ");
  ASSERT_TRUE(marital);
  EXPECT_DOUBLE_EQ(marital->position.x(), 1440 + 360);
  EXPECT_EQ(CellAt(liabilities, marital, 1440 + 6670), "$81,000");
  EXPECT_EQ(CellAt(liabilities,
                   Find(liabilities, " Total Amount Owed on Nonmarital Liabilities (add column C) "),
                   1440 + 7770),
            "$5");

  const Page& netWorth = doc.pages[1];
  const TextRun* label = Find(netWorth, "TOTAL NET WORTH (Total Assets minus Total Liabilities)");
  ASSERT_TRUE(label);
  EXPECT_TRUE(label->font.bold);
  EXPECT_DOUBLE_EQ(label->position.x(), 1440 + 1944);
  EXPECT_EQ(CellAt(netWorth, label, 1440), "-$250");
  const std::vector<double> blanks = Rules(netWorth, 1440, 3240, 4);
  ASSERT_EQ(blanks.size(), 3u);
  EXPECT_NEAR(blanks[2], label->position.y() + Advance(9, 125), 0.01);
  const TextRun* remark = Find(netWorth, "(enter total of Column B in Asset Table; Section A) ");
  ASSERT_TRUE(remark);
  EXPECT_FALSE(remark->font.bold);
  EXPECT_EQ(CellAt(netWorth, remark, 1440), "$1,000");
  // The contingent tables: the asset totals 200 inside, the liability totals 50.
  EXPECT_EQ(CellAt(netWorth, Find(netWorth, "Inheritance"), 1440 + 6520), "$7,000");
  EXPECT_EQ(
      CellAt(netWorth,
             Find(netWorth, " Total Possible Value of Marital Contingent Assets (add column B)"),
             1440 + 6670),
      "$7,000");
  EXPECT_EQ(
      CellAt(netWorth,
             Find(netWorth, " Total Possible Amount Owed on Contingent Liabilities (add column B)"),
             1440 + 6520),
      "$12");
  // Contingent-asset heading puts "Petitioner" at 7620, the others at 7570.
  EXPECT_DOUBLE_EQ(Find(netWorth, "Petitioner", 0)->position.x(), 1440 + 7620);
  EXPECT_DOUBLE_EQ(Find(netWorth, "Petitioner", 1)->position.x(), 1440 + 7570);
  // The blank lines between the contingent tables are 8-point lines.
  const std::vector<double> heavy = Rules(netWorth, 1440, kTableRight, 26);
  ASSERT_EQ(heavy.size(), 6u);
  EXPECT_NEAR(heavy[3] - heavy[2], 2 * Advance(8, 125), 0.01);
}

TEST_F(ClosingTablesTest, ShortItemTablesListOnlyRowsWithAnAmount) {
  struct Case {
    std::vector<int> assetRows;       // rows with an amount
    std::vector<int> contingentRows;  // contingent asset rows with an amount
    std::vector<int> bodies;          // page 3's assets; page 4's debts and contingent tables
  } cases[] = {
      {{}, {}, {18, 18, 4, 4}},
      {{2, 5, 9}, {28, 30, 32}, {18, 18, 4, 4}},
      {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}, {28, 29, 30, 31, 32},
       {18, 18, 5, 4}},
      {{}, {28, 29, 30, 31}, {18, 18, 4, 4}},
  };
  for (const Case& c : cases) {
    values = {};
    for (int i : c.assetRows) values.FDAssetValues[i] = AffidavitValue::Of(100 + i);
    for (int i : c.contingentRows) values.FDLiabilityValues[i] = AffidavitValue::Of(i);
    const platform::Document doc = Draw(kShortForm, 3, 4);
    std::vector<int> bodies = TableBodies(doc.pages[0]);
    for (int n : TableBodies(doc.pages[1])) bodies.push_back(n);
    EXPECT_EQ(bodies, c.bodies) << c.assetRows.size() << " " << c.contingentRows.size();
  }
}

TEST_F(ClosingTablesTest, ShortItemRowsPackInIndexOrder) {
  // Row 1 has a description and marks but no amount: left out.
  SetText("Form123", "S3T", 1, "No amount");
  SetValue("Form123", "S3c", 1, 1);
  SetText("Form123", "S3T", 4, "Car");
  values.FDAssetValues[4] = AffidavitValue::Of(0);
  SetValue("Form123", "s3ch", 4, 1);
  values.FDAssetValues[9] = AffidavitValue::Of(2500);  // no description
  SetValue("Form123", "S3c", 9, 1);
  SetValue("Form123", "s3cw", 9, 1);
  values.FDAssetValues[63] = AffidavitValue::Of(77);
  const Page page = Draw(kShortForm, 3, 3).pages[0];
  EXPECT_FALSE(Find(page, "No amount"));
  const TextRun* car = Find(page, "Car");
  ASSERT_TRUE(car);
  EXPECT_DOUBLE_EQ(car->position.x(), 2000);
  EXPECT_EQ(CellAt(page, car, 7830), "$0");
  EXPECT_EQ(CellAt(page, car, 1590), " ");
  EXPECT_EQ(CellAt(page, car, 9210), "X");
  EXPECT_EQ(CellAt(page, car, 10340), " ");
  // The next printed row is the one right below.
  const TextRun* amount = Find(page, "$2,500");
  ASSERT_TRUE(amount);
  EXPECT_NEAR(amount->position.y() - car->position.y(), Advance(9, 100), 0.01);
  EXPECT_EQ(CellAt(page, amount, 1590), "X");
  EXPECT_EQ(CellAt(page, amount, 10340), "X");
  const TextRun* total = Find(page, " Total Assets ");
  ASSERT_TRUE(total);
  EXPECT_TRUE(total->font.bold);
  EXPECT_EQ(LineText(page, total), " Total Assets (add next column)$77");
  EXPECT_TRUE(Find(page, "$77")->font.bold);
  EXPECT_FALSE(Find(page, "(add next column)")->font.bold);
}

TEST_F(ClosingTablesTest, ShortHeadingsAndContingentTotals) {
  values.FDLiabilityValues[33] = AffidavitValue::Of(3);
  const platform::Document doc = Draw(kShortForm, 3, 4);
  // Three shaded boxes per table, five lines each, the third covering the overlap.
  for (const Page& page : doc.pages) {
    std::vector<QRectF> boxes;
    for (const auto& item : page.items)
      if (const auto* b = std::get_if<platform::ShadedTextBox>(&item)) boxes.push_back(b->rect);
    ASSERT_FALSE(boxes.empty());
    for (std::size_t i = 0; i < boxes.size(); i += 3) {
      EXPECT_EQ(boxes[i], QRectF(1440, boxes[i].top(), 6190, 5 * Advance(9, 100)));
      EXPECT_EQ(boxes[i + 1].left(), 7630);
      EXPECT_EQ(boxes[i + 2], QRectF(9010, boxes[i].top(), 2140, 5 * Advance(9, 100)));
    }
  }
  EXPECT_TRUE(Find(doc.pages[0], "   (Check correct column) "));
  EXPECT_TRUE(Find(doc.pages[1], "   (check correct column)"));
  EXPECT_TRUE(Find(doc.pages[1], "  (check correct column)"));
  const TextRun* total = Find(doc.pages[1], " Total Contingent Assets");
  ASSERT_TRUE(total);
  EXPECT_EQ(LineText(doc.pages[1], total), " Total Contingent Assets$3");
  EXPECT_TRUE(Find(doc.pages[1], "$3")->font.bold);
  EXPECT_EQ(Count(doc.pages[1], " POSSIBLE assets ") + Count(doc.pages[1], " POSSIBLE"), 2);
  EXPECT_TRUE(Find(doc.pages[1], "liabilities ")->font.bold);
}

TEST_F(ClosingTablesTest, SummaryLines) {
  values.FDExpenseValues[106] = AffidavitValue::Of(4321.5);
  values.FDExpenseValues[107] = AffidavitValue::Of(5000);
  values.FDExpenseValues[108] = AffidavitValue::Of(0);
  values.FDExpenseValues[109] = AffidavitValue::Of(678);  // not checked against lines 29, 30
  const Page page = Draw(kShortForm, 3, 3).pages[0];
  struct Case {
    const char* number;
    const char* amount;
    bool bold;
  } cases[] = {{"29. ", "$4,322", false}, {"30. ", "$5,000", false}, {"31. ", "$0", false},
               {"32. ", "$678", true}};
  for (const Case& c : cases) {
    const TextRun* number = Find(page, c.number);
    ASSERT_TRUE(number) << c.number;
    EXPECT_DOUBLE_EQ(number->position.x(), 1440);
    EXPECT_EQ(number->font.bold, c.bold) << c.number;
    const double amountX = 1440 + number->size.width();
    EXPECT_EQ(CellAt(page, number, amountX), c.amount);
    // The rule under the amount runs from its first character to 3240.
    bool ruled = false;
    for (const LineItem& l : Lines(page))
      ruled |= std::abs(l.from.x() - amountX) < 0.5 && l.to.x() == 3240 &&
               std::abs(l.from.y() - number->position.y() - Advance(9, 100)) < 0.5;
    EXPECT_TRUE(ruled) << c.number;
  }
  EXPECT_TRUE(Find(page, "SECTION III.  ASSETS AND LIABILITIES"));
}

// Section III's introduction keeps within the right text edge in the small
// print of the form, its words all there and the bold parts bold.
TEST_F(ClosingTablesTest, SectionThreeIntroductionKeepsWithinTheRightEdge) {
  const Page page = Draw(kShortForm, 3, 3).pages[0];
  const TextRun* heading = Find(page, "SECTION III.  ASSETS AND LIABILITIES");
  const TextRun* assets = Find(page, "A. ASSETS: ");
  ASSERT_TRUE(heading && assets);
  QString text, bold;
  double lineY = -1;
  for (const TextRun* r : page.textRuns()) {
    if (r->position.y() <= heading->position.y() || r->position.y() >= assets->position.y()) continue;
    EXPECT_LE(r->position.x() + r->size.width(), 10800.5) << r->text.toStdString();
    EXPECT_DOUBLE_EQ(r->font.size, 8);
    if (r->position.y() != lineY) {
      if (!text.isEmpty() && !text.endsWith(' ')) text += ' ';
      EXPECT_DOUBLE_EQ(r->position.x(), 1440) << r->text.toStdString();
    }
    lineY = r->position.y();
    text += r->text;
    if (r->font.bold) bold += r->text;
  }
  EXPECT_EQ(text.toStdString(),
            " Use the nonmarital column only if this is a petition for dissolution of marriage and you "
            "believe an item is 'nonmarital', meaning it belongs to only one of you and should not be "
            "divided.   You should indicate to whom you believe the item(s) of debt belongs. (Typically, "
            "you will only use this column if property/debt was owned/owed by one spouse before the "
            "marriage. See the 'General Information for Self-Represented Litigants' found at the "
            "beginning of these forms and section 61.075(1), Dadudav Statutes, for definitions of "
            "'marital' and 'nonmarital' assets and liabilities.)");
  EXPECT_TRUE(bold.startsWith(" Use the nonmarital column") && bold.contains("should not be divided.") &&
              bold.contains("'General Information for Self-Represented Litigants'") &&
              !bold.contains("You should"))
      << bold.toStdString();
}

}  // namespace
}  // namespace closingtest
