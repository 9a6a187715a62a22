#include <gtest/gtest.h>

#include "case/CaseCodes.h"
#include "case/CaseVars.h"
#include "casefile/CaseRecord.h"
#include "casefile/CaseFileFixture.h"

using namespace casefile;
using namespace casefile_test;
using platform::SequentialError;

namespace {

struct Opened {
  FakeCaseFields fields;
  casevars::CaseVars vars;
  std::optional<SequentialError> error;
};

// Opens bytes written to a scratch file into `o`.
void OpenBytes(Opened& o, const QByteArray& bytes, const QString& name = QStringLiteral("case.PVX")) {
  o.error = OpenCase(o.fields, o.vars, WriteScratch(name, bytes));
}

QStringList With(QStringList tokens, std::initializer_list<std::pair<int, const char*>> changes) {
  for (const auto& [position, token] : changes) tokens[position - 1] = QLatin1String(token);
  return tokens;
}

}  // namespace

TEST(CaseFileGolden, HandBuiltFileOpensIntoItsControls) {
  Opened o;
  o.error = OpenCase(o.fields, o.vars, HandBuiltPath());
  ASSERT_FALSE(o.error) << o.error->message.toStdString();
  const auto& f = o.fields;
  EXPECT_EQ(f.Text(C("Form1", "ClaimantName")), "T1");
  EXPECT_EQ(f.Value(C("Form1", "CustodialOption")), 1);
  EXPECT_EQ(f.Value(C("Form1", "NoMinorOption")), 0);
  EXPECT_EQ(f.Value(C("Form1", "ClaimSingle")), 1);
  EXPECT_EQ(f.Text(C("Form1", "PayerPerCent")), "T89");
  EXPECT_EQ(f.Text(C("Form14", "PayerOtherSupport")), "T94");
  EXPECT_EQ(f.Text(C("Form13", "ClaimOtherSupport")), "T95");
  EXPECT_EQ(f.Text(C("Form9", "WS16am")), "T116");
  EXPECT_EQ(f.Text(C("Form9", "ws17m")), "T145");
  EXPECT_EQ(f.Text(C("Form9", "WSNAme")), "T168");
  EXPECT_EQ(f.Text(C("Form9", "WSFax")), "555-0100");
  EXPECT_EQ(f.Value(C("Form9", "WSMailed")), 1);
  EXPECT_EQ(f.Value(C("Form13", "ClaimEICCheck")), 1);
  EXPECT_EQ(f.Value(C("Form13", "ClaimEICOne")), 1);
  EXPECT_EQ(f.Value(C("Form14", "PayerItemizedDeduction")), 1);
  EXPECT_EQ(f.Text(C("Form13", "ClaimEarned1")), "T186");
  EXPECT_EQ(f.Text(C("Form1", "ClaimStateTaxCombo")), "As Amount");
  EXPECT_EQ(f.Text(C("Form16", "PercentOfTimeValue", 0)), "T234");
  EXPECT_EQ(f.Text(C("Form16", "PayerPerCent", 6)), "T259");
  EXPECT_EQ(f.Value(C("Form1", "ClaimChild", 1)), 1);
  EXPECT_EQ(f.Value(C("Form1", "OtherChild", 0)), 1);
  EXPECT_EQ(f.Text(C("Form27", "AWages", 0)), "T281");
  EXPECT_EQ(f.Text(C("Form26", "ANot", 1)), "T358");
  EXPECT_EQ(f.Value(C("Form27", "DTrade", 1)), 1);
  EXPECT_EQ(f.Text(C("Form9", "WS0t")), "T375");
  EXPECT_EQ(f.Value(C("Form1", "MParentOption")), 1);
  EXPECT_EQ(f.Text(C("Form27", "PayerCTips", 1)), "T397");
  EXPECT_EQ(f.Value(C("Form14", "OtherSpouseAge65")), 1);
  EXPECT_EQ(f.Font().name, "Arial");
  EXPECT_EQ(f.Font().size, 8.25);
}

