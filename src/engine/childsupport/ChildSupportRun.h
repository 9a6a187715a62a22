#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

#include "case/CaseVars.h"
#include "engine/tax/PartyTaxEstimate.h"

namespace childsupport {

// The text of a state-tax combo box when the tax was entered as a rate.
inline constexpr QLatin1String kStateTaxAsRate{"As Rate"};

// The window fields a child support run reads for one party, as the caller
// finds them; the defaults are the windows' state as designed.
struct PartyRunInputs {
  // Form1.ClaimStateTaxCombo / PayerStateTaxCombo: "As Rate" when the state
  // tax was entered as a rate, any other text for a yearly amount.
  QString StateTaxCombo = kStateTaxAsRate;
  // Form13.ClaimEICCheck / Form14.PayerEICCheck: 1 when ticked.
  std::int16_t EICCheck = 0;
  // Form5.NewClaimNet / NewOtherNet: the monthly net entered by hand, read as
  // the program reads an amount (currency characters removed, the leading
  // number, 0 when there is none). Used only when ManualNetState says so.
  double NewNet = 0;
};

struct ChildSupportInputs : casevars::PartyPair<PartyRunInputs> {
  // Form1's alimony tax options; one of the two is always set, the payer's as designed.
  bool OptionTaxedToPayee = false;
  bool OptionTaxedToPayer = true;
  // The SplitDefault and InterpDefault preferences. Left empty, the run reads
  // them from the settings store, as every run does in the program.
  std::optional<QString> SplitDefault;
  std::optional<QString> InterpDefault;
};

// What the run asks of other parts of the program.
struct ChildSupportServices {
  // The business income windows' deduction; empty: no deduction.
  tax::BusinessDeductionFn GetBusinessDeduction;
  // Draws the result text into the child support result window from the
  // run's results (it may set Results.ManualNetStateText); empty: nothing.
  std::function<void(casevars::CaseVars&)> DrawChildSupportText;
};

struct ChildSupportOutcome {
  bool Completed = false;
  // Why the run stopped, for the program's message box; empty when completed.
  QString Message;
  // The monthly transfer for the Express screen's ChildSupport field,
  // formatted "$###,##0" by the caller.
  double ChildSupport = 0;
};

inline constexpr const char* kChildSupportFieldPattern = "$###,##0";

// The tax sequence of a run, for both parties: payroll, federal income tax
// and credits (a joint filer's share of the couple's), then the state income
// tax, the other party's first. The child support run and the affidavit's tax
// estimate both use it.
void EstimatePartyTaxes(casevars::CaseVars& vars, const ChildSupportInputs& inputs,
                        const ChildSupportServices& services = {});

// True when every figure a tax estimate writes is a finite number: both
// parties' taxes, derived state-tax rates and business deductions and losses.
// A run that meets any other stops with its message and commits nothing.
bool TaxFiguresFinite(const casevars::CaseVars& vars);

// One child support run over the case variables: both parties' taxes, net
// incomes and shares, the schedule obligation of every tier from 1 to the
// number of minor children, the custody rule and the transfer of the last
// tier. The run works on a copy and commits every result at once: when it
// stops (Completed false) the case variables are as they were and nothing is
// drawn. On success it calls DrawChildSupportText last.
ChildSupportOutcome ComputeChildSupport(casevars::CaseVars& vars, const ChildSupportInputs& inputs,
                                        const ChildSupportServices& services = {});

}  // namespace childsupport
