#include "platform/NumberText.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "platform/TextHelpers.h"

namespace platform {

namespace {

// ---------------------------------------------------------------- patterns

struct Pattern {
  QStringView prefix;    // literal text before the digit places
  QStringView suffix;    // literal text after them
  int minWhole = 0;      // whole digits always shown (from the leftmost "0")
  bool group = false;    // thousands separated by commas
  bool point = false;    // the pattern has a decimal point
  int decimals = 0;      // places after the point
  int minDecimals = 0;   // decimals always shown (up to the rightmost "0")
  int percent = 0;       // number of "%" signs: the value is shown times 100 for each
};

bool isPlace(QChar c) { return c == u'#' || c == u'0'; }

Pattern parsePattern(QStringView p) {
  Pattern pat;
  const qsizetype n = p.size();
  qsizetype i = 0;
  while (i < n && !isPlace(p[i]) && p[i] != u'.') ++i;
  pat.prefix = p.first(i);

  int wholePlaces = 0;
  int firstZero = -1;
  for (; i < n && (isPlace(p[i]) || p[i] == u','); ++i) {
    if (p[i] == u',') {
      pat.group = true;
      continue;
    }
    if (p[i] == u'0' && firstZero < 0) firstZero = wholePlaces;
    ++wholePlaces;
  }
  if (firstZero >= 0) pat.minWhole = wholePlaces - firstZero;

  if (i < n && p[i] == u'.') {
    pat.point = true;
    for (++i; i < n && isPlace(p[i]); ++i) {
      ++pat.decimals;
      if (p[i] == u'0') pat.minDecimals = pat.decimals;
    }
  }
  pat.suffix = p.sliced(i);
  pat.percent = static_cast<int>(p.count(u'%'));
  return pat;
}

// ---------------------------------------------------------------- decimal digits

// A non-negative value as decimal digits: value = 0.d[0]d[1]... x 10^pointPos.
struct Decimal {
  std::array<char, 48> d{};
  int count = 0;
  int pointPos = 0;
};

// Below 2^24 a float holds every whole number; from there on its digits are
// shown exactly.
constexpr double kFloatWholeLimit = 16777216.0;

// Rounds to `decimals` places after the point, halves away from zero.
void roundTo(Decimal& dec, int decimals);

// The digits of |value| that the display rounds to `decimals` places (counted
// after `percentShift` decimal places of percent scaling):
// - a single-precision amount is read to seven
//   significant digits (31285.715f, which holds 31285.71484..., shows 31,285.71;
//   2.675f, which holds 2.67499995..., shows 2.68), and to more where seven
//   cannot reach the places shown, so that 123456.78f shows as typed and not as
//   123,456.80;
// - any other value is taken to 15 significant digits, so that the binary error
//   of a computed 2.675 or 14.5 does not turn a half into a shade below it.
Decimal decimalDigits(double value, int decimals, int percentShift) {
  const double a = std::fabs(value);
  const bool single = a < kFloatWholeLimit && static_cast<double>(static_cast<float>(a)) == a;
  char buf[96];
  // Exact digits of a float (at most 40 matter here); 15 of anything else.
  const std::to_chars_result r =
      std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, single ? 40 : 14);
  // buf holds "d[.ddd]e(+|-)xx".
  Decimal dec;
  const char* q = buf;
  for (; q < r.ptr && *q != 'e'; ++q)
    if (*q != '.' && dec.count < static_cast<int>(dec.d.size())) dec.d[dec.count++] = *q;
  int exponent = 0;
  std::from_chars(q + 1 + (q[1] == '+'), r.ptr, exponent);
  dec.pointPos = exponent + 1;
  while (dec.count > 0 && dec.d[dec.count - 1] == '0') --dec.count;  // zero has no digits
  if (single && dec.count > 0) {
    const int wholeDigits = std::max(dec.pointPos + percentShift, 0);
    const int significant = std::max(7, wholeDigits + decimals);
    roundTo(dec, significant - dec.pointPos);
  }
  return dec;
}

// Rounds to `decimals` places after the point, halves away from zero.
void roundTo(Decimal& dec, int decimals) {
  const int keep = dec.pointPos + decimals;
  if (keep >= dec.count) return;
  if (keep < 0) {
    dec.count = 0;
    return;
  }
  const bool up = dec.d[keep] >= '5';
  dec.count = keep;
  if (up) {
    int i = keep - 1;
    for (; i >= 0 && dec.d[i] == '9'; --i) dec.d[i] = '0';
    if (i >= 0) {
      ++dec.d[i];
    } else {
      std::copy_backward(dec.d.begin(), dec.d.begin() + dec.count, dec.d.begin() + dec.count + 1);
      dec.d[0] = '1';
      ++dec.count;
      ++dec.pointPos;
    }
  }
  while (dec.count > 0 && dec.d[dec.count - 1] == '0') --dec.count;
}

char digitAt(const Decimal& dec, int i) { return i >= 0 && i < dec.count ? dec.d[i] : '0'; }

// ---------------------------------------------------------------- reading numbers

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// A number read from a text, in the form std::from_chars takes.
struct Scanned {
  std::string text;
  qsizetype end = 0;    // index just past the last character of the number
  bool digits = false;  // false: no number stands there
  int order = 0;        // decimal order of magnitude, to tell overflow from underflow
};

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads the number that starts at `i`. With `skipBlanks` (the leading-number
// reading) blanks, tabs and line feeds are passed over wherever they stand.
// Reading stops at the end, at a NUL or at a character that cannot go on.
Scanned scanNumber(QStringView s, qsizetype i, bool skipBlanks) {
  const qsizetype n = s.size();
  auto peek = [&]() -> char16_t {
    while (skipBlanks && i < n && (isBlank(s[i]) || s[i] == u'\n')) ++i;
    return i < n ? s[i].unicode() : u'\0';
  };
  Scanned sc;
  if (peek() == u'+' || peek() == u'-') {
    if (s[i] == u'-') sc.text += '-';
    ++i;
  }
  const auto mantissaStart = sc.text.size();
  int wholeDigits = 0;     // significant digits before the point
  int leadingZeros = 0;    // zeros after the point before the first other digit
  bool seenNonZero = false;
  for (char16_t c = peek(); isDigit(c); c = peek()) {
    sc.text += static_cast<char>(c);
    seenNonZero = seenNonZero || c != u'0';
    if (seenNonZero) ++wholeDigits;
    sc.digits = true;
    sc.end = ++i;
  }
  if (peek() == u'.') {
    const qsizetype pointAt = i++;
    if (sc.text.size() == mantissaStart) sc.text += '0';
    sc.text += '.';
    bool fraction = false;
    for (char16_t c = peek(); isDigit(c); c = peek()) {
      sc.text += static_cast<char>(c);
      if (!seenNonZero && c == u'0') ++leadingZeros;
      seenNonZero = seenNonZero || c != u'0';
      fraction = true;
      sc.end = ++i;
    }
    if (!fraction) sc.text += '0';
    if (fraction || sc.digits) sc.end = std::max(sc.end, pointAt + 1);
    sc.digits = sc.digits || fraction;
  }
  if (!sc.digits) return {};

  const char16_t e = peek();
  if (e == u'e' || e == u'E') {
    ++i;
    bool negative = false;
    if (peek() == u'+' || peek() == u'-') negative = s[i++] == u'-';
    long long exponent = 0;
    bool any = false;
    for (char16_t c = peek(); isDigit(c); c = peek()) {
      exponent = std::min(exponent * 10 + (c - u'0'), 1'000'000'000LL);
      any = true;
      sc.end = ++i;
    }
    if (any) {
      if (negative) exponent = -exponent;
      sc.text += 'e';
      sc.text += std::to_string(exponent);
      sc.order = static_cast<int>(exponent);
    }
  }
  sc.order += seenNonZero ? (wholeDigits > 0 ? wholeDigits : -leadingZeros) : 0;
  return sc;
}

// The value of a scanned number; empty when it lies beyond the range of a double.
std::optional<double> valueOf(const Scanned& sc) {
  double v = 0;
  const auto [ptr, ec] = std::from_chars(sc.text.data(), sc.text.data() + sc.text.size(), v);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    if (sc.order > 0) return std::nullopt;  // too large
    return 0.0;                             // too small: reads as 0
  }
  if (ec != std::errc() || !std::isfinite(v)) return std::nullopt;
  return v + 0.0;  // no negative zero
}

}  // namespace

QString Format(double value, QStringView pattern) {
  if (!std::isfinite(value)) return {};
  const Pattern pat = parsePattern(pattern);

  Decimal dec = decimalDigits(value, pat.decimals, 2 * pat.percent);
  dec.pointPos += 2 * pat.percent;
  roundTo(dec, pat.decimals);

  QString out;
  out.reserve(pattern.size() + dec.count + dec.count / 3 + 4);
  if (value < 0 && dec.count > 0) out += u'-';
  out += pat.prefix;

  const int wholeDigits = dec.count > 0 ? std::max(dec.pointPos, 0) : 0;
  const int shown = std::max(wholeDigits, pat.minWhole);
  for (int k = 0; k < shown; ++k) {
    out += QLatin1Char(digitAt(dec, k - (shown - wholeDigits)));
    const int left = shown - 1 - k;  // digits still to come
    if (pat.group && left > 0 && left % 3 == 0) out += u',';
  }

  if (pat.point) {
    out += u'.';
    int last = pat.decimals;  // drop zeros at "#" places from the right
    while (last > pat.minDecimals && digitAt(dec, dec.pointPos + last - 1) == '0') --last;
    for (int j = 0; j < last; ++j) out += QLatin1Char(digitAt(dec, dec.pointPos + j));
  }
  out += pat.suffix;
  return out;
}

double RoundAsShown(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  Decimal dec = decimalDigits(value, decimals, 0);
  roundTo(dec, decimals);
  if (dec.count == 0) return 0;
  std::string digits(dec.d.data(), static_cast<std::size_t>(dec.count));
  digits = "0." + digits + "e" + std::to_string(dec.pointPos);
  double shown = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), shown);
  return value < 0 ? -shown : shown;
}

