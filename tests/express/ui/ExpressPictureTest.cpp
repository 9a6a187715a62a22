#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QRadioButton>
#include <QSet>

#include "express/ui/ExpressFixture.h"
#include "platform/Fonts.h"
#include "prefs/Preferences.h"
#include "support/TestEnvironment.h"
#include "support/ui/ModalDriver.h"
#include "support/ui/Pictures.h"

namespace {

void Save(const QImage& picture, const QString& name) {
  EXPECT_GT(testenv::Colours(picture), 10) << name.toStdString();
  EXPECT_TRUE(testenv::SavePicture(picture, name));
}

class ExpressPictureTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
};

TEST_F(ExpressPictureTest, SharedCustodyCaseAtTwoScreenSizes) {
  prefs::ScreenDefault.write("TV");
  for (const auto& [screen, name] : {std::pair{shell::ScreenInfo{1024, 768, 15, 15}, "express-shared-1024x768.png"},
                                     std::pair{shell::ScreenInfo{1920, 1080, 15, 15}, "express-shared-1920x1080.png"}}) {
    ExpressFixture run(screen);
    run.FillSharedCase();
    // (146 + 164.3) / 2: the average reads the second child's nights as shown.
    EXPECT_EQ(run.express.ClaimDays->text(), "155.2");
    Save(run.express.grab().toImage(), QString::fromLatin1(name));

    if (screen.widthPx == 1024) {
      run.time.show();
      Save(run.time.grab().toImage(), QStringLiteral("parenting-time-1024x768.png"));
      run.time.hide();
    }
    run.express.hide();
    EXPECT_FALSE(run.dialogs.Failed()) << run.dialogs.Failures().join('\n').toStdString();
  }
}

}  // namespace
