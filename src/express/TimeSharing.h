#pragma once

#include <QString>

#include "case/ExpressVars.h"
#include "express/ExpressFields.h"
#include "express/ParentingTime.h"
#include "express/Prompter.h"

// The Express screen's four time-sharing boxes (ClaimDays, PayerDays,
// PercentOfTimeValue, PayerPerCent) and the split-custody possession counts
// (ClaimantPossession11, OtherPossession11).
namespace express {

// A key released in one of the four boxes. As in the parenting-time window,
// `textBefore` is the text before the key: an unchanged text converts nothing.
// Otherwise ClaimYrOvernights / PayerYrOvernights follow the box and the other
// three boxes are rewritten (then the share check runs on PercentOfTimeValue).
// Returns whether it converted.
bool ConvertTimeSharing(ExpressFields& form1, casevars::ExpressVars& ev, Prompter& prompter,
                        TimeBox box, const QString& textBefore);

// The change handling of PercentOfTimeValue: a text that is not a share from 0
// to 1 brings up the "Entry Error" notice; the text stays. Returns whether it
// complained.
bool ShareCheck(ExpressFields& form1, Prompter& prompter);

// The change handling of ClaimantPossession11 (claimant true) or
// OtherPossession11: in split custody, a count that is not a number or that
// brings both counts above MinChild is refused (focus, message, box emptied).
// Returns whether it refused.
bool PossessionCountCheck(ExpressFields& form1, Prompter& prompter, bool claimant);

}  // namespace express
