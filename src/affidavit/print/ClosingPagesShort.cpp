#include "affidavit/print/ClosingPainter.h"

namespace affidavit {

void PrintShortFinDecPart2(AffidavitPrintRun& run, int fromPage, int toPage) {
  closing::PrintClosingPages(run, kShortForm, fromPage, toPage);
}

}  // namespace affidavit
