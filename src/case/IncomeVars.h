#pragma once

#include <cstdint>

#include "case/CaseCodes.h"
#include "case/Party.h"

namespace casevars {

// What one party's income window (Form13 for the claimant, Form14 for the
// other party) hands to the engines. All amounts are yearly dollars, whatever
// period the window shows; the suffix 1 marks the new spouse of a party who
// files jointly.
struct PartyIncome {
  float YrGrossIncome = 0;          // total income from all sources; start of the monthly net
  float YrTotal = 0, YrTotal1 = 0;  // column totals, children's Social Security included
  float YrSS = 0, YrSS1 = 0;        // Social Security benefits
  float YrSSChild = 0;              // children's benefits on the party's record; not taxed
  float YrAGIBase = 0;              // income for the adjusted gross income (see income window)
  float YrAdjustments = 0;          // adjustments to income
  float YrAllowableDeductions = 0;  // deductions the guidelines allow from gross income
  float YrLT = 0, YrLT1 = 0;        // long-term capital gains
  float YrFree = 0, YrFree1 = 0;    // income not subject to federal tax
  float YrItemized = 0;             // itemized deductions, 0 with the standard deduction
  float YrItemizedNoLimit = 0;      // always cleared by the window; the tax estimate ignores it
  std::int16_t TaxReserved = 0;     // always 0; the tax estimate ignores it
  float YrInvestIncome = 0;         // investment income for the net investment income tax
  float YrOtherCredits = 0;         // other non-refundable credits entered
  casevars::Age65Status Age65Status = casevars::Age65Status::No;
  std::int16_t EICChildren = 0;     // qualifying children for the earned income credit, 0 to 3
  float YrTips = 0, YrTips1 = 0;    // qualified tips received as an employee
  float YrOT = 0, YrOT1 = 0;        // overtime premium received as an employee
  float YrReimburse = 0, YrReimburse1 = 0;        // employer reimbursements, counted as wages
  float YrEarnedExempt = 0, YrEarnedExempt1 = 0;  // earnings subject only to payroll tax

  // Shared with the business window (Form26 / Form27). YrEarned and YrST are
  // in the income window's entry period while it is open, yearly after it has
  // switched to yearly.
  float YrSelf = 0, YrSelf1 = 0;      // business income, as the business window hands it over
  float YrEarned = 0, YrEarned1 = 0;  // earned wages
  float YrST = 0, YrST1 = 0;          // short-term capital gains and investment interest
  // The parts of the business tips (Business.YrATips, YrBTips, YrCTips) that
  // the income window's tips deduction took; 0 for a service-trade business.
  float YrATipsDeducted = 0, YrATipsDeducted1 = 0;
  float YrBTipsDeducted = 0, YrBTipsDeducted1 = 0;
  float YrCTipsDeducted = 0, YrCTipsDeducted1 = 0;
};

struct IncomeVars : PartyPair<PartyIncome> {};

}  // namespace casevars
