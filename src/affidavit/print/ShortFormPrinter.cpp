// The short-form affidavit's pages 1 and 2: set-up, page range, footers and
// the hand-over to the closing pages.
#include "affidavit/print/AffidavitPrinters.h"
#include "affidavit/print/ShortFormPainter.h"
#include "platform/NumberText.h"
#include "platform/document/DocumentPage.h"

namespace affidavit {

namespace shortform {

QString IncomeAmountText(const casevars::AffidavitValue& value) {
  return value.IsNumber() ? platform::Format(value.number, "$ ###,##0") : QString();
}

QString AmountText(const casevars::AffidavitValue& value) {
  return value.IsNumber() ? platform::Format(value.number, "$###,##0") : QString();
}

bool IsBlankedZero(const casevars::AffidavitValue& value) {
  return value.IsNumber() && value.number == 0;
}

QString Line25bText(const casevars::AffidavitValue& beforeOrder,
                    const casevars::AffidavitValue& afterOrder) {
  const double sum = beforeOrder.OrZero() + afterOrder.OrZero();
  return sum != 0 ? platform::Format(sum, "$###,##0") : QStringLiteral("    ");
}

QString ShortFormPainter::Text(const char* array, int index) const {
  return pages.Text({QStringLiteral("Form121"), QLatin1String(array), index});
}

bool ShortFormPainter::Ticked(const char* array, int index) const {
  return pages.Value({QStringLiteral("Form121"), QLatin1String(array), index}) == 1;
}

bool ShortFormPainter::Chosen(const char* array, int index) const {
  return pages.Value({QStringLiteral("Form121"), QLatin1String(array), index}) != 0;
}

namespace {

// The footer at `y`, then the body size again for whatever follows.
void PageFooter(platform::DrawingCursor& vs, double y) {
  platform::PrintFooter(vs, kShortFormFooter, kLeftMargin, y, kFooterSize);
  vs.SetFontSize(kBodySize);
}

}  // namespace
}  // namespace shortform

void PrintShortFinDec(AffidavitPrintRun& run, int fromPage, int toPage) {
  using namespace shortform;
  if (run.resetPrinter) run.resetPrinter();
  platform::DrawingCursor& vs = run.vs;
  vs.SetPenWidth(4);
  vs.SetTextColor(Qt::black);
  vs.SetFontSize(kBodySize);
  platform::SetDocumentFace(vs, run.font.FDFontName);
  vs.SetLineSpacing(100);
  vs.SetFontBold(false);
  vs.SetFontItalic(false);
  vs.SetFontUnderline(false);

  ShortFormPainter p{vs, run.pages, run.values};
  p.h = platform::LineHeight(vs);
  p.topMargin = platform::TopMarginFor(run.preparerMargin, kOneAndAHalfInchTop);

  if (fromPage >= 3 && fromPage <= 5) {
    PrintShortFinDecPart2(run, fromPage, toPage);
    return;
  }
  if (fromPage != 2) {
    vs.SetCurrentY(p.topMargin);
    p.Heading();
    p.IncomeLines();
    PageFooter(vs, kFooterY);
    if (toPage == 1) return;
    vs.NewPage();
  }
  p.Deductions();
  p.ExpenseSection(run.blankFAPrint == 1);
  PageFooter(vs, kLowFooterY);
  if (toPage == 2) return;
  vs.NewPage();
  PrintShortFinDecPart2(run, fromPage, toPage);
}

}  // namespace affidavit
