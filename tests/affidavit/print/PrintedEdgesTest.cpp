// Both affidavits and their notices of filing, filled, keep every text inside
// its cell, within the right edge and above the footer line, in Tahoma and in
// wide faces.
#include <gtest/gtest.h>

#include "affidavit/datafile/DefaultLabels.h"
#include "affidavit/datafile/DesignState.h"
#include "affidavit/print/AffidavitPrinters.h"
#include "affidavit/screens/PageRules.h"
#include "affidavit/screens/PageTables.h"
#include "platform/Fonts.h"
#include "WholeAffidavit.h"

namespace {

using namespace affidavit;
using affidavittest::ExpectInside;
using casevars::AffidavitValue;

class PrintedEdgesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  // A case typed in full in the face: a name in every box, as much of it as
  // the box takes, seven-figure amounts in every value, every box ticked and
  // the notice asked for.
  void Fill(const QString& face) {
    font.FDFontName = face;
    FillDesignState(pages);
    ApplyLabels(pages, FDLongExpenseLabels());
    ApplyLabels(pages, FDShortExpenseLabels());
    for (PageId page : {PageId::Form12, PageId::Form122, PageId::Form121, PageId::Form123})
      for (const PageControl& c : Design(page).controls) {
        const PageElement element{PageName(page), c.array, c.index};
        if (c.kind == ControlKind::Check) pages.SetValue(element, 1);
        if (c.kind != ControlKind::Text || !pages.Text(element).isEmpty()) continue;
        QString name = QStringLiteral("Jane Quinn Roe-Alvarez");
        const WidthRule rule = WidthRuleFor(page, c.array);
        while (rule != WidthRule::None &&
               MeasureEntry(name, face, WidthRulePoints(rule)) > c.width - 200)
          name.chop(1);
        pages.SetText(element, name);
      }
    for (const char* page : {"Form122", "Form123"}) pages.SetValue({page, "S5op", 12}, 1);
    const auto fill = [](auto& array, double amount) {
      for (AffidavitValue& v : array) v = AffidavitValue::Of(amount);
    };
    fill(values.FDIncomeValues, 1234567);
    fill(values.FDExpenseValues, 1234567);
    fill(values.FDNewExpenseValues, 1234567);
    fill(values.FDAssetValues, 12345678);
    fill(values.FDLiabilityValues, -12345678);
    fill(values.FDAssetPetitionerValues, 12345678);
    fill(values.FDAssetRespondentValues, 12345678);
    fill(values.FDLiabilityPetitionerValues, 12345678);
    fill(values.FDLiabilityRespondentValues, 12345678);
  }

  platform::Document Print(bool longForm, int blankFAPrint = 0) {
    return affidavittest::PrintWhole(pages, values, font, longForm, QStringLiteral("OneOneHalf"), blankFAPrint);
  }

  FakeAffidavitPages pages;
  casevars::AffidavitValues values{};
  casevars::AffidavitPageVars font;
};

TEST_F(PrintedEdgesTest, FilledAffidavitsKeepTheirTextInside) {
  for (const QString face : {"Tahoma", "DejaVu Sans", "DejaVu Sans Mono"}) {
    Fill(face);
    const platform::Document longForm = Print(true);
    ASSERT_EQ(longForm.pageCount(), 14);
    ExpectInside(longForm, {9, 10, 11, 12}, 13, face + " long form");
    const platform::Document shortForm = Print(false);
    ASSERT_EQ(shortForm.pageCount(), 6);
    ExpectInside(shortForm, {3, 4}, 2, face + " short form");
  }
}

TEST_F(PrintedEdgesTest, BlankShortFormKeepsItsTextInside) {
  FillDesignState(pages);
  for (const QString face : {"Tahoma", "DejaVu Sans", "DejaVu Sans Mono"}) {
    font.FDFontName = face;
    const platform::Document blank = Print(false, 1);
    ASSERT_EQ(blank.pageCount(), 5);
    ExpectInside(blank, {3, 4}, 2, face + " blank short form");
  }
}

}  // namespace
