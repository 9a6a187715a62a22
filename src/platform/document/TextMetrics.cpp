#include "platform/document/TextMetrics.h"

#include <QImage>

namespace platform {

// A font of n points measures 20 n device pixels on it, that is 20 n twips.
const QPaintDevice* TwipPaintDevice() {
  static const QImage device = [] {
    QImage image(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(kTwipsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
  }();
  return &device;
}

QFont QtFontFor(const FontSpec& style) {
  QFont font(style.name);
  font.setPointSizeF(style.size);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  // No ligatures: "fi" stays two letters, so the text of a PDF file reads and
  // searches as it was printed.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

TextMetrics::TextMetrics(const FontSpec& style)
    : spec_(style), metrics_(QtFontFor(style), TwipPaintDevice()) {}

}  // namespace platform
