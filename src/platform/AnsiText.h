#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform {

// Text as the program's data files store it: one byte a character in the
// Western code page 1252. Bytes 0x80 to 0x9F hold the typographic characters
// of that code page (euro sign, curly quotes, dashes ...); the five bytes that
// page leaves undefined stand for the control characters of the same number,
// so every byte reads as a character and writes back as the same byte.

// A character the code page cannot hold, and the zero character (a zero byte
// marks a foreign file to the reader), are written as "?".
QByteArray toAnsi(const QString& text);
QString fromAnsi(QByteArrayView bytes);

// True when toAnsi writes every character of the text as itself, so that it
// reads back unchanged; false when one of them would become "?".
bool FitsAnsi(const QString& text);

}  // namespace platform
