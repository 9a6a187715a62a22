// The side windows fitted to the screen as the program fits them: every
// control inside its frame and every caption whole, at each screen size, and
// inside the window under a window manager's frame.
#include <gtest/gtest.h>

#include "platform/Fonts.h"
#include "platform/ui/Form.h"
#include "support/ui/Layout.h"
#include "support/ui/ProgramFixture.h"

namespace {

struct Screen {
  shell::ScreenInfo screen;
  bool framed;  // under a window manager that frames the windows
};

// The frame an X window manager draws: borders and a title bar.
const QMargins kWindowManagerFrame(4, 28, 4, 4);

class SideWindowLayoutTest : public ::testing::TestWithParam<Screen>, public ProgramFixture {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
  SideWindowLayoutTest() { platform::ui::SetAssumedFrameMargins(GetParam().framed ? kWindowManagerFrame : QMargins()); }
  ~SideWindowLayoutTest() override { platform::ui::SetAssumedFrameMargins(QMargins()); }
};

TEST_P(SideWindowLayoutTest, EveryCaptionWholeOnTheScreen) {
  const shell::ScreenInfo screen = GetParam().screen;
  program.PinScreen(screen);
  for (const char* name : {"FormFin", "Form7", "Form72t", "FormOnight", "FormDepends", "FormBonusCS",
                           "FormBonusAlm", "Form23", "Form10", "Form16"}) {
    SCOPED_TRACE(name);
    auto* form = program.Load<platform::ui::Form>(QString::fromLatin1(name));
    ASSERT_NE(form, nullptr);
    program.FitFormToScreen(*form);
    EXPECT_EQ(testenv::CutControls(*form).join('\n').toStdString(), "");
    const QMargins frame = form->FrameMargins();
    EXPECT_LE(form->width() + frame.left() + frame.right(), screen.widthPx);
    EXPECT_LE(form->height() + frame.top() + frame.bottom(), screen.heightPx);
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, SideWindowLayoutTest, ::testing::ValuesIn([] {
                           std::vector<Screen> screens;
                           for (bool framed : {false, true})
                             for (double w : {800.0, 1024.0, 1920.0})
                               screens.push_back({shell::ScreenInfo{w, w == 800 ? 600.0 : w == 1024 ? 768.0 : 1080.0, 15, 15}, framed});
                           return screens;
                         }()),
                         [](const auto& info) {
                           return std::to_string(int(info.param.screen.widthPx)) + "x" +
                                  std::to_string(int(info.param.screen.heightPx)) + (info.param.framed ? "Framed" : "");
                         });

}  // namespace
