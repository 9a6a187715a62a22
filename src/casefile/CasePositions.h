#pragma once

#include <array>
#include <span>

#include "platform/AmountLimit.h"

// The case data file's record: 399 positions in a fixed order, each with the
// control it comes from and goes back to. The one table serves the writer and
// the reader.
namespace casefile {

inline constexpr int kPositionCount = 399;
inline constexpr int kBlockCount = 18;

// How a position is written.
enum class Written {
  Text,       // the Text of a text box or drop-down, quoted
  Boolean,    // the Value of an option: #TRUE# / #FALSE#
  Check,      // the Value of a check box: a bare 0 or 1
  FontName,   // the worksheet font's name, quoted
  FontSize,   // the worksheet font's size in points, a bare number (10, 8.25)
  Nothing,    // a retired position: nothing between its commas
  EmptyText,  // a retired position: ""
};

// What the reader does with a position's value.
enum class OnReading {
  Text,             // into the box's Text
  Choice,           // into the option's Value as chosen / not chosen
  Tick,             // into the check box's Value as 0, 1 or 2
  ServiceTick,      // True / -1 made 1, False / 0 / empty made 0, then Tick
  ServiceTickText,  // the same, then Text
  StateTaxText,     // Text; an empty text then becomes "As Rate" (after position 279), any other but "As Rate" "As Amount"
  FontName,         // the worksheet font's name
  FontSize,         // the worksheet font's size
  Ignored,          // read and not used
};

struct Position {
  int position;         // 1 to 399
  const char* window;   // "Form1", "Form9", ...; "" for the font and retired positions
  const char* control;  // "ClaimantName", "WSFont"; "" for retired positions
  int index;            // element of a control array, or -1
  Written written;
  OnReading onReading;
};

// The 399 positions, position n at element n - 1.
const std::array<Position, kPositionCount>& CasePositions();

// The sizes of the 18 reading blocks (185, 26, 14, ...): the first must be
// whole, each later one is read only when the file goes on after the one before.
std::span<const int> CaseBlockSizes();

// The block (1 to 18) that holds a position.
int BlockOfPosition(int position);

// Whether the position's text goes into an amount box the user fills in (and
// so keeps within the amount limit): the boxes of the income and business
// windows but the totals and the business income, the Express screen's
// costs, transfers and state taxes, and the worksheet's typed amounts.
bool HoldsAmount(const Position& p);

// Whether the amount of such a box may be below zero, as its window's box
// rule says: the income and business windows' field tables, the Express
// screen's day care, state tax and health costs, the worksheet's costs.
platform::AmountSign SignOf(const Position& p);

}  // namespace casefile
