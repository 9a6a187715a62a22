#pragma once

#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QString>

#include <optional>

#include "platform/document/Document.h"
#include "platform/document/TextMetrics.h"

namespace platform {

enum class ScaleUnit { Twips, Millimetres };

// What the drawing cursor of a printer needs to know of it.
struct PrinterSetup {
  // As the printer reports it: dots per inch, or a negative quality code
  // (draft, low, medium, high) when it reports no resolution.
  int printQuality = 600;
  // The edges of a portrait sheet that the printer cannot reach, in twips.
  // In landscape the sheet is turned a quarter to the left: the portrait top
  // edge becomes the left edge.
  QMarginsF unprintable{360, 360, 360, 360};
};

// Draws a document page by page, the way the report and form printers expect of
// the preview window's document and of the printer. Names follow the program's.
//
// Units: positions and sizes (CurrentX/Y, TextWidth/Height, ScaleWidth/Height,
// DrawLine, DrawRectangle, DrawPicture, TextBox) are in the current ScaleMode,
// twips unless set to millimetres. Margins, PenWidth, PageWidth and PageHeight
// are always twips.
//
// Lines: a line of text is as tall as its font (ascent + descent, as measured at
// 1440 dots per inch); ending a line moves CurrentY down by that height times
// LineSpacing / 100 and CurrentX back to the left margin. TextHeight of a text
// of n lines is one font height plus n - 1 such advances. Line breaks in a text
// (CR LF, CR or LF) end the line there. Text never wraps and never starts a page
// by itself: only NewPage does; text past an edge is drawn whole.
//
// Document life: BeginDocument starts an empty document at the top-left corner
// inside the margins, in regular type. Drawing with no document open starts one
// where the cursor stands, as a printer does. EndDocument finishes it (a second
// EndDocument does nothing); the finished document stays readable through
// document() until the next document starts.
class DrawingCursor {
 public:
  // The preview window's document: the whole letter sheet, margins of one inch.
  DrawingCursor();
  // A printer: positions from the top-left corner of the printable area, no
  // margins (an ended line returns to X 0).
  static DrawingCursor ForPrinter(const PrinterSetup& setup = {});

  // The document.
  void BeginDocument();
  void EndDocument();
  bool IsDocumentOpen() const { return open_; }
  void NewPage();
  const Document& document() const { return doc_; }
  Document TakeDocument();
  bool PreviewMode() const { return previewMode_; }
  void SetPreviewMode(bool on) { previewMode_ = on; }
  // Accepted for the callers that set it; it changes nothing.
  int DocumentOption() const { return documentOption_; }
  void SetDocumentOption(int value) { documentOption_ = value; }

  // Page, unit and margins.
  ScaleUnit ScaleMode() const { return unit_; }
  void SetScaleMode(ScaleUnit unit) { unit_ = unit; }
  PageOrientation Orientation() const { return orientation_; }
  // Turns the current page when nothing is drawn on it yet, else the next pages.
  void SetOrientation(PageOrientation orientation);
  double PageWidth() const { return LetterSize(orientation_).width(); }
  double PageHeight() const { return LetterSize(orientation_).height(); }
  // The drawable area (the printable area of a printer), in the current unit.
  double ScaleWidth() const;
  double ScaleHeight() const;
  double MarginLeft() const { return margins_.left(); }
  double MarginTop() const { return margins_.top(); }
  double MarginRight() const { return margins_.right(); }
  double MarginBottom() const { return margins_.bottom(); }
  void SetMarginLeft(double twips) { margins_.setLeft(twips); }
  void SetMarginTop(double twips) { margins_.setTop(twips); }
  void SetMarginRight(double twips) { margins_.setRight(twips); }
  void SetMarginBottom(double twips) { margins_.setBottom(twips); }
  int PrintQuality() const { return setup_.printQuality; }
  // A printer's resolution and edges: a printer cursor takes those of the
  // printer chosen for the next document and keeps its font and drawing
  // settings.
  const PrinterSetup& Setup() const { return setup_; }
  void SetPrinterSetup(const PrinterSetup& setup) { setup_ = setup; }

  // Position of the next text: the top-left corner of its line.
  double CurrentX() const { return FromTwips(x_); }
  double CurrentY() const { return FromTwips(y_); }
  void SetCurrentX(double x) { x_ = ToTwips(x); }
  void SetCurrentY(double y) { y_ = ToTwips(y); }