TEST(CaseFileGolden, FilledCaseSavesToTheSameBytesTwiceAndReopensToTheSameValues) {
  Opened o;
  o.error = OpenCase(o.fields, o.vars, HandBuiltPath());
  ASSERT_FALSE(o.error);
  const QByteArray first = CaseFileBytes(o.fields);
  EXPECT_EQ(first, CaseFileBytes(o.fields));
  // The writer writes the file's own bytes back: the layout is the hand-built one.
  EXPECT_EQ(first, FileBytes(HandBuiltPath()));

  const QString path = WriteScratch(QStringLiteral("again.PVX"), {});
  ASSERT_FALSE(SaveCase(o.fields, path));
  EXPECT_EQ(FileBytes(path), first);
  Opened again;
  again.error = OpenCase(again.fields, again.vars, path);
  ASSERT_FALSE(again.error);
  EXPECT_EQ(GatherCase(again.fields), GatherCase(o.fields));
}

TEST(CaseFileGolden, WrittenValuesAsTheLayoutGivesThem) {
  FakeCaseFields f;
  f.SetText(C("Form1", "ClaimantName"), QStringLiteral("Smith, Jones"));
  f.SetText(C("Form13", "ClaimEarned"), QStringLiteral("$ 52,000.00"));
  f.SetValue(C("Form1", "CustodialOption"), 1);
  f.SetValue(C("Form13", "ClaimEICCheck"), 1);
  const QByteArray bytes = CaseFileBytes(f);
  EXPECT_TRUE(bytes.startsWith("\"Smith, Jones\",\"\",\"\",\"\",\"\",\"\",#FALSE#,#TRUE#,"));
  EXPECT_TRUE(bytes.endsWith(",0,0\r\n"));
  EXPECT_TRUE(bytes.contains(",\"Tahoma\",10,"));
  EXPECT_TRUE(bytes.contains(",\"$ 52,000.00\","));
  // Only 20, 23 and 101 are written as nothing: three places where two commas meet.
  EXPECT_EQ(bytes.count(",,"), 3);
  const auto values = GatherCase(f);
  for (int position : {20, 23, 101}) EXPECT_TRUE(values[position - 1].isEmpty()) << position;
  for (int position : {171, 185}) EXPECT_EQ(values[position - 1], platform::SequentialValue::fromText({}));
  EXPECT_EQ(values[68].text(), "1");

  f.SetFont({QStringLiteral("Tahoma"), 8.25});
  EXPECT_TRUE(CaseFileBytes(f).contains(",\"Tahoma\",8.25,"));

  // A comma in the case name reads back whole.
  Opened o;
  OpenBytes(o, bytes);
  ASSERT_FALSE(o.error);
  EXPECT_EQ(o.fields.Text(C("Form1", "ClaimantName")), "Smith, Jones");
  EXPECT_EQ(o.fields.Value(C("Form1", "CustodialOption")), 1);
}

TEST(CaseFileOpen, ShorterFilesLeaveTheLaterPositionsBlank) {
  for (int count : {185, 211, 279}) {
    SCOPED_TRACE(count);
    Opened o;
    // A case on the screens before: every later control holds something.
    for (const Position& p : CasePositions()) {
      if (p.position <= count || !p.window[0]) continue;
      const ControlRef c{QLatin1String(p.window), QLatin1String(p.control), p.index};
      if (p.written == Written::Text) o.fields.SetText(c, QStringLiteral("old"));
      else o.fields.SetValue(c, 1);
    }
    OpenBytes(o, LineOf(HandTokens(), count));
    ASSERT_FALSE(o.error) << o.error->message.toStdString();
    for (const Position& p : CasePositions()) {
      if (p.position <= count || !p.window[0]) continue;
      const ControlRef c{QLatin1String(p.window), QLatin1String(p.control), p.index};
      if (p.onReading == OnReading::StateTaxText)
        EXPECT_EQ(o.fields.Text(c), "As Rate");
      else if (p.written == Written::Text)
        EXPECT_EQ(o.fields.Text(c), "") << p.position;
      else
        EXPECT_EQ(o.fields.Value(c), 0) << p.position;
    }
    EXPECT_EQ(o.fields.Text(C("Form1", "ClaimantName")), "T1");
    EXPECT_EQ(o.fields.Value(C("Form1", "ClaimSingle")), 1);  // chosen by the base record, kept
  }
}

