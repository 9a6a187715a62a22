#include "alimony/CaseScore.h"

#include <cmath>

#include "alimony/NumberForms.h"
#include "platform/NumberText.h"

namespace alimony {

namespace {

double MarriagePoints(double m) {
  if (m <= 5) return 0;
  if (m <= 10) return (m - 5) * 4.7 * 0.35;
  if (m < 20) return ((m - 10) * 4.7 + 23.3) * 0.35;
  if (m == 20) return 24.5;
  if (m < 30) return ((m - 21) * 3 + 73) * 0.35;
  return 35;
}

double AgePoints(double a) {
  if (a <= 30) return 0;
  if (a <= 35) return (a - 30) * 0.2;
  if (a <= 45) return (a - 35) * 3 * 0.1 + 1;
  if (a < 60) return (a - 45) * 0.4 + 4;
  return 10;
}

double ChildrenPoints(int n) {
  switch (n) {
    case 0: return -5;
    case 1: return 5;
    case 2: return 7.5;
    case 3: return 10;
    case 4: return 12.5;
    default: return n >= 5 ? 15 : 0;
  }
}

// d: the other party's gross income less the claimant's.
double IncomePoints(double d, double claimIncome) {
  double yardstick = 0;
  if (d < 20000) yardstick = 0;
  else if (d == 20000) yardstick = 500;
  else if (d < 193354) yardstick = (d - 20000) * 0.2393939 + 500;
  else yardstick = 42000;
  const double r = claimIncome - yardstick;
  if (r <= 0) return 30;
  if (r >= 42000) return 0;
  return (42000 - r) / 1000 * 0.71428571428;
}

double CaregiverPoints(int c) {
  switch (c) {
    case 2: return -1;
    case 3: return -15;
    default: return 0;
  }
}

// The closing sentence of a strong case: the longest term the statute allows.
QString TermSentence(float score, double m) {
  struct Row {
    const char* first;
    const char* pattern;
    const char* closing;
  };
  const char* durational = " This Is A Strong Case For Durational Alimony.";
  const char* bridge = " This Is A Strong Case For Bridge-The-Gap or Rehabilitative Alimony.";
  const char* veryDurational = " This Is A Very Strong Case For Durational Alimony.";
  const char* extremely = " This Is An Extremely Strong Case For Durational Alimony.";
  const char* veryBridge = " This Is A Very Strong Case For Bridge-The-Gap or Rehabilitative Alimony.";
  const char* dvStop = " Years Is Possible Under DV Statute.";
  const char* dv = " Years Is Possible Under DV Statute";
  const char* dvLower = " Years Is Possible Under Dv Statute.";
  // Rows by score band (60, 66, 73, 78, 83 up), each [M >= 20, 10 <= M < 20, M < 10].
  const Row bands[5][3] = {
      {{durational, "##.#0", dvStop}, {durational, "##.#0", dv}, {bridge, "##.#0", dv}},
      {{veryDurational, "##.#0", dv}, {durational, "##.0", dv}, {bridge, "##.#0", dvLower}},
      {{extremely, "##.#0", dvStop},
       {durational, "##.#0", dvStop},
       {" This Is A Strong Case For For Bridge-The-Gap or Rehabilitative Alimony.", "##.#0", dvLower}},
      {{extremely, "##.#0", dvStop}, {veryDurational, "##.#0", dvStop}, {veryBridge, "##.#0", dvLower}},
      {{extremely, "##.#0", dvStop}, {veryDurational, "##.#0", dvStop}, {veryBridge, "##.#0", dvLower}},
  };
  const int band = score < 66 ? 0 : score < 73 ? 1 : score < 78 ? 2 : score < 83 ? 3 : 4;
  const int length = m >= 20 ? 0 : m >= 10 ? 1 : 2;
  const double term = m * (m >= 20 ? 0.75 : m >= 10 ? 0.6 : 0.5);
  const Row& row = bands[band][length];
  return QString::fromLatin1(row.first) + QLatin1String(kCRLF) +
         QStringLiteral(" A Maximum Term Of ") + platform::Format(term, row.pattern) +
         QString::fromLatin1(row.closing);
}

QString StrengthSentence(float s, double d, double m) {
  const char* kVeryWeak = " This Represents A Very Weak Claim For Alimony.";
  if (s < 19)
    return QString::fromLatin1(d < 70000 ? kVeryWeak
                                         : " This Is A Very Weak Case. Only Income Differential Is Compelling.");
  if (s < 25)
    return QString::fromLatin1(
        d < 70000 ? kVeryWeak : " This Is A Weak Case. Income Differential May Merit Some Consideration.");
  if (s < 42) {
    if (d >= 30000)
      return QStringLiteral(" This Represents An Arguable Case For Bridge-The-Gap Or Rehabilitative Alimony,") +
             QLatin1String(kCRLF) + QStringLiteral(" Due To The Parties' Income Differential.");
    return QStringLiteral(" This Is A Moderately Weak Alimony Case,") + QLatin1String(kCRLF) +
           QStringLiteral(" Barring Some Unusual Or Compelling Circumstance.");
  }
  if (s < 50)
    return QString::fromLatin1(
        d >= 30000 ? " This Is A Fair Case For Bridge-The-Gap Or Rehabilitative Alimony."
                   : " This Is An Arguable/Possible Case For Bridge-The-Gap Or Rehabilitative Alimony.");
  if (s <= 55) return QStringLiteral(" This Is A Good Case For Rehabilitative Or Durational Alimony.");
  if (s < 60) return QStringLiteral(" This Is A Very Good Case For Rehabilitative Or Durational Alimony.");
  return TermSentence(s, m);
}

}  // namespace

CaseScoreParts ComputeCaseScoreParts(const casevars::CaseVars& vars) {
  const int children = vars.Express.NumMarriageChildren;
  const double d = double(vars.Income.Payer.YrGrossIncome) - double(vars.Income.Claim.YrGrossIncome);
  CaseScoreParts parts;
  parts.Marriage = MarriagePoints(vars.Express.MarriageYears);
  parts.Age = AgePoints(vars.Express.Claim.AgeYears);
  parts.Children = ChildrenPoints(children);
  parts.Skills = vars.Express.Claim.SkillScore;
  parts.Income = IncomePoints(d, vars.Income.Claim.YrGrossIncome);
  if (children != 0) parts.Caregiver = CaregiverPoints(vars.Express.CaregiverCharacterization);
  return parts;
}

CaseScoreResult ComputeCaseScore(casevars::CaseVars& vars) {
  casevars::AlimonyVars& a = vars.Alimony;
  float score = static_cast<float>(ComputeCaseScoreParts(vars).Sum());
  if (score <= 1) score = 1;
  else if (score > 100) score = 100;
  const double d = double(vars.Income.Payer.YrGrossIncome) - double(vars.Income.Claim.YrGrossIncome);
  a.CaseStrengthText = StrengthSentence(score, d, AsTyped(vars.Express.MarriageYears));
  a.AlimonyCaseScore = static_cast<float>(std::nearbyint(double(score) * 100) / 100);
  vars.Express.AwardChangedFlag = QStringLiteral("N");
  return {CaseScoreText(a.AlimonyCaseScore), a.CaseStrengthText};
}

QString CaseScoreText(float score) { return platform::Format(double(score), "##0.00"); }

}  // namespace alimony
