#pragma once

#include <QString>

#include <cstdint>

#include "case/CaseVars.h"

// Shared custody: how many children a party may claim for the day care
// credit, and the message when more are claimed.
namespace express {

struct DayCareChildCounts {
  int A = 0;  // children with more than 182.5 of the party's nights
  int B = 0;  // exactly 182.5 nights, the party's yearly income the greater
  int C = 0;  // exactly 182.5 nights, the other party's yearly income the greater
  int Most() const { return A + B; }
};

// Counts the first NumMinorChildren children (at most 6) from the party's
// ChildNights and the two yearly gross incomes.
DayCareChildCounts CountDayCareChildren(const casevars::CaseVars& cv, casevars::Party party);

// The message for a party that claims `claimed` children (form 1 to 4 by the
// counts).
QString DayCareCreditMessage(casevars::Party party, const DayCareChildCounts& counts,
                             std::int16_t claimed);

}  // namespace express
