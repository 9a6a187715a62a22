#include "results/TextCanvas.h"

#include <QLocale>

#include <algorithm>
#include <map>

namespace results {

TextCanvas::TextCanvas(double width, double height, platform::FontSpec font)
    : width_(width), height_(height), font_(std::move(font)) {}

const platform::TextMetrics& TextCanvas::Metrics() const {
  if (!metrics_ || !(metrics_->font() == font_)) metrics_.emplace(font_);
  return *metrics_;
}

void TextCanvas::Cls() {
  runs_.clear();
  x_ = 0;
  y_ = 0;
  Changed();
}

void TextCanvas::PrintText(const QString& text) {
  if (!text.isEmpty()) {
    const platform::TextMetrics& m = Metrics();
    platform::TextRun run;
    run.text = text;
    run.font = font_;
    run.position = QPointF(x_, y_);
    run.size = QSizeF(m.width(text), m.height());
    run.ascent = m.ascent();
    x_ += run.size.width();
    runs_.push_back(std::move(run));
  }
  Changed();
}

void TextCanvas::PrintLine(const QString& text) {
  PrintText(text);
  x_ = 0;
  y_ += TextHeight();
}

double TextCanvas::TextWidth(const QString& text) const { return Metrics().width(text); }

double TextCanvas::TextHeight() const { return Metrics().height(); }

void TextCanvas::SetSize(double width, double height) {
  width_ = width;
  height_ = height;
  Changed();
}

namespace {

// A run with each slash drawn in the middle of its advance: some faces (the
// bold of the stand-in for Tahoma) draw it at the left of a wide advance,
// which reads as a gap after it. The run keeps its measured width and place.
void AddWithSlashesCentred(platform::Page& page, const platform::TextRun& run) {
  const QChar slash(QLatin1Char('/'));
  if (!run.text.contains(slash)) {
    page.items.push_back(run);
    return;
  }
  const platform::TextMetrics m(run.font);
  const QRectF ink = m.ink(slash);
  const double advance = m.width(QString(slash));
  double x = run.position.x();
  const auto add = [&](const QString& text, double shift) {
    if (text.isEmpty()) return;
    platform::TextRun piece = run;
    piece.text = text;
    piece.position.setX(x + shift);
    piece.size.setWidth(m.width(text));
    page.items.push_back(piece);
    x += piece.size.width();
  };
  const QStringList pieces = run.text.split(slash);
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    if (i > 0) add(QString(slash), (advance - ink.width()) / 2 - ink.left());
    add(pieces[i], 0);
  }
}

}  // namespace

platform::Page TextCanvas::AsPage() const {
  platform::Page page;
  page.size = QSizeF(width_, height_);
  for (const platform::TextRun& run : runs_) AddWithSlashesCentred(page, run);
  return page;
}

QStringList TextCanvas::Lines() const {
  // Runs grouped by the top of their line, top down; a line with no run
  // (an empty line) is not listed.
  std::map<long long, QString> byLine;
  for (const platform::TextRun& run : runs_) byLine[qRound64(run.position.y())] += run.text;
  QStringList lines;
  for (const auto& [y, text] : byLine) lines << text;
  return lines;
}

QString PrintedNumber(double value) {
  const QString text = QLocale::c().toString(value, 'g', 15);
  return value < 0 ? text : QLatin1Char(' ') + text;
}

}  // namespace results
