#pragma once

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <string>
#include <vector>

#include "affidavit/print/AffidavitPrinters.h"
#include "platform/document/Document.h"
#include "support/TextBounds.h"

// A whole affidavit drawn from fake pages, and the text area of its pages.
namespace affidavittest {

// Every page of the long (1 to 13) or short form (1 to 6), the notice when
// asked for, into a document of its own.
inline platform::Document PrintWhole(affidavit::AffidavitPages& pages, casevars::AffidavitValues& values,
                                     casevars::AffidavitPageVars& font, bool longForm,
                                     const QString& margin = QStringLiteral("One"), int blankFAPrint = 0) {
  platform::DrawingCursor vs;
  vs.BeginDocument();
  affidavit::AffidavitPrintRun run{vs, pages, values, font, margin, blankFAPrint, {}};
  if (longForm)
    affidavit::PrintLongFinDec(run, 1, 13);
  else
    affidavit::PrintShortFinDec(run, 1, 6);
  vs.EndDocument();
  return vs.TakeDocument();
}

// The text area of each printed affidavit page: the tables of the closing
// pages reach 11210, the footer line stands at 15048, or 15120 on the page
// named, and the notice of filing (the last page) has no footer.
inline void ExpectInside(const platform::Document& doc, const std::vector<int>& tablePages, int lowFooterPage,
                         const QString& what) {
  for (int i = 0; i < doc.pageCount(); ++i) {
    const int page = i + 1;
    const bool notice = i + 1 == doc.pageCount();
    testenv::TextArea area;
    if (std::find(tablePages.begin(), tablePages.end(), page) != tablePages.end()) area.right = 11210;
    area.footerY = notice ? 0 : page == lowFooterPage ? 15120 : 15048;
    for (const std::string& outside : testenv::RunsOutside(doc.pages[size_t(i)], area, page))
      ADD_FAILURE() << what.toStdString() << " " << outside;
  }
}

}  // namespace affidavittest
