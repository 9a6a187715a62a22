#include "platform/ui/AmountLimitGuard.h"

#include <QLineEdit>

#include "platform/AmountLimit.h"
#include "platform/Dialogs.h"

namespace platform::ui {

namespace {

bool TooLarge(const QString& text) { return ReadAmount(text).kind == AmountReading::TooLarge; }

}  // namespace

AmountLimitGuard::AmountLimitGuard(QLineEdit* box) : QObject(box), box_(box), accepted_(box->text()) {
  connect(box, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!TooLarge(text)) accepted_ = text;
  });
}

AmountLimitGuard* AmountLimitGuard::Track(QLineEdit* box) { return new AmountLimitGuard(box); }

AmountLimitGuard* AmountLimitGuard::Attach(QLineEdit* box, std::function<void()> tooLarge) {
  auto* guard = new AmountLimitGuard(box);
  guard->tooLarge_ = std::move(tooLarge);
  connect(box, &QLineEdit::textEdited, guard, [guard] {
    if (guard->TakeBackTooLarge() && guard->tooLarge_) guard->tooLarge_();
  });
  return guard;
}

AmountLimitGuard* AmountLimitGuard::Attach(QLineEdit* box, Dialogs& dialogs) {
  return Attach(box, [&dialogs] {
    dialogs.ShowMessageBox(AmountTooLargeMessage(), kBoxOk, QString::fromLatin1(kEntryErrorTitle));
  });
}

bool AmountLimitGuard::TakeBackTooLarge() {
  if (!TooLarge(box_->text())) {
    accepted_ = box_->text();
    return false;
  }
  box_->setText(accepted_);
  return true;
}

}  // namespace platform::ui
