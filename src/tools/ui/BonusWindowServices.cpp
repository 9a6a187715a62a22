#include "tools/ui/BonusWindowServices.h"

#include <QLineEdit>

#include "business/ui/BusinessWindow.h"
#include "express/ExpressScreen.h"
#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"
#include "shell/ui/Program.h"

namespace tools::ui {

BonusServices BonusWindowServices(shell::Program& program) {
  BonusServices s;
  auto payer = [&program] { return program.Load<income::IncomeWindow>(QStringLiteral("Form14")); };
  auto express = [&program] { return express::AsExpressScreen(program.Load(QStringLiteral("Form1"))); };
  s.payerEarnedText = [payer] {
    auto* w = payer();
    return w ? w->Box("Earned")->text() : QString();
  };
  s.setPayerEarnedText = [payer](const QString& text) {
    if (auto* w = payer()) w->Box("Earned")->setText(text);
  };
  s.incomeRefresh = [&program, payer] {
    if (auto* w = payer()) {
      w->AssignPopUpVars();
      w->AddIncomeVars();
      w->AssignDeductVars();
    }
    for (const char* name : {"Form26", "Form27"})
      if (auto* business = program.Load<business::BusinessWindow>(QString::fromLatin1(name))) business->AssignNewVars();
  };
  s.childSupportText = [express] {
    auto* f = express();
    return f ? f->Fields().Text(QStringLiteral("ChildSupport")) : QString();
  };
  s.setChildSupportText = [express](const QString& text) {
    if (auto* f = express()) f->Fields().SetText(QStringLiteral("ChildSupport"), text);
  };
  s.currentMaintText = [express] {
    auto* f = express();
    return f ? f->Fields().Text(QStringLiteral("CurrentMaintTransfer")) : QString();
  };
  s.setCurrentMaintText = [express](const QString& text) {
    if (auto* f = express()) f->Fields().SetText(QStringLiteral("CurrentMaintTransfer"), text);
  };
  if (auto* f = express()) s.applyMaintToCS = f->Fields().Value(QStringLiteral("ApplyMaintToCS")) == express::kOn;
  return s;
}

}  // namespace tools::ui
