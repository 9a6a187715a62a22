#pragma once

#include <QString>

#include <cstdint>
#include <functional>

#include "income/IncomeLinks.h"
#include "shell/ScreenFactors.h"

namespace platform {
class Dialogs;
}

namespace income {

class IncomeWindow;

// Moves the amount boxes of the gross income and allowable deductions tabs
// (both columns), their 24 row captions and the six MFJLabel labels 500
// twips times the common screen factor to the right (direction 1) or back to
// the left (direction 2); any other direction moves nothing. The screen
// factors are recomputed from the screen, without the monitor adjustment,
// and left in `factors`. (ShiftClaimIncomeColumns, ShiftPayerIncomeColumns.)
void ShiftIncomeColumns(IncomeWindow& window, std::int16_t direction, shell::ScreenFactors& factors,
                        const shell::ScreenInfo& screen);

// What the Express screen's income buttons ("Enter Claimant's Income and
// Deductions", "Enter Other Party's Income and Deductions") need besides the
// window.
struct IncomeButtonContext {
  ExpressLink& express;
  // The party's ClaimIncomeColumnsShifted / PayerIncomeColumnsShifted flag:
  // 1 while the columns stand moved right.
  std::int16_t& columnsShifted;
  shell::ScreenFactors& factors;
  shell::ScreenInfo screen;
  platform::Dialogs* dialogs = nullptr;  // the program's message box
  // Shows the window modally and returns once it is hidden again; empty:
  // the window's own ShowModal.
  std::function<void(IncomeWindow& window)> showModal;
};

// The income button: refuses a party without a filing status ("Please Enter
// Claimant's Tax Filing Status", title "Entry Error"); otherwise selects the
// first tab, shows or hides the new-spouse column by the joint filing
// option, moves the columns when the filing changed since the last opening
// and shows the window modally. Returns false when refused.
bool EnterIncome_Click(IncomeWindow& window, IncomeButtonContext& context);

}  // namespace income
