#include "platform/Rounding.h"

#include <cmath>

namespace platform {

double RoundToWhole(double x) {
  if (x < 0) return -std::floor(-x + 0.5);
  return std::floor(x + 0.5);
}

double GuardedQuotient(double numerator, double denominator, double guard) {
  return numerator / (std::fabs(denominator) < guard ? guard : denominator);
}

}  // namespace platform
