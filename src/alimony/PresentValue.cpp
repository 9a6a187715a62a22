#include "alimony/PresentValue.h"

#include <cmath>

#include "platform/NumberText.h"

namespace alimony {

namespace {

std::optional<double> Strict(const QString& text) {
  if (!platform::IsNumeric(text)) return std::nullopt;
  return platform::Val(text);
}

}  // namespace

std::variant<casevars::PresentValueFigures, PresentValueEntryError> CheckPresentValueEntries(
    const PresentValueEntries& entries) {
  casevars::PresentValueFigures f;
  const std::optional<double> duration = Strict(entries.Duration);
  if (!duration || !(*duration > 0))
    return PresentValueEntryError{
        PresentValueBox::Duration,
        QStringLiteral("Please ReEnter The Duration In Years For A Present Value Calculation")};
  if (*duration > kMaxPresentValueYears)
    return PresentValueEntryError{
        PresentValueBox::Duration,
        QStringLiteral("Please ReEnter The Duration In Years For A Present Value Calculation"
                       " (At Most 100 Years)")};
  f.DurationYears = *duration;
  const std::optional<double> tax = Strict(entries.TaxRate);
  if (!tax || !(*tax >= 0 && *tax < 1))
    return PresentValueEntryError{
        PresentValueBox::TaxRate,
        QStringLiteral("Please ReEnter The Tax Rate For A Present Value Calculation(As A Decimal)")};
  f.TaxRate = *tax;
  const std::optional<double> discount = Strict(entries.Discount);
  if (!discount || !(*discount >= 0 && *discount < 1))
    return PresentValueEntryError{
        PresentValueBox::Discount,
        QStringLiteral("Please ReEnter The Discount Rate For A Present Value Calculation(As A Decimal)")};
  f.DiscountRate = *discount;
  f.DiscountText = entries.Discount;
  return f;
}

double PresentValueOf(double yrAward, const casevars::PresentValueFigures& e) {
  const double payment = (1 - double(e.TaxRate)) * double(yrAward) / 12;
  const double r = double(e.DiscountRate) / 12;
  const double months = e.DurationYears * 12.0;
  const double n = std::floor(double(months));
  if (n < 1) return 0;
  if (r == 0) return payment * n;
  return payment * (1 - std::pow(1 - r, n)) / r;
}

PresentValueOutcome ComputePresentValue(casevars::CaseVars& vars, const PresentValueEntries& entries) {
  auto checked = CheckPresentValueEntries(entries);
  PresentValueOutcome out;
  if (auto* error = std::get_if<PresentValueEntryError>(&checked)) {
    out.Error = *error;
    return out;
  }
  casevars::PresentValueFigures figures = std::get<casevars::PresentValueFigures>(checked);
  figures.Value = PresentValueOf(vars.Alimony.YrAlimonyAward, figures);
  vars.Alimony.PresentValueOfAward = figures;
  out.Picture8 = QStringLiteral("  ") + platform::Format(figures.Value, "$##,###,##0");
  return out;
}

}  // namespace alimony
