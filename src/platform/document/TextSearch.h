#pragma once

#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

#include "platform/document/Document.h"

namespace platform {

// A text found on a page: the page (1 for the first), the rectangle it covers
// in twips, and the position to go on from for the next match.
struct TextMatch {
  int page = 0;
  QRectF rect;
  int nextPosition = 0;
};

// Finds `text` in the document from page `fromPage` (1 for the first; lower
// counts as 1), starting at `fromPosition` within that page (0 for its start;
// later pages are searched from their start). A position counts characters of
// the page's text in drawing order; runs of text that follow each other on a
// line read as one, so a match may span a change of font; any other change of
// run reads as a line break, which no search text crosses: a text holding a
// line break (line feed, carriage return, line or paragraph separator) is
// never found, nor is an empty text.
std::optional<TextMatch> FindText(const Document& document, const QString& text, int fromPage = 1,
                                  int fromPosition = 0,
                                  Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive);

// Every match in the document, in order.
std::vector<TextMatch> FindAllText(const Document& document, const QString& text,
                                   Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive);

}  // namespace platform
