#include <gtest/gtest.h>

#include "alimony/AwardCommands.h"

namespace {

TEST(AwardCommands, NewAwardReadAsAYearlyAmount) {
  const struct {
    const char* text;
    std::optional<double> award;
    const char* message;
    bool focus;
  } rows[] = {
      {"$24,000", 24000, "", false},
      {"0", 0, "", false},
      {"", std::nullopt, "Please Enter The New Alimony", true},
      {"abc", std::nullopt, "Please Enter The New Alimony", true},
      {"-5", std::nullopt, "Alimony Must Be $0 or Greater", false},
      {"1e300", std::nullopt, "This amount is too large. Please enter an amount of $999,999,999,999 or less.", true},
  };
  for (const auto& r : rows) {
    const alimony::NewAwardReading read = alimony::ReadNewAward(r.text);
    EXPECT_EQ(read.Award, r.award) << r.text;
    EXPECT_EQ(read.Message, r.message) << r.text;
    EXPECT_EQ(read.FocusToBox, r.focus) << r.text;
  }
}

}  // namespace
