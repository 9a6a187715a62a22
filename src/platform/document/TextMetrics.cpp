#include "platform/document/TextMetrics.h"

#include <QImage>

namespace platform {

namespace {

// A paint device whose logical resolution is 1440 dots per inch: a font of
// n points measures 20 n device pixels on it, that is 20 n twips.
const QPaintDevice* TwipDevice() {
  static const QImage device = [] {
    QImage image(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(kTwipsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
  }();
  return &device;
}

}  // namespace

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
    : spec_(style), metrics_(QtFontFor(style), TwipDevice()) {}

}  // namespace platform
