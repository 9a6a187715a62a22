#pragma once

#include <vector>

#include "affidavit/datafile/AffidavitPages.h"

// The affidavit's default item names: the expense lines of both first pages
// and the asset, liability and totals rows of the long form's second page.
// Clearing writes the expense names of the form in use and the asset and
// liability names; opening writes the older files' expense names to a file
// that carries none, and the totals captions every time.
namespace affidavit {

struct LabelEntry {
  const char* page;
  const char* array;
  int index;
  const char* text;
};

const std::vector<LabelEntry>& FDLongExpenseLabels();       // Form12.S2N 0-67, S2NNew 1-16
const std::vector<LabelEntry>& FDShortExpenseLabels();      // Form121.S2N, 36 names
const std::vector<LabelEntry>& FDAssetLabels();             // Form122.S3T
const std::vector<LabelEntry>& FDLiabilityLabels();         // Form122.S4T
const std::vector<LabelEntry>& FDOlderFileExpenseLabels();  // as the long list, three older names
const std::vector<LabelEntry>& FDTotalsLabels();            // Form122.S3T 63-64, S4T 27, 33, 39-41

// Default names that earlier versions wrote misspelt, with the name as it
// stands now. A name the user typed is never one of them.
struct LabelCorrection {
  const char* page;
  const char* array;
  int index;
  const char* misspelt;
  const char* text;
};
const std::vector<LabelCorrection>& MisspeltDefaultLabels();

// Puts the corrected name into each element that holds exactly the misspelt
// default name; every other text stays as it is.
void CorrectMisspeltLabels(AffidavitPages& pages);

// Writes the list's texts in list order.
void ApplyLabels(AffidavitPages& pages, const std::vector<LabelEntry>& list);

}  // namespace affidavit
