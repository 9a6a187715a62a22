#include "income/IncomeTotals.h"

#include <cmath>
#include <vector>

#include "platform/AmountLimit.h"

namespace income {

using casevars::PartyIncome;

double ColumnTotal(const PartyIncome& in, Column column) {
  double sum = 0;
  for (const AmountField& f : AmountFields())
    if (f.income && f.column == column) sum += in.*f.variable;
  return sum;
}

namespace {

const std::vector<double PartyIncome::*>& RescaledVariables() {
  static const std::vector<double PartyIncome::*> vars = [] {
    std::vector<double PartyIncome::*> v;
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

bool CanRescale(const PartyIncome& in, double factor) {
  for (auto v : RescaledVariables())
    if (!std::isfinite(in.*v * factor)) return false;
  for (const AmountField& f : AmountFields())
    if (f.rescaled && IsEntered(f) && !platform::WithinAmountLimit(in.*f.variable * factor)) return false;
  return true;
}

void Rescale(PartyIncome& in, double factor) {
  for (auto v : RescaledVariables()) in.*v *= factor;
}

}  // namespace income
