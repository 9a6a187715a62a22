#include <gtest/gtest.h>

#include "alimony/CaseScore.h"

namespace {

using alimony::ComputeCaseScore;
using alimony::ComputeCaseScoreParts;
using casevars::CaseVars;

CaseVars Case(float marriage, float age, int children, int caregiver, float skill, float claimIncome,
              float payerIncome) {
  CaseVars v;
  v.Express.MarriageYears = marriage;
  v.Express.Claim.AgeYears = age;
  v.Express.NumMarriageChildren = static_cast<std::int16_t>(children);
  v.Express.CaregiverCharacterization = static_cast<std::int16_t>(caregiver);
  v.Express.Claim.SkillScore = skill;
  v.Income.Claim.YrGrossIncome = claimIncome;
  v.Income.Payer.YrGrossIncome = payerIncome;
  return v;
}

TEST(CaseScore, WorkedExampleVeryStrongDurationalCase) {
  CaseVars v = Case(22, 48, 2, 1, 9, 30000, 110000);
  v.Express.AwardChangedFlag = "Y";
  const auto parts = ComputeCaseScoreParts(v);
  EXPECT_NEAR(parts.Marriage, 26.6, 1e-9);
  EXPECT_NEAR(parts.Age, 5.2, 1e-9);
  EXPECT_EQ(parts.Children, 7.5);
  EXPECT_EQ(parts.Skills, 9);
  // d = 80,000: T = 60,000 x 0.2393939 + 500 = 14,863.634; R = 15,136.366;
  // (42,000 - R) / 1,000 x 0.71428571428 = 19.1883.
  EXPECT_NEAR(parts.Income, 19.1883, 1e-4);
  EXPECT_EQ(parts.Caregiver, 0);

  const auto shown = ComputeCaseScore(v);
  EXPECT_EQ(shown.CaseScore, "67.49");
  EXPECT_FLOAT_EQ(v.Alimony.AlimonyCaseScore, 67.49f);
  EXPECT_EQ(v.Alimony.CaseStrengthText,
            " This Is A Very Strong Case For Durational Alimony.\r\n A Maximum Term Of 16.50 Years Is "
            "Possible Under DV Statute");
  EXPECT_EQ(shown.StrengthText, v.Alimony.CaseStrengthText);
  EXPECT_EQ(v.Express.AwardChangedFlag, "N");
}

TEST(CaseScore, ComponentsAtTheirBreaks) {
  struct Row {
    float marriage, age;
    double marriagePoints, agePoints;
  } rows[] = {
      {5, 30, 0, 0},           {7, 33, 3.29, 0.6},       {10, 35, 8.225, 1},
      {10.5, 45, 8.9775, 4},   {12, 48, 11.445, 5.2},    {20, 59, 24.5, 9.6},
      {25, 60, 29.75, 10},     {30, 99, 35, 10},
  };
  for (const Row& r : rows) {
    const auto parts = ComputeCaseScoreParts(Case(r.marriage, r.age, 1, 1, 0, 0, 0));
    EXPECT_NEAR(parts.Marriage, r.marriagePoints, 1e-9) << r.marriage;
    EXPECT_NEAR(parts.Age, r.agePoints, 1e-9) << r.age;
  }
  // The income yardstick starts at a difference of exactly 20,000.
  EXPECT_NEAR(ComputeCaseScoreParts(Case(1, 20, 1, 1, 0, 10000, 30000)).Income, 32.5 * 0.71428571428, 1e-9);
  EXPECT_NEAR(ComputeCaseScoreParts(Case(1, 20, 1, 1, 0, 10000, 29999)).Income, 32 * 0.71428571428, 1e-9);
  EXPECT_EQ(ComputeCaseScoreParts(Case(1, 20, 1, 1, 0, 0, 0)).Income, 30);  // no claimant income
  // Children and caregiver: none of the marriage ignores the caregiver entry.
  const auto none = ComputeCaseScoreParts(Case(1, 20, 0, 3, 0, 0, 0));
  EXPECT_EQ(none.Children + none.Caregiver, -5);
  const auto one = ComputeCaseScoreParts(Case(1, 20, 1, 3, 0, 0, 0));
  EXPECT_EQ(one.Children + one.Caregiver, -10);
}

// Marriage and age give no points, one child 5, a claimant with 60,000
// against 130,000 (d = 70,000) no income points: the score is 5 + skill.
struct Band {
  float score;
  const char* box;
  const char* text;
};

TEST(CaseScore, SentenceBandsFromTheScoreBeforeRounding) {
  const Band bands[] = {
      {18.996f, "19.00", " This Is A Very Weak Case. Only Income Differential Is Compelling."},
      {19, "19.00", " This Is A Weak Case. Income Differential May Merit Some Consideration."},
      {25, "25.00",
       " This Represents An Arguable Case For Bridge-The-Gap Or Rehabilitative Alimony,\r\n Due To The "
       "Parties' Income Differential."},
      {42, "42.00", " This Is A Fair Case For Bridge-The-Gap Or Rehabilitative Alimony."},
      {50, "50.00", " This Is A Good Case For Rehabilitative Or Durational Alimony."},
      {55, "55.00", " This Is A Good Case For Rehabilitative Or Durational Alimony."},
      {55.01f, "55.01", " This Is A Very Good Case For Rehabilitative Or Durational Alimony."},
      {60, "60.00",
       " This Is A Strong Case For Bridge-The-Gap or Rehabilitative Alimony.\r\n A Maximum Term Of 2.00 Years "
       "Is Possible Under DV Statute"},
      {66, "66.00",
       " This Is A Strong Case For Bridge-The-Gap or Rehabilitative Alimony.\r\n A Maximum Term Of 2.00 Years "
       "Is Possible Under Dv Statute."},
      {73, "73.00",
       " This Is A Strong Case For For Bridge-The-Gap or Rehabilitative Alimony.\r\n A Maximum Term Of 2.00 "
       "Years Is Possible Under Dv Statute."},
      {78, "78.00",
       " This Is A Very Strong Case For Bridge-The-Gap or Rehabilitative Alimony.\r\n A Maximum Term Of 2.00 "
       "Years Is Possible Under Dv Statute."},
      {105, "100.00",
       " This Is A Very Strong Case For Bridge-The-Gap or Rehabilitative Alimony.\r\n A Maximum Term Of 2.00 "
       "Years Is Possible Under Dv Statute."},
      {-8, "1.00", " This Represents A Very Weak Claim For Alimony."},
  };
  for (const Band& b : bands) {
    CaseVars v = Case(4, 25, 1, 1, b.score - 5, 60000, 130000);
    if (b.score < 0) v = Case(4, 25, 0, 1, b.score + 5, 60000, 60000);
    const auto shown = ComputeCaseScore(v);
    EXPECT_EQ(shown.CaseScore, b.box) << b.score;
    EXPECT_EQ(v.Alimony.CaseStrengthText, b.text) << b.score;
  }
  // A weak case with a small income difference.
  CaseVars small = Case(4, 25, 1, 1, 30, 60000, 80000);
  ComputeCaseScore(small);
  EXPECT_EQ(small.Alimony.CaseStrengthText,
            " This Is A Moderately Weak Alimony Case,\r\n Barring Some Unusual Or Compelling Circumstance.");
}

TEST(CaseScore, MaximumTermByLengthOfMarriage) {
  // 12 years: 11.445 marriage points; one child 5; the skill sets the score.
  CaseVars twelve66 = Case(12, 25, 1, 1, 70 - 16.445f, 60000, 130000);
  ComputeCaseScore(twelve66);
  EXPECT_TRUE(twelve66.Alimony.CaseStrengthText.endsWith(" A Maximum Term Of 7.2 Years Is Possible Under DV Statute"));
  CaseVars twelve60 = Case(12, 25, 1, 1, 62 - 16.445f, 60000, 130000);
  ComputeCaseScore(twelve60);
  EXPECT_TRUE(twelve60.Alimony.CaseStrengthText.endsWith(" A Maximum Term Of 7.20 Years Is Possible Under DV Statute"));
  CaseVars short60 = Case(1.5f, 25, 1, 1, 57, 60000, 130000);
  ComputeCaseScore(short60);
  EXPECT_TRUE(short60.Alimony.CaseStrengthText.endsWith(" A Maximum Term Of .75 Years Is Possible Under DV Statute"));
  // Years as typed: 20.9 years (held as 20.8999996) give a term of 15.675,
  // which shows as 15.68.
  CaseVars typed = Case(20.9f, 45, 1, 1, 15, 10000, 130000);
  ComputeCaseScore(typed);
  EXPECT_TRUE(typed.Alimony.CaseStrengthText.contains(" A Maximum Term Of 15.68 Years"))
      << typed.Alimony.CaseStrengthText.toStdString();
  CaseVars short70 = Case(1.5f, 25, 1, 1, 65, 60000, 130000);
  ComputeCaseScore(short70);
  EXPECT_TRUE(short70.Alimony.CaseStrengthText.endsWith(" A Maximum Term Of .75 Years Is Possible Under Dv Statute."));
}

}  // namespace
