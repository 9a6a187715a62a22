#pragma once

#include "case/Party.h"

namespace casevars {

// One party's business income window (Form26 for the claimant, Form27 for the
// other party): the amount behind every entry box, the totals the window
// computes and what it hands to the engines. The suffix 1 marks the column of
// the new spouse of a joint filer. While the window is open the box amounts
// and the box totals are in the window's entry period; whenever it is closed
// they are yearly dollars.
struct PartyBusiness {
  // Businesses A and B: sole proprietorships, LLCs or partnerships whose net
  // income bears self-employment tax.
  double YrAWages = 0, YrAWages1 = 0;  // net income that qualifies for the deduction
  double YrBWages = 0, YrBWages1 = 0;
  double YrANotQualified = 0, YrANotQualified1 = 0;  // net income that does not qualify
  double YrBNotQualified = 0, YrBNotQualified1 = 0;
  // Businesses C and D: S-corporations.
  double YrCWages = 0, YrCWages1 = 0;  // the owner's own W-2 wages from the corporation
  double YrDWages = 0, YrDWages1 = 0;
  double YrCPass = 0, YrCPass1 = 0;   // profit passed through to the owner
  double YrDPass = 0, YrDPass1 = 0;
  // Allocable shares of the W-2 wages paid to employees and of the depreciable
  // assets; they serve only the deduction's wage and property limit.
  double YrAW2Wages = 0, YrAW2Wages1 = 0;
  double YrBW2Wages = 0, YrBW2Wages1 = 0;
  double YrCW2Wages = 0, YrCW2Wages1 = 0;
  double YrDW2Wages = 0, YrDW2Wages1 = 0;
  double YrACapital = 0, YrACapital1 = 0;
  double YrBCapital = 0, YrBCapital1 = 0;
  double YrCCapital = 0, YrCCapital1 = 0;
  double YrDCapital = 0, YrDCapital1 = 0;
  // Qualified tips: received as self-employed in A and B, as an employee of
  // the S-corporations (one box for C and D).
  double YrATips = 0, YrATips1 = 0;
  double YrBTips = 0, YrBTips1 = 0;
  double YrCTips = 0, YrCTips1 = 0;
  // REIT dividends, cooperative dividends and publicly traded partnership income.
  double YrREIT = 0, YrREIT1 = 0;

  // Totals of the window.
  double YrBusTotalWages = 0, YrBusTotalWages1 = 0;  // income subject to SE tax or FICA, tips included
  double YrSCorpWages = 0, YrSCorpWages1 = 0;       // S-corporation wages and tips
  double YrBusTotalPass = 0, YrBusTotalPass1 = 0;   // pass-through and REIT income
  double YrBusIncome = 0, YrBusIncome1 = 0;         // the business income handed to the income window

  // What the tax estimates read, split from the business income.
  double YrWagesForTax = 0, YrWagesForTax1 = 0;  // earned wages plus S-corporation wages
  double YrSEIncome = 0, YrSEIncome1 = 0;       // self-employment income; the payroll tax sets a loss to 0
  double YrSTAndPassThru = 0, YrSTAndPassThru1 = 0;  // short-term gains, interest, pass-through income
  double YrBusDeduction = 0;     // qualified business income deduction, written during a tax estimate
  double YrBusLossCarryover = 0;  // net business loss (negative or 0), written with the deduction
};

struct BusinessVars : PartyPair<PartyBusiness> {
  // The factor of the latest entry-period switch of either business window;
  // every switch sets it before it converts.
  double BusinessPeriodFactor = 1;
};

}  // namespace casevars
