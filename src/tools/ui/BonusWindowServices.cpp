#include "tools/ui/BonusWindowServices.h"

#include <QCheckBox>
#include <QLineEdit>

#include "business/ui/BusinessWindow.h"
#include "express/ui/Form1.h"
#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"
#include "shell/ui/Program.h"

namespace tools::ui {

BonusServices BonusWindowServices(shell::Program& program) {
  BonusServices s;
  auto payer = [&program] { return program.Load<income::IncomeWindow>(QStringLiteral("Form14")); };
  auto express = [&program] { return program.Load<express::Form1>(QStringLiteral("Form1")); };
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
    return f ? f->ChildSupport->text() : QString();
  };
  s.setChildSupportText = [express](const QString& text) {
    if (auto* f = express()) f->ChildSupport->setText(text);
  };
  s.currentMaintText = [express] {
    auto* f = express();
    return f ? f->CurrentMaintTransfer->text() : QString();
  };
  s.setCurrentMaintText = [express](const QString& text) {
    if (auto* f = express()) f->CurrentMaintTransfer->setText(text);
  };
  if (auto* f = express()) s.applyMaintToCS = f->ApplyMaintToCS->isChecked();
  return s;
}

}  // namespace tools::ui
