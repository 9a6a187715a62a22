#pragma once

#include "case/Party.h"

namespace casevars {

// What one party's business income window (Form26 for the claimant, Form27
// for the other party) hands to the engines; yearly dollars, suffix 1 for the
// new spouse of a joint filer.
struct PartyBusiness {
  float YrWagesForTax = 0, YrWagesForTax1 = 0;  // earned wages plus S-corporation wages
  float YrSEIncome = 0, YrSEIncome1 = 0;        // self-employment income; the payroll tax sets a loss to 0
  float YrSTAndPassThru = 0, YrSTAndPassThru1 = 0;  // short-term gains, interest, pass-through income
  float YrBusDeduction = 0;      // qualified business income deduction, written during a tax estimate
  float YrBusLossCarryover = 0;  // net business loss, written with the deduction
};

struct BusinessVars : PartyPair<PartyBusiness> {};

}  // namespace casevars
