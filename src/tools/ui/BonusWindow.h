#pragma once

#include <memory>

#include "income/ui/IncomeReportCommand.h"
#include "platform/ui/EntryBox.h"
#include "platform/ui/Form.h"
#include "tools/BonusRun.h"

class QLabel;
class QLineEdit;

namespace platform::ui {
class ButtonPlus;
}
namespace shell {
class Program;
}

namespace tools::ui {

class LinesPicture;

// "Bonus Calculator": the share of the other party's yearly bonus that would
// go to the claimant as alimony (FormBonusAlm) or child support
// (FormBonusCS). Its figures live in `values`, which outlives the window, so
// the report prints the last run after the window was closed and opened again.
class BonusWindow : public platform::ui::Form {
  Q_OBJECT
 public:
  BonusWindow(BonusKind kind, shell::Program& program, std::shared_ptr<BonusValues> values,
              QWidget* parent = nullptr);

  // The engines and fields a run works on.
  void SetServices(BonusServices services) { services_ = std::move(services); }

  void ButtonPlus1_Click();  // "Calculate Transfer"
  void ButtonPlus2_Click();  // "About This Calculator"
  // The print command: the print dialog, then the report drawn on the
  // program's printer and sent to the chosen one. Cancel prints nothing; a print that fails is reported.
  bool PrintReport_Click();

  const BonusValues& Values() const { return *values_; }

  QLabel *Label1, *Label2;
  QLineEdit* Text1;
  platform::ui::EntryBox* Text2;  // the bonus: an amount box within the program's limit
  LinesPicture* Picture1;
  platform::ui::ButtonPlus *ButtonPlus1, *ButtonPlus2;
  // Where the page goes; tests keep it instead of printing.
  income::ReportPrinter Printer = income::ReportPrinter::ChosenPrinter();

 private:
  // The beep, then the "Entry Error".
  void EntryError(const QString& message);

  BonusKind kind_;
  shell::Program& program_;
  std::shared_ptr<BonusValues> values_;
  BonusServices services_;
};

class FormBonusAlm : public BonusWindow {
  Q_OBJECT
 public:
  FormBonusAlm(shell::Program& program, std::shared_ptr<BonusValues> values, QWidget* parent = nullptr)
      : BonusWindow(BonusKind::Alimony, program, std::move(values), parent) {}
};

class FormBonusCS : public BonusWindow {
  Q_OBJECT
 public:
  FormBonusCS(shell::Program& program, std::shared_ptr<BonusValues> values, QWidget* parent = nullptr)
      : BonusWindow(BonusKind::ChildSupport, program, std::move(values), parent) {}
};

// Registers both bonus windows with one store of figures each, kept for the
// life of the program until another case replaces the one they ran on.
void RegisterBonusWindows(shell::Program& program);

// The result windows' "Run A Bonus Calculation": loads and fits the window
// ("FormBonusAlm" or "FormBonusCS"), gives it the run's services and shows it
// modally; returns once it has closed.
void OpenBonusCalculator(shell::Program& program, const QString& name, BonusServices services);

}  // namespace tools::ui
