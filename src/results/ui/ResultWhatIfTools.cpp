#include "results/ui/ResultWhatIfTools.h"

#include <QLineEdit>
#include <QRadioButton>

#include "express/ui/Form1.h"
#include "results/ui/ChildSupportResult.h"
#include "shell/ui/Program.h"
#include "tools/ui/BonusWindow.h"
#include "tools/ui/BonusWindowServices.h"
#include "tools/ui/FormDepends.h"

namespace results::ui {

tools::DependsServices DependsRunServices(shell::Program& program) {
  tools::DependsServices s;
  s.computeChildSupport = [&program] { RunChildSupport(program); };
  s.childSupportText = [&program] {
    auto* express = program.Load<express::Form1>(QStringLiteral("Form1"));
    return express ? express->ChildSupport->text() : QString();
  };
  if (auto* express = program.Find<express::Form1>(QStringLiteral("Form1")))
    s.claimantIsRespondent = express->MParentOption->isChecked();
  return s;
}

tools::BonusServices BonusRunServices(shell::Program& program, std::function<void()> runAlimony) {
  tools::BonusServices s = tools::ui::BonusWindowServices(program);
  s.computeChildSupport = [&program](bool writeField) { RunChildSupport(program, writeField); };
  s.computeAlimony = std::move(runAlimony);
  return s;
}

void OpenResultDependsCalculator(shell::Program& program) {
  tools::ui::OpenDependsCalculator(program, DependsRunServices(program));
}

void OpenResultBonusCalculator(shell::Program& program, const QString& bonusWindow,
                               std::function<void()> runAlimony) {
  tools::ui::OpenBonusCalculator(program, bonusWindow, BonusRunServices(program, std::move(runAlimony)));
}

}  // namespace results::ui
