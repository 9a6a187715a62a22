#pragma once

#include <QString>

#include <memory>

#include "alimony/AlimonyRun.h"
#include "alimony/CaseScore.h"

namespace shell {
class Program;
}

namespace alimony::ui {

class Form3;

// What the Express screen's "Alimony Recommendation" runs (through the
// program's window commands) once its entry checks have passed, the incomes
// and tiers are handed over and, with alimony calculated first, child support
// has run: the result window loaded and fitted, the case score, the case name
// and an empty award box, the calculation, and the window shown when it
// completed. False (nothing shown) when it did not.
bool ShowAlimonyRun(shell::Program& program, const QString& caseName);

// Its steps. The alimony bonus calculator runs RunCaseScore (which sets
// AwardChangedFlag to "N": a suggestion is worked out) and
// RunAlimony(program, false) the same way, and RunAlimony alone to put the
// user's award back in force.

// The result window "Form3" through the window registry, fitted to the screen
// once per loading; null when the program has none.
Form3* LoadAlimonyResult(shell::Program& program);

// ComputeCaseScore, shown in Form3's CaseScore box and Picture1.
CaseScoreResult RunCaseScore(shell::Program& program);

// What the calculation reads of the program's windows: the child support
// run's inputs, the business windows' service-trade boxes, the claimant's
// income window options and the award Form3 keeps in force.
AlimonyInputs AlimonyRunInputs(shell::Program& program);

// ComputeAlimony with the program's windows. A finished calculation is drawn
// into Form3 (loaded, not shown, when needed), with its present value and
// note line cleared first when `clearNotes`, and its transfer written into
// the Express screen's ChildSupport box when it gives one. A calculation that
// stops changes nothing and its message is shown ("Entry Error").
AlimonyOutcome RunAlimony(shell::Program& program, bool clearNotes);

// The result window as the program makes it (its window factory): linked to
// the program's windows, with the menus both result windows share, unloaded
// when closed.
std::unique_ptr<Form3> MakeForm3(shell::Program& program);

}  // namespace alimony::ui
