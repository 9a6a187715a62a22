#pragma once

#include <QString>

#include "worksheet/WorksheetValues.h"

// "Calculate Worksheet": lines 0 to 21 of the guidelines worksheet from the
// sheet's boxes, by the standard method (lines 4 to 9) or, when the children
// are in shared possession, by the substantial time-sharing (gross-up) method
// (lines 10 to 21).
namespace worksheet {

inline constexpr const char* kAmountPattern = "$ ###,##0";
inline constexpr const char* kPercentPattern = "###.#0%";
inline const QString kEntryErrorTitle = QStringLiteral("Entry Error");

struct CalculationInputs {
  bool sharedOption = false;  // the Express screen's "Children are in Shared Possession"
  QString interpDefault;      // the InterpDefault preference as stored
};

struct CalculationOutcome {
  bool completed = false;
  // When a check stopped the run: its message (title kEntryErrorTitle) and
  // the box that takes the focus.
  QString message;
  Box focus = Box::WSNumMinors;
};

// Sets `interpMethod` ("Linear" when the preference reads exactly "Linear",
// otherwise "Closest"), refreshes the input slots (AssignWSVars), then checks:
//  0. the incomes and the child care and health costs of the method in use
//     are within the program's amount limit, and no cost is negative;
//  1. the number of children is a whole number from 1 up;
//  2. the two net incomes, as they print (whole dollars), do not sum to 0;
//  3. with shared possession, neither overnights figure is negative and the
//     two sum to exactly 365.
// A failed check writes no line. Otherwise every line's slot takes its value
// and its box the value formatted ("$ ###,##0"; lines 3 and 12 "###.#0%"): a
// total or difference of lines (0, 1, 5d, 8, 9, 14d, 17 to 21) and line 3's
// shares of line 1 are worked from those lines as they print, in whole
// dollars, so the printed lines add up to the printed total; a product keeps
// its factors' full precision. The computed boxes of the method not used,
// and line 21's box of the parent who does not pay, are emptied.
CalculationOutcome CalculateWS(WorksheetSheet& sheet, WorksheetValues& values,
                               QString& interpMethod, const CalculationInputs& inputs);

}  // namespace worksheet
