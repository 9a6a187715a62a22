#include <gtest/gtest.h>

#include "platform/Dialogs.h"

#include "worksheet/WorksheetValues.h"

using namespace worksheet;

namespace {

struct Conversion {
  const char* name;
  Box box;
  QString typed;
  double value;
  QString shownAfter;
};

class BoxConversion : public ::testing::TestWithParam<Conversion> {};

TEST_P(BoxConversion, SlotTakesTheNumberAndUnusableTextIsRepaired) {
  const Conversion& c = GetParam();
  WorksheetSheet sheet = WorksheetSheet::AsDesigned();
  WorksheetValues values{};
  sheet[c.box] = c.typed;
  AssignBox(sheet, values, c.box);
  ASSERT_TRUE(values[SlotOf(c.box)].has_value());
  EXPECT_DOUBLE_EQ(*values[SlotOf(c.box)], c.value);
  EXPECT_EQ(sheet[c.box], c.shownAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Worksheet, BoxConversion,
    ::testing::Values(
        // Dollar sign, space and thousands comma are removed; the box keeps its text.
        Conversion{"AmountAsTyped", Box::WS1f, "$ 1,250.50", 1250.5, "$ 1,250.50"},
        Conversion{"EmptyAmountShowsDollar", Box::WS1m, "", 0, "$"},
        Conversion{"DollarAlone", Box::WS5at, "$", 0, "$"},
        Conversion{"PercentSignIsDropped", Box::WS7af, "12%", 12, "12%"},  // 12, not 0.12
        Conversion{"NegativeAccepted", Box::WS16cm, "-300", -300, "-300"},
        Conversion{"WordInChildrenEmptied", Box::WSNumMinors, "two", 0, ""},
        Conversion{"WordInDaysEmptied", Box::WSFatherDays, "half", 0, ""},
        Conversion{"DaysWithFraction", Box::WSMotherDays, "182.5", 182.5, "182.5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WorksheetValues, AssignConvertsOnlyTheMethodInUse) {
  WorksheetSheet sheet = WorksheetSheet::AsDesigned();
  WorksheetValues values{};
  values[4] = 77;   // line 5a, standard method
  values[13] = 88;  // line 14a, time-sharing method
  sheet[Box::WS5at] = "abc";
  sheet[Box::WS14at] = "xyz";
  sheet[Box::WSFatherDays] = "days";

  AssignWSVars(sheet, values, /*sharedOption=*/true);
  EXPECT_EQ(*values[4], 77);            // not read
  EXPECT_EQ(sheet[Box::WS5at], "abc");  // not repaired
  EXPECT_EQ(*values[13], 0);
  EXPECT_EQ(sheet[Box::WS14at], "$");
  EXPECT_EQ(sheet[Box::WSFatherDays], "");

  AssignWSVars(sheet, values, /*sharedOption=*/false);
  EXPECT_EQ(*values[4], 0);
  EXPECT_EQ(sheet[Box::WS5at], "$");
  EXPECT_FALSE(values[22].has_value());  // computed slots untouched
}

TEST(WorksheetValues, PrintRefreshReadsTheOtherMethodWithoutRewritingIt) {
  WorksheetSheet sheet = WorksheetSheet::AsDesigned();
  WorksheetValues values{};
  values[7] = 999;  // an earlier figure of line 7a
  sheet[Box::WS7af] = "$ 40";
  sheet[Box::WS7am] = "oops";
  sheet[Box::WS16af] = "$ 1,000";
  RefreshValuesForPrint(sheet, values, /*sharedOption=*/true);
  EXPECT_EQ(*values[7], 40);
  EXPECT_EQ(*values[8], 0);
  EXPECT_EQ(sheet[Box::WS7am], "oops");  // the other method's box is left as typed
  EXPECT_EQ(*values[17], 1000);          // line 16a column A is slot 17
}

TEST(WorksheetSheet, BoxesByNameAndSlot) {
  EXPECT_EQ(BoxName(Box::ws17m), "ws17m");
  EXPECT_EQ(BoxByName(u"WS16af"), Box::WS16af);
  EXPECT_FALSE(BoxByName(u"WS17m").has_value());
  EXPECT_EQ(SlotOf(Box::WS16am), 16);  // line 16 stores column B first
  EXPECT_EQ(SlotOf(Box::WS16af), 17);
  EXPECT_EQ(BoxOfSlot(55), Box::WSMotherDays);
  EXPECT_EQ(BoxOfSlot(56), Box::WSFatherDays);
  for (int slot = 0; slot <= 56; ++slot) EXPECT_TRUE(BoxOfSlot(slot).has_value()) << slot;
}

WorksheetSheet FilledSheet() {
  WorksheetSheet sheet = WorksheetSheet::AsDesigned();
  for (int i = 0; i < kBoxCount; ++i) sheet.text[i] = QStringLiteral("x%1").arg(i);
  sheet.WSDev = true;
  sheet.WSNoDev = false;
  sheet.WSOpRes = true;
  sheet.WSMailed = sheet.WSHand = sheet.WSEmailed = sheet.WSFaxed = 1;
  return sheet;
}

TEST(ClearSheet, OnlyYesResets) {
  for (int answer : {7, 0, 2, 1}) {
    WorksheetSheet sheet = FilledSheet();
    EXPECT_FALSE(ClearSheet(sheet, answer)) << answer;
    EXPECT_EQ(sheet.text, FilledSheet().text) << answer;
    EXPECT_TRUE(sheet.WSDev);
  }
}

TEST(ClearSheet, YesEmptiesEverythingAndLeavesNeitherPreparedForOption) {
  WorksheetSheet sheet = FilledSheet();
  ASSERT_TRUE(ClearSheet(sheet, platform::kAnswerYes));
  for (int i = 0; i < kBoxCount; ++i) {
    const Box box = static_cast<Box>(i);
    if (box == Box::WS11t) continue;  // grey cell, not part of the reset
    const QString expected =
        KindOf(box) == BoxKind::Entry || box == Box::WS0t ? QStringLiteral("$") : QString();
    EXPECT_EQ(sheet[box], expected) << BoxName(box).toStdString();
    EXPECT_TRUE(IsBlankCell(sheet, box) || KindOf(box) == BoxKind::Text)
        << BoxName(box).toStdString();
  }
  EXPECT_FALSE(sheet.WSDev);
  EXPECT_TRUE(sheet.WSNoDev);
  EXPECT_FALSE(sheet.WSOpPet);
  EXPECT_FALSE(sheet.WSOpRes);
  EXPECT_EQ(sheet.WSMailed + sheet.WSHand + sheet.WSEmailed + sheet.WSFaxed, 0);
}

TEST(ClearSheet, TransferResetKeepsLineZeroCountsAndTexts) {
  WorksheetSheet sheet = FilledSheet();
  ResetNumbersForTransfer(sheet);
  EXPECT_EQ(sheet[Box::WS0f], FilledSheet()[Box::WS0f]);
  EXPECT_EQ(sheet[Box::WSNumMinors], FilledSheet()[Box::WSNumMinors]);
  EXPECT_EQ(sheet[Box::WSFatherDays], FilledSheet()[Box::WSFatherDays]);
  EXPECT_EQ(sheet[Box::WSCourt], FilledSheet()[Box::WSCourt]);
  EXPECT_EQ(sheet[Box::WS1f], "$");
  EXPECT_EQ(sheet[Box::WS16cm], "$");
  EXPECT_EQ(sheet[Box::WS21m], "");
  EXPECT_EQ(sheet[Box::WS0t], "$");  // no total of an earlier calculation stays
  EXPECT_TRUE(sheet.WSOpPet);
  EXPECT_FALSE(sheet.WSOpRes);
  EXPECT_TRUE(sheet.WSNoDev);
  EXPECT_FALSE(sheet.WSDev);
  EXPECT_EQ(sheet.WSMailed, 1);  // service boxes kept
}

}  // namespace
