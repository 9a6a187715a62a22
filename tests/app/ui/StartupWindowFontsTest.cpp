// The own fonts of the worksheet and of the affidavit pages after the start-up
// layout pass: each takes its sheet's face and the common factor, apart from
// its controls' fonts, which the fit has scaled once.
#include <gtest/gtest.h>

#include <QFont>
#include <QStringList>

#include "app/ui/StartupLayout.h"
#include "platform/Fonts.h"
#include "platform/ui/Form.h"
#include "support/ui/ProgramFixture.h"

namespace {

QStringList ControlFonts(const platform::ui::Form& window) {
  QStringList fonts;
  for (QWidget* c : window.Controls()) fonts << c->objectName() + QLatin1Char(' ') + c->font().toString();
  return fonts;
}

TEST(StartupWindowFonts, OwnFontsTakeTheCommonFactorOnceAndReachNoControl) {
  platform::RegisterTahomaIfMissing();
  struct Window {
    const char* name;
    double designPoints;  // the window's own font as built
  };
  const Window windows[] = {{"Form9", 9}, {"Form12", 8.25}, {"Form121", 8.25}, {"Form122", 8.25}, {"Form123", 8.25}};
  // 1024 x 768: every factor 1.28; 1920 x 1080: ScaleFactorMin 1.8 (ScaleFactorX 2.4).
  for (const auto& [screen, common] : {std::pair{shell::ScreenInfo{1024, 768, 15, 15}, 1.28},
                                       std::pair{shell::ScreenInfo{1920, 1080, 15, 15}, 1.8}}) {
    SCOPED_TRACE(int(screen.widthPx));
    ProgramFixture run;
    run.program.PinScreen(screen);
    app::FitStartupWindows(run.program);
    for (const Window& w : windows) {
      SCOPED_TRACE(w.name);
      auto* window = run.program.Find<platform::ui::Form>(QLatin1String(w.name));
      ASSERT_NE(window, nullptr);
      EXPECT_EQ(window->font().family(), "Tahoma");
      EXPECT_NEAR(window->font().pointSizeF(), w.designPoints * common, 1e-6);
      // What the user sees is the controls' fonts: none follows the window's
      // own, so it reaches no caption or box at any size.
      const QStringList fitted = ControlFonts(*window);
      QFont own = window->font();
      own.setFamily(QStringLiteral("DejaVu Sans"));
      own.setPointSizeF(w.designPoints);
      window->setFont(own);
      EXPECT_EQ(ControlFonts(*window), fitted);
    }
  }
}

}  // namespace
