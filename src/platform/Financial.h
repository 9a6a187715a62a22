#pragma once

#include <optional>

// Time-value-of-money functions. Each obeys the relation
//   pv * (1 + r)^n + pmt * (1 + r * t) * ((1 + r)^n - 1) / r + fv = 0
// (for r = 0: pv + pmt * n + fv = 0), where r is the rate per period, n the
// number of periods, pmt the level payment per period, pv the present value,
// fv the future value and t the timing: 1 for payments at the beginning of
// each period, 0 at the end. Money paid out is negative and money received is
// positive: a loan of 100,000 taken (pv = -100000 from the lender's side)
// gives a positive payment.
//
// Each returns no value when it finds no finite answer (no periods, a rate of
// -100% or less, an overflow, a payment number outside 1..n); callers report
// that as a calculation that failed. Present values and payments are worked
// out from (1 + r)^-n, so they overflow only where the answer itself does.
namespace platform {

enum class PaymentTiming { EndOfPeriod = 0, BeginningOfPeriod = 1 };

// The level payment per period.
std::optional<double> Payment(double rate, double periods, double presentValue, double futureValue = 0,
                              PaymentTiming timing = PaymentTiming::EndOfPeriod);

// The rate per period, found by Newton's iteration starting at `guess`. No
// value when the iteration does not settle on a rate above -100%.
std::optional<double> Rate(double periods, double payment, double presentValue, double futureValue,
                           PaymentTiming timing, double guess);

// The interest part of payment number `period` (1 to `periods`): the rate times
// the balance outstanding before that payment, with the sign of the payment.
std::optional<double> InterestPart(double rate, double period, double periods, double presentValue,
                                   double futureValue = 0,
                                   PaymentTiming timing = PaymentTiming::EndOfPeriod);

std::optional<double> PresentValue(double rate, double periods, double payment, double futureValue = 0,
                                   PaymentTiming timing = PaymentTiming::EndOfPeriod);

std::optional<double> FutureValue(double rate, double periods, double payment, double presentValue = 0,
                                  PaymentTiming timing = PaymentTiming::EndOfPeriod);

}  // namespace platform
