#pragma once

#include "shell/ui/HelpWindow.h"

namespace shell {

// "About Defined Benefit Plans": a note on valuing defined-benefit pensions
// in Dadudav divorces, and on the method the pension calculator follows.
class Form8 : public HelpWindow {
  Q_OBJECT
 public:
  explicit Form8(QWidget* parent = nullptr);
};

}  // namespace shell
