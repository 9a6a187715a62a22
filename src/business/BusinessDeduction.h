#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

#include "case/CaseVars.h"
#include "case/Party.h"
#include "engine/tax/PartyTaxEstimate.h"
#include "engine/tax/TaxYear.h"

// The deduction for qualified business income (section 199A) that a party's
// business window computes for the tax estimate.
namespace business {

// The values of a business window's "Service Trade" check boxes: [column][A, B,
// C, D]; 0 is not ticked, any other value ticked.
struct ServiceTradeFlags {
  std::array<std::array<std::int16_t, 4>, 2> Value{};
};

// One business's deduction at a taxable income: 20 percent of its qualified
// income below the threshold (negative for a loss); above it the limit by W-2
// wages and property phases in over the phase-in range, and for a specified
// service trade the qualified income itself phases out. Never negative above
// the threshold.
double BusDeduction(double taxableIncome, double qualifiedIncome, double w2Wages, double property,
                   const QString& filingStatus, std::int16_t serviceTrade,
                   const tax::TaxYear& year = tax::kTaxYear2026);

// The standard deduction the estimate uses: the tax year's amount for the
// filing status, plus the addition for a filer 65 or older (Age65Status Yes),
// or the joint return's addition for both spouses (Both, married filing
// jointly). A filing text that is not a filing status gets none.
double EstimateStandardDeduction(const QString& filingStatus, casevars::Age65Status age65,
                                 const tax::TaxYear& year = tax::kTaxYear2026);

// The party's deduction and net business loss at the adjusted gross income
// `yrAGI`: businesses A to D of the party and, for a joint filer, of the new
// spouse, each with its share of the net loss and its tips not already
// deducted, plus 20 percent of REIT income; capped at 20 percent of the taxable
// income estimate and of that estimate less long-term gains; never negative.
// Reads the case variables, changes none.
tax::BusinessDeduction ComputeBusinessDeduction(const casevars::CaseVars& vars,
                                                casevars::Party party, double yrAGI,
                                                const ServiceTradeFlags& trades,
                                                const tax::TaxYear& year = tax::kTaxYear2026);

// The engine's business-deduction service over these case variables, with the
// service-trade boxes as `trades` reports them for each party (empty: none ticked).
tax::BusinessDeductionFn MakeBusinessDeductionService(
    const casevars::CaseVars& vars,
    std::function<ServiceTradeFlags(casevars::Party)> trades = {});

}  // namespace business
