#include "affidavit/calc/ClearAffidavit.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "affidavit/datafile/DefaultLabels.h"
#include "affidavit/datafile/FinDecSlots.h"
#include "affidavit/datafile/PageElements.h"

namespace affidavit {

namespace {

enum class Empty { Amount, Text, Off };

// One clearing run: indexes first..last of an array, each on the pages in
// order before the next index; `skip` leaves rows out.
struct ClearRun {
  std::vector<const char*> pages;
  std::vector<const char*> arrays;
  int first;
  int last;
  Empty value;
  std::vector<int> skip = {};
};

// Description rows of the second pages that keep their text: on the short
// page its printed item names and totals captions; on the long page the rows
// that take a default name and the totals captions.
const std::vector<int> kLongKeptAssetRows = {0, 1, 3, 6, 31, 35, 39, 41, 43, 45, 47, 63};
const std::vector<int> kLongKeptLiabilityRows = {0, 10, 12, 18, 27, 33, 39};
const std::vector<int> kShortKeptAssetRows = {0, 1, 3, 6, 9, 12, 13, 63};
const std::vector<int> kShortKeptLiabilityRows = {0, 1, 2, 4, 10, 11, 12, 16, 27, 33, 39};

const std::vector<ClearRun>& EntryRuns() {
  static const std::vector<ClearRun> runs = {
      {{"Form12", "Form121"}, {"S0T"}, 1, 7, Empty::Text},
      {{"Form12", "Form121"}, {"S1T"}, 0, 24, Empty::Text},
      {{"Form12", "Form121"}, {"S1Op"}, 1, 5, Empty::Off},
      {{"Form12", "Form121"}, {"S1FileOp"}, 0, 3, Empty::Off},
      {{"Form12", "Form121"}, {"S1Check"}, 1, 4, Empty::Off},
      {{"Form12", "Form121"}, {"S1"}, 0, 38, Empty::Amount},
      {{"Form12", "Form121"}, {"S2T"}, 0, 28, Empty::Text},
      {{"Form12", "Form121"}, {"S2"}, 1, 109, Empty::Amount},
      {{"Form12"}, {"S2New"}, 1, 16, Empty::Amount},
      {{"Form122", "Form123"}, {"S3"}, 0, 64, Empty::Amount},
      {{"Form122", "Form123"}, {"S3c", "s3ch", "s3cw"}, 0, 63, Empty::Off},
      {{"Form122"}, {"S3T"}, 0, 62, Empty::Text, kLongKeptAssetRows},
      {{"Form123"}, {"S3T"}, 0, 62, Empty::Text, kShortKeptAssetRows},
      {{"Form122", "Form123"}, {"S4"}, 0, 45, Empty::Amount},
      {{"Form122", "Form123"}, {"S4c", "s4ch", "s4cw"}, 0, 39, Empty::Off},
      {{"Form122"}, {"S4T"}, 0, 39, Empty::Text, kLongKeptLiabilityRows},
      {{"Form123"}, {"S4T"}, 0, 39, Empty::Text, kShortKeptLiabilityRows},
      {{"Form122", "Form123"}, {"S5T"}, 0, 29, Empty::Text},
      {{"Form122", "Form123"}, {"S5op"}, 1, 13, Empty::Off},
      {{"Form122", "Form123"}, {"S5opEmail", "S5opMailed", "S5opFaxed", "S5opHand", "S5opServed"}, 0, 1, Empty::Off},
      {{"Form12", "Form121"}, {"FaAmended"}, kSingle, kSingle, Empty::Off},
      {{"Form122"}, {"S3P", "S3R"}, 0, 62, Empty::Amount},
      {{"Form122"}, {"S3O"}, 0, 62, Empty::Text},
      {{"Form122"}, {"S4P", "S4R"}, 0, 38, Empty::Amount},
      {{"Form122"}, {"S4D", "S4Cr"}, 0, 38, Empty::Text},
      {{"Form12"}, {"Text1"}, 0, 3, Empty::Text},
  };
  return runs;
}

void Apply(AffidavitPages& pages, const ClearRun& run) {
  for (const char* array : run.arrays) {
    for (int index = run.first; index <= run.last; ++index) {
      if (std::find(run.skip.begin(), run.skip.end(), index) != run.skip.end()) continue;
      for (const char* page : run.pages) {
        const PageElement element{QLatin1String(page), QLatin1String(array), index};
        if (!HasElement(element)) continue;
        switch (run.value) {
          case Empty::Amount: pages.SetText(element, QStringLiteral("$")); break;
          case Empty::Text: pages.SetText(element, QString()); break;
          case Empty::Off: pages.SetValue(element, 0); break;
        }
      }
    }
  }
}

}  // namespace

void ClearFinDecData(AffidavitPages& pages, std::int16_t formType) {
  for (const ClearRun& run : EntryRuns()) Apply(pages, run);
  if (formType == kLongForm) ApplyLabels(pages, FDLongExpenseLabels());
  if (formType == kShortForm) ApplyLabels(pages, FDShortExpenseLabels());
  ApplyLabels(pages, FDAssetLabels());
  ApplyLabels(pages, FDLiabilityLabels());
}

bool ClearFormCommand(AffidavitPages& pages, platform::Dialogs& dialogs, std::int16_t formType) {
  const int answer = dialogs.ShowMessageBox(
      QStringLiteral("Are You Sure That You Want To Delete All Entries In This Financial Declaration?"),
      platform::kBoxYesNo, QStringLiteral("Warning"));
  if (answer != platform::kAnswerYes) return false;
  ClearFinDecData(pages, formType);
  return true;
}

}  // namespace affidavit
