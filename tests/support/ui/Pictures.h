#pragma once

#include <QDir>
#include <QImage>
#include <QSet>
#include <QString>

#include "support/TestEnvironment.h"

namespace testenv {

// How many distinct colours a picture has (a blank one has one or two).
inline int Colours(const QImage& image) {
  QSet<QRgb> seen;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) seen.insert(image.pixel(x, y));
  return static_cast<int>(seen.size());
}

// Saves a window's picture to the scratch folder, and to
// KELVANE_SCREENSHOT_DIR when that is set (the pictures in docs/ are made
// so); false when a save failed.
inline bool SavePicture(const QImage& picture, const QString& name) {
  bool saved = picture.save(QDir(scratchFolder()).filePath(name));
  const QString outside = qEnvironmentVariable("KELVANE_SCREENSHOT_DIR");
  if (!outside.isEmpty()) saved = picture.save(QDir(outside).filePath(name)) && saved;
  return saved;
}

}  // namespace testenv
