// Section II on page 2: the filled expense schedule and the blank one, the
// two columns, fitted names and line 28.
#include <gtest/gtest.h>

#include "ShortFormFixture.h"
#include "affidavit/datafile/DefaultLabels.h"
#include "platform/Fonts.h"
#include "platform/document/DocumentPage.h"
#include "platform/document/TextMetrics.h"

using namespace shortformtest;

namespace {

AffidavitValue Of(double v) { return AffidavitValue::Of(v); }

class ShortFormScheduleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
  void SetUp() override { affidavit::ApplyLabels(run.pages, affidavit::FDShortExpenseLabels()); }
  platform::Page Page2() {
    const auto doc = run.Print(2, 2);
    EXPECT_EQ(doc.pageCount(), 1);
    return doc.pages.at(0);
  }
  // The rows of one column, each as "name|amount", from the line below
  // `heading` (and `skip` lines more) to the first gap or the next heading.
  static QStringList Rows(const platform::Page& page, const QString& heading, double labelX,
                          double amountX, double skip = 0) {
    const platform::TextRun* h = Find(page, heading);
    if (!h) return {"<no heading>"};
    QStringList rows;
    double y = h->position.y() + (1 + skip) * h->size.height();
    for (;;) {
      QString name, amount;
      bool any = false, headingFound = false;
      for (const platform::TextRun* r : page.textRuns()) {
        if (std::abs(r->position.y() - y) > 0.5) continue;
        if (r->font.bold && std::abs(r->position.x() - labelX) < 0.5) headingFound = true;
        if (std::abs(r->position.x() - labelX) < 0.5) name = r->text, any = true;
        if (std::abs(r->position.x() - amountX) < 0.5) amount = r->text, any = true;
      }
      if (!any || headingFound) break;
      rows << name + "|" + amount;
      y += h->size.height();
    }
    return rows;
  }
  ShortFormRun run;
};

// Items with an amount close up at the top of their group with their names;
// the rest of the group's rows are empty blanks.
TEST_F(ShortFormScheduleTest, FilledItemsCloseUpAboveEmptyRows) {
  run.values.FDExpenseValues[2] = Of(185.6);  // Property taxes
  run.values.FDExpenseValues[5] = Of(0);      // Food: a typed 0 prints
  run.values.FDExpenseValues[8] = AffidavitValue::EmptyText();
  run.values.FDExpenseValues[27] = Of(-40);   // Repairs
  run.values.FDExpenseValues[70] = Of(75);    // Clothing
  run.values.FDExpenseValues[76] = Of(1200);  // Miscellaneous, its name emptied
  run.SetText("S2N", 55, "");
  const platform::Page page = Page2();
  const QString pad = "|$";
  EXPECT_EQ(Rows(page, "A. HOUSEHOLD:", 1440, 4320),
            QStringList({"Property taxes|$186", "Food|$0", pad, pad, pad, pad, pad, pad}));
  EXPECT_EQ(Rows(page, "B. AUTOMOBILE:", 1440, 4320), QStringList({"Repairs|-$40", pad, pad}));
  EXPECT_EQ(Rows(page, "C. CHILD(REN)'S EXPENSES: ", 1440, 4320), QStringList(7, pad));
  EXPECT_EQ(Rows(page, "D. INSURANCE:", 1440, 4320), QStringList(4, pad));
  QStringList e = {"Clothing|$75", "|$1,200"};
  while (e.size() < 14) e << pad;
  EXPECT_EQ(Rows(page, "E. OTHER EXPENSES NOT LISTED ABOVE:", 6480, 9360), e);
  // Every row has its 1440-twip blank at its foot.
  const platform::TextRun* food = Find(page, "Food");
  const auto rules = RulesAt(page, food->position.y() + food->size.height());
  ASSERT_EQ(rules.size(), 2u);  // and the row beside it in column E
  EXPECT_EQ(rules[0].from.x(), 4320);
  EXPECT_EQ(rules[0].to.x(), 5760);
  EXPECT_EQ(rules[1].from.x(), 9360);
  EXPECT_EQ(rules[1].to.x(), 10800);
}

