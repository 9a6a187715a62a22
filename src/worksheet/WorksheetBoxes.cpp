#include "worksheet/WorksheetBoxes.h"

#include <initializer_list>

#include "platform/Dialogs.h"

namespace worksheet {

namespace {

struct BoxInfo {
  const char* name;
  BoxKind kind;
  int slot;
};

constexpr BoxInfo kBoxes[] = {
#define KELVANE_BOX_INFO(name, kind, slot) {#name, BoxKind::kind, slot},
    KELVANE_WORKSHEET_BOXES(KELVANE_BOX_INFO)
#undef KELVANE_BOX_INFO
};

const BoxInfo& Info(Box box) { return kBoxes[static_cast<int>(box)]; }

void SetAll(WorksheetSheet& sheet, std::initializer_list<Box> boxes, const QString& text) {
  for (Box b : boxes) sheet[b] = text;
}

const QString kDollar = QStringLiteral("$");

// The amount inputs that a reset puts back to "$" (line 0 aside).
constexpr std::initializer_list<Box> kAmountInputs = {
    Box::WS1f,   Box::WS1m,   Box::WS5at,  Box::WS5bt,  Box::WS5ct,  Box::WS7af,  Box::WS7am,
    Box::WS7bf,  Box::WS7bm,  Box::WS7cf,  Box::WS7cm,  Box::WS14at, Box::WS14bt, Box::WS14ct,
    Box::WS16am, Box::WS16af, Box::WS16bm, Box::WS16bf, Box::WS16cm, Box::WS16cf};

// The computed boxes that show an empty text until a calculation writes them.
constexpr std::initializer_list<Box> kComputedLines = {
    Box::WS1t,  Box::WS2t,  Box::WS3f,  Box::WS3m,  Box::WS4f,   Box::WS4m,  Box::WS5dt, Box::WS6f,
    Box::WS6m,  Box::WS8f,  Box::WS8m,  Box::WS9f,  Box::WS9m,   Box::WS10t, Box::WS11f, Box::WS11m,
    Box::WS12f, Box::WS12m, Box::WS13f, Box::WS13m, Box::WS14dt, Box::WS15f, Box::WS15m, Box::WS17f,
    Box::ws17m, Box::WS18f, Box::WS18m, Box::WS19f, Box::WS20m,  Box::WS21f, Box::WS21m};

}  // namespace

QString BoxName(Box box) { return QString::fromLatin1(Info(box).name); }

std::optional<Box> BoxByName(QStringView name) {
  for (int i = 0; i < kBoxCount; ++i)
    if (name == QLatin1String(kBoxes[i].name)) return static_cast<Box>(i);
  return std::nullopt;
}

BoxKind KindOf(Box box) { return Info(box).kind; }

platform::AmountSign SignOf(Box box) {
  const bool income = box == Box::WS0f || box == Box::WS0m || box == Box::WS1f || box == Box::WS1m;
  return KindOf(box) == BoxKind::Entry && !income ? platform::AmountSign::NotNegative
                                                  : platform::AmountSign::MayBeNegative;
}
int SlotOf(Box box) { return Info(box).slot; }

std::optional<Box> BoxOfSlot(int slot) {
  for (int i = 0; i < kBoxCount; ++i)
    if (kBoxes[i].slot == slot && slot >= 0) return static_cast<Box>(i);
  return std::nullopt;
}

WorksheetSheet WorksheetSheet::AsDesigned() {
  WorksheetSheet sheet;
  for (int i = 0; i < kBoxCount; ++i)
    if (kBoxes[i].kind == BoxKind::Entry) sheet.text[i] = kDollar;
  sheet[Box::WSFax] = sheet[Box::WSOFax] = QStringLiteral("NA");
  return sheet;
}

bool IsBlankCell(const WorksheetSheet& sheet, Box box) {
  const QString& text = sheet[box];
  if (KindOf(box) == BoxKind::Entry || box == Box::WS0t) return text == kDollar;
  return text.isEmpty();
}

bool ClearSheet(WorksheetSheet& sheet, int answer) {
  if (answer != platform::kAnswerYes) return false;
  SetAll(sheet, {Box::WS0f, Box::WS0m, Box::WS0t}, kDollar);
  SetAll(sheet, kAmountInputs, kDollar);
  SetAll(sheet, kComputedLines, QString());
  SetAll(sheet,
         {Box::WSCourt, Box::WSCounty, Box::WSCase, Box::WSDiv, Box::WSPet, Box::WSRes, Box::WSDate,
          Box::WSOName, Box::WSOAddress, Box::WSOCity, Box::WSOFax, Box::WSNAme, Box::WSAddress,
          Box::WSCity, Box::WSFax, Box::WSOEmail, Box::WSFilingparty, Box::WSEmail, Box::WSBar},
         QString());
  sheet.WSMailed = sheet.WSFaxed = sheet.WSHand = sheet.WSEmailed = 0;
  sheet.WSDev = false;
  sheet.WSNoDev = true;
  sheet.WSOpPet = false;
  sheet.WSOpRes = false;
  SetAll(sheet,
         {Box::WSNonName, Box::WSNonStreet, Box::WSNonCity, Box::WSNonState, Box::WSNonPhone,
          Box::WSNonbusiness, Box::WSNumMinors, Box::WSFatherDays, Box::WSMotherDays, Box::WSOPhone,
          Box::WSPhone, Box::WSNonZip},
         QString());
  return true;
}

void ResetNumbersForTransfer(WorksheetSheet& sheet) {
  SetAll(sheet, kAmountInputs, kDollar);
  SetAll(sheet, kComputedLines, QString());
  sheet[Box::WS0t] = kDollar;
  sheet.WSDev = false;
  sheet.WSNoDev = true;
  sheet.WSOpPet = true;
  sheet.WSOpRes = false;
}

}  // namespace worksheet
