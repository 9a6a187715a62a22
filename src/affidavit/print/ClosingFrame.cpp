// The frame of the closing pages: the first page, each page's contents and
// footer, the page range and the hand-over to the notice of filing.
#include "affidavit/print/ClosingPainter.h"

namespace affidavit::closing {

void PrintClosingPages(AffidavitPrintRun& run, AffidavitMode form, int fromPage, int toPage) {
  Painter p(run, form);
  const bool longForm = form == kLongForm;
  const int first = longForm ? 9 : 3;
  const int last = longForm ? 13 : 5;
  // The first page of a range that starts elsewhere is the first closing page.
  int page = fromPage > first && fromPage <= last ? fromPage : first;
  for (;; ++page) {
    if (page == last) {
      p.WorksheetStatement();
      p.OathAndNonlawyer();
    } else if (longForm) {
      if (page == 9 || page == 10) p.AssetPage(page == 10);
      if (page == 11) p.LiabilityPage();
      if (page == 12) p.NetWorthPage();
    } else {
      if (page == 3) p.SummaryPage();
      if (page == 4) p.DebtsPage();
    }
    p.Footer(longForm ? kLongFormFooter : kShortFormFooter,
             longForm && page == last ? kLowFooterY : kFooterY);
    if (page == last) break;
    if (toPage == page) return;
    run.vs.NewPage();
  }
  if (p.Value("S5op", 12) != 0) {
    run.vs.NewPage();
    AffidavitPrintRun notice = run;
    notice.form = form;
    PrintFinDecNotice(notice);
  }
}

}  // namespace affidavit::closing
