#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace testenv {

namespace {

std::unique_ptr<QTemporaryDir>& processFolder() {
  static std::unique_ptr<QTemporaryDir> dir;
  return dir;
}

std::unique_ptr<QTemporaryDir>& testFolder() {
  static std::unique_ptr<QTemporaryDir> dir;
  return dir;
}

class FreshFoldersPerTest : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    testFolder() = std::make_unique<QTemporaryDir>();
    QDir(testFolder()->path()).mkpath("settings");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       testFolder()->path() + "/settings");
  }
  void OnTestEnd(const ::testing::TestInfo&) override { testFolder().reset(); }
};

}  // namespace

void isolateFolders() {
  processFolder() = std::make_unique<QTemporaryDir>();
  const QByteArray root = processFolder()->path().toLocal8Bit();
  for (const char* sub : {"config", "data", "home"}) QDir(processFolder()->path()).mkpath(sub);
  setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
  setenv("XDG_DATA_HOME", (root + "/data").constData(), 1);
  setenv("HOME", (root + "/home").constData(), 1);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshFoldersPerTest);
}

QString scratchFolder() { return testFolder() ? testFolder()->path() : QString(); }

QString dataFile(const QString& name) {
  return QStringLiteral(KELVANE_TEST_DATA_DIR "/") + name;
}

}  // namespace testenv
