#pragma once

#include <QString>

#include <optional>
#include <variant>

#include "case/CaseVars.h"

// The present value of the yearly award in force: equal monthly payments at
// the start of each month for the duration, each less the tax rate, each
// month discounted by (1 - the monthly discount rate).
namespace alimony {

// The longest duration a present value is computed for, in years.
inline constexpr double kMaxPresentValueYears = 100;

// The three boxes of the result window's "Present Value Of Award" frame, as typed.
struct PresentValueEntries {
  QString Duration;  // PresentValueDuration
  QString TaxRate;   // PresentValueTax
  QString Discount;  // PresentValueDiscount
};

enum class PresentValueBox { Duration, TaxRate, Discount };

// A rejected entry: the box to put the focus in and the "Entry Error" prompt.
struct PresentValueEntryError {
  PresentValueBox Box;
  QString Message;
};

// What a present-value box refuses as it is typed, as the box's message: a
// number that no further key can bring within the box's bounds (a duration
// below 0 or past kMaxPresentValueYears, a rate below 0 or of 1 or more).
// A text that is not yet a number ("", "-", "1e") is not refused here;
// CheckPresentValueEntries checks the whole entries.
QString RefusedAsTyped(PresentValueBox box, const QString& text);

// CheckPresentValueEntries: each box is read once; its text must be a number
// as a whole. Duration above 0 and at most kMaxPresentValueYears; the rates
// from 0 to below 1. Checked in that order; the first failure is returned.
// A success holds the entries read (Value is not yet computed).
std::variant<casevars::PresentValueFigures, PresentValueEntryError> CheckPresentValueEntries(
    const PresentValueEntries& entries);

// The sum of the payments: P x (1 - (1 - r)^N) / r, or P x N when r is 0, with
// P = (1 - tax) x award / 12, r = discount / 12 and N the whole months of the
// duration.
double PresentValueOf(double yrAward, const casevars::PresentValueFigures& entries);

struct PresentValueOutcome {
  std::optional<PresentValueEntryError> Error;  // the run stopped: nothing changed
  QString Picture8;  // the line shown: two blanks and the value in "$##,###,##0"
};

// Form3_PresentValueButton_Click without the window: checks the entries,
// computes the present value of Alimony.YrAlimonyAward and keeps it with its
// entries in Alimony.PresentValueOfAward. On an error the case is unchanged.
PresentValueOutcome ComputePresentValue(casevars::CaseVars& vars, const PresentValueEntries& entries);

}  // namespace alimony
