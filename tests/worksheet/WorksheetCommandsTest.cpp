#include <gtest/gtest.h>

#include "platform/Fonts.h"
#include "platform/ScriptedDialogs.h"
#include "prefs/Preferences.h"
#include "worksheet/WorksheetCommands.h"

using namespace worksheet;

namespace {

class WorksheetCommands : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
  platform::ScriptedDialogs dialogs;
  casevars::CaseVars vars;
  WorksheetSheet sheet = WorksheetSheet::AsDesigned();
};

TEST_F(WorksheetCommands, ClearSheetAsksAndResetsOnYesOnly) {
  sheet[Box::WSCourt] = "NINTH";
  dialogs.AnswerMessageBox(platform::kAnswerNo);
  EXPECT_FALSE(Clear_Click(sheet, dialogs));
  EXPECT_EQ(sheet[Box::WSCourt], "NINTH");
  ASSERT_EQ(dialogs.Calls().size(), 1u);
  EXPECT_EQ(dialogs.Calls()[0].prompt,
            "Are You Sure That You Want To Delete All Entries In This Worksheet?");
  EXPECT_EQ(dialogs.Calls()[0].title, "Warning");
  EXPECT_EQ(dialogs.Calls()[0].buttons, platform::kBoxYesNo);
  dialogs.AnswerMessageBox(platform::kAnswerYes);
  EXPECT_TRUE(Clear_Click(sheet, dialogs));
  EXPECT_EQ(sheet[Box::WSCourt], "");
}

TEST_F(WorksheetCommands, CalculateShowsTheCheckMessageAndUsesThePreference) {
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  const CalculationOutcome stopped = CalculateWSCommand_Click(sheet, vars, false, dialogs);
  EXPECT_FALSE(stopped.completed);
  EXPECT_EQ(stopped.focus, Box::WSNumMinors);
  ASSERT_EQ(dialogs.Calls().size(), 1u);
  EXPECT_EQ(dialogs.Calls()[0].prompt, "Please Enter The Number Of Minor Children");
  EXPECT_EQ(dialogs.Calls()[0].title, "Entry Error");
  EXPECT_EQ(dialogs.Calls()[0].buttons, platform::kBoxOk);

  prefs::InterpDefault.write("Linear");
  sheet[Box::WSNumMinors] = "1";
  sheet[Box::WS1f] = "3025";
  sheet[Box::WS1m] = "2000";
  EXPECT_TRUE(CalculateWSCommand_Click(sheet, vars, false, dialogs).completed);
  EXPECT_EQ(vars.Support.InterpMethod, "Linear");
  EXPECT_DOUBLE_EQ(*vars.Worksheet.Values[23], 5025);
  EXPECT_EQ(dialogs.Calls().size(), 1u);
}

TEST_F(WorksheetCommands, PreviewInTheWorksheetFontWithThePreparersMargin) {
  StartWorksheetValues(vars.Worksheet);
  EXPECT_EQ(vars.Worksheet.WSZoomState, "Large");
  EXPECT_DOUBLE_EQ(vars.Worksheet.WSZoomFactor, 1);
  prefs::PreparerMargin.write("OneOneHalf");
  sheet[Box::WS1f] = "$ 1,250.50";
  const platform::Document doc = PreviewWorksheet(sheet, vars, false);
  ASSERT_EQ(doc.pageCount(), 4);
  const auto runs = doc.pages[1].textRuns();
  EXPECT_EQ(runs.front()->font.name, "Tahoma");
  EXPECT_DOUBLE_EQ(runs.front()->position.y(), 2160);
  EXPECT_DOUBLE_EQ(*vars.Worksheet.Values[2], 1250.5);  // refreshed before drawing
}

}  // namespace
