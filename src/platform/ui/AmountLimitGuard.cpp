#include "platform/ui/AmountLimitGuard.h"

#include <QFocusEvent>
#include <QLineEdit>

#include "platform/AmountLimit.h"
#include "platform/Dialogs.h"

namespace platform::ui {

namespace {

QString BeyondTheLimit(const QString& text) {
  return ReadAmount(text).kind == AmountReading::TooLarge ? AmountTooLargeMessage() : QString();
}

}  // namespace

AmountLimitGuard::AmountLimitGuard(QLineEdit* box, std::function<QString(const QString& text)> refusal)
    : QObject(box), box_(box), refusal_(std::move(refusal)), accepted_(box->text()) {
  connect(box, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (refusal_(text).isEmpty()) accepted_ = text;
  });
}

AmountLimitGuard* AmountLimitGuard::Track(QLineEdit* box) { return new AmountLimitGuard(box, BeyondTheLimit); }

AmountLimitGuard* AmountLimitGuard::Attach(QLineEdit* box, std::function<void()> tooLarge) {
  auto* guard = new AmountLimitGuard(box, BeyondTheLimit);
  guard->tooLarge_ = std::move(tooLarge);
  connect(box, &QLineEdit::textEdited, guard, [guard] {
    if (guard->TakeBackTooLarge() && guard->tooLarge_) guard->tooLarge_();
  });
  return guard;
}

AmountLimitGuard* AmountLimitGuard::Attach(QLineEdit* box, Dialogs& dialogs) {
  AmountLimitGuard* guard = Attach(box, [&dialogs] {
    dialogs.ShowMessageBox(AmountTooLargeMessage(), kBoxOk, QString::fromLatin1(kEntryErrorTitle));
  });
  guard->dialogs_ = &dialogs;
  box->installEventFilter(guard);
  return guard;
}

bool AmountLimitGuard::EntersOrLeaves(const QFocusEvent* event) {
  const Qt::FocusReason r = event->reason();
  return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason;
}

bool AmountLimitGuard::eventFilter(QObject* watched, QEvent* event) {
  // A box being destroyed is a QLineEdit no longer: it leaves nothing to refuse.
  if (event->type() != QEvent::FocusOut || !dialogs_ || qobject_cast<QLineEdit*>(watched) != box_) return false;
  if (!EntersOrLeaves(static_cast<QFocusEvent*>(event)) || !box_->isVisible() || box_->isReadOnly()) return false;
  const AmountReading reading = ReadAmount(box_->text());
  if (!reading.refused()) return false;
  dialogs_->ShowMessageBox(RefusalMessage(reading), kBoxOk, QString::fromLatin1(kEntryErrorTitle));
  box_->setFocus(Qt::OtherFocusReason);
  box_->selectAll();
  return false;
}

AmountLimitGuard* AmountLimitGuard::AttachBounds(QLineEdit* box, std::function<QString(const QString& text)> refusal,
                                                 Dialogs& dialogs) {
  auto* guard = new AmountLimitGuard(box, std::move(refusal));
  connect(box, &QLineEdit::textEdited, guard, [guard, &dialogs] {
    const QString message = guard->refusal_(guard->box_->text());
    if (guard->TakeBackTooLarge())
      dialogs.ShowMessageBox(message, kBoxOk, QString::fromLatin1(kEntryErrorTitle));
  });
  return guard;
}

bool AmountLimitGuard::TakeBackTooLarge() {
  if (refusal_(box_->text()).isEmpty()) {
    accepted_ = box_->text();
    return false;
  }
  box_->setText(accepted_);
  return true;
}

}  // namespace platform::ui
