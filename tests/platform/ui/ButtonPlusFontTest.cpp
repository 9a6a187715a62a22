#include <gtest/gtest.h>

#include "platform/Fonts.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/Form.h"

// A button keeps its window's typeface through every change of look, before
// and after it is shown (a new look must not bring back the application font).
TEST(ButtonPlus, KeepsItsWindowsFontThroughChangesOfLook) {
  platform::ui::Form window("Form1");
  auto* button = window.add<platform::ui::ButtonPlus>("Command1", nullptr, 0, 0, 1200, 400);
  const QString face = window.font().family();
  EXPECT_EQ(button->font().family(), face);
  platform::ui::SetBackColor(button, 255);
  button->SetBorderStyle("3");
  EXPECT_EQ(button->font().family(), face);
  window.show();
  platform::ui::SetFontSize(button, 12);
  button->SetUseVisualStyles("True");
  button->SetUseVisualStyles("False");
  button->SetThemeColor("65280");
  EXPECT_EQ(button->font().family(), face);
  EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 12);
}