TEST(CaseFileOpen, StateTaxMethodsAndServiceBoxes) {
  Opened o;
  OpenBytes(o, LineOf(With(HandTokens(), {{208, "\"\""}, {209, "\"As Amt\""}, {172, "#TRUE#"},
                                          {173, "#FALSE#"}, {174, "#TRUE#"}, {175, "2"}}),
                      399));
  ASSERT_FALSE(o.error);
  EXPECT_EQ(o.fields.Text(C("Form1", "ClaimStateTaxCombo")), "As Rate");
  // The combo boxes offer their two items only: a text other than "As Rate",
  // read as an amount, opens as "As Amount".
  EXPECT_EQ(o.fields.Text(C("Form1", "PayerStateTaxCombo")), "As Amount");
  EXPECT_EQ(o.fields.Text(C("Form9", "WSFax")), "1");
  EXPECT_EQ(o.fields.Value(C("Form9", "WSMailed")), 0);
  EXPECT_EQ(o.fields.Value(C("Form9", "WSFaxed")), 1);
  EXPECT_EQ(o.fields.Value(C("Form9", "WSHand")), 2);  // greyed

  Opened other;
  OpenBytes(other, LineOf(With(HandTokens(), {{172, "#FALSE#"}, {8, "\"True\""}, {9, "0"}, {20, "#NULL#"},
                                              {101, "\"anything\""}}),
                          399));
  ASSERT_FALSE(other.error);
  EXPECT_EQ(other.fields.Text(C("Form9", "WSFax")), "0");
  EXPECT_EQ(other.fields.Value(C("Form1", "CustodialOption")), 1);
}

TEST(CaseFileOpen, RefusedFilesNameTheBlockOrPositionAndChangeNothing) {
  struct Case {
    QByteArray bytes;
    const char* named;            // in the message
    const char* why = "not an amount";  // the amount refusals' words
  };
  const char* const kBeyond = "an amount above $999,999,999,999";
  const char* const kBelowZero = "an amount below zero";
  const QStringList hand = HandTokens();
  const Case cases[] = {
      {LineOf(hand, 184), "at least 185 values"},
      {LineOf(hand, 200), "values 186 to 211"},
      {LineOf(With(hand, {{69, "#TRUE#"}}), 399), "\"Form13.ClaimEICCheck\" (position 69, block 1 of the file)"},
      {LineOf(With(hand, {{173, "3"}}), 399), "position 173"},
      {LineOf(With(hand, {{7, "\"maybe\""}}), 399), "position 7,"},
      // A text quoted in the message: its first line, no more than 40 characters.
      {LineOf(With(hand, {{8, "\"yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy\r\nsecond line\""}}), 399),
       "the text \"yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy...\", which an option"},
      {LineOf(With(hand, {{1, "#NULL#"}}), 399), "position 1,"},
      {LineOf(With(hand, {{398, "\"x\""}}), 399), "position 398, block 18"},
      // An amount box takes no amount beyond the program's limit.
      {LineOf(With(hand, {{45, "\"$ 1,000,000,000,000.00\""}}), 399), "Form13.ClaimEarned", kBeyond},
      {LineOf(With(hand, {{31, "1E+300"}}), 399), "position 31", kBeyond},
      {LineOf(With(hand, {{102, "\"1e308\""}}), 399), "position 102", kBeyond},
      {LineOf(With(hand, {{280, "\"-2e12\""}}), 399), "position 280", kBeyond},
      // Nor a figure below zero where its box refuses one, as an older file
      // may hold it: income, business, Express screen and worksheet boxes.
      {LineOf(With(hand, {{45, "\"-$ 5,000.00\""}}), 399), "Form13.ClaimEarned", kBelowZero},
      {LineOf(With(hand, {{324, "\"-1\""}}), 399), "Form26.AW2(0)", kBelowZero},
      {LineOf(With(hand, {{31, "-0.01"}}), 399), "Form1.ClaimDayCare", kBelowZero},
      {LineOf(With(hand, {{35, "\"-0.05\""}}), 399), "Form1.ClaimStateTax", kBelowZero},
      {LineOf(With(hand, {{104, "\"-$ 20.00\""}}), 399), "Form9.WS5at", kBelowZero},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.named);
    Opened o;
    o.fields.SetText(C("Form1", "ClaimantName"), QStringLiteral("Before"));
    OpenBytes(o, c.bytes, QStringLiteral("Refused.PVX"));
    ASSERT_TRUE(o.error);
    EXPECT_TRUE(o.error->message.contains(QLatin1String(c.named))) << o.error->message.toStdString();
    EXPECT_TRUE(o.error->message.contains(QLatin1String("Refused.PVX")));
    EXPECT_FALSE(o.error->message.contains(u'\n'));
    for (const char* why : {kBeyond, kBelowZero})
      EXPECT_EQ(o.error->message.contains(QLatin1String(why)), why == c.why) << o.error->message.toStdString();
    // Nothing changed, not even the income windows' entry period.
    EXPECT_TRUE(o.fields.Log.empty());
    EXPECT_EQ(o.fields.Texts().size(), 1u);
    EXPECT_TRUE(o.fields.Values().empty());
    EXPECT_EQ(o.fields.Text(C("Form1", "ClaimantName")), "Before");
  }
}

