#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

#include "platform/document/Document.h"

namespace platform {

// Paints one page with `scale` device pixels to the twip, the sheet's top-left
// corner at the painter's origin. The one painter of every output: preview
// pictures, printers and PDF files. Leaves the painter's state as it found it.
void PaintPage(QPainter& painter, const Page& page, double scale);

// The page on white paper at the given resolution (96 shows it at its actual
// size on a common screen); a null image for a resolution of 0 or less.
QImage RenderPageImage(const Page& page, double dotsPerInch);

// A rectangle in twips as it stands on a page picture of that resolution.
QRectF TwipsToImage(const QRectF& twips, double dotsPerInch);

}  // namespace platform
