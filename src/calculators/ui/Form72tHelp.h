#pragma once

#include <functional>

#include "shell/ui/HelpWindow.h"

namespace platform::ui {
class ButtonPlus;
}

namespace calculators::ui {

// The IRS page of applicable federal rates, shown in the interest help text
// and opened by its button.
inline constexpr const char* kIrsRatesAddress = "https://www.irs.gov/applicable-federal-rates";

// "About 72t Methods": IRAs, the 72(t) exception and its three methods.
class Form72tA : public shell::HelpWindow {
  Q_OBJECT
 public:
  explicit Form72tA(QWidget* parent = nullptr);
};

// "About 72t Interest": the reasonable and expected rates, with a button
// that opens the IRS rates page in the browser.
class Form72tB : public shell::HelpWindow {
  Q_OBJECT
 public:
  // `openWebPage` opens an address in the user's browser (the program's OpenWebPage).
  explicit Form72tB(std::function<bool(const QString&)> openWebPage, QWidget* parent = nullptr);

  void IRSWeb_Click();

  platform::ui::ButtonPlus* IRSWeb;

 private:
  std::function<bool(const QString&)> openWebPage_;
};

}  // namespace calculators::ui
