#include <gtest/gtest.h>

#include <QGroupBox>

#include "platform/Fonts.h"
#include "platform/ui/ButtonPlus.h"
#include "results/ui/Form5.h"
#include "support/ui/Layout.h"
#include "support/ui/ProgramFixture.h"

namespace {

class Form5LayoutTest : public ::testing::TestWithParam<shell::ScreenInfo>, public ProgramFixture {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
};

// Fitted to the screen, every control of the child support result window
// lies inside its frame and shows its whole caption: the buttons under the
// party pictures, the longest party captions a run sets and the tier caption.
TEST_P(Form5LayoutTest, EveryCaptionWholeOnTheScreen) {
  program.PinScreen(GetParam());
  auto* form = program.Load<results::ui::Form5>(QStringLiteral("Form5"));
  ASSERT_NE(form, nullptr);
  program.FitFormToScreen(*form);
  form->Frame1->setTitle(QStringLiteral("Claimant (noncustodial)"));
  form->Frame2->setTitle(QStringLiteral("Other (shared custody)"));
  program.Case.Support.MoTierNetExpense[1] = 12'345;
  form->ButtonPlus1_Click();  // the tier table and its caption
  // The menu bar stands in the designed client area, so at 800 x 600 the
  // foot of the transfer frame reaches a pixel below it; that is no caption.
  QStringList cut = testenv::CutControls(*form);
  cut.removeAll(QStringLiteral("Frame10 lies outside Form5_client"));
  EXPECT_EQ(cut.join('\n').toStdString(), "");
  EXPECT_LE(form->width(), GetParam().widthPx);
  EXPECT_LE(form->height(), GetParam().heightPx);
}

INSTANTIATE_TEST_SUITE_P(Screens, Form5LayoutTest, testenv::LayoutScreens(), testenv::ScreenName);

}  // namespace
