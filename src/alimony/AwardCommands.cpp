#include "alimony/AwardCommands.h"

#include "income/AmountText.h"

namespace alimony {

NewAwardReading ReadNewAward(const QString& text) {
  const income::AmountReading r = income::ReadAmount(text);
  NewAwardReading out;
  if (r.kind == income::AmountReading::NotANumber) {
    out.Message = QStringLiteral("Please Enter The New Alimony");
    out.FocusToBox = true;
  } else if (r.kind == income::AmountReading::TooLarge) {
    out.Message = income::AmountTooLargeMessage();
    out.FocusToBox = true;
  } else if (r.value < 0) {
    out.Message = QStringLiteral("Alimony Must Be $0 or Greater");
  } else {
    out.Award = r.value;
  }
  return out;
}

}  // namespace alimony
