#include "business/BusinessDeduction.h"

#include <algorithm>

#include "engine/tax/FilingStatus.h"

namespace business {

using casevars::Age65Status;
using casevars::Party;
using casevars::PartyBusiness;
using casevars::PartyIncome;
using tax::Filing;

double BusDeduction(double taxableIncome, double qualifiedIncome, double w2Wages, double property,
                   const QString& filingStatus, std::int16_t serviceTrade,
                   const tax::TaxYear& year) {
  const tax::QualifiedBusinessIncomeFigures& q = year.QualifiedBusinessIncome;
  const Filing filing = tax::FilingOf(filingStatus);
  const double threshold = q.Threshold[filing];
  if (taxableIncome < threshold) return q.DeductionRate * qualifiedIncome;

  const double upperLimit = q.DeductionRate * qualifiedIncome;
  const double wageAndPropertyLimit =
      std::max(q.WageLimitRate * w2Wages, q.WageRateWithProperty * w2Wages + q.PropertyRate * property);
  const double lowerLimit = upperLimit <= wageAndPropertyLimit
                               ? upperLimit
                               : wageAndPropertyLimit;
  const double fraction = 
      std::clamp((taxableIncome - threshold) / q.PhaseInRange[filing], 0.0, 1.0);

  double deduction = 0;
  if (serviceTrade == 0) {
    deduction = upperLimit - (double(upperLimit) - lowerLimit) * fraction;
  } else {
    // Only the applicable share of a service trade's income and limits counts.
    const double share = std::clamp(1.0 - fraction, 0.0, 1.0);
    const double a = share * upperLimit;
    deduction = a - (a - share * lowerLimit) * (1 - share);
  }
  return deduction < 0 ? 0.0 : deduction;
}

double EstimateStandardDeduction(const QString& filingStatus, Age65Status age65,
                                 const tax::TaxYear& year) {
  const tax::IncomeTaxFigures& t = year.IncomeTax;
  const Filing filing = tax::FilingOf(filingStatus);
  if (filing == Filing::Other) return 0;
  double deduction = t.StandardDeduction[filing];
  if (age65 == Age65Status::Yes) deduction += t.Age65Addition[filing];
  else if (age65 == Age65Status::Both && filing == Filing::MFJ) deduction += t.Age65BothAdditionMFJ;
  return deduction;
}

namespace {

// One business as the deduction sees it.
struct QualifiedBusiness {
  double amount;      // qualified amount before loss sharing
  double tips;        // tips not taken by the tips deduction
  double w2Wages;     // W-2 wages for the limit
  double property;
  std::int16_t trade;
};

double TipsCounted(double tips, double deducted) { return tips > deducted ? tips - deducted : 0.0; }

// Businesses A to D of one column, in that order.
std::array<QualifiedBusiness, 4> ColumnBusinesses(const PartyBusiness& b, const PartyIncome& in,
                                                  const ServiceTradeFlags& trades, int column) {
  const auto& t = trades.Value[column];
  if (column == 0)
    return {{{b.YrAWages, TipsCounted(b.YrATips, in.YrATipsDeducted), b.YrAW2Wages, b.YrACapital, t[0]},
             {b.YrBWages, TipsCounted(b.YrBTips, in.YrBTipsDeducted), b.YrBW2Wages, b.YrBCapital, t[1]},
             {b.YrCPass, TipsCounted(b.YrCTips, in.YrCTipsDeducted), b.YrCW2Wages + b.YrCWages,
              b.YrCCapital, t[2]},
             {b.YrDPass, 0, b.YrDW2Wages + b.YrDWages, b.YrDCapital, t[3]}}};
  return {{{b.YrAWages1, TipsCounted(b.YrATips1, in.YrATipsDeducted1), b.YrAW2Wages1, b.YrACapital1, t[0]},
           {b.YrBWages1, TipsCounted(b.YrBTips1, in.YrBTipsDeducted1), b.YrBW2Wages1, b.YrBCapital1, t[1]},
           {b.YrCPass1, TipsCounted(b.YrCTips1, in.YrCTipsDeducted1), b.YrCW2Wages1 + b.YrCWages1,
            b.YrCCapital1, t[2]},
           {b.YrDPass1, 0, b.YrDW2Wages1 + b.YrDWages1, b.YrDCapital1, t[3]}}};
}

}  // namespace

tax::BusinessDeduction ComputeBusinessDeduction(const casevars::CaseVars& vars, Party party,
                                                double yrAGI, const ServiceTradeFlags& trades,
                                                const tax::TaxYear& year) {
  const PartyBusiness& b = vars.Business[party];
  const PartyIncome& in = vars.Income[party];
  const QString& filing = vars.Express[party].FilingStatus;
  const bool joint = filing == casevars::filing::MFJ;
  const double rate = year.QualifiedBusinessIncome.DeductionRate;

  const double standard = EstimateStandardDeduction(filing, in.Age65Status, year);
  const double used = standard < in.YrItemized ? double(in.YrItemized) : standard;
  const double taxable = yrAGI - used;

  std::array<QualifiedBusiness, 8> businesses{};
  const std::array<QualifiedBusiness, 4> own = ColumnBusinesses(b, in, trades, 0);
  std::copy(own.begin(), own.end(), businesses.begin());
  const std::size_t count = joint ? 8 : 4;
  if (joint) {
    const std::array<QualifiedBusiness, 4> spouse = ColumnBusinesses(b, in, trades, 1);
    std::copy(spouse.begin(), spouse.end(), businesses.begin() + 4);
  }

  // A net loss is shared among the businesses with income, in proportion to it.
  double positive = 0;
  double loss = 0;
  for (std::size_t k = 0; k < count; ++k) {
    if (businesses[k].amount >= 0) positive += businesses[k].amount;
    else loss += businesses[k].amount;
  }
  const double net = positive + loss;
  tax::BusinessDeduction out;
  out.YrBusLossCarryover = net < 0 ? net : 0.0;

  double deduction = 0;
  for (std::size_t k = 0; k < count; ++k) {
    const QualifiedBusiness& q = businesses[k];
    const double share = q.amount > 0 ? q.amount / positive * loss : 0.0;
    const double qualified = q.amount + share + q.tips;
    const double d = BusDeduction(taxable, qualified, q.w2Wages, q.property, filing, q.trade, year);
    if (d > 0) deduction += d;
  }
  deduction += rate * b.YrREIT;
  if (joint) deduction += rate * b.YrREIT1;

  if (rate * taxable < deduction) deduction = rate * taxable;
  const double gains = joint ? in.YrLT + in.YrLT1 : in.YrLT;
  const double cap = rate * (double(taxable) - gains);
  if (deduction > cap) deduction = cap;
  out.YrBusDeduction = deduction > 0 ? deduction : 0.0;
  return out;
}

tax::BusinessDeductionFn MakeBusinessDeductionService(
    const casevars::CaseVars& vars, std::function<ServiceTradeFlags(Party)> trades) {
  return [&vars, trades = std::move(trades)](Party party, double yrAGI) {
    return ComputeBusinessDeduction(vars, party, yrAGI, trades ? trades(party) : ServiceTradeFlags{});
  };
}

}  // namespace business