QString Format(double value, const char* pattern) {
  QVarLengthArray<char16_t, 32> wide;
  for (const char* p = pattern; *p; ++p) wide.append(static_cast<unsigned char>(*p));
  return Format(value, QStringView(wide.data(), wide.size()));
}

bool IsNumeric(QStringView text) {
  const qsizetype n = text.size();
  qsizetype i = 0;
  while (i < n && isBlank(text[i])) ++i;
  const Scanned sc = scanNumber(text, i, false);
  if (!sc.digits) return false;
  i = sc.end;
  while (i < n && isBlank(text[i])) ++i;
  if (i < n && text[i] != u'\0') return false;
  return valueOf(sc).has_value();
}

double Val(QStringView text) {
  const Scanned sc = scanNumber(text, 0, true);
  if (!sc.digits) return 0;
  return valueOf(sc).value_or(0.0);
}

double AmountFromText(QStringView text) {
  QString cleaned = text.toString();
  RemoveCurrencyChars(cleaned);
  return IsNumeric(cleaned) ? Val(cleaned) : 0.0;
}

std::optional<int16_t> ToCount(double value) {
  if (!(value >= -32768.5 && value <= 32767.5)) return std::nullopt;  // NaN fails too
  const double whole = std::floor(value);
  const double rest = value - whole;
  double r = whole;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) r = whole + 1;
  if (r < -32768 || r > 32767) return std::nullopt;
  return static_cast<int16_t>(r);
}

QString ShortDate(const QDate& date, const QLocale& locale) {
  QString format = locale.dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return locale.toString(date, format);
}

}  // namespace platform
