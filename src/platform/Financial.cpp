#include "platform/Financial.h"

#include <cmath>

namespace platform {

namespace {

std::optional<double> Finite(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  return x;
}

double Timing(PaymentTiming timing) { return timing == PaymentTiming::BeginningOfPeriod ? 1.0 : 0.0; }

// (1 + r)^n, and the annuity factor (1 + r t)((1 + r)^n - 1) / r with its limit n at r = 0.
double Growth(double r, double n) { return std::pow(1 + r, n); }
double AnnuityFactor(double r, double n, double t) {
  if (r == 0) return n;
  return (1 + r * t) * std::expm1(n * std::log1p(r)) / r;
}

// The same seen from the start: (1 + r)^-n, and the annuity factor divided by
// (1 + r)^n, (1 + r t)(1 - (1 + r)^-n) / r. Present values and payments use
// these, so that a growth too large for a double does not stop an answer that
// is itself a number.
double Discount(double r, double n) { return std::exp(-n * std::log1p(r)); }
double DiscountedAnnuityFactor(double r, double n, double t) {
  if (r == 0) return n;
  return (1 + r * t) * -std::expm1(-n * std::log1p(r)) / r;
}

}  // namespace

std::optional<double> FutureValue(double rate, double periods, double payment, double presentValue,
                                  PaymentTiming timing) {
  if (rate <= -1) return std::nullopt;
  return Finite(-(presentValue * Growth(rate, periods) + payment * AnnuityFactor(rate, periods, Timing(timing))));
}

std::optional<double> PresentValue(double rate, double periods, double payment, double futureValue,
                                   PaymentTiming timing) {
  if (rate <= -1) return std::nullopt;
  return Finite(-(futureValue * Discount(rate, periods) + payment * DiscountedAnnuityFactor(rate, periods, Timing(timing))));
}

std::optional<double> Payment(double rate, double periods, double presentValue, double futureValue,
                              PaymentTiming timing) {
  if (rate <= -1 || periods == 0) return std::nullopt;
  const double factor = DiscountedAnnuityFactor(rate, periods, Timing(timing));
  if (factor == 0) return std::nullopt;
  return Finite(-(futureValue * Discount(rate, periods) + presentValue) / factor);
}

std::optional<double> Rate(double periods, double payment, double presentValue, double futureValue,
                           PaymentTiming timing, double guess) {
  const double t = Timing(timing);
  // f(r) = pv (1+r)^n + pmt (1 + r t)((1+r)^n - 1)/r + fv, solved by Newton's
  // method with a numerical slope.
  auto f = [&](double r) {
    return presentValue * Growth(r, periods) + payment * AnnuityFactor(r, periods, t) + futureValue;
  };
  double r = guess;
  constexpr int kSteps = 100;
  for (int step = 0; step < kSteps; ++step) {
    if (!(r > -1) || !std::isfinite(r)) return std::nullopt;
    const double value = f(r);
    if (!std::isfinite(value)) return std::nullopt;
    const double h = 1e-7 * std::max(1.0, std::fabs(r));
    const double slope = (f(r + h) - f(r - h)) / (2 * h);
    if (!std::isfinite(slope) || slope == 0) return std::nullopt;
    const double next = r - value / slope;
    if (std::fabs(next - r) <= 1e-12 * std::max(1.0, std::fabs(r))) {
      if (!(next > -1)) return std::nullopt;
      return next;
    }
    r = next;
  }
  return std::nullopt;
}

std::optional<double> InterestPart(double rate, double period, double periods, double presentValue,
                                   double futureValue, PaymentTiming timing) {
  if (period < 1 || period > periods) return std::nullopt;
  const auto payment = Payment(rate, periods, presentValue, futureValue, timing);
  if (!payment) return std::nullopt;
  const bool atBeginning = timing == PaymentTiming::BeginningOfPeriod;
  // The balance outstanding before the payment, as a future value so far.
  std::optional<double> balance;
  if (period == 1) {
    if (atBeginning) return 0.0;
    balance = -presentValue;
  } else if (atBeginning) {
    const auto before = FutureValue(rate, period - 2, *payment, presentValue, timing);
    if (!before) return std::nullopt;
    balance = *before - *payment;
  } else {
    balance = FutureValue(rate, period - 1, *payment, presentValue, timing);
  }
  if (!balance) return std::nullopt;
  return Finite(*balance * rate);
}

}  // namespace platform
