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
      "This amount is too large. Please enter an amount of $999,999,999,999 or less.");
}

QString BeyondTheLimitText() { return QStringLiteral("an amount above $999,999,999,999"); }

QString NegativeAmountMessage() {
  return QStringLiteral("This amount cannot be negative. Please enter an amount of $0 or more.");
}

QString NotANumberMessage() {
  return QStringLiteral("This entry is not a number. Please enter the amount in figures, such as 1,234.56.");
}

QString ConversionTooLargeMessage(const QString& periodName) {
  return QStringLiteral("The amounts entered are too large to be converted to %1 amounts.")
      .arg(periodName);
}

AmountReading ReadAmount(QStringView text, AmountSign sign) {
  QString working = text.toString();
  RemoveCurrencyChars(working);
  if (!IsNumeric(working)) {
    AmountReading none;
    none.blank = working.remove(QChar(0)).isEmpty();
    return none;
  }
  const double value = Val(working);
  if (!WithinAmountLimit(value)) return {AmountReading::TooLarge, 0};
  if (sign == AmountSign::NotNegative && value < 0) return {AmountReading::Negative, 0};
  return {AmountReading::Amount, value};
}

QString RefusalMessage(const AmountReading& reading) {
  if (!reading.refused()) return {};
  if (reading.kind == AmountReading::TooLarge) return AmountTooLargeMessage();
  if (reading.kind == AmountReading::Negative) return NegativeAmountMessage();
  return NotANumberMessage();
}

QString RefusalMessage(const AmountReading& reading, const QString& place) {
  if (!reading.refused()) return {};
  return QStringLiteral("%1: %2").arg(place, RefusalMessage(reading));
}

}  // namespace platform