  // Font and text colour of the text drawn afterwards.
  QString FontName() const { return font_.name; }
  double FontSize() const { return font_.size; }
  bool FontBold() const { return font_.bold; }
  bool FontItalic() const { return font_.italic; }
  bool FontUnderline() const { return font_.underline; }
  void SetFontName(const QString& name) { font_.name = name; }
  void SetFontSize(double points) {  // a size of 0 or less is ignored
    if (points > 0) font_.size = points;
  }
  // Every size set is drawn and measured this many times as large (sizes read
  // back are as set): a document laid out for one face keeps its widths in a
  // wider face by printing smaller (see SetDocumentFace). 1 until set;
  // ResetPrinter sets it back to 1. A factor of 0 or less is ignored.
  double FontScale() const { return fontScale_; }
  void SetFontScale(double factor) {
    if (factor > 0) fontScale_ = factor;
  }
  void SetFontBold(bool on) { font_.bold = on; }
  void SetFontItalic(bool on) { font_.italic = on; }
  void SetFontUnderline(bool on) { font_.underline = on; }
  QColor TextColor() const { return textColor_; }
  void SetTextColor(const QColor& color) { textColor_ = color; }
  int LineSpacing() const { return lineSpacing_; }
  void SetLineSpacing(int percent);  // 0 or less is ignored

  // Text. PrintText moves CurrentX past the text and keeps the line;
  // PrintLine (and its twin PrintParagraph) then ends the line.
  void PrintText(const QString& text);
  void PrintLine(const QString& text = QString());
  void PrintParagraph(const QString& text = QString()) { PrintLine(text); }
  double TextWidth(const QString& text) const;  // the widest of its lines
  double TextHeight(const QString& text = QString()) const;
  // The text's lines (split at CR LF) in a box of the given width, as tall as
  // its lines when height is 0 or less, filled with ShadeColor when shaded;
  // CurrentY goes to the foot of the box, CurrentX stays.
  void TextBox(const QString& text, double left, double top, double width, double height = 0,
               bool shaded = true);

  // Pen and fill of the drawing operations.
  double PenWidth() const { return pen_.width; }
  void SetPenWidth(double twips) { pen_.width = twips; }
  // A printer's line width in its own dots (PrintQuality dots to the inch, or
  // 600 when the printer reports a quality code instead).
  void SetLineWidthDots(int dots);
  QColor PenColor() const { return pen_.color; }
  void SetPenColor(const QColor& color) { pen_.color = color; }
  int PenStyle() const { return penStyle_; }
  void SetPenStyle(int style);  // 0 solid; see PenStyleFromValue
  QColor FillColor() const { return fillColor_; }
  void SetFillColor(const QColor& color) { fillColor_ = color; }
  int FillStyle() const { return fillStyle_; }
  void SetFillStyle(int style) { fillStyle_ = style; }  // 0 solid; any other: not filled
  QColor ShadeColor() const { return shadeColor_; }
  void SetShadeColor(const QColor& color) { shadeColor_ = color; }

  // Drawing. None of these moves CurrentX or CurrentY.
  void DrawLine(double x1, double y1, double x2, double y2);
  void DrawRectangle(double left, double top, double right, double bottom);
  void DrawPicture(const QImage& picture, double left, double top, double width, double height);

  // Regular type (not bold, italic, struck or underlined) at the sizes set,
  // solid lines. Text is always drawn transparently, without filling its
  // background.
  void ResetPrinter();

 private:
  double ToTwips(double v) const { return unit_ == ScaleUnit::Millimetres ? v * kTwipsPerMillimetre : v; }
  double FromTwips(double v) const {
    return unit_ == ScaleUnit::Millimetres ? v / kTwipsPerMillimetre : v;
  }
  QPointF OnSheet(double x, double y) const;  // cursor twips -> sheet twips
  QMarginsF Unprintable() const;
  FontSpec DrawnFont() const;  // the font at the size it is drawn
  const TextMetrics& Metrics() const;
  double LineAdvance() const;
  Page& DrawingPage();
  void StartDocument();
  void AddPage();
  TextRun MakeRun(const QString& text, const QPointF& at) const;
  void PlaceRun(const QString& line);
  void EndLine();

  Document doc_;
  bool open_ = false;
  bool printer_ = false;
  PrinterSetup setup_;
  bool previewMode_ = false;
  int documentOption_ = 0;
  ScaleUnit unit_ = ScaleUnit::Twips;
  PageOrientation orientation_ = PageOrientation::Portrait;
  QMarginsF margins_{1440, 1440, 1440, 1440};
  double x_ = 1440;  // twips from the origin (the sheet's or the printable area's corner)
  double y_ = 1440;
  FontSpec font_{QStringLiteral("Tahoma"), 10.0};
  double fontScale_ = 1;
  QColor textColor_ = Qt::black;
  int lineSpacing_ = 100;
  PenSpec pen_;
  int penStyle_ = 0;
  QColor fillColor_ = Qt::black;
  int fillStyle_ = 1;
  QColor shadeColor_ = Qt::white;
  mutable std::optional<TextMetrics> metrics_;
};

}  // namespace platform
