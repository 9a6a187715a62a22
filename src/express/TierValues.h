#pragma once

#include <cstdint>

#include "case/ExpressVars.h"
#include "express/ExpressFields.h"
#include "express/Prompter.h"

// The parenting-time window's (Form16) tier values: its per-child boxes
// ClaimDays(i), PayerDays(i), PercentOfTimeValue(i), PayerPerCent(i) (i = 0 to
// 5 the children, youngest first; 6 the average row) turned into the tier
// arrays, and the average shown in the window and on the Express screen
// (Form1's ClaimDays, PayerDays, PayerPerCent, PercentOfTimeValue).
namespace express {

inline constexpr float kNightsPerYear = 365.0f;
inline constexpr int kAverageRow = 6;

// The children that enter the averages: NumMinorChildren, 0 below 0 and 6
// above 6.
int CountedChildren(std::int16_t numMinorChildren);

// A box's value: its text without currency characters when numeric, else 0.
float BoxValue(const QString& text);

// ChildNights(i) of both parties from the rows' nights boxes, i = 0 to 6.
void AssignTierVars(const ExpressFields& form16, casevars::ExpressVars& ev);
// The average row from ClaimChildNights(6): the other party's nights, both
// shares, the four average boxes of the window and then the Express screen's
// four boxes. Writing Form1's PercentOfTimeValue runs its share check
// (TimeSharing.h).
void CalculateAvTime(ExpressFields& form16, ExpressFields& form1, casevars::ExpressVars& ev,
                     Prompter& prompter);
// AssignTierVars, the tiers 1 to n and the average over the n counted
// children, then CalculateAvTime.
void CalculateTierTotal(ExpressFields& form16, ExpressFields& form1, casevars::ExpressVars& ev,
                        Prompter& prompter);

}  // namespace express
