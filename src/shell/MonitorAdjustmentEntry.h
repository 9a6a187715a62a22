#pragma once

#include <QString>

namespace shell {

// What the display scaling dialog stores for an entered monitor adjustment:
// the number the entry begins with, in its shortest decimal form, or "1" when
// that number lies outside 0.5 to 1 (both bounds allowed). ".8" gives "0.8",
// "0.75 wide" gives "0.75", "abc" and "" give "1".
QString MonitorAdjustmentText(const QString& entry);

}  // namespace shell
