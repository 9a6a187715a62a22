#pragma once

#include "casefile/CaseFields.h"

namespace platform::ui {
class Form;
}
namespace shell {
class Program;
}

// CaseFields over the program's own windows, found by name in its window
// registry: the Express screen (Form1), the income windows (Form13, Form14),
// the parenting-time window (Form16), the business windows (Form26, Form27)
// and the worksheet (Form9). A window is loaded on first use; a window the
// program does not hold reads as empty and ignores writes. Controls are found
// by name, an element of a control array as "Name(i)". Writes run none of the
// window's handling; React runs the handling of the user's own change.
namespace casefile::ui {

class WindowCaseFields final : public CaseFields {
 public:
  explicit WindowCaseFields(shell::Program& program) : program_(program) {}

  QString Text(const ControlRef& control) const override;
  void SetText(const ControlRef& control, const QString& text) override;
  int Value(const ControlRef& control) const override;
  void SetValue(const ControlRef& control, int value) override;
  void React(const ControlRef& control) override;
  WorksheetFont Font() const override;
  void SetFont(const WorksheetFont& font) override;
  bool Run(const QString& window, const char* method, int column = kNoIndex) override;
  // The window's title and the caption its labels give the control
  // (platform::ui::ControlCaption); the control's name when none does.
  QString Caption(const ControlRef& control) const override;

 private:
  platform::ui::Form* Window(const QString& name) const;
  void ReactExpress(const ControlRef& control);
  void ReactIncome(const ControlRef& control);

  shell::Program& program_;
};

// The worksheet's part (WorksheetPart.cpp), kept in one place: the handling
// of its controls' changes and its own methods. Until the worksheet window is
// in the program, both do nothing (Run reports the method as done).
void ReactWorksheet(shell::Program& program, platform::ui::Form& form9, const ControlRef& control);
bool RunWorksheet(shell::Program& program, platform::ui::Form& form9, const char* method);

}  // namespace casefile::ui
