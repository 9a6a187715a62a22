#pragma once

#include <QString>

#include <vector>

#include "affidavit/datafile/AffidavitPages.h"

// Where each of the 1,270 values of the affidavit data file comes from and
// goes back to. The file holds one value a line, slot n on line n. A
// short-form file puts the short pages' entries into the slots of the long
// pages' elements of the same array and index; a few slots carry the same
// entries in both forms (the long page's check boxes 2-4 of Section I, the
// short page's nonmarital mark columns, the long page's nonmarital columns,
// newer expense lines and counts). Maps hold only elements the pages have.
namespace affidavit {

inline constexpr int kFinDecSlots = 1270;
inline constexpr int kFinDecFlagSlot = 837;
inline constexpr int kFinDecFontSizeSlot = 756;
inline constexpr int kFinDecFontNameSlot = 757;
inline constexpr int kFinDecPrintSizeSlot = 838;
inline constexpr int kFinDecMarkerSlot = 865;
inline constexpr const char* kFinDecMarker = "Form2015";

// The affidavit form in use (`FinDecFormType`).
enum AffidavitMode : short { kShortForm = 0, kLongForm = 1, kWorksheetForm = 3 };

enum class SlotKind { Text, Check, Option };

// One slot and its element.
struct SlotSource {
  int slot = 0;
  PageElement element;
  SlotKind kind = SlotKind::Text;
};

// What a save writes from the pages: the slots that follow the form in use
// (long or short pages) and then the slots every file carries alike.
const std::vector<SlotSource>& LongFormSaveSlots();
const std::vector<SlotSource>& ShortFormSaveSlots();
const std::vector<SlotSource>& BothFormsSaveSlots();

// The slots every save writes as the empty text, by form, and in both forms.
const std::vector<int>& LongFormEmptyTextSlots();
const std::vector<int>& ShortFormEmptyTextSlots();
const std::vector<int>& BothFormsEmptyTextSlots();

// What an open puts back, in slot order, without the expense labels of slots
// 769-836 (ExpenseLabelSlots) and without the Section I boxes that a file
// carries twice (RepeatedSlots): a long-form file restores the long pages and
// the short page's mark columns, a short-form file the short pages only.
const std::vector<SlotSource>& LongFormRestoreSlots();
const std::vector<SlotSource>& ShortFormRestoreSlots();
const std::vector<SlotSource>& ExpenseLabelSlots(AffidavitMode mode);

// Section I elements written twice: the later slot (block 1259-1270) and the
// earlier one that an older or shorter file holds them in.
struct RepeatedSlot {
  int later = 0;
  int earlier = 0;  // 0: the form has no earlier slot for it
  PageElement element;
};
const std::vector<RepeatedSlot>& RepeatedSlots(AffidavitMode mode);

// The pages of a form: {first page, second page}.
QString FirstPage(AffidavitMode mode);
QString SecondPage(AffidavitMode mode);

}  // namespace affidavit
