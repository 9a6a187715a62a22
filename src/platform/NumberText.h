#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// Number text: turning numbers into the program's display texts and reading
// numbers back from what the user typed.
//
// Format patterns
// ---------------
// A pattern is literal text, then the digit places, then literal text:
//   "#"  a digit place that shows no digit for a leading (or trailing) zero;
//   "0"  a digit place that always shows a digit;
//   ","  among the whole-number places: thousands are grouped with commas;
//   "."  the decimal point; the places after it give the number of decimals;
//   "%"  the value is shown times 100; the sign itself is written where it stands;
//   any other character ("$", " ", "+", "-") is written as it stands.
// The rules the program's texts rely on:
//   - A whole part of 0 shows no digit unless a "0" place asks for one:
//     0 in "$ ###,###.#0" is "$ .00", 0.5 is "$ .50"; 0 in "#" is the empty text;
//     0 in "###,###" is empty, in " $###,###,###" it is " $".
//   - The value is rounded to the pattern's decimals, halves away from zero.
//     Decimals at "#" places are dropped from the right while they are 0
//     ("#.###": 0.5 is ".5"); the decimal point itself always stands, so 1 in
//     "#.###" is "1." and 12345 in "$###,###.##" is "$12,345.".
//   - More whole digits than places: all are shown (1234567 in "$####0" is
//     "$1234567"), grouped when the pattern groups.
//   - A negative value gets "-" before everything else: -250 in "$###,##0" is
//     "-$250", -0.5 in "$ ###,###.#0" is "-$ .50". A value that rounds to a
//     shown zero gets no sign (-0.4 in "$###,##0" is "$0", not "-$0").
//   - Literal signs are only text: "-$##,###,##0" shows a deduction of 1234 as
//     "-$1,234" and 0 as "-$0"; "+$##,###,##0" likewise with a plus sign.
//   - "##.#0%" shows 0.4567 as "45.67%" and 0.005 as ".50%".
// Which digits are rounded: a single-precision amount is read to seven
// significant digits (31285.715f, holding
// 31285.71484..., shows 31,285.71; 2.675f, holding 2.67499995..., shows 2.68),
// or to as many more as the places shown need, so that 123456.78f shows as
// typed, not as 123,456.80. Any other double is first taken to 15 significant
// digits, so the binary error of a computed 2.675 or 14.5 does not turn a half
// into a shade below it. Whole amounts from 16,777,216 up keep all digits. A value
// that is not finite gives "".
//
// Reading numbers
// ---------------
// Both readers stop at the first NUL character (see RemoveCurrencyChars). A
// number is an optional sign, digits with at most one decimal point (".5" and
// "5." count), and an optional exponent ("1.5E3"). Thousands commas, "$" and "%"
// are not part of a number: amount texts are cleaned first (AmountFromText).
namespace platform {

// `value` as text in a format pattern (see above).
QString Format(double value, QStringView pattern);
QString Format(double value, const char* pattern);  // pattern in Latin-1

// `value` as a pattern with `decimals` places shows it, as a number: rounded
// by the rule above (0 for a value shown as zero, never -0). A figure printed
// in whole dollars is RoundAsShown(value, 0), so a total of printed figures
// adds these. A value that is not finite comes back unchanged.
double RoundAsShown(double value, int decimals = 0);

// The numeric test applied to entered text: blanks (space, tab) may stand
// before and after the number, nothing else. "", ".", "-", "1,000", "1 2",
// "12abc" and "1.2.3" are not numeric; ".00", "-20.00", "+5", " 7 ", "1e3" are.
// A number beyond the range of a double is not numeric.
bool IsNumeric(QStringView text);

// The leading-number reading: blanks, tabs and line feeds are skipped wherever
// they stand, then the longest leading number is read ("12abc" -> 12,
// "1 2" -> 12, "1,000" -> 1, "" -> 0, "abc" -> 0). A number beyond the range
// of a double reads as 0. Never returns -0.
double Val(QStringView text);

// The program's reading of an amount text: a copy is cleaned with
// RemoveCurrencyChars; a text that is then not numeric counts as 0, otherwise
// its value. "$ 1,250" -> 1250, "-$5" -> -5, "45%" -> 45, "$" -> 0, "abc" -> 0.
double AmountFromText(QStringView text);

// A count as stored (16 bits): the nearest whole number, halves to the even
// neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Empty when the rounded value lies
// outside -32768..32767 or the value is not a number.
std::optional<int16_t> ToCount(double value);

// Today's date (or any date) as printed on reports: the locale's short date
// form, with the year always in four digits (3/5/2026 in the US).
QString ShortDate(const QDate& date, const QLocale& locale = QLocale::system());

}  // namespace platform
