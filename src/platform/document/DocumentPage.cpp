#include "platform/document/DocumentPage.h"

#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace platform {

double WideFaceScale(const QString& face) {
  // Sample texts and their widths in Tahoma at 9 points, in twips.
  static const std::pair<QString, double> kSamples[] = {
      {QStringLiteral("If you have an equitable distribution schedule or balance sheet that "
                      "includes the information below,"),
       7918.78125},
      {QStringLiteral("SECTION III.  ASSETS AND LIABILITIES AND MONTHLY EXPENSES FOR MINOR OR "
                      "DEPENDENT CHILD(REN)"),
       8740.125},
      {QStringLiteral("$ 1,234,567.89 0123456789"), 2241.046875},
      {QStringLiteral("   by you (and/or your spouse, if this is a petition for dissolution of "
                      "marriage)."),
       6165.078125},
      {QStringLiteral(" I certify that a copy of this Notice of Filing with the Child Support "
                      "Guidelines Worksheet was"),
       7368.328125},
  };
  const TextMetrics metrics(FontSpec{face, 9.0});
  double scale = 1;
  for (const auto& [text, tahoma] : kSamples) scale = std::min(scale, tahoma / metrics.width(text));
  return scale > 0.999 ? 1.0 : scale;  // Tahoma itself, within rounding
}

void SetDocumentFace(DrawingCursor& vs, const QString& face) {
  vs.SetFontName(face);
  vs.SetFontScale(WideFaceScale(face));
}

double TopMarginFor(const QString& preparerMargin, double oneAndAHalf) {
  if (preparerMargin == QLatin1String("OneHalf")) return 720;
  if (preparerMargin == QLatin1String("OneOneHalf")) return oneAndAHalf;
  return 1440;
}

double LineHeight(const DrawingCursor& vs) { return vs.TextHeight(QStringLiteral("N")); }

double CentredX(const DrawingCursor& vs, const QString& title) {
  return (kPageWidth - vs.TextWidth(title)) / 2;
}

QString CutToWidth(const DrawingCursor& vs, const QString& text, double limit) {
  qsizetype n = text.size();
  QString kept;
  do {
    kept = text.left(n);
    --n;
  } while (n >= 0 && vs.TextWidth(kept) > limit);
  return kept;
}

std::pair<QString, QString> SplitAtWidth(const DrawingCursor& vs, const QString& text, double width) {
  if (vs.TextWidth(text) <= width) return {text, QString()};
  qsizetype at = CutToWidth(vs, text, width).size();
  if (text.at(at) != QLatin1Char(' ')) at = text.left(at).lastIndexOf(QLatin1Char(' '));
  QString head = at < 0 ? QString() : text.left(at);
  head.remove(QRegularExpression(QStringLiteral(" +$")));
  if (head.trimmed().isEmpty()) return {text, QString()};
  return {head, text.mid(at).remove(QRegularExpression(QStringLiteral("^ +")))};
}

void PrintFitted(DrawingCursor& vs, const QString& text, double right) {
  const double x = vs.CurrentX();
  const double width = vs.TextWidth(text);
  if (text.isEmpty() || x + width <= right || right <= x) {
    vs.PrintText(text);
    return;
  }
  // Widths grow with the size (no hinting, within a little rounding), so the
  // size that ends at `right`.
  const double size = vs.FontSize();
  double fitted = size * (right - x) / width;
  vs.SetFontSize(fitted);
  for (int i = 0; i < 20 && x + vs.TextWidth(text) > right; ++i) vs.SetFontSize(fitted *= 0.995);
  vs.SetFontSize(size);
  const auto ascent = [&vs](double points) {
    FontSpec font{vs.FontName(), points * vs.FontScale()};
    font.bold = vs.FontBold();
    font.italic = vs.FontItalic();
    return TextMetrics(font).ascent();
  };
  const double perUnit = vs.ScaleMode() == ScaleUnit::Millimetres ? kTwipsPerMillimetre : 1;
  const double y = vs.CurrentY();
  vs.SetCurrentY(y + (ascent(size) - ascent(fitted)) / perUnit);
  vs.SetFontSize(fitted);
  vs.PrintText(text);
  vs.SetFontSize(size);
  vs.SetCurrentY(y);
}

void PrintFittedEndingAt(DrawingCursor& vs, const QString& text, double left, double right) {
  vs.SetCurrentX(std::max(right - vs.TextWidth(text), left));
  PrintFitted(vs, text, right);
}

ValueSpan PrintUnderlinedValue(DrawingCursor& vs, const QString& value,
                               std::optional<double> ruleEnd) {
  ValueSpan span;
  span.start = vs.CurrentX();
  vs.PrintText(value);
  span.end = vs.CurrentX();
  vs.PrintLine();
  vs.DrawLine(span.start, vs.CurrentY(), ruleEnd.value_or(span.end), vs.CurrentY());
  return span;
}

