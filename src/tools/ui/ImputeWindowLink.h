#pragma once

#include "income/IncomeLinks.h"

namespace shell {
class Program;
}

namespace tools::ui {

// The income windows' Impute Income menu: opens "Impute Income" (Form23) for
// the party, captioned with the party, modally; it returns once the window
// has closed and applied the choice.
class ImputeWindowLink : public income::ImputeLink {
 public:
  explicit ImputeWindowLink(shell::Program& program) : program_(program) {}
  void ShowImputeWindow(casevars::Party party) override;

 private:
  shell::Program& program_;
};

// The Form23 factory's window: the case of the program, and the income
// windows' period switches.
void RegisterImputeWindow(shell::Program& program);

}  // namespace tools::ui
