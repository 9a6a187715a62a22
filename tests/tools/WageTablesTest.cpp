#include <gtest/gtest.h>

#include "tools/Imputation.h"
#include "tools/WageTables.h"

using namespace tools;

TEST(WageTables, MedianLookupYearAndMonthRoundedHalfAwayFromZero) {
  const struct {
    WorkerGroup group;
    Sex sex;
    const char* band;
    const char* yearly;
    const char* monthly;
  } cases[] = {
      {WorkerGroup::AllWorkers, Sex::Male, "15-24", "$25,090", "$2,091"},
      {WorkerGroup::AllWorkers, Sex::Male, "60-64", "$77,190", "$6,433"},  // 6,432.5 up, not to the even neighbour
      {WorkerGroup::FullTime, Sex::Male, "65+", "$100,100", "$8,342"},
      {WorkerGroup::AllWorkers, Sex::Female, "15-24", "$21,900", "$1,825"},
      {WorkerGroup::FullTime, Sex::Female, "65+", "$67,210", "$5,601"},
  };
  for (const auto& c : cases) {
    const MedianFigures f = LookUpMedianIncome(c.group, c.sex, QString::fromLatin1(c.band), {});
    EXPECT_EQ(f.yearly, QString::fromLatin1(c.yearly)) << c.band;
    EXPECT_EQ(f.monthly, QString::fromLatin1(c.monthly)) << c.band;
  }
}

TEST(WageTables, MedianLookupWithoutAnEqualBandKeepsTheYearAndRecomputesTheMonth) {
  MedianFigures f = LookUpMedianIncome(WorkerGroup::AllWorkers, Sex::Male, QStringLiteral("15 -24"),
                                       {QStringLiteral("$12,000"), QStringLiteral("x")});
  EXPECT_EQ(f.yearly, QStringLiteral("$12,000"));
  EXPECT_EQ(f.monthly, QStringLiteral("$1,000"));
  f = LookUpMedianIncome(WorkerGroup::AllWorkers, Sex::None, QStringLiteral("15-24"),
                         {QStringLiteral("none"), QStringLiteral("kept")});
  EXPECT_EQ(f.yearly, QStringLiteral("none"));
  EXPECT_EQ(f.monthly, QStringLiteral("kept"));
}

TEST(WageTables, MinimumWageLookup) {
  const struct {
    const char* key;
    const char* hourly;
    const char* monthly;
    const char* yearly;
  } cases[] = {
      {"Dadudav", "$15.00", "$2,607", "$31,286"},  // 12 x 2,607.142857, not 12 x 2,607
      {"WA-Tukwila", "$21.65", "$3,763", "$45,156"},
      {"Wash D.C.", "$17.00", "$2,955", "$35,457"},
      {"Washington DC", "$16.10", "$2,798", "$33,580"},
      {"Washington", "$17.13", "$2,977", "$35,728"},
  };
  for (const auto& c : cases) {
    const MinimumWageFigures f = LookUpMinimumWage(QString::fromLatin1(c.key), QStringLiteral("$1.00"));
    EXPECT_EQ(f.hourly, QString::fromLatin1(c.hourly)) << c.key;
    EXPECT_EQ(f.monthly, QString::fromLatin1(c.monthly)) << c.key;
    EXPECT_EQ(f.yearly, QString::fromLatin1(c.yearly)) << c.key;
  }
  EXPECT_EQ(MinimumWageKeys().size(), 61);
  EXPECT_EQ(AgeBands().size(), 10);
}

TEST(WageTables, UnknownStateKeepsTheHourlyBoxAndANonNumberGivesZero) {
  MinimumWageFigures f = LookUpMinimumWage(QStringLiteral("dadudav"), QStringLiteral("$10.00"));
  EXPECT_EQ(f.hourly, QStringLiteral("$10.00"));
  EXPECT_EQ(f.monthly, QStringLiteral("$1,738"));
  f = LookUpMinimumWage(QStringLiteral("Nowhere"), QStringLiteral("n/a"));
  EXPECT_EQ(f.monthly, QStringLiteral("$0"));
  EXPECT_EQ(f.yearly, QStringLiteral("$0"));
}

TEST(Imputation, CloseWritesOnlyForTheTwoImputationChoices) {
  ImputedEarnings wage = ImputeOnClose(ImputeChoice::MinimumWage, QStringLiteral("$15.00"), QStringLiteral("$25,090"));
  EXPECT_TRUE(wage.write);
  EXPECT_EQ(wage.period, ImputePeriod::Monthly);
  EXPECT_FLOAT_EQ(wage.amount, 2607.142857f);  // not the $2,607 the month box shows

  ImputedEarnings median = ImputeOnClose(ImputeChoice::Median, QStringLiteral("$15.00"), QStringLiteral("$25,090"));
  EXPECT_TRUE(median.write);
  EXPECT_EQ(median.period, ImputePeriod::Yearly);
  EXPECT_EQ(median.amount, 25090.0f);

  EXPECT_EQ(ImputeOnClose(ImputeChoice::Median, {}, QStringLiteral("abc")).amount, 0.0f);

  // "Do Not Impute" leaves the earned wages and the period alone (it does not store 0).
  EXPECT_FALSE(ImputeOnClose(ImputeChoice::DoNotImpute, QStringLiteral("$15.00"), QStringLiteral("$25,090")).write);
}
