#pragma once

#include <QString>

#include <cstdint>

// What the calculators accept as typed amounts.
namespace calculators {

// The financial calculator's key filter: digits, the decimal point, a blank
// and Backspace pass; every other key is set to 0 and so discarded (letters,
// signs, the minus sign, the comma, Enter).
void FilterAmountKey(std::int16_t& keyAscii);

// True when the text is digits with at most one decimal point: "1250.50",
// "12." and "." pass; "1.2.3", a text of blanks and " 12" (a blank inside the
// text) do not.
bool IsAmountEntry(const QString& text);

// The text without any "," or "$", the other characters in their order.
QString RemoveAmountChars(const QString& text);

// Refusal of an entry check: `result` 1 with the message to show and the
// control to put the focus on (empty: none, only a beep); 0 when every entry
// was accepted.
struct EntryCheck {
  std::int16_t result = 0;
  QString message;
  QString field;

  static EntryCheck Refuse(const char* message, const char* field);
};

}  // namespace calculators
