#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QRadioButton>

#include "income/ui/IncomeColumns.h"
#include "income/ui/IncomeWindowFixture.h"
#include "platform/Fonts.h"
#include "platform/ui/TabControl.h"
#include "prefs/Preferences.h"
#include "shell/ui/Fitting.h"
#include "support/TestEnvironment.h"
#include "support/ui/Pictures.h"

using namespace income;
using namespace incometest;

namespace {

class IncomeWindowPictureTest : public ::testing::Test, public IncomeWindowFixture {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
};

// Each tab of the claimant's window with a case filled in, as a picture. The
// pictures go to the scratch folder, and to KELVANE_SCREENSHOT_DIR when that
// is set (the pictures in docs/ are made so).
TEST_F(IncomeWindowPictureTest, EveryTabOfAFilledInWindowDraws) {
  prefs::ScreenDefault.write("TV");
  Form13& w = Claim();
  shell::ScreenFactors factors;
  shell::FitTabFormToScreen(w, factors, {800, 600, 15, 15});
  w.Form_Load();
  express.filing.Claim.MFJ = true;
  express.monthly = false;
  std::int16_t shifted = 0;
  IncomeButtonContext open{express, shifted, factors, {800, 600, 15, 15}, &dialogs, [](IncomeWindow&) {}};
  ASSERT_TRUE(EnterIncome_Click(w, open));
  w.show();  // activation: yearly entry

  vars.Income.Claim.YrSelf = 18500;  // from the business window
  const std::pair<const char*, const char*> entries[] = {
      {"Earned", "52000"},      {"Earned1", "41000"}, {"SSChild", "3600"},       {"ST", "850"},
      {"LT", "2400"},           {"PT", "6000"},       {"Tips", "4200"},          {"PriorMaint", "9000"},
      {"Pension1", "7200"},     {"IRADeduct", "6500"}, {"OtherDeduct", "1250"}, {"SelfHealthDeduct", "3100"},
      {"OtherCredits", "500"},  {"StIndus", "4800"},  {"Dues", "600"},          {"PensionPay", "2600"},
      {"PriorMaintPaid", "6000"}, {"PriorMaintPaid3", "3000"}};
  for (const auto& [suffix, amount] : entries) {
    AmountBox* box = QLatin1String(suffix) == QLatin1String("Tips") ? Box(w, suffix, 0) : Box(w, suffix);
    Type(box, amount);
  }
  Box(w, "Self")->setText("1");
  Box(w, "OT", 1)->setText("2500");
  vars.Income.Claim.YrOT1 = 2500;
  w.Age65->setChecked(true);
  w.ItemizedDeduction->setChecked(true);
  Type(Box(w, "ItemizedAmount"), "27400");
  w.EICCheck->setChecked(true);
  w.EICChoices[2]->setChecked(true);
  w.AddIncomeVars();
  w.AssignDeductVars();

  for (int tab = 0; tab < 4; ++tab) {
    w.SSTab1->SetTab(tab);
    const QImage picture = w.grab().toImage();
    EXPECT_GT(testenv::Colours(picture), 10) << tab;
    EXPECT_TRUE(testenv::SavePicture(picture, QStringLiteral("income-window-tab%1.png").arg(tab)));
  }
  w.hide();
}

}  // namespace
