#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>

#include "case/CaseCodes.h"
#include "platform/Fonts.h"
#include "platform/NumberText.h"
#include "platform/ui/ButtonPlus.h"
#include "support/ui/Pictures.h"
#include "support/ui/ProgramFixture.h"
#include "tools/ui/FormDepends.h"
#include "tools/ui/LinesPicture.h"

using namespace tools;
using namespace tools::ui;

namespace {

struct DependsWindowTest : ::testing::Test, ProgramFixture {
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  QString field = QStringLiteral("$300");
  int runs = 0;

  // A driver whose transfer falls by $50 for each child the claimant claims.
  DependsServices Services() {
    DependsServices s;
    s.computeChildSupport = [this] {
      ++runs;
      field = platform::Format(300 - 50 * program.Case.Express.Claim.Under17Children, "$###,##0");
    };
    s.childSupportText = [this] { return field; };
    return s;
  }
};

TEST_F(DependsWindowTest, SharedCustodyRunShowsTheDifferenceAndKeepsTheCase) {
  auto& e = program.Case.Express;
  e.NumMinorChildren = 2;
  e.CustodyStatus = casevars::custody::Shared;
  e.Claim.YrOvernights = 200;
  e.Payer.YrOvernights = 165;
  e.Claim.TierNights[2] = 200;
  e.Payer.TierNights[2] = 165;
  FormDepends* w = OpenDependsCalculator(program, Services());
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Frame1->title(), "Initial Overnights and Dependencies");
  EXPECT_EQ(w->ClaimNights->text(), "200.0");
  EXPECT_EQ(w->Picture1->Lines()[0].label, " Petitioner (Claimant)");

  w->ClaimDepend17->setText("1");
  w->ClaimNights->setText("150");
  w->ClaimNights_KeyUp();
  EXPECT_EQ(w->PayerNights->text(), "215.00");
  w->Calculate->click();
  ASSERT_EQ(w->Picture4->Lines().size(), 3u);
  EXPECT_EQ(w->Picture4->Lines()[2].label, " Difference In Child Support Amounts = $50 ($600/Yr)");
  EXPECT_EQ(w->Picture2->Lines().size(), 2u);  // the claimant's overnights fell below 182.5
  EXPECT_EQ(w->Pictures[0]->Lines()[1].amount, "-$600");
  testenv::SavePicture(w->grab().toImage(), QStringLiteral("dependency-calculator.png"));

  EXPECT_EQ(runs, 2);
  EXPECT_EQ(field, "$300");
  EXPECT_EQ(e.Claim.Under17Children, 0);
  EXPECT_EQ(e.Claim.TierNights[2], 200.0f);

  w->Reset_Click();
  EXPECT_TRUE(w->Picture4->Lines().empty());
  EXPECT_EQ(w->ClaimDepend17->text(), "0");
  EXPECT_FALSE(dialogs.Failed());
}

TEST_F(DependsWindowTest, RefusedCountIsReportedAndNothingRuns) {
  program.Case.Express.NumMinorChildren = 2;
  program.Case.Express.CustodyStatus = casevars::custody::Cust;
  FormDepends* w = OpenDependsCalculator(program, Services());
  EXPECT_FALSE(w->ClaimNights->isVisibleTo(w));
  EXPECT_EQ(w->Frame3->title(), "New Dependencies");
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  w->ClaimDepend17->setText("1.5");
  w->Calculate->click();
  const auto calls = dialogs.CallsOf(platform::DialogKind::MessageBox);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].title, "Entry Error");
  EXPECT_TRUE(calls[0].prompt.startsWith("Please ReEnter The Revised Number Of Children Under Age 17 Declared By The Claimant"));
  EXPECT_EQ(runs, 0);
}

}  // namespace
