#include <gtest/gtest.h>

#include <QString>

#include <map>
#include <set>
#include <tuple>

#include "casefile/CasePositions.h"

using namespace casefile;

namespace {

std::map<Written, int> CountWritten(int from, int to) {
  std::map<Written, int> counts;
  for (const Position& p : CasePositions())
    if (p.position >= from && p.position <= to) ++counts[p.written];
  return counts;
}

}  // namespace

TEST(CasePositions, KindsWrittenInTheBaseRecordAndTheLaterPositions) {
  const auto base = CountWritten(1, 185);
  EXPECT_EQ(base.at(Written::Text) + base.at(Written::FontName), 146);
  EXPECT_EQ(base.at(Written::Boolean), 28);
  EXPECT_EQ(base.at(Written::Check), 5);
  EXPECT_EQ(base.at(Written::FontSize), 1);
  EXPECT_EQ(base.at(Written::Nothing), 3);
  EXPECT_EQ(base.at(Written::EmptyText), 2);
  const auto later = CountWritten(186, 399);
  EXPECT_EQ(later.at(Written::Text), 173);
  EXPECT_EQ(later.at(Written::Boolean), 18);
  EXPECT_EQ(later.at(Written::Check), 23);
  EXPECT_EQ(later.size(), 3u);
}

TEST(CasePositions, NumberedInOrderEachControlOnceAndReadAsWritten) {
  std::set<std::tuple<std::string, std::string, int>> controls;
  int n = 0;
  for (const Position& p : CasePositions()) {
    EXPECT_EQ(p.position, ++n);
    const bool retired = p.written == Written::Nothing || p.written == Written::EmptyText;
    if (!retired && p.window[0]) {
      EXPECT_TRUE(controls.insert({p.window, p.control, p.index}).second) << p.position;
    }
    // What the writer writes is what the reader takes back.
    switch (p.written) {
      case Written::Text:
        EXPECT_TRUE(p.onReading == OnReading::Text || p.onReading == OnReading::StateTaxText ||
                    p.onReading == OnReading::ServiceTickText) << p.position;
        break;
      case Written::Boolean: EXPECT_EQ(p.onReading, OnReading::Choice) << p.position; break;
      case Written::Check:
        EXPECT_TRUE(p.onReading == OnReading::Tick || p.onReading == OnReading::ServiceTick) << p.position;
        break;
      case Written::FontName: EXPECT_EQ(p.onReading, OnReading::FontName); break;
      case Written::FontSize: EXPECT_EQ(p.onReading, OnReading::FontSize); break;
      case Written::Nothing:
      case Written::EmptyText: EXPECT_EQ(p.onReading, OnReading::Ignored) << p.position; break;
    }
  }
  EXPECT_EQ(controls.size(), 392u);
}

TEST(CasePositions, LandmarksOfTheRecord) {
  struct Row { int position; const char* window; const char* control; int index; Written w; OnReading r; };
  const Row rows[] = {
      {1, "Form1", "ClaimantName", -1, Written::Text, OnReading::Text},
      {20, "", "", -1, Written::Nothing, OnReading::Ignored},
      {41, "", "WSFont", -1, Written::FontName, OnReading::FontName},
      {42, "", "WSFont", -1, Written::FontSize, OnReading::FontSize},
      {69, "Form13", "ClaimEICCheck", -1, Written::Check, OnReading::Tick},
      {89, "Form1", "PayerPerCent", -1, Written::Text, OnReading::Text},
      {94, "Form14", "PayerOtherSupport", -1, Written::Text, OnReading::Text},
      {101, "", "", -1, Written::Nothing, OnReading::Ignored},
      {116, "Form9", "WS16am", -1, Written::Text, OnReading::Text},
      {145, "Form9", "ws17m", -1, Written::Text, OnReading::Text},
      {168, "Form9", "WSNAme", -1, Written::Text, OnReading::Text},
      {171, "", "", -1, Written::EmptyText, OnReading::Ignored},
      {172, "Form9", "WSFax", -1, Written::Text, OnReading::ServiceTickText},
      {175, "Form9", "WSHand", -1, Written::Check, OnReading::ServiceTick},
      {185, "", "", -1, Written::EmptyText, OnReading::Ignored},
      {208, "Form1", "ClaimStateTaxCombo", -1, Written::Text, OnReading::StateTaxText},
      {211, "Form1", "PayerMFJ", -1, Written::Boolean, OnReading::Choice},
      {234, "Form16", "PercentOfTimeValue", 0, Written::Text, OnReading::Text},
      {259, "Form16", "PayerPerCent", 6, Written::Text, OnReading::Text},
      {266, "Form1", "OtherChild", 0, Written::Boolean, OnReading::Choice},
      {281, "Form27", "AWages", 0, Written::Text, OnReading::Text},
      {323, "Form27", "DTrade", 1, Written::Check, OnReading::Tick},
      {358, "Form26", "ANot", 1, Written::Text, OnReading::Text},
      {369, "Form14", "OtherAge65", -1, Written::Check, OnReading::Tick},
      {375, "Form9", "WS0t", -1, Written::Text, OnReading::Text},
      {377, "Form1", "MParentOption", -1, Written::Boolean, OnReading::Choice},
      {397, "Form27", "PayerCTips", 1, Written::Text, OnReading::Text},
      {399, "Form14", "OtherSpouseAge65", -1, Written::Check, OnReading::Tick},
  };
  for (const Row& row : rows) {
    const Position& p = CasePositions()[row.position - 1];
    EXPECT_STREQ(p.window, row.window) << row.position;
    EXPECT_STREQ(p.control, row.control) << row.position;
    EXPECT_EQ(p.index, row.index) << row.position;
    EXPECT_EQ(p.written, row.w) << row.position;
    EXPECT_EQ(p.onReading, row.r) << row.position;
  }
}

TEST(CasePositions, EighteenBlocks) {
  int total = 0;
  for (int size : CaseBlockSizes()) total += size;
  EXPECT_EQ(total, kPositionCount);
  EXPECT_EQ(CaseBlockSizes().size(), 18u);
  const std::pair<int, int> blockOf[] = {{1, 1}, {185, 1}, {186, 2}, {211, 2}, {212, 3}, {279, 9},
                                         {280, 10}, {373, 15}, {397, 17}, {398, 18}, {399, 18}};
  for (const auto& [position, block] : blockOf) EXPECT_EQ(BlockOfPosition(position), block) << position;
}
