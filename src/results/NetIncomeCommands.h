#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

#include "case/CaseVars.h"
#include "platform/Dialogs.h"

// The result window's commands on the monthly nets entered by hand: "Adjust
// Income" takes a party's net from its box, "Reset Income" drops it, and
// leaving the window (its return command or its close box) drops both.
namespace results {

enum class NetCommand { Adjust, Reset };

// `ManualNetState` after a command on a party's net (1 none, 2 the claimant's,
// 3 the other party's, 4 both): adjusting adds the party, resetting takes it
// away; any other state is left as it is.
std::int16_t ManualNetStateAfter(std::int16_t before, NetCommand command, casevars::Party party);

// What the commands need of the program.
struct NetIncomeServices {
  platform::Dialogs& dialogs;
  // The Express screen's entry checks in their order (CheckDataEntry0, 1 and
  // 3, with FDTaxCheckMode set to 0); each returns 1 when it found an error
  // that stops, after showing its message.
  std::vector<std::function<std::int16_t()>> entryChecks{};
  // The party's net income box: its text, emptying it, the focus to it.
  std::function<QString(casevars::Party)> netBoxText{};
  std::function<void(casevars::Party)> clearNetBox{};
  std::function<void(casevars::Party)> focusNetBox{};
  // The child support run with the boxes as they stand; it redraws the window.
  // False when the run stopped (it has shown why) and changed nothing.
  std::function<bool()> computeChildSupport{};
};

// "Adjust Income": after the entry checks, the party's box must hold a
// number of 0 or more (currency characters allowed); then the party's net is
// taken from it and the run redone. Returns true when the run was redone;
// false when a check stopped it, the box was refused (with its message) or
// the run stopped. ManualNetState changes only with a run that completes.
bool AdjustIncome(casevars::Party party, casevars::ResultsVars& results, const NetIncomeServices& services);

// "Reset Income": after the entry checks, the party's net is computed again:
// the run is redone without it and, once the run completes, its box is
// emptied. Returns false when a check or the run stopped it; ManualNetState
// and the box are then as they were.
bool ResetIncome(casevars::Party party, casevars::ResultsVars& results, const NetIncomeServices& services);

// Leaving the result window, by its return command or by closing it: no net
// entered by hand stays in force, so a later run never reads an empty box as
// a net of $0.
void LeaveResultWindow(casevars::ResultsVars& results);

}  // namespace results
