#include "tools/ui/ImputeWindowLink.h"

#include <memory>

#include "income/ui/IncomeWindow.h"
#include "shell/ui/Program.h"
#include "tools/ui/Form23.h"

namespace tools::ui {

void ImputeWindowLink::ShowImputeWindow(casevars::Party party) {
  auto* window = program_.Load<Form23>(QStringLiteral("Form23"));
  if (!window) return;
  window->SetImputeParty(party);
  program_.FitFormToScreen(*window);
  window->setWindowTitle(party == casevars::Party::Claim ? QStringLiteral("IMPUTE CLAIMANT'S INCOME")
                                                         : QStringLiteral("IMPUTE OTHER PARTY'S INCOME"));
  window->ShowModal();
}

void RegisterImputeWindow(shell::Program& program) {
  program.Windows().SetFactory(QStringLiteral("Form23"), [&program] {
    auto window = std::make_unique<Form23>(program.Case, [&program](casevars::Party party, ImputePeriod period) {
      auto* income = program.Load<income::IncomeWindow>(party == casevars::Party::Claim ? QStringLiteral("Form13")
                                                                                        : QStringLiteral("Form14"));
      if (!income) return;
      if (period == ImputePeriod::Monthly) income->Monthly_Click();
      else income->Yearly_Click();
    });
    window->Form_Load();
    return window;
  });
}

}  // namespace tools::ui
