#include "affidavit/datafile/FinDecFile.h"

#include <array>
#include <set>

#include "affidavit/datafile/DefaultLabels.h"
#include "affidavit/datafile/DesignState.h"
#include "affidavit/datafile/ElementCaptions.h"
#include "affidavit/screens/PageTables.h"
#include "platform/AmountLimit.h"
#include "platform/AnsiText.h"

namespace affidavit {

namespace {

using platform::SequentialError;
using platform::SequentialValue;

// The blocks an open reads; a file ends after one of them.
constexpr std::array<int, 10> kBlocks = {768, 84, 2, 10, 1, 1, 3, 3, 386, 12};

SequentialValue ValueOf(const AffidavitPages& pages, const SlotSource& source) {
  switch (source.kind) {
    case SlotKind::Text:
      return SequentialValue::fromText(pages.Text(source.element));
    case SlotKind::Check:
      return SequentialValue::fromInteger(pages.StoredValue(source.element));
    case SlotKind::Option:
      return SequentialValue::fromBoolean(pages.Value(source.element) != 0);
  }
  return {};
}

void Fill(QList<SequentialValue>& record, const AffidavitPages& pages, const std::vector<SlotSource>& map) {
  for (const SlotSource& source : map) record[source.slot - 1] = ValueOf(pages, source);
}

void FillEmptyTexts(QList<SequentialValue>& record, const std::vector<int>& emptyTexts) {
  for (int slot : emptyTexts) record[slot - 1] = SequentialValue::fromText(QString());
}

// Puts one value into its control; a value of the wrong kind changes nothing.
void Put(AffidavitPages& pages, const SlotSource& source, const SequentialValue& value) {
  switch (source.kind) {
    case SlotKind::Text:
      if (value.isEmpty()) pages.SetText(source.element, QString());
      else if (value.kind() == SequentialValue::Kind::Text || value.kind() == SequentialValue::Kind::Number)
        pages.SetText(source.element, value.text());
      else if (value.kind() == SequentialValue::Kind::Boolean)
        pages.SetText(source.element, value.boolean() ? QStringLiteral("True") : QStringLiteral("False"));
      return;
    case SlotKind::Check:
      if (value.isEmpty()) {
        pages.SetValue(source.element, 0);
      } else if (const auto n = value.toInt16(); n && *n >= 0 && *n <= 2) {
        pages.SetValue(source.element, *n);
      }
      return;
    case SlotKind::Option:
      if (value.isEmpty()) pages.SetValue(source.element, 0);
      else if (value.kind() == SequentialValue::Kind::Boolean) pages.SetValue(source.element, value.boolean() ? 1 : 0);
      else if (const auto n = value.toInt16()) pages.SetValue(source.element, *n != 0 ? 1 : 0);
      return;
  }
}

// Whether the element is an amount box that the user fills in.
bool IsAmountEntry(const PageElement& e) {
  for (PageId id : {PageId::Form12, PageId::Form122, PageId::Form121, PageId::Form123}) {
    if (PageName(id) != e.page) continue;
    const PageControl* c = Design(id).Find(e.array, e.index);
    return c && c->kind == ControlKind::Amount && !c->locked;
  }
  return false;
}

// The first amount slot the file restores that holds an amount beyond the
// program's limit, which no amount box takes.
std::optional<SlotSource> AmountBeyondTheLimit(const platform::SequentialRecord& record, AffidavitMode mode) {
  std::vector<SlotSource> restored = mode == kLongForm ? LongFormRestoreSlots() : ShortFormRestoreSlots();
  for (const RepeatedSlot& repeated : RepeatedSlots(mode))
    for (int slot : {repeated.earlier, repeated.later})
      if (slot != 0) restored.push_back({slot, repeated.element, SlotKind::Text});
  for (const SlotSource& source : restored) {
    if (source.kind != SlotKind::Text || !IsAmountEntry(source.element)) continue;
    if (platform::ReadAmount(record.at(source.slot).text()).kind == platform::AmountReading::TooLarge) return source;
  }
  return std::nullopt;
}

// The refusal of a file whose slot holds an amount that its box does not
// take, naming the box as the pages would show the file.
SequentialError RefusedAmount(const FinDecFile& file, const SlotSource& source) {
  FakeAffidavitPages shown;
  FillDesignState(shown);
  FinDecSettings settings;
  RestoreFinDec(shown, file, settings);
  SequentialError error;
  error.kind = SequentialError::Kind::DamagedValue;
  error.path = file.record.path();
  error.slot = source.slot;
  error.message = QStringLiteral("The file \"%1\" cannot be opened: it gives \"%2\" (value %3 of the file) %4, "
                                 "%5, which the box does not take. Nothing was changed.")
                      .arg(file.record.path(), ElementCaption(shown, source.element), QString::number(source.slot),
                           file.record.at(source.slot).describeBriefly(), platform::BeyondTheLimitText());
  return error;
}

platform::SequentialResult<FinDecFile> Accept(platform::SequentialRecord record) {
  const auto blocks = record.wholeBlocks(kBlocks);
  if (!blocks.ok()) return blocks.error();
  FinDecFile file;
  file.older = blocks.value() == 1;
  file.hasLastBlock = blocks.value() == static_cast<int>(kBlocks.size());
  if (file.older) {
    file.mode = kLongForm;
  } else {
    const auto flag = record.at(kFinDecFlagSlot).toInt16();
    if (!flag)
    {
      SequentialError error;
      error.kind = SequentialError::Kind::DamagedValue;
      error.path = record.path();
      error.slot = kFinDecFlagSlot;
      error.message = QStringLiteral("The file \"%1\" is no affidavit data file: its value %2, the form it was saved from, is %3 and not a whole number.")
                          .arg(record.path(), QString::number(kFinDecFlagSlot), record.at(kFinDecFlagSlot).describeBriefly());
      return error;
    }
    file.mode = *flag == kLongForm ? kLongForm : kShortForm;
  }
  file.record = std::move(record);
  if (const auto refused = AmountBeyondTheLimit(file.record, file.mode)) return RefusedAmount(file, *refused);
  return file;
}

// The maps a save of the form writes from the pages, in the order it writes them.
std::array<const std::vector<SlotSource>*, 2> SaveMaps(std::int16_t formType) {
  return {formType == kLongForm ? &LongFormSaveSlots() : &ShortFormSaveSlots(), &BothFormsSaveSlots()};
}

}  // namespace

std::vector<platform::UnwritableEntry> UnwritableFinDecEntries(const AffidavitPages& pages,
                                                               const FinDecSettings& settings) {
  std::vector<platform::UnwritableEntry> entries;
  std::set<PageElement> named;
  for (const std::vector<SlotSource>* map : SaveMaps(settings.formType))
    for (const SlotSource& source : *map) {
      if (source.kind != SlotKind::Text || !named.insert(source.element).second) continue;
      const QString text = pages.Text(source.element);
      if (platform::FitsAnsi(text)) continue;
      entries.push_back({ElementCaption(pages, source.element), text});
    }
  if (!platform::FitsAnsi(settings.font.name)) entries.push_back({QStringLiteral("Affidavit font"), settings.font.name});
  return entries;
}

QList<SequentialValue> BuildFinDecRecord(const AffidavitPages& pages, const FinDecSettings& settings) {
  QList<SequentialValue> record(kFinDecSlots);
  const bool longForm = settings.formType == kLongForm;
  const auto maps = SaveMaps(settings.formType);
  Fill(record, pages, *maps[0]);
  FillEmptyTexts(record, longForm ? LongFormEmptyTextSlots() : ShortFormEmptyTextSlots());
  Fill(record, pages, *maps[1]);
  FillEmptyTexts(record, BothFormsEmptyTextSlots());
  record[kFinDecFontSizeSlot - 1] = SequentialValue::fromCurrency(settings.font.size);
  record[kFinDecFontNameSlot - 1] = SequentialValue::fromText(settings.font.name);
  record[kFinDecFlagSlot - 1] = SequentialValue::fromInteger(settings.formType);
  record[kFinDecPrintSizeSlot - 1] = SequentialValue::fromInteger(settings.printFontSize);
  record[kFinDecMarkerSlot - 1] = SequentialValue::fromText(QLatin1String(kFinDecMarker));
  return record;
}

QByteArray FinDecBytes(const QList<SequentialValue>& record) {
  platform::SequentialWriter writer;
  for (const SequentialValue& value : record) writer.writeLine(value);
  return writer.bytes();
}

std::optional<SequentialError> SaveFinDec(const AffidavitPages& pages, const FinDecSettings& settings,
                                          const QString& path) {
  platform::SequentialWriter writer;
  for (const SequentialValue& value : BuildFinDecRecord(pages, settings)) writer.writeLine(value);
  return writer.save(path);
}

platform::SequentialResult<FinDecFile> ReadFinDec(const QString& path) {
  auto read = platform::readSequentialFile(path, kFinDecSlots);
  if (!read.ok()) return read.error();
  return Accept(read.value());
}

platform::SequentialResult<FinDecFile> ParseFinDec(const QByteArray& bytes, const QString& path) {
  auto read = platform::parseSequential(bytes, kFinDecSlots, path);
  if (!read.ok()) return read.error();
  return Accept(read.value());
}

void RestoreFinDec(AffidavitPages& pages, const FinDecFile& file, FinDecSettings& settings) {
  const platform::SequentialRecord& record = file.record;
  settings.font.size = 9;
  if (record.at(kFinDecFontNameSlot).kind() == SequentialValue::Kind::Text &&
      !record.at(kFinDecFontNameSlot).text().isEmpty())
    settings.font.name = record.at(kFinDecFontNameSlot).text();
  settings.formType = file.mode;
  settings.printFontSize = 9;

  if (file.older) {
    ApplyLabels(pages, FDOlderFileExpenseLabels());
  } else {
    for (const SlotSource& label : ExpenseLabelSlots(file.mode)) Put(pages, label, record.at(label.slot));
  }
  for (const SlotSource& source : file.mode == kLongForm ? LongFormRestoreSlots() : ShortFormRestoreSlots()) {
    // An older file keeps the default names of the newer expense lines.
    if (file.older && source.element.array == QLatin1String("S2NNew")) continue;
    Put(pages, source, record.at(source.slot));
  }
  for (const RepeatedSlot& repeated : RepeatedSlots(file.mode)) {
    const int slot = file.hasLastBlock || repeated.earlier == 0 ? repeated.later : repeated.earlier;
    Put(pages, {slot, repeated.element, SlotKind::Text}, record.at(slot));
  }
  CorrectMisspeltLabels(pages);
  ApplyLabels(pages, FDTotalsLabels());
}

}  // namespace affidavit
