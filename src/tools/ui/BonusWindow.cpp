#include "tools/ui/BonusWindow.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "express/Prompter.h"
#include "platform/ui/Beep.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/Program.h"
#include "tools/ui/TaggedButton.h"
#include "tools/BonusReport.h"
#include "tools/ui/Form19.h"
#include "tools/ui/LinesPicture.h"

namespace tools::ui {

using platform::ui::ButtonPlus;

BonusWindow::BonusWindow(BonusKind kind, shell::Program& program, std::shared_ptr<BonusValues> values,
                         QWidget* parent)
    : Form(kind == BonusKind::Alimony ? QStringLiteral("FormBonusAlm") : QStringLiteral("FormBonusCS"), parent),
      kind_(kind),
      program_(program),
      values_(std::move(values)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Bonus Calculator"));
  platform::ui::Place(this, 0, 0, 7800, 4680);
  SetDesignedByClientArea(true);
  const bool alimony = kind == BonusKind::Alimony;
  QMenu* print = addMenu(QStringLiteral("PrintT"), QStringLiteral("Print"));
  QAction* item = addMenuItem(alimony ? QStringLiteral("PrintBonus") : QStringLiteral("PrintTest"),
                              QString(alimony ? 21 : 29, QLatin1Char(' ')) + QStringLiteral("Print This Calculation"),
                              print);
  connect(item, &QAction::triggered, this, [this] { PrintReport_Click(); });

  auto* bonusFrame = add<QGroupBox>(QStringLiteral("Frame1"), nullptr, 120, 120, 7560, 1500,
                                    QStringLiteral("Average Bonus"));
  Label2 = add<QLabel>(QStringLiteral("Label2"), bonusFrame, 120, 360, 3600, 255,
                       QStringLiteral("Other Party's Average Yearly Bonus "));
  Text2 = add<platform::ui::EntryBox>(QStringLiteral("Text2"), bonusFrame, 3840, 330, 1800, 315);
  Text2->SetAmountBox(true);
  Text2->TooLarge = [this] { EntryError(platform::AmountTooLargeMessage()); };
  auto button = [this, bonusFrame](const char* name, double l, const char* caption) {
    return AddTaggedButton(*this, name, bonusFrame, l, 840, 3000, 480, caption);
  };
  ButtonPlus1 = button("ButtonPlus1", 600, "Calculate Transfer");
  ButtonPlus2 = button("ButtonPlus2", 3960, "About This Calculator");

  auto* transferFrame = add<QGroupBox>(QStringLiteral("Frame2"), nullptr, 120, 1740, 7560, 2820,
                                       QStringLiteral("Transfer"));
  Label1 = add<QLabel>(QStringLiteral("Label1"), transferFrame, 120, 360, 5400, 255,
                       alimony ? QStringLiteral("% Of Yearly Bonus To Transfer As Alimony To Claimant ")
                               : QStringLiteral("% Of Yearly Bonus To Transfer As Child Support To Claimant "));
  Text1 = add<QLineEdit>(QStringLiteral("Text1"), transferFrame, 5640, 330, 1680, 315);
  Picture1 = add<LinesPicture>(QStringLiteral("Picture1"), transferFrame, 120, 780, 7320, 1920);

  connect(ButtonPlus1, &ButtonPlus::clicked, this, &BonusWindow::ButtonPlus1_Click);
  connect(ButtonPlus2, &ButtonPlus::clicked, this, &BonusWindow::ButtonPlus2_Click);
}

void BonusWindow::ButtonPlus1_Click() {
  const BonusEntryCheck check = CheckBonusEntry(Text2->text(), program_.Case.Income.Payer.YrEarned);
  if (!check.bonus) {
    Text2->setFocus();
    EntryError(check.message);
    return;
  }
  if (!services_.computeChildSupport) return;
  RunBonus(kind_, *check.bonus, program_.Case, services_, *values_);
  Text1->setText(BonusShareText(*values_));
  Picture1->Cls();
  for (const QString& line : BonusResultLines(kind_, *values_, program_.Case.Express.MoAlimonyTransfer))
    Picture1->PrintLine(line);
}

void BonusWindow::EntryError(const QString& message) {
  express::Prompter prompter(program_.Dialogs, [] { platform::ui::Beep(); });
  prompter.Beep();
  prompter.EntryError(message);
}

void BonusWindow::ButtonPlus2_Click() {
  auto* help = program_.Load<Form19>(QStringLiteral("Form19"));
  if (!help) return;
  program_.FitFormToScreen(*help);
  help->SetTextSize(12 * program_.State.Screen.ScaleFactorMin);
  help->ShowModal();
}

bool BonusWindow::PrintReport_Click() {
  platform::PrintRequest request;  // page 1 of 1, no selection
  const std::optional<platform::PrinterChoice> choice = program_.Dialogs.ShowPrintDialog(request);
  if (!choice) return false;
  auto* express = program_.Find<platform::ui::Form>(QStringLiteral("Form1"));
  auto* name = express ? qobject_cast<QLineEdit*>(express->Control(QStringLiteral("ClaimantName"))) : nullptr;
  const BonusReportInputs inputs{name ? name->text() : QString(), QDate::currentDate()};
  const platform::OutputResult result = Printer.PrintOn(program_.Printer, *choice, [&](platform::DrawingCursor& printer) {
    PrintBonusReport(printer, kind_, *values_, inputs);
  });
  if (!result.ok()) {
    program_.Dialogs.ShowMessageBox(result.error, platform::kBoxOk, QStringLiteral("Print This Calculation"));
    return false;
  }
  return true;
}

void RegisterBonusWindows(shell::Program& program) {
  auto alimony = std::make_shared<BonusValues>();
  auto support = std::make_shared<BonusValues>();
  program.Windows().SetFactory(QStringLiteral("FormBonusAlm"),
                               [&program, alimony] { return std::make_unique<FormBonusAlm>(program, alimony); });
  program.Windows().SetFactory(QStringLiteral("FormBonusCS"),
                               [&program, support] { return std::make_unique<FormBonusCS>(program, support); });
  program.Windows().SetFactory(QStringLiteral("Form19"), [] { return std::make_unique<Form19>(); });
  // The figures of a run belong to the case it ran on: another case starts without them.
  program.CaseReplacedSteps.push_back([alimony, support] {
    *alimony = BonusValues{};
    *support = BonusValues{};
  });
}

void OpenBonusCalculator(shell::Program& program, const QString& name, BonusServices services) {
  auto* w = program.Load<BonusWindow>(name);
  if (!w) return;
  program.FitFormToScreen(*w);
  w->SetServices(std::move(services));
  w->ShowModal();
}

}  // namespace tools::ui
