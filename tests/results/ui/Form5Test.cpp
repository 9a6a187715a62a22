#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QDir>
#include <QTest>

#include "engine/childsupport/ChildSupportRun.h"
#include "platform/Fonts.h"
#include "platform/ScriptedDialogs.h"
#include "platform/ui/ButtonPlus.h"
#include "results/ResultRows.h"
#include "results/ui/Form5.h"
#include "results/ui/PictureBox.h"
#include "prefs/Preferences.h"
#include "shell/ui/Fitting.h"
#include "support/TestEnvironment.h"

using casevars::Party;
using results::ui::Form5;

namespace {

// The result window over a real child support run of a sole custody case.
class Form5Test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  void SetUp() override {
    vars.Express.CustodyStatus = "Cust";
    vars.Express.NumMarriageChildren = 2;
    vars.Express.NumMinorChildren = 2;
    vars.Express.Claim.Under17Children = 2;
    vars.Express.Claim.DayCareChildren = 2;
    vars.Express.Claim.MoDayCare = 300;
    vars.Express.Payer.MoChildHealthIns = 80;
    for (Party p : casevars::kParties) {
      vars.Express[p].FilingStatus = "Single";
      vars.Business[p].YrWagesForTax = vars.Income[p].YrGrossIncome = vars.Income[p].YrTotal =
          vars.Income[p].YrAGIBase = p == Party::Claim ? 30'000 : 60'000;
    }
    results::ui::Form5Link link;
    link.entryChecks = {[this]() -> std::int16_t { return stopChecks ? 1 : 0; }};
    link.computeChildSupport = [this] {
      Run();
      return true;
    };
    link.showExpressScreen = [this] { ++expressShown; };
    link.showTaxCredits = [this](Party p) { creditsShown.push_back(p); };
    form = std::make_unique<Form5>(vars, dialogs, std::move(link));
    form->show();
    vars.Results.ManualNetState = 1;  // as the Express screen's run does
    Run();
  }

  void Run(double scaleFactorX = 1) {
    childsupport::ChildSupportInputs in;
    in.SplitDefault = "Winters";
    in.InterpDefault = "Closest";
    form->FillRunInputs(in);
    childsupport::ChildSupportServices services;
    services.DrawChildSupportText = form->TextHook([scaleFactorX] { return scaleFactorX; });
    ASSERT_TRUE(childsupport::ComputeChildSupport(vars, in, services).Completed);
  }

  QStringList Lines(results::ui::PictureBox* p) { return p->Canvas()->Lines(); }

  casevars::CaseVars vars;
  platform::ScriptedDialogs dialogs;
  std::unique_ptr<Form5> form;
  bool stopChecks = false;
  int expressShown = 0;
  std::vector<Party> creditsShown;
};

TEST_F(Form5Test, ARunShowsTheTransferTheEngineComputed) {
  const QString transfer = results::Dollars(vars.Support.MoChildSupportTransfer);
  EXPECT_TRUE(Lines(form->Picture5).contains(" Child Support/Month" + transfer));
  EXPECT_TRUE(Lines(form->Picture3).at(0).startsWith("Child Support Is " + transfer));
  EXPECT_EQ(form->Frame1->title(), "Claimant (custodial)");
  EXPECT_EQ(form->Frame2->title(), "Other (noncustodial)");
  // The picture is drawn on the screen: some of its pixels are dark.
  const QImage shot = form->Picture5->grab().toImage();
  bool dark = false;
  for (int y = 0; y < shot.height() && !dark; ++y)
    for (int x = 0; x < shot.width() && !dark; ++x) dark = qGray(shot.pixel(x, y)) < 128;
  EXPECT_TRUE(dark);
}

