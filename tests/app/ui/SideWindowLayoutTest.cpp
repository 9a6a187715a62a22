// The side windows fitted to the screen as the program fits them: every
// control inside its frame and every caption whole, at each screen size.
#include <gtest/gtest.h>

#include "platform/Fonts.h"
#include "platform/ui/Form.h"
#include "support/ui/Layout.h"
#include "support/ui/ProgramFixture.h"

namespace {

class SideWindowLayoutTest : public ::testing::TestWithParam<shell::ScreenInfo>, public ProgramFixture {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
};

TEST_P(SideWindowLayoutTest, EveryCaptionWholeOnTheScreen) {
  program.PinScreen(GetParam());
  for (const char* name : {"FormFin", "Form7", "Form72t", "FormOnight", "FormDepends", "FormBonusCS",
                           "FormBonusAlm", "Form23", "Form10", "Form16"}) {
    SCOPED_TRACE(name);
    auto* form = program.Load<platform::ui::Form>(QString::fromLatin1(name));
    ASSERT_NE(form, nullptr);
    program.FitFormToScreen(*form);
    EXPECT_EQ(testenv::CutControls(*form).join('\n').toStdString(), "");
    EXPECT_LE(form->width(), GetParam().widthPx);
    EXPECT_LE(form->height(), GetParam().heightPx);
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, SideWindowLayoutTest, testenv::LayoutScreens(), testenv::ScreenName);

}  // namespace
