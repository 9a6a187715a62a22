#include "affidavit/print/AffidavitPrinters.h"

namespace affidavit {

// Not drawn yet: the document is left as it stands.
void PrintShortFinDecPart2(AffidavitPrintRun&, int, int) {}

}  // namespace affidavit
