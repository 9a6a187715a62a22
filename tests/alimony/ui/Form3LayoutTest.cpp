#include <gtest/gtest.h>

#include "alimony/ui/Form3.h"
#include "platform/Fonts.h"
#include "support/ui/Layout.h"
#include "support/ui/ProgramFixture.h"

namespace {

class Form3LayoutTest : public ::testing::TestWithParam<shell::ScreenInfo>, public ProgramFixture {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
};

// Fitted to the screen, every control of the alimony result window lies
// inside its frame and shows its whole caption, the present-value labels
// and the award commands included.
TEST_P(Form3LayoutTest, EveryCaptionWholeOnTheScreen) {
  program.PinScreen(GetParam());
  auto* form = program.Load<alimony::ui::Form3>(QStringLiteral("Form3"));
  ASSERT_NE(form, nullptr);
  program.FitFormToScreen(*form);
  form->Frame1->setTitle(QStringLiteral("Claimant (noncustodial)"));
  form->Frame2->setTitle(QStringLiteral("Other (shared custody)"));
  EXPECT_EQ(testenv::CutControls(*form).join('\n').toStdString(), "");
  EXPECT_LE(form->width(), GetParam().widthPx);
  EXPECT_LE(form->height(), GetParam().heightPx);
}

INSTANTIATE_TEST_SUITE_P(Screens, Form3LayoutTest, testenv::LayoutScreens(), testenv::ScreenName);

}  // namespace
