#pragma once

#include <QString>

#include <cstdint>
#include <vector>

#include "case/IncomeVars.h"
#include "case/Party.h"
#include "platform/AmountLimit.h"

// The amount boxes of the income windows and how each behaves. A box's
// control name is the party's prefix ("Claim" or "Payer") and its suffix;
// the tips and overtime boxes are two-element control arrays ("ClaimTips"
// element 0 for the party, element 1 for the new spouse).
namespace income {

enum class Column : std::uint8_t { Party, Spouse };

// What Enter does in a box after storing its amount.
enum class EnterAction : std::uint8_t {
  Stay,              // nothing more
  Move,              // moves the focus to the next box of the chain
  RecomputeAndMove,  // recomputes the totals first
};

struct AmountField {
  const char* suffix;  // "Earned", "Tips", "PriorMaintPaid3"
  int index;           // element of a control array, -1 for a single box
  double casevars::PartyIncome::*variable;
  int tab;             // 0 gross income, 1 adjustments, 2 credits and deductions, 3 allowable deductions
  Column column;
  bool income;    // an income box of the gross income tab: redrawn and totalled, recomputes on leaving
  bool total;     // a column total: computed, never read from its text
  bool rescaled;  // held in the entry period (converted by a period change); else yearly
  bool keyUp;     // the box stores its amount in its variable on every edit
  bool keyPress;  // the box discards the Enter character
  bool gotFocus;  // entering the box puts the caret after the "$"
  EnterAction enter;
  const char* enterSuffix;  // the box Enter moves to
  int enterIndex;
  // Business income, gains and losses, rentals and other adjustments may be
  // negative; every other income, deduction and credit cannot.
  platform::AmountSign sign = platform::AmountSign::NotNegative;
};

// Every amount box of a window, in the order of the window's design.
const std::vector<AmountField>& AmountFields();

// The box with this suffix and element, or null.
const AmountField* FindAmountField(const QString& suffix, int index = -1);

// "Claim" or "Payer".
QString PartyPrefix(casevars::Party party);

// The control name of a box of a party's window: "ClaimEarned", "PayerTips(1)".
QString ControlName(casevars::Party party, const AmountField& field);
QString ControlName(casevars::Party party, const char* suffix, int index = -1);

}  // namespace income
