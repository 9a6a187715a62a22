#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

#include "case/BusinessVars.h"
#include "case/Party.h"
#include "platform/AmountLimit.h"

// The twenty amount boxes of a business income window (Form26 / Form27) and
// the case variable behind each box of each column. Every box is a pair of
// text boxes: column 0 for the party, column 1 for the party's new spouse.
namespace business {

// In the order in which the column methods read and rewrite the boxes.
enum class Box : std::uint8_t {
  AWages, BWages, CWages, DWages, CPass, DPass, REIT,
  AW2, BW2, CW2, DW2, ACap, BCap, CCap, DCap,
  ANot, BNot, ATips, BTips, CTips,
};

inline constexpr int kBoxCount = 20;
inline constexpr int kColumns = 2;

inline constexpr std::array<Box, kBoxCount> kBoxes = {
    Box::AWages, Box::BWages, Box::CWages, Box::DWages, Box::CPass, Box::DPass, Box::REIT,
    Box::AW2,    Box::BW2,    Box::CW2,    Box::DW2,    Box::ACap,  Box::BCap,  Box::CCap,
    Box::DCap,   Box::ANot,   Box::BNot,   Box::ATips,  Box::BTips, Box::CTips,
};

// The column a column index selects: 0 the party, any other value the new spouse.
constexpr int ColumnOf(int index) { return index == 0 ? 0 : 1; }

// The box's name on the window: "AWages", ..., and for the tips boxes the
// party's prefix ("ClaimATips" on Form26, "PayerATips" on Form27).
QString BoxName(Box box, casevars::Party party);

// The box that Enter moves to, in the same column.
Box EnterMovesTo(Box box);

// Whether the box's amount may be below zero.
platform::AmountSign SignOf(Box box);

// The case variable behind a box of a column.
double& BoxVar(casevars::PartyBusiness& vars, Box box, int column);
double BoxVar(const casevars::PartyBusiness& vars, Box box, int column);

// The amount pattern of every box and total of the window.
inline constexpr const char* kAmountPattern = "$ ###,###.#0";

// The value of an amount text as the boxes read it: a copy is cleaned of
// "$", ",", blanks and "%"; a text that is then numeric gives its value, any
// other text (the empty text included) none. A number
// beyond the program's amount limit (platform/AmountLimit.h) counts as not
// numeric, so no box ever holds an amount beyond it; so does a negative
// number read with the sign NotNegative.
std::optional<double> ReadAmount(const QString& text,
                                 platform::AmountSign sign = platform::AmountSign::MayBeNegative);

}  // namespace business
