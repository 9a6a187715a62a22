#pragma once

#include <QString>
#include <array>
#include <optional>

namespace casevars {

// The numbers of the guidelines worksheet: one slot per amount, percentage,
// count and day total of the sheet (slots 0 to 56; 57 to 59 unused). A slot is
// empty until it is first filled; every filled slot holds a double.
inline constexpr int kWorksheetSlots = 60;
using WorksheetValues = std::array<std::optional<double>, kWorksheetSlots>;

// The worksheet's shared values: its numbers, its sheet size and its font.
struct WorksheetVars {
  WorksheetValues Values{};
  QString WSZoomState;      // "Large" (full size) or "Small" (reduced); start-up sets "Large"
  double WSZoomFactor = 0;  // the factor of the last rescaling; start-up sets 1
  QString WSFontName;       // the worksheet font, on screen and printed; start-up: "Tahoma"
  double WSFontSize = 0;    // start-up: 10 points
};

}  // namespace casevars
