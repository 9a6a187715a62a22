#pragma once

#include "case/CaseVars.h"
#include "case/Party.h"

// The business window's totals and what it hands to the income window and to
// the tax estimates, computed from the case variables alone.
namespace business {

// The totals of both columns, in this order: YrBusTotalWages, YrSCorpWages,
// YrBusTotalPass, YrBusIncome (each for the party, then the new spouse);
// then the income window's business income YrSelf := YrBusIncome and
// YrSelf1 := YrBusIncome1.
void ComputeBusinessTotals(casevars::PartyBusiness& bus, casevars::PartyIncome& income);

// The split of the business income for the tax estimate, from the variables as
// they stand (no box is read, no total recomputed): self-employment income is
// the business income less the pass-through income and S-corporation wages;
// wages for tax are the earned wages plus the S-corporation wages; short-term
// gains and interest plus the pass-through income. Both columns.
void AssignNewVars(casevars::PartyBusiness& bus, const casevars::PartyIncome& income);

// Resets every business variable of the party to 0: the box amounts, the
// totals, the tax-estimate split, the deduction and loss carryover, and the
// business income the window handed to the income window (YrSelf, YrSelf1).
// A new case calls it so that no figure of the previous case reaches it.
void ClearBusinessVars(casevars::CaseVars& vars, casevars::Party party);

}  // namespace business
