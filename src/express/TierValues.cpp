#include "express/TierValues.h"

#include <algorithm>

#include "express/CheckSupport.h"
#include "express/TimeSharing.h"
#include "platform/NumberText.h"

namespace express {

namespace {
const QString kClaimDays = QStringLiteral("ClaimDays");
const QString kPayerDays = QStringLiteral("PayerDays");
const QString kClaimShare = QStringLiteral("PercentOfTimeValue");
const QString kPayerShare = QStringLiteral("PayerPerCent");
}  // namespace

int CountedChildren(std::int16_t numMinorChildren) {
  return std::clamp<int>(numMinorChildren, 0, 6);
}

float BoxValue(const QString& text) { return float(ReadAmount(text).value_or(0)); }

void AssignTierVars(const ExpressFields& form16, casevars::ExpressVars& ev) {
  for (int i = 0; i <= kAverageRow; ++i) {
    ev.Claim.ChildNights[i] = BoxValue(form16.Text(kClaimDays, i));
    ev.Payer.ChildNights[i] = BoxValue(form16.Text(kPayerDays, i));
  }
}

void CalculateAvTime(ExpressFields& form16, ExpressFields& form1, casevars::ExpressVars& ev,
                     Prompter& prompter) {
  auto& claim = ev.Claim;
  auto& payer = ev.Payer;
  payer.ChildNights[kAverageRow] = kNightsPerYear - claim.ChildNights[kAverageRow];
  payer.TimeShare[kAverageRow] = payer.ChildNights[kAverageRow] / kNightsPerYear;
  claim.TimeShare[kAverageRow] = claim.ChildNights[kAverageRow] / kNightsPerYear;

  const QString texts[4] = {
      platform::Format(kNightsPerYear - payer.ChildNights[kAverageRow], "##0.0"),
      platform::Format(payer.ChildNights[kAverageRow], "##0.0"),
      platform::Format(payer.TimeShare[kAverageRow], ".##0"),
      platform::Format(claim.TimeShare[kAverageRow], ".##0"),
  };
  const QString* boxes[4] = {&kClaimDays, &kPayerDays, &kPayerShare, &kClaimShare};
  for (int b = 0; b < 4; ++b) form16.SetText(*boxes[b], texts[b], kAverageRow);
  const QString shareBefore = form1.Text(kClaimShare);
  for (int b = 0; b < 4; ++b) form1.SetText(*boxes[b], texts[b]);
  if (texts[3] != shareBefore) ShareCheck(form1, prompter);
}

void CalculateTierTotal(ExpressFields& form16, ExpressFields& form1, casevars::ExpressVars& ev,
                        Prompter& prompter) {
  AssignTierVars(form16, ev);
  const int n = CountedChildren(ev.NumMinorChildren);
  float sum = 0;
  for (int k = 1; k <= n; ++k) {
    sum += ev.Claim.ChildNights[k - 1];
    ev.Claim.TierNights[k] = sum / float(k);
    ev.Payer.TierNights[k] = kNightsPerYear - ev.Claim.TierNights[k];
  }
  if (n > 0) {
    ev.Claim.ChildNights[kAverageRow] = sum / float(n);
    form16.SetText(kClaimDays, platform::Format(ev.Claim.ChildNights[kAverageRow], "##0.0"),
                   kAverageRow);
  }
  CalculateAvTime(form16, form1, ev, prompter);
}

}  // namespace express
