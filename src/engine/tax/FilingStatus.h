#pragma once

#include <QString>

#include <cstdint>

namespace tax {

// The filing status texts as the tax tables index them. `Other` is any text
// that is not one of the four codes (compared exactly).
enum class Filing : std::uint8_t { Single, Head, MarriedSep, MFJ, Other };

Filing FilingOf(const QString& filingStatus);

// A figure that depends on the filing status.
template <class T>
struct ByFiling {
  T Single{}, Head{}, MarriedSep{}, MFJ{};

  // Other filing texts take the single filer's figure.
  constexpr const T& operator[](Filing f) const {
    switch (f) {
      case Filing::Head: return Head;
      case Filing::MarriedSep: return MarriedSep;
      case Filing::MFJ: return MFJ;
      default: return Single;
    }
  }
};

}  // namespace tax
