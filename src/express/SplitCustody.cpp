#include "express/SplitCustody.h"

#include <algorithm>

#include "express/ChildPositions.h"
#include "express/CustodyStates.h"
#include "express/TimeSharing.h"
#include "platform/NumberText.h"

namespace express {

namespace {

inline constexpr int kRows = 6;

const QString kClaimCount = QStringLiteral("ClaimantPossession11");
const QString kOtherCount = QStringLiteral("OtherPossession11");

void LayOutRows(ExpressFields& f, const std::array<ChildPosition, 6>& positions) {
  for (int i = 0; i < kRows; ++i) {
    f.SetVisible(QStringLiteral("ChildFrame"), positions[i].visible, i);
    f.SetText(QStringLiteral("ChildLabel"), positions[i].caption, i);
  }
}

}  // namespace

bool SplitOption_Click(ExpressFields& f, casevars::ExpressVars& ev, Prompter& prompter) {
  const QString text = f.Text(QStringLiteral("MinChild"));
  const double m = platform::IsNumeric(text) ? platform::Val(text) : 0;
  const bool splits = m >= 6 || m == 5 || m == 4 || m == 3 || m == 2;
  if (!splits) {
    prompter.EntryError(QStringLiteral("There Must Be At Least 2 Minor Children For A Split Case. "
                                       "Please Re-Enter The Number Of Minor Children"));
    f.SetText(QStringLiteral("MinChild"), QString());
    f.SetValue(QStringLiteral("CustodialOption"), kOn);
    ApplyCustodyState(f, ev);  // the click handling of the custodial option
    f.SetValue(QStringLiteral("SplitOption"), kOff);
    std::array<ChildPosition, 6> hidden;
    hidden[0].caption = QStringLiteral("Only Child");
    LayOutRows(f, hidden);
    f.SetText(kClaimCount, QString());
    f.SetText(kOtherCount, QString());
    return false;
  }
  LayOutRows(f, ChildPositions(int(std::min(m, 6.0))));
  ApplyCustodyState(f, ev);
  ClaimChild_Click(f, ev, prompter);
  PossessionCountCheck(f, prompter, true);
  return true;
}

void ClaimChild_Click(ExpressFields& f, casevars::ExpressVars& ev, Prompter& prompter) {
  f.SetText(kClaimCount, QString());
  f.SetText(kOtherCount, QString());
  std::int16_t withClaimant = 0;
  std::int16_t withOther = 0;
  for (int i = 0; i < kRows; ++i) {
    if (f.Visible(QStringLiteral("ChildFrame"), i)) {
      if (f.Value(QStringLiteral("ClaimChild"), i) == kOn) ++withClaimant;
      if (f.Value(QStringLiteral("OtherChild"), i) == kOn) ++withOther;
    }
    ev.Claim.SplitChildren[i] = withClaimant;
    ev.Payer.SplitChildren[i] = withOther;
  }
  ev.Claim.PossessionChildren = withClaimant;
  ev.Payer.PossessionChildren = withOther;
  f.SetText(kClaimCount, platform::Format(withClaimant, "#0"));
  PossessionCountCheck(f, prompter, true);
  f.SetText(kOtherCount, platform::Format(withOther, "#0"));
  PossessionCountCheck(f, prompter, false);
}

std::optional<std::int16_t> SharedCalcStart(ExpressFields& form1, ExpressFields& form16,
                                            casevars::ExpressVars& ev, Prompter& prompter) {
  const QString text = form1.Text(QStringLiteral("MinChild"));
  const std::optional<std::int16_t> count =
      platform::IsNumeric(text) ? platform::ToCount(platform::Val(text)) : std::nullopt;
  if (!count || platform::Val(text) <= 0) {
    form1.SetFocus(QStringLiteral("MinChild"));
    prompter.Beep();
    prompter.EntryError(QStringLiteral("Please Enter Number Of Children To Be Supported"));
    return std::nullopt;
  }
  ev.NumMinorChildren = *count;
  if (*count > 0) {
    const auto positions = ChildPositions(*count);
    for (int i = 0; i < kRows; ++i) {
      form16.SetText(QStringLiteral("ShareFrame"), positions[i].caption, i);
      form16.SetVisible(QStringLiteral("ShareFrame"), positions[i].visible, i);
    }
  }
  return count;
}

}  // namespace express
