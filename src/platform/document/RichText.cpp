#include "platform/document/RichText.h"

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextLayout>
#include <QTextList>

#include <algorithm>

#include "platform/document/DrawingCursor.h"
#include "platform/document/TextMetrics.h"

namespace platform {

namespace {

// The cursor's font and colour, put back after the rich text.
struct SavedFont {
  explicit SavedFont(DrawingCursor& c)
      : cursor(c),
        font{c.FontName(), c.FontSize(), c.FontBold(), c.FontItalic(), c.FontUnderline()},
        color(c.TextColor()) {}
  ~SavedFont() { Apply(cursor, font, color); }
  static void Apply(DrawingCursor& c, const FontSpec& f, const QColor& colour) {
    c.SetFontName(f.name);
    c.SetFontSize(f.size);
    c.SetFontBold(f.bold);
    c.SetFontItalic(f.italic);
    c.SetFontUnderline(f.underline);
    c.SetTextColor(colour);
  }
  DrawingCursor& cursor;
  FontSpec font;
  QColor color;
};

FontSpec SpecOf(const QFont& font) {
  return FontSpec{font.family(), font.pointSizeF() > 0 ? font.pointSizeF() : 10.0, font.bold(),
                   font.italic(), font.underline()};
}

}  // namespace

void PrintRichText(DrawingCursor& cursor, const QString& richText) {
  SavedFont saved(cursor);
  // Positions below are twips; the cursor may count in millimetres.
  const double unit = cursor.ScaleMode() == ScaleUnit::Millimetres ? kTwipsPerMillimetre : 1.0;
  const double left = cursor.MarginLeft();
  const double right = cursor.ScaleWidth() * unit - cursor.MarginRight();
  const double bottom = cursor.ScaleHeight() * unit - cursor.MarginBottom();

  QTextDocument doc;
  doc.documentLayout()->setPaintDevice(const_cast<QPaintDevice*>(TwipPaintDevice()));
  doc.setDefaultFont(QtFontFor(saved.font));
  doc.setDocumentMargin(0);
  doc.setTextWidth(std::max(1.0, right - left));
  if (Qt::mightBeRichText(richText)) doc.setHtml(richText);
  else doc.setPlainText(richText);

  double pageTop = cursor.CurrentY() * unit;  // where the lines of this page start
  double docTop = 0;                          // the document's y shown at pageTop
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    if (!layout) continue;
    const QPointF blockAt = doc.documentLayout()->blockBoundingRect(block).topLeft();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      const double lineTop = blockAt.y() + line.y();
      if (pageTop + (lineTop - docTop) + line.height() > bottom && lineTop > docTop) {
        cursor.NewPage();
        pageTop = cursor.MarginTop();
        docTop = lineTop;
      }
      const double y = pageTop + (lineTop - docTop);
      const int lineStart = line.textStart();
      const int lineEnd = lineStart + line.textLength();
      if (i == 0 && block.textList()) {
        const QString marker = block.textList()->itemText(block);
        FontSpec markerFont = SpecOf(block.charFormat().font().resolve(doc.defaultFont()));
        SavedFont::Apply(cursor, markerFont, Qt::black);
        const TextMetrics metrics(markerFont);
        cursor.SetCurrentX((left + blockAt.x() + line.x() - metrics.width(marker + QLatin1Char(' '))) / unit);
        cursor.SetCurrentY((y + line.ascent() - metrics.ascent()) / unit);
        cursor.PrintText(marker);
      }
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid()) continue;
        const int start = std::max(lineStart, fragment.position() - block.position());
        const int end = std::min(lineEnd, fragment.position() - block.position() + fragment.length());
        if (start >= end) continue;
        QString text = block.text().mid(start, end - start);
        text.remove(QChar::LineSeparator);
        if (text.trimmed().isEmpty()) continue;
        const QTextCharFormat format = fragment.charFormat();
        FontSpec font = SpecOf(format.font().resolve(doc.defaultFont()));
        // The size the layout set the text in (headings are scaled by it):
        // its glyphs' pixel size on the 1440-dpi device, in twips.
        const QList<QGlyphRun> glyphs = line.glyphRuns(start, end - start);
        if (!glyphs.isEmpty() && glyphs.front().rawFont().pixelSize() > 0)
          font.size = glyphs.front().rawFont().pixelSize() / kTwipsPerPoint;
        const QColor color = format.hasProperty(QTextFormat::ForegroundBrush)
                                 ? format.foreground().color()
                                 : saved.color;
        SavedFont::Apply(cursor, font, color);
        const TextMetrics metrics(font);
        cursor.SetCurrentX((left + blockAt.x() + line.cursorToX(start)) / unit);
        cursor.SetCurrentY((y + line.ascent() - metrics.ascent()) / unit);
        cursor.PrintText(text);
      }
    }
  }
  const QTextBlock last = doc.lastBlock();
  const double docBottom = doc.documentLayout()->blockBoundingRect(last).bottom();
  cursor.SetCurrentX(left / unit);
  cursor.SetCurrentY((pageTop + (docBottom - docTop)) / unit);
}

}  // namespace platform
