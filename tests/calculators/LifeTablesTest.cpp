#include <gtest/gtest.h>

#include "calculators/LifeTables.h"

using namespace calculators;

namespace {

const LifeTable& Table(const char* race, const char* sex) {
  const LifeTable* t = FindLifeTable(QString::fromLatin1(race), QString::fromLatin1(sex));
  EXPECT_NE(t, nullptr) << race << sex;
  return *t;
}

// The telling rows of the publication, for each of the eight groups.
TEST(LifeTables, TellingRows) {
  const char* groups[8][2] = {{"arace", "m"}, {"arace", "f"}, {"w", "m"}, {"w", "f"},
                              {"b", "m"},     {"b", "f"},     {"h", "m"}, {"h", "f"}};
  const struct { int age; double survivors[8]; } survivors[] = {
      {0, {100.000, 100.000, 100.000, 100.000, 100.000, 100.000, 100.000, 100.000}},
      {1, {99.370, 99.477, 99.473, 99.562, 98.812, 99.033, 99.461, 99.523}},
      {40, {95.196, 97.493, 95.422, 97.593, 92.897, 96.464, 96.341, 98.184}},
      {41, {94.962, 97.355, 95.192, 97.458, 92.563, 96.268, 96.168, 98.105}},
      {50, {92.105, 95.543, 92.391, 95.687, 88.591, 93.711, 94.048, 96.936}},
      {65, {79.838, 87.596, 80.425, 87.973, 71.895, 82.583, 84.329, 91.241}},
      {66, {78.565, 86.738, 79.188, 87.136, 70.150, 81.415, 83.270, 90.580}},
      {85, {35.439, 49.264, 35.762, 49.376, 26.042, 42.199, 44.188, 59.497}},
      {99, {1.497, 3.891, 1.388, 3.681, 1.591, 4.443, 3.092, 7.602}},
      {100, {0.971, 2.697, 0.886, 2.524, 1.128, 3.289, 2.127, 5.582}},
  };
  const struct { int age; double years[8]; } expectancy[] = {
      {0, {76.1, 81.1, 76.4, 81.2, 71.9, 78.5, 79.1, 84.3}},  {1, {75.6, 80.5, 75.8, 80.6, 71.8, 78.2, 78.5, 83.7}},
      {40, {38.7, 42.6, 38.8, 42.7, 35.7, 40.6, 41.2, 45.5}}, {50, {29.8, 33.4, 29.9, 33.4, 27.1, 31.6, 32.1, 36.0}},
      {65, {18.0, 20.6, 18.1, 20.6, 16.4, 19.7, 19.7, 22.7}}, {66, {17.3, 19.8, 17.3, 19.8, 15.8, 19.0, 19.0, 21.9}},
      {85, {5.9, 7.0, 5.9, 6.9, 6.1, 7.3, 6.7, 8.0}},         {99, {2.1, 2.4, 2.0, 2.3, 2.6, 2.8, 2.4, 2.7}},
      {100, {2.0, 2.2, 1.9, 2.2, 2.5, 2.7, 2.2, 2.6}},
  };
  for (int g = 0; g < 8; ++g) {
    const LifeTable& t = Table(groups[g][0], groups[g][1]);
    for (const auto& row : survivors)
      EXPECT_DOUBLE_EQ(t.survivors[static_cast<std::size_t>(row.age)], row.survivors[g])
          << groups[g][0] << groups[g][1] << " age " << row.age;
    for (const auto& row : expectancy)
      EXPECT_DOUBLE_EQ(t.expectancy[static_cast<std::size_t>(row.age)], row.years[g])
          << groups[g][0] << groups[g][1] << " age " << row.age;
  }
}

TEST(LifeTables, EveryTableFallsOrStaysLevelWithAge) {
  for (const LifeTable& t : kLifeTables) {
    for (std::size_t age = 1; age < kLifeTableAges; ++age) {
      EXPECT_LE(t.survivors[age], t.survivors[age - 1]) << t.race << t.sex << " age " << age;
      EXPECT_LE(t.expectancy[age], t.expectancy[age - 1]) << t.race << t.sex << " age " << age;
    }
    EXPECT_GT(t.survivors[kLifeTableAges - 1], 0) << t.race << t.sex;  // no survivors value is 0
  }
}

TEST(LifeTables, GroupsAreFoundByExactCodes) {
  EXPECT_STREQ(Table("h", "f").race, "h");
  EXPECT_EQ(FindLifeTable(QStringLiteral("W"), QStringLiteral("m")), nullptr);
  EXPECT_EQ(FindLifeTable(QStringLiteral("arace"), QString()), nullptr);
}

TEST(LifeTables, MonthsInterpolateAndTwelveIsTheNextYear) {
  const LifeTable& t = Table("arace", "m");
  EXPECT_DOUBLE_EQ(AtAge(t.expectancy, 65, 6), 18.0 * 6 / 12 + 17.3 * 6 / 12);
  EXPECT_DOUBLE_EQ(AtAge(t.survivors, 65, 12), t.survivors[66]);
  EXPECT_DOUBLE_EQ(AtAge(t.survivors, 100, 0), 0.971);
}

}  // namespace
