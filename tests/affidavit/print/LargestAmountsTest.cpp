// Every amount box of an affidavit at the program's limit, in either sign:
// the totals are figures, and every printed figure, totals included, keeps
// to its blank or cell, off its label and within the page.
#include <gtest/gtest.h>

#include "affidavit/calc/AffidavitCalc.h"
#include "affidavit/datafile/DefaultLabels.h"
#include "affidavit/print/AffidavitPrinters.h"
#include "affidavit/screens/PageTables.h"
#include "platform/AmountLimit.h"
#include "platform/Fonts.h"
#include "platform/NumberText.h"
#include "WholeAffidavit.h"

namespace {

using affidavit::ControlKind;
using affidavit::PageId;

// The signs of a fill: every box positive or negative, or the income and
// assets positive with the deductions and debts negative (the widest net
// income and net worth).
enum class Signs { Positive, Negative, Opposed };

bool Deduction(const affidavit::PageControl& c) {
  if (c.array == QLatin1String("S1"))
    return (c.index >= 18 && c.index <= 25) || c.index == 30 || c.index == 31 || c.index == 38;
  return c.array.startsWith(QLatin1String("S4"));
}

TEST(LargestAmounts, EveryFigureKeepsToItsColumn) {
  platform::RegisterTahomaIfMissing();
  for (const Signs signs : {Signs::Positive, Signs::Negative, Signs::Opposed})
    for (const bool longForm : {true, false}) {
      const QString what = QStringLiteral("%1 %2").arg(longForm ? "long form" : "short form").arg(int(signs));
      SCOPED_TRACE(what.toStdString());
      affidavit::FakeAffidavitPages pages;
      affidavit::ApplyLabels(pages,
                             longForm ? affidavit::FDLongExpenseLabels() : affidavit::FDShortExpenseLabels());
      const auto ids = longForm ? std::vector{PageId::Form12, PageId::Form122}
                                : std::vector{PageId::Form121, PageId::Form123};
      for (PageId id : ids)
        for (const affidavit::PageControl& c : affidavit::Design(id).controls)
          if (c.kind == ControlKind::Amount && !c.locked) {
            const bool negative = signs == Signs::Negative || (signs == Signs::Opposed && Deduction(c));
            const double amount = negative ? -platform::kLargestAmount : platform::kLargestAmount;
            pages.SetText({affidavit::PageName(id), c.array, c.index}, platform::Format(amount, "###0.00"));
          }
      pages.SetValue({affidavit::PageName(ids[1]), QStringLiteral("S5op"), 12}, 1);  // the notice
      const std::int16_t form = longForm ? affidavit::kLongForm : affidavit::kShortForm;
      casevars::AffidavitValues values;
      affidavit::AssignFDVars(pages, form, values);
      affidavit::CalculateFinDec(pages, form, values);
      // The income total of the 16 lines.
      ASSERT_TRUE(values.FDIncomeValues[17].IsNumber());
      EXPECT_GE(std::abs(values.FDIncomeValues[17].number), 13 * platform::kLargestAmount);

      for (const QString face : {"Tahoma", "DejaVu Sans"}) {
        casevars::AffidavitPageVars font;
        font.FDFontName = face;
        const platform::Document doc = affidavittest::PrintWhole(pages, values, font, longForm);
        ASSERT_EQ(doc.pageCount(), longForm ? 14 : 6);
        bool totalPrinted = false;
        const QString total = platform::Format(std::abs(values.FDIncomeValues[17].number), "###,##0");
        for (const platform::Page& page : doc.pages)
          for (const platform::TextRun* r : page.textRuns()) totalPrinted = totalPrinted || r->text.contains(total);
        EXPECT_TRUE(totalPrinted) << total.toStdString();
        if (longForm)
          affidavittest::ExpectInside(doc, {9, 10, 11, 12}, 13, what + " " + face);
        else
          affidavittest::ExpectInside(doc, {3, 4}, 2, what + " " + face);
      }
    }
}

}  // namespace
