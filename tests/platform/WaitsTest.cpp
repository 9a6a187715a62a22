#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include <ctime>

#include "platform/Waits.h"

using platform::WaitWhileHandlingEvents;

TEST(WaitWhileHandlingEvents, HandlesEventsUntilTheTimeHasPassedWithoutSpinning) {
  bool fired = false;
  QTimer::singleShot(50, [&] { fired = true; });
  QElapsedTimer clock;
  clock.start();
  const std::clock_t cpuBefore = std::clock();
  WaitWhileHandlingEvents(0.3);
  const double cpuSeconds = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
  EXPECT_GE(clock.elapsed(), 300);
  EXPECT_LT(clock.elapsed(), 2000);
  EXPECT_TRUE(fired);
  // A loop that only polls would use the whole 0.3 s of processor time.
  EXPECT_LT(cpuSeconds, 0.15);
}

TEST(WaitWhileHandlingEvents, NoTimeStillHandlesPendingEvents) {
  bool fired = false;
  QTimer::singleShot(0, [&] { fired = true; });
  QElapsedTimer clock;
  clock.start();
  WaitWhileHandlingEvents(0);
  WaitWhileHandlingEvents(-1);
  EXPECT_TRUE(fired);
  EXPECT_LT(clock.elapsed(), 500);
}
