#pragma once

#include "tools/BonusRun.h"

namespace shell {
class Program;
}

namespace tools::ui {

// The parts of a bonus run the program's windows provide: the other party's
// earned-wages box and income refresh (Form14, then both business splits),
// and the Express screen's ChildSupport, CurrentMaintTransfer and
// ApplyMaintToCS. The engines (computeChildSupport, computeAlimony) are left
// for the result window that opens the calculator to fill in.
BonusServices BonusWindowServices(shell::Program& program);

}  // namespace tools::ui
