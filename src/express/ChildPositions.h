#pragma once

#include <QString>

#include <array>

// The child-position captions of the split-custody rows (Form1's ChildLabel)
// and of the parenting-time window's child frames (Form16's ShareFrame), by
// the number of minor children.
namespace express {

struct ChildPosition {
  QString caption;
  bool visible = false;
};

// Positions 0 (the youngest child) to 5 for n minor children; n of 6 or more
// gives six positions, the last "Oldest Child(ren)". n below 1 gives no
// visible position.
std::array<ChildPosition, 6> ChildPositions(int n);

}  // namespace express
