#include "affidavit/print/AffidavitPrinters.h"

namespace affidavit {

// Not drawn yet: the document is left as it stands.
void PrintShortFinDec(AffidavitPrintRun&, int, int) {}

}  // namespace affidavit
