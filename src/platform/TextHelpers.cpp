#include "platform/TextHelpers.h"

namespace platform {

namespace {
bool isCurrencyChar(QChar c) {
  return c == u',' || c == u'$' || c == u' ' || c == u'%';
}
}  // namespace

QString RemoveChars(QStringView text, QStringView chars) {
  QString out;
  out.reserve(text.size());
  for (QChar c : text)
    if (!chars.contains(c)) out.append(c);
  return out;
}

void RemoveCurrencyChars(QString& text) {
  const qsizetype n = text.size();
  qsizetype kept = 0;
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text.at(i);
    if (isCurrencyChar(c)) continue;
    if (kept != i) text[kept] = c;
    ++kept;
  }
  for (qsizetype i = kept; i < n; ++i) text[i] = QChar(u'\0');
}

void RemoveParenthesisChars(QString& text) {
  text.replace(u'"', u'\'');
}

QString ReadableExcerpt(QStringView text, qsizetype most) {
  QString out;
  bool cut = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
      cut = text.sliced(i).trimmed().size() > 0;
      break;
    }
    if (!c.isPrint() || c == QChar::ReplacementCharacter || (c.unicode() >= 0x80 && c.unicode() < 0xA0)) continue;
    if (out.size() == most) {
      cut = true;
      break;
    }
    out.append(c);
  }
  return cut ? out + QStringLiteral("...") : out;
}

}  // namespace platform
