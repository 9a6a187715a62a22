#pragma once

#include "case/CaseVars.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "engine/tax/PartyTaxEstimate.h"

// Both parties' payroll, federal and state taxes and credits as the alimony
// calculation estimates them, through the tax stages every run shares.
namespace alimony {

// What the estimates read of the windows (the state tax combo boxes and the
// earned income credit boxes) and the business deduction service.
struct AlimonyTaxContext {
  const childsupport::ChildSupportInputs& Windows;
  tax::BusinessDeductionFn GetBusinessDeduction;
};

// No alimony in either income: joint shares, payroll taxes, untaxed Social
// Security, AGI, business deduction and income tax, credits, the joint
// proration and the state tax.
void ComputeTaxesWithoutAlimony(casevars::CaseVars& w, const AlimonyTaxContext& context);

// The income tax of each party on its total income (the couple's for a joint
// filer), with no business deduction, into YrFedTax; nothing else changes.
void ComputeTaxOnTotalIncome(casevars::CaseVars& w);

// The yearly award counted as the claimant's income and taken off the other
// party's for the untaxed Social Security and both AGIs, then as without
// alimony from the business deduction on. The payroll taxes, adjustments and
// joint shares are those the estimate without alimony left.
void ComputeTaxesWithAward(casevars::CaseVars& w, double yrAward, const AlimonyTaxContext& context);

// The state tax rule for one party: a rate entered ("As Rate") applies to the
// AGI; an amount entered becomes the rate it is of the AGI without alimony
// (`agiWithoutAlimony`), applied to the AGI, unless that rate is not above 0
// or not below 0.4, when the amount stands. Whole dollars, never below 0.
void ComputeAlimonyStateTax(casevars::CaseVars& w, casevars::Party party, const QString& stateTaxCombo,
                            double agiWithoutAlimony);

}  // namespace alimony
