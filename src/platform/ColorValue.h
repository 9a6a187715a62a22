#pragma once

#include <QColor>

#include <cstdint>

namespace platform {

// Colours as the program stores them: blue * 65536 + green * 256 + red.
// A value with the top bit set names a system colour; these two functions
// deal with fixed colours only and ignore the top byte.
inline QColor ColorFromValue(uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

inline uint32_t ValueFromColor(const QColor& color) {
  const QColor c = color.toRgb();
  return static_cast<uint32_t>(c.blue()) * 65536u + static_cast<uint32_t>(c.green()) * 256u +
         static_cast<uint32_t>(c.red());
}

}  // namespace platform
