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

namespace {

// What of a window's controls is cut: a control reaching out of the frame or
// window it lies in, or a caption wider (or, wrapped, taller) than its control.
QStringList CutControls(const platform::ui::Form& window) {
  QStringList cut;
  for (QWidget* c : window.Controls()) {
    const QString name = c->objectName();
    QWidget* in = c->parentWidget();
    if (!in->rect().contains(c->geometry()))
      cut << QStringLiteral("%1 lies outside %2").arg(name, in->objectName());
    const QFontMetrics fm(c->font());
    int needed = 0;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(c)) {
      text = label->text();
      if (label->wordWrap()) {
        if (label->heightForWidth(label->width()) > label->height())
          cut << QStringLiteral("%1 needs %2 px height, has %3").arg(name).arg(label->heightForWidth(label->width())).arg(label->height());
        continue;
      }
      needed = fm.boundingRect(QRect(0, 0, 10000, 10000), 0, text).width();
    } else if (auto* button = qobject_cast<QPushButton*>(c)) {
      text = button->text();
      needed = fm.boundingRect(QRect(0, 0, 10000, 10000), 0, text).width() + 8;
    } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
      text = button->text();
      needed = button->sizeHint().width();
    } else if (auto* frame = qobject_cast<QGroupBox*>(c)) {
      text = frame->title();
      needed = fm.horizontalAdvance(text) + 8;
    } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
      for (int i = 0; i < combo->count(); ++i) needed = std::max(needed, fm.horizontalAdvance(combo->itemText(i)) + 24);
    }
    if (needed > c->width()) cut << QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(name, text).arg(needed).arg(c->width());
  }
  return cut;
}

class ExpressLayoutTest : public ::testing::TestWithParam<shell::ScreenInfo> {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
};

// Every field of the Express screen and the parenting-time window lies
// inside its frame and shows its whole caption, with the custody layouts'
// hidden fields included.
TEST_P(ExpressLayoutTest, EveryControlInsideItsFrameWithItsCaptionWhole) {
  ExpressFixture run(GetParam());
  EXPECT_EQ(CutControls(run.express).join('\n').toStdString(), "");
  EXPECT_EQ(CutControls(run.time).join('\n').toStdString(), "");
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

INSTANTIATE_TEST_SUITE_P(Screens, ExpressLayoutTest,
                         ::testing::Values(shell::ScreenInfo{800, 600, 15, 15}, shell::ScreenInfo{1024, 768, 15, 15},
                                           shell::ScreenInfo{1920, 1080, 15, 15}),
                         [](const auto& info) {
                           return std::to_string(int(info.param.widthPx)) + "x" + std::to_string(int(info.param.heightPx));
                         });

}  // namespace
