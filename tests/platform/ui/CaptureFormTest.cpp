#include <gtest/gtest.h>

#include <QPalette>

#include "platform/ui/CaptureForm.h"
#include "platform/ui/Form.h"

TEST(CaptureForm, PictureOfTheClientAreaAtItsSizeInPixels) {
  // A client area of 10000 x 7500 twips: 667 x 500 pixels at 15 twips a pixel.
  QWidget window;
  window.resize(667, 500);
  QWidget patch(&window);
  patch.setGeometry(100, 50, 20, 10);
  patch.setAutoFillBackground(true);
  QPalette red = patch.palette();
  red.setColor(QPalette::Window, Qt::red);
  patch.setPalette(red);

  const QImage picture = platform::ui::CaptureForm(window);  // also while hidden
  EXPECT_EQ(picture.size(), QSize(667, 500));
  EXPECT_EQ(picture.pixelColor(105, 55), QColor(Qt::red));
  EXPECT_NE(picture.pixelColor(5, 5), QColor(Qt::red));
}

// A program window's picture holds its client area alone: the menu bar is
// no part of it, and what stands at the client area's corner stands at the
// picture's.
TEST(CaptureForm, MenuBarIsNoPartOfTheWindowsPicture) {
  platform::ui::Form window(QStringLiteral("FormWithMenus"));
  window.addMenu(QStringLiteral("File"), QStringLiteral("File"));
  QWidget* patch = window.add<QWidget>(QStringLiteral("Patch"), nullptr, 0, 0, 300, 150);
  platform::ui::SetBackColor(patch, platform::Rgb(255, 0, 0));
  window.ApplyGeometry();  // the menu bar takes its height above the client area
  ASSERT_GT(window.Client()->y(), 0);

  const QImage picture = platform::ui::CaptureForm(window);
  EXPECT_EQ(picture.size(), window.Client()->size());
  EXPECT_EQ(picture.pixelColor(2, 2), QColor(Qt::red));
  EXPECT_NE(picture.pixelColor(2, 12), QColor(Qt::red));
}
