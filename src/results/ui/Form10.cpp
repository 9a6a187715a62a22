#include "results/ui/Form10.h"

#include <QAction>

#include "platform/ui/Form.h"
#include "results/TaxCreditBreakdown.h"
#include "results/ui/PictureBox.h"

namespace results::ui {

namespace pui = platform::ui;

Form10::Form10(const casevars::CaseVars& vars, platform::Dialogs& dialogs, platform::DrawingCursor& printer,
               std::function<QString()> caseName, QWidget* parent)
    : Form(QStringLiteral("Form10"), parent),
      vars_(vars),
      dialogs_(dialogs),
      printer_(printer),
      caseName_(std::move(caseName)),
      canvas_(TaxCreditsPicture()) {
  setWindowTitle(QStringLiteral("TAX CREDITS"));
  pui::SetFontSize(this, 9.75);
  SetDesignedByClientArea(true);  // 6150 x 4545 is the client area
  pui::SetWidth(this, 6150);
  pui::SetHeight(this, 4545);
  Picture1 = add<PictureBox>(QStringLiteral("Picture1"), nullptr, 60, 90, 6015, 4335);
  pui::SetFontSize(Picture1, 8.25);
  Picture1->Attach(&canvas_);
  QMenu* print = addMenu(QStringLiteral("PrintCred"), QStringLiteral("Print"));
  PrintCredits = addMenuItem(QStringLiteral("PrintCredits"), QStringLiteral("Print Tax Credits"), print);
  connect(PrintCredits, &QAction::triggered, this, [this] { PrintCredits_Click(); });
}

Form10::~Form10() { Picture1->Attach(nullptr); }

void Form10::ShowCredits(casevars::Party party) {
  Picture1->SyncCanvas();
  DrawTaxCredits(canvas_, vars_, party);
}

bool Form10::PrintCredits_Click() {
  platform::PrintRequest request;  // page 1 of 1, no choice of a selection
  request.noSelection = true;
  const std::optional<platform::PrinterChoice> choice = dialogs_.ShowPrintDialog(request);
  if (!choice) return false;
  const TaxCreditsPrintInputs inputs{caseName_ ? caseName_() : QString()};
  const platform::OutputResult result = Printer.PrintOn(
      printer_, *choice, [&](platform::DrawingCursor& printer) { PrintTaxCredits(printer, vars_, inputs); });
  if (!result.ok()) {
    dialogs_.ShowMessageBox(result.error, platform::kBoxOk, QStringLiteral("Print Tax Credits"));
    return false;
  }
  return true;
}

}  // namespace results::ui
