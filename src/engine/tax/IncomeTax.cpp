#include "engine/tax/IncomeTax.h"

#include <algorithm>

#include "platform/Rounding.h"

namespace tax {

using casevars::Age65Status;

double SeniorDeduction(double income, Age65Status age65, Filing filing, const TaxYear& year) {
  const IncomeTaxFigures& t = year.IncomeTax;
  double full = 0;
  if (age65 == Age65Status::Yes &&
      (filing == Filing::Single || filing == Filing::Head || filing == Filing::MFJ))
    full = t.SeniorDeduction;
  else if (age65 == Age65Status::Both && filing == Filing::MFJ)
    full = t.SeniorDeductionBothMFJ;
  if (full == 0) return 0;
  const double start = t.SeniorPhaseOutStart[filing];
  const double s = income <= start ? full : full - t.SeniorPhaseOutRate * (income - start);
  return s < 1 ? 0 : s;
}

namespace {

double StandardDeduction(Age65Status age65, Filing filing, double senior, const TaxYear& year) {
  const IncomeTaxFigures& t = year.IncomeTax;
  double d = t.StandardDeduction[filing];
  if (age65 == Age65Status::Yes && filing != Filing::Other) d += t.Age65Addition[filing] + senior;
  else if (age65 == Age65Status::Both && filing == Filing::MFJ) d += t.Age65BothAdditionMFJ + senior;
  return d;
}

double OrdinaryTax(double o, Filing filing, const TaxYear& year) {
  const IncomeTaxFigures& t = year.IncomeTax;
  const std::array<double, 6>& top = t.BracketTops[filing];
  double below = 0;  // tax on the income up to the previous bracket's top
  double previousTop = 0;
  for (std::size_t k = 0; k < top.size(); ++k) {
    if (o <= top[k]) return below + (o - previousTop) * double(t.Rates[k]);
    below += (top[k] - previousTop) * double(t.Rates[k]);
    previousTop = top[k];
  }
  return below + (o - previousTop) * double(t.Rates[6]);
}

// Tax on the gains G stacked on top of the ordinary income O.
double CapitalGainTax(double o, double g, Filing filing, const TaxYear& year) {
  const IncomeTaxFigures& t = year.IncomeTax;
  const double l1 = t.CapitalGainZeroRateTop[filing];
  const double l2 = t.CapitalGainFifteenRateTop[filing];
  const double r15 = t.CapitalGainRates[1];
  const double r20 = t.CapitalGainRates[2];
  if (o + g <= l1) return 0;
  if (o > l2) return g * r20;
  if (o + g <= l2) return o <= l1 ? (o + g - l1) * r15 : g * r15;
  if (o <= l1) return (o + g - l2) * r20 + (l2 - l1) * r15;
  return (l2 - o) * r15 + (o + g - l2) * r20;
}

}  // namespace

double ComputeIncomeTax(double income, double longTermGains, double itemized, Age65Status age65,
                       const QString& filingStatus, double investIncome, const TaxYear& year) {
  const IncomeTaxFigures& t = year.IncomeTax;
  const Filing filing = FilingOf(filingStatus);
  const double senior = SeniorDeduction(income, age65, filing, year);
  const double standard = StandardDeduction(age65, filing, senior, year);
  const double deduction = standard < senior + itemized ? senior + itemized : standard;

  double ordinary = 0;
  double gains = 0;
  if (double(income) - longTermGains >= deduction) {
    ordinary = income - deduction - longTermGains;
    gains = longTermGains;
  } else {
    gains = std::max(0.0, income - deduction);
  }

  double total = OrdinaryTax(ordinary, filing, year) + CapitalGainTax(ordinary, gains, filing, year);

  const double threshold = t.NetInvestmentIncomeThreshold[filing];
  if (income > threshold && investIncome > 0) {
    const double excess = income - threshold;
    total += t.NetInvestmentIncomeRate * (excess < investIncome ? excess : double(investIncome));
  }
  if (total < 0) total = 0;
  return platform::RoundToWhole(total);
}

}  // namespace tax
