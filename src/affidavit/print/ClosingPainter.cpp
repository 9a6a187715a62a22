// Set-up and shared pieces of the closing pages.
#include "affidavit/print/ClosingPainter.h"

#include "platform/NumberText.h"
#include "platform/document/DocumentPage.h"

namespace affidavit::closing {

double ClampedLongFormSize(double fdFontSize) {
  double size = fdFontSize;
  if (size >= 10) size = 9.75;
  if (size <= 8) size = 9;
  return size;
}

QString AmountText(const casevars::AffidavitValue& value) {
  return value.IsNumber() ? platform::Format(value.number, kAmountPattern) : QString();
}

QString CertificateMark(bool ticked, const char* word) {
  return (ticked ? QStringLiteral(" (X) ") : QStringLiteral(" ( ) ")) + QString::fromLatin1(word) +
         u' ';
}

Painter::Painter(AffidavitPrintRun& printRun, AffidavitMode mode)
    : run(printRun), vs(printRun.vs), form(mode) {
  vs.SetPenWidth(kNormalPen);
  // The long form prints at the affidavit size, bounded; the shared setting
  // itself is left as it stands.
  bodySize = form == kLongForm ? ClampedLongFormSize(run.font.FDFontSize) : 9;
  vs.SetTextColor(Qt::black);
  vs.SetFontSize(bodySize);
  platform::SetDocumentFace(vs, run.font.FDFontName);
  h = platform::LineHeight(vs);
  topMargin = platform::TopMarginFor(run.preparerMargin);
  if (form == kLongForm) vs.SetLineSpacing(125);
}

QString Painter::Text(const char* array, int index) const {
  return run.pages.Text({SecondPage(), QString::fromLatin1(array), index});
}

int Painter::Value(const char* array, int index) const {
  return run.pages.Value({SecondPage(), QString::fromLatin1(array), index});
}

void Painter::ValueOnBlank(const QString& value, double end) {
  const double start = vs.CurrentX();
  platform::PrintFitted(vs, value, end);
  vs.PrintLine();
  Rule(start, end);
}

void Painter::Footer(const QString& text, double y) {
  platform::PrintFooter(vs, text, kLeft, y, kFooterSize);
  vs.SetFontSize(bodySize);
}

}  // namespace affidavit::closing
