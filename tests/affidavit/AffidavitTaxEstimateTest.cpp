#include <gtest/gtest.h>

#include "affidavit/calc/AffidavitTaxEstimate.h"
#include "affidavit/calc/AffidavitCalc.h"
#include "affidavit/print/AffidavitPrinters.h"
#include "express/ExpressFixture.h"
#include "platform/Fonts.h"

using namespace affidavit;

namespace {

PageElement E(const char* page, const char* array, int index = kSingle) {
  return {QLatin1String(page), QLatin1String(array), index};
}

// The Express screen's passing case; the claimant single with wages of
// 50,000 a year and one child under 17, a state tax rate of 5 percent.
struct Estimate {
  express::testing::ExpressCase express;
  FakeAffidavitPages pages;
  casefile::FakeCaseFields windows;
  TransferContext context{pages, windows, express.cv, 1};
  TaxEstimateLinks links{express.form1, express.prompter};

  Estimate() {
    express.On({"ClaimSingle", "OptionTaxedToPayer"});
    express.form1.SetValue(QStringLiteral("ClaimHeadHouse"), 0);
    auto& income = express.cv.Income.Claim;
    income.YrAGIBase = 50'000;
    income.YrTotal = 50'000;
    express.cv.Business.Claim.YrWagesForTax = 50'000;
  }
};

}  // namespace

TEST(AffidavitTaxEstimate, ItemsEighteenAndNineteenOfEachPagesDeclarant) {
  // Claimant: payroll tax 7.65% of 50,000 = 3,825; income tax on 50,000
  // single 3,820, less the child tax credit 2,200; state tax 5% = 2,500.
  // Item 18 = (3,820 - 2,200) / 12 + 2,500 / 12 = 343.33; item 19 = 318.75.
  // The other party has no income: both items 0.
  for (const std::int16_t form : {std::int16_t{1}, std::int16_t{0}}) {
    Estimate e;
    e.context.formType = form;
    e.pages.SetValue(E("Form12", "FAClaim"), 1);
    e.pages.SetValue(E("Form121", "FAClaim"), 0);
    e.express.dialogs.AnswerMessageBox(platform::kAnswerOk);
    ASSERT_TRUE(EstimateAffidavitTaxes(e.context, e.links)) << e.express.Prompts().join(u'|').toStdString();
    EXPECT_EQ(e.express.Messages().at(0).title, "Tax Estimate");
    EXPECT_EQ(e.pages.Text(E("Form12", "S1", 18)), "$ 343");
    EXPECT_EQ(e.pages.Text(E("Form12", "S1", 19)), "$ 319");
    EXPECT_EQ(e.pages.Text(E("Form121", "S1", 18)), "$ 0");
    EXPECT_EQ(e.pages.Text(E("Form121", "S1", 19)), "$ 0");
    const auto& inc = e.express.cv.Affidavit.FDIncomeValues;
    EXPECT_NEAR(inc[18].number, form == 1 ? 343.333 : 0, 1e-3);
    EXPECT_NEAR(inc[19].number, form == 1 ? 318.75 : 0, 1e-3);
    EXPECT_EQ(e.pages.Text(E(form == 1 ? "Form12" : "Form121", "S1", 26)), form == 1 ? "$662" : "$0");
    EXPECT_EQ(e.windows.Log.front(), "run Form13.AddIncomeVars");
  }
}

TEST(AffidavitTaxEstimate, AnEntryErrorStopsBeforeAnyItem) {
  Estimate e;
  e.pages.SetValue(E("Form12", "FAClaim"), 1);
  e.express.Set({{"ClaimDepend17", "abc"}});
  e.express.dialogs.AnswerMessageBox(platform::kAnswerOk);
  EXPECT_FALSE(EstimateAffidavitTaxes(e.context, e.links));
  EXPECT_EQ(e.pages.Text(E("Form12", "S1", 18)), "");
}

// Wages of 50,075: the estimate gives item 18 344.42 and item 19 319.25 a
// month, printed as $344 and $319. Both forms print their total, line 26,
// as the sum of the lines printed above it, $663 (not the $664 of the
// figures before rounding), through the preview's read pass.
TEST(AffidavitTaxEstimate, PrintedTotalIsTheSumOfThePrintedItems) {
  platform::RegisterTahomaIfMissing();
  for (const std::int16_t form : {std::int16_t{1}, std::int16_t{0}}) {
    Estimate e;
    e.context.formType = form;
    auto& income = e.express.cv.Income.Claim;
    income.YrAGIBase = income.YrTotal = e.express.cv.Business.Claim.YrWagesForTax = 50'075;
    e.pages.SetValue(E("Form12", "FAClaim"), 1);
    e.pages.SetValue(E("Form121", "FAClaim"), 1);
    e.express.dialogs.AnswerMessageBox(platform::kAnswerOk);
    ASSERT_TRUE(EstimateAffidavitTaxes(e.context, e.links));
    const QString page = form == 1 ? "Form12" : "Form121";
    const auto box = [&](int i) { return e.pages.Text(E(page.toLatin1(), "S1", i)).toStdString(); };
    EXPECT_EQ(box(18), "$ 344");
    EXPECT_EQ(box(19), "$ 319");
    EXPECT_EQ(box(26), "$663");

    casevars::AffidavitValues& values = e.express.cv.Affidavit;
    AssignFDVars(e.pages, form, values);
    platform::DrawingCursor vs;
    vs.BeginDocument();
    casevars::AffidavitPageVars font;
    AffidavitPrintRun run{vs, e.pages, values, font, QStringLiteral("One"), 0, {}};
    if (form == 1)
      PrintLongFinDec(run, 3, 3);
    else
      PrintShortFinDec(run, 2, 2);
    vs.EndDocument();
    const platform::Document doc = vs.TakeDocument();
    ASSERT_EQ(doc.pageCount(), 1);
    // The amount printed after line 26's number, on its line.
    QStringList line26;
    for (const platform::TextRun* number : doc.pages[0].textRuns())
      if (number->text == "26.   ")
        for (const platform::TextRun* r : doc.pages[0].textRuns())
          if (std::abs(r->position.y() - number->position.y()) < 1 && r->text.startsWith(u'$')) line26 << r->text;
    EXPECT_EQ(line26.join(u'|').toStdString(), "$663") << form;
  }
}

// The check looks at the declarant of each first page, so that neither page
// shows a figure computed from entries the check did not look at: with the
// long form declaring for the claimant and the short form for the other
// party, an entry of the other party's that the check refuses stops the
// estimate before either page changes.
TEST(AffidavitTaxEstimate, TheCheckLooksAtTheDeclarantsOfBothFirstPages) {
  Estimate e;
  e.pages.SetValue(E("Form12", "FAClaim"), 1);
  e.pages.SetValue(E("Form121", "FAClaim"), 0);
  e.express.Set({{"PayerDepend17", "abc"}});
  e.express.dialogs.AnswerMessageBox(platform::kAnswerOk);
  EXPECT_FALSE(EstimateAffidavitTaxes(e.context, e.links));
  EXPECT_EQ(e.express.Messages().back().title, "Entry Error");
  for (const char* page : {"Form12", "Form121"}) EXPECT_EQ(e.pages.Text(E(page, "S1", 18)), "") << page;
}
