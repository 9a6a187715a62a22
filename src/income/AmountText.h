#pragma once

#include <QString>
#include <QStringView>

// How the income windows read the amount texts of their boxes and how they
// write amounts back.
namespace income {

// Box patterns: income boxes, their totals and every box the period change
// rewrites; the boxes the deductions rewrite and the Express screen's monthly
// gross income; the income report.
inline constexpr const char* kIncomePattern = "$ ###,###.#0";
inline constexpr const char* kDeductionPattern = "$ ###,##0";
inline constexpr const char* kReportPattern = "$###,##0";

// The largest amount, in either sign, that an income box takes. Amounts stay
// far enough below the single-precision range that every total, period
// change and gross income computed from them is a finite number.
inline constexpr double kLargestAmount = 999999999999.0;

// The message for an amount beyond it.
inline constexpr const char* kEntryErrorTitle = "Entry Error";
QString AmountTooLargeMessage();

// A box's text read as an amount: currency characters (",", "$", " ", "%")
// are removed from a copy, then the rest must be a number.
struct AmountReading {
  enum Kind { NotANumber, TooLarge, Amount };
  Kind kind = NotANumber;
  float value = 0;  // single precision; set for Amount
  bool isAmount() const { return kind == Amount; }
  bool isNumber() const { return kind != NotANumber; }
};
AmountReading ReadAmount(QStringView text);

// `value` in a pattern.
QString FormatAmount(double value, const char* pattern);

}  // namespace income
