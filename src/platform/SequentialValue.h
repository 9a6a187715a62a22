#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace platform {

// One value of a sequential data file (see SequentialFile.h for the file):
// what a write-by-value statement puts into the file and what the matching
// read-by-value statement gets back.
//
// How each kind is spelled in the file:
//   Empty    nothing at all: a line or a place between two commas with no characters
//   Text     the characters between double quotes, "" for the empty text
//   Boolean  #TRUE# or #FALSE#
//   Null     #NULL#
//   Number   bare, never quoted, spelled as below
//
// Numbers (a value made by one of the from... factories):
// - a point is the decimal separator whatever the user's locale; there are no
//   thousands separators, no blanks and no plus sign; a negative number has a
//   leading minus sign; zero is 0 (also a negative zero);
// - no leading zero before the point and no trailing zeros after it: 10, 8.25,
//   .5, -.25, 1000.0001;
// - whole numbers (check boxes, 16-bit counts, flags) are their digits: 0, 2, -1;
// - single and double precision values take the fewest significant digits that
//   read back to the very same value of their type (0.1f is .1, the float next
//   above 1000 that 1000.0001 names is 1000.0001, 0.1 + 0.2 as a double is
//   .30000000000000004), so a value that is saved and opened again is unchanged;
// - a single whose first digit stands at 10^7 or higher, a double at 10^15 or
//   higher, and either below 10^-4, is written in exponent form: the first
//   digit, the point and the other digits if there are any, "E", the sign of
//   the exponent and at least two exponent digits: 1E+20, -2.5E-07, 1.6777216E+07;
// - a fixed-point value of four decimals (the font sizes) is written with up
//   to four decimals, never in exponent form: 9, 8.25, 9.75;
// - infinities and NaN have no spelling: a writer refuses to save them.
//
// Reading accepts a little more than the writer writes: a leading plus sign,
// a leading zero, a trailing point, and E, e, D or d before the exponent.
class SequentialValue {
 public:
  enum class Kind { Empty, Text, Number, Boolean, Null };

  SequentialValue() = default;  // the empty value

  static SequentialValue fromText(const QString& text);
  static SequentialValue fromBoolean(bool value);
  static SequentialValue null();
  static SequentialValue fromInteger(std::int32_t value);
  static SequentialValue fromSingle(float value);
  static SequentialValue fromDouble(double value);
  // A fixed-point value of four decimals: rounded to 1/10000, halves to even.
  static SequentialValue fromCurrency(double value);
  // A bare number as the file spells it; nullopt when `token` is no number.
  static std::optional<SequentialValue> fromNumberToken(const QString& token);

  Kind kind() const { return kind_; }
  bool isEmpty() const { return kind_ == Kind::Empty; }
  // The characters of a text; of a number, its spelling in the file.
  const QString& text() const { return text_; }
  // The value of a Boolean; false for every other kind.
  bool boolean() const { return kind_ == Kind::Boolean && boolean_; }
  // False for a number made from an infinity or NaN, which no file can hold.
  bool isWritable() const { return kind_ != Kind::Number || !text_.isEmpty(); }

  // A number read as the type asked for; nullopt for any other kind, for a
  // number outside the type's range, and for a fraction asked as a whole number.
  std::optional<float> toSingle() const;
  std::optional<double> toDouble() const;
  std::optional<std::int16_t> toInt16() const;

  // The whole value in words: the text "abc", the number 12, #TRUE#, #FALSE#,
  // #NULL#, nothing.
  QString describe() const;
  // The same for a message: a text shortened to a readable excerpt of its
  // first line (ReadableExcerpt, TextHelpers.h).
  QString describeBriefly() const;

  bool operator==(const SequentialValue& other) const = default;

 private:
  // A number of this spelling; the empty spelling marks one that cannot be written.
  static SequentialValue number(const QString& spelling);

  Kind kind_ = Kind::Empty;
  QString text_;
  bool boolean_ = false;
};

}  // namespace platform
