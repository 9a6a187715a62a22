#include "platform/AnsiText.h"

#include <array>

namespace platform {

namespace {

// Characters of bytes 0x80 to 0x9F; the undefined ones keep their own number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char toByte(char16_t c) {
  if (c == 0) return '?';  // the reader refuses a zero byte as a sign of a foreign file
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

QByteArray toAnsi(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    // A character outside the basic plane is two code units: one "?".
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    out.append(toByte(c.unicode()));
  }
  return out;
}

bool FitsAnsi(const QString& text) {
  for (const QChar c : text)
    if (toByte(c.unicode()) == '?' && c != u'?') return false;
  return true;
}

QString fromAnsi(QByteArrayView bytes) {
  QString out;
  out.reserve(bytes.size());
  for (char b : bytes) {
    const auto u = static_cast<unsigned char>(b);
    out.append(QChar(u >= 0x80 && u < 0xA0 ? kHighControls[u - 0x80] : char16_t{u}));
  }
  return out;
}

}  // namespace platform