TEST_F(Form5Test, AdjustWithAHandEnteredNetRunsAgainAndResetUndoesIt) {
  const double computed = vars.Support.Claim.MoNetIncome;
  const double transfer = vars.Support.MoChildSupportTransfer;
  QTest::keyClicks(form->NewClaimNet, "$1,000");
  QTest::mouseClick(form->ChangeClaimant, Qt::LeftButton);
  EXPECT_EQ(vars.Results.ManualNetState, 2);
  EXPECT_EQ(vars.Support.Claim.MoNetIncome, 1'000);
  EXPECT_NE(vars.Support.MoChildSupportTransfer, transfer);
  EXPECT_TRUE(Lines(form->Picture5).contains(" Adj Net/Month$1,000"));

  QTest::mouseClick(form->ResetClaimant, Qt::LeftButton);
  EXPECT_EQ(vars.Results.ManualNetState, 1);
  EXPECT_TRUE(form->NewClaimNet->text().isEmpty());
  EXPECT_EQ(vars.Support.Claim.MoNetIncome, computed);

  stopChecks = true;  // an entry check that stops: nothing runs
  form->NewOtherNet->setText("500");
  QTest::mouseClick(form->ChangeOther, Qt::LeftButton);
  EXPECT_EQ(vars.Results.ManualNetState, 1);
  EXPECT_EQ(vars.Support.MoChildSupportTransfer, transfer);
}

TEST_F(Form5Test, EachCreditsButtonAsksForItsPartysBreakdown) {
  QTest::mouseClick(form->OtherCreditsButton, Qt::LeftButton);
  QTest::mouseClick(form->ClaimCreditsButton, Qt::LeftButton);
  EXPECT_EQ(creditsShown, (std::vector<Party>{Party::Payer, Party::Claim}));
}

TEST_F(Form5Test, ShowHideTierTogglesTheTierTableAndCaption) {
  QTest::mouseClick(form->ButtonPlus1, Qt::LeftButton);
  EXPECT_TRUE(form->Picture8->isVisible());
  EXPECT_EQ(form->Frame5->title(),
            "Tier - Without Net Expense Obligation Of " + results::Dollars(vars.Support.MoTierNetExpense[1]));
  EXPECT_EQ(Lines(form->Picture8).size(), 2);
  QTest::mouseClick(form->ButtonPlus1, Qt::LeftButton);
  EXPECT_FALSE(form->Picture8->isVisible());
  EXPECT_EQ(form->Frame5->title(), "Child Support Calculation");
}

TEST_F(Form5Test, ReturnAndClosingBothDropTheHandEnteredNets) {
  form->NewClaimNet->setText("1000");
  form->ChangeClaimant_Click();
  ASSERT_EQ(vars.Results.ManualNetState, 2);
  form->ReturnToDataCommand_Click();
  EXPECT_TRUE(form->NewClaimNet->text().isEmpty());
  EXPECT_EQ(vars.Results.ManualNetState, 0);
  EXPECT_EQ(expressShown, 1);
  EXPECT_FALSE(form->isVisible());

  form->show();
  vars.Results.ManualNetState = 4;
  form->close();  // the title bar's close box
  EXPECT_EQ(vars.Results.ManualNetState, 0);
  EXPECT_EQ(expressShown, 2);
}

// The window fitted to a 1024 x 768 screen after a run, as a picture in the
// scratch folder.
TEST_F(Form5Test, AfterARunAsAPicture) {
  prefs::ScreenDefault.write("TV");
  shell::ScreenFactors factors;
  shell::FitFormToScreen(*form, factors, {1024, 768, 15, 15});
  form->ClaimantName->setText("Rivera v. Rivera ");
  Run(factors.ScaleFactorX);
  const QString transfer = results::Dollars(vars.Support.MoChildSupportTransfer);
  EXPECT_TRUE(Lines(form->Picture3).at(0).startsWith("Child Support Is " + transfer));
  // The values end 200 x the screen factor inside the fitted picture's edge.
  EXPECT_NEAR(form->Picture5->Canvas()->Width(), 3675 * factors.ScaleFactorX - 2 * form->Picture5->frameWidth() * 15, 1);
  const QImage picture = form->grab().toImage();
  // The picture in docs/ is the program's window (ChildSupportResultTest).
  EXPECT_TRUE(picture.save(QDir(testenv::scratchFolder()).filePath("form5-alone-after-run.png")));
}

}  // namespace
