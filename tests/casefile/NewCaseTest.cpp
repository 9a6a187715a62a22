#include <gtest/gtest.h>

#include <algorithm>

#include "case/CaseVars.h"
#include "casefile/CaseFileFixture.h"
#include "casefile/CaseRecord.h"
#include "casefile/NewCase.h"
#include "platform/ScriptedDialogs.h"

using namespace casefile;
using namespace casefile_test;
using Kind = ClearStep::Kind;

namespace {

// A case on every window: the hand-built file opened.
void FillCase(FakeCaseFields& f) {
  casevars::CaseVars vars;
  ASSERT_FALSE(OpenCase(f, vars, HandBuiltPath()));
  f.SetValue(C("Form1", "SharedOption"), 1);
  f.SetText(C("Form26", "TotalWages", 0), QStringLiteral("$ 9.00"));
  f.SetValue(C("Form13", "ClaimRealSDCheck"), 1);
  f.Log.clear();
}

int IndexOf(const char* label) {
  const auto& steps = NewCaseSteps();
  for (std::size_t i = 0; i < steps.size(); ++i)
    if (ControlLabel(steps[i].control) == QLatin1String(label)) return static_cast<int>(i);
  return -1;
}

}  // namespace

TEST(NewCase, StepsFollowTheTwentyEightRows) {
  const auto& steps = NewCaseSteps();
  EXPECT_EQ(steps.size(), 300u);
  EXPECT_EQ(ControlLabel(steps.front().control), "Form1.ClaimantName");
  EXPECT_EQ(ControlLabel(steps.back().control), "Form14.OtherSpouseAge65");
  // Orders within rows: twins name by name, business element 0 before 1, Form26 before Form27.
  const char* inOrder[] = {"Form1.EdSkillScore", "Form1.NoMinorOption", "Form1.CustodialOption",
                           "Form1.ClaimHeadHouse", "Form1.PayerSingle", "Form13.ClaimEarned",
                           "Form14.PayerEarned", "Form13.ClaimSelf", "Form13.ClaimPriorMaintPaid2",
                           "Form14.PayerPriorMaintPaid", "Form13.ClaimEICCheck", "Form14.PayerEICCheck",
                           "Form13.ClaimStandardDeduction", "Form14.PayerStandardDeduction",
                           "Form13.ClaimEICThree", "Form14.PayerEICOne", "Form14.PayerOtherSupport",
                           "Form13.ClaimOtherSupport", "Form1.CurrentMaintTransfer", "Form16.ClaimDays(0)",
                           "Form16.PayerPerCent(6)", "Form1.ClaimChild(5)", "Form1.OtherChild(0)",
                           "Form14.PayerSSChild", "Form13.ClaimantAge65", "Form14.OtherAge65",
                           "Form26.AWages(0)", "Form27.AWages(0)", "Form26.BWages(0)", "Form27.REIT(0)",
                           "Form26.AWages(1)", "Form26.ATrade(0)", "Form27.DTrade(1)", "Form26.AW2(0)",
                           "Form27.BNot(1)", "Form13.ClaimTips(0)", "Form13.ClaimOT(1)", "Form14.PayerTips(0)",
                           "Form26.ClaimATips(0)", "Form26.ClaimATips(1)", "Form26.ClaimCTips(1)",
                           "Form27.PayerATips(0)", "Form13.ClaimantSpouseAge65"};
  int last = -1;
  for (const char* label : inOrder) {
    const int at = IndexOf(label);
    EXPECT_GT(at, last) << label;
    last = at;
  }
  // The state-tax drop-downs are emptied, then set "As Rate", then the entries ".00".
  std::vector<QString> stateTax;
  for (const ClearStep& s : steps)
    if (s.control.name.contains(QLatin1String("StateTax")) && s.control.window == QLatin1String("Form1"))
      stateTax.push_back(s.control.name + u'=' + s.text);
  EXPECT_EQ(stateTax, (std::vector<QString>{"ClaimStateTax=", "PayerStateTax=", "ClaimStateTaxCombo=",
                                            "PayerStateTaxCombo=", "ClaimStateTaxCombo=As Rate",
                                            "PayerStateTaxCombo=As Rate", "ClaimStateTax=.00",
                                            "PayerStateTax=.00"}));
  // Five starting selections.
  EXPECT_EQ(std::count_if(steps.begin(), steps.end(), [](const ClearStep& s) { return s.kind == Kind::Select; }), 5);
}

