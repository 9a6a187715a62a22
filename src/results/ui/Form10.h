#pragma once

#include <functional>

#include "case/CaseVars.h"
#include "income/ui/IncomeReportCommand.h"
#include "platform/Dialogs.h"
#include "platform/ui/Form.h"
#include "results/TextCanvas.h"

class QAction;

namespace results::ui {

class PictureBox;

// "TAX CREDITS": one party's itemised federal tax credits as the last tax
// calculation left them, with a menu command that prints both parties'.
class Form10 : public platform::ui::Form {
  Q_OBJECT
 public:
  // `caseName` gives the Express screen's case name when the page is printed;
  // the page is drawn on `printer`, the program's printer, whose font and
  // drawing settings carry from one printout to the next.
  Form10(const casevars::CaseVars& vars, platform::Dialogs& dialogs, platform::DrawingCursor& printer,
         std::function<QString()> caseName, QWidget* parent = nullptr);
  ~Form10() override;

  // Writes the party's breakdown (the claimant's for ClaimCreditsButton, the
  // other party's for OtherCreditsButton) into the picture.
  void ShowCredits(casevars::Party party);

  // "Print Tax Credits": the print dialog, then the page of both parties on
  // the chosen printer. Returns true when the page was printed; a cancelled
  // dialog prints nothing, a failed print is reported.
  bool PrintCredits_Click();

  PictureBox* Picture1 = nullptr;
  QAction* PrintCredits = nullptr;
  // Where the page goes; tests keep it instead of printing.
  income::ReportPrinter Printer = income::ReportPrinter::ChosenPrinter();

 private:
  const casevars::CaseVars& vars_;
  platform::Dialogs& dialogs_;
  platform::DrawingCursor& printer_;
  std::function<QString()> caseName_;
  TextCanvas canvas_;
};

}  // namespace results::ui
