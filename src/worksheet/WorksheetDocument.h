#pragma once

#include <QString>

#include "platform/document/Document.h"
#include "platform/document/DrawingCursor.h"
#include "worksheet/WorksheetValues.h"

// The printed Child Support Guidelines Worksheet, Form 12.902(e) (06/25): page
// 1 the notice of filing with its certificate of service, pages 2 to 4 the
// worksheet itself, drawn from the sheet's boxes and the worksheet's numbers.
namespace worksheet {

struct WorksheetPrintSettings {
  QString fontName = QStringLiteral("Tahoma");  // the worksheet font's name
  QString preparerMargin;                       // the PreparerMargin preference as stored
};

// The footer of every page.
inline const QString kWorksheetFooter = QStringLiteral(
    " Dadudav Family Law Rules of Procedure Form 12.902(e), Child Support Guidelines Worksheet "
    "(06/25)");

// The small-print size: 6 points when the fit text is wider than 6192 twips
// at 7 points in the font as it prints (a face wider than Tahoma prints at
// its WideFaceScale), otherwise 7.
double WorksheetFitSize(const QString& fontName);

// The first page drawn: 2, 3 or 4 as asked, any other number 1.
int FirstWorksheetPage(int fromPage);
// The pages a run draws: from the first page through `toPage`, or through
// page 4 when `toPage` comes before the first page or beyond 4.
std::pair<int, int> WorksheetPageRange(int fromPage, int toPage);

// PrintWSDocument: draws the pages into a document its caller has started
// (and ends afterwards), a new page between two pages and none before the
// first. Input cells print their slot in "$ ###,##0"; computed cells print
// their box's text as it stands; a cell whose box is blank prints nothing.
void PrintWSDocument(platform::DrawingCursor& vs, const WorksheetSheet& sheet,
                     const WorksheetValues& values, const WorksheetPrintSettings& settings,
                     int fromPage, int toPage);

// The preview command's document: the input slots refreshed from the boxes
// (RefreshValuesForPrint), then the four pages in a document of their own.
platform::Document BuildWorksheetDocument(WorksheetSheet& sheet, WorksheetValues& values,
                                          bool sharedOption,
                                          const WorksheetPrintSettings& settings);

}  // namespace worksheet
