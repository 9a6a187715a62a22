#include "platform/document/TextSearch.h"

#include <algorithm>
#include <cmath>

#include "platform/document/TextMetrics.h"

namespace platform {

namespace {

// Two runs closer than this read as one.
constexpr double kJoinTolerance = 1.0;  // twips

struct Piece {
  const TextRun* run;
  qsizetype start;  // of the run's text within the page's text
};

struct PageText {
  QString text;
  std::vector<Piece> pieces;
};

bool FollowsOnLine(const TextRun& before, const TextRun& after) {
  return std::abs(after.position.y() - before.position.y()) < kJoinTolerance &&
         std::abs(after.position.x() - before.rect().right()) < kJoinTolerance;
}

PageText ReadPage(const Page& page) {
  PageText result;
  const TextRun* previous = nullptr;
  for (const TextRun* run : page.textRuns()) {
    if (previous && !FollowsOnLine(*previous, *run)) result.text += QLatin1Char('\n');
    result.pieces.push_back({run, result.text.size()});
    result.text += run->text;
    previous = run;
  }
  return result;
}

// The rectangle covered by the characters [from, to) of the page's text.
QRectF MatchRect(const PageText& page, qsizetype from, qsizetype to) {
  QRectF rect;
  for (const Piece& piece : page.pieces) {
    const qsizetype a = std::max(from, piece.start);
    const qsizetype b = std::min(to, piece.start + piece.run->text.size());
    if (a >= b) continue;
    const TextMetrics metrics(piece.run->font);
    const QString& text = piece.run->text;
    const double left = metrics.width(text.left(a - piece.start));
    const double right = metrics.width(text.left(b - piece.start));
    const QRectF part(piece.run->position.x() + left, piece.run->position.y(), right - left,
                      piece.run->size.height());
    rect = rect.isNull() ? part : rect.united(part);
  }
  return rect;
}

// A line feed, carriage return, or Unicode line or paragraph separator.
bool HoldsLineBreak(const QString& text) {
  for (const QChar c : text)
    if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
        c == QChar::ParagraphSeparator)
      return true;
  return false;
}

}  // namespace

std::optional<TextMatch> FindText(const Document& document, const QString& text, int fromPage,
                                  int fromPosition, Qt::CaseSensitivity sensitivity) {
  // The page's text joins its lines with line feeds only to keep matches
  // apart; a search text never crosses them.
  if (text.isEmpty() || HoldsLineBreak(text)) return std::nullopt;
  for (int p = std::max(fromPage, 1); p <= document.pageCount(); ++p) {
    const PageText page = ReadPage(document.pages[static_cast<std::size_t>(p - 1)]);
    const qsizetype start = p == fromPage ? std::max(fromPosition, 0) : 0;
    const qsizetype at = page.text.indexOf(text, start, sensitivity);
    if (at < 0) continue;
    const qsizetype end = at + text.size();
    return TextMatch{p, MatchRect(page, at, end), static_cast<int>(end)};
  }
  return std::nullopt;
}

std::vector<TextMatch> FindAllText(const Document& document, const QString& text,
                                   Qt::CaseSensitivity sensitivity) {
  std::vector<TextMatch> matches;
  int page = 1;
  int position = 0;
  while (auto match = FindText(document, text, page, position, sensitivity)) {
    page = match->page;
    position = match->nextPosition;
    matches.push_back(*match);
  }
  return matches;
}

}  // namespace platform
