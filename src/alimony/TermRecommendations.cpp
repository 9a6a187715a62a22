#include "alimony/TermRecommendations.h"

#include "alimony/NumberForms.h"
#include "platform/NumberText.h"

namespace alimony {

namespace {

QString F(double years) { return platform::Format(years, "#0.0"); }
// The terms worked out in single precision.
QString FSingle(float years) { return platform::Format(double(years), "#0.0"); }

QString Years(const char* before, const QString& years, const char* after = " Years.") {
  return QString::fromLatin1(before) + years + QString::fromLatin1(after);
}

}  // namespace

TermRecommendations ChooseTermRecommendations(float score, float marriageYears, bool awardSuggested) {
  const double s = score;
  const double m = AsTyped(marriageYears);
  const double t = m * 0.3;
  const QString tenths = FSingle(marriageYears * 3.0f / 10.0f);
  TermRecommendations r;

  if (!awardSuggested) {
    if (s < 50) {
      r.First = QStringLiteral(" Barring Unusual Circumstances, This Case Does Not Justify An Award");
    } else {
      r.First = QStringLiteral(" While This Case Has Alimony Aspects, No Award Is Suggested.");
      r.Second = QStringLiteral(" A Greater Income Differential Would Justify An Award.");
    }
    return r;
  }

  if (s >= 83) {
    r.First = QStringLiteral(" Alimony Should Run For The Maximum Term Allowed Under Dadudav Statute.");
  } else if (s >= 78) {
    if (m >= 22) {
      r.First = QStringLiteral(" Alimony Of Long Term Is Advised.");
      r.Second = Years(" A Term, If Chosen, Should Run For ", F(m * 0.5));
    } else {
      r.First = QStringLiteral(" Alimony Of Long Term Should Be Considered.");
      r.Second = Years(" A Term, If Chosen, Should Run For ", F(m * 0.48), " Years");
    }
  } else if (s >= 73) {
    if (m >= 20) {
      r.First = QStringLiteral(" Durational Alimony Of Long Term Could Be Considered.");
      r.Second = Years(" Alimony Should Continue For ", F(m * 0.46));
    } else {
      r.First = Years(" Alimony Should Continue For ", F(m * 0.45));
    }
  } else if (s >= 66) {
    r.First = Years(" Alimony Should Run For A Period Of ", F(m * 0.395));
  } else if (s >= 60) {
    if (m >= 17.8)
      r.First = Years(" Alimony Should Run For A period Of ", F(m * 3.5 / 10));
    else
      r.First = Years(" Alimony Should Run For A Period Of ", F(m * 3.3 / 10));
  } else if (s >= 50) {
    if (t <= 5)
      r.First = Years(" Alimony Should Run For ", tenths);
    else
      r.First = Years(" Alimony Should Run For 5 To ", FSingle(marriageYears * 32.0f / 100.0f));
  } else if (s >= 25) {
    if (t <= 2) {
      r.First = Years(" Alimony Should Run For ", tenths);
    } else if (t < 3) {
      r.First = Years(" Alimony Should Run For ", tenths);
      r.Second = Years(" Assuming An Award, The Maximum Duration Is ", F(m * 0.5));
    } else if (t <= 4.2) {
      r.First = QStringLiteral(" Three Years Of Alimony Should Be Awarded.");
    } else {
      r.First = QStringLiteral(" Alimony Should Run From 3 To 5 Years.");
    }
  } else if (s >= 19) {
    if (t <= 2) {
      r.First = Years(" If Alimony Is Awarded, Alimony Should Run For ", tenths);
    } else if (t < 3) {
      r.First = Years(" If Alimony Is Awarded, Alimony Should Run For ", tenths);
      r.Second = QStringLiteral(" Assuming An Award, A Period No Longer Than 3 Years is Suggested.");
    } else if (t <= 4.2) {
      r.First = QStringLiteral(" If Alimony is Awarded, A Maximum Duration Of 3 Years Is Suggested.");
    } else {
      r.First = QStringLiteral(" If Alimony is Awarded, A Maximum Duration Of 3 To 5 Years Is Suggested.");
    }
  } else {
    r.First = QStringLiteral(" No Alimony Is Recommended.");
    if (t < 3)
      r.Second = Years(" But If Awarded, Alimony Should Run For ", tenths);
    else if (t <= 4.2)
      r.Second = QStringLiteral(" But If Alimony Is Awarded, A Maximum Duration Of 3 Years Is Suggested.");
    else
      r.Second = QStringLiteral(" But If Alimony Awarded, A Maximum Duration Of 3 To 5 Years Is Suggested.");
  }
  return r;
}

}  // namespace alimony
