#pragma once

#include <QString>

#include <functional>

#include "tools/BonusRun.h"
#include "tools/DependsFlip.h"

namespace shell {
class Program;
}

// The what-if calculators the result windows open, wired to the program's
// windows and engines. Both result windows open them from here.
namespace tools::ui {

// The dependency calculator's driver: the child support run with the
// program's windows (RunChildSupport, which redraws the child support result
// window and writes the Express screen's "ChildSupport"), the text of that
// box and the claimant's court role (the Express screen's "MParentOption").
tools::DependsServices DependsRunServices(shell::Program& program);

// The bonus calculators' services: the program's windows
// (BonusWindowServices) with the child support run, writing the
// Express screen's box or not, and the alimony result window's run.
tools::BonusServices BonusRunServices(shell::Program& program, std::function<void(bool)> runAlimony);

// "Run A Dependency/Overnight Flip Calculation": the calculator filled from
// the case and shown modeless over the result window.
void OpenResultDependsCalculator(shell::Program& program);

// "Run A Bonus Calculation": the bonus window named ("FormBonusCS" or
// "FormBonusAlm") fitted and shown modally; returns once it has closed.
void OpenResultBonusCalculator(shell::Program& program, const QString& bonusWindow,
                               std::function<void(bool)> runAlimony = {});

}  // namespace tools::ui
