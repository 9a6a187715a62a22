#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTabBar>
#include <QToolButton>

#include "income/ui/IncomeWindowFixture.h"
#include "platform/Fonts.h"
#include "platform/ui/Form.h"
#include "platform/ui/TabControl.h"
#include "shell/ui/Fitting.h"

using namespace incometest;

namespace {

class IncomeTabFittingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
};

// A fresh pair of windows for each screen.
struct Windows : IncomeWindowFixture {
  income::IncomeWindow& Of(int party) {
    if (party == 0) return Claim();
    return Payer();
  }
};

// The four tabs of both income windows, fitted to screens from the smallest
// to the largest the program is meant for: all four stand side by side in the
// tab control with their captions whole, and no scroll arrows appear.
TEST_F(IncomeTabFittingTest, AllFourTabsStandSideBySideWithCaptionsWhole) {
  // 800 x 600 at 120 dots per inch (12 twips a pixel) shrinks the tab
  // control twice.
  const shell::ScreenInfo screens[] = {
      {800, 600, 15, 15}, {1024, 768, 15, 15}, {1920, 1080, 15, 15}, {800, 600, 12, 12}};
  for (const shell::ScreenInfo& screen : screens) {
    for (int party = 0; party < 2; ++party) {
      Windows fresh;
      income::IncomeWindow& w = fresh.Of(party);
      const double designFont = platform::ui::FontSize(w.SSTab1);
      shell::ScreenFactors f;
      shell::FitTabFormToScreen(w, f, screen);
      w.show();

      const QString where = QStringLiteral("%1x%2 at %3 twips a pixel, window %4")
                                .arg(screen.widthPx).arg(screen.heightPx).arg(screen.twipsPerPixelX).arg(party);

      // The captions' font is scaled once, by the common factor.
      EXPECT_NEAR(platform::ui::FontSize(w.SSTab1), designFont * f.ScaleFactorMin, 1e-6) << where.toStdString();

      QTabBar* bar = w.SSTab1->Bar();
      ASSERT_EQ(bar->count(), 4);
      const QFontMetrics metrics(bar->font());
      int right = 0;
      for (int i = 0; i < 4; ++i) {
        const QRect r = bar->tabRect(i);
        EXPECT_GE(r.left(), right) << where.toStdString() << " tab " << i;  // side by side
        EXPECT_GE(r.width(), metrics.horizontalAdvance(bar->tabText(i))) << where.toStdString() << " tab " << i;
        right = r.right();
      }
      EXPECT_GE(bar->tabRect(0).left(), 0) << where.toStdString();
      EXPECT_LE(bar->tabRect(3).right(), w.SSTab1->width()) << where.toStdString();
      EXPECT_LE(bar->geometry().right(), w.SSTab1->width()) << where.toStdString();
      for (const QToolButton* arrow : bar->findChildren<QToolButton*>())
        EXPECT_FALSE(arrow->isVisible()) << where.toStdString();

      // Choosing the last tab moves none of them: a click where "Gross
      // Income" stands still selects it.
      const QRect first = bar->tabRect(0);
      w.SSTab1->SetTab(3);
      EXPECT_EQ(bar->tabRect(0), first) << where.toStdString();
      EXPECT_EQ(bar->tabAt(first.center()), 0) << where.toStdString();
      w.hide();
    }
  }
}

}  // namespace
