#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

#include "platform/AmountLimit.h"

// The boxes of the guidelines worksheet window (Form9) as plain values: the
// window copies its fields into a WorksheetSheet and back, and every worksheet
// command (values, calculation, transfer, Clear Sheet, printing) works on the
// sheet, so each can be tested without a window. The sheet is the master copy
// of the worksheet: the printed worksheet prints what it holds.
namespace worksheet {

// X(name, kind, slot): every box of the sheet with its kind and, for the
// amount, count and day boxes, the slot of WorksheetValues that mirrors it.
#define KELVANE_WORKSHEET_BOXES(X) \
  X(WS0f, Entry, 0)                \
  X(WS0m, Entry, 1)                \
  X(WS0t, Computed, 22)            \
  X(WS1f, Entry, 2)                \
  X(WS1m, Entry, 3)                \
  X(WS1t, Computed, 23)            \
  X(WS2t, Computed, 24)            \
  X(WS3f, Computed, 25)            \
  X(WS3m, Computed, 26)            \
  X(WS4f, Computed, 27)            \
  X(WS4m, Computed, 28)            \
  X(WS5at, Entry, 4)               \
  X(WS5bt, Entry, 5)               \
  X(WS5ct, Entry, 6)               \
  X(WS5dt, Computed, 29)           \
  X(WS6f, Computed, 30)            \
  X(WS6m, Computed, 31)            \
  X(WS7af, Entry, 7)               \
  X(WS7am, Entry, 8)               \
  X(WS7bf, Entry, 9)               \
  X(WS7bm, Entry, 10)              \
  X(WS7cf, Entry, 11)              \
  X(WS7cm, Entry, 12)              \
  X(WS8f, Computed, 32)            \
  X(WS8m, Computed, 33)            \
  X(WS9f, Computed, 34)            \
  X(WS9m, Computed, 35)            \
  X(WS10t, Computed, 36)           \
  X(WS11f, Computed, 37)           \
  X(WS11m, Computed, 38)           \
  X(WS11t, Grey, -1)               \
  X(WS12f, Computed, 39)           \
  X(WS12m, Computed, 40)           \
  X(WS13f, Computed, 41)           \
  X(WS13m, Computed, 42)           \
  X(WS14at, Entry, 13)             \
  X(WS14bt, Entry, 14)             \
  X(WS14ct, Entry, 15)             \
  X(WS14dt, Computed, 43)          \
  X(WS15f, Computed, 44)           \
  X(WS15m, Computed, 45)           \
  X(WS16am, Entry, 16)             \
  X(WS16af, Entry, 17)             \
  X(WS16bm, Entry, 18)             \
  X(WS16bf, Entry, 19)             \
  X(WS16cm, Entry, 20)             \
  X(WS16cf, Entry, 21)             \
  X(WS17f, Computed, 46)           \
  X(ws17m, Computed, 47)           \
  X(WS18f, Computed, 48)           \
  X(WS18m, Computed, 49)           \
  X(WS19f, Computed, 50)           \
  X(WS20m, Computed, 51)           \
  X(WS21f, Computed, 52)           \
  X(WS21m, Computed, 53)           \
  X(WSNumMinors, Count, 54)        \
  X(WSMotherDays, Count, 55)       \
  X(WSFatherDays, Count, 56)       \
  X(WSCourt, Text, -1)             \
  X(WSCounty, Text, -1)            \
  X(WSCase, Text, -1)              \
  X(WSDiv, Text, -1)               \
  X(WSPet, Text, -1)               \
  X(WSRes, Text, -1)               \
  X(WSFilingparty, Text, -1)       \
  X(WSDate, Text, -1)              \
  X(WSOName, Text, -1)             \
  X(WSOAddress, Text, -1)          \
  X(WSOCity, Text, -1)             \
  X(WSOPhone, Text, -1)            \
  X(WSOEmail, Text, -1)            \
  X(WSOFax, Text, -1)              \
  X(WSNAme, Text, -1)              \
  X(WSAddress, Text, -1)           \
  X(WSCity, Text, -1)              \
  X(WSPhone, Text, -1)             \
  X(WSEmail, Text, -1)             \
  X(WSBar, Text, -1)               \
  X(WSFax, Text, -1)               \
  X(WSNonName, Text, -1)           \
  X(WSNonbusiness, Text, -1)       \
  X(WSNonStreet, Text, -1)         \
  X(WSNonCity, Text, -1)           \
  X(WSNonState, Text, -1)          \
  X(WSNonZip, Text, -1)            \
  X(WSNonPhone, Text, -1)

enum class Box {
#define KELVANE_BOX_ENUM(name, kind, slot) name,
  KELVANE_WORKSHEET_BOXES(KELVANE_BOX_ENUM)
#undef KELVANE_BOX_ENUM
};

inline constexpr int kBoxCount = 0
#define KELVANE_BOX_COUNT(name, kind, slot) +1
    KELVANE_WORKSHEET_BOXES(KELVANE_BOX_COUNT)
#undef KELVANE_BOX_COUNT
    ;

enum class BoxKind {
  Entry,     // amount typed by the user; blank when it reads "$"
  Computed,  // written by the calculation; blank when empty (WS0t: when "$")
  Count,     // number of minor children, overnights; blank when empty
  Text,      // caption, party, service and nonlawyer fields
  Grey,      // a cell no calculation or printout reads
};

// The box's name on the window ("WS16af", "ws17m").
QString BoxName(Box box);
std::optional<Box> BoxByName(QStringView name);
BoxKind KindOf(Box box);
// Whether a typed amount may be below zero: the incomes (lines 0 and 1) may,
// the child care and health costs and payments may not.
platform::AmountSign SignOf(Box box);
// The slot of WorksheetValues that mirrors the box, or -1.
int SlotOf(Box box);
// The box that a slot mirrors (slots 0 to 56).
std::optional<Box> BoxOfSlot(int slot);

// A check box's value: 0 clear, 1 ticked, 2 greyed.
using CheckValue = int;

// The worksheet window's fields.
struct WorksheetSheet {
  std::array<QString, kBoxCount> text;
  // Option groups; each may hold none selected.
  bool WSDev = false;    // "Deviation from the guidelines amount is requested"
  bool WSNoDev = false;  // "Deviation from the guidelines amount is NOT requested"
  bool WSOpPet = true;   // form prepared for the Petitioner
  bool WSOpRes = false;  // form prepared for the Respondent
  // Manner of service.
  CheckValue WSEmailed = 0;
  CheckValue WSMailed = 0;
  CheckValue WSHand = 0;
  CheckValue WSFaxed = 0;  // not shown, not printed

