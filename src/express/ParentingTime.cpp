#include "express/ParentingTime.h"

#include "platform/NumberText.h"

namespace express {

using casevars::Party;

TimeSplit ConvertTime(TimeBox typed, double value) {
  TimeSplit t;
  switch (typed) {
    case TimeBox::ClaimDays:
      t.claimNights = static_cast<float>(value);
      t.payerNights = kNightsPerYear - t.claimNights;
      break;
    case TimeBox::PayerDays:
      t.payerNights = static_cast<float>(value);
      t.claimNights = kNightsPerYear - t.payerNights;
      break;
    case TimeBox::PayerPerCent:
      t.payerShare = value;
      t.claimShare = 1 - value;
      t.claimNights = static_cast<float>(365.0 - value * 365.0);
      t.payerNights = kNightsPerYear - t.claimNights;
      return t;
    case TimeBox::PercentOfTimeValue:
      t.claimShare = value;
      t.payerShare = 1 - value;
      t.payerNights = static_cast<float>(365.0 - value * 365.0);
      t.claimNights = kNightsPerYear - t.payerNights;
      return t;
  }
  t.payerShare = t.payerNights / kNightsPerYear;
  t.claimShare = t.claimNights / kNightsPerYear;
  return t;
}

QString ChildPositionLabel(int children, int position) {
  static const char* const kLabels[6][6] = {
      {"Only Child", "", "", "", "", ""},
      {"Youngest Child", "Oldest Child", "", "", "", ""},
      {"Youngest Child", "Middle Child", "Oldest Child", "", "", ""},
      {"Youngest Child", "2nd Youngest Child", "2nd Oldest Child", "Oldest Child", "", ""},
      {"Youngest Child", "2nd Youngest Child", "Middle Child", "2nd Oldest Child", "Oldest Child", ""},
      {"Youngest Child", "2nd Youngest Child", "3rd Youngest Child", "3rd Oldest Child", "2nd Oldest Child",
       "Oldest Child(ren)"},
  };
  if (children < 1 || position < 0 || position > 5) return {};
  const int row = children > 6 ? 5 : children - 1;
  return QString::fromLatin1(kLabels[row][position]);
}

int CountedChildren(std::int16_t numMinorChildren) {
  if (numMinorChildren > 6) return 6;
  return numMinorChildren < 0 ? 0 : numMinorChildren;
}

bool AverageChildNights(casevars::ExpressVars& vars) {
  const int n = CountedChildren(vars.NumMinorChildren);
  if (n == 0) return false;
  auto& nights = vars[Party::Claim].ChildNights;
  float sum = 0;
  for (int i = 0; i < n; ++i) sum += nights[size_t(i)];
  nights[6] = sum / static_cast<float>(n);
  return true;
}

void CalculateAvTime(casevars::ExpressVars& vars) {
  auto& claim = vars[Party::Claim];
  auto& payer = vars[Party::Payer];
  payer.ChildNights[6] = kNightsPerYear - claim.ChildNights[6];
  payer.TimeShare[6] = payer.ChildNights[6] / kNightsPerYear;
  claim.TimeShare[6] = claim.ChildNights[6] / kNightsPerYear;
}

void CalculateTierTotal(casevars::ExpressVars& vars) {
  auto& claim = vars[Party::Claim];
  auto& payer = vars[Party::Payer];
  const int n = CountedChildren(vars.NumMinorChildren);
  float sum = 0;
  for (int k = 1; k <= n; ++k) {
    sum += claim.ChildNights[size_t(k - 1)];
    claim.TierNights[size_t(k)] = sum / static_cast<float>(k);
    payer.TierNights[size_t(k)] = kNightsPerYear - claim.TierNights[size_t(k)];
  }
  AverageChildNights(vars);
  CalculateAvTime(vars);
}

QString NightsText(double nights) { return platform::Format(nights, "##0.0"); }
QString ShareText(double share) { return platform::Format(share, ".##0"); }

}  // namespace express
