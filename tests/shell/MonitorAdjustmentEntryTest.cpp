#include <gtest/gtest.h>

#include "shell/MonitorAdjustmentEntry.h"

TEST(MonitorAdjustmentEntry, StoresTheLeadingNumberWithinHalfToOneElseOne) {
  const struct {
    const char* entry;
    const char* stored;
  } cases[] = {
      {"0.8", "0.8"},    {".8", "0.8"},          {"0.5", "0.5"},   {"0.49", "1"},
      {"1", "1"},        {"1.01", "1"},          {"2", "1"},       {"abc", "1"},
      {"", "1"},         {"0.75 wide", "0.75"},  {"-0.8", "1"},    {" 0 . 6", "0.6"},
      {"1.0", "1"},      {"6E-1", "0.6"},
  };
  for (const auto& c : cases) EXPECT_EQ(shell::MonitorAdjustmentText(c.entry), c.stored) << c.entry;
}
