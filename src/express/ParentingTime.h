#pragma once

#include <QString>

#include "case/ExpressVars.h"
#include "express/ExpressFields.h"
#include "express/Prompter.h"

// Entry in the parenting-time window (Form16): a child's time typed in any of
// its four boxes fills the other three and refreshes the average; the copy
// command; the check of a child's claimant share.
namespace express {

// The four time boxes of a row, by control name.
enum class TimeBox { ClaimDays, PayerDays, PercentOfTimeValue, PayerPerCent };
QString TimeBoxName(TimeBox box);

// A year of 365 nights split between the parties, from a value typed in one of
// the four boxes: nights are single precision; a typed share is worked in
// double precision and only the nights are rounded to single precision.
struct TimeSplit {
  float claimNights = 0;
  float payerNights = 0;
  double claimShare = 0;
  double payerShare = 0;
};
TimeSplit SplitTime(TimeBox box, double value);

// A key released in `box` of child row `row` (0 to 5). `textBefore` is the
// box's text before the key: when the key left the text as it was (a move
// into the box, an arrow, Shift), nothing is converted, so a share shown with
// three decimals is never read back over the nights it came from. Otherwise
// the row's other three boxes and its case variables follow the typed value,
// then the average row and the Express screen's boxes are refreshed. Returns
// whether it converted.
bool ConvertChildTime(ExpressFields& form16, ExpressFields& form1, casevars::ExpressVars& ev,
                      Prompter& prompter, int row, TimeBox box, const QString& textBefore);

// The average after a row changed: ChildNights re-read, ClaimChildNights(6)
// the mean over the counted children (when there are any), CalculateAvTime.
void RefreshAverage(ExpressFields& form16, ExpressFields& form1, casevars::ExpressVars& ev,
                    Prompter& prompter);

// Whether a claimant share text (here or on the Express screen) is refused:
// not empty, not "." nor Escape
// alone, and not a number from 0 to 1 as typed.
bool ShareTextIsWrong(const QString& text);
// The "Entry Error" text for a refused share.
QString ShareEntryMessage();
// The change handling of PercentOfTimeValue(row): a refused share empties
// the row, focuses its share box, beeps and shows the "Entry Error". Row 6 is
// never tested. Returns whether the share was refused.
bool PercentOfTimeValue_Change(ExpressFields& form16, Prompter& prompter, int row);

// "Copy Parenting Time Of Youngest Child To Other Children".
void CopyTime_Click(ExpressFields& form16, ExpressFields& form1, casevars::ExpressVars& ev,
                    Prompter& prompter);

// The window's close: the counted rows' claimant nights read, then the tiers.
void ParentingTimeClose(ExpressFields& form16, ExpressFields& form1, casevars::ExpressVars& ev,
                        Prompter& prompter);

}  // namespace express
