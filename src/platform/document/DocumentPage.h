#pragma once

#include <QString>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "platform/document/DrawingCursor.h"

// The page model shared by the documents drawn into the preview window (court
// forms and reports): fixed positions of a letter page, the top margin chosen
// by the preparer, the line height, centring, cutting a field to a width, the
// underlined value after a label and the footer line. Positions in twips from
// the sheet's top-left corner.
namespace platform {

inline constexpr double kPageWidth = 12240;    // 8.5 in; used to centre titles
inline constexpr double kPageLeftEdge = 1440;  // left end of text blocks and full-width lines
inline constexpr double kPageRightEdge = kPageLeftEdge + 6.5 * kTwipsPerInch;  // 10800

// The top margin for the preparer's margin choice as stored ("OneHalf",
// "One", "OneOneHalf"), compared exactly: 720, 1440 or `oneAndAHalf`; any
// other text, the empty one included, gives 1440. Most documents take 2160
// for "OneOneHalf"; a document that maps it otherwise passes its own figure.
double TopMarginFor(const QString& preparerMargin, double oneAndAHalf = 2160);

// How much smaller text prints in `face` than it was laid out for: the
// documents are laid out in Tahoma, and a wider face prints at this part of
// each size, so that its lines keep their widths and break where they break
// in Tahoma. 1 for a face no wider than Tahoma; for a wider one the smallest
// ratio of Tahoma's width to the face's over sample texts (running text,
// capitals, figures, punctuation and blanks). Tahoma's widths are the
// program's own figures, so a stand-in face on a machine without Tahoma is
// measured as the wider face it is.
double WideFaceScale(const QString& face);

// The face of a document laid out in Tahoma: the cursor's font name and its
// font scale (WideFaceScale).
void SetDocumentFace(DrawingCursor& vs, const QString& face);

// The line height of the body font: the height of "N" in the cursor's current font.
double LineHeight(const DrawingCursor& vs);

// X of a title centred on the page, measured in the cursor's current font.
double CentredX(const DrawingCursor& vs, const QString& title);

// The longest beginning of `text` (dropping characters from the right, one at
// a time) that is no wider than `limit` in the cursor's current font. A text
// that fits comes back unchanged; an empty text stays empty; a single wide
// character that does not fit gives the empty text.
QString CutToWidth(const DrawingCursor& vs, const QString& text, double limit);

// `text` broken between words where it passes `width` in the cursor's
// current font: the words that fit and the rest, without the blanks at the
// break. A text that fits, or whose first word alone passes the width, comes
// back whole with an empty rest.
std::pair<QString, QString> SplitAtWidth(const DrawingCursor& vs, const QString& text, double width);

// Prints `text` from the current position without ending the line; a text
// that would end past `right` is set smaller, on the same baseline, just
// enough to end there, so a figure or an entry keeps to its cell or blank
// whole. The cursor's size is as it was afterwards.
void PrintFitted(DrawingCursor& vs, const QString& text, double right);

// Prints `text` ending at `right` without ending the line, as a figure of a
// column aligned on its right edge: a text that would start left of `left`
// (the end of its label) starts there, set smaller to end at `right`.
void PrintFittedEndingAt(DrawingCursor& vs, const QString& text, double left, double right);

struct ValueSpan {
  double start = 0;  // X where the value begins
  double end = 0;    // X where the value ends
};

// The value that follows a label on a line: prints `value` at the current X,
// ends the line and draws a line under it along the bottom of the printed line,
// from the value's start to its end, or to `ruleEnd` when given. Returns the
// value's span.
ValueSpan PrintUnderlinedValue(DrawingCursor& vs, const QString& value,
                               std::optional<double> ruleEnd = std::nullopt);

// A piece of running text in its own type. A whole piece (a filled-in blank)
// is never broken; a whole piece kept with the next (a blank's label) starts a
// new line unless the next piece's first word fits after it.
struct TextPiece {
  QString text;
  bool bold = false;
  bool underline = false;
  bool whole = false;
  bool italic = false;
  bool keepWithNext = false;
};

// Running text that keeps within a right edge, as a printed form wraps it:
// prints the pieces one after another from the current position, in the
// cursor's font and size, and starts a new line at `left` before a word that
// would end past `right` (a word wider than the whole width stands alone on
// its line). The blanks where a line is broken are not printed. Pieces keep
// their own runs; a line that fits prints exactly as the pieces printed one
// after another would. Ends the last line when `endLine`; the cursor's bold,
// italic and underline are as they were before. Returns the number of lines.
int PrintWrapped(DrawingCursor& vs, std::span<const TextPiece> pieces, double left, double right,
                 bool endLine = true);

// Lines of running text, each a list of pieces, as a printed form breaks
// them: every line starts at `left` (each from X `left`), and the words of a
// line that would end past `right` are carried to the start of the next line,
// after that line's own leading blanks and before a blank and its text; the
// last line's overflow goes on to lines of its own. A line that fits with
// nothing carried prints exactly as its pieces would. Ends every line;
// returns the number of lines printed.
int PrintCarriedLines(DrawingCursor& vs, std::span<const std::vector<TextPiece>> lines, double left,
                      double right);

// The footer: one line of `text` at (x, y), in `size` points when given.
void PrintFooter(DrawingCursor& vs, const QString& text, double x, double y,
                 std::optional<double> size = std::nullopt);

}  // namespace platform
