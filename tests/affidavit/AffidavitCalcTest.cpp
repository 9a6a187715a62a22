#include <gtest/gtest.h>

#include "affidavit/calc/AffidavitCalc.h"

using namespace affidavit;
using casevars::AffidavitValue;

namespace {

PageElement E(const char* page, const char* array, int index = kSingle) {
  return {QLatin1String(page), QLatin1String(array), index};
}

}  // namespace

TEST(AffidavitValues, ReadPassTakesAmountsAndResetsTheRest) {
  struct Case {
    const char* text;
    std::optional<double> number;
    const char* shown;
  };
  const Case cases[] = {{"$1,234.50", 1234.5, "$1,234.50"}, {"$", std::nullopt, "$"}, {"", std::nullopt, "$"},
                        {"abc", std::nullopt, "$"},         {"12%", 12, "12%"},      {"-75", -75, "-75"},
                        {"1 000", 1000, "1 000"}};
  for (const std::int16_t form : {std::int16_t{1}, std::int16_t{0}}) {
    const char* page = form == 1 ? "Form12" : "Form121";
    for (const Case& c : cases) {
      FakeAffidavitPages pages;
      casevars::AffidavitValues values;
      pages.SetText(E(page, "S1", 5), QLatin1String(c.text));
      AssignFDVars(pages, form, values);
      EXPECT_EQ(values.FDIncomeValues[5].IsNumber(), c.number.has_value()) << c.text;
      if (c.number) {
        EXPECT_DOUBLE_EQ(values.FDIncomeValues[5].number, *c.number) << c.text;
      }
      EXPECT_EQ(pages.Text(E(page, "S1", 5)), QLatin1String(c.shown)) << c.text;
    }
  }
}

TEST(AffidavitValues, LongPageBoxesInEitherFormAndTheDependentsBox) {
  for (const std::int16_t form : {std::int16_t{0}, std::int16_t{3}}) {
    FakeAffidavitPages pages;
    casevars::AffidavitValues values;
    values.FDAssetValues[2] = AffidavitValue::Of(7);
    pages.SetText(E("Form12", "S2New", 3), QStringLiteral("$40"));
    pages.SetText(E("Form122", "S3P", 2), QStringLiteral("x"));
    pages.SetText(E("Form12", "S1T", 0), QStringLiteral("two"));
    pages.SetText(E("Form12", "S1T", 24), QStringLiteral(" NA"));
    pages.SetText(E("Form123", "S3", 2), QStringLiteral("$9"));
    AssignFDVars(pages, form, values);
    EXPECT_EQ(values.FDNewExpenseValues[3], AffidavitValue::Of(40));
    EXPECT_EQ(pages.Text(E("Form122", "S3P", 2)), "$");
    EXPECT_EQ(values.FDIncomeTexts[0], AffidavitValue::EmptyText());
    // The two boxes keep their text.
    EXPECT_EQ(pages.Text(E("Form12", "S1T", 0)), "two");
    EXPECT_EQ(pages.Text(E("Form12", "S1T", 24)), " NA");
    EXPECT_EQ(values.FDAssetValues[2], AffidavitValue::Of(form == 0 ? 9 : 7));
    // Boxes the short page lacks are not addressed.
    EXPECT_EQ(pages.Texts().count(E("Form121", "S2", 9)), 0u);
  }
  FakeAffidavitPages pages;
  casevars::AffidavitValues values;
  pages.SetText(E("Form12", "S1T", 0), QStringLiteral("2"));
  AssignFDVars(pages, 1, values);
  EXPECT_EQ(values.FDIncomeTexts[0], AffidavitValue::Of(2));
}

