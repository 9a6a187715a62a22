#pragma once

#include <QString>

// The two sentences that recommend the term of the alimony, chosen from the
// case score, the years of marriage and whether any award is suggested.
namespace alimony {

struct TermRecommendations {
  QString First;   // TermRecommendation1
  QString Second;  // TermRecommendation2, often empty
};

// score: the case score (1 to 100); marriageYears; awardSuggested: the
// suggested award after the weak-case and further rules is above 0.
TermRecommendations ChooseTermRecommendations(float score, float marriageYears, bool awardSuggested);

}  // namespace alimony
