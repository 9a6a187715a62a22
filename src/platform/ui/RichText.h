#pragma once

class QTextBrowser;

namespace platform::ui {

// Sets the whole text of a read-only help text box in one size and puts the
// caret back at the start, scrolled into view. A size of 0 or less does nothing.
void SetWholeTextSize(QTextBrowser& box, double points);

}  // namespace platform::ui
