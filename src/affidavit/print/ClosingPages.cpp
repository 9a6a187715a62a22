#include "affidavit/print/ClosingPainter.h"

namespace affidavit {

void PrintLongFinDecPart2(AffidavitPrintRun& run, int fromPage, int toPage) {
  closing::PrintClosingPages(run, kLongForm, fromPage, toPage);
}

}  // namespace affidavit
