#include "platform/document/DrawingCursor.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace platform {

namespace {

// A text's lines: CR LF, a lone CR and a lone LF each end a line. An empty
// text is one empty line; a text ending in a break has an empty last line.
QStringList SplitLines(const QString& text) {
  QString unified = text;
  unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return unified.split(QLatin1Char('\n'));
}

constexpr int kDotsPerInchWithoutResolution = 600;

}  // namespace

DrawingCursor::DrawingCursor() = default;

DrawingCursor DrawingCursor::ForPrinter(const PrinterSetup& setup) {
  DrawingCursor cursor;
  cursor.printer_ = true;
  cursor.setup_ = setup;
  cursor.margins_ = QMarginsF();
  cursor.x_ = 0;
  cursor.y_ = 0;
  cursor.SetLineWidthDots(1);
  return cursor;
}

// ---- the document ---------------------------------------------------------

void DrawingCursor::StartDocument() {
  doc_ = Document();
  open_ = true;
  AddPage();
}

void DrawingCursor::AddPage() {
  Page page;
  page.size = LetterSize(orientation_);
  doc_.pages.push_back(std::move(page));
}

Page& DrawingCursor::DrawingPage() {
  if (!open_) StartDocument();
  return doc_.pages.back();
}

void DrawingCursor::BeginDocument() {
  StartDocument();
  x_ = margins_.left();
  y_ = margins_.top();
  font_.bold = font_.italic = font_.underline = false;
}

void DrawingCursor::EndDocument() {
  if (!open_) return;
  open_ = false;
  x_ = margins_.left();
  y_ = margins_.top();
}

void DrawingCursor::NewPage() {
  if (!open_) StartDocument();
  AddPage();
  x_ = margins_.left();
  y_ = margins_.top();
}

Document DrawingCursor::TakeDocument() {
  open_ = false;
  return std::exchange(doc_, Document());
}

// ---- page and unit --------------------------------------------------------

void DrawingCursor::SetOrientation(PageOrientation orientation) {
  orientation_ = orientation;
  if (open_ && doc_.pages.back().items.empty()) doc_.pages.back().size = LetterSize(orientation);
}

QMarginsF DrawingCursor::Unprintable() const {
  if (!printer_) return QMarginsF();
  const QMarginsF& m = setup_.unprintable;
  if (orientation_ == PageOrientation::Portrait) return m;
  // Turned a quarter to the left: top -> left, right -> top, bottom -> right, left -> bottom.
  return QMarginsF(m.top(), m.right(), m.bottom(), m.left());
}

double DrawingCursor::ScaleWidth() const {
  const QMarginsF m = Unprintable();
  return FromTwips(PageWidth() - m.left() - m.right());
}

double DrawingCursor::ScaleHeight() const {
  const QMarginsF m = Unprintable();
  return FromTwips(PageHeight() - m.top() - m.bottom());
}

QPointF DrawingCursor::OnSheet(double x, double y) const {
  const QMarginsF m = Unprintable();
  return QPointF(m.left() + x, m.top() + y);
}

// ---- text -----------------------------------------------------------------

FontSpec DrawingCursor::DrawnFont() const {
  FontSpec drawn = font_;
  drawn.size *= fontScale_;
  return drawn;
}

const TextMetrics& DrawingCursor::Metrics() const {
  const FontSpec drawn = DrawnFont();
  if (!metrics_ || !(metrics_->font() == drawn)) metrics_.emplace(drawn);
  return *metrics_;
}

double DrawingCursor::LineAdvance() const { return Metrics().height() * lineSpacing_ / 100.0; }

void DrawingCursor::SetLineSpacing(int percent) {
  if (percent > 0) lineSpacing_ = percent;
}

TextRun DrawingCursor::MakeRun(const QString& text, const QPointF& at) const {
  const TextMetrics& m = Metrics();
  TextRun run;
  run.text = text;
  run.font = DrawnFont();
  run.color = textColor_;
  run.position = at;
  run.size = QSizeF(m.width(text), m.height());
  run.ascent = m.ascent();
  return run;
}

