#include "engine/tax/TaxCredits.h"

#include <algorithm>
#include <cmath>

#include "platform/Rounding.h"

namespace tax {

double ComputeChildTaxCredit(double income, const QString& filingStatus, std::int16_t children,
                            const TaxYear& year) {
  const ChildTaxCreditFigures& f = year.ChildTaxCredit;
  double credit = double(f.CreditPerChild) * children;
  const Filing filing = FilingOf(filingStatus);
  if (filing != Filing::Other) {
    const double threshold = f.PhaseOutThreshold[filing];
    if (income > threshold) {
      // A part of a step counts as a whole step.
      const double steps = std::floor((income - threshold) / f.PhaseOutStep + 0.999999);
      credit -= f.ReductionPerStep * steps;
    }
  }
  if (credit < 0) credit = 0;
  return platform::RoundToWhole(credit);
}

double DependentCareCreditRate(double income, const QString& filingStatus, const TaxYear& year) {
  const DependentCareCreditFigures& f = year.DependentCare;
  const Filing filing = FilingOf(filingStatus);
  // Each step is a band open below and closed above: one point for each step
  // of income, or part of one, above the start.
  const auto pointsAbove = [income](double start, double step) {
    return std::ceil((income - start) / step);
  };
  double percent = f.HighestRatePercent;
  const double secondStart = f.SecondPhaseDownStart[filing];
  if (income > secondStart) {
    percent = std::max(f.MiddleRatePercent - pointsAbove(secondStart, f.SecondPhaseDownStep[filing]),
                       double(f.LowestRatePercent));
  } else if (income > f.FirstPhaseDownStart) {
    percent = std::max(f.HighestRatePercent - pointsAbove(f.FirstPhaseDownStart, f.FirstPhaseDownStep),
                       double(f.MiddleRatePercent));
  }
  return percent / 100.0;
}

double ComputeDependentCareCredit(double income, const QString& filingStatus, double expenses,
                                 std::int16_t children, const TaxYear& year) {
  const DependentCareCreditFigures& f = year.DependentCare;
  double counted = 0;
  if (children == 1) counted = std::min(double(expenses), f.ExpenseLimitOneChild);
  else if (children >= 2) counted = std::min(double(expenses), f.ExpenseLimitTwoOrMore);
  const double credit =
      counted * DependentCareCreditRate(income, filingStatus, year);
  return platform::RoundToWhole(credit);
}

double ComputeEarnedIncomeCredit(double income, double earned, double investIncome, double halfSETax,
                                const QString& filingStatus, std::int16_t children,
                                const TaxYear& year) {
  const EarnedIncomeCreditFigures& f = year.EarnedIncomeCredit;
  const Filing filing = FilingOf(filingStatus);
  if (children < 0 || children > 3) return 0;
  if (investIncome > f.InvestmentIncomeLimit || filing == Filing::MarriedSep) return 0;

  const EarnedIncomeCreditRow& row = f.ByChildren[std::size_t(children)];
  const double m = row.MaximumCredit;
  const double a = row.EarnedIncomeAmount;
  const double s = filing == Filing::MFJ ? row.PhaseOutStartMFJ : row.PhaseOutStart;
  const double e = filing == Filing::MFJ ? row.PhaseOutEndMFJ : row.PhaseOutEnd;
  const double earnedNet = double(earned) - halfSETax;

  const auto creditAt = [&](double x) {
    if (earnedNet > e || x > e) return 0.0;
    if (x < a) return m / a * x;
    if (x <= s) return m;
    return m - m / (e - s) * (x - s);
  };
  // The credit is the smaller of the one on the income (or, below the
  // phase-out, on the earned income) and the one on the earned income.
  const double byIncome = creditAt(income <= s ? earnedNet : double(income));
  const double byEarned = creditAt(earnedNet);
  return byIncome < byEarned ? byIncome : byEarned;
}

CreditTotals ApplyTaxCreditLimits(const CreditLimitInputs& in, double& careCredit,
                                  const TaxYear& year) {
  const ChildTaxCreditFigures& f = year.ChildTaxCredit;
  const double tax = in.IncomeTax;
  if (careCredit >= tax) careCredit = in.IncomeTax;

  // Non-refundable credits up to the tax; what the child tax credit leaves
  // over may be refunded as the additional credit.
  double total = double(careCredit) + in.OtherCredits;
  if (total >= tax) total = tax;
  total += in.ChildTaxCredit;
  double additional = 0;
  if (total >= tax) {
    additional = total - tax;
    total = tax;
  }

  double limit = f.RefundableRate * (double(in.EarnedWages) + in.SEIncome - in.HalfSETax -
                                     f.RefundableEarnedIncomeFloor);
  if (limit < 0) limit = 0;
  if (in.Children >= 3) {
    const double payrollLeft = double(in.FicaTax) - in.HalfSETax - in.EIC;
    if (payrollLeft > limit) limit = payrollLeft;
  }
  if (additional >= limit) additional = limit;
  if (in.Children >= 1 && additional / in.Children >= f.RefundablePerChild)
    additional = double(f.RefundablePerChild) * in.Children;

  CreditTotals out;
  out.AddlChildTaxCredit = additional;
  out.TotalCredits = total + additional + in.EIC;
  return out;
}

}  // namespace tax
