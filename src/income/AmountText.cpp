#include "income/AmountText.h"

#include <cmath>

#include "platform/NumberText.h"
#include "platform/TextHelpers.h"

namespace income {

QString AmountTooLargeMessage() {
  return QStringLiteral("This amount is too large. Please enter an amount below $1,000,000,000,000.");
}

AmountReading ReadAmount(QStringView text) {
  QString working = text.toString();
  platform::RemoveCurrencyChars(working);
  if (!platform::IsNumeric(working)) return {};
  const double value = platform::Val(working);
  if (!std::isfinite(value) || std::fabs(value) > kLargestAmount) return {AmountReading::TooLarge, 0};
  return {AmountReading::Amount, static_cast<float>(value)};
}

QString FormatAmount(double value, const char* pattern) { return platform::Format(value, pattern); }

}  // namespace income
