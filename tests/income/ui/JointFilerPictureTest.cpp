#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <memory>

#include "business/ui/BusinessWindow.h"
#include "income/ui/IncomeColumns.h"
#include "income/ui/IncomeWindowFixture.h"
#include "platform/Fonts.h"
#include "platform/ui/TabControl.h"
#include "prefs/Preferences.h"
#include "shell/ui/Fitting.h"
#include "support/TestEnvironment.h"

using namespace income;
using namespace incometest;

namespace {

class JointFilerPictureTest : public ::testing::Test, public IncomeWindowFixture {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  // Saves a picture to the scratch folder, and to KELVANE_SCREENSHOT_DIR when
  // that is set (the pictures in docs/screenshots are made so).
  static void Save(const QImage& picture, const QString& name) {
    EXPECT_TRUE(picture.save(QDir(testenv::scratchFolder()).filePath(name)));
    const QString outside = qEnvironmentVariable("KELVANE_SCREENSHOT_DIR");
    if (!outside.isEmpty()) {
      EXPECT_TRUE(picture.save(QDir(outside).filePath(name)));
    }
  }
};

const shell::ScreenInfo kScreens[] = {{1024, 768, 15, 15}, {1920, 1080, 15, 15}};

QString SizeName(const shell::ScreenInfo& s) {
  return QStringLiteral("%1x%2").arg(int(s.widthPx)).arg(int(s.heightPx));
}

// The gross income tab of a joint filer's income window, filled in, at two
// screens.
TEST_F(JointFilerPictureTest, IncomeWindowOfAJointFiler) {
  prefs::ScreenDefault.write("TV");
  express.filing.Claim.MFJ = true;
  express.monthly = false;
  for (const shell::ScreenInfo& screen : kScreens) {
    Form13 w(vars, Services());
    shell::ScreenFactors factors;
    shell::FitTabFormToScreen(w, factors, screen);
    w.Form_Load();
    std::int16_t shifted = 0;
    IncomeButtonContext open{express, shifted, factors, screen, &dialogs, [](IncomeWindow&) {}};
    ASSERT_TRUE(EnterIncome_Click(w, open));
    w.show();
    vars.Income.Claim.YrSelf = 18500;
    for (const auto& [suffix, amount] : {std::pair{"Earned", "52000"},
                                         {"Earned1", "41000"},
                                         {"SSChild", "3600"},
                                         {"ST", "850"},
                                         {"LT", "2400"},
                                         {"PT", "6000"},
                                         {"PriorMaint", "9000"},
                                         {"Pension1", "7200"},
                                         {"Free", "123456789012"}})
      Type(Box(w, suffix), amount);
    Type(Box(w, "Tips", 0), "4200");
    Box(w, "Self")->setText("1");
    Type(Box(w, "Dues"), "600");
    Type(Box(w, "PriorMaintPaid3"), "3000");
    Type(Box(w, "IRADeduct"), "6500");
    w.AddIncomeVars();
    w.AssignDeductVars();
    Save(w.grab().toImage(), QStringLiteral("income-window-joint-%1.png").arg(SizeName(screen)));
    for (int tab : {1, 3}) {
      w.SSTab1->SetTab(tab);
      Save(w.grab().toImage(),
           QStringLiteral("income-window-joint-tab%1-%2.png").arg(tab).arg(SizeName(screen)));
    }
    w.hide();
  }
}

// A joint filer's business window, filled in, at two screens.
TEST_F(JointFilerPictureTest, BusinessWindowOfAJointFiler) {
  prefs::ScreenDefault.write("TV");
  for (const shell::ScreenInfo& screen : kScreens) {
    business::Form26 w(vars);
    shell::ScreenFactors factors;
    shell::FitTabFormToScreen(w, factors, screen);
    w.SetNewSpouseColumnVisible(true);
    w.show();
    w.Form_Activate();
    w.AWages[0]->setText("48000");
    w.AW2[0]->setText("12000");
    w.CPass[1]->setText("9500");
    w.REIT[0]->setText("1250");
    w.REIT[1]->setText("800");
    w.ATips[0]->setText("3000");
    w.AssignBusinessVars(0);
    w.AssignBusinessVars(1);
    w.AddBusinessVars(0);
    w.AddBusinessVars(1);
    const QImage picture = w.grab().toImage();
    Save(picture, QStringLiteral("business-window-joint-%1.png").arg(SizeName(screen)));
    w.hide();
  }
}

}  // namespace
