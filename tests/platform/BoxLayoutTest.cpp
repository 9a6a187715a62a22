#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

// The same within a window frame `frameWidth` wide, left and right together.
BoxMeasures framed(BoxMeasures m, double frameWidth) {
  m.frameWidth = frameWidth;
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
      // title 4000 + 1800 (the title bar's icon and buttons) beats 3000 + 750
      {"long title widens the box", designed(0, 3000, 4000), 2, 5800},
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

// A prompt of several lines: each line takes the lines of the text area its
// width needs (floor(width / measuring width) + 1), and the area one more.
TEST(BoxLayout, APromptOfSeveralLinesTakesItsOwnLinesAndOneMore) {
  const struct {
    const char* rule;
    std::vector<double> lines;
    float count;
  } cases[] = {
      {"three short lines: four", {3000, 2000, 1000}, 4},
      {"an empty line counts as one", {3000, 0, 1000}, 4},
      // 1 + 1 + 3 (2.5 measuring widths) + 1
      {"a long line wraps", {3000, 1000, 12337.5}, 6},
  };
  for (const auto& c : cases) {
    BoxMeasures m = designed(4, *std::max_element(c.lines.begin(), c.lines.end()));
    m.lineWidths = c.lines;
    m.promptHeight = 195.0 * static_cast<double>(c.lines.size());
    const BoxLayout l = ComputeBoxLayout(m);
    EXPECT_EQ(l.PromptLineCount, c.count) << c.rule;
    EXPECT_DOUBLE_EQ(l.textHeight, c.count * 195.0 + 100) << c.rule;  // each line 195 high
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
      // no title: the title bar's icon and buttons (1800) need more than 180 + 1050 + 180; (1800 - 1050) / 2
      {"tiny prompt and no title keep room for the title bar", designed(0, 300, 0), 1800, 375, 0},
      // 600 + 1800; (2400 - 1050) / 2
      {"short title keeps the box wide enough for the title", designed(0, 300), 2400, 675, 0},
      // (3750 - 120 - 2850) / 2 = 390: centred within the frame
      {"Yes and No centred within the frame", framed(designed(4, 3000), 120), 3750, 390, 2190},
      // (3750 - 120 - 1050) / 2
      {"OK centred within the frame", framed(designed(0, 3000), 120), 3750, 1290, 0},
      // 3210 + 120
      {"a tiny Yes/No prompt leaves room for the frame", framed(designed(4, 300), 120), 3330, 180, 1980},
  };
  for (const auto& c : cases) {
    const BoxLayout l = ComputeBoxLayout(c.in);
    EXPECT_DOUBLE_EQ(l.windowWidth, c.width) << c.rule;
    EXPECT_DOUBLE_EQ(l.command1Left, c.left1) << c.rule;
    EXPECT_DOUBLE_EQ(l.command2Left, c.left2) << c.rule;
    EXPECT_GE(l.command1Left, 0) << c.rule;
  }
}

TEST(BoxLayout, CentresTheBoxOnItsWindowOrTheScreen) {
  const QRect screen(0, 0, 1024, 768);  // the work area
  const struct {
    const char* rule;
    QRect over;
    QSize box;
    QPoint place;
  } cases[] = {
      // 100 + (600 - 300) / 2, 50 + (400 - 200) / 2
      {"centred on the window", {100, 50, 600, 400}, {300, 200}, {250, 150}},
      // (1024 - 300) / 2, (768 - 200) / 2
      {"no window: centred on the screen", {}, {300, 200}, {362, 284}},
      {"a window at the right edge: the box stays on the screen", {800, 600, 600, 400}, {300, 200}, {724, 568}},
      {"a window off the top-left: the box stays on the screen", {-500, -400, 600, 400}, {300, 200}, {0, 0}},
      {"a box larger than the screen: its top-left corner shows", {}, {1200, 900}, {0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(CentredBoxPlace(c.box, c.over, screen), c.place) << c.rule;

  // A second screen to the right: the box stays within its work area.
  EXPECT_EQ(CentredBoxPlace({300, 200}, {}, {1024, 0, 1920, 1050}), QPoint(1834, 425));
}