void DrawingCursor::PlaceRun(const QString& line) {
  if (line.isEmpty()) return;
  TextRun run = MakeRun(line, OnSheet(x_, y_));
  x_ += run.size.width();
  DrawingPage().items.emplace_back(std::move(run));
}

void DrawingCursor::EndLine() {
  x_ = margins_.left();
  y_ += LineAdvance();
}

void DrawingCursor::PrintText(const QString& text) {
  const QStringList lines = SplitLines(text);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i > 0) EndLine();
    PlaceRun(lines[i]);
  }
}

void DrawingCursor::PrintLine(const QString& text) {
  PrintText(text);
  EndLine();
}

double DrawingCursor::TextWidth(const QString& text) const {
  double widest = 0;
  for (const QString& line : SplitLines(text)) widest = std::max(widest, Metrics().width(line));
  return FromTwips(widest);
}

double DrawingCursor::TextHeight(const QString& text) const {
  const auto lines = SplitLines(text).size();
  return FromTwips(Metrics().height() + static_cast<double>(lines - 1) * LineAdvance());
}

void DrawingCursor::TextBox(const QString& text, double left, double top, double width,
                            double height, bool shaded) {
  const QStringList lines = SplitLines(text);
  const double advance = LineAdvance();
  const double topTwips = ToTwips(top);
  const double boxHeight =
      height > 0 ? ToTwips(height) : advance * static_cast<double>(lines.size());

  ShadedTextBox box;
  box.rect = QRectF(OnSheet(ToTwips(left), topTwips), QSizeF(ToTwips(width), boxHeight));
  box.shaded = shaded;
  box.shade = shadeColor_;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (!lines[i].isEmpty())
      box.lines.push_back(
          MakeRun(lines[i], box.rect.topLeft() + QPointF(0, advance * static_cast<double>(i))));
  }
  DrawingPage().items.emplace_back(std::move(box));
  y_ = topTwips + boxHeight;
}

// ---- pen, fill and drawing ------------------------------------------------

void DrawingCursor::SetLineWidthDots(int dots) {
  const int dpi = setup_.printQuality > 0 ? setup_.printQuality : kDotsPerInchWithoutResolution;
  pen_.width = dots * kTwipsPerInch / dpi;
}

void DrawingCursor::SetPenStyle(int style) {
  penStyle_ = style;
  pen_.style = PenStyleFromValue(style);
}

void DrawingCursor::DrawLine(double x1, double y1, double x2, double y2) {
  LineItem line;
  line.from = OnSheet(ToTwips(x1), ToTwips(y1));
  line.to = OnSheet(ToTwips(x2), ToTwips(y2));
  line.pen = pen_;
  DrawingPage().items.emplace_back(std::move(line));
}

void DrawingCursor::DrawRectangle(double left, double top, double right, double bottom) {
  BoxItem box;
  box.rect = QRectF(OnSheet(ToTwips(left), ToTwips(top)), OnSheet(ToTwips(right), ToTwips(bottom)))
                 .normalized();
  box.pen = pen_;
  box.filled = fillStyle_ == 0;
  box.fill = fillColor_;
  DrawingPage().items.emplace_back(std::move(box));
}

void DrawingCursor::DrawPicture(const QImage& picture, double left, double top, double width,
                                double height) {
  if (picture.isNull()) return;
  PictureItem item;
  item.image = picture;
  item.rect = QRectF(OnSheet(ToTwips(left), ToTwips(top)), QSizeF(ToTwips(width), ToTwips(height)));
  DrawingPage().items.emplace_back(std::move(item));
}

void DrawingCursor::ResetPrinter() {
  font_.bold = font_.italic = font_.underline = false;
  fontScale_ = 1;
  SetPenStyle(0);
}

}  // namespace platform
