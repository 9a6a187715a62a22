#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "case/ExpressVars.h"
#include "express/ExpressFields.h"
#include "express/Prompter.h"

// Reading the Express screen's fields as the entry checks read them, and
// reporting a failed rule.
namespace express {

// The text with its currency characters ("," "$" " " "%") removed.
QString WithoutCurrency(const QString& text);

// An amount box: its value once the currency characters are removed; no value
// when what is left is not a number.
std::optional<double> ReadAmount(const QString& text);

// A count box read as typed: no value when the text is not a number, is below
// 0, or rounds (halves to even) to a count that 16 bits cannot hold.
std::optional<std::int16_t> ReadCount(const QString& text);

// The minor-children count as the checks read it: MinChild's text, or "0"
// when no child was born during the marriage; no value when it is not a count
// from 0 to 6 (a value of 7 or more, or one that rounds to 7).
std::optional<std::int16_t> ReadMinorCount(const QString& text, std::int16_t marriageChildren);

// One failed rule: the focus on `focus` (none when empty), the beep when asked,
// the Express screen brought forward when `show`, then the "Entry Error".
// Returns kCheckStop.
struct FailStep {
  QString focus;
  bool beep = false;
  bool show = false;
};
std::int16_t FailRule(ExpressFields& form1, Prompter& prompter, const FailStep& step,
                      const QString& message);

// A warning: the focus on `focus` (none when empty), then the "Entry Warning";
// true when the user answers Yes and the check stops.
bool WarnRule(ExpressFields& form1, Prompter& prompter, const QString& focus,
              const QString& message);

// The two children counts (NumChild, MinChild) into NumMarriageChildren and
// NumMinorChildren, as checks 0 and 1 both read them first. Returns kCheckStop
// after the failing count's message.
std::int16_t ReadChildrenCounts(ExpressFields& form1, casevars::ExpressVars& ev,
                                Prompter& prompter);

}  // namespace express
