#pragma once

#include <QString>

#include "case/CaseVars.h"

// The alimony case score: the strength of the claimant's claim on a scale of
// 1 to 100 from the length of the marriage, the claimant's age, the children
// of the marriage, the claimant's education and skills, the income difference
// and the claimant's role as caregiver, with a sentence on the case's strength.
namespace alimony {

inline constexpr const char* kCRLF = "\r\n";

// The six parts of a score, before clipping.
struct CaseScoreParts {
  double Marriage = 0;
  double Age = 0;
  double Children = 0;
  double Skills = 0;
  double Income = 0;
  double Caregiver = 0;  // counted only when there are children of the marriage
  double Sum() const { return Marriage + Age + Children + Skills + Income + Caregiver; }
};
CaseScoreParts ComputeCaseScoreParts(const casevars::CaseVars& vars);

// What the result window shows of a score.
struct CaseScoreResult {
  QString CaseScore;     // the CaseScore box: the rounded score in "##0.00"
  QString StrengthText;  // printed into Picture1 after clearing it (CR LF: two lines)
};

// ComputeCaseScore: sets Alimony.AlimonyCaseScore (clipped to 1..100, rounded
// to two decimals, halves to even), Alimony.CaseStrengthText (chosen from the
// clipped score before rounding) and AwardChangedFlag "N". Reads the Express
// screen's alimony entries and both parties' YrGrossIncome.
CaseScoreResult ComputeCaseScore(casevars::CaseVars& vars);

// A case score as the CaseScore box and the Alimony Report show it ("##0.00").
QString CaseScoreText(float score);

}  // namespace alimony
