#pragma once

#include <QDate>
#include <QString>

#include "case/ExpressVars.h"

namespace platform {
class DrawingCursor;
}

namespace express {

// What the parenting-time report prints above its tables.
struct ParentingTimeHeader {
  QString caseName;  // the Express screen's case name; "" or " " prints no line
  QString preparerName, preparerOffice;
  // The preparer settings' checks: exactly "No" leaves the line out.
  QString nameCheck, officeCheck, dateCheck;
  QDate today;
};

// The label of child i (0 the youngest) among n minor children.
QString ChildRowLabel(int i, int n);
// The label of family size k (1 to 6) among n minor children.
QString FamilyLabel(int k, int n);
// The frame's line width in printer dots for a print quality (dots per inch;
// the negative quality codes give the narrowest, 3).
int FrameLineDots(int printQuality);

// The parenting-time report on `printer` (millimetres, portrait): each
// child's overnights with each party, the average overnights by family size
// and the same as factors of the year, in a frame, with the notes below it.
// Reads the tier values as they stand; the header keeps the printer's font
// name, the tables are set in Tahoma. Ends the print job.
void PrintTime(platform::DrawingCursor& printer, const casevars::ExpressVars& ev, const ParentingTimeHeader& header);

}  // namespace express
