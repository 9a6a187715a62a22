#include "worksheet/WorksheetValues.h"

#include <initializer_list>

#include "platform/NumberText.h"
#include "platform/TextHelpers.h"

namespace worksheet {

namespace {

constexpr std::initializer_list<Box> kIncomeInputs = {Box::WS0f, Box::WS0m, Box::WS1f, Box::WS1m,
                                                      Box::WSNumMinors};
constexpr std::initializer_list<Box> kStandardInputs = {Box::WS5at, Box::WS5bt, Box::WS5ct,
                                                        Box::WS7af, Box::WS7am, Box::WS7bf,
                                                        Box::WS7bm, Box::WS7cf, Box::WS7cm};
constexpr std::initializer_list<Box> kSharedInputs = {
    Box::WSFatherDays, Box::WSMotherDays, Box::WS14at, Box::WS14bt, Box::WS14ct, Box::WS16af,
    Box::WS16am,       Box::WS16bf,       Box::WS16bm, Box::WS16cf, Box::WS16cm};

std::optional<double> Read(const QString& text) {
  QString cleaned = text;
  platform::RemoveCurrencyChars(cleaned);
  if (!platform::IsNumeric(cleaned)) return std::nullopt;
  return platform::Val(cleaned);
}

}  // namespace

double BoxValue(const WorksheetSheet& sheet, Box box) { return Read(sheet[box]).value_or(0); }

void AssignBox(WorksheetSheet& sheet, WorksheetValues& values, Box box) {
  const std::optional<double> value = Read(sheet[box]);
  values[SlotOf(box)] = value.value_or(0);
  if (!value) sheet[box] = KindOf(box) == BoxKind::Entry ? QStringLiteral("$") : QString();
}

void AssignWSVars(WorksheetSheet& sheet, WorksheetValues& values, bool sharedOption) {
  for (Box b : kIncomeInputs) AssignBox(sheet, values, b);
  for (Box b : sharedOption ? kSharedInputs : kStandardInputs) AssignBox(sheet, values, b);
}

void RefreshValuesForPrint(WorksheetSheet& sheet, WorksheetValues& values, bool sharedOption) {
  AssignWSVars(sheet, values, sharedOption);
  for (Box b : sharedOption ? kStandardInputs : kSharedInputs)
    values[SlotOf(b)] = BoxValue(sheet, b);
}

}  // namespace worksheet
