#pragma once

#include "affidavit/datafile/AffidavitPages.h"

namespace affidavit {

// A fresh affidavit: every text, amount, check box and option of the four
// pages as designed, so the default labels and no amounts.
void FillDesignState(AffidavitPages& pages);

}  // namespace affidavit
