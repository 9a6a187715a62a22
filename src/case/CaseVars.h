#pragma once

#include "case/AffidavitVars.h"
#include "case/AffidavitPageVars.h"
#include "case/AlimonyVars.h"
#include "case/BusinessVars.h"
#include "case/CaseCodes.h"
#include "case/ChildSupportVars.h"
#include "case/ExpressVars.h"
#include "case/IncomeVars.h"
#include "case/Party.h"
#include "case/ResultsVars.h"
#include "case/TaxVars.h"
#include "case/WorksheetVars.h"

namespace casevars {

// The values of one case that windows and engines share, grouped by the part
// of the program that sets them. A name of the form `ClaimX` / `PayerX` lives
// as `<Area>.Claim.X` / `<Area>.Payer.X` (for example `ClaimYrTotal` is
// `Income.Claim.YrTotal`, `PayerYrFedTax` is `Tax.Payer.YrFedTax`); a name
// without a party prefix lives as `<Area>.X` (`Express.CustodyStatus`).
// Each area keeps the fields its own screens or engine write; add new ones to
// the area that writes them. Every value starts at 0 or empty text.
struct CaseVars {
  IncomeVars Income;         // income windows Form13 / Form14
  BusinessVars Business;     // business income windows Form26 / Form27
  ExpressVars Express;       // Express screen Form1 and parenting time Form16
  TaxVars Tax;               // tax estimate results
  ChildSupportVars Support;  // child support run results
  ResultsVars Results;       // child support result window Form5
  WorksheetVars Worksheet;   // guidelines worksheet Form9 and its frame MDIForm1
  AlimonyVars Alimony;       // spousal maintenance inputs and results
  AffidavitValues Affidavit; // financial affidavit amounts and totals
  AffidavitPageVars AffidavitPages;  // affidavit font of the affidavit pages
};

}  // namespace casevars
