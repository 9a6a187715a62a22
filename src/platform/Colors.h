#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

namespace platform {

// A colour as the program stores it (in the settings store, as decimal text, and
// on controls): with the top bit clear a fixed colour blue * 65536 + green * 256
// + red; with the top bit set a system colour whose index is in the low byte,
// shown as whatever the desktop currently uses for it.
using OleColor = std::uint32_t;

inline constexpr OleColor kSystemColourFlag = 0x80000000u;
inline constexpr OleColor kSysActiveCaption = 0x80000002u;  // system colour 2
inline constexpr OleColor kSysButtonFace = 0x8000000Fu;     // system colour 15
inline constexpr OleColor kSysButtonText = 0x80000012u;     // system colour 18
inline constexpr OleColor kSysWindow = 0x80000005u;         // system colour 5
inline constexpr OleColor kSysWindowText = 0x80000008u;     // system colour 8

inline constexpr OleColor kWhite = 16777215;
inline constexpr OleColor kSchemeFace = 14215661;     // &HD8E9ED, red 237 green 233 blue 216
inline constexpr OleColor kSchemeCaption = 12582913;  // &HC00001
inline constexpr OleColor kSchemeText = 1;            // red 1: "black" that the scheme can find again

constexpr OleColor Rgb(int red, int green, int blue) {
  return static_cast<OleColor>(blue) * 65536u + static_cast<OleColor>(green) * 256u +
         static_cast<OleColor>(red);
}

// The colour to paint: fixed colours directly, system colours from the
// application palette.
QColor ToQColor(OleColor colour);
OleColor FromQColor(const QColor& colour);

// Reads a colour stored as decimal text ("12632319"; system colours may be
// stored as their negative 32-bit reading, "-2147483633"). Returns false when
// the text is not a colour number.
bool ParseOleColor(const QString& text, OleColor* colour);

}  // namespace platform
