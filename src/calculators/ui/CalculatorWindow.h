#pragma once

#include <QString>

#include <cstdint>
#include <vector>

#include "platform/ui/Form.h"
#include "screenimage/ui/ScreenImage.h"

class QAction;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace platform::ui {
class ButtonPlus;
}
namespace calculators {
struct EntryCheck;
}

namespace shell {
class Program;
}

namespace calculators::ui {

// The window CalculatorCaller names: 3 the alimony result window "Form3", 5
// the child support result window "Form5", any other value (and a result
// window the program does not have) the Express screen "Form1". Shown
// modeless; returns it, or null when none is built.
QWidget* ShowCalculatorCaller(shell::Program& program);

// What the Tools menus' calculator items do: sets CalculatorCaller to
// `caller` (1 the Express screen, 3 the alimony result window, 5 the child
// support result window), loads the calculator `name` ("FormFin", "Form7",
// "Form72t"), fits it to the screen and shows it modeless. The opener hides
// itself as its own menu item says. Returns the calculator, or null.
platform::ui::Form* OpenCalculator(shell::Program& program, const QString& name, std::int16_t caller);

// What the financial, pension and 72(t) calculators share: Return and closing
// go back to the window that opened them, Quit Program, Printer Setup, Print
// Screen Image, and the grey scheme of their frames, labels and options.
// Closing unloads the window, so the next opening starts afresh.
class CalculatorWindow : public platform::ui::Form {
  Q_OBJECT
 public:
  CalculatorWindow(const QString& name, shell::Program& program, QWidget* parent = nullptr);

  // Shows the calling window and unloads this one.
  void ReturnToCaller();
  void QuitProgram_Click();
  // The printer dialog in its set-up form; cancelling it changes nothing.
  void PrinterSetup_Click();
  // The window's picture through the Print Screen Images window, taken with
  // its buttons hidden, its trade mark shown and its white scheme; that
  // window gives it back in its grey scheme.
  void PrintScreenImage_Click();
  // The scheme controls get the screen scheme's background (grey) or white.
  void MakeGrey();
  void MakeWhite();

 protected:
  // The menus "File" (Quit Program) and "Print" (Print Screen Image, a
  // separator, Printer Setup), with the window's own names and captions.
  struct MenuNames {
    const char* file;
    const char* fileCaption;
    const char* quit;
    const char* printScreen;
    const char* separator;
  };
  void AddCommandMenus(const MenuNames& names);
  // Controls as the calculators lay them out: a frame with its caption, a
  // label (wrapping) of a given height, an entry box 315 twips high, an option
  // 255 high, and a command button that takes the button scheme.
  QGroupBox* AddFrame(const char* name, QWidget* in, double left, double top, double width, double height,
                      const char* caption);
  QLabel* AddLabel(const char* name, QWidget* in, double left, double top, double width, double height,
                   const char* caption);
  QLineEdit* AddBox(const char* name, QWidget* in, double left, double top, double width);
  // An amount box: the same, kept to the program's amount limit. A rate box is a
  // plain box: its own check at the calculation bounds it with its own message.
  QLineEdit* AddAmountBox(const char* name, QWidget* in, double left, double top, double width);
  QRadioButton* AddOption(const char* name, QWidget* in, double left, double top, double width, const char* caption);
  platform::ui::ButtonPlus* AddButton(const char* name, QWidget* in, double left, double top, double width,
                                      double height, const char* caption);

  // An entry check's outcome as the user sees it: on a refusal the focus goes
  // to the field at fault (when there is one), a beep, and the message in the
  // "Entry Error" box. Returns the check's result (0 accepted, 1 refused).
  std::int16_t ReportEntryCheck(const EntryCheck& check);

  // The frames, labels and option buttons the schemes colour, in order.
  void SetSchemeControls(std::vector<QWidget*> controls) { schemeControls_ = std::move(controls); }
  // What the window's screen image needs: its PrintImageCaller code, the
  // buttons hidden for the picture, the trade-mark frame shown for it (none:
  // null) and how the window's state is treated.
  struct ScreenImageParts {
    std::int16_t callerCode = 0;
    std::vector<QWidget*> hiddenButtons;
    QWidget* tradeMark = nullptr;
    screenimage::ui::ImageWindowState state = screenimage::ui::ImageWindowState::MaximisedOnReturn;
  };
  void SetScreenImageParts(ScreenImageParts parts) { imageParts_ = std::move(parts); }

  void closeEvent(QCloseEvent* event) override;

  shell::Program& program_;

 private:
  std::vector<QWidget*> schemeControls_;
  ScreenImageParts imageParts_;
};

}  // namespace calculators::ui
