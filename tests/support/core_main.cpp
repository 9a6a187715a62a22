// Test entry for code that needs no window: a GUI application object (fonts,
// pictures, PDF) on the offscreen platform, with isolated folders.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
  testenv::isolateFolders();
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
