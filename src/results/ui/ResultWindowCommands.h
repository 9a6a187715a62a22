#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

#include "platform/document/Document.h"

class QAction;
class QMenu;

namespace platform::ui {
class Form;
}
namespace shell {
class Program;
}

namespace results::ui {

// What sets one result window's commands apart from the other's.
struct ResultWindowKind {
  std::int16_t callerCode = 5;      // CalculatorCaller for the side calculators
  QString previewReportKind;        // PreviewReportKind while its report is previewed
  QString reportCaption;            // the Print menu's report item
  QString definedBenefitCaption;    // the Tools menu's pension calculator item
  QString bonusWindow;              // the bonus calculator's window name ("FormBonusCS", "FormBonusAlm")
  // The alimony calculation with the program's windows, which the alimony
  // bonus calculator runs (tools::BonusServices::computeAlimony); empty for
  // the child support window.
  std::function<void(bool caseScoreFirst)> runAlimony;
  // The window's report, drawn on a new preview document and ended.
  std::function<platform::Document()> buildReport;
  // The window's "Print Screen Image".
  std::function<void()> printScreenImage;
};

// The menus and commands both result windows carry: "     File" (Quit
// Program), "     Print" (Print Screen Image, the report's preview, Printer
// Setup), "     Preparer Defaults", "     Tools" (the pension, financial and
// 72(t) calculators, the overnight estimator, shown beside the window) and
// "     Bonus Calculator" (the kind's bonus window, modal);
// and the key preview that turns a typed double quote into an apostrophe.
// Made once for each window, as its child.
class ResultWindowCommands : public QObject {
  Q_OBJECT
 public:
  ResultWindowCommands(platform::ui::Form& window, shell::Program& program, ResultWindowKind kind);

  void QuitProgram_Click();
  // The report in the preview window, which goes back to this window when
  // left; this window stays shown beneath it.
  void PreviewReport_Click();
  // The printer dialog in its set-up form; cancelling it changes nothing.
  void PrinterSetup_Click();
  // "Preparer's Name and Office", filled from the stored preferences.
  void PreparerDefaults_Click();
  // A side calculator ("Form7", "FormFin", "Form72t") opened with this
  // window's caller code; this window hides until the calculator returns.
  void OpenCalculator(const QString& name);

  // Gives every field of the window the key preview; a window calls it again
  // for fields it adds later.
  void PreviewKeys();

  QMenu* Print = nullptr;
  QAction* PrintScreenImage = nullptr;
  QAction* PrintReport = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();

  platform::ui::Form& window_;
  shell::Program& program_;
  ResultWindowKind kind_;
};

}  // namespace results::ui