// Both columns start at the schedule's top; line 28 starts below the lower
// column (the right one), with the stored total and its blank.
TEST_F(ShortFormScheduleTest, ColumnsAndLine28) {
  run.values.FDExpenseValues[1] = Of(900);
  run.values.FDExpenseValues[105] = Of(4321);  // as stored, not the sum printed above
  const platform::Page page = Page2();
  const platform::TextRun* a = Find(page, "A. HOUSEHOLD:");
  const platform::TextRun* e = Find(page, "E. OTHER EXPENSES NOT LISTED ABOVE:");
  ASSERT_TRUE(a && e);
  EXPECT_EQ(a->position.y(), e->position.y());
  EXPECT_EQ(e->position.x(), 6480);
  EXPECT_TRUE(a->font.bold && e->font.bold);
  const double h = a->size.height();
  const platform::TextRun* f = Find(page, "F. PAYMENTS TO CREDITORS: ");
  EXPECT_EQ(TextAt(page, "CREDITOR:", 9110), "MONTHLY PAYMENT");
  EXPECT_EQ(Find(page, "CREDITOR:")->position, QPointF(6480, f->position.y() + h));
  EXPECT_EQ(Rows(page, "F. PAYMENTS TO CREDITORS: ", 6480, 9360).size(), 1u);  // the head line
  // Right column: E (15 lines), half a line, F (13 lines and half a line), an empty line.
  const double rightEnd = e->position.y() + 15 * h + h / 2 + 13 * h + h / 2 + h;
  const platform::TextRun* total = Find(page, "TOTAL MONTHLY EXPENSES:");
  ASSERT_NE(total, nullptr);
  EXPECT_DOUBLE_EQ(total->position.y(), rightEnd);
  EXPECT_EQ(total->position.x(), 3384);
  QStringList line;
  for (const platform::TextRun* r : LineOf(page, total))
    line << (r->font.bold ? "*" + r->text + "*" : r->text);
  EXPECT_EQ(line, QStringList({"28.  ", "$4,321", "*TOTAL MONTHLY EXPENSES:*", " (Add ", "*all*",
                               " monthly amounts in A through F above) "}));
  const platform::TextRun* number = Find(page, "28.  ");
  EXPECT_EQ(number->position.x(), 1440);
  const auto rules = RulesAt(page, total->position.y() + h);
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].from.x(), number->rect().right());
  EXPECT_EQ(rules[0].to.x(), 3240);
}

// Creditor names and the fourth insurance name are cut from their end to
// the longest beginning no wider than 2736 twips; other names print whole.
TEST_F(ShortFormScheduleTest, FitsCreditorAndLastInsuranceNames) {
  const QString longName = "First National Bank of the Southern Counties, consumer loan division";
  run.font.FDFontName = "DejaVu Sans Mono";  // every character as wide as the next
  run.SetText("S2T", 16, longName);
  run.SetText("S2T", 17, "Card");
  run.SetText("S2N", 67, longName);
  run.SetText("S2N", 66, longName);
  run.SetText("S2N", 7, longName);
  for (int e : {91, 92, 66, 67, 8}) run.values.FDExpenseValues[e] = Of(10);
  const platform::Page page = Page2();
  const double charWidth =
      platform::TextMetrics({"DejaVu Sans Mono", 9 * platform::WideFaceScale("DejaVu Sans Mono")}).width("W");
  const QString fitted = longName.left(static_cast<int>(2736 / charWidth));
  ASSERT_LT(fitted.size(), longName.size());
  EXPECT_EQ(Rows(page, "CREDITOR:", 6480, 9360, 0.5).mid(0, 3),
            QStringList({fitted + "|$10", "Card|$10", "|$"}));
  EXPECT_EQ(Rows(page, "D. INSURANCE:", 1440, 4320),
            QStringList({longName + "|$10", fitted + "|$10", "|$", "|$"}));
  EXPECT_EQ(Rows(page, "A. HOUSEHOLD:", 1440, 4320).front(), longName + "|$10");
}

