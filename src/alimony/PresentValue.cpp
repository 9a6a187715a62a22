#include "alimony/PresentValue.h"

#include <cmath>

#include "platform/NumberText.h"

namespace alimony {

namespace {

std::optional<double> Strict(const QString& text) {
  if (!platform::IsNumeric(text)) return std::nullopt;
  return platform::Val(text);
}

const QString kDurationMessage =
    QStringLiteral("Please ReEnter The Duration In Years For A Present Value Calculation");
const QString kLongDurationMessage = kDurationMessage + QStringLiteral(" (At Most 100 Years)");

QString RateMessage(PresentValueBox box) {
  return box == PresentValueBox::TaxRate
             ? QStringLiteral("Please ReEnter The Tax Rate For A Present Value Calculation(As A Decimal)")
             : QStringLiteral("Please ReEnter The Discount Rate For A Present Value Calculation(As A Decimal)");
}

// A rate entry: a number from 0 to below 1.
std::optional<double> Rate(const QString& text) {
  const std::optional<double> rate = Strict(text);
  if (!rate || !(*rate >= 0 && *rate < 1)) return std::nullopt;
  return rate;
}

}  // namespace

QString RefusedAsTyped(PresentValueBox box, const QString& text) {
  const std::optional<double> value = Strict(text);
  if (!value) return {};
  if (box == PresentValueBox::Duration) {
    if (*value > kMaxPresentValueYears) return kLongDurationMessage;
    return *value < 0 ? kDurationMessage : QString();
  }
  return Rate(text) ? QString() : RateMessage(box);
}

std::variant<casevars::PresentValueFigures, PresentValueEntryError> CheckPresentValueEntries(
    const PresentValueEntries& entries) {
  casevars::PresentValueFigures f;
  const std::optional<double> duration = Strict(entries.Duration);
  if (!duration || !(*duration > 0)) return PresentValueEntryError{PresentValueBox::Duration, kDurationMessage};
  if (*duration > kMaxPresentValueYears)
    return PresentValueEntryError{PresentValueBox::Duration, kLongDurationMessage};
  f.DurationYears = *duration;
  const std::optional<double> tax = Rate(entries.TaxRate);
  if (!tax) return PresentValueEntryError{PresentValueBox::TaxRate, RateMessage(PresentValueBox::TaxRate)};
  f.TaxRate = *tax;
  const std::optional<double> discount = Rate(entries.Discount);
  if (!discount)
    return PresentValueEntryError{PresentValueBox::Discount, RateMessage(PresentValueBox::Discount)};
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
