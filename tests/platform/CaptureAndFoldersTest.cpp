#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include "platform/Capture.h"
#include "platform/SpecialFolders.h"

TEST(CaptureScreen, PictureHasTheScreensSizeInPixels) {
  const QImage image = platform::CaptureScreen();
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QGuiApplication::primaryScreen()->geometry().size());
}

TEST(GetSpecialFolderPath, FolderFollowedBySeparator) {
  const QString home = platform::GetSpecialFolderPath(QStandardPaths::HomeLocation);
  EXPECT_EQ(home, QDir::cleanPath(QDir::homePath()) + "/");
  const QString documents = platform::GetSpecialFolderPath(QStandardPaths::DocumentsLocation);
  EXPECT_TRUE(documents.endsWith('/'));
  EXPECT_FALSE(documents.endsWith("//"));
}
