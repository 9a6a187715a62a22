#pragma once

#include "platform/ui/Form.h"
#include "shell/ScreenFactors.h"

class QScrollArea;

namespace platform::ui {
class ButtonPlus;
}

namespace shell {
class Program;
}

namespace worksheet::ui {

class Form9;

// The frame of the worksheet and the affidavit pages: a window without
// minimise and maximise buttons, its two button bars along the top (the
// worksheet bar Picture1, the affidavit bar Picture5; one shows at a time)
// and, below them, a scrolled area holding the page in use. The worksheet
// scrolls there with the scroll bars and the mouse wheel.
class MDIForm1 : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit MDIForm1(shell::Program& program, QWidget* parent = nullptr);

  static constexpr double kDesignWidth = 12000;
  static constexpr double kDesignHeight = 8640;

  QWidget* Picture5 = nullptr;  // the affidavit bar
  platform::ui::ButtonPlus *ClearFinDec, *Command3, *Command2, *Command4, *CalculateFD, *EstimateTaxes;
  QWidget* Picture4 = nullptr;  // a strip, hidden
  QWidget* Picture1 = nullptr;  // the worksheet bar
  platform::ui::ButtonPlus *Clear, *GetDataFromCommand, *Return, *CalculateWSCommand;
  QScrollArea* Sheet = nullptr;  // the frame's client area

  // Puts a page of the frame into its scrolled area (once).
  void Adopt(QWidget& page);
  // Shows the worksheet bar and hides the affidavit bar, or the reverse.
  void ShowWorksheetBar(bool worksheet);

  // The start-up fit of the frame: the window by the screen factors (its
  // left edge too), each control's font by ScaleFactorMin and its place by
  // ScaleFactorX and ScaleFactorY, the button look on the tagged buttons.
  void FitFrame(const shell::ScreenFactors& factors);

  void Clear_Click();               // "Clear Sheet"
  void GetDataFromCommand_Click();  // "Get Data From Express Form"
  void Return_Click();              // "Return To Express Form", worksheet bar
  void CalculateWSCommand_Click();  // "Calculate Worksheet"
  void Command4_Click();            // "Return To Express Form", affidavit bar

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Form9* Worksheet();
  void LayoutSheetArea();
  void NotAvailableYet();

  shell::Program& program_;
};

}  // namespace worksheet::ui