// Boxes whose figure may be below zero (losses, gains, incomes on the
// worksheet, the alimony transfer) take it from a file as typed.
TEST(CaseFileOpen, NegativeFiguresOpenWhereTheirBoxesTakeThem) {
  Opened o;
  OpenBytes(o, LineOf(With(HandTokens(), {{51, "\"-$ 1,200.00\""}, {280, "\"-$ 5,000.00\""},
                                          {102, "\"-$ 100.00\""}, {98, "\"-$ 300\""}}),
                      399));
  ASSERT_FALSE(o.error) << o.error->message.toStdString();
  EXPECT_EQ(o.fields.Text(C("Form13", "ClaimLT")), "-$ 1,200.00");
  EXPECT_EQ(o.fields.Text(C("Form26", "AWages", 0)), "-$ 5,000.00");
  EXPECT_EQ(o.fields.Text(C("Form9", "WS1f")), "-$ 100.00");
  EXPECT_EQ(o.fields.Text(C("Form1", "CurrentMaintTransfer")), "-$ 300");
}

// The font takes only what its font dialog could have given; anything else
// keeps the worksheet font's own name or size, and the case saves again.
TEST(CaseFileOpen, AFontNoFontDialogGivesKeepsTheWorksheetFont) {
  const struct {
    const char* size;
    double kept;
  } cases[] = {{"0", 12}, {"-3", 12}, {"1E+300", 12}, {"513", 12}, {"0.5", 12}, {"8.25", 8.25}, {"512", 512}};
  for (const auto& c : cases) {
    Opened o;
    o.fields.SetFont({QStringLiteral("Verdana"), 12});
    OpenBytes(o, LineOf(With(HandTokens(), {{41, "\"\""}, {42, c.size}}), 399));
    ASSERT_FALSE(o.error) << c.size;
    EXPECT_EQ(o.fields.Font().name, "Verdana");
    EXPECT_EQ(o.fields.Font().size, c.kept) << c.size;
    const auto saved = SaveCase(o.fields, QDir(testenv::scratchFolder()).filePath(QStringLiteral("Again.PVX")));
    EXPECT_FALSE(saved) << c.size << ": " << saved->message.toStdString();
  }
}

TEST(CaseFileOpen, SplitCountsReactOnceBothArePlacedAndNoQuestionIsAsked) {
  Opened o;
  o.fields.SetText(C("Form1", "OtherPossession11"), QStringLiteral("5"));  // the previous case
  o.fields.SetValue(C("Form1", "FParentOption"), 1);
  QStringList seen;
  o.fields.OnReact = [&](const ControlRef& c) {
    if (c.name == QLatin1String("ClaimantPossession11"))
      seen << o.fields.Text(C("Form1", "OtherPossession11"));
  };
  OpenBytes(o, LineOf(With(HandTokens(), {{15, "\"2\""}, {17, "\"1\""}}), 399));
  ASSERT_FALSE(o.error);
  EXPECT_EQ(seen, QStringList{"1"});  // the file's other count, never the screen's 5
  const auto& log = o.fields.Log;
  const auto at = [&](const char* entry) { return std::find(log.begin(), log.end(), QLatin1String(entry)); };
  EXPECT_LT(at("react Form1.OtherPossession11"), at("react Form1.ClaimantPossession11") + 2);
  EXPECT_GT(at("react Form1.ClaimantPossession11"), at("react Form1.PercentOfTimeValue"));
  EXPECT_EQ(at("react Form1.FParentOption"), log.end());
  EXPECT_EQ(at("react Form1.MParentOption"), log.end());
  EXPECT_EQ(o.fields.Value(C("Form1", "MParentOption")), 1);
  EXPECT_EQ(o.fields.Value(C("Form1", "FParentOption")), 0);
  // A drop-down's text runs no handling.
  EXPECT_EQ(at("react Form1.ClaimStateTaxCombo"), log.end());
}

