#pragma once

#include "case/Party.h"

namespace casevars {

// One party's federal and state tax estimate for the tax year, as the child
// support run (and the alimony and affidavit estimates) leave it. Yearly
// dollars; the suffix 1 marks the new spouse of a joint filer.
struct PartyTax {
  float MFJShare = 0;             // joint filers: the party's fraction of the couple's income
  float YrFicaTax = 0;            // payroll and self-employment tax of the party
  float YrHalfSETax = 0;          // deductible half of the SE tax (the couple's for joint filers)
  float YrFicaTax1 = 0;           // the new spouse's payroll tax; never added to the party's
  float YrHalfSETax1 = 0;
  float YrTaxAdjustments = 0;     // adjustments to income plus the deductible half SE tax
  float YrFedAGI = 0;             // adjusted gross income
  float YrFedTax = 0;             // income tax before credits (joint filers: the party's part)
  // Joint filers: the couple's income tax before credits, as it stood before
  // the party's part was taken; the credit breakdown shows credits against it.
  float YrJointFedTax = 0;
  float YrChildTaxCredit = 0;
  float YrChildCareCredit = 0;
  float YrEIC = 0;                // earned income credit
  float YrAddlChildTaxCredit = 0; // refundable part of the child tax credit
  float YrTotalCredits = 0;       // joint filers: the party's part
  float YrStateTax = 0;           // state income tax

  // Every amount above, for checks that a run produced only finite figures.
  template <class F>
  void forEachAmount(F&& f) const {
    for (float v : {MFJShare, YrFicaTax, YrHalfSETax, YrFicaTax1, YrHalfSETax1,
                    YrTaxAdjustments, YrFedAGI, YrFedTax, YrJointFedTax, YrChildTaxCredit, YrChildCareCredit,
                    YrEIC, YrAddlChildTaxCredit, YrTotalCredits, YrStateTax})
      f(double(v));
  }
};

struct TaxVars : PartyPair<PartyTax> {};

}  // namespace casevars
