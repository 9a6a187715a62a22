#pragma once

#include <cstdint>

#include "case/CaseVars.h"
#include "express/ExpressFields.h"
#include "express/Prompter.h"

// The Express screen's entry checks. Each reads the screen's fields in a fixed
// order, copies every field that passes into its case variable at once, and at
// the first field that fails moves the focus where its rule says, beeps where
// it says, shows one message and returns kCheckStop. A caller stops its run on
// kCheckStop. Variables written before the failure keep their new values.
//
// Callers run them in the order 0, 1, 2, 3, leaving out those they do not need:
// the child support run, the worksheet transfer and the result window's
// hand-entered nets 0, 1, 3; the alimony run 0, 1, 2 (and 3 when alimony is
// calculated first); the affidavit's tax estimate 0 alone in its own mode.
namespace express {

inline constexpr std::int16_t kCheckPass = 0;
inline constexpr std::int16_t kCheckStop = 1;

// How check 0 runs. FDTaxCheckMode 1 is the affidavit's tax estimate: only the
// party whose affidavit it is (the affidavit page's options FAClaim "Claimant"
// and FAOther "Other Party") is tested, and some messages speak of the
// affidavit and bring the Express screen forward. Every other caller uses the
// default.
struct Check0Mode {
  std::int16_t FDTaxCheckMode = 0;
  bool FAClaim = false;
  bool FAOther = false;
};

// Income entries the income and business windows refuse, filing status,
// incomes, children counts, children under 17, day care.
std::int16_t CheckDataEntry0(ExpressFields& form1, casevars::CaseVars& cv, Prompter& prompter,
                             const Check0Mode& mode = {});
// Children counts again, custody, time-sharing, split counts, day care credit
// consistency, state tax, filing-status warnings.
std::int16_t CheckDataEntry1(ExpressFields& form1, casevars::CaseVars& cv, Prompter& prompter);
// Alimony inputs: age, years of marriage, caregiver, skill score, child support.
std::int16_t CheckDataEntry2(ExpressFields& form1, casevars::CaseVars& cv, Prompter& prompter);
// Alimony transfer and the four monthly health costs.
std::int16_t CheckDataEntry3(ExpressFields& form1, casevars::CaseVars& cv, Prompter& prompter);

}  // namespace express
