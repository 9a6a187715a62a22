#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include "platform/document/Document.h"

class QPaintDevice;

namespace platform {

// The Qt font for a font of the document model (size in points, no hinting, so
// that a text has the same advance at every scale it is drawn at, and no
// ligatures). Underline is left off: the renderer draws underlines itself,
// under blanks too.
QFont QtFontFor(const FontSpec& style);

// A paint device of 1440 dots per inch: one device pixel is one twip.
const QPaintDevice* TwipPaintDevice();

// Measures text as it will stand on the page, in twips: Qt's font metrics
// against a paint device of 1440 dots per inch, so that one device pixel is one
// twip and no measurement depends on the screen.
class TextMetrics {
 public:
  explicit TextMetrics(const FontSpec& style);

  const FontSpec& font() const { return spec_; }
  double width(const QString& text) const { return metrics_.horizontalAdvance(text); }
  double height() const { return metrics_.height(); }  // ascent + descent
  double ascent() const { return metrics_.ascent(); }
  double underlinePosition() const { return metrics_.underlinePos(); }  // below the baseline
  double lineWidth() const { return metrics_.lineWidth(); }
  // Where a character's ink stands within its advance (left edge, width).
  QRectF ink(QChar c) const { return metrics_.boundingRect(c); }

 private:
  FontSpec spec_;
  QFontMetricsF metrics_;
};

}  // namespace platform
