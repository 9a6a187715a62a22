#pragma once

#include <QHash>
#include <QPointer>

#include <vector>

#include "platform/ui/Form.h"
#include "shell/ScreenFactors.h"

class QMenu;
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
// and, below them, a scrolled area holding the windows of the frame (the
// worksheet and the four affidavit pages), one shown at a time. The window
// shown scrolls there with the scroll bars and the mouse wheel; the frame's
// menu bar holds its menus, its title names it, and its own button bar is
// the one visible.
class MDIForm1 : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit MDIForm1(shell::Program& program, QWidget* parent = nullptr);
  ~MDIForm1() override;

  static constexpr double kDesignWidth = 12000;
  static constexpr double kDesignHeight = 8640;

  QWidget* Picture5 = nullptr;  // the affidavit bar
  platform::ui::ButtonPlus *ClearFinDec, *Command3, *Command2, *Command4, *CalculateFD, *EstimateTaxes;
  QWidget* Picture4 = nullptr;  // a strip, hidden
  QWidget* Picture1 = nullptr;  // the worksheet bar
  platform::ui::ButtonPlus *Clear, *GetDataFromCommand, *Return, *CalculateWSCommand;
  QScrollArea* Sheet = nullptr;   // the frame's client area
  QWidget* Children = nullptr;    // what it scrolls: the windows of the frame

  // Makes a window one of the frame's (once): it stands at the top left of
  // the scrolled area, hidden until shown. Whenever it is shown it becomes
  // the window in use: the scrolled area takes its size, the menu bar its
  // `menus` and the frame shows its bar (the worksheet's or the affidavit's);
  // a window shown after another shows its top left corner. The worksheet
  // brings its own menus.
  void Adopt(QWidget& child, const std::vector<QMenu*>& menus = {}, bool worksheetBar = true);
  // The frame's window in use (the last one shown), or null.
  QWidget* Current() const { return current_; }
  // Shows the worksheet bar and hides the affidavit bar, or the reverse.
  void ShowWorksheetBar(bool worksheet);
  // Shows the frame in front, with the Express screen hidden behind it until
  // a Return To Express Form (or a check that stops on the Express screen)
  // shows it again.
  void ShowInFront();

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
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Child {
    std::vector<QMenu*> menus;
    bool worksheetBar = true;
  };

  Form9* Worksheet();
  void LayoutSheetArea();
  void MakeCurrent(QWidget* child);

  shell::Program& program_;
  QHash<QWidget*, Child> children_;
  QPointer<QWidget> current_;
  bool scrolled_ = false;  // the window in use has been shown at its top left
};

}  // namespace worksheet::ui
