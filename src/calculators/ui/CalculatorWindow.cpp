#include "calculators/ui/CalculatorWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>

#include "calculators/AmountEntry.h"
#include "platform/ui/AmountLimitGuard.h"
#include "platform/Dialogs.h"
#include "platform/ui/Beep.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/Program.h"

namespace calculators::ui {

QWidget* ShowCalculatorCaller(shell::Program& program) {
  const std::int16_t caller = program.State.CalculatorCaller;
  QWidget* window = nullptr;
  if (caller == 3) window = program.Load(QStringLiteral("Form3"));
  if (caller == 5) window = program.Load(QStringLiteral("Form5"));
  if (!window) window = program.Load(QStringLiteral("Form1"));
  if (window) window->show();
  return window;
}

platform::ui::Form* OpenCalculator(shell::Program& program, const QString& name, std::int16_t caller) {
  program.State.CalculatorCaller = caller;
  auto* calculator = program.Load<platform::ui::Form>(name);
  if (!calculator) return nullptr;
  program.FitFormToScreen(*calculator);
  calculator->show();
  return calculator;
}

CalculatorWindow::CalculatorWindow(const QString& name, shell::Program& program, QWidget* parent)
    : Form(name, parent), program_(program) {
  setAttribute(Qt::WA_DeleteOnClose);
}

void CalculatorWindow::AddCommandMenus(const MenuNames& names) {
  QMenu* file = addMenu(QString::fromLatin1(names.file), QString::fromLatin1(names.fileCaption));
  connect(addMenuItem(QString::fromLatin1(names.quit), QStringLiteral("Quit Program"), file), &QAction::triggered,
          this, &CalculatorWindow::QuitProgram_Click);
  QMenu* print = addMenu(QStringLiteral("Print"), QStringLiteral("     Print"));
  connect(addMenuItem(QString::fromLatin1(names.printScreen), QStringLiteral("Print Screen Image"), print),
          &QAction::triggered, this, &CalculatorWindow::PrintScreenImage_Click);
  print->addSeparator()->setObjectName(QString::fromLatin1(names.separator));
  connect(addMenuItem(QStringLiteral("PrinterSetup"), QStringLiteral("Printer Setup"), print), &QAction::triggered,
          this, &CalculatorWindow::PrinterSetup_Click);
}

QGroupBox* CalculatorWindow::AddFrame(const char* name, QWidget* in, double left, double top, double width,
                                     double height, const char* caption) {
  return add<QGroupBox>(QString::fromLatin1(name), in, left, top, width, height, QString::fromLatin1(caption));
}

QLabel* CalculatorWindow::AddLabel(const char* name, QWidget* in, double left, double top, double width,
                                   double height, const char* caption) {
  auto* label = add<QLabel>(QString::fromLatin1(name), in, left, top, width, height, QString::fromLatin1(caption));
  label->setWordWrap(true);
  return label;
}

QLineEdit* CalculatorWindow::AddBox(const char* name, QWidget* in, double left, double top, double width) {
  return add<QLineEdit>(QString::fromLatin1(name), in, left, top, width, 315);
}

QLineEdit* CalculatorWindow::AddAmountBox(const char* name, QWidget* in, double left, double top, double width) {
  QLineEdit* box = AddBox(name, in, left, top, width);
  platform::ui::AmountLimitGuard::Attach(box, program_.Dialogs);
  return box;
}

QRadioButton* CalculatorWindow::AddOption(const char* name, QWidget* in, double left, double top, double width,
                                          const char* caption) {
  return add<QRadioButton>(QString::fromLatin1(name), in, left, top, width, 255, QString::fromLatin1(caption));
}

platform::ui::ButtonPlus* CalculatorWindow::AddButton(const char* name, QWidget* in, double left, double top,
                                                      double width, double height, const char* caption) {
  auto* button = add<platform::ui::ButtonPlus>(QString::fromLatin1(name), in, left, top, width, height,
                                               QString::fromLatin1(caption));
  platform::ui::SetTag(button, QStringLiteral("1000"));
  return button;
}

std::int16_t CalculatorWindow::ReportEntryCheck(const EntryCheck& check) {
  if (check.result == 0) return 0;
  if (QWidget* field = Control(check.field)) field->setFocus();
  platform::ui::Beep();
  program_.Dialogs.ShowMessageBox(check.message, platform::kBoxOk, QStringLiteral("Entry Error"));
  return check.result;
}

void CalculatorWindow::ReturnToCaller() {
  ShowCalculatorCaller(program_);
  close();
}

void CalculatorWindow::QuitProgram_Click() { program_.QuitProgram(); }

void CalculatorWindow::PrinterSetup_Click() { program_.SetUpPrinter(); }

void CalculatorWindow::PrintScreenImage_Click() {
  screenimage::ui::TakeScreenImage(
      program_, *this, imageParts_.callerCode,
      [this] {
        for (QWidget* b : imageParts_.hiddenButtons) b->hide();
        if (QWidget* mark = imageParts_.tradeMark) {
          mark->show();
          mark->raise();
        }
        MakeWhite();
      },
      {imageParts_.state});
}

void CalculatorWindow::MakeGrey() {
  for (QWidget* c : schemeControls_) platform::ui::SetBackColor(c, program_.State.SchemeBackColor);
}

void CalculatorWindow::MakeWhite() {
  for (QWidget* c : schemeControls_) platform::ui::SetBackColor(c, platform::kWhite);
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
  ShowCalculatorCaller(program_);
  Form::closeEvent(event);
}

}  // namespace calculators::ui
