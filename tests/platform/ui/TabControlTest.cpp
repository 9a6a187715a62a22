#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTabBar>

#include "platform/ui/Form.h"
#include "platform/ui/TabControl.h"

using namespace platform::ui;

namespace {

// Every tab in view, side by side, with its caption whole in the strip's font.
void ExpectTabsWithin(const TabControl& tabs, const char* rule) {
  const QTabBar* bar = tabs.Bar();
  const QFontMetrics metrics(bar->font());
  int right = -1;
  for (int i = 0; i < bar->count(); ++i) {
    const QRect r = bar->tabRect(i);
    EXPECT_GT(r.left(), right) << rule << " tab " << i;
    EXPECT_GE(r.width(), metrics.horizontalAdvance(bar->tabText(i))) << rule << " tab " << i;
    right = r.right();
  }
  EXPECT_LT(right, tabs.width()) << rule;
}

}  // namespace

TEST(TabControl, TabsStandWithinTheControlWithCaptionsWhole) {
  Form form(QStringLiteral("Form2"));
  auto* tabs = form.add<TabControl>(QStringLiteral("SSTab1"), nullptr, 0, 0, 9000, 3000);
  tabs->SetTabs({QStringLiteral("Gross Income"), QStringLiteral("Adjustments To Gross Income"),
                 QStringLiteral("Credits"), QStringLiteral("Deductions")});
  form.show();

  // Tabs of a set width, wider than their captions.
  tabs->SetTabMaxWidth(1500);
  for (int i : {0, 2, 3}) EXPECT_EQ(tabs->Bar()->tabRect(i).width(), 100) << i;
  EXPECT_GT(tabs->Bar()->tabRect(1).width(), 100);  // the long caption stays whole
  ExpectTabsWithin(*tabs, "set width");

  // A set width too wide for four tabs is cut to a quarter of the control.
  tabs->SetTabMaxWidth(4000);
  ExpectTabsWithin(*tabs, "too wide a set width");

  // A control too narrow for its captions draws them smaller.
  tabs->SetTabMaxWidth(0);
  SetWidth(tabs, 4500);
  ExpectTabsWithin(*tabs, "narrow control");
  EXPECT_LT(tabs->Bar()->font().pointSizeF(), tabs->font().pointSizeF());

  // Wide again: the captions take the control's font once more.
  SetWidth(tabs, 9000);
  EXPECT_EQ(tabs->Bar()->font().pointSizeF(), tabs->font().pointSizeF());
  ExpectTabsWithin(*tabs, "wide again");
}