TEST_F(ShortFormScheduleTest, BlankScheduleHasFixedRowsForWritingIn) {
  run.blankFAPrint = 1;
  run.values.FDExpenseValues[1] = Of(900);  // never shown on a blank schedule
  run.SetText("S2T", 16, "Typed creditor");
  const platform::Page page = Page2();
  const QString other = "Other ____________________|$";
  const QString writeIn = "__________________________|$";
  EXPECT_EQ(Rows(page, "A. HOUSEHOLD:", 1440, 4320),
            QStringList({"Mortgage or rent|$", "Property taxes|$", "Utilities|$", "Telephone|$",
                         "Food|$", "Meals outside home|$", "Maintenance/Repairs|$", other}));
  EXPECT_EQ(Rows(page, "B. AUTOMOBILE:", 1440, 4320),
            QStringList({"Gasoline|$", "Repairs|$", "Insurance|$"}));
  EXPECT_EQ(Rows(page, "C. CHILD(REN)'S EXPENSES: ", 1440, 4320),
            QStringList({"|$", "Day Care|$", "Lunch Money|$", "Clothing|$", "Grooming|$",
                         "Gifts for holidays|$", "Medical/Dental (uninsured)|$", other}));
  EXPECT_EQ(Rows(page, "D. INSURANCE:", 1440, 4320),
            QStringList({"Medical/Dental|$", "Child(ren)'s medical/dental|$", "Life|$", other}));
  QStringList e = {
      "Clothing|$", "Medical/Dental (uninsured)|$", "Grooming|$",      "Entertainment|$",
      "Gifts|$",    "Religious organizations|$",    "Miscellaneous|$", other};
  while (e.size() < 14) e << writeIn;
  EXPECT_EQ(Rows(page, "E. OTHER EXPENSES NOT LISTED ABOVE:", 6480, 9360), e);
  // F: the column head, an empty line, then eleven write-in rows.
  const platform::TextRun* head = Find(page, "CREDITOR:");
  const double h = head->size.height();
  EXPECT_EQ(TextAt(page, "CREDITOR:", 9110), "MONTHLY PAYMENT");
  EXPECT_EQ(Rows(page, "CREDITOR:", 6480, 9360, 1), QStringList(11, writeIn));
  EXPECT_EQ(Find(page, "Typed creditor"), nullptr);
  EXPECT_EQ(Find(page, "$900"), nullptr);

  // The left column is the longer: the total starts below D's closing line.
  const platform::TextRun* a = Find(page, "A. HOUSEHOLD:");
  const double leftEnd = a->position.y() + 10 * h + 5 * h + 10 * h + 6 * h + 3 * (h / 2);
  const platform::TextRun* total = Find(page, "28. TOTAL MONTHLY EXPENSES:");
  ASSERT_NE(total, nullptr);
  EXPECT_TRUE(total->font.bold);
  EXPECT_DOUBLE_EQ(total->position.y(), leftEnd);
  EXPECT_EQ(total->position.x(), 1440);
  const platform::TextRun* note =
      Find(page, "       (Add all monthly amounts in A through F above) ");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->position, QPointF(1440, leftEnd + h));
  const platform::TextRun* number = LineOf(page, note).back();
  EXPECT_EQ(number->text, "28.  ");
  EXPECT_EQ(number->position.x(), 8640);
  EXPECT_TRUE(number->font.bold);
  const auto rules = RulesAt(page, note->position.y() + h);
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].from.x(), number->rect().right());
  EXPECT_EQ(rules[0].to.x(), 10800);
}

// The blank schedule prints for a flag of exactly 1, with the stored total.
TEST_F(ShortFormScheduleTest, OnlyAFlagOfOnePrintsTheBlankSchedule) {
  run.values.FDExpenseValues[105] = Of(-12.5);
  for (const auto& [flag, blank] : {std::pair{0, false}, {1, true}, {2, false}, {-1, false}}) {
    run.blankFAPrint = flag;
    const platform::Page page = Page2();
    EXPECT_EQ(Find(page, "28. TOTAL MONTHLY EXPENSES:") != nullptr, blank) << flag;
    EXPECT_EQ(Find(page, "TOTAL MONTHLY EXPENSES:") != nullptr, !blank) << flag;
    const platform::TextRun* number = Find(page, "28.  ");
    EXPECT_EQ(TextAt(page, "28.  ", number->rect().right()), "-$13") << flag;
  }
}

}  // namespace
