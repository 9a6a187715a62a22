#pragma once

#include <cmath>

namespace platform {

// Windows are designed in twips on a grid of 15 twips to the pixel
// (96 dots per inch, 1440 twips to the inch).
inline constexpr int kTwipsPerPixel = 15;

inline int PixelsFromTwips(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline constexpr double TwipsFromPixels(double pixels) { return pixels * kTwipsPerPixel; }

}  // namespace platform