TEST(CaseFileOpen, ReactionsOnlyForChanges) {
  Opened o;
  o.fields.SetText(C("Form1", "NumChild"), QStringLiteral("T2"));  // already the file's text
  o.fields.SetValue(C("Form1", "CustodialOption"), 1);            // already chosen
  o.fields.SetValue(C("Form13", "ClaimEICCheck"), 1);             // already ticked
  OpenBytes(o, FileBytes(HandBuiltPath()));
  ASSERT_FALSE(o.error);
  const auto& log = o.fields.Log;
  const auto has = [&](const char* entry) { return std::find(log.begin(), log.end(), QLatin1String(entry)) != log.end(); };
  EXPECT_FALSE(has("react Form1.NumChild"));
  EXPECT_TRUE(has("react Form1.MinChild"));
  EXPECT_FALSE(has("react Form1.CustodialOption"));
  EXPECT_FALSE(has("react Form1.NoMinorOption"));  // set to not chosen: nothing runs
  EXPECT_FALSE(has("react Form13.ClaimEICCheck"));
  EXPECT_TRUE(has("react Form14.PayerItemizedDeduction"));
  EXPECT_TRUE(has("react Form9.WSMailed"));
}

TEST(CaseFileOpen, YearlyFirstThenPlacingThenTheRecomputeInItsOrder) {
  Opened o;
  o.fields.SetText(C("Form9", "WS11f"), QStringLiteral("$ 1,200"));
  o.fields.SetText(C("Form9", "WS11m"), QStringLiteral("$ 800"));
  o.vars.Express.NumMinorChildren = 5;
  o.vars.Express[casevars::Party::Claim].FilingStatus = casevars::filing::MFJ;
  std::int16_t minorsAtTiers = -1;
  o.fields.OnRun = [&](const QString& window, const QString& method, int) {
    if (window == QLatin1String("Form16") && method == QLatin1String("AssignTierVars"))
      minorsAtTiers = o.vars.Express.NumMinorChildren;
    return true;
  };
  OpenBytes(o, LineOf(With(HandTokens(), {{2, "\"3\""}, {3, "\"2\""}}), 399));
  ASSERT_FALSE(o.error);
  std::vector<QString> runs;
  for (const QString& entry : o.fields.Log)
    if (entry.startsWith(QLatin1String("run "))) runs.push_back(entry.mid(4));
  const std::vector<QString> expected = {
      "Form13.Yearly_Click", "Form14.Yearly_Click",
      "Form26.AssignBusinessVars(0)", "Form26.AssignBusinessVars(1)", "Form26.AddBusinessVars(0)",
      "Form26.AddBusinessVars(1)", "Form27.AssignBusinessVars(0)", "Form27.AssignBusinessVars(1)",
      "Form27.AddBusinessVars(0)", "Form27.AddBusinessVars(1)", "Form13.AssignPopUpVars",
      "Form14.AssignPopUpVars", "Form13.AddIncomeVars", "Form13.AssignDeductVars", "Form14.AddIncomeVars",
      "Form14.AssignDeductVars", "Form16.AssignTierVars", "Form16.CalculateAvTime",
      "Form16.CalculateTierTotal", "Form26.AssignBusinessVars(0)", "Form26.AssignBusinessVars(1)",
      "Form26.AddBusinessVars(0)", "Form26.AddBusinessVars(1)", "Form26.AssignNewVars",
      "Form27.AssignBusinessVars(0)", "Form27.AssignBusinessVars(1)", "Form27.AddBusinessVars(0)",
      "Form27.AddBusinessVars(1)", "Form27.AssignNewVars", "Form9.ApplyWorksheetFont"};
  EXPECT_EQ(runs, expected);
  // The yearly switch comes before the first control is placed.
  EXPECT_EQ(o.fields.Log[1], "run Form14.Yearly_Click");
  // The counts and statuses come from the loaded case, before the windows' methods use them.
  EXPECT_EQ(minorsAtTiers, 2);
  EXPECT_EQ(o.vars.Express[casevars::Party::Claim].FilingStatus, casevars::filing::Single);
  EXPECT_EQ(o.vars.Express[casevars::Party::Payer].FilingStatus, casevars::filing::Single);
  // Line 11's boxes, which the file does not hold, are emptied.
  EXPECT_EQ(o.fields.Text(C("Form9", "WS11f")), "");
  EXPECT_EQ(o.fields.Text(C("Form9", "WS11m")), "");
}

