// Test entry for windows: a widget application on the offscreen platform,
// with isolated folders.
#include <QApplication>
#include <gtest/gtest.h>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
  testenv::isolateFolders();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
