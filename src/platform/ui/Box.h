#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

#include "platform/ui/ButtonPlus.h"
#include "platform/ui/Form.h"

namespace platform::ui {

// Fits a window to the screen and gives it the user's colours and button
// style before it is shown. The default fits nothing.
using WindowFitter = std::function<void(QWidget&)>;

// The program's message box, a window of the program like the others: its
// controls are laid out in twips and fitted to the screen, and its buttons
// carry the tag "1000" so that they take the user's button scheme.
class Box : public Form {
  Q_OBJECT

 public:
  explicit Box(QWidget* parent = nullptr);

  // Captions the buttons, sizes the box to the prompt and puts the prompt in.
  void Prepare(const QString& prompt, int16_t buttons, const QString& title);

  // Places the box, as sized, centred on `over` (the window the message
  // concerns) or, without one, on the screen, and always within the screen's
  // work area.
  void CentreOn(const QWidget* over);

  void Box_Command1_Click();
  void Box_Command2_Click();

  QPlainTextEdit& Text1;
  QWidget& Picture1;  // hidden; measures the prompt in its font
  ButtonPlus& Command1;
  ButtonPlus& Command2;

  // 6 after "Yes", 7 after "No", 0 otherwise; 7 also when a Yes/No box is
  // closed without its buttons.
  int16_t BoxResult = 0;
  float PromptLineCount = 0;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // A button whose caption is `caption` gives `answer` and closes the box;
  // an "OK" button gives 0 and closes it.
  void answerBy(const QPushButton& button, QLatin1String caption, int16_t answer);

  bool answered_ = false;
};

// Shows the box modally, without an owner window: creates it from its design,
// hands it to `fitter`, sizes it to the prompt, centres it on the active
// window of the program (on the screen when none is active), beeps, and
// waits for the answer (see Dialogs::ShowMessageBox). Enter presses the
// button that has the focus, the first one ("Yes" or "OK") when none has.
int16_t ShowBox(const QString& prompt, int16_t buttons, const QString& title,
                const WindowFitter& fitter = {});

}  // namespace platform::ui
