#pragma once

#include "shell/ui/HelpWindow.h"

namespace shell {

// "Keys To Data Entry": what each entry of the alimony award's present value
// means, with advice on the two rates.
class Form4 : public HelpWindow {
  Q_OBJECT
 public:
  explicit Form4(QWidget* parent = nullptr);
};

}  // namespace shell
