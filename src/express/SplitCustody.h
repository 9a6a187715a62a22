#pragma once

#include <cstdint>
#include <optional>

#include "case/ExpressVars.h"
#include "express/ExpressFields.h"
#include "express/Prompter.h"

// Split custody on the Express screen: the child rows ChildFrame(i) with
// ClaimChild(i), OtherChild(i), ChildLabel(i) (i = 0 the youngest to 5), their
// counts, and the start of "Enter Shared Parenting Time".
namespace express {

// The click on SplitOption: lays out the rows for MinChild's count, then the
// custody state, the recount and the claimant count's check. A count that
// allows no split is reported and the custodial status chosen instead.
// Returns whether the layout succeeded.
bool SplitOption_Click(ExpressFields& form1, casevars::ExpressVars& ev, Prompter& prompter);

// The click on any ClaimChild(i) or OtherChild(i): possession counts and the
// running counts SplitChildren from the visible rows, then both count boxes
// (each with its check).
void ClaimChild_Click(ExpressFields& form1, casevars::ExpressVars& ev, Prompter& prompter);

// The first step of "Enter Shared Parenting Time": MinChild must be a number
// above 0 (else focus, beep, "Entry Error" and no value). Sets NumMinorChildren
// and, when it is above 0, the captions and visibility of the parenting-time
// window's ShareFrame(0..5). The caller then shows the window and, once it is
// closed, runs AssignTierVars, CalculateAvTime and CalculateTierTotal.
std::optional<std::int16_t> SharedCalcStart(ExpressFields& form1, ExpressFields& form16,
                                            casevars::ExpressVars& ev, Prompter& prompter);

}  // namespace express
