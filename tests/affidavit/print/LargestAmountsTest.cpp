// Every amount of an affidavit at the program's limit: the totals are
// figures, and every printed line stays on its page.
#include <gtest/gtest.h>

#include "affidavit/calc/AffidavitCalc.h"
#include "affidavit/datafile/DefaultLabels.h"
#include "affidavit/print/AffidavitPrinters.h"
#include "affidavit/screens/PageTables.h"
#include "platform/Fonts.h"

namespace {

using affidavit::ControlKind;
using affidavit::PageId;

TEST(LargestAmounts, TotalsAreFiguresAndEveryLineStaysOnItsPage) {
  platform::RegisterTahomaIfMissing();
  for (const bool longForm : {true, false}) {
    SCOPED_TRACE(longForm ? "long form" : "short form");
    affidavit::FakeAffidavitPages pages;
    affidavit::ApplyLabels(pages, longForm ? affidavit::FDLongExpenseLabels() : affidavit::FDShortExpenseLabels());
    const auto ids = longForm ? std::vector{PageId::Form12, PageId::Form122}
                              : std::vector{PageId::Form121, PageId::Form123};
    for (PageId id : ids)
      for (const affidavit::PageControl& c : affidavit::Design(id).controls)
        if (c.kind == ControlKind::Amount && !c.locked)
          pages.SetText({affidavit::PageName(id), c.array, c.index}, QStringLiteral("$999,999,999,999"));
    const std::int16_t form = longForm ? affidavit::kLongForm : affidavit::kShortForm;
    casevars::AffidavitValues values;
    affidavit::AssignFDVars(pages, form, values);
    affidavit::CalculateFinDec(pages, form, values);
    // The income total of the long form's 16 lines, and the net worth.
    ASSERT_TRUE(values.FDIncomeValues[17].IsNumber());
    EXPECT_GE(values.FDIncomeValues[17].number, 1e13);

    platform::DrawingCursor vs;
    vs.BeginDocument();
    casevars::AffidavitPageVars font;
    affidavit::AffidavitPrintRun run{vs, pages, values, font, QStringLiteral("One"), 0, {}};
    if (longForm) affidavit::PrintLongFinDec(run, 1, 13);
    else affidavit::PrintShortFinDec(run, 1, 5);
    vs.EndDocument();
    const platform::Document doc = vs.TakeDocument();
    ASSERT_FALSE(doc.isEmpty());
    bool totalPrinted = false;
    const QString total = affidavit::TotalText(values.FDIncomeValues[17].number).remove(QLatin1Char('$'));
    for (int p = 0; p < doc.pageCount(); ++p) {
      const platform::Page& page = doc.pages[size_t(p)];
      for (const platform::TextRun* r : page.textRuns()) {
        EXPECT_LE(r->position.x() + r->size.width(), page.size.width())
            << "page " << p + 1 << ": " << r->text.toStdString();
        totalPrinted = totalPrinted || r->text.contains(total);
      }
    }
    EXPECT_TRUE(totalPrinted) << total.toStdString();
  }
}

}  // namespace