  QString& operator[](Box box) { return text[static_cast<int>(box)]; }
  const QString& operator[](Box box) const { return text[static_cast<int>(box)]; }

  // The sheet as the window opens: entry boxes "$", the hidden fax boxes
  // "NA", every other box empty; Petitioner chosen, no deviation choice.
  static WorksheetSheet AsDesigned();
};

// True when the box is blank by the printed worksheet's cell rule: an entry
// box or the gross income total reading exactly "$", any other box reading
// exactly the empty text.
bool IsBlankCell(const WorksheetSheet& sheet, Box box);

// Clear Sheet: resets the whole sheet (amounts to "$", computed lines,
// captions, parties, service and nonlawyer fields emptied, service boxes
// clear, deviation NOT requested, neither "prepared for" option chosen) when
// the answer to its question is Yes (platform::kAnswerYes, 6); any other answer changes nothing.
// Returns true when it reset. The worksheet's numbers are not touched.
bool ClearSheet(WorksheetSheet& sheet, int answer);
inline const QString kClearSheetPrompt =
    QStringLiteral("Are You Sure That You Want To Delete All Entries In This Worksheet?");
inline const QString kClearSheetTitle = QStringLiteral("Warning");

// The reset of the numbers before a transfer from the Express screen: the
// amount inputs of lines 1, 5, 7, 14 and 16 to "$", the computed lines emptied
// and the gross income total to "$" (so no total of an earlier calculation
// stays on the sheet), deviation NOT requested, Petitioner chosen. Line 0's
// inputs, the count and day boxes and the text fields are kept.
void ResetNumbersForTransfer(WorksheetSheet& sheet);

}  // namespace worksheet
