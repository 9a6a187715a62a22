#pragma once

#include <functional>
#include <memory>

#include "engine/childsupport/ChildSupportRun.h"

namespace shell {
class Program;
}

namespace results::ui {

class Form5;
class Form10;

// What the Express screen's "Run Child Support Calculation" calls once its
// entry checks have passed, the income windows have handed over their yearly
// figures, the tiers are filled and MaintAppliedToCS / MoAlimonyTransfer are
// set:
//
//   results::ui::ShowChildSupportResult(program);   // the window, before the run
//   results::ui::RunChildSupport(program);          // the run, drawn into it
//
// ShowChildSupportResult loads the result window "Form5" (through the window
// registry), fits it to the screen once per loading, shows it, hides the
// Express screen, the worksheet and its frame ("Form1", "Form9", "MDIForm1"),
// copies the Express screen's case name behind one space into its case name
// box and sets ManualNetState to 1 (no hand-entered nets). Returns the window,
// or null when the program has none.
Form5* ShowChildSupportResult(shell::Program& program);

// One child support run with the program's windows: the Express screen's
// state tax combo boxes and alimony tax options, the income windows' earned
// income credit boxes, the business windows' deduction and the result
// window's hand-entered nets; the result text drawn into "Form5" (loaded, not
// shown, when it is not loaded yet) and the transfer written into the Express
// screen's "ChildSupport" box as "$###,##0". A run that cannot finish changes
// nothing and its message is shown in the message box. The result window's
// Adjust Income and Reset Income run this too. With `writeExpressField`
// false the Express screen's box keeps its text (a what-if run that puts a
// saved text back itself). `beforeMessage`, when given, runs before the
// message of a run that stops (its caller brings a window forward).
childsupport::ChildSupportOutcome RunChildSupport(shell::Program& program, bool writeExpressField = true,
                                                  const std::function<void()>& beforeMessage = {});

// The window inputs and services of such a run, for other callers of the
// engine (the alimony run).
childsupport::ChildSupportInputs ChildSupportRunInputs(shell::Program& program);
childsupport::ChildSupportServices ChildSupportRunServices(shell::Program& program);

// "Show Tax Credits" of either result window: a fresh tax credit window
// ("Form10", any earlier one unloaded), fitted, shown, showing the party.
void ShowTaxCredits(shell::Program& program, casevars::Party party);

// The result window and the tax credit window as the program makes them
// (the window factories): linked to the program's windows, unloaded when
// closed; Form5 with the menus both result windows share.
std::unique_ptr<Form5> MakeForm5(shell::Program& program);
std::unique_ptr<Form10> MakeForm10(shell::Program& program);

}  // namespace results::ui
