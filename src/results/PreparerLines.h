#pragma once

#include <QDate>
#include <QString>

#include <vector>

// What the printed results show of the preparer, from the preferences the
// preparer dialog keeps.
namespace results {

struct PreparerLine {
  QString label;  // "    Prepared By:  ", "    Office:  ", "    Date:  "
  QString value;
};

// The preparer's name, office and the date (`today` in the short date form),
// each unless its check preference reads exactly "No": an absent check shows
// its line.
std::vector<PreparerLine> PreparerLines(const QDate& today);

// Where a report's first line stands, in twips from the top of the sheet, by
// the "PreparerMargin" preference: "OneHalf" 720, "OneOneHalf" 2160, anything
// else 1440.
double PreparerTopMargin();

// A case name that gives a title line: neither empty nor a single blank.
bool HasCaseName(const QString& caseName);

}  // namespace results
