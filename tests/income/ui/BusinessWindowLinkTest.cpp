#include <gtest/gtest.h>

#include <QCheckBox>

#include "platform/ui/EntryBox.h"
#include "business/ui/BusinessWindow.h"
#include "income/ui/BusinessWindowLink.h"
#include "income/ui/IncomeWindowFixture.h"

using namespace income;
using namespace incometest;

namespace {

class BusinessWindowLinkTest : public ::testing::Test, public IncomeWindowFixture {
 protected:
  BusinessWindowLinkTest() : form26(vars), link(vars, [this](casevars::Party p) -> business::BusinessWindow* {
                               return p == casevars::Party::Claim ? &form26 : nullptr;
                             }) {}

  business::Form26 form26;
  BusinessWindowLink link;
};

TEST_F(BusinessWindowLinkTest, TipsDeductionReadsTheBusinessTipsAndServiceTrades) {
  IncomeWindowServices services = Services();
  services.business = &link;
  Form13 w(vars, services);
  express.filing.Claim.Single = true;
  vars.Business.Claim.YrATips = 20000;
  vars.Business.Claim.YrBTips = 3000;
  vars.Income.Claim.YrTotal = 100000;
  ASSERT_TRUE(w.Yearly_Click());
  Type(Box(w, "Tips", 0), "10000");
  w.AssignDeductVars();
  EXPECT_EQ(vars.Income.Claim.YrATipsDeducted, 15000);
  EXPECT_EQ(vars.Income.Claim.YrTipsDeduction, 25000);
  form26.ATrade[0]->setChecked(true);
  w.AssignDeductVars();
  EXPECT_EQ(vars.Income.Claim.YrATipsDeducted, 0);
  EXPECT_EQ(vars.Income.Claim.YrBTipsDeducted, 3000);
  EXPECT_EQ(vars.Income.Claim.YrTipsDeduction, 13000);
  // The other party has no business window here: no business tips.
  EXPECT_EQ(link.Tips(casevars::Party::Payer).serviceTrade[0][0], false);
}

TEST_F(BusinessWindowLinkTest, ClosingTheBusinessWindowFillsTheBusinessIncomeBox) {
  Form13& w = Claim();
  ConnectBusinessWindow(form26, [&w]() -> IncomeWindow* { return &w; });
  form26.AWages[0]->setText("18500");
  form26.AssignBusinessVars(0);
  std::int16_t cancel = 0;
  form26.Form_Unload(cancel);
  EXPECT_EQ(vars.Income.Claim.YrSelf, 18500);
  EXPECT_EQ(w.IncomeEntryPeriod(), IncomePeriod::Yearly);
  EXPECT_TRUE(Box(w, "Self")->text().contains("18,500")) << Box(w, "Self")->text().toStdString();
  EXPECT_EQ(vars.Income.Claim.YrTotal, 18500);
}

// The business window's entry errors show in the program's message box
// through the income window, and so does the income window's refusal to
// become yearly when the business window closes.
TEST_F(BusinessWindowLinkTest, EntryErrorsAndARefusedYearlyReachTheUser) {
  Form13& w = Claim();
  ConnectBusinessWindow(form26, [&w]() -> IncomeWindow* { return &w; });
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  KeyClicks(form26.BWages[1], "1e12");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].title, "Entry Error");
  EXPECT_EQ(form26.BWages[1]->text(), "1e1");

  ASSERT_TRUE(w.Hourly_Click());
  Type(Box(w, "Earned"), "999999999999");
  form26.AWages[0]->setText("18500");
  form26.AssignBusinessVars(0);
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  std::int16_t cancel = 0;
  form26.Form_Unload(cancel);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1].prompt, "The amounts entered are too large to be converted to Yearly amounts.");
  EXPECT_EQ(w.IncomeEntryPeriod(), IncomePeriod::Hourly);
  EXPECT_EQ(vars.Income.Claim.YrEarned, 999999999999.0);
  EXPECT_TRUE(form26.isHidden());
  EXPECT_FALSE(dialogs.Failed());
}

}  // namespace
