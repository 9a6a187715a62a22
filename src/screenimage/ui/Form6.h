#pragma once

#include <QImage>

#include <cstdint>

#include "income/ui/IncomeReportCommand.h"
#include "platform/document/Document.h"
#include "platform/ui/Form.h"

class QGroupBox;
class QLabel;

namespace platform::ui {
class ButtonPlus;
}
namespace shell {
class Program;
}

namespace screenimage::ui {

// "Print Screen Images": prints the picture another window took of itself on
// one page, landscape or portrait, stretched over the printable area. It
// shows the picture reduced as it will lie on either page. However it closes,
// it gives the window named by PrintImageCaller its buttons and screen colours
// back and shows it again. Maximised, with its title bar (and close box) in
// view; closing unloads it, so the next picture starts with an empty window.
class Form6 : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit Form6(shell::Program& program, QWidget* parent = nullptr);

  // The captured picture (kept full size, as Picture3 would hold it), and the
  // landscape and portrait previews drawn 100 twips from their boxes' corner,
  // 3680 x 2840 and 2840 x 3680 twips, each times the screen factors.
  void SetCapture(const QImage& picture, double scaleFactorX, double scaleFactorY);
  const QImage& Capture() const { return capture_; }

  // "Print Report LANDSCAPE" / "Print Report PORTRAIT": the print dialog (page
  // 1 of 1, no selection, no printing to a file), the page on the program's
  // printer, then the window
  // closes. Cancel prints nothing; a failed print is reported. Returns true
  // when the page was printed.
  bool Command1_Click();
  bool Command3_Click();
  // "Cancel Print And Return".
  void Command4_Click();

  // Gives the calling window its buttons and screen colours back and shows
  // it; a second call changes nothing more.
  void ReturnToCaller();

  // Draws the page of the picture on a printer and ends the document. The
  // orientation stays set on the printer for the printouts after it.
  static void DrawImagePage(platform::DrawingCursor& printer, const QImage& picture,
                            platform::PageOrientation orientation);

  QGroupBox* Frame1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QGroupBox* Frame3 = nullptr;
  QGroupBox* Frame5 = nullptr;
  QLabel* Picture1 = nullptr;
  QLabel* Picture2 = nullptr;
  platform::ui::ButtonPlus* Command1 = nullptr;
  platform::ui::ButtonPlus* Command3 = nullptr;
  platform::ui::ButtonPlus* Command4 = nullptr;
  // Where the page goes; tests keep it instead of printing.
  income::ReportPrinter Printer = income::ReportPrinter::ChosenPrinter();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool PrintImage(platform::PageOrientation orientation);

  shell::Program& program_;
  QImage capture_;
};

}  // namespace screenimage::ui
