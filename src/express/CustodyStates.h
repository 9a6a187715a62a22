#pragma once

#include <QString>

#include <cstdint>
#include <variant>
#include <vector>

#include "case/ExpressVars.h"
#include "express/ExpressFields.h"
#include "express/Prompter.h"

// The Express screen's layout by custody status and children counts: which
// groups of controls are shown, hidden, enabled, disabled or emptied. The
// procedures are data (ScreenChanges) applied through ExpressFields.
namespace express {

enum class ScreenProcedure : std::uint8_t {
  ShowMinorChildFields,
  HideMinorChildFields,
  HidePossessionFields,
  ShowSplitPossessionFields,
  ShowSharedPossessionFields,
  ShowCaregiverOptions,
  HideCaregiverOptions,
  LockToNoMinors,
  UnlockCustodyOptions,
};

// One change of one control.
struct ScreenChange {
  enum class Kind : std::uint8_t { Visible, Enabled, Text, Value, BackColor };
  QString name;
  int index = kNoIndex;
  Kind kind = Kind::Visible;
  std::variant<bool, QString, int, std::uint32_t> value;
};

// The back colour of the enabled child run buttons.
inline constexpr std::uint32_t kRunButtonColor = 12632319;

// The control changes of a procedure, in order. ShowMinorChildFields depends
// on the check mark of AutoCalc ("Alimony Is Calculated Before Child Support").
std::vector<ScreenChange> ScreenChanges(ScreenProcedure procedure, bool autoCalcChecked);

// Applies one procedure: its control changes; ShowMinorChildFields also sets
// SequencingMode (and MaintAppliedToCS without the AutoCalc mark);
// LockToNoMinors runs ApplyCustodyState as the click on NoMinorOption would.
void RunProcedure(ExpressFields& form1, casevars::ExpressVars& ev, ScreenProcedure procedure);

// The custody options in the order the dispatch tests them, with their codes.
struct CustodyOption {
  const char* option;
  QLatin1String code;
};
extern const CustodyOption kCustodyOptions[5];

// The procedures ApplyCustodyState runs for the options as they stand.
std::vector<ScreenProcedure> CustodyStateProcedures(const ExpressFields& form1);
// The dispatch on the custody option that is on, then the no-children rule.
void ApplyCustodyState(ExpressFields& form1, casevars::ExpressVars& ev);

// Change of NumChild / MinChild by the user (or a case being loaded). The
// minor count runs the split layout when split custody is on.
void NumChild_Change(ExpressFields& form1, casevars::ExpressVars& ev);
void MinChild_Change(ExpressFields& form1, casevars::ExpressVars& ev, Prompter& prompter);

}  // namespace express
