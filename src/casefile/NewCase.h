#pragma once

#include <QString>

#include <vector>

#include "casefile/CaseFields.h"

namespace platform {
class Dialogs;
}

// New case: the Express screen's "Clear Data".
namespace casefile {

// One write of New case, in the order it is done.
struct ClearStep {
  enum class Kind { Text, Select, Deselect, Untick };
  ControlRef control;
  Kind kind = Kind::Text;
  QString text;  // the text written by a Text step ("", ".00", "As Rate")
};

// Every write of New case in order: the Express screen, both income windows,
// the parenting-time window and both business windows emptied, with the
// claimant custodial and head of household, the other party single, both
// parties on the standard deduction and both state taxes "As Rate" ".00".
const std::vector<ClearStep>& NewCaseSteps();

// Asks "Clear All Data?" and, on Yes alone, does every step (each changed
// control reacting as to the user's own change; a drop-down's text runs no
// handling), then has both business windows reset their variables. Returns
// whether the case was cleared.
bool ClearData(CaseFields& fields, platform::Dialogs& dialogs);

}  // namespace casefile
