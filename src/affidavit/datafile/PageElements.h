#pragma once

#include "affidavit/datafile/AffidavitPages.h"

namespace affidavit {

// Whether a page has the element: the four pages' control arrays and the
// indexes each holds (the short pages lack the long form's extra lines).
bool HasElement(const PageElement& element);

}  // namespace affidavit
