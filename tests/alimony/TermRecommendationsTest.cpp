#include <gtest/gtest.h>

#include "alimony/TermRecommendations.h"

namespace {

using alimony::ChooseTermRecommendations;

TEST(TermRecommendations, RowsByScoreMarriageAndAward) {
  const struct {
    float score, marriage;
    bool award;
    const char* first;
    const char* second;
  } rows[] = {
      {83, 10, true, " Alimony Should Run For The Maximum Term Allowed Under Dadudav Statute.", ""},
      {83, 10, false, " While This Case Has Alimony Aspects, No Award Is Suggested.",
       " A Greater Income Differential Would Justify An Award."},
      {80, 22, true, " Alimony Of Long Term Is Advised.", " A Term, If Chosen, Should Run For 11.0 Years."},
      {80, 21.5f, true, " Alimony Of Long Term Should Be Considered.", " A Term, If Chosen, Should Run For 10.3 Years"},
      {75, 20, true, " Durational Alimony Of Long Term Could Be Considered.", " Alimony Should Continue For 9.2 Years."},
      {75, 19, true, " Alimony Should Continue For 8.6 Years.", ""},
      {70, 10, true, " Alimony Should Run For A Period Of 4.0 Years.", ""},
      {62, 17.8f, true, " Alimony Should Run For A period Of 6.2 Years.", ""},
      {62, 17, true, " Alimony Should Run For A Period Of 5.6 Years.", ""},
      {55, 16, true, " Alimony Should Run For 4.8 Years.", ""},
      {55, 20, true, " Alimony Should Run For 5 To 6.4 Years.", ""},
      {40, 20, false, " Barring Unusual Circumstances, This Case Does Not Justify An Award", ""},
      {30, 6, true, " Alimony Should Run For 1.8 Years.", ""},
      {30, 8, true, " Alimony Should Run For 2.4 Years.", " Assuming An Award, The Maximum Duration Is 4.0 Years."},
      {30, 12, true, " Three Years Of Alimony Should Be Awarded.", ""},
      {30, 14, true, " Three Years Of Alimony Should Be Awarded.", ""},
      {30, 15, true, " Alimony Should Run From 3 To 5 Years.", ""},
      {20, 6, true, " If Alimony Is Awarded, Alimony Should Run For 1.8 Years.", ""},
      {20, 8, true, " If Alimony Is Awarded, Alimony Should Run For 2.4 Years.",
       " Assuming An Award, A Period No Longer Than 3 Years is Suggested."},
      {20, 12, true, " If Alimony is Awarded, A Maximum Duration Of 3 Years Is Suggested.", ""},
      {20, 15, true, " If Alimony is Awarded, A Maximum Duration Of 3 To 5 Years Is Suggested.", ""},
      {10, 8, true, " No Alimony Is Recommended.", " But If Awarded, Alimony Should Run For 2.4 Years."},
      {10, 12, true, " No Alimony Is Recommended.",
       " But If Alimony Is Awarded, A Maximum Duration Of 3 Years Is Suggested."},
      {10, 15, true, " No Alimony Is Recommended.",
       " But If Alimony Awarded, A Maximum Duration Of 3 To 5 Years Is Suggested."},
  };
  for (const auto& r : rows) {
    const auto t = ChooseTermRecommendations(r.score, r.marriage, r.award);
    EXPECT_EQ(t.First, r.first) << r.score << " " << r.marriage;
    EXPECT_EQ(t.Second, r.second) << r.score << " " << r.marriage;
  }
}

}  // namespace
