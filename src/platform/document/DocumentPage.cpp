#include "platform/document/DocumentPage.h"

#include <QRegularExpression>
#include <vector>

namespace platform {

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

int PrintWrapped(DrawingCursor& vs, std::span<const TextPiece> pieces, double left, double right,
                 bool endLine) {
  const bool bold = vs.FontBold();
  const bool underline = vs.FontUnderline();
  const auto width = [&vs](const TextPiece& piece, const QString& text) {
    vs.SetFontBold(piece.bold);
    return vs.TextWidth(text);
  };
  // Each line's runs: the piece and the text of it on the line.
  struct Segment {
    std::size_t piece;
    QString text;
  };
  std::vector<std::vector<Segment>> lines(1);
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
    for (const QString& token : tokens) {
      const QString word = piece.whole ? token : QString(token).remove(QRegularExpression(" +$"));
      if (!lineEmpty && x + width(piece, word) > right) {
        lines.emplace_back();
        x = left;
        lineEmpty = true;
      }
      if (lineEmpty && lines.size() > 1 && word.isEmpty()) continue;  // blanks at a break
      std::vector<Segment>& line = lines.back();
      if (!line.empty() && line.back().piece == i) line.back().text += token;
      else line.push_back({i, token});
      x += width(piece, token);
      lineEmpty = false;
    }
  }
  for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
    std::vector<Segment>& line = lines[k];
    if (line.empty() || pieces[line.back().piece].whole) continue;
    line.back().text.remove(QRegularExpression(" +$"));
    if (line.back().text.isEmpty()) line.pop_back();
  }
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (k > 0) vs.SetCurrentX(left);
    for (const Segment& s : lines[k]) {
      vs.SetFontBold(pieces[s.piece].bold);
      vs.SetFontUnderline(pieces[s.piece].underline);
      vs.PrintText(s.text);
    }
    vs.SetFontBold(bold);
    vs.SetFontUnderline(underline);
    if (k + 1 < lines.size() || endLine) vs.PrintLine();
  }
  return static_cast<int>(lines.size());
}

void PrintFooter(DrawingCursor& vs, const QString& text, double x, double y,
                 std::optional<double> size) {
  vs.SetCurrentY(y);
  if (size) vs.SetFontSize(*size);
  vs.SetCurrentX(x);
  vs.PrintLine(text);
}

}  // namespace platform
