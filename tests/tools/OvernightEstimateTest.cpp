#include <gtest/gtest.h>

#include "express/Prompter.h"
#include "platform/ScriptedDialogs.h"
#include "tools/OvernightEstimate.h"

using namespace tools;
using B = OvernightBox;

namespace {

OvernightEntries Schedule(const char* school, VacationRule xmass, VacationRule breaks, SummerRule summer) {
  OvernightEntries e = InitialOvernightEntries();
  e[B::SchoolNights] = QString::fromLatin1(school);
  e.xmass = xmass;
  e.breaks = breaks;
  e.summer = summer;
  return e;
}

}  // namespace

TEST(OvernightEstimate, WorkedExamplesAndLimits) {
  using V = VacationRule;
  using S = SummerRule;
  const struct {
    const char* school;
    V xmass, breaks;
    S summer;
    const char* conWeeks;
    const char* other;
    const char* summerWeeks;
    int message;
    const char* total;
  } cases[] = {
      {"4", V::Half, V::Continuation, S::Half, "", "0", "11", 0, "123.5"},
      {"4", V::Half, V::Continuation, S::ContinuationPlus, "2", "0", "11", 0, "113.0"},
      {"4", V::Half, V::Continuation, S::ContinuationPlus, "", "0", "11", 0, "107.0"},  // empty = plain continuation
      {"14", V::Continuation, V::Continuation, S::Continuation, "", "0", "11", 0, "364.0"},
      {"14", V::Continuation, V::Continuation, S::Continuation, "", "1", "11", 0, "365.0"},
      {"14", V::Continuation, V::Continuation, S::Continuation, "", "2", "11", 15, ""},
      {"14.5", V::Half, V::Half, S::Half, "", "0", "11", 3, ""},
      {"4", V::Half, V::Half, S::ContinuationPlus, "5.5", "0", "11", 0, "126.5"},
      {"4", V::Half, V::Half, S::ContinuationPlus, "6", "0", "11", 13, ""},
      {"0", V::Other, V::Other, S::Other, "", "0", "11", 5, ""},  // Other with an empty box
      {"", V::Half, V::Half, S::Half, "", "0", "11", 2, ""},
      {"4", V::None, V::Half, S::Half, "", "0", "11", 4, ""},
      {"4", V::Half, V::None, S::Half, "", "0", "11", 7, ""},
      {"4", V::Half, V::Half, S::None, "", "0", "11", 10, ""},
      {"4", V::Half, V::Half, S::Half, "", "lots", "11", 14, ""},
      {"4", V::Half, V::Half, S::Half, "", "0", "12", 1, ""},
      {"$1,0", V::Half, V::Half, S::Half, "", "0 %", "11", 0, "237.5"},  // currency characters dropped
  };
  for (const auto& c : cases) {
    OvernightEntries e = Schedule(c.school, c.xmass, c.breaks, c.summer);
    e[B::SummerConWeeks] = QString::fromLatin1(c.conWeeks);
    e[B::OtherNights] = QString::fromLatin1(c.other);
    e[B::SummerWeeks] = QString::fromLatin1(c.summerWeeks);
    const OvernightResult r = CountOvernights(e);
    EXPECT_EQ(r.message, c.message) << c.school << " " << c.other << " " << c.conWeeks;
    EXPECT_EQ(r.totalText, QString::fromLatin1(c.total)) << c.school << " " << c.other << " " << c.conWeeks;
  }
}

TEST(OvernightEstimate, ZeroTotalShowsPointZeroAndOtherNightsCount) {
  OvernightEntries e = Schedule("0", VacationRule::Other, VacationRule::Other, SummerRule::Other);
  e[B::XMassNights] = e[B::BreakNights] = e[B::SummerNights] = QStringLiteral("0");
  OvernightResult r = CountOvernights(e);
  EXPECT_EQ(r.message, 0);
  EXPECT_EQ(r.totalText, QStringLiteral(".0"));
  e[B::XMassNights] = QStringLiteral("3");
  e[B::SummerNights] = QStringLiteral("10");
  EXPECT_EQ(CountOvernights(e).totalText, QStringLiteral("13.0"));
}

