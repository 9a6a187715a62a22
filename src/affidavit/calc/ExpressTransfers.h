#pragma once

#include <cstdint>

#include "affidavit/datafile/AffidavitPages.h"
#include "case/CaseVars.h"
#include "casefile/CaseFields.h"
#include "platform/Dialogs.h"

// The affidavit bar's "Get Data From Express Form" and "Transfer Data To
// Express Form": Section I income and deductions, filing status, dependents,
// this case's alimony and three child expenses between the first page of the
// affidavit in use and the declarant's income window (Form13 claimant,
// Form14 other party) and the Express screen (Form1). The declarant is the
// page's FAClaim option: the claimant when chosen, the other party otherwise.
// The windows are reached through casefile::CaseFields (texts, option values
// and the income windows' methods).
namespace affidavit {

// The income windows' method that switches them to monthly entry.
inline constexpr const char* kMonthlyClick = "Monthly_Click";

// Where a transfer works. `values` are the case's affidavit amounts.
struct TransferContext {
  AffidavitPages& pages;
  casefile::CaseFields& windows;
  casevars::CaseVars& vars;
  std::int16_t formType = 1;
};

// Get Data: asks whether to clear both affidavits first (clears on Yes only),
// switches both income windows to monthly entry, fills the first page of the
// form in use from the declarant's income window and the Express screen, then
// reads and totals the affidavit. The alimony line of this case that belongs
// to the other side (9a for the other party, 25a for the claimant) is emptied.
void GetDataFromExpressForm(TransferContext& context, platform::Dialogs& dialogs);

// Transfer: reads and totals the affidavit, switches both income windows to
// monthly entry, writes the first page of the form in use into the
// declarant's income window and Express screen fields, and has both income
// windows take the amounts, total and return to yearly entry. When an amount
// would reach a box that refuses it (a negative where the box takes none, a
// sum past the amount limit), nothing moves and no window changes: an Entry
// Error in `dialogs` names the affidavit line, and the result is false.
bool TransferDataToExpressForm(TransferContext& context, platform::Dialogs& dialogs);

}  // namespace affidavit
