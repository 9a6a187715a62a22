#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <variant>
#include <vector>

// The document model behind the preview window, the printer and PDF files: a
// document is a list of pages, a page a list of drawn items. Every position and
// size is in twips (1440 to the inch) from the top-left corner of the sheet,
// Y growing downwards. Pages are US letter, portrait or landscape.
namespace platform {

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kTwipsPerPoint = 20.0;
inline constexpr double kTwipsPerMillimetre = kTwipsPerInch / 25.4;
inline constexpr double kLetterWidth = 12240.0;   // 8.5 in
inline constexpr double kLetterHeight = 15840.0;  // 11 in

enum class PageOrientation { Portrait = 1, Landscape = 2 };

// Size of a letter sheet in the given orientation, in twips.
QSizeF LetterSize(PageOrientation orientation);

// A colour given as the program's whole numbers: red + 256 x green + 65536 x blue
// (14215660 is red 236, green 233, blue 216). Bits above the blue byte are ignored.
QColor ColorFromRgbValue(int value);

struct FontSpec {
  QString name;
  double size = 10.0;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;  // drawn by the renderer under the whole advance, blanks included

  bool operator==(const FontSpec&) const = default;
};

// One run of text on one line. `position` is the top-left corner of the text's
// cell; `size` is its measured advance and font height; `ascent` places the baseline.
struct TextRun {
  QString text;
  FontSpec font;
  QColor color = Qt::black;
  QPointF position;
  QSizeF size;
  double ascent = 0;

  QRectF rect() const { return QRectF(position, size); }
};

// Pen styles by the program's numbers: 0 solid, 1 dash, 2 dot, 3 dash-dot,
// 4 dash-dot-dot, 5 invisible, 6 solid (inside).
Qt::PenStyle PenStyleFromValue(int value);

struct PenSpec {
  double width = 0;  // twips; 0 is the thinnest line the output device draws
  QColor color = Qt::black;
  Qt::PenStyle style = Qt::SolidLine;
};

struct LineItem {
  QPointF from;
  QPointF to;
  PenSpec pen;
};

// A rectangle outlined with the pen and, when `filled`, filled with `fill`.
struct BoxItem {
  QRectF rect;
  PenSpec pen;
  bool filled = false;
  QColor fill;
};

// A box filled with a shade (when `shaded`), with its lines of text on it.
struct ShadedTextBox {
  QRectF rect;
  bool shaded = true;
  QColor shade;
  std::vector<TextRun> lines;
};

// A picture stretched to fill `rect`, its proportions not kept.
struct PictureItem {
  QImage image;
  QRectF rect;
};

using PageItem = std::variant<TextRun, LineItem, BoxItem, ShadedTextBox, PictureItem>;

struct Page {
  QSizeF size = LetterSize(PageOrientation::Portrait);
  std::vector<PageItem> items;

  PageOrientation orientation() const {
    return size.width() > size.height() ? PageOrientation::Landscape : PageOrientation::Portrait;
  }
  // Every text run of the page in drawing order, those of text boxes included.
  std::vector<const TextRun*> textRuns() const;
};

struct Document {
  std::vector<Page> pages;

  int pageCount() const { return static_cast<int>(pages.size()); }
  bool isEmpty() const { return pages.empty(); }
};

}  // namespace platform
