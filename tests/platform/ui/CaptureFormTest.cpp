#include <gtest/gtest.h>

#include <QPalette>

#include "platform/ui/CaptureForm.h"

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
