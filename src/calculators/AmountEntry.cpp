#include "calculators/AmountEntry.h"

namespace calculators {

void FilterAmountKey(std::int16_t& keyAscii) {
  if (keyAscii >= '0' && keyAscii <= '9') return;
  if (keyAscii == ' ' || keyAscii == 8) return;
  if (keyAscii == '.') return;
  keyAscii = 0;
}

bool IsAmountEntry(const QString& text) {
  if (text.trimmed().isEmpty()) return false;
  int points = 0;
  for (QChar c : text) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) continue;
    if (c != QLatin1Char('.')) return false;
    ++points;
  }
  return points <= 1;
}

QString RemoveAmountChars(const QString& text) {
  QString cleaned = text;
  cleaned.remove(QLatin1Char(','));
  cleaned.remove(QLatin1Char('$'));
  return cleaned;
}

EntryCheck EntryCheck::Refuse(const char* message, const char* field) {
  return EntryCheck{1, QString::fromLatin1(message), QString::fromLatin1(field)};
}

}  // namespace calculators
