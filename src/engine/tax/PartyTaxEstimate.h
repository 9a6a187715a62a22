#pragma once

#include <QString>

#include <functional>

#include "case/CaseVars.h"
#include "engine/tax/TaxYear.h"

// The stages of one party's federal tax estimate over the case variables, in
// the order a run calls them. The child support run uses them for both
// parties; the alimony and affidavit estimates can call the same stages.
namespace tax {

// One party's case variables as the estimate reads and writes them.
struct PartyCase {
  const casevars::PartyIncome& Income;
  casevars::PartyBusiness& Business;  // a self-employment loss is set to 0
  const casevars::PartyExpress& Express;
  casevars::PartyTax& Tax;
};

PartyCase PartyCaseOf(casevars::CaseVars& vars, casevars::Party party);

// True when the party files jointly with a new spouse ("MFJ").
bool FilesJointly(const PartyCase& p);

// What a business income window computes for a party: the qualified business
// income deduction and the net business loss.
struct BusinessDeduction {
  double YrBusDeduction = 0;
  double YrBusLossCarryover = 0;
};
// Form26.GetBusinessDeduction / Form27.GetBusinessDeduction, given the party's
// adjusted gross income. An empty function stands for no business deduction.
using BusinessDeductionFn = std::function<BusinessDeduction(casevars::Party, double yrFedAGI)>;

// Joint filers: MFJShare, the party's fraction of the couple's income (the
// children's benefits left out), kept within 0 and 1. Others keep their
// previous share.
void ComputeJointShare(PartyCase& p);

// Payroll tax of the party and, for a joint filer, of the new spouse; the
// deductible half SE tax (the couple's) and YrTaxAdjustments.
void ComputePayrollTaxes(PartyCase& p, const TaxYear& year = kTaxYear2026);

// The part of the party's (joint: the couple's) Social Security benefits that
// is not taxed. extraOtherIncome: income counted besides the case's (alimony).
double UntaxedSocialSecurity(const PartyCase& p, double extraOtherIncome = 0,
                             const TaxYear& year = kTaxYear2026);

// Income tax before credits on the adjusted gross income less the business
// income deduction, which the business window computes (and which is written
// to YrBusDeduction); YrFedAGI keeps the AGI.
void ComputeIncomeTaxAfterBusinessDeduction(PartyCase& p, casevars::Party party,
                                            const BusinessDeductionFn& getBusinessDeduction,
                                            const TaxYear& year = kTaxYear2026);

// The credits on YrFedAGI: child tax credit, care credit (none for the party
// without the children, nor for a married person filing separately), earned
// income credit (only when asked for) and the limits that total them.
void ComputeCredits(PartyCase& p, casevars::Party party, const QString& custodyStatus,
                    bool eicAsked, const TaxYear& year = kTaxYear2026);

// Joint filers: YrFedTax and YrTotalCredits become the party's share of the
// couple's, in whole dollars; the couple's tax is kept in YrJointFedTax.
void ProrateJointReturn(PartyCase& p);

}  // namespace tax
