#include "platform/AmountLimit.h"

#include <cmath>

#include "platform/NumberText.h"
#include "platform/TextHelpers.h"

namespace platform {

bool WithinAmountLimit(double value) {
  return std::isfinite(value) && std::fabs(value) <= kLargestAmount;
}

QString AmountTooLargeMessage() {
  return QStringLiteral(
      "This amount is too large. Please enter an amount below $1,000,000,000,000.");
}

QString BeyondTheLimitText() { return QStringLiteral("an amount of $1,000,000,000,000 or more"); }

QString NegativeAmountMessage() {
  return QStringLiteral("This amount cannot be negative. Please enter an amount of $0 or more.");
}

QString ConversionTooLargeMessage(const QString& periodName) {
  return QStringLiteral("The amounts entered are too large to be converted to %1 amounts.")
      .arg(periodName);
}

AmountReading ReadAmount(QStringView text, AmountSign sign) {
  QString working = text.toString();
  RemoveCurrencyChars(working);
  if (!IsNumeric(working)) return {};
  const double value = Val(working);
  if (!WithinAmountLimit(value)) return {AmountReading::TooLarge, 0};
  if (sign == AmountSign::NotNegative && value < 0) return {AmountReading::Negative, 0};
  return {AmountReading::Amount, value};
}

}  // namespace platform
