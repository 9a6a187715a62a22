#pragma once

#include "case/IncomeVars.h"
#include "income/IncomeFields.h"

namespace income {

// The total of one column of the gross income tab: the party's 15 income
// amounts (the children's Social Security included) or the new spouse's 14,
// summed in double precision.
double ColumnTotal(const casevars::PartyIncome& in, Column column);

// True when a period change by `factor` keeps every amount the user enters
// within the program's amount limit (platform/AmountLimit.h) and every
// amount computed from them (column totals, the business income handed on by
// the business window, the AGI-like income) finite.
bool CanRescale(const casevars::PartyIncome& in, double factor);

// Multiplies every period amount and the AGI-like income by `factor`. Yearly
// values are left alone.
void Rescale(casevars::PartyIncome& in, double factor);

}  // namespace income
