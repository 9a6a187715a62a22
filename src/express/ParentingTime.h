#pragma once

#include <QString>

#include <cstdint>

#include "case/ExpressVars.h"

// Parenting time: each child's overnights with each party as nights per year
// and as shares of the year, and the tier values the child support
// calculation takes for a family of 1 to 6 children.
namespace express {

inline constexpr float kNightsPerYear = 365;

// Which of a row's four time boxes the user typed in.
enum class TimeBox : std::uint8_t { ClaimDays, PayerDays, PayerPerCent, PercentOfTimeValue };

// One child's (or the family's) time, both ways.
struct TimeSplit {
  float claimNights = 0;
  float payerNights = 0;
  double claimShare = 0;
  double payerShare = 0;
};

// The other three values of a row from the one typed: nights are held in
// single precision; a share typed gives the other share as 1 - share.
TimeSplit ConvertTime(TimeBox typed, double value);

// The caption of the child at `position` (0 the youngest) among `children`
// minor children (6 or more read as 6); empty for a position not shown.
QString ChildPositionLabel(int children, int position);
// Whether that position is shown.
inline bool ChildPositionShown(int children, int position) {
  return !ChildPositionLabel(children, position).isEmpty();
}

// The number of children the tiers count: NumMinorChildren, at most 6, never below 0.
int CountedChildren(std::int16_t numMinorChildren);

// The claimant's average nights over the counted children, taken into
// ChildNights[6]; false (nothing written) with no counted child.
bool AverageChildNights(casevars::ExpressVars& vars);

// The average row from the claimant's ChildNights[6]: the other party's
// nights and both shares.
void CalculateAvTime(casevars::ExpressVars& vars);

// Tiers 1 to n for the counted children (the claimant's average over the
// first k children, the other party's 365 less it), then the average and the
// average row. Tiers above n keep their values.
void CalculateTierTotal(casevars::ExpressVars& vars);

// The texts of a row's boxes: nights "##0.0", shares ".##0".
QString NightsText(double nights);
QString ShareText(double share);

}  // namespace express
