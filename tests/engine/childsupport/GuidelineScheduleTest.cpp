#include <gtest/gtest.h>

#include <cmath>

#include "engine/childsupport/GuidelineSchedule.h"

namespace {

using childsupport::GuidelineRow;
using childsupport::kGuidelineSchedule;
using childsupport::kScheduleRows;
using childsupport::LookUpBasicObligation;

TEST(GuidelineSchedule, RowsOfTheStatute) {
  const struct {
    int row;
    GuidelineRow entries;
  } rows[] = {
      {1, {190, 211, 213, 216, 218, 220}},           {2, {202, 257, 259, 262, 265, 268}},
      {4, {224, 347, 351, 355, 359, 363}},           {5, {235, 365, 397, 402, 406, 410}},
      {15, {340, 529, 662, 746, 813, 869}},          {25, {442, 686, 859, 968, 1054, 1128}},
      {45, {644, 1001, 1252, 1412, 1540, 1647}},     {58, {767, 1194, 1493, 1683, 1837, 1964}},
      {59, {776, 1208, 1503, 1702, 1857, 1987}},     {60, {784, 1221, 1520, 1721, 1878, 2009}},
      {83, {986, 1530, 1905, 2157, 2354, 2516}},     {84, {993, 1542, 1927, 2174, 2372, 2535}},
      {85, {1000, 1551, 1939, 2188, 2387, 2551}},    {135, {1251, 1945, 2438, 2741, 2993, 3201}},
      {185, {1437, 2228, 2795, 3148, 3432, 3666}},
  };
  for (const auto& r : rows) EXPECT_EQ(kGuidelineSchedule[r.row - 1], r.entries) << "row " << r.row;
}

TEST(GuidelineSchedule, RisesDownEveryColumnAndAlongEveryRow) {
  for (int r = 0; r < kScheduleRows; ++r) {
    for (int c = 0; c < 6; ++c) {
      if (r > 0) {
        EXPECT_LT(kGuidelineSchedule[r - 1][c], kGuidelineSchedule[r][c]) << r << "," << c;
      }
      if (c > 0) {
        EXPECT_LT(kGuidelineSchedule[r][c - 1], kGuidelineSchedule[r][c]) << r << "," << c;
      }
    }
  }
}

TEST(LookUpBasicObligation, ClosestAndLinearReadings) {
  const struct {
    const char* mode;
    double children, income, obligation;
  } cases[] = {
      {"Closest", 1, 824.99, 190},    {"Closest", 1, 825, 202},  // halfway takes the higher row
      {"Linear", 1, 875, 208},        // 202 + 0.5 x 11 = 207.5, rounded up
      {"Linear", 1, 849, 190},        {"Closest", 1, 849, 202},  // linear keeps row 1 up to $849.99
      {"Linear", 2, 2'020, 692},      // 686 + 0.4 x 16 = 692.4
      {"Closest", 3, 1'000, 397},     {"Linear", 3, 1'000, 397},
      {"Closest", 6, 10'000, 3666},   {"Linear", 6, 10'000, 3666},
      {"Closest", 6, 10'100, 3678.5}, // 3,666 + 100 x 0.125
      {"Closest", 2, 12'000, 2378},   // 2,228 + 2,000 x 0.075
      {"Linear", 3, 10'500.50, 2842.5475},  // 2,795 + 500.5 x 0.095, not rounded
      {"Closest", 1, 0, 190},         {"Linear", 6, -500, 220},
      {"Closest", 7, 800, 220},       {"Linear", 6.5, 800, 220},
      {"Closest", 0, 5'000, 0},       {"Closest", 2.5, 5'000, 0},  {"Linear", -1, 5'000, 0},
      {"closest", 2, 5'000, 0},       {"", 2, 5'000, 0},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(LookUpBasicObligation(c.children, c.income, c.mode), c.obligation)
        << c.mode << " " << c.children << " children, $" << c.income;
}

TEST(LookUpBasicObligation, IncomeThatIsNotANumberStaysInTheTable) {
  // No row outside 1 to 185 is ever read, whatever the income.
  EXPECT_EQ(LookUpBasicObligation(1, 1e300, "Closest") > 1e290, true);
  EXPECT_EQ(LookUpBasicObligation(1, std::nan(""), "Closest"), 190);
}

}  // namespace
