#include "alimony/NumberForms.h"

#include <cmath>

namespace alimony {

namespace {

// Seven significant digits, no exponent, no trailing zeros.
QString GeneralDigits(double value) {
  if (!std::isfinite(value)) return QString();
  QString text = QString::number(double(value), 'g', 7);
  if (text.contains(QLatin1Char('e'))) {
    const double magnitude = std::fabs(double(value));
    const int decimals = magnitude >= 1 ? 0 : 7 - 1 - int(std::floor(std::log10(magnitude)));
    text = QString::number(double(value), 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
      while (text.endsWith(QLatin1Char('0'))) text.chop(1);
      if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    }
  }
  return text;
}

}  // namespace

QString PictureNumber(double value) {
  QString digits = GeneralDigits(value);
  const bool negative = digits.startsWith(QLatin1Char('-'));
  if (negative) digits.remove(0, 1);
  if (digits.startsWith(QLatin1String("0."))) digits.remove(0, 1);
  return (negative ? QStringLiteral("-") : QStringLiteral(" ")) + digits + QLatin1Char(' ');
}

QString PlainNumber(double value) { return GeneralDigits(value); }

double AsTyped(float held) { return QString::number(double(held), 'g', 7).toDouble(); }

}  // namespace alimony
