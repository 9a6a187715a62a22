#pragma once

#include <QAbstractButton>

#include <memory>

namespace express {

// Runs `handler` when the user turns `option` on (a click or the keyboard on
// an option that was off); an option turned on from code runs nothing.
template <class Handler>
void OnTurnedOnByUser(QAbstractButton* option, QObject* context, Handler handler) {
  auto wasOn = std::make_shared<bool>(false);
  QObject::connect(option, &QAbstractButton::pressed, context, [option, wasOn] { *wasOn = option->isChecked(); });
  QObject::connect(option, &QAbstractButton::clicked, context, [option, wasOn, handler] {
    if (!*wasOn && option->isChecked()) handler();
  });
}

}  // namespace express
