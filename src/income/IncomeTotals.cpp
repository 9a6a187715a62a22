#include "income/IncomeTotals.h"

#include <cmath>
#include <limits>
#include <vector>

#include "platform/AmountLimit.h"

namespace income {

using casevars::PartyIncome;

float ColumnTotal(const PartyIncome& in, Column column) {
  double sum = 0;
  for (const AmountField& f : AmountFields())
    if (f.income && f.column == column) sum += in.*f.variable;
  return static_cast<float>(sum);
}

namespace {

const std::vector<float PartyIncome::*>& RescaledVariables() {
  static const std::vector<float PartyIncome::*> vars = [] {
    std::vector<float PartyIncome::*> v;
    for (const AmountField& f : AmountFields())
      if (f.rescaled) v.push_back(f.variable);
    v.push_back(&PartyIncome::YrAGIBase);
    return v;
  }();
  return vars;
}

// The business income boxes are filled by the business window, not typed.
bool IsEntered(const AmountField& f) {
  return !f.total && f.variable != &PartyIncome::YrSelf && f.variable != &PartyIncome::YrSelf1;
}

}  // namespace

bool CanRescale(const PartyIncome& in, float factor) {
  const double largest = std::numeric_limits<float>::max();
  for (auto v : RescaledVariables()) {
    const double product = double(in.*v) * factor;
    if (!std::isfinite(product) || std::fabs(product) > largest) return false;
  }
  for (const AmountField& f : AmountFields())
    if (f.rescaled && IsEntered(f) && !platform::WithinAmountLimit(double(in.*f.variable) * factor)) return false;
  return true;
}

void Rescale(PartyIncome& in, float factor) {
  for (auto v : RescaledVariables()) in.*v = static_cast<float>(double(in.*v) * factor);
}

}  // namespace income
