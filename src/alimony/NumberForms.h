#pragma once

#include <QString>

// The two ways the alimony texts write a number that is not given a pattern.
namespace alimony {

// A number written into a result picture: its general text (no thousands
// separators, only the decimals it needs, read to seven significant digits,
// no zero before the point of a value between -1 and 1) with a blank before
// it for 0 or more (a minus sign otherwise) and a blank after it: 12 -> " 12 ", 12.5 -> " 12.5 ", 0.25 -> " .25 ", -3 -> "-3 ".
QString PictureNumber(double value);

// The figure a preparer typed that `held` keeps in single precision: its
// seven significant digits (20.9 years are held as 20.8999996; a term worked
// from them is worked from 20.9, so that 20.9 x 0.75 = 15.675 shows as 15.68).
double AsTyped(float held);

// A number joined to a report text: the general text alone, with a zero
// before the point: 12.5 -> "12.5", 35 -> "35", 0.2 -> "0.2", -3 -> "-3".
QString PlainNumber(double value);

}  // namespace alimony
