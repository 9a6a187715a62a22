#pragma once

#include "platform/ui/EntryBox.h"

namespace income {

struct AmountField;

// An amount box of an income window: an entry box in amount mode (the
// program's limit, the figure selected by a click) that also turns a typed
// double quote into an apostrophe (the window's key preview) and can
// discard Enter.
class AmountBox : public platform::ui::EntryBox {
  Q_OBJECT
 public:
  explicit AmountBox(QWidget* parent = nullptr);

  const AmountField* Field() const { return field_; }
  void SetField(const AmountField* field) { field_ = field; }

  bool DiscardEnter = false;

 private:
  const AmountField* field_ = nullptr;
};

}  // namespace income
