#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "express/ui/ExpressFixture.h"
#include "platform/Fonts.h"
#include "support/ui/Layout.h"

namespace {

class ExpressLayoutTest : public ::testing::TestWithParam<shell::ScreenInfo> {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
};

// Every field of the Express screen and the parenting-time window lies
// inside its frame and shows its whole caption, with the custody layouts'
// hidden fields included.
TEST_P(ExpressLayoutTest, EveryControlInsideItsFrameWithItsCaptionWhole) {
  ExpressFixture run(GetParam());
  EXPECT_EQ(testenv::CutControls(run.express).join('\n').toStdString(), "");
  EXPECT_EQ(testenv::CutControls(run.time).join('\n').toStdString(), "");
  // The window and its controls fit the screen.
  EXPECT_LE(run.express.width(), GetParam().widthPx);
  EXPECT_LE(run.express.height(), GetParam().heightPx);
  for (QWidget* c : run.express.Controls())
    EXPECT_TRUE(run.express.rect().contains(QRect(c->mapTo(&run.express, QPoint(0, 0)), c->size())))
        << c->objectName().toStdString();
  EXPECT_LE(run.time.height(), GetParam().heightPx);
}

// Under a window manager the window's frame and title bar count in its
// size: every control still lies within the client area that is left.
TEST_P(ExpressLayoutTest, EveryControlWithinTheClientAreaOfAFramedWindow) {
  const QMargins before = platform::ui::AssumedFrameMargins();
  platform::ui::SetAssumedFrameMargins(QMargins(4, 23, 4, 4));
  {
    ExpressFixture run(GetParam());
    const QMargins frame = run.express.FrameMargins();
    EXPECT_LE(run.express.height() + frame.top() + frame.bottom(), GetParam().heightPx);
    for (QWidget* c : run.express.Controls())
      EXPECT_TRUE(run.express.rect().contains(QRect(c->mapTo(&run.express, QPoint(0, 0)), c->size())))
          << c->objectName().toStdString();
    // The parenting-time window as it first opens: whole, with its frame and
    // title bar on the screen.
    run.time.show();
    const QRect screen(0, 0, int(GetParam().widthPx), int(GetParam().heightPx));
    EXPECT_TRUE(screen.contains(run.time.geometry().marginsAdded(run.time.FrameMargins())))
        << run.time.geometry().marginsAdded(run.time.FrameMargins()).top();
    for (QWidget* c : run.time.Controls())
      EXPECT_TRUE(run.time.rect().contains(QRect(c->mapTo(&run.time, QPoint(0, 0)), c->size())))
          << c->objectName().toStdString();
    run.time.hide();
  }
  platform::ui::SetAssumedFrameMargins(before);
}

// The state tax combo boxes lie in their party's frame and offer a rate or an amount.
TEST_P(ExpressLayoutTest, StateTaxCombosInTheirFramesOfferRateOrAmount) {
  ExpressFixture run(GetParam());
  for (auto [combo, frame] : {std::pair{run.express.ClaimStateTaxCombo, "Frame3"},
                              std::pair{run.express.PayerStateTaxCombo, "Frame2"}}) {
    EXPECT_EQ(combo->parentWidget()->objectName(), frame);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "As Rate");
    EXPECT_EQ(combo->itemText(1), "As Amount");
    EXPECT_EQ(combo->currentText(), "As Rate");
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, ExpressLayoutTest, testenv::LayoutScreens(), testenv::ScreenName);

}  // namespace
