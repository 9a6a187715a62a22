#pragma once

#include <QString>

#include "affidavit/datafile/AffidavitPages.h"

namespace affidavit {

// The page as the user knows it: "Long form, page 1" ... "Short form, page 2".
QString PageTitle(const QString& page);

// An element as messages name it for the user: its page and the caption the
// page shows for it ("Long form, page 1, Case No"; "Long form, page 1,
// 1. Mortgage or rent payments", an expense line by the name its row holds
// now), found from the page's design (platform::FieldCaption); the element's
// control name when nothing captions it.
QString ElementCaption(const AffidavitPages& pages, const PageElement& element);

}  // namespace affidavit
