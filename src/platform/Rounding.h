#pragma once

namespace platform {

// Money rounding used by every calculation: the nearest whole number, halves
// away from zero (2.5 -> 3, -2.5 -> -3). The sum x + 0.5 is a double before the
// floor is taken, so single-precision amounts round exactly as doubles do.
double RoundToWhole(double x);

}  // namespace platform
