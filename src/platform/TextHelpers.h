#pragma once

#include <QString>
#include <QStringView>

namespace platform {

// `text` without any character that occurs in `chars` (exact, case-sensitive
// comparison). Used with "\\/:*?<>|" to turn a case name into a file name.
QString RemoveChars(QStringView text, QStringView chars);

// Cleans an amount text in place before it is read as a number: every ",",
// "$", " " and "%" is removed, the other characters keep their order, and one
// NUL character is appended for each character removed, so the text keeps its
// length. The number readers (IsNumeric, Val) stop at the first NUL, so
// "$ 1,234.50" reads as 1234.5 and "$$" reads as the empty text.
void RemoveCurrencyChars(QString& text);

// Replaces every double quote with an apostrophe, in place.
void RemoveParenthesisChars(QString& text);

// A short piece of `text` that a message can quote: its first line only, its
// printable characters only (control characters, and characters that no font
// shows, are left out), at most `most` of them, "..." where it was cut.
QString ReadableExcerpt(QStringView text, qsizetype most = 40);

}  // namespace platform
