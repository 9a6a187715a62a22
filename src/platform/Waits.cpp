#include "platform/Waits.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

void Wait(double seconds, QEventLoop::ProcessEventsFlags flags) {
  const qint64 ms = seconds > 0 ? static_cast<qint64>(std::ceil(seconds * 1000)) : 0;
  const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  // A timer can fire a little early: the clock decides when the wait is over.
  while (!deadline.hasExpired()) {
    timer.start(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
    loop.exec(flags);
    if (timer.isActive()) break;  // left before its time: the program is quitting
  }
  QCoreApplication::processEvents(flags);
}

}  // namespace

void WaitWhileHandlingEvents(double seconds) { Wait(seconds, QEventLoop::AllEvents); }

void WaitWithoutUserInput(double seconds) { Wait(seconds, QEventLoop::ExcludeUserInputEvents); }

}  // namespace platform
