#include "platform/FieldCaption.h"

#include <QRegularExpression>

#include <cmath>
#include <vector>

namespace platform {

namespace {

bool IsLineNumber(const QString& caption) {
  static const QRegularExpression number(QStringLiteral("^\\(?\\d+[a-z]?[.)]?$"));
  return number.match(caption).hasMatch();
}

bool OverlapsAcross(const QRectF& a, const QRectF& b) { return a.left() < b.right() && b.left() < a.right(); }

bool OnOneRow(const QRectF& a, const QRectF& b) {
  return (a.top() <= b.center().y() && b.center().y() <= a.bottom()) ||
         (b.top() <= a.center().y() && a.center().y() <= b.bottom());
}

// The text standing in the row of `box`, to its left (the one most level
// with it, the nearest of those): the caption, and whether it is a leader of
// dots that leads to the box.
struct Row {
  QString caption;
  bool leader = false;
};

Row RowCaption(const QRectF& box, std::span<const CaptionText> texts, std::span<const QRectF> entries,
               double slack) {
  const CaptionText* wording = nullptr;
  const CaptionText* number = nullptr;
  for (const CaptionText& t : texts) {
    // A text that begins left of the box (a leader may run on under it).
    if (!OnOneRow(t.rect, box) || t.rect.left() >= box.left() - slack) continue;
    const QString caption = CleanCaption(t.text);
    if (caption.isEmpty()) continue;
    // The text most level with the box; of texts as level, the nearest.
    const CaptionText*& slot = IsLineNumber(caption) ? number : wording;
    const auto offset = [&](const CaptionText* c) { return std::abs(c->rect.center().y() - box.center().y()); };
    if (!slot || offset(&t) < offset(slot) - 0.5 ||
        (offset(&t) <= offset(slot) + 0.5 && t.rect.right() > slot->rect.right()))
      slot = &t;
  }
  if (!wording) return {number ? CleanCaption(number->text) : QString()};
  const QString words = CleanCaption(wording->text);
  // A leader of dots leads to the first box of its row after it.
  bool leader = wording->text.trimmed().endsWith(QStringLiteral("..."));
  for (const QRectF& other : entries)
    if (leader && other != box && OnOneRow(other, box) && other.left() > wording->rect.left() &&
        other.left() < box.left())
      leader = false;
  if (number && !words.startsWith(CleanCaption(number->text)))
    return {CleanCaption(number->text) + u' ' + words, leader};
  return {words, leader};
}

// The nearest text just under (`below`) or just over the box, overlapping it across.
QString NextLineCaption(const QRectF& box, std::span<const CaptionText> texts, bool below) {
  const double reach = box.height() * 1.5;
  const CaptionText* best = nullptr;
  double bestGap = 0;
  for (const CaptionText& t : texts) {
    if (!t.nextLine || !OverlapsAcross(t.rect, box) || CleanCaption(t.text).isEmpty()) continue;
    const double gap = below ? t.rect.top() - box.bottom() : box.top() - t.rect.bottom();
    if (gap < -box.height() * 0.25 || gap > reach) continue;
    if (!best || gap < bestGap) {
      best = &t;
      bestGap = gap;
    }
  }
  return best ? CleanCaption(best->text) : QString();
}

QString ColumnHeading(const QRectF& box, std::span<const CaptionText> texts, std::span<const QRectF> entries,
                      double slack) {
  bool grid = false;
  for (const QRectF& other : entries) grid = grid || (other != box && OnOneRow(other, box) && !other.intersects(box));
  if (!grid) return {};
  const double middle = box.center().x();
  const CaptionText* best = nullptr;
  for (const CaptionText& t : texts) {
    if (t.rect.bottom() > box.top() + slack || t.rect.left() > middle || t.rect.right() < middle) continue;
    if (!t.heading || t.rect.width() > box.width() * 4 / 3 || CleanCaption(t.text).isEmpty()) continue;
    if (!best || t.rect.bottom() > best->rect.bottom()) best = &t;
  }
  return best ? CleanCaption(best->text) : QString();
}

}  // namespace

QString CleanCaption(const QString& text) {
  QString words = text;
  words.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  words.replace(QRegularExpression(QStringLiteral("\\.{3,}")), QStringLiteral(" "));
  words = words.simplified();
  while (words.endsWith(u':') || words.endsWith(u',')) words = words.chopped(1).trimmed();
  return words;
}

QString FieldCaption(const QRectF& box, std::span<const CaptionText> texts, std::span<const QRectF> entries) {
  const double slack = box.height() * 0.25;
  const Row row = RowCaption(box, texts, entries, slack);
  if (row.caption.isEmpty()) {
    const QString below = NextLineCaption(box, texts, true);
    if (!below.isEmpty()) return below;
    const QString above = NextLineCaption(box, texts, false);
    if (!above.isEmpty()) return above;
  }
  if (row.leader) return row.caption;
  const QString heading = ColumnHeading(box, texts, entries, slack);
  if (heading.isEmpty() || row.caption.endsWith(heading)) return row.caption;
  return row.caption.isEmpty() ? heading : row.caption + QStringLiteral(", ") + heading;
}

}  // namespace platform
