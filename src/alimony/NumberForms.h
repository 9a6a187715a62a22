#pragma once

#include <QString>

// The two ways the alimony texts write a number that is not given a pattern.
namespace alimony {

// A number written into a result picture: its general text (no thousands
// separators, only the decimals it needs, read to seven significant digits,
// no zero before the point of a value between -1 and 1) with a blank before
// it for 0 or more (a minus sign otherwise) and a blank after it: 12 -> " 12 ", 12.5 -> " 12.5 ", 0.25 -> " .25 ", -3 -> "-3 ".
QString PictureNumber(double value);

// A number joined to a report text: the general text alone, with a zero
// before the point: 12.5 -> "12.5", 35 -> "35", 0.2 -> "0.2", -3 -> "-3".
QString PlainNumber(double value);

}  // namespace alimony
