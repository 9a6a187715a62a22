#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <variant>

#include "platform/SequentialValue.h"

namespace platform {

// Sequential data files: the text format of the case and affidavit data files.
//
// The bytes. A file is a run of values (SequentialValue.h gives how each kind
// is spelled). A write statement puts its values on one line, separated by
// single commas with no blanks, and ends the line with carriage return and line
// feed (bytes 13 and 10); a file is the lines of its write statements and
// nothing else: no header, count, version mark or trailer. The case file is one
// statement of 399 values, so one line; the affidavit file is 1,270 statements
// of one value, so 1,270 lines, an empty slot being an empty line. Characters
// are one byte each in code page 1252 (AnsiText.h).
//
// Texts. A text goes between double quotes unchanged: commas, blanks at either
// end and line breaks inside it belong to it. The format has no escape for a
// double quote inside a text, which would end the text early for the reader and
// shift every later value; the writer therefore writes such a quote as an
// apostrophe, so the record keeps its places.
//
// Reading. Values are taken one after the other from the start of the file;
// commas and line ends both separate them, so a reader counts values, not
// lines. For each value: blanks and tabs before it are skipped; a value that
// begins with a double quote is the text up to the next double quote, after
// which only blanks may stand before the next comma or line end; any other
// value runs to the next comma or line end, less trailing blanks, and is a
// number, #TRUE#, #FALSE#, #NULL# or, when it has no characters, the empty
// value. A line end ends the value before it; a comma promises one more, so
// "a," holds two values and "a" followed by CR LF one. An empty line is one
// empty value.
//
// A reader reads the whole file into a SequentialRecord before anything is
// done with it; a file that is missing, unreadable, foreign or damaged gives an
// error instead, so a caller applies values only from a complete reading.

// What went wrong, and where.
struct SequentialError {
  enum class Kind {
    Missing,        // no file of that name
    Unreadable,     // the file exists but cannot be read (a folder, no access)
    NotThisFormat,  // a foreign file: its first value is damaged, or it is far too large
    DamagedValue,   // a value of the file is no value of this format
    EndsEarly,      // the file ends before, or inside, a block that must be whole
    WrongKind,      // a value read is not of the kind the caller asked for
    NotSaved,       // a save failed; the file on disk is as it was
  };
  Kind kind = Kind::Unreadable;
  QString path;
  int slot = 0;       // the value's number from 1; 0 when the error is not about one value
  int line = 0;       // its line from 1, for errors found while reading; else 0
  QString badText;    // the value's characters as they stand in the file, for DamagedValue
  QString message;    // one sentence or two for the user, naming the file and the place
};

// A value, or the error that took its place.
template <typename T>
class SequentialResult {
 public:
  SequentialResult(T value) : state_(std::move(value)) {}
  SequentialResult(SequentialError error) : state_(std::move(error)) {}

  bool ok() const { return std::holds_alternative<T>(state_); }
  const T& value() const { return std::get<T>(state_); }  // only when ok()
  const SequentialError& error() const { return std::get<SequentialError>(state_); }

 private:
  std::variant<T, SequentialError> state_;
};

// The values of one file as read, slots numbered from 1 in file order.
class SequentialRecord {
 public:
  SequentialRecord() = default;
  SequentialRecord(QString path, QList<SequentialValue> values)
      : path_(std::move(path)), values_(std::move(values)) {}

  const QString& path() const { return path_; }
  // How many values the file held (up to the most the reader was asked for).
  int count() const { return static_cast<int>(values_.size()); }
  // The value in a slot; a slot past the end of the file holds the empty value.
  const SequentialValue& at(int slot) const;

  // Typed reading of one slot. The empty value (and so a slot past the end)
  // gives the empty text, false or 0; a value of another kind gives WrongKind
  // naming the slot, the kind asked for and what stands there.
  SequentialResult<QString> textAt(int slot) const;
  SequentialResult<bool> booleanAt(int slot) const;
  SequentialResult<std::int16_t> int16At(int slot) const;  // a whole number in 16-bit range
  SequentialResult<float> singleAt(int slot) const;
  SequentialResult<double> doubleAt(int slot) const;

  // For a file read in blocks of these sizes, in order, where the first block
  // must be present and each later one is read only when the file goes on
  // after the block before it: how many blocks the file holds. A file that
  // ends before the first block is whole, or inside a later block, gives
  // EndsEarly with the number of values it holds and the number the block needs.
  SequentialResult<int> wholeBlocks(std::span<const int> blockSizes) const;

 private:
  SequentialError wrongKind(int slot, const QString& wanted) const;

  QString path_;
  QList<SequentialValue> values_;
};

// Reads the file at `path` into a record of at most `maxValues` values; the
// rest of the file, whatever it holds, is not read. Errors: Missing,
// Unreadable, NotThisFormat, DamagedValue (with slot, line and the bad text).
SequentialResult<SequentialRecord> readSequentialFile(const QString& path, int maxValues);
// The same for bytes already in memory; `path` only names them in messages.
SequentialResult<SequentialRecord> parseSequential(const QByteArray& bytes, int maxValues,
                                                   const QString& path);

// Gathers the lines of a file in memory, then saves them in one go.
class SequentialWriter {
 public:
  // One write statement: the values separated by commas, then CR LF.
  void writeLine(std::span<const SequentialValue> values);
  void writeLine(const SequentialValue& value) { writeLine(std::span(&value, 1)); }

  const QByteArray& bytes() const { return bytes_; }
  int count() const { return count_; }  // values written so far

  // Writes the bytes to `path` through a temporary file beside it that takes
  // the file's place only once it is whole, so a failed save leaves the old
  // file as it was and no half-written file behind. A writer that was given a
  // number no file can hold (an infinity or NaN) saves nothing. Returns the
  // NotSaved error, naming the path and the reason, or nothing on success.
  std::optional<SequentialError> save(const QString& path) const;

 private:
  QByteArray bytes_;
  int count_ = 0;
  int firstUnwritable_ = 0;  // slot of the first number that cannot be written, 0 if none
};

}  // namespace platform