TEST(CaseFileOpen, MinorCountThatIsNotAWholeNumberGivesZero) {
  const std::pair<const char*, int> cases[] = {{"\"1.5\"", 0}, {"\"abc\"", 0}, {"\"\"", 0}, {"\"4\"", 4}};
  for (const auto& [minors, expected] : cases) {
    Opened o;
    o.vars.Express.NumMinorChildren = 3;
    OpenBytes(o, LineOf(With(HandTokens(), {{2, "\"5\""}, {3, minors}}), 185));
    ASSERT_FALSE(o.error);
    EXPECT_EQ(o.vars.Express.NumMinorChildren, expected) << minors;
  }
}

TEST(CaseFileSave, IncomeAndBusinessWindowsGoToYearlyEntryFirst) {
  FakeCaseFields f;
  f.SetText(C("Form13", "ClaimEarned"), QStringLiteral("$ 1,000.00"));  // monthly entry
  std::vector<QString> yearly;
  f.OnRun = [&](const QString& window, const QString& method, int) {
    if (method == QLatin1String("Yearly_Click")) {
      yearly.push_back(window);
      if (window == QLatin1String("Form13")) f.SetText(C("Form13", "ClaimEarned"), QStringLiteral("$ 12,000.00"));
    }
    return true;
  };
  const QString path = QDir(testenv::scratchFolder()).filePath(QStringLiteral("yearly.PVX"));
  ASSERT_FALSE(SaveCase(f, path));
  EXPECT_EQ(yearly, (std::vector<QString>{"Form13", "Form14", "Form26", "Form27"}));
  EXPECT_TRUE(FileBytes(path).contains(",\"$ 12,000.00\","));
}

TEST(CaseFileSave, AFailedSaveLeavesTheOldFileWhole) {
  const QString path = WriteScratch(QStringLiteral("old.PVX"), "old case\r\n");
  FakeCaseFields f;
  f.OnRun = [](const QString& window, const QString&, int) { return window != QLatin1String("Form14"); };
  const auto error = SaveCase(f, path);
  ASSERT_TRUE(error);
  EXPECT_TRUE(error->message.contains(path));
  EXPECT_EQ(FileBytes(path), "old case\r\n");

  FakeCaseFields g;
  const QString nowhere = QDir(testenv::scratchFolder()).filePath(QStringLiteral("gone/case.PVX"));
  const auto notSaved = SaveCase(g, nowhere);
  ASSERT_TRUE(notSaved);
  EXPECT_EQ(notSaved->kind, SequentialError::Kind::NotSaved);
}

TEST(CaseFileOpen, TextPositionsTakeAnyValueAsTextAndExtraValuesAreNotRead) {
  QStringList tokens = With(HandTokens(), {{1, "#TRUE#"}, {2, "3"}, {16, ".5"}, {4, ""}});
  tokens << QStringLiteral("#NULL#") << QStringLiteral("\"extra\"");  // values 400 and 401
  Opened o;
  OpenBytes(o, LineOf(tokens, tokens.size()));
  ASSERT_FALSE(o.error) << o.error->message.toStdString();
  EXPECT_EQ(o.fields.Text(C("Form1", "ClaimantName")), "True");
  EXPECT_EQ(o.fields.Text(C("Form1", "NumChild")), "3");
  EXPECT_EQ(o.fields.Text(C("Form1", "PercentOfTimeValue")), "0.5");
  EXPECT_EQ(o.fields.Text(C("Form1", "ClaimAge")), "");
  EXPECT_EQ(o.fields.Value(C("Form14", "OtherSpouseAge65")), 1);
}

// The limit binds the amounts the user types, not the sums: a column total
// and the Express screen's gross income beyond it open.
TEST(CaseFileOpen, TotalsBeyondTheAmountLimitOpen) {
  Opened o;
  OpenBytes(o, LineOf(With(HandTokens(), {{45, "\"$ 999,999,999,999.00\""}, {55, "\"$ 2,999,999,999,997.00\""}}),
                      399));
  ASSERT_FALSE(o.error) << o.error->message.toStdString();
  EXPECT_EQ(o.fields.Text(C("Form13", "ClaimTotal")), "$ 2,999,999,999,997.00");
}
