#pragma once

#include <QString>

#include "platform/AmountLimit.h"

// How the income windows read the amount texts of their boxes and how they
// write amounts back.
namespace income {

// Box patterns: income boxes, their totals and every box the period change
// rewrites; the boxes the deductions rewrite and the Express screen's monthly
// gross income; the income report.
inline constexpr const char* kIncomePattern = "$ ###,###.#0";
inline constexpr const char* kDeductionPattern = "$ ###,##0";
inline constexpr const char* kReportPattern = "$###,##0";

// The program's one limit on amounts and the reading of a box's text
// (platform/AmountLimit.h).
using platform::AmountReading;
using platform::AmountTooLargeMessage;
using platform::kEntryErrorTitle;
using platform::kLargestAmount;
using platform::ReadAmount;

// `value` in a pattern.
QString FormatAmount(double value, const char* pattern);

}  // namespace income
