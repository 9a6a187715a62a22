// The long-form financial affidavit, Form 12.902(c): the set-up, the page
// range and the hand-over to the closing pages. The pages are drawn by the
// LongFormPage files over the patterns of LongFormLines.
#include "affidavit/print/AffidavitPrinters.h"
#include "affidavit/print/LongFormLines.h"
#include "platform/document/DocumentPage.h"

namespace affidavit {

void PrintLongFinDec(AffidavitPrintRun& run, int fromPage, int toPage) {
  if (run.resetPrinter) run.resetPrinter();
  platform::DrawingCursor& vs = run.vs;
  longform::Painter p{run, vs};
  vs.SetPenWidth(longform::kOrdinaryPen);
  run.font.FDFontSize = 9;
  vs.SetDocumentOption(0);
  vs.SetFontSize(static_cast<float>(run.font.FDFontSize));
  platform::SetDocumentFace(vs, run.font.FDFontName);
  p.lineUnit = platform::LineHeight(vs);
  p.topMargin = platform::TopMarginFor(run.preparerMargin);
  vs.SetLineSpacing(100);

  if (fromPage >= 9 && fromPage <= 13) {
    PrintLongFinDecPart2(run, fromPage, toPage);
    return;
  }
  const int first = (fromPage >= 1 && fromPage <= longform::kLastOwnPage) ? fromPage : 1;
  using Page = void (longform::Painter::*)();
  static constexpr Page kPages[] = {
      &longform::Painter::Page1, &longform::Painter::Page2, &longform::Painter::Page3,
      &longform::Painter::Page4, &longform::Painter::Page5, &longform::Painter::Page6,
      &longform::Painter::Page7, &longform::Painter::Page8};
  for (int page = first; page <= longform::kLastOwnPage; ++page) {
    (p.*kPages[page - 1])();
    p.FormFooter();
    if (toPage == page) return;
    vs.NewPage();
  }
  PrintLongFinDecPart2(run, fromPage, toPage);
}

}  // namespace affidavit
