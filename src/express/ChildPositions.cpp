#include "express/ChildPositions.h"

#include <algorithm>

namespace express {

std::array<ChildPosition, 6> ChildPositions(int n) {
  static const char* const kCaptions[7][6] = {
      {},
      {"Only Child"},
      {"Youngest Child", "Oldest Child"},
      {"Youngest Child", "Middle Child", "Oldest Child"},
      {"Youngest Child", "2nd Youngest Child", "2nd Oldest Child", "Oldest Child"},
      {"Youngest Child", "2nd Youngest Child", "Middle Child", "2nd Oldest Child", "Oldest Child"},
      {"Youngest Child", "2nd Youngest Child", "3rd Youngest Child", "3rd Oldest Child",
       "2nd Oldest Child", "Oldest Child(ren)"},
  };
  const int count = std::clamp(n, 0, 6);
  std::array<ChildPosition, 6> positions;
  for (int i = 0; i < count; ++i) positions[i] = {QLatin1String(kCaptions[count][i]), true};
  return positions;
}

}  // namespace express
