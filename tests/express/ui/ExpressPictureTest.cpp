#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
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

TEST_F(ExpressPictureTest, SharedCustodyCaseAtThreeScreenSizes) {
  prefs::ScreenDefault.write("TV");
  for (const auto& [screen, name] : {std::pair{shell::ScreenInfo{800, 600, 15, 15}, ""},
                                     std::pair{shell::ScreenInfo{1024, 768, 15, 15}, "express-shared-1024x768.png"},
                                     std::pair{shell::ScreenInfo{1920, 1080, 15, 15}, "express-shared-1920x1080.png"}}) {
    ExpressFixture run(screen);
    run.FillSharedCase();
    // (146 + 164.3) / 2: the average reads the second child's nights as shown.
    EXPECT_EQ(run.express.ClaimDays->text(), "155.2");
    if (*name) Save(run.express.grab().toImage(), QString::fromLatin1(name));

    run.time.show();
    Save(run.time.grab().toImage(), QStringLiteral("parenting-time-%1x%2.png").arg(screen.widthPx).arg(screen.heightPx));
    run.time.hide();
    run.express.hide();
    EXPECT_FALSE(run.dialogs.Failed()) << run.dialogs.Failures().join('\n').toStdString();
  }
}

// The Express screen with each of its menus drawn open below the menu bar.
TEST_F(ExpressPictureTest, ExpressScreenWithItsMenus) {
  prefs::ScreenDefault.write("TV");
  ExpressFixture run;
  run.express.show();
  const QImage window = run.express.grab().toImage();
  std::vector<QImage> menus;
  int menusWidth = 0, menusHeight = 0;
  for (QAction* top : run.express.MenuBar()->actions()) {
    QMenu* menu = top->menu();
    menu->ensurePolished();
    menu->adjustSize();
    menus.push_back(menu->grab().toImage());
    menusWidth += menus.back().width() + 8;
    menusHeight = std::max(menusHeight, menus.back().height());
  }
  QImage picture(std::max(window.width(), menusWidth), window.height() + menusHeight + 8, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.drawImage(0, 0, window);
  int x = 0;
  for (const QImage& menu : menus) {
    painter.drawImage(x, window.height() + 8, menu);
    x += menu.width() + 8;
  }
  painter.end();
  Save(picture, QStringLiteral("express-menus-1024x768.png"));
}

}  // namespace
