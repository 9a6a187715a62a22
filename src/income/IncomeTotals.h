#pragma once

#include "case/IncomeVars.h"
#include "income/IncomeFields.h"

namespace income {

// The total of one column of the gross income tab: the party's 15 income
// amounts (the children's Social Security included) or the new spouse's 14,
// summed in double precision and rounded to single precision once.
float ColumnTotal(const casevars::PartyIncome& in, Column column);

// True when a period change by `factor` keeps every amount the user enters
// within the program's amount limit (platform/AmountLimit.h) and every
// amount computed from them (column totals, the business income handed on by
// the business window, the AGI-like income) within single precision.
bool CanRescale(const casevars::PartyIncome& in, float factor);

// Multiplies every period amount and the AGI-like income by `factor`, each
// product rounded once to single precision. Yearly values are left alone.
void Rescale(casevars::PartyIncome& in, float factor);

}  // namespace income
