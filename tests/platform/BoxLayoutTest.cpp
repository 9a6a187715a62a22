#include <gtest/gtest.h>

#include "platform/BoxLayout.h"

using namespace platform;

namespace {

// The box as designed (twips), with a prompt 195 high and a short title.
BoxMeasures designed(int16_t buttons, double promptWidth, double titleWidth = 600) {
  BoxMeasures m;
  m.buttons = buttons;
  m.promptWidth = promptWidth;
  m.promptHeight = 195;
  m.titleWidth = titleWidth;
  m.windowWidth = 5340;
  m.measureWidth = 4935;
  m.textLeft = 180;
  m.textTop = 180;
  m.command1Left = 1500;
  m.command1Width = 1050;
  m.command1Height = 420;
  m.command2Width = 1050;
  return m;
}

}  // namespace

TEST(BoxLayout, SizesToThePrompt) {
  const struct {
    const char* rule;
    BoxMeasures in;
    float lines;
    double width;
  } cases[] = {
      // 3000 + 750
      {"short prompt: prompt width plus 750, two lines", designed(0, 3000), 2, 3750},
      // 2.5 x 4935: floor(2.5) + 2
      {"prompt 2.5 measuring widths: four lines, width kept", designed(0, 12337.5), 4, 5340},
      {"prompt exactly one measuring width: three lines", designed(0, 4935), 3, 5340},
      {"prompt just under one measuring width: two lines", designed(0, 4934), 2, 5684},
      // title 4000 + 1200 beats 3000 + 750
      {"long title widens the box", designed(0, 3000, 4000), 2, 5200},
  };
  for (const auto& c : cases) {
    const BoxLayout l = ComputeBoxLayout(c.in);
    EXPECT_EQ(l.PromptLineCount, c.lines) << c.rule;
    EXPECT_DOUBLE_EQ(l.windowWidth, c.width) << c.rule;
    // Text area: lines x 195 + 100; buttons under it; window 700 below them.
    EXPECT_DOUBLE_EQ(l.textHeight, c.lines * 195.0 + 100) << c.rule;
    EXPECT_DOUBLE_EQ(l.buttonTop, 180 + l.textHeight) << c.rule;
    EXPECT_DOUBLE_EQ(l.windowHeight, l.buttonTop + 420 + 700) << c.rule;
  }
}

TEST(BoxLayout, PlacesTheButtons) {
  const struct {
    const char* rule;
    BoxMeasures in;
    double width, left1, left2;
  } cases[] = {
      // (3750 - 1050) / 2
      {"OK alone is centred", designed(0, 3000), 3750, 1350, 0},
      {"OK of a 48 box stays at its design place", designed(48, 3000), 3750, 1500, 0},
      {"OK of a 64 box stays at its design place", designed(64, 12337.5), 5340, 1500, 0},
      // 300 + 750 is too narrow for OK at 1500: 1500 + 1050 + 180
      {"tiny prompt keeps a 48 box wide enough for OK", designed(48, 300), 2730, 1500, 0},
      // (3750 - (1050 + 750 + 1050)) / 2 = 450; 450 + 1050 + 750
      {"Yes and No centred 750 apart", designed(4, 3000), 3750, 450, 2250},
      // 180 + 1050 + 750 + 1050 + 180 = 3210
      {"tiny Yes/No prompt widens the box, never a negative left", designed(4, 300), 3210, 180,
       1980},
      // 180 + 1050 + 180
      {"tiny prompt keeps the OK box wide enough for OK", designed(0, 300, 0), 1410, 180, 0},
      // 600 + 1200
      {"short title keeps the box wide enough for the title", designed(0, 300), 1800, 375, 0},
  };
  for (const auto& c : cases) {
    const BoxLayout l = ComputeBoxLayout(c.in);
    EXPECT_DOUBLE_EQ(l.windowWidth, c.width) << c.rule;
    EXPECT_DOUBLE_EQ(l.command1Left, c.left1) << c.rule;
    EXPECT_DOUBLE_EQ(l.command2Left, c.left2) << c.rule;
    EXPECT_GE(l.command1Left, 0) << c.rule;
  }
}
