#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "affidavit/datafile/AffidavitPages.h"
#include "affidavit/datafile/FinDecSlots.h"
#include "platform/SaveChecks.h"
#include "platform/SequentialFile.h"

// The affidavit data file: 1,270 values, one a line (FinDecSlots.h says
// where each comes from). Saving builds the whole record from the pages of
// the form in use and writes it in one go; opening reads and checks the whole
// file before any page changes.
namespace affidavit {

// The affidavit font: its name and size are saved; the pages' font.
struct AffidavitFont {
  QString name = QStringLiteral("Tahoma");
  double size = 9;
};

// What the file carries besides the pages.
struct FinDecSettings {
  std::int16_t formType = kLongForm;  // `FinDecFormType`
  AffidavitFont font;
  std::int16_t printFontSize = 9;     // `FDFontSize`
};

// The 1,270 values of a save, slot n at element n - 1.
QList<platform::SequentialValue> BuildFinDecRecord(const AffidavitPages& pages,
                                                   const FinDecSettings& settings);

// The text entries of the form in use, and the font's name, that the file
// cannot hold as they stand, each named by its page and field.
std::vector<platform::UnwritableEntry> UnwritableFinDecEntries(const AffidavitPages& pages,
                                                               const FinDecSettings& settings);

// The record's bytes: one value a line, each ending in CR LF.
QByteArray FinDecBytes(const QList<platform::SequentialValue>& record);

// Saves the pages to `path`; a failure leaves the old file whole and gives
// the error naming the file.
std::optional<platform::SequentialError> SaveFinDec(const AffidavitPages& pages,
                                                    const FinDecSettings& settings, const QString& path);

// A file as read and accepted.
struct FinDecFile {
  platform::SequentialRecord record;
  bool older = false;        // it ends after slot 768: an older long-form file
  bool hasLastBlock = false; // it holds slots 1259-1270
  AffidavitMode mode = kLongForm;
};

// Reads and checks a whole file. Refused, with a message naming the file: a
// file that cannot be read, one of fewer than 768 values, one that ends
// inside a block (it must end after 768, 852, 854, 864, 865, 866, 869, 872 or
// 1,258 values, or hold 1,270), one whose form flag (slot 837) is not a
// whole number, and one that gives an amount box an amount beyond the
// program's limit (platform/AmountLimit.h). A flag of 1 is the long form, any
// other the short form.
platform::SequentialResult<FinDecFile> ReadFinDec(const QString& path);
platform::SequentialResult<FinDecFile> ParseFinDec(const QByteArray& bytes, const QString& path);

// Puts an accepted file into the pages: the form's slots, its expense names
// (the older names for an older file), the short page's mark columns of a
// long-form file, and the totals captions. Sets the font's name (size 9),
// the print size 9 and the form in use. Slots the file lacks empty their
// controls; Section I boxes that a shorter file lacks in its last block come
// from the earlier slots that carry them too.
void RestoreFinDec(AffidavitPages& pages, const FinDecFile& file, FinDecSettings& settings);

}  // namespace affidavit
