#include "express/TimeSharing.h"

#include <utility>

#include "express/TierValues.h"
#include "platform/NumberText.h"

namespace express {

bool ConvertTimeSharing(ExpressFields& form1, casevars::ExpressVars& ev, Prompter& prompter,
                        TimeBox box, const QString& textBefore) {
  const QString text = form1.Text(TimeBoxName(box));
  if (text == textBefore) return false;
  const double value = BoxValue(text);
  const TimeSplit split = SplitTime(box, value);
  ev.Claim.YrOvernights = split.claimNights;
  ev.Payer.YrOvernights = split.payerNights;
  const std::pair<TimeBox, QString> texts[4] = {
      {TimeBox::ClaimDays, platform::Format(split.claimNights, "###.0")},
      {TimeBox::PayerDays, platform::Format(split.payerNights, "###.0")},
      {TimeBox::PayerPerCent, platform::Format(split.payerShare, ".##0")},
      {TimeBox::PercentOfTimeValue, platform::Format(split.claimShare, ".##0")},
  };
  for (const auto& [target, newText] : texts) {
    if (target == box) continue;
    const QString name = TimeBoxName(target);
    const bool changed = form1.Text(name) != newText;
    form1.SetText(name, newText);
    if (target == TimeBox::PercentOfTimeValue && changed) ShareCheck(form1, prompter);
  }
  return true;
}

bool ShareCheck(ExpressFields& form1, Prompter& prompter) {
  if (!ShareTextIsWrong(form1.Text(TimeBoxName(TimeBox::PercentOfTimeValue)))) return false;
  prompter.EntryError(ShareEntryMessage());
  return true;
}

bool PossessionCountCheck(ExpressFields& form1, Prompter& prompter, bool claimant) {
  if (form1.Value(QStringLiteral("SplitOption")) != kOn) return false;
  const QString own = claimant ? QStringLiteral("ClaimantPossession11")
                               : QStringLiteral("OtherPossession11");
  const QString other = claimant ? QStringLiteral("OtherPossession11")
                                 : QStringLiteral("ClaimantPossession11");
  const QString text = form1.Text(own);
  if (text.isEmpty() || text == QString(QChar(27))) return false;
  auto number = [](const QString& t) { return platform::IsNumeric(t) ? platform::Val(t) : 0.0; };
  const bool tooMany =
      number(form1.Text(QStringLiteral("MinChild"))) < number(text) + number(form1.Text(other));
  if (!tooMany && platform::IsNumeric(text)) return false;
  form1.SetFocus(own);
  prompter.EntryError(
      claimant ? QStringLiteral("The Combined Number Of Children In Each Parent's Possession Is "
                                "Greater Than The Number Of Minors, Or The Entry Is Not Numeric - "
                                "Please ReEnter The Split Custody")
               : QStringLiteral("The Combined Number Of Children In Each Parent's Possession Is "
                                "Greater Than The Number Of Minors, Or The Entry Is Not Numeric  - "
                                "Please ReEnter The Split Custody"));
  form1.SetText(own, QString());
  return true;
}

}  // namespace express
