#include "income/ui/AmountBox.h"

namespace income {

AmountBox::AmountBox(QWidget* parent) : EntryBox(parent) {
  SetAmountBox(true);
  KeyPress = [this](std::int16_t& key) {
    if (key == '"') key = '\'';
    else if (DiscardEnter && key == kEnter) key = 0;
  };
}

}  // namespace income
