#pragma once

#include <cstdint>

#include "affidavit/datafile/AffidavitPages.h"
#include "platform/Dialogs.h"

// "Clear Form": all four affidavit pages back to an empty affidavit of the
// form in use, with its default item names.
namespace affidavit {

// Empties every entry of the four pages: amount boxes "$", other text boxes
// empty, check boxes and options off; then writes the expense names of the
// form in use (`formType` 1 long, 0 short, any other none) and the asset and
// liability names, and empties the rest of the second pages. Description rows
// with a name of their own on the short page and the totals captions stay;
// the long page's rows that have no default name are emptied too. The
// declarant choice (FAClaim / FAOther) stays.
void ClearFinDecData(AffidavitPages& pages, std::int16_t formType);

// The frame's "Clear Form" button: asks first, clears on Yes only.
// Returns whether it cleared.
bool ClearFormCommand(AffidavitPages& pages, platform::Dialogs& dialogs, std::int16_t formType);

}  // namespace affidavit
