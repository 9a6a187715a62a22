#pragma once

#include "shell/ui/HelpWindow.h"

namespace tools::ui {

// "About Bonus Calculator": how the bonus calculators' percentage method
// works and where its limits lie.
class Form19 : public shell::HelpWindow {
  Q_OBJECT
 public:
  explicit Form19(QWidget* parent = nullptr);
};

}  // namespace tools::ui
