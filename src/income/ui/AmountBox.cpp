#include "income/ui/AmountBox.h"

#include "income/AmountText.h"

namespace income {

AmountBox::AmountBox(QWidget* parent) : EntryBox(parent) {
  KeyPress = [this](std::int16_t& key) {
    if (key == '"') key = '\'';
    else if (DiscardEnter && key == kEnter) key = 0;
  };
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (ReadAmount(text).kind != AmountReading::TooLarge) accepted_ = text;
  });
}

void AmountBox::TakeBackEdit() { setText(accepted_); }

}  // namespace income
