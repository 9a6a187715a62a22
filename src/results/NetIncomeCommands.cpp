#include "results/NetIncomeCommands.h"

#include "platform/AmountLimit.h"
#include "platform/NumberText.h"
#include "platform/TextHelpers.h"

namespace results {

using casevars::Party;

namespace {

const QString kEntryError = QStringLiteral("Entry Error");

// True when every check passed; a check that returns 1 stops the command.
bool RunEntryChecks(const NetIncomeServices& services) {
  for (const auto& check : services.entryChecks)
    if (check && check() == 1) return false;
  return true;
}

// The run with the party's net entered or dropped; a run that stops leaves
// ManualNetState as it was, so the window, the report and later runs agree.
bool RunWithState(NetCommand command, Party party, casevars::ResultsVars& results,
                  const NetIncomeServices& services) {
  const std::int16_t before = results.ManualNetState;
  results.ManualNetState = ManualNetStateAfter(before, command, party);
  if (services.computeChildSupport && !services.computeChildSupport()) {
    results.ManualNetState = before;
    return false;
  }
  return true;
}

}  // namespace

std::int16_t ManualNetStateAfter(std::int16_t before, NetCommand command, Party party) {
  if (before < 1 || before > 4) return before;
  // The state as two marks: bit 0 the claimant's net entered, bit 1 the other party's.
  int marks = before - 1;
  const int mark = party == Party::Claim ? 1 : 2;
  marks = command == NetCommand::Adjust ? (marks | mark) : (marks & ~mark);
  return static_cast<std::int16_t>(marks + 1);
}

bool AdjustIncome(Party party, casevars::ResultsVars& results, const NetIncomeServices& services) {
  if (!RunEntryChecks(services)) return false;
  QString text = services.netBoxText ? services.netBoxText(party) : QString();
  platform::RemoveCurrencyChars(text);
  const bool claim = party == Party::Claim;
  if (!platform::IsNumeric(text)) {
    if (services.focusNetBox) services.focusNetBox(party);
    services.dialogs.ShowMessageBox(claim ? QStringLiteral("Please Enter The Claimant's New Monthly Net Income")
                                          : QStringLiteral("Please Enter The Other Parent's New Monthly Net Income"),
                                    platform::kBoxOk, kEntryError);
    return false;
  }
  if (!platform::WithinAmountLimit(platform::Val(text))) {
    if (services.focusNetBox) services.focusNetBox(party);
    services.dialogs.ShowMessageBox(platform::AmountTooLargeMessage(), platform::kBoxOk, kEntryError);
    return false;
  }
  if (platform::Val(text) < 0) {
    services.dialogs.ShowMessageBox(claim ? QStringLiteral("Claimant's New Net Income Must Be $0 Or Greater")
                                          : QStringLiteral("The Other Parent's New Net Income Must Be $0 Or Greater"),
                                    platform::kBoxOk, kEntryError);
    return false;
  }
  return RunWithState(NetCommand::Adjust, party, results, services);
}

bool ResetIncome(Party party, casevars::ResultsVars& results, const NetIncomeServices& services) {
  if (!RunEntryChecks(services)) return false;
  // The run reads no box of a party whose net is not entered, so the box is
  // emptied after it: a run that stops keeps the figure the state still names.
  if (!RunWithState(NetCommand::Reset, party, results, services)) return false;
  if (services.clearNetBox) services.clearNetBox(party);
  return true;
}

void LeaveResultWindow(casevars::ResultsVars& results) { results.ManualNetState = 0; }

}  // namespace results
