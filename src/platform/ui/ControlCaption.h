#pragma once

#include <QString>

class QWidget;

namespace platform::ui {

// The caption the user reads for `control`: a check box's or option's own
// text; for any other control the words its window's labels put around it
// (platform::FieldCaption), leaving out labels the user cannot see beside it
// (on another tab page, in a hidden frame). Empty when nothing captions it.
QString ControlCaption(const QWidget* control);

}  // namespace platform::ui