TEST(OvernightEstimate, ReadingRewritesBoxesWithoutNumbersEvenWhenACheckFails) {
  OvernightEntries e = Schedule("4", VacationRule::Half, VacationRule::Half, SummerRule::Half);
  e[B::SchoolWeeks] = QStringLiteral("many");
  e[B::XMassWeeks] = QString();
  e[B::OtherNights] = QStringLiteral("some");
  const OvernightResult r = CountOvernights(e);
  EXPECT_EQ(r.message, 14);
  EXPECT_EQ(r.focus, B::OtherNights);
  EXPECT_EQ(e[B::SchoolWeeks], QStringLiteral("37"));
  EXPECT_EQ(e[B::XMassWeeks], QStringLiteral("2"));
  EXPECT_TRUE(e[B::OtherNights].isEmpty());
}

TEST(OvernightEstimate, WeeksMustAddUpTo52Exactly) {
  OvernightEntries e = Schedule("4", VacationRule::Half, VacationRule::Half, SummerRule::Half);
  e[B::SchoolWeeks] = QStringLiteral("36.5");
  e[B::XMassWeeks] = QStringLiteral("2.5");
  EXPECT_EQ(CountOvernights(e).message, 0);
  e[B::SchoolWeeks] = QStringLiteral("37");
  const OvernightResult r = CountOvernights(e);
  EXPECT_EQ(r.message, 1);
  EXPECT_EQ(r.focus, B::SchoolWeeks);
}

TEST(OvernightEstimate, OvernightsBoxUnderContinuationIsCheckedButNotCounted) {
  OvernightEntries e = Schedule("4", VacationRule::Continuation, VacationRule::Continuation, SummerRule::Continuation);
  e[B::XMassNights] = QStringLiteral("14");
  EXPECT_EQ(CountOvernights(e).totalText, QStringLiteral("104.0"));
  e[B::XMassNights] = QStringLiteral("15");
  EXPECT_EQ(CountOvernights(e).message, 6);
}

TEST(OvernightEstimate, ChoosingARuleEmptiesTheOtherRulesBoxes) {
  OvernightEntries e = InitialOvernightEntries();
  e[B::XMassNights] = e[B::BreakNights] = e[B::SummerNights] = e[B::SummerConWeeks] = QStringLiteral("3");
  ChooseXMassRule(e, VacationRule::Other);
  ChooseBreakRule(e, VacationRule::Half);
  EXPECT_EQ(e[B::XMassNights], QStringLiteral("3"));
  EXPECT_TRUE(e[B::BreakNights].isEmpty());
  ChooseSummerRule(e, SummerRule::ContinuationPlus);
  EXPECT_EQ(e[B::SummerConWeeks], QStringLiteral("3"));
  EXPECT_TRUE(e[B::SummerNights].isEmpty());
  e[B::SummerNights] = QStringLiteral("9");
  ChooseSummerRule(e, SummerRule::Other);
  EXPECT_TRUE(e[B::SummerConWeeks].isEmpty());
  EXPECT_EQ(e[B::SummerNights], QStringLiteral("9"));
}

TEST(OvernightEstimate, EveryMessageButTheTotalOneBeepsTwice) {
  platform::ScriptedDialogs dialogs;
  int beeps = 0;
  express::Prompter prompter(dialogs, [&beeps] { ++beeps; });
  OvernightResult r;
  r.message = 15;
  r.prompt = QStringLiteral("total");
  ReportOvernightError(r, prompter);
  EXPECT_EQ(beeps, 0);
  r.message = 2;
  ReportOvernightError(r, prompter);
  EXPECT_EQ(beeps, 1);
  ASSERT_EQ(dialogs.Calls().size(), 2u);
}
