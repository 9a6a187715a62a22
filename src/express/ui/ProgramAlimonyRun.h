#pragma once

#include "alimony/AlimonyRun.h"

namespace shell {
class Program;
}

namespace express {

// What the alimony calculation reads of the program's windows: the child
// support run's inputs (results::ui::ChildSupportRunInputs), the business
// windows' "Service Trade" boxes and the claimant's income window options.
alimony::AlimonyInputs AlimonyRunInputs(shell::Program& program);

// One alimony calculation with the program's windows: the case score, then
// ComputeAlimony with AlimonyRunInputs, its child support text drawn into the
// child support result window. A run that stops changes nothing and its
// message is shown ("Entry Error"); a completed run that hands the Express
// screen a child support transfer writes it into "ChildSupport" as
// "$###,##0". The Express screen's "Alimony Recommendation" and the alimony
// bonus calculator run this.
alimony::AlimonyOutcome RunAlimony(shell::Program& program);

}  // namespace express
