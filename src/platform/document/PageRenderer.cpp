#include "platform/document/PageRenderer.h"

#include <QPaintDevice>
#include <QPen>

#include <cmath>
#include <variant>

#include "platform/document/TextMetrics.h"

namespace platform {

namespace {

template <class... Fs>
struct Overloaded : Fs... {
  using Fs::operator()...;
};
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

QPen PenOf(const PenSpec& pen) {
  return QPen(pen.color, pen.width, pen.style, Qt::SquareCap, Qt::MiterJoin);
}

// The painter works in twips; a font of n points must come out 20 n twips
// tall whatever the resolution of the device under the painter.
void PaintRun(QPainter& painter, const TextRun& run, double deviceDpi) {
  QFont font = QtFontFor(run.font);
  font.setPointSizeF(run.font.size * kTwipsPerInch / deviceDpi);
  painter.setFont(font);
  painter.setPen(run.color);
  const double baseline = run.position.y() + run.ascent;
  painter.drawText(QPointF(run.position.x(), baseline), run.text);
  if (run.font.underline) {
    // Drawn here rather than by the font so that blanks are underlined too.
    const TextMetrics metrics(run.font);
    const double thickness = metrics.lineWidth();
    painter.fillRect(QRectF(run.position.x(), baseline + metrics.underlinePosition() - thickness / 2,
                            run.size.width(), thickness),
                     run.color);
  }
}

}  // namespace

void PaintPage(QPainter& painter, const Page& page, double scale) {
  painter.save();
  painter.scale(scale, scale);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
  const double dpi = painter.device() ? painter.device()->logicalDpiY() : kTwipsPerInch;
  for (const PageItem& item : page.items) {
    std::visit(Overloaded{
                   [&](const TextRun& run) { PaintRun(painter, run, dpi); },
                   [&](const LineItem& line) {
                     painter.setPen(PenOf(line.pen));
                     painter.drawLine(QLineF(line.from, line.to));
                   },
                   [&](const BoxItem& box) {
                     if (box.filled) painter.fillRect(box.rect, box.fill);
                     painter.setPen(PenOf(box.pen));
                     painter.setBrush(Qt::NoBrush);
                     painter.drawRect(box.rect);
                   },
                   [&](const ShadedTextBox& box) {
                     if (box.shaded) painter.fillRect(box.rect, box.shade);
                     for (const TextRun& line : box.lines) PaintRun(painter, line, dpi);
                   },
                   [&](const PictureItem& picture) {
                     painter.drawImage(picture.rect, picture.image);
                   },
               },
               item);
  }
  painter.restore();
}

QImage RenderPageImage(const Page& page, double dotsPerInch) {
  if (!(dotsPerInch > 0)) return QImage();
  const double scale = dotsPerInch / kTwipsPerInch;
  QImage image(static_cast<int>(std::ceil(page.size.width() * scale)),
               static_cast<int>(std::ceil(page.size.height() * scale)), QImage::Format_RGB32);
  const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintPage(painter, page, scale);
  return image;
}

QRectF TwipsToImage(const QRectF& twips, double dotsPerInch) {
  const double scale = dotsPerInch / kTwipsPerInch;
  return QRectF(twips.topLeft() * scale, twips.size() * scale);
}

}  // namespace platform
