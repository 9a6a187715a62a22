#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

#include "worksheet/WorksheetBoxes.h"

// The rows of the worksheet window's sheet from the gross income line to
// line 21, top to bottom: headings, column heads and worksheet lines with
// their three cells (A Petitioner, B Respondent, total) and the instructions
// under them, some holding a count box in a gap of their text.
namespace worksheet {

enum class RowKind { Heading, WideHeading, ColumnHeads, Line };

struct UnderText {
  QString text;
  std::optional<Box> box;  // a box standing in a gap of the text
  double boxX = 0;
  double boxWidth = 0;
};

struct SheetRow {
  RowKind kind = RowKind::Line;
  QString text;  // heading text or line title
  double x = 1005;
  bool bold = true;
  // A line's cells by box name; "" is a grey cell without a name of its own.
  std::array<QString, 3> cells{};
  QString beside;  // a note beside the title at besideX
  double besideX = 0;
  std::vector<UnderText> under;
};

const std::vector<SheetRow>& SheetRows();

// The names of the grey cells without a name of their own, in the order the
// rows meet them: a1f(i) then a1m(i).
QStringList GreyCellNames();

}  // namespace worksheet
