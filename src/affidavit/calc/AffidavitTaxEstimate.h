#pragma once

#include "affidavit/calc/ExpressTransfers.h"
#include "engine/tax/PartyTaxEstimate.h"
#include "express/ExpressFields.h"
#include "express/Prompter.h"

// The affidavit bar's "Estimate Taxes": items 18 (income taxes) and 19 (FICA
// or self-employment tax) of Section I from the case's tax estimate, the
// sequence the child support run uses, over the Express screen's and the
// income windows' entries.
namespace affidavit {

struct TaxEstimateLinks {
  express::ExpressFields& form1;
  express::Prompter& prompter;
  tax::BusinessDeductionFn getBusinessDeduction = {};
};

// Totals the affidavit, notes that the estimate uses the Express screen's
// income, brings both income windows to yearly entry and runs the Express
// screen's checks 0 (for the declarants of the two first pages) and 1; on an
// entry error it stops there. Otherwise it estimates both parties' taxes and
// writes each first page's items 18 and 19 for that page's own declarant
// ("$ ###,##0"); the affidavit amounts take the page in use's declarant, and
// the affidavit is totalled again. Returns whether the estimate ran.
bool EstimateAffidavitTaxes(TransferContext& context, TaxEstimateLinks& links);

}  // namespace affidavit