TEST(NewCase, AnythingButYesKeepsTheCase) {
  for (int16_t answer : {platform::kAnswerNo, platform::kAnswerOk}) {
    FakeCaseFields f;
    FillCase(f);
    const auto before = GatherCase(f);
    platform::ScriptedDialogs dialogs;
    dialogs.AnswerMessageBox(answer);
    EXPECT_FALSE(ClearData(f, dialogs));
    EXPECT_EQ(GatherCase(f), before);
    EXPECT_TRUE(f.Log.empty());
    const auto calls = dialogs.CallsOf(platform::DialogKind::MessageBox);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].prompt, "Have You Saved Your Case Data? -  Are You Sure That You Want To Clear All Entries?");
    EXPECT_EQ(calls[0].title, "Clear All Data?");
    EXPECT_EQ(calls[0].buttons, platform::kBoxYesNo);
  }
}

TEST(NewCase, YesEmptiesTheCaseWithItsStartingChoicesAndEffects) {
  FakeCaseFields f;
  FillCase(f);
  platform::ScriptedDialogs dialogs;
  dialogs.AnswerMessageBox(platform::kAnswerYes);
  ASSERT_TRUE(ClearData(f, dialogs));
  for (const ClearStep& s : NewCaseSteps()) {
    switch (s.kind) {
      case Kind::Text:
        if (s.text.isEmpty() && !s.control.name.contains(QLatin1String("StateTax"))) {
          EXPECT_EQ(f.Text(s.control), "") << ControlLabel(s.control).toStdString();
        }
        break;
      case Kind::Select: EXPECT_EQ(f.Value(s.control), 1) << ControlLabel(s.control).toStdString(); break;
      case Kind::Deselect:
      case Kind::Untick: EXPECT_EQ(f.Value(s.control), 0) << ControlLabel(s.control).toStdString(); break;
    }
  }
  EXPECT_EQ(f.Text(C("Form1", "ClaimStateTaxCombo")), "As Rate");
  EXPECT_EQ(f.Text(C("Form1", "PayerStateTax")), ".00");
  EXPECT_EQ(f.Value(C("Form1", "SharedOption")), 0);
  EXPECT_EQ(f.Value(C("Form1", "ClaimMFJ")), 0);
  // Not touched: the worksheet, the worksheet role, real-estate boxes, business totals.
  EXPECT_EQ(f.Text(C("Form9", "WS1f")), "T102");
  EXPECT_EQ(f.Value(C("Form1", "MParentOption")), 1);
  EXPECT_EQ(f.Value(C("Form13", "ClaimRealSDCheck")), 1);
  EXPECT_EQ(f.Text(C("Form26", "TotalWages", 0)), "$ 9.00");

  // Effects A to D through the windows' own handling; the business windows reset last.
  const auto& log = f.Log;
  const auto has = [&](const char* entry) { return std::find(log.begin(), log.end(), QLatin1String(entry)) != log.end(); };
  EXPECT_TRUE(has("react Form1.CustodialOption"));          // A: it was not chosen (shared)
  EXPECT_FALSE(has("react Form13.ClaimStandardDeduction")); // B: already chosen in this case
  EXPECT_TRUE(has("react Form14.PayerStandardDeduction"));  // B: itemized before
  EXPECT_TRUE(has("react Form13.ClaimEICCheck"));           // C: ticked before
  EXPECT_FALSE(has("react Form14.PayerEICCheck"));          // C: already unticked
  EXPECT_TRUE(has("react Form1.NumChild"));                 // D
  EXPECT_TRUE(has("react Form16.PercentOfTimeValue(0)"));   // D
  EXPECT_FALSE(has("react Form1.ClaimStateTaxCombo"));
  EXPECT_FALSE(has("react Form1.NoMinorOption"));
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "run Form26.ClearBusinessVars");
  EXPECT_EQ(log.back(), "run Form27.ClearBusinessVars");

  // Clearing twice gives the same state; the second time only the state-tax
  // entries react, emptied and set to ".00" again.
  const auto once = GatherCase(f);
  f.Log.clear();
  dialogs.AnswerMessageBox(platform::kAnswerYes);
  ASSERT_TRUE(ClearData(f, dialogs));
  EXPECT_EQ(GatherCase(f), once);
  EXPECT_EQ(f.Log, (std::vector<QString>{"react Form1.ClaimStateTax", "react Form1.PayerStateTax",
                                         "react Form1.ClaimStateTax", "react Form1.PayerStateTax",
                                         "run Form26.ClearBusinessVars", "run Form27.ClearBusinessVars"}));
}
