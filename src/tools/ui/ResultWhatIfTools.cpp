#include "tools/ui/ResultWhatIfTools.h"

#include "express/ExpressScreen.h"
#include "results/ui/ChildSupportResult.h"
#include "shell/ui/Program.h"
#include "tools/ui/BonusWindow.h"
#include "tools/ui/BonusWindowServices.h"
#include "tools/ui/FormDepends.h"

namespace tools::ui {

tools::DependsServices DependsRunServices(shell::Program& program) {
  tools::DependsServices s;
  s.computeChildSupport = [&program] { results::ui::RunChildSupport(program); };
  s.childSupportText = [&program] {
    auto* express = express::AsExpressScreen(program.Load(QStringLiteral("Form1")));
    return express ? express->Fields().Text(QStringLiteral("ChildSupport")) : QString();
  };
  s.claimantIsRespondent = [&program] {
    auto* express = express::AsExpressScreen(program.Find(QStringLiteral("Form1")));
    return express && express->Fields().Value(QStringLiteral("MParentOption")) == express::kOn;
  };
  return s;
}

tools::BonusServices BonusRunServices(shell::Program& program, std::function<void(bool)> runAlimony) {
  tools::BonusServices s = BonusWindowServices(program);
  s.computeChildSupport = [&program](bool writeField) { results::ui::RunChildSupport(program, writeField); };
  s.computeAlimony = std::move(runAlimony);
  return s;
}

void OpenResultDependsCalculator(shell::Program& program) {
  OpenDependsCalculator(program, DependsRunServices(program));
}

void OpenResultBonusCalculator(shell::Program& program, const QString& bonusWindow,
                               std::function<void(bool)> runAlimony) {
  OpenBonusCalculator(program, bonusWindow, BonusRunServices(program, std::move(runAlimony)));
}

}  // namespace tools::ui
