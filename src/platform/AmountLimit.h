#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// The one limit on the amounts that the program's amount boxes take, and the
// reading of an amount text against it. Every box of the income and business
// windows refuses an entry beyond the limit (typed, pasted or dropped), and a
// change of entry period that would carry an amount beyond it is refused
// before anything changes, so every total, conversion and printed figure
// computed from the boxes stays a finite number that fits its column.
namespace platform {

// The largest amount, in either sign, that an amount box takes:
// $999,999,999,999.00; a cent more is refused.
inline constexpr double kLargestAmount = 999999999999.0;

// True when `value` is a finite number within the limit.
bool WithinAmountLimit(double value);

// The title of the entry messages and their texts: an amount beyond the
// limit; a period change refused ("Yearly", "Monthly" ... as `periodName`).
inline constexpr const char* kEntryErrorTitle = "Entry Error";
QString AmountTooLargeMessage();
// What a file reader says of a value beyond the limit: "an amount above
// $999,999,999,999".
QString BeyondTheLimitText();
QString ConversionTooLargeMessage(const QString& periodName);

// Whether the quantity of an amount box can be below zero: a loss or an
// adjustment can; wages, benefits, costs and payments cannot. A box that
// cannot refuses a negative entry with NegativeAmountMessage.
enum class AmountSign : std::uint8_t { MayBeNegative, NotNegative };
QString NegativeAmountMessage();
// A text that is not a number where an amount is asked for.
QString NotANumberMessage();

// A box's text read as an amount: currency characters (",", "$", " ", "%")
// are removed from a copy, then the rest must be a number; a number beyond
// the limit is TooLarge, a number below 0 read for a NotNegative box Negative.
// A text with nothing left (empty, "$") is a blank NotANumber: an empty box.
struct AmountReading {
  enum Kind { NotANumber, TooLarge, Negative, Amount };
  Kind kind = NotANumber;
  double value = 0;    // set for Amount
  bool blank = false;  // NotANumber: nothing but currency characters
  bool isAmount() const { return kind == Amount; }
  bool isNumber() const { return kind != NotANumber; }
  // An entry the box refuses: past the limit, a negative it cannot take, a
  // text that is neither a number nor blank.
  bool refused() const { return kind == TooLarge || kind == Negative || (kind == NotANumber && !blank); }
};
AmountReading ReadAmount(QStringView text, AmountSign sign = AmountSign::MayBeNegative);

// The entry message for a refused reading (AmountTooLargeMessage,
// NegativeAmountMessage, NotANumberMessage); empty when it is not refused.
// With `place`, the message names where the entry stands: "<place>: <message>".
QString RefusalMessage(const AmountReading& reading);
QString RefusalMessage(const AmountReading& reading, const QString& place);

}  // namespace platform
