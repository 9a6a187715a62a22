#pragma once

#include <QWidget>

#include <vector>

namespace platform::ui {

// A caption that its control cannot show whole at the control's font size (a
// label's text wider than the label, or, broken between words, taller; a
// check box's or option's caption beside its indicator) is shown in a smaller
// font, lowered step by step until it fits or reaches `smallestPoints`. A
// caption that fits keeps its size; other controls are left alone. Used where
// a sheet is scaled or given another face, so no caption is cut.
void FitCaptionFont(QWidget* control, double smallestPoints = 5);
void FitCaptionFonts(const std::vector<QWidget*>& controls, double smallestPoints = 5);

}  // namespace platform::ui