TEST(AffidavitTotals, SectionTotalsAndTheirTexts) {
  struct Case {
    double gross, deductions, expenses;
    const char* net;
    const char* surplus;
    const char* deficit;
  };
  const Case cases[] = {{2000, 0, 2500, "$2,000", "$0", "$500"},
                        {2000, 0, 2000, "$2,000", "$0", "$0"},
                        {100, 250, 0, "-$150", "$0", "$150"},
                        {3000, 500, 1000, "$2,500", "$1,500", "$0"}};
  for (const Case& c : cases) {
    FakeAffidavitPages pages;
    casevars::AffidavitValues values;
    pages.SetText(E("Form12", "S1", 2), QString::number(c.gross));
    pages.SetText(E("Form12", "S1", 18), QString::number(c.deductions));
    pages.SetText(E("Form12", "S2", 1), QString::number(c.expenses));
    pages.SetText(E("Form12", "S1", 1), QStringLiteral("$999"));  // replaced by its parts
    pages.SetText(E("Form121", "S1", 27), QStringLiteral("$5"));
    AssignFDVars(pages, 1, values);
    CalculateFinDec(pages, 1, values);
    EXPECT_EQ(pages.Text(E("Form12", "S1", 27)), c.net);
    EXPECT_EQ(pages.Text(E("Form12", "S2", 108)), c.surplus);
    EXPECT_EQ(pages.Text(E("Form12", "S2", 109)), c.deficit);
    EXPECT_EQ(pages.Text(E("Form12", "S1", 1)), "$0");
    EXPECT_EQ(pages.Text(E("Form121", "S1", 27)), "");
    // Twice gives the same.
    const auto texts = pages.Texts();
    CalculateFinDec(pages, 1, values);
    EXPECT_EQ(pages.Texts(), texts);
  }
  FakeAffidavitPages pages;
  casevars::AffidavitValues values;
  pages.SetText(E("Form12", "S2", 1), QStringLiteral("100.40"));
  pages.SetText(E("Form12", "S2", 2), QStringLiteral("100.40"));
  pages.SetText(E("Form12", "S2New", 1), QStringLiteral("$1,000"));
  pages.SetText(E("Form122", "S3", 0), QStringLiteral("5000"));
  pages.SetText(E("Form122", "S4", 0), QStringLiteral("1200"));
  pages.SetText(E("Form122", "S3P", 1), QStringLiteral("300"));
  pages.SetText(E("Form122", "S3R", 1), QStringLiteral("200"));
  AssignFDVars(pages, 1, values);
  CalculateFinDec(pages, 1, values);
  // The two 100.40 print as $100 each: the subtotal is the printed 100 + 100 + 1,000.
  EXPECT_DOUBLE_EQ(values.FDExpenseValues[25].number, 1200);
  EXPECT_EQ(pages.Text(E("Form12", "S2", 25)), "$1,200");
  EXPECT_EQ(pages.Text(E("Form122", "S4", 42)), "$3,800");
  EXPECT_EQ(pages.Text(E("Form122", "S3", 64)), "$500");
  EXPECT_FALSE(values.FDExpenseValues[3].IsNumber());  // a blank member stays Empty in the long form
}

TEST(AffidavitTotals, ShortFormGroupsTurnBlanksIntoZero) {
  for (const std::int16_t form : {std::int16_t{0}, std::int16_t{3}}) {
    FakeAffidavitPages pages;
    casevars::AffidavitValues values;
    pages.SetText(E("Form121", "S2", 1), QStringLiteral("100.40"));
    pages.SetText(E("Form121", "S2", 2), QStringLiteral("100.40"));
    pages.SetText(E("Form121", "S1", 2), QStringLiteral("1000"));
    AssignFDVars(pages, form, values);
    CalculateFinDec(pages, form, values);
    EXPECT_EQ(pages.Text(E("Form121", "S2", 25)), "$200");  // $100 + $100 as printed
    EXPECT_EQ(values.FDExpenseValues[3].IsNumber(), form == 0);
    EXPECT_EQ(pages.Text(E("Form121", "S2", 3)), "$");
    EXPECT_EQ(pages.Text(E("Form121", "S2", 109)), "$0");
    EXPECT_EQ(pages.Text(E("Form121", "S2", 108)), "$800");
    EXPECT_EQ(pages.Text(E("Form12", "S1", 27)), "");
  }
}

// A total is the sum of the lines printed with it, each in whole dollars; a
// line printed without its parts (items 1, 8, 10) is its parts' exact sum.
TEST(AffidavitTotals, TotalsAddTheLinesAsTheyPrint) {
  const struct {
    const char* array;
    int index;
    const char* text;
  } entries[] = {
      {"S1", 32, "0.40"},  {"S1", 33, "0.40"},                      // item 1: 0.80, prints $1
      {"S1", 28, "100.40"}, {"S1", 29, "100.40"},                   // 9a, 9b print $100 each
      {"S1", 2, "10.50"},                                           // prints $11
      {"S1", 30, "0.40"},  {"S1", 31, "0.30"}, {"S1", 38, "0.30"},  // 25a $0, 25b $1
      {"S1", 18, "-283.40"}, {"S1", 19, "268.60"},                  // -$283, $269
  };
  for (const std::int16_t form : {std::int16_t{1}, std::int16_t{0}}) {
    const char* page = form == 1 ? "Form12" : "Form121";
    FakeAffidavitPages pages;
    casevars::AffidavitValues values;
    for (const auto& e : entries) pages.SetText(E(page, e.array, e.index), QLatin1String(e.text));
    AssignFDVars(pages, form, values);
    CalculateFinDec(pages, form, values);
    const auto box = [&](int i) { return pages.Text(E(page, "S1", i)).toStdString(); };
    EXPECT_EQ(box(1), "$1");
    EXPECT_EQ(box(9), "$200");
    EXPECT_EQ(box(17), "$212");  // 1 + 11 + 200
    EXPECT_EQ(box(25), "$1");    // 0 + 1
    EXPECT_EQ(box(26), "-$13");  // -283 + 269 + 1
    EXPECT_EQ(box(27), "$225");
    EXPECT_DOUBLE_EQ(values.FDIncomeValues[27].number, 225);
  }
}
