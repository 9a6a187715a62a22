#include <gtest/gtest.h>

#include <initializer_list>

#include "engine/childsupport/GuidelineSchedule.h"
#include "platform/NumberText.h"
#include "worksheet/WorksheetCalculation.h"

using namespace worksheet;

namespace {

class WorksheetCalculation : public ::testing::Test {
 protected:
  WorksheetSheet sheet = WorksheetSheet::AsDesigned();
  WorksheetValues values{};
  QString interp;
  CalculationInputs inputs;

  CalculationOutcome Run() { return CalculateWS(sheet, values, interp, inputs); }
  double Slot(int i) const { return values[i].value_or(-12345); }

  void Standard(const char* netA, const char* netB, const char* children = "1") {
    sheet[Box::WSNumMinors] = children;
    sheet[Box::WS1f] = netA;
    sheet[Box::WS1m] = netB;
  }
  void Shared(const char* daysA, const char* daysB) {
    Standard("$ 3,000", "$ 2,000", "2");
    inputs.sharedOption = true;
    sheet[Box::WSFatherDays] = daysA;
    sheet[Box::WSMotherDays] = daysB;
  }
};

TEST_F(WorksheetCalculation, StandardMethodSharesAtFullPrecision) {
  Standard("$ 3,000", "$ 2,000");
  sheet[Box::WS0f] = "4,000";
  sheet[Box::WS0m] = "$ 2,500.40";
  sheet[Box::WS5at] = "$ 300";
  sheet[Box::WS5bt] = "100";
  sheet[Box::WS7af] = "$ 50";
  sheet[Box::WS7bm] = "$ 25";
  ASSERT_TRUE(Run().completed);
  const double obligation = childsupport::LookUpBasicObligation(1, 5000, "Closest");
  ASSERT_GT(obligation, 0);
  EXPECT_EQ(interp, "Closest");
  EXPECT_DOUBLE_EQ(Slot(22), 6500);  // the lines as printed: $ 4,000 and $ 2,500
  EXPECT_EQ(sheet[Box::WS0t], "$ 6,500");
  EXPECT_DOUBLE_EQ(Slot(23), 5000);
  EXPECT_EQ(sheet[Box::WS1t], "$ 5,000");
  EXPECT_DOUBLE_EQ(Slot(25), 0.6);
  EXPECT_EQ(sheet[Box::WS3f], "60.00%");
  EXPECT_EQ(sheet[Box::WS3m], "40.00%");
  EXPECT_DOUBLE_EQ(Slot(27), obligation * 0.6);  // not rounded before use
  EXPECT_DOUBLE_EQ(Slot(28), obligation * 0.4);
  EXPECT_DOUBLE_EQ(Slot(29), 400);  // 300 + 100 + 0
  EXPECT_DOUBLE_EQ(Slot(30), 240);  // 0.6 x 400
  EXPECT_DOUBLE_EQ(Slot(32), 50);
  EXPECT_DOUBLE_EQ(Slot(33), 25);
  // Line 9 adds lines 4 and 6 and takes line 8 as they print.
  EXPECT_DOUBLE_EQ(Slot(34), platform::RoundAsShown(obligation * 0.6) + 240 - 50);
  EXPECT_DOUBLE_EQ(Slot(35), platform::RoundAsShown(obligation * 0.4) + 160 - 25);
}

TEST_F(WorksheetCalculation, LinearPreferenceIsExact) {
  Standard("3000", "2000");
  for (auto [pref, method] :
       {std::pair{"Linear", "Linear"}, std::pair{"linear", "Closest"}, std::pair{"", "Closest"}}) {
    inputs.interpDefault = pref;
    ASSERT_TRUE(Run().completed);
    EXPECT_EQ(interp, method) << pref;
  }
}

struct Check {
  const char* name;
  const char* children;
  const char* netA;
  const char* netB;
  bool shared;
  const char* daysA;
  const char* daysB;
  const char* message;  // empty: the run completes
  Box focus;
};

class WorksheetChecks : public ::testing::TestWithParam<Check> {};

TEST_P(WorksheetChecks, FirstFailingCheckStopsWithItsMessageAndWritesNoLine) {
  const Check& c = GetParam();
  WorksheetSheet sheet = WorksheetSheet::AsDesigned();
  sheet[Box::WSNumMinors] = c.children;
  sheet[Box::WS1f] = c.netA;
  sheet[Box::WS1m] = c.netB;
  sheet[Box::WSFatherDays] = c.daysA;
  sheet[Box::WSMotherDays] = c.daysB;
  sheet[Box::WS2t] = "earlier";
  WorksheetValues values{};
  QString interp;
  const CalculationOutcome out = CalculateWS(sheet, values, interp, {c.shared, "Linear"});
  EXPECT_EQ(interp, "Linear");  // set even when a check fails
  if (!*c.message) {
    EXPECT_TRUE(out.completed);
    return;
  }
  EXPECT_FALSE(out.completed);
  EXPECT_EQ(out.message, c.message);
  EXPECT_EQ(out.focus, c.focus);
  EXPECT_EQ(sheet[Box::WS2t], "earlier");
  EXPECT_FALSE(values[23].has_value());
}

constexpr const char* kChildren = "Please Enter The Number Of Minor Children";
constexpr const char* kIncomes = "Please Enter The Net Monthly Incomes";
constexpr const char* kTooLarge =
    "This amount is too large. Please enter an amount of $999,999,999,999 or less.";
constexpr const char* kDays =
    "The number of total days child(ren) are with parents does not equal 365";

INSTANTIATE_TEST_SUITE_P(
    Worksheet, WorksheetChecks,
    ::testing::Values(
        Check{"NoChildren", "", "3000", "2000", false, "", "", kChildren, Box::WSNumMinors},
        Check{"FractionOfChild", "1.5", "3000", "2000", false, "", "", kChildren, Box::WSNumMinors},
        Check{"NegativeChildren", "-2", "3000", "2000", false, "", "", kChildren, Box::WSNumMinors},
        Check{"SevenChildrenRun", "7", "3000", "2000", false, "", "", "", Box::WSNumMinors},
        Check{"IncomesSumToZero", "1", "5000", "-5000", false, "", "", kIncomes, Box::WS1f},
        Check{"IncomesPrintAsZero", "1", "0.30", "0.10", false, "", "", kIncomes, Box::WS1f},
        Check{"HalfDaysMakeAYear", "1", "3000", "2000", true, "182.5", "182.5", "", Box::WS1f},
        Check{"OneDayTooMany", "1", "3000", "2000", true, "183", "183", kDays, Box::WSFatherDays},
        Check{"NegativeOvernights", "1", "3000", "2000", true, "400", "-35", kDays,
              Box::WSFatherDays},
        Check{"DaysIgnoredWithoutSharing", "1", "3000", "2000", false, "1", "1", "", Box::WS1f},
        Check{"IncomeAtTheLimit", "1", "999,999,999,999", "2000", false, "", "", "", Box::WS1f},
        Check{"IncomeBeyondTheLimit", "1", "3000", "1e308", false, "", "", kTooLarge, Box::WS1m}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorksheetCalculation, TimeSharingGrossUp) {
  Shared("146", "219");
  sheet[Box::WS14at] = "$ 500";
  sheet[Box::WS16af] = "$ 100";
  sheet[Box::WS16bm] = "$ 40";
  ASSERT_TRUE(Run().completed);
  const double obligation = childsupport::LookUpBasicObligation(2, 5000, "Closest");
  EXPECT_DOUBLE_EQ(Slot(36), obligation * 1.5);
  EXPECT_DOUBLE_EQ(Slot(37), 0.6 * obligation * 1.5);
  EXPECT_DOUBLE_EQ(Slot(39), 146.0 / 365);  // 0.4
  EXPECT_DOUBLE_EQ(Slot(40), 219.0 / 365);  // 0.6
  EXPECT_EQ(sheet[Box::WS12f], "40.00%");
  EXPECT_EQ(sheet[Box::WS12m], "60.00%");
  EXPECT_DOUBLE_EQ(Slot(41), Slot(37) * Slot(40));  // 13A: 11A x the Respondent's share
  EXPECT_DOUBLE_EQ(Slot(42), Slot(38) * Slot(39));
  EXPECT_DOUBLE_EQ(Slot(43), 500);
  EXPECT_DOUBLE_EQ(Slot(44), 300);  // 0.6 x 500
  EXPECT_DOUBLE_EQ(Slot(46), 100);
  EXPECT_DOUBLE_EQ(Slot(47), 40);
  EXPECT_DOUBLE_EQ(Slot(48), 200);
  EXPECT_DOUBLE_EQ(Slot(49), 160);
  EXPECT_DOUBLE_EQ(Slot(50), platform::RoundAsShown(Slot(41)) + 200);  // line 13A as printed
  EXPECT_DOUBLE_EQ(Slot(51), platform::RoundAsShown(Slot(42)) + 160);
}

// Amounts typed with cents print in whole dollars: every total and every
// share of line 1 is worked from its lines as they print, so a reader adding
// the printed lines gets the printed total.
TEST_F(WorksheetCalculation, TotalsAddTheLinesAsTheyPrint) {
  for (const bool shared : {false, true}) {
    sheet = WorksheetSheet::AsDesigned();
    if (shared)
      Shared("182.5", "182.5");
    else
      Standard("1", "1", "2");
    for (Box b : {Box::WS0f, Box::WS0m, Box::WS1f, Box::WS1m, Box::WS5at, Box::WS5bt, Box::WS5ct, Box::WS7af,
                  Box::WS7bf, Box::WS7cf, Box::WS14at, Box::WS14bt, Box::WS14ct, Box::WS16af, Box::WS16bf,
                  Box::WS16cf})
      sheet[b] = "$ 1,000.40";  // each prints $ 1,000
    ASSERT_TRUE(Run().completed);
    EXPECT_EQ(sheet[Box::WS0t], "$ 2,000");
    EXPECT_EQ(sheet[Box::WS1t], "$ 2,000");
    EXPECT_EQ(sheet[Box::WS3f], "50.00%");  // $ 1,000 of $ 2,000
    EXPECT_EQ(sheet[Box::WS3m], "50.00%");
    if (shared) {
      EXPECT_EQ(sheet[Box::WS14dt], "$ 3,000");
      EXPECT_EQ(sheet[Box::WS17f], "$ 3,000");
      EXPECT_DOUBLE_EQ(Slot(48), 0);  // line 15A, $ 1,500, less line 17A
    } else {
      EXPECT_EQ(sheet[Box::WS5dt], "$ 3,000");
      EXPECT_EQ(sheet[Box::WS8f], "$ 3,000");
      EXPECT_DOUBLE_EQ(Slot(34), platform::RoundAsShown(Slot(27)) + 1500 - 3000);  // lines 4A + 6A - 8A
    }
  }
}

TEST_F(WorksheetCalculation, LineEighteenFloorsAtZero) {
  Shared("146", "219");
  sheet[Box::WS14at] = "100";   // line 15A = 60
  sheet[Box::WS16af] = "$ 90";  // line 17A = 90, more than 15A
  ASSERT_TRUE(Run().completed);
  EXPECT_DOUBLE_EQ(Slot(48), 0);
  EXPECT_EQ(sheet[Box::WS18f], "$ 0");
  EXPECT_DOUBLE_EQ(Slot(50), platform::RoundAsShown(Slot(41)));  // line 19 equals line 13A as printed
}

TEST_F(WorksheetCalculation, LineTwentyOneInThePayersColumnOnly) {
  // The Petitioner earns more and has fewer nights: the Petitioner pays.
  Shared("146", "219");
  sheet[Box::WS21m] = "$ 999";  // from an earlier run in which the Respondent paid
  ASSERT_TRUE(Run().completed);
  EXPECT_DOUBLE_EQ(Slot(52), Slot(50) - Slot(51));
  EXPECT_GT(Slot(52), 0);
  EXPECT_NE(sheet[Box::WS21f], "");
  EXPECT_EQ(sheet[Box::WS21m], "");  // the parent who does not pay shows nothing

  // Nights turned round and incomes swapped: the Respondent pays.
  sheet[Box::WS1f] = "2000";
  sheet[Box::WS1m] = "3000";
  sheet[Box::WSFatherDays] = "219";
  sheet[Box::WSMotherDays] = "146";
  ASSERT_TRUE(Run().completed);
  EXPECT_EQ(sheet[Box::WS21f], "");
  EXPECT_DOUBLE_EQ(Slot(53), Slot(51) - Slot(50));
}

TEST_F(WorksheetCalculation, LineTwentyOneTieShowsZeroInBothColumns) {
  Standard("2500", "2500", "1");
  inputs.sharedOption = true;
  sheet[Box::WSFatherDays] = "182.5";
  sheet[Box::WSMotherDays] = "182.5";
  ASSERT_TRUE(Run().completed);
  EXPECT_EQ(Slot(50), Slot(51));
  EXPECT_EQ(sheet[Box::WS21f], "$ 0");
  EXPECT_EQ(sheet[Box::WS21m], "$ 0");
  EXPECT_EQ(Slot(52), 0);
  EXPECT_EQ(Slot(53), 0);
}

TEST_F(WorksheetCalculation, SuccessEmptiesTheOtherMethodsLinesAndKeepsInputs) {
  Shared("146", "219");
  sheet[Box::WS4f] = "$ 1";
  sheet[Box::WS9m] = "$ 2";
  sheet[Box::WS7af] = "$ 75";  // an input of the other method
  ASSERT_TRUE(Run().completed);
  for (Box b : {Box::WS4f, Box::WS4m, Box::WS5dt, Box::WS6f, Box::WS9m}) EXPECT_EQ(sheet[b], "");
  EXPECT_EQ(sheet[Box::WS7af], "$ 75");

  inputs.sharedOption = false;
  ASSERT_TRUE(Run().completed);
  for (Box b : {Box::WS10t, Box::WS12f, Box::WS13m, Box::WS17f, Box::ws17m, Box::WS19f, Box::WS20m,
                Box::WS21f, Box::WS21m})
    EXPECT_EQ(sheet[b], "") << BoxName(b).toStdString();
  EXPECT_EQ(sheet[Box::WSFatherDays], "146");
  EXPECT_NE(sheet[Box::WS4f], "");
}

TEST_F(WorksheetCalculation, FilledByHandFollowsTheExpressOptionNotTheSheet) {
  Standard("3000", "2000");
  sheet[Box::WS14at] = "$ 800";  // time-sharing lines filled, but not shared possession
  sheet[Box::WSFatherDays] = "100";
  ASSERT_TRUE(Run().completed);
  EXPECT_NE(sheet[Box::WS4f], "");
  EXPECT_EQ(sheet[Box::WS14dt], "");
  EXPECT_FALSE(values[43].has_value());
}

}  // namespace

// Child care and health costs cannot be negative: the method in use refuses
// one, the other method's boxes are not read.
TEST(WorksheetCosts, ANegativeCostOfTheMethodInUseStopsTheRun) {
  const struct {
    bool shared;
    Box box;
    bool stops;
  } cases[] = {{false, Box::WS5at, true}, {false, Box::WS7bm, true}, {true, Box::WS16cf, true},
               {true, Box::WS5at, false}, {false, Box::WS14bt, false}};
  for (const auto& c : cases) {
    WorksheetSheet sheet = WorksheetSheet::AsDesigned();
    sheet[Box::WSNumMinors] = "1";
    sheet[Box::WS1f] = "3000";
    sheet[Box::WS1m] = "2000";
    sheet[Box::WSFatherDays] = "200";
    sheet[Box::WSMotherDays] = "165";
    sheet[c.box] = "-$ 100";
    WorksheetValues values{};
    QString interp;
    const CalculationOutcome out = CalculateWS(sheet, values, interp, {c.shared, "Closest"});
    EXPECT_EQ(out.completed, !c.stops) << BoxName(c.box).toStdString();
    if (c.stops) {
      EXPECT_EQ(out.message, "This amount cannot be negative. Please enter an amount of $0 or more.");
      EXPECT_EQ(out.focus, c.box);
      EXPECT_TRUE(sheet[Box::WS2t].isEmpty());
    }
  }
}
