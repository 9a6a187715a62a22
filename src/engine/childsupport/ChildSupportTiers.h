#pragma once

#include <QString>

#include <optional>

#include "case/CaseVars.h"

namespace childsupport {

// The tier loop of a child support run, over the run's working copy: for
// n = 1 to the number of minor children, the schedule obligation of n
// children (two under the dual split method), the parties' shares of it and of
// the children's costs, their net obligations and the transfer by custody,
// recorded as tier min(n, 6). Expects the net incomes and
// CombinedMoNetIncome. Returns why it stopped, or nothing when it completed.
std::optional<QString> ComputeTiers(casevars::CaseVars& w);

}  // namespace childsupport
