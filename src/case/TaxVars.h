#pragma once

#include "case/Party.h"

namespace casevars {

// One party's federal and state tax estimate for the tax year, as the child
// support run (and the alimony and affidavit estimates) leave it. Yearly
// dollars; the suffix 1 marks the new spouse of a joint filer.
struct PartyTax {
  double MFJShare = 0;            // joint filers: the party's fraction of the couple's income
  double YrFicaTax = 0;           // payroll and self-employment tax of the party
  double YrHalfSETax = 0;         // deductible half of the SE tax (the couple's for joint filers)
  double YrFicaTax1 = 0;          // the new spouse's payroll tax; never added to the party's
  double YrHalfSETax1 = 0;
  double YrTaxAdjustments = 0;    // adjustments to income plus the deductible half SE tax
  double YrFedAGI = 0;            // adjusted gross income
  double YrFedTax = 0;            // income tax before credits (joint filers: the party's part)
  // Joint filers: the couple's income tax before credits, as it stood before
  // the party's part was taken; the credit breakdown shows credits against it.
  double YrJointFedTax = 0;
  double YrChildTaxCredit = 0;
  double YrChildCareCredit = 0;
  double YrEIC = 0;               // earned income credit
  double YrAddlChildTaxCredit = 0; // refundable part of the child tax credit
  double YrTotalCredits = 0;      // joint filers: the party's part
  double YrStateTax = 0;          // state income tax

  // Every amount above, for checks that a run produced only finite figures.
  template <class F>
  void forEachAmount(F&& f) const {
    for (double v : {MFJShare, YrFicaTax, YrHalfSETax, YrFicaTax1, YrHalfSETax1,
                    YrTaxAdjustments, YrFedAGI, YrFedTax, YrJointFedTax, YrChildTaxCredit, YrChildCareCredit,
                    YrEIC, YrAddlChildTaxCredit, YrTotalCredits, YrStateTax})
      f(double(v));
  }
};

struct TaxVars : PartyPair<PartyTax> {};

}  // namespace casevars
