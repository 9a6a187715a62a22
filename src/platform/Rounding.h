#pragma once

namespace platform {

// Money rounding used by every calculation: the nearest whole number, halves
// away from zero (2.5 -> 3, -2.5 -> -3). The sum x + 0.5 is a double before the
// floor is taken, so single-precision amounts round exactly as doubles do.
double RoundToWhole(double x);

// numerator / denominator, where a denominator smaller than `guard` in size (a
// figure so small beside any amount that no other quotient feels it) is taken
// as `guard`: a share or rate of nothing is then large or 0, never a division
// by zero.
double GuardedQuotient(double numerator, double denominator, double guard);

}  // namespace platform
