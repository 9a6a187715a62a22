#include "platform/SequentialValue.h"

#include "platform/TextHelpers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace platform {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// [+-] digits [. [digits]] | [+-] . digits, then optionally [EeDd] [+-] digits.
bool isNumberToken(QStringView t) {
  qsizetype i = 0;
  const qsizetype n = t.size();
  if (i < n && (t[i] == u'+' || t[i] == u'-')) ++i;
  qsizetype digits = 0;
  while (i < n && isDigit(t[i])) ++i, ++digits;
  if (i < n && t[i] == u'.') {
    ++i;
    while (i < n && isDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && QStringLiteral("EeDd").contains(t[i])) {
    ++i;
    if (i < n && (t[i] == u'+' || t[i] == u'-')) ++i;
    qsizetype expDigits = 0;
    while (i < n && isDigit(t[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == n;
}

// The token as the standard number parser takes it: no plus sign, E for D.
std::string parseableToken(const QString& token) {
  std::string s = token.toStdString();
  if (!s.empty() && s.front() == '+') s.erase(0, 1);
  for (char& c : s)
    if (c == 'D' || c == 'd') c = 'E';
  return s;
}

template <typename F>
std::optional<F> parseNumber(const QString& token) {
  const std::string s = parseableToken(token);
  F value{};
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// Fixed form: the point inside or before the digits, no leading zero, no
// trailing zeros after the point. `digits` are significant digits with no
// trailing zeros; the first stands at 10^exp10.
QString fixedForm(const std::string& digits, int exp10) {
  const int n = static_cast<int>(digits.size());
  if (exp10 < 0) return "." + QString(-exp10 - 1, u'0') + QString::fromStdString(digits);
  if (n <= exp10 + 1) return QString::fromStdString(digits) + QString(exp10 + 1 - n, u'0');
  return QString::fromStdString(digits.substr(0, exp10 + 1)) + "." +
         QString::fromStdString(digits.substr(exp10 + 1));
}

QString exponentForm(const std::string& digits, int exp10) {
  QString s = QString(QChar(digits[0]));
  if (digits.size() > 1) s += "." + QString::fromStdString(digits.substr(1));
  return s + (exp10 < 0 ? "E-" : "E+") + QString::number(std::abs(exp10)).rightJustified(2, u'0');
}

// The shortest spelling that reads back to `value`; fixed form when the first
// digit stands from 10^-4 up to below 10^fixedDigits. Empty for infinities and NaN.
template <typename F>
QString shortestForm(F value, int fixedDigits) {
  if (!std::isfinite(value)) return {};
  if (value == 0) return QStringLiteral("0");
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  const std::string sci(buf, result.ptr);  // "-1.2345e+03", "5e-01"
  const bool negative = sci[0] == '-';
  const std::size_t e = sci.find('e');
  std::string digits;
  for (std::size_t i = negative ? 1 : 0; i < e; ++i)
    if (sci[i] != '.') digits += sci[i];
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exp10 = std::stoi(sci.substr(e + 1));
  const QString body = (exp10 >= -4 && exp10 < fixedDigits) ? fixedForm(digits, exp10)
                                                             : exponentForm(digits, exp10);
  return negative ? "-" + body : body;
}

}  // namespace

SequentialValue SequentialValue::number(const QString& spelling) {
  SequentialValue v;
  v.kind_ = Kind::Number;
  v.text_ = spelling;
  return v;
}

SequentialValue SequentialValue::fromText(const QString& text) {
  SequentialValue v;
  v.kind_ = Kind::Text;
  v.text_ = text;
  return v;
}

SequentialValue SequentialValue::fromBoolean(bool value) {
  SequentialValue v;
  v.kind_ = Kind::Boolean;
  v.boolean_ = value;
  return v;
}

SequentialValue SequentialValue::null() {
  SequentialValue v;
  v.kind_ = Kind::Null;
  return v;
}

SequentialValue SequentialValue::fromInteger(std::int32_t value) {
  return number(QString::number(value));
}

SequentialValue SequentialValue::fromSingle(float value) {
  return number(shortestForm(value, 7));
}

SequentialValue SequentialValue::fromDouble(double value) {
  return number(shortestForm(value, 15));
}

SequentialValue SequentialValue::fromCurrency(double value) {
  // The fixed-point range: 922,337,203,685,477.5807 either way.
  constexpr double kLimit = 922337203685477.0;
  if (!std::isfinite(value) || std::abs(value) > kLimit) return number({});
  const auto units = static_cast<long long>(std::nearbyint(value * 10000.0));
  const long long whole = std::llabs(units) / 10000;
  QString fraction = QString::number(std::llabs(units) % 10000).rightJustified(4, u'0');
  while (fraction.endsWith(u'0')) fraction.chop(1);
  QString body = whole == 0 && !fraction.isEmpty() ? QString() : QString::number(whole);
  if (!fraction.isEmpty()) body += "." + fraction;
  return number(units < 0 ? "-" + body : body);
}

std::optional<SequentialValue> SequentialValue::fromNumberToken(const QString& token) {
  if (!isNumberToken(token)) return std::nullopt;
  return number(token);
}

std::optional<float> SequentialValue::toSingle() const {
  if (kind_ != Kind::Number || text_.isEmpty()) return std::nullopt;
  return parseNumber<float>(text_);
}

std::optional<double> SequentialValue::toDouble() const {
  if (kind_ != Kind::Number || text_.isEmpty()) return std::nullopt;
  return parseNumber<double>(text_);
}

std::optional<std::int16_t> SequentialValue::toInt16() const {
  const std::optional<double> d = toDouble();
  if (!d || *d != std::trunc(*d) || *d < std::numeric_limits<std::int16_t>::min() ||
      *d > std::numeric_limits<std::int16_t>::max())
    return std::nullopt;
  return static_cast<std::int16_t>(*d);
}

QString SequentialValue::describe() const {
  switch (kind_) {
    case Kind::Empty: return QStringLiteral("nothing");
    case Kind::Text: return QStringLiteral("the text \"%1\"").arg(text_);
    case Kind::Number: return QStringLiteral("the number %1").arg(text_);
    case Kind::Boolean: return boolean_ ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#");
    case Kind::Null: return QStringLiteral("#NULL#");
  }
  return {};
}

QString SequentialValue::describeBriefly() const {
  if (kind_ == Kind::Text) return QStringLiteral("the text \"%1\"").arg(ReadableExcerpt(text_));
  if (kind_ == Kind::Number) return QStringLiteral("the number %1").arg(ReadableExcerpt(text_));
  return describe();
}

}  // namespace platform
