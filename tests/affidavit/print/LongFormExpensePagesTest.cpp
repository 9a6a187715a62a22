// Long form pages 4 to 8: Section II's item lines against the form's line
// tables, the headings and count lines, the summary and page 8's styled text.
#include <set>

#include "affidavit/calc/AffidavitCalc.h"
#include "affidavit/calc/ClearAffidavit.h"
#include "LongFormFixture.h"

using namespace longformtest;
using casevars::AffidavitValue;

namespace {

// One item line as the form lays it out: its page, number text, the box its
// label comes from (or the first printed label run), its amount element
// ('E' expense values, 'N' newer lines), and whether a writing line runs
// under its description.
struct Row {
  int page;
  QString number;
  QString label;
  char array;
  int element;
  bool description = false;
};

QString Number(int page, int n) {
  return QString::number(n) + (page == 4 && n < 10 ? "." + QString(4, ' ') : "." + QString(3, ' '));
}

// `count` lines from item `first` whose labels are boxes `box`(from) on.
void Add(std::vector<Row>& rows, int page, int first, int count, const char* box, int from,
         char array, int element, bool description = false) {
  for (int i = 0; i < count; ++i)
    rows.push_back({page, Number(page, first + i), QString("%1 %2").arg(box).arg(from + i), array,
                    element + i, description});
}

std::vector<Row> FormRows() {
  std::vector<Row> r;
  // Page 4: household.
  Add(r, 4, 1, 16, "S2N", 0, 'E', 1);
  Add(r, 4, 17, 1, "S2NNew", 1, 'N', 1);
  Add(r, 4, 18, 3, "S2N", 16, 'E', 17);
  Add(r, 4, 21, 1, "S2NNew", 2, 'N', 2);
  Add(r, 4, 22, 5, "S2T", 0, 'E', 20, true);
  r.push_back({4, "27.   ", " SUBTOTAL ", 'E', 25});
  // Page 5: automobile, children common to both parties.
  Add(r, 5, 28, 1, "S2N", 19, 'E', 26);
  Add(r, 5, 29, 1, "S2NNew", 3, 'N', 3);
  Add(r, 5, 30, 7, "S2N", 20, 'E', 27);
  Add(r, 5, 37, 1, "S2NNew", 4, 'N', 4);
  r.push_back({5, "38.   ", "Other: ", 'E', 34, true});
  r.push_back({5, "39.   ", " SUBTOTAL", 'E', 35});
  Add(r, 5, 40, 21, "S2N", 27, 'E', 36);
  Add(r, 5, 61, 3, "S2NNew", 5, 'N', 5);
  Add(r, 5, 64, 1, "S2N", 48, 'E', 57);
  r.push_back({5, "65.   ", "SUBTOTAL", 'E', 58});
  // Page 6: children from another relationship, insurance, other expenses.
  Add(r, 6, 66, 4, "S2T", 6, 'E', 59, true);
  r.push_back({6, "70.   ", "SUBTOTAL", 'E', 63});
  r.push_back({6, "71.   ", "S2N 67", 'E', 64});
  r.push_back({6, "72.   ", "S2N 66", 'E', 65});
  r.push_back({6, "73.   ", "S2N 65", 'E', 66});
  Add(r, 6, 74, 3, "S2NNew", 8, 'N', 8);
  Add(r, 6, 77, 2, "S2T", 10, 'E', 67, true);
  r.push_back({6, "79.   ", "SUBTOTAL ", 'E', 69});
  Add(r, 6, 80, 12, "S2N", 49, 'E', 70);
  Add(r, 6, 92, 3, "S2NNew", 11, 'N', 11);
  r.push_back({6, "95a.   ", "S2NNew 14", 'N', 14});
  r.push_back({6, "95b.   ", "S2NNew 15", 'N', 15});
  r.push_back({6, "96.   ", "S2NNew 16", 'N', 16});
  Add(r, 6, 97, 4, "S2N", 61, 'E', 82);
  Add(r, 6, 101, 4, "S2T", 12, 'E', 86, true);
  r.push_back({6, "105.   ", "SUBTOTAL", 'E', 90});
  // Page 7: creditors, total, summary.
  Add(r, 7, 106, 13, "S2T", 16, 'E', 91, true);
  r.push_back({7, "119.   ", "SUBTOTAL", 'E', 104});
  r.push_back({7, "120.   ", "TOTAL MONTHLY EXPENSES:", 'E', 105});
  r.push_back({7, "121.   ", "TOTAL PRESENT MONTHLY NET INCOME", 'E', 106});
  r.push_back({7, "122.   ", "TOTAL MONTHLY EXPENSES", 'E', 107});
  r.push_back({7, "123.   ", "SURPLUS", 'E', 108});
  r.push_back({7, "124.   ", "(DEFICIT)", 'E', 109});
  return r;
}

class LongFormExpensePagesTest : public LongFormFixture {
 protected:
  static int SpacingOf(int page) { return page == 6 ? 120 : 125; }
  static QString AmountText(char array, int element) {
    return array == 'E' ? QString("$%1").arg(element) : QString("$%1").arg(800 + element);
  }
  // Labels that name their box, element k holding k (newer lines 800 + k).
  void FillMarkedBoxes() {
    for (int i = 0; i <= 67; ++i) pages.SetText(E("S2N", i), QString("S2N %1").arg(i));
    for (int i = 1; i <= 16; ++i) pages.SetText(E("S2NNew", i), QString("S2NNew %1").arg(i));
    for (int i = 0; i <= 28; ++i) pages.SetText(E("S2T", i), QString("S2T %1").arg(i));
    for (int i = 1; i <= 109; ++i) values.FDExpenseValues[i] = AffidavitValue::Of(i);
    for (int i = 1; i <= 16; ++i) values.FDNewExpenseValues[i] = AffidavitValue::Of(800 + i);
  }
};

TEST_F(LongFormExpensePagesTest, ItemLinesFollowTheFormsTables) {
  FillMarkedBoxes();
  const platform::Document doc = Draw(4, 7);
  ASSERT_EQ(doc.pageCount(), 4);
  const std::vector<Row> rows = FormRows();
  EXPECT_EQ(rows.size(), 27u + 38u + 41u + 19u);  // items 1 to 124 with 95a and 95b
  for (const Row& row : rows) {
    const Page& page = doc.pages[row.page - 4];
    const std::string where = row.number.toStdString();
    const TextRun* n = Find(page, row.number);
    ASSERT_TRUE(n) << where;
    EXPECT_FALSE(Find(page, row.number, 1)) << where;
    EXPECT_DOUBLE_EQ(n->position.x(), 1440) << where;
    EXPECT_FALSE(n->font.bold) << where;
    EXPECT_EQ(LabelOf(page, row.number), row.label) << where;
    EXPECT_EQ(AmountOf(page, row.number), AmountText(row.array, row.element)) << where;
    const double y = Below(n, SpacingOf(row.page));
    EXPECT_TRUE(HasRule(page, End(n), 3240, y)) << where;
    const TextRun* label = nullptr;
    for (const TextRun* t : LineOf(page, n))
      if (t->position.x() == 3384) label = t;
    const double descriptionStart = row.number == "38.   " ? End(label) : 3384;
    EXPECT_EQ(HasRule(page, descriptionStart, 10800, y), row.description) << where;
  }
  // Line 38's description follows "Other: ".
  EXPECT_EQ(LineOf(doc.pages[1], Find(doc.pages[1], "Other: ")).back()->text, "S2T 5");
}

TEST_F(LongFormExpensePagesTest, ZeroAndEmptyAmountsOnTheExpensePages) {
  values.FDExpenseValues[1] = AffidavitValue::Of(0);
  values.FDExpenseValues[25] = AffidavitValue::Of(0);
  values.FDExpenseValues[2] = AffidavitValue::Of(1234.5);
  values.FDExpenseValues[108] = AffidavitValue::Of(310);
  values.FDExpenseValues[109] = AffidavitValue::Of(0);
  values.FDNewExpenseValues[1] = AffidavitValue::EmptyText();
  const casevars::AffidavitValues before = values;
  const platform::Document doc = Draw(4, 7);
  EXPECT_EQ(AmountOf(doc.pages[0], "1.    "), "$0");
  EXPECT_EQ(AmountOf(doc.pages[0], "27.   "), "$0");
  EXPECT_EQ(AmountOf(doc.pages[0], "2.    "), "$1,235");
  EXPECT_EQ(AmountOf(doc.pages[0], "3.    "), "");
  EXPECT_EQ(AmountOf(doc.pages[0], "17.   "), "");
  EXPECT_EQ(AmountOf(doc.pages[3], "123.   "), "$310");
  EXPECT_EQ(AmountOf(doc.pages[3], "124.   "), "$0");
  EXPECT_EQ(values.FDExpenseValues, before.FDExpenseValues);
  EXPECT_EQ(values.FDNewExpenseValues, before.FDNewExpenseValues);
}

TEST_F(LongFormExpensePagesTest, ClearedLongFormPrintsDefaultLabelsAndBlankAmounts) {
  pages.SetText(E("S2N", 0), "Rent");
  pages.SetText(E("Text1", 2), "3");
  affidavit::ClearFinDecData(pages, 1);
  affidavit::AssignFDVars(pages, 1, values);
  affidavit::CalculateFinDec(pages, 1, values);
  const platform::Document doc = Draw(4, 7);
  EXPECT_EQ(LabelOf(doc.pages[0], "1.    "), " Mortgage or rent payments");
  EXPECT_EQ(LabelOf(doc.pages[0], "21.   "),
            " Communication technology/remote working subscriptions");
  EXPECT_EQ(LabelOf(doc.pages[0], "22.   "), "");
  EXPECT_EQ(LabelOf(doc.pages[1], "29.   "), " Electric car charging (outside of the home)");
  EXPECT_EQ(LabelOf(doc.pages[1], "64.   "), " Other");
  EXPECT_EQ(LabelOf(doc.pages[2], "71.   "),
            " Health insurance (if not listed on Lines 23 of deductions or 50 expenses)");
  EXPECT_EQ(LabelOf(doc.pages[2], "73.   "),
            " Dental insurance (if not listed on Lines 23 of deductions or 50 expenses)");
  EXPECT_EQ(LabelOf(doc.pages[2], "94.   "), " Tobacco, alcohol, and vaping");
  EXPECT_EQ(LabelOf(doc.pages[3], "106.   "), "");
  // Items print no amount; the totals print what the calculation left.
  for (const Page& page : doc.pages)
    for (const TextRun* r : page.textRuns()) {
      if (r->text.startsWith("$")) {
        EXPECT_EQ(r->text, "$0");
      }
    }
  EXPECT_EQ(AmountOf(doc.pages[0], "27.   "), "$0");
  EXPECT_EQ(AmountOf(doc.pages[0], "1.    "), "");
  // The count lines end after the question's blank.
  const TextRun* autos = Find(doc.pages[1], "List the number of automobiles for which you incur "
                                            "expenses: ");
  ASSERT_TRUE(autos);
  EXPECT_EQ(LineOf(doc.pages[1], autos).size(), 1u);
}

TEST_F(LongFormExpensePagesTest, HeadingsAndCountLines) {
  const char* const counts[] = {"one", "2", "", "1 + a cottage"};
  for (int i = 0; i < 4; ++i) pages.SetText(E("Text1", i), counts[i]);
  const platform::Document doc = Draw(4, 7);
  // Each question at the left margin with the count as typed straight after it,
  // the long ones broken between words onto a second line that starts there too.
  struct Count {
    int page;
    const char* question;
    const char* count;
  } lines[] = {
      {4, "List the number of additional households for which you incur expenses: ",
       "1 + a cottage"},
      {5, "List the number of automobiles for which you incur expenses: ", ""},
      {5, "List the number of minor or dependent children as defined in Section 743.07(2) DV "
          "Statutes common to both parties: ",
       "2"},
      {6, "List the number of minor or dependent children as defined in Dv Statutes Section "
          "743.07(2) from another relationship: ",
       "one"},
  };
  for (const Count& c : lines) {
    const Page& page = doc.pages[c.page - 4];
    const QString question = QString::fromLatin1(c.question);
    const TextRun* q = nullptr;
    for (const TextRun* r : page.textRuns())
      if (!q && question.startsWith(r->text.trimmed()) && r->text.size() > 20) q = r;
    ASSERT_TRUE(q) << c.question;
    // The runs of the question's line and of the next, in order.
    QString text;
    const TextRun* previous = nullptr;
    for (const TextRun* r : page.textRuns()) {
      const double line = std::round((r->position.y() - q->position.y()) / LineUnit());
      if (line < 0 || line > 1 || r->position.y() < q->position.y() - 0.5) continue;
      if (!previous || !SameLine(previous, r)) {
        EXPECT_DOUBLE_EQ(r->position.x(), 1440) << r->text.toStdString();
        if (previous && !text.endsWith(' ')) text += ' ';
      } else {
        EXPECT_DOUBLE_EQ(r->position.x(), End(previous)) << r->text.toStdString();
      }
      text += r->text;
      previous = r;
    }
    EXPECT_TRUE(text.startsWith(question + QString::fromLatin1(c.count))) << text.toStdString();
  }
  // Bold headings at the left margin, the heavy rules of Section II's heading.
  for (auto [page, heading] :
       {std::pair{4, "SECTION II.  AVERAGE MONTHLY EXPENSES"}, std::pair{4, "PRIMARY HOUSEHOLD:"},
        std::pair{4, "Expenses. "}, std::pair{5, "AUTOMOBILE:"},
        std::pair{5, "MONTHLY EXPENSES FOR MINOR OR DEPENDENT CHILDREN COMMON TO BOTH PARTIES: "},
        std::pair{6, "MONTHLY EXPENSES FOR MINOR OR DEPENDENT CHILD(REN) FROM ANOTHER "
                     "RELATIONSHIP"},
        std::pair{6, "MONTHLY INSURANCE:"}, std::pair{6, "OTHER MONTHLY EXPENSES NOT LISTED ABOVE:"},
        std::pair{7, "MONTHLY PAYMENTS TO CREDITORS: "}, std::pair{7, "SUMMARY"}}) {
    const TextRun* h = Find(doc.pages[page - 4], heading);
    ASSERT_TRUE(h) << heading;
    EXPECT_TRUE(h->font.bold) << heading;
    EXPECT_DOUBLE_EQ(h->position.x(), 1440) << heading;
  }
  const Page& four = doc.pages[0];
  const TextRun* section = Find(four, "SECTION II.  AVERAGE MONTHLY EXPENSES");
  EXPECT_TRUE(HasRule(four, 1440, 10800, section->position.y()));
  EXPECT_TRUE(HasRule(four, 1440, 10800, Below(section, 125)));
  for (const LineItem* l : Rules(four))
    EXPECT_EQ(l->pen.width, l->to.x() == 10800 && l->from.x() == 1440 ? 26 : 4);
  EXPECT_FALSE(Find(four, "Other:")->font.bold);
  EXPECT_DOUBLE_EQ(Find(four, "Other:")->position.x(), 3384);
}

// A filled form keeps to the right edge on every expense page, the count
// lines broken between words where needed, and page 6 ends above its footer
// under the deepest top margin.
TEST_F(LongFormExpensePagesTest, ExpensePagesKeepWithinTheRightEdge) {
  affidavit::ClearFinDecData(pages, 1);
  for (int i = 0; i < 4; ++i) pages.SetText(E("Text1", i), "2");
  for (int i = 0; i <= 28; ++i) pages.SetText(E("S2T", i), "Tutoring and lessons");
  for (int i = 1; i <= 109; ++i) values.FDExpenseValues[i] = AffidavitValue::Of(1000 + i);
  for (int i = 1; i <= 16; ++i) values.FDNewExpenseValues[i] = AffidavitValue::Of(2000 + i);
  preparerMargin = "OneOneHalf";
  const platform::Document doc = Draw(4, 7);
  ASSERT_EQ(doc.pageCount(), 4);
  for (int i = 0; i < doc.pageCount(); ++i)
    for (const TextRun* r : doc.pages[i].textRuns())
      EXPECT_LE(End(r), 10800.5) << "page " << i + 4 << ": " << r->text.toStdString();
  const Page& six = doc.pages[2];
  const TextRun* count = Find(six, "List the number of minor or dependent children as defined in Dv "
                                   "Statutes Section 743.07(2) from another");
  ASSERT_TRUE(count);
  const auto next = LineOf(six, Find(six, "relationship: "));
  ASSERT_EQ(next.size(), 2u);
  EXPECT_DOUBLE_EQ(next[0]->position.x(), 1440);
  EXPECT_EQ(next[1]->text, "2");
  EXPECT_NEAR(next[0]->position.y() - count->position.y(), LineUnit(), 0.01);
  double lowest = 0;
  for (const TextRun* r : six.textRuns())
    if (r->text != affidavit::kLongFormFooter) lowest = std::max(lowest, r->rect().bottom());
  EXPECT_LT(lowest, affidavit::kFooterY);
}

TEST_F(LongFormExpensePagesTest, PageSixOtherHeadingsSitCloserToTheirLines) {
  const Page page = DrawPage(6);
  for (auto [heading, next] :
       {std::pair{" Other: ", "77.   "},
        std::pair{"Other: (include any regular and recurring expenses not otherwise listed "
                  "above)",
                  "101.   "}}) {
    const TextRun* h = Find(page, heading);
    ASSERT_TRUE(h) << heading;
    EXPECT_DOUBLE_EQ(h->position.x(), 3384);
    EXPECT_FALSE(h->font.bold);
    EXPECT_NEAR(Find(page, next)->position.y() - h->position.y(), LineUnit() * 1.2 - 100, 0.01);
  }
  // The three lines under the first heading are spaced at 100, the rest at 120.
  const TextRun* top = Find(page, "MONTHLY EXPENSES FOR MINOR OR DEPENDENT CHILD(REN) FROM "
                                  "ANOTHER RELATIONSHIP");
  const TextRun* note = Find(page, " (other than court-ordered child support)");
  EXPECT_NEAR(note->position.y() - top->position.y(), 3 * LineUnit(), 0.01);  // a two-line count line
  EXPECT_NEAR(Find(page, "67.   ")->position.y() - Find(page, "66.   ")->position.y(),
              LineUnit() * 1.2, 0.01);
}

TEST_F(LongFormExpensePagesTest, AmountsMoveWithTheWidthOfTheNumberText) {
  UseFixedPitch();
  FillMarkedBoxes();
  const double cell = WidthOf("0");
  const platform::Document doc = Draw(4, 7);
  for (auto [page, number, chars] :
       {std::tuple{4, "1.    ", 6}, std::tuple{4, "27.   ", 6}, std::tuple{6, "94.   ", 6},
        std::tuple{6, "95a.   ", 7}, std::tuple{6, "95b.   ", 7}, std::tuple{6, "100.   ", 7},
        std::tuple{6, "105.   ", 7}, std::tuple{7, "124.   ", 7}}) {
    const Page& p = doc.pages[page - 4];
    const TextRun* n = Find(p, number);
    ASSERT_TRUE(n) << number;
    const auto line = LineOf(p, n);
    EXPECT_NEAR(line[1]->position.x(), 1440 + chars * cell, 0.01) << number;
  }
}

TEST_F(LongFormExpensePagesTest, SubtotalsAndSummaryLabels) {
  const platform::Document doc = Draw(4, 7);
  struct Label {
    int page;
    const char* number;
    std::vector<std::pair<QString, bool>> runs;  // text at 3384 on, bold or not
    const char* continuation;
  } labels[] = {
      {4, "27.   ", {{" SUBTOTAL ", true}, {"(add lines 1 through 26)", false}}, nullptr},
      {5, "39.   ", {{" SUBTOTAL", true}, {" (add lines 28 through 38)", false}}, nullptr},
      {5, "65.   ", {{"SUBTOTAL", true}, {" (add lines 40 through 64)", false}}, nullptr},
      {6, "70.   ", {{"SUBTOTAL", true}, {" (add lines 66 through 69)", false}}, nullptr},
      {6, "79.   ", {{"SUBTOTAL ", true}, {" (add lines 71 through 78)       ", false}}, nullptr},
      {6, "105.   ", {{"SUBTOTAL", true}, {" (add lines 80 through 104)", false}}, nullptr},
      {7, "119.   ", {{"SUBTOTAL", true}, {" (add lines 106 through 118)", false}}, nullptr},
      {7, "120.   ", {{"TOTAL MONTHLY EXPENSES:", true}},
       "(Add lines 27, 39, 65, 70, 79, 105, and 119 of Section II, Expenses) "},
      {7, "121.   ", {{"TOTAL PRESENT MONTHLY NET INCOME", true}},
       "(from line 27 of SECTION I. INCOME) "},
      {7, "122.   ", {{"TOTAL MONTHLY EXPENSES", true}, {" (from line 120 above) ", false}},
       nullptr},
      {7, "123.   ",
       {{"SURPLUS", true},
        {" (if line 121 is more than line 122, subtract line 122 from ", false}},
       "line 121. This is the amount of your surplus. Enter that amount here.)"},
      {7, "124.   ",
       {{"(DEFICIT)", true},
        {" (if line 122 is more than line 121, subtract line 121 from ", false}},
       "line 122. This is the amount of your deficit. Enter that amount here.)"},
  };
  for (const Label& l : labels) {
    const Page& page = doc.pages[l.page - 4];
    const TextRun* n = Find(page, l.number);
    ASSERT_TRUE(n) << l.number;
    std::vector<std::pair<QString, bool>> runs;
    for (const TextRun* t : LineOf(page, n))
      if (t->position.x() >= 3384) runs.push_back({t->text, t->font.bold});
    EXPECT_EQ(runs, l.runs) << l.number;
    if (l.continuation) {
      const TextRun* c = Find(page, l.continuation);
      ASSERT_TRUE(c) << l.number;
      EXPECT_DOUBLE_EQ(c->position.x(), 3384);
      EXPECT_NEAR(c->position.y(), Below(n, 125), 0.01);
      EXPECT_FALSE(c->font.bold);
    }
  }
  // A half line between the last creditor and line 119, none between 119 and 120.
  const Page& seven = doc.pages[3];
  EXPECT_NEAR(Find(seven, "119.   ")->position.y() - Find(seven, "118.   ")->position.y(),
              LineUnit() * 1.75, 0.01);
  EXPECT_NEAR(Find(seven, "120.   ")->position.y() - Find(seven, "119.   ")->position.y(),
              LineUnit() * 1.25, 0.01);
  EXPECT_DOUBLE_EQ(Find(seven, "MONTHLY PAYMENT AND NAME OF CREDITOR(s):       ")->position.x(),
                   1440);
}

TEST_F(LongFormExpensePagesTest, PageEightStyledInstructions) {
  const Page page = DrawPage(8);
  struct Styled {
    const char* text;
    bool bold;
    bool underline;
    int nth = 0;
  } runs[] = {
      {"A. ASSETS ", true, false},
      {"INSTRUCTIONS:", true, false},
      {"INSTRUCTIONS:", true, false, 1},
      {"STEP 1: ", true, true},
      {"STEP 4:", true, true},
      {"STEP 4: ", true, true},
      {"Describe the Asset. In column A,", true, false},
      {" list a description of each separate item owned by you (or ", false, false},
      {"you need to list more more assets than blank spaces provided, please attach a separate "
       "sheet listing additional assets.",
       false, false},
      {"Self-Represented", true, true},
      {"Litigants", true, false},
      {" found at", false, false},
      {"Disregard  this step in all other domestic relations matters and proceed to step 4.",
       true, false},
      {"LIABILITIES/DEBTS", true, false},
  };
  for (const Styled& s : runs) {
    const TextRun* r = Find(page, s.text, s.nth);
    ASSERT_TRUE(r) << s.text;
    EXPECT_EQ(r->font.bold, s.bold) << s.text;
    EXPECT_EQ(r->font.underline, s.underline) << s.text;
    EXPECT_DOUBLE_EQ(r->font.size, 8) << s.text;
  }
  // Runs meet without an added blank.
  const TextRun* petitioner = Find(page, "Petitioner, or under Respondent if you are the Respondent.");
  ASSERT_TRUE(petitioner);
  const auto line = LineOf(page, petitioner);
  ASSERT_EQ(line.size(), 2u);
  EXPECT_DOUBLE_EQ(line[1]->position.x(), End(petitioner));
  EXPECT_EQ(line[1]->text, "DO NOT USE COLUMN B in any domestic relations matter that is ");
  // Every line starts at the left margin; 44 instruction lines, the heading,
  // "A. ASSETS " and the two lines the words past the right edge go on to.
  std::set<double> lineTops;
  for (const TextRun* r : page.textRuns()) {
    if (r->text == affidavit::kLongFormFooter) continue;
    lineTops.insert(r->position.y());
    if (LineOf(page, r).front() == r) {
      EXPECT_DOUBLE_EQ(r->position.x(), 1440) << r->text.toStdString();
    }
  }
  EXPECT_EQ(lineTops.size(), 48u);
  const TextRun* heading = Find(page, "SECTION III.  ASSETS AND LIABILITIES");
  ASSERT_TRUE(heading);
  EXPECT_TRUE(heading->font.bold);
  EXPECT_DOUBLE_EQ(heading->font.size, 8);
  const double eight = platform::TextMetrics({"Tahoma", 8.0}).height();
  for (double y : {heading->position.y(), heading->position.y() + eight})
    EXPECT_TRUE(HasRule(page, 1440, 10800, y));
  EXPECT_EQ(Rules(page).size(), 2u);
}

// Page 8's instruction lines keep within the right edge: the words a line of
// the form cannot hold start the next line of their paragraph, a line that
// fits keeps the form's words, and no word is lost, in Tahoma and in a wide
// face.
TEST_F(LongFormExpensePagesTest, PageEightKeepsWithinTheRightEdge) {
  for (const QString face : {"Tahoma", "DejaVu Sans"}) {
    font.FDFontName = face;
    const Page page = DrawPage(8);
    QString text;
    double lineY = -1;
    for (const TextRun* r : page.textRuns()) {
      if (r->text == affidavit::kLongFormFooter) continue;
      QString inked = r->text;
      while (inked.endsWith(' ')) inked.chop(1);
      EXPECT_LE(r->position.x() + WidthOf(inked, r->font.bold, 8), 10800.5)
          << face.toStdString() << ": " << r->text.toStdString();
      if (r->position.y() != lineY && !text.isEmpty() && !text.endsWith(' ')) text += ' ';
      lineY = r->position.y();
      text += r->text;
    }
    for (const char* words :
         {"If you have an equitable distribution schedule or balance sheet that includes the information "
          "below, you may attach the document instead of filling out Section III.",
          "The total of column B and column C must equal the asset value on the appropriate valuation date. "
          "Disregard this step in all other domestic relation matters and proceed to step 4. STEP 4: State",
          "Petitioner, or under Respondent if you are the Respondent.DO NOT USE COLUMN B in any domestic "
          "relations matter that is NOT an original dissolution; use only column C. See theGeneral "
          "Information for Self-Represented Litigantsfound at the beginning of these forms",
          "for definitions of marital and nonmarital assets and liabilities. LIABILITIES/DEBTS",
          "Disregard  this step in all other domestic relations matters and proceed to step 4. STEP 3:",
          "See the General Information for Self-RepresentedLitigants found at the beginning of these forms "
          "and section 61.075(1), Dadudav Statutes, for definitions of marital and nonmarital assets and "
          "liabilities."})
      EXPECT_TRUE(text.simplified().contains(QString::fromLatin1(words).simplified()))
          << face.toStdString() << ": " << words;
  }
  // A line that fits keeps the form's words.
  font.FDFontName = "Tahoma";
  EXPECT_TRUE(Find(DrawPage(8), "you need to list more more assets than blank spaces provided, please "
                                "attach a separate sheet listing additional assets."));
}

}  // namespace
