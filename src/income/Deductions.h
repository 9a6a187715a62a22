#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "case/IncomeVars.h"
#include "income/FilingOptions.h"
#include "income/TipsOvertime.h"

// The figures a party's income window derives from its entries for the tax
// estimate and the guideline deductions, once the window has read its
// adjustment, credit and deduction boxes into the case variables.
namespace income {

// The window's choices that the figures depend on.
struct DeductionChoices {
  FilingOptions filing;            // the Express screen's options for the party
  bool standardDeduction = true;   // the standard deduction option is chosen
  bool eicCheck = false;           // the earned income credit box is ticked
  int eicChoice = -1;              // the chosen count option, 0 to 3; -1 none
  bool age65 = false;              // the party's age box
  bool spouseAge65 = false;        // the new spouse's age box
};

// The earned income credit children the options give while the box is
// ticked (no option chosen: 0); nothing while it is not.
std::optional<std::int16_t> EICChildrenOf(bool eicCheck, int eicChoice);

// Given the party's AGI-like income, the business window computes the
// business income deduction and returns it (the value it left in
// YrBusDeduction).
using BusinessDeductionFn = std::function<double(double agiBase)>;

// The derived figures, in the order the window computes them: itemized
// deduction, self-employed deductions (0 unless the party has business
// income above 0), earned income credit children, adjustments, AGI-like
// income, investment income, overtime and tips deductions, allowable
// deductions, age-65 status, untaxed income with the business deduction.
// Amounts are worked out in double precision.
void ApplyDeductions(casevars::PartyIncome& in, const DeductionChoices& choices,
                     const BusinessTips& businessTips, const BusinessDeductionFn& businessDeduction);

}  // namespace income
