#pragma once

#include <functional>

#include "express/ExpressFields.h"

class QAbstractButton;
class QWidget;

namespace platform::ui {
class Form;
}

namespace express {

// ExpressFields over a window's own controls: a control is found by its name,
// an element of a control array as "Name(i)"; menu items by their name.
// Writes change the control without running the window's handlers, which
// react to the user's clicks, keys and edits only.
class FormFields final : public ExpressFields {
 public:
  explicit FormFields(platform::ui::Form& form) : form_(form) {}

  QString Text(const QString& name, int index = kNoIndex) const override;
  void SetText(const QString& name, const QString& text, int index = kNoIndex) override;
  int Value(const QString& name, int index = kNoIndex) const override;
  void SetValue(const QString& name, int value, int index = kNoIndex) override;
  QString ComboText(const QString& name) const override;
  bool MenuChecked(const QString& name) const override;
  void SetFocus(const QString& name, int index = kNoIndex) override;
  bool Enabled(const QString& name, int index = kNoIndex) const override;
  void SetEnabled(const QString& name, bool enabled, int index = kNoIndex) override;
  bool Visible(const QString& name, int index = kNoIndex) const override;
  void SetVisible(const QString& name, bool visible, int index = kNoIndex) override;
  void SetBackColor(const QString& name, std::uint32_t color, int index = kNoIndex) override;
  void Show() override;
  QString RefusedIncomeEntry() const override { return RefusedIncome ? RefusedIncome() : QString(); }

  // What RefusedIncomeEntry answers (set by the Express screen); none: "".
  std::function<QString()> RefusedIncome;

 private:
  QWidget* Find(const QString& name, int index) const;

  platform::ui::Form& form_;
};

// Turns an option button off from code, also the one that is on in an
// exclusive group (which the toolkit would keep on).
void TurnOff(QAbstractButton* option);

}  // namespace express
