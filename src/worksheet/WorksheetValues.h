#pragma once

#include "case/WorksheetVars.h"
#include "worksheet/WorksheetBoxes.h"

// The worksheet's numbers (casevars::WorksheetValues) taken from the sheet's
// boxes. The boxes are the master copy; the input slots are refreshed from
// them before every calculation and every print.
namespace worksheet {

using casevars::WorksheetValues;

// One input box read into its slot: the text less every comma, dollar sign,
// space and percent sign; when the rest is a number the slot takes its value
// and the box keeps its text as typed ("$ 1,250.50" gives 1250.5, "12%" gives
// 12, "-300" gives -300); otherwise the slot takes 0 and the box is repaired:
// an amount box shows "$", the count and day boxes the empty text.
void AssignBox(WorksheetSheet& sheet, WorksheetValues& values, Box box);

// The value a box would give, without repairing it.
double BoxValue(const WorksheetSheet& sheet, Box box);

// MDIForm1.AssignWSVars: lines 0 and 1 and the number of children, then the
// inputs of the method in use: lines 5 and 7 for the standard method, the
// overnights and lines 14 and 16 when the children are in shared possession
// (the Express screen's SharedOption). The other method's boxes and slots and
// every computed slot are left as they are.
void AssignWSVars(WorksheetSheet& sheet, WorksheetValues& values, bool sharedOption);

// Before the worksheet is printed: AssignWSVars for the method in use, and the
// other method's inputs read into their slots as well, their boxes not
// rewritten, so that every input cell prints what its box shows.
void RefreshValuesForPrint(WorksheetSheet& sheet, WorksheetValues& values, bool sharedOption);

}  // namespace worksheet
