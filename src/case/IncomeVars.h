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
  double YrGrossIncome = 0;         // total income from all sources; start of the monthly net
  double YrTotal = 0, YrTotal1 = 0;  // column totals, children's Social Security included
  double YrSS = 0, YrSS1 = 0;       // Social Security benefits
  double YrSSChild = 0;             // children's benefits on the party's record; not taxed
  double YrAGIBase = 0;             // income for the adjusted gross income (see income window)
  double YrAdjustments = 0;         // adjustments to income
  double YrAllowableDeductions = 0;  // deductions the guidelines allow from gross income
  double YrLT = 0, YrLT1 = 0;       // long-term capital gains
  double YrFree = 0, YrFree1 = 0;   // income not subject to federal tax
  double YrItemized = 0;            // itemized deductions, 0 with the standard deduction
  double YrItemizedNoLimit = 0;     // always cleared by the window; the tax estimate ignores it
  std::int16_t TaxReserved = 0;     // always 0; the tax estimate ignores it
  double YrInvestIncome = 0;        // investment income for the net investment income tax
  double YrOtherCredits = 0;        // other non-refundable credits entered
  casevars::Age65Status Age65Status = casevars::Age65Status::No;
  std::int16_t EICChildren = 0;     // qualifying children for the earned income credit, 0 to 3
  double YrTips = 0, YrTips1 = 0;   // qualified tips received as an employee
  double YrOT = 0, YrOT1 = 0;       // overtime premium received as an employee
  double YrReimburse = 0, YrReimburse1 = 0;       // employer reimbursements, counted as wages
  double YrEarnedExempt = 0, YrEarnedExempt1 = 0;  // earnings subject only to payroll tax

  // Income by source as entered (in the window's entry period while it is
  // open, yearly once it has closed). YrSelf, YrEarned and YrST are shared
  // with the business window (Form26 / Form27).
  double YrEarned = 0, YrEarned1 = 0;           // wages and salaries (box 1 of the W-2)
  double YrSelf = 0, YrSelf1 = 0;               // business income, written by the business window
  double YrST = 0, YrST1 = 0;                   // short-term gains and investment interest
  double YrPT = 0, YrPT1 = 0;                   // rentals, royalties, annuities
  double YrPension = 0, YrPension1 = 0;         // taxable pensions, unemployment, disability
  double YrComp = 0, YrComp1 = 0;               // workers' compensation, SSI, untaxed disability
  double YrPriorMaint = 0, YrPriorMaint1 = 0;   // alimony received under orders before 2019

  // Adjustments and credits: yearly at all times.
  double YrIRADeduct = 0;
  double YrOtherDeduct = 0;
  double YrSelfRetirementDeduct = 0;  // counts only while the party has business income
  double YrSelfHealthDeduct = 0;     // counts only while the party has business income

  // Deductions the guidelines allow (entry period while the window is open).
  double YrStIndus = 0;         // health insurance, the children's cover excluded
  double YrDues = 0;            // mandatory union or professional dues
  double YrPensionPay = 0;      // mandatory retirement plan payments
  double YrOtherSupport = 0;    // support paid for children of other relationships
  double YrMedCare = 0;         // recurring Medicare payments
  double YrPriorMaintPaid = 0, YrPriorMaintPaid1 = 0;  // alimony paid, orders before 2019 (adjustment)
  double YrPriorMaintPaid2 = 0, YrPriorMaintPaid3 = 0;  // alimony paid, orders after 2018

  // Tips and overtime deductions; the parts of the business tips
  // (Business.YrATips, YrBTips, YrCTips) that the tips deduction took, 0 for
  // a service-trade business (suffix 1: the new spouse's, joint filers only).
  double YrOTDeduction = 0;
  double YrTipsDeduction = 0;
  double YrTipsDeducted = 0;
  double YrATipsDeducted = 0, YrBTipsDeducted = 0, YrCTipsDeducted = 0;
  double YrATipsDeducted1 = 0, YrBTipsDeducted1 = 0, YrCTipsDeducted1 = 0;

  double YrUntaxedIncome = 0;    // income outside the federal tax base, business deduction included
  bool Spouse65Flag = false;     // joint filers: the new spouse is 65 or older
};

struct IncomeVars : PartyPair<PartyIncome> {
  // The factor of the last change of entry period, shared by both windows;
  // meaningful only during that change.
  double IncomePeriodFactor = 1.0f;
};

}  // namespace casevars
