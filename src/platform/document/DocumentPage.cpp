#include "platform/document/DocumentPage.h"

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

void PrintFooter(DrawingCursor& vs, const QString& text, double x, double y,
                 std::optional<double> size) {
  vs.SetCurrentY(y);
  if (size) vs.SetFontSize(*size);
  vs.SetCurrentX(x);
  vs.PrintLine(text);
}

}  // namespace platform
