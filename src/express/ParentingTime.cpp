#include "express/ParentingTime.h"

#include <optional>
#include <utility>

#include "express/TierValues.h"
#include "platform/NumberText.h"

namespace express {

namespace {

// Writes one box of a child row; a new text in the claimant's share box runs
// its check.
void WriteRowBox(ExpressFields& form16, Prompter& prompter, int row, TimeBox box,
                 const QString& text) {
  const QString name = TimeBoxName(box);
  const bool changed = form16.Text(name, row) != text;
  form16.SetText(name, text, row);
  if (box == TimeBox::PercentOfTimeValue && changed) PercentOfTimeValue_Change(form16, prompter, row);
}

// Stores a row's split and shows it in every box but `typed` (none: all four),
// in the order claimant nights, other nights, other share, claimant share.
void ShowRow(ExpressFields& form16, casevars::ExpressVars& ev, Prompter& prompter, int row,
             const TimeSplit& split, std::optional<TimeBox> typed) {
  ev.Claim.ChildNights[row] = split.claimNights;
  ev.Payer.ChildNights[row] = split.payerNights;
  ev.Claim.TimeShare[row] = float(split.claimShare);
  ev.Payer.TimeShare[row] = float(split.payerShare);
  const std::pair<TimeBox, QString> texts[4] = {
      {TimeBox::ClaimDays, platform::Format(split.claimNights, "##0.0")},
      {TimeBox::PayerDays, platform::Format(split.payerNights, "##0.0")},
      {TimeBox::PayerPerCent, platform::Format(split.payerShare, ".##0")},
      {TimeBox::PercentOfTimeValue, platform::Format(split.claimShare, ".##0")},
  };
  for (const auto& [box, text] : texts)
    if (box != typed) WriteRowBox(form16, prompter, row, box, text);
}

}  // namespace

QString TimeBoxName(TimeBox box) {
  switch (box) {
    case TimeBox::ClaimDays: return QStringLiteral("ClaimDays");
    case TimeBox::PayerDays: return QStringLiteral("PayerDays");
    case TimeBox::PercentOfTimeValue: return QStringLiteral("PercentOfTimeValue");
    case TimeBox::PayerPerCent: return QStringLiteral("PayerPerCent");
  }
  return {};
}

TimeSplit SplitTime(TimeBox box, double value) {
  TimeSplit s;
  switch (box) {
    case TimeBox::ClaimDays:
    case TimeBox::PayerDays: {
      const bool claim = box == TimeBox::ClaimDays;
      float& typed = claim ? s.claimNights : s.payerNights;
      float& other = claim ? s.payerNights : s.claimNights;
      typed = float(value);
      other = kNightsPerYear - typed;
      s.payerShare = s.payerNights / kNightsPerYear;
      s.claimShare = s.claimNights / kNightsPerYear;
      break;
    }
    case TimeBox::PercentOfTimeValue:
    case TimeBox::PayerPerCent: {
      const bool claim = box == TimeBox::PercentOfTimeValue;
      (claim ? s.claimShare : s.payerShare) = value;
      (claim ? s.payerShare : s.claimShare) = 1 - value;
      // The other side's nights from the typed share, then the typed side's.
      float& other = claim ? s.payerNights : s.claimNights;
      float& typed = claim ? s.claimNights : s.payerNights;
      other = float(double(kNightsPerYear) - value * double(kNightsPerYear));
      typed = kNightsPerYear - other;
      break;
    }
  }
  return s;
}

bool ConvertChildTime(ExpressFields& form16, ExpressFields& form1, casevars::ExpressVars& ev,
                      Prompter& prompter, int row, TimeBox box, const QString& textBefore) {
  if (row < 0 || row >= kAverageRow) return false;
  const QString text = form16.Text(TimeBoxName(box), row);
  if (text == textBefore) return false;
  ShowRow(form16, ev, prompter, row, SplitTime(box, BoxValue(text)), box);
  RefreshAverage(form16, form1, ev, prompter);
  return true;
}

void RefreshAverage(ExpressFields& form16, ExpressFields& form1, casevars::ExpressVars& ev,
                    Prompter& prompter) {
  AssignTierVars(form16, ev);
  const int n = CountedChildren(ev.NumMinorChildren);
  if (n > 0) {
    float sum = 0;
    for (int i = 0; i < n; ++i) sum += ev.Claim.ChildNights[i];
    ev.Claim.ChildNights[kAverageRow] = sum / float(n);
    form16.SetText(TimeBoxName(TimeBox::ClaimDays),
                   platform::Format(ev.Claim.ChildNights[kAverageRow], "##0.0"), kAverageRow);
  }
  CalculateAvTime(form16, form1, ev, prompter);
}

QString ShareEntryMessage() {
  return QStringLiteral(
      "Please ReEnter Percent Of Time That Children Are In Claimant's Possession (As A Decimal)");
}

bool ShareTextIsWrong(const QString& text) {
  if (text.isEmpty() || text == QLatin1String(".") || text == QString(QChar(27))) return false;
  if (!platform::IsNumeric(text)) return true;
  const double share = platform::Val(text);
  return share < 0 || share > 1;
}

bool PercentOfTimeValue_Change(ExpressFields& form16, Prompter& prompter, int row) {
  if (row < 0 || row >= kAverageRow) return false;
  const QString share = TimeBoxName(TimeBox::PercentOfTimeValue);
  if (!ShareTextIsWrong(form16.Text(share, row))) return false;
  for (TimeBox box : {TimeBox::ClaimDays, TimeBox::PayerDays, TimeBox::PayerPerCent,
                      TimeBox::PercentOfTimeValue})
    form16.SetText(TimeBoxName(box), QString(), row);
  form16.SetFocus(share, row);
  prompter.Beep();
  prompter.EntryError(ShareEntryMessage());
  return true;
}

void CopyTime_Click(ExpressFields& form16, ExpressFields& form1, casevars::ExpressVars& ev,
                    Prompter& prompter) {
  if (ev.NumMinorChildren == 1) return;
  const int n = CountedChildren(ev.NumMinorChildren);
  const float nights = BoxValue(form16.Text(TimeBoxName(TimeBox::ClaimDays), 0));
  for (int i = 1; i < n; ++i)
    ShowRow(form16, ev, prompter, i, SplitTime(TimeBox::ClaimDays, nights), std::nullopt);
  RefreshAverage(form16, form1, ev, prompter);
  CalculateTierTotal(form16, form1, ev, prompter);
}

void ParentingTimeClose(ExpressFields& form16, ExpressFields& form1, casevars::ExpressVars& ev,
                        Prompter& prompter) {
  const int n = CountedChildren(ev.NumMinorChildren);
  for (int i = 0; i < n; ++i)
    ev.Claim.ChildNights[i] = BoxValue(form16.Text(TimeBoxName(TimeBox::ClaimDays), i));
  AssignTierVars(form16, ev);
  CalculateAvTime(form16, form1, ev, prompter);
  CalculateTierTotal(form16, form1, ev, prompter);
}

}  // namespace express