namespace {

// A run of one piece on one line of wrapped text.
struct Segment {
  std::size_t piece;
  QString text;
};
using LaidLine = std::vector<Segment>;

// The pieces laid out from the current X: a word that would end past `right`
// starts a new line at `left`; the blanks where a line breaks are dropped.
std::vector<LaidLine> LayOut(DrawingCursor& vs, std::span<const TextPiece> pieces, double left,
                             double right) {
  const bool bold = vs.FontBold();
  const bool italic = vs.FontItalic();
  const auto width = [&vs](const TextPiece& piece, const QString& text) {
    vs.SetFontBold(piece.bold);
    vs.SetFontItalic(piece.italic);
    return vs.TextWidth(text);
  };
  std::vector<LaidLine> lines(1);
  double x = vs.CurrentX();
  bool lineEmpty = x <= left + 0.5;
  // A word with the blanks after it, or the blanks a piece begins with.
  static const QRegularExpression kToken(QStringLiteral("^ +|[^ ]+ *"));
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const TextPiece& piece = pieces[i];
    QStringList tokens;
    if (piece.whole) {
      tokens << piece.text;
    } else {
      for (auto it = kToken.globalMatch(piece.text); it.hasNext();) tokens << it.next().captured();
    }
    // What must follow a whole piece kept with the next on its line.
    double following = 0;
    if (piece.whole && piece.keepWithNext && i + 1 < pieces.size()) {
      const TextPiece& next = pieces[i + 1];
      following = width(next, next.whole ? next.text : next.text.section(QLatin1Char(' '), 0, 0,
                                                                              QString::SectionSkipEmpty));
    }
    for (const QString& token : tokens) {
      const QString word = piece.whole ? token : QString(token).remove(QRegularExpression(" +$"));
      if (!lineEmpty && x + width(piece, word) + following > right) {
        lines.emplace_back();
        x = left;
        lineEmpty = true;
      }
      if (lineEmpty && lines.size() > 1 && word.isEmpty()) continue;  // blanks at a break
      LaidLine& line = lines.back();
      if (!line.empty() && line.back().piece == i) line.back().text += token;
      else line.push_back({i, token});
      x += width(piece, token);
      lineEmpty = false;
    }
  }
  for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
    LaidLine& line = lines[k];
    if (line.empty() || pieces[line.back().piece].whole) continue;
    line.back().text.remove(QRegularExpression(" +$"));
    if (line.back().text.isEmpty()) line.pop_back();
  }
  vs.SetFontBold(bold);
  vs.SetFontItalic(italic);
  return lines;
}

// Prints laid lines, the first from the current X, the others from `left`;
// ends every line but the last, and the last when `endLine`.
void PrintLaidLines(DrawingCursor& vs, std::span<const TextPiece> pieces,
                    std::span<const LaidLine> lines, double left, bool endLine) {
  const bool bold = vs.FontBold();
  const bool italic = vs.FontItalic();
  const bool underline = vs.FontUnderline();
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (k > 0) vs.SetCurrentX(left);
    for (const Segment& s : lines[k]) {
      vs.SetFontBold(pieces[s.piece].bold);
      vs.SetFontItalic(pieces[s.piece].italic);
      vs.SetFontUnderline(pieces[s.piece].underline);
      vs.PrintText(s.text);
    }
    vs.SetFontBold(bold);
    vs.SetFontItalic(italic);
    vs.SetFontUnderline(underline);
    if (k + 1 < lines.size() || endLine) vs.PrintLine();
  }
}

}  // namespace

int PrintWrapped(DrawingCursor& vs, std::span<const TextPiece> pieces, double left, double right,
                 bool endLine) {
  const std::vector<LaidLine> lines = LayOut(vs, pieces, left, right);
  PrintLaidLines(vs, pieces, lines, left, endLine);
  return static_cast<int>(lines.size());
}

int PrintCarriedLines(DrawingCursor& vs, std::span<const std::vector<TextPiece>> lines, double left,
                      double right) {
  static const QRegularExpression kLeadingBlanks(QStringLiteral("^ +"));
  std::vector<TextPiece> carried;  // the words the line before could not hold
  int printed = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::vector<TextPiece> pieces;
    if (carried.empty()) {
      pieces = lines[i];
    } else {
      // The line's own indent, the carried words, a blank and the line.
      std::vector<TextPiece> line = lines[i];
      if (!line.empty()) {
        const QString indent = kLeadingBlanks.match(line.front().text).captured();
        if (!indent.isEmpty()) {
          TextPiece blanks = line.front();
          blanks.text = indent;
          blanks.whole = false;
          pieces.push_back(blanks);
          line.front().text.remove(0, indent.size());
        }
      }
      pieces.insert(pieces.end(), carried.begin(), carried.end());
      pieces.push_back({QStringLiteral(" ")});
      pieces.insert(pieces.end(), line.begin(), line.end());
    }
    vs.SetCurrentX(left);
    std::vector<LaidLine> laid = LayOut(vs, pieces, left, right);
    carried.clear();
    if (i + 1 < lines.size() && laid.size() > 1) {
      for (std::size_t k = 1; k < laid.size(); ++k) {
        if (k > 1) carried.push_back({QStringLiteral(" ")});
        for (const Segment& s : laid[k]) {
          TextPiece piece = pieces[s.piece];
          piece.text = s.text;
          carried.push_back(piece);
        }
      }
      laid.resize(1);
      if (!carried.back().whole) carried.back().text.remove(QRegularExpression(QStringLiteral(" +$")));
    }
    PrintLaidLines(vs, pieces, laid, left, true);
    printed += static_cast<int>(laid.size());
  }
  return printed;
}

void PrintFooter(DrawingCursor& vs, const QString& text, double x, double y,
                 std::optional<double> size) {
  vs.SetCurrentY(y);
  if (size) vs.SetFontSize(*size);
  vs.SetCurrentX(x);
  vs.PrintLine(text);
}

}  // namespace platform
