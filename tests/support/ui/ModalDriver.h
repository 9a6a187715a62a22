#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Acts on a modal window from inside its event loop: call WhenModal before
// the code that shows the window. As soon as a modal window is shown, `act`
// runs on it (cast to W). A test never hangs on a modal window: when none
// appears within the time, or the one acted on is still open after it, the
// test fails and the window is closed.
namespace testenv {

template <class W = QWidget>
void WhenModal(std::function<void(W&)> act, int timeoutMs = 5000) {
  auto* poll = new QTimer(qApp);
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(poll, &QTimer::timeout, [poll, clock, act, timeoutMs] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal && clock->elapsed() < timeoutMs) return;
    poll->stop();
    if (!modal) {
      ADD_FAILURE() << "no modal window was shown";
    } else if (W* w = qobject_cast<W*>(modal)) {
      // Armed before acting, since acting may itself open a modal window.
      QPointer<QWidget> acted = modal;
      QTimer::singleShot(timeoutMs, [acted] {
        if (!acted || !acted->isVisible()) return;
        ADD_FAILURE() << "the modal window stayed open";
        for (int i = 0; i < 10 && acted && acted->isVisible(); ++i) {
          QWidget* top = QApplication::activeModalWidget();
          if (auto* d = qobject_cast<QDialog*>(top)) d->reject();
          else if (top) top->close();
          else acted->close();
        }
      });
      act(*w);
    } else {
      ADD_FAILURE() << "the modal window is a " << modal->metaObject()->className();
      modal->close();
    }
    poll->deleteLater();
    delete clock;
  });
  poll->start(5);
}

}  // namespace testenv
