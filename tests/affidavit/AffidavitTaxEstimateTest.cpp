#include <gtest/gtest.h>

#include "affidavit/calc/AffidavitTaxEstimate.h"
#include "express/ExpressFixture.h"

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
