#pragma once

#include "platform/ui/EntryBox.h"

namespace income {

struct AmountField;

// An amount box of an income window. Besides the events of an entry box it
// turns a typed double quote into an apostrophe (the window's key preview),
// can discard Enter, and remembers its last text that held an amount the
// window accepts, so a refused entry can be taken back.
class AmountBox : public platform::ui::EntryBox {
  Q_OBJECT
 public:
  explicit AmountBox(QWidget* parent = nullptr);

  const AmountField* Field() const { return field_; }
  void SetField(const AmountField* field) { field_ = field; }

  bool DiscardEnter = false;

  // Puts back the last text accepted.
  void TakeBackEdit();

 private:
  const AmountField* field_ = nullptr;
  QString accepted_;
};

}  // namespace income
