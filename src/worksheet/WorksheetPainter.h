#pragma once

#include <QString>
#include <array>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "platform/document/DrawingCursor.h"
#include "worksheet/WorksheetDocument.h"

// Inside the printed worksheet: one run's drawing state and the pieces the
// pages are made of. Used by WorksheetDocument.cpp and the page files only.
namespace worksheet::print {

// Table geometry of pages 2 to 4, in twips.
inline constexpr double kTableLeft = 1080;
inline constexpr double kTableRight = kTableLeft + 10080;      // 11160
inline constexpr double kLabelX = kTableLeft + 100;            // 1180
inline constexpr double kInstructionX = kLabelX + 360;         // 1540
inline constexpr double kColumnA = kTableLeft + 4.35 * 1440;   // 7344
inline constexpr double kColumnB = kColumnA + 0.9 * 1440;      // 8640
inline constexpr double kColumnTotal = kColumnB + 0.9 * 1440;  // 9936
// Text of the label column ends before column A's rule (half its pen's width).
inline constexpr double kLabelColumnRight = kColumnA - 8;  // 7336
inline constexpr double kFooterY = 14760;
inline constexpr int kShade = 14215660;

enum class Column { A, B, Total };

// One cell of a worksheet line: its column and the box that shows it.
struct Cell {
  Column column;
  Box box;
};

// Text at a size (points) or in a style, for the lines under a label.
struct Instruction {
  QString text;
  bool small = true;  // at the small-print size; else 10 points
};

struct Painter {
  platform::DrawingCursor& vs;
  const WorksheetSheet& sheet;
  const WorksheetValues& values;
  const WorksheetPrintSettings& settings;
  double h = 0;        // LineHeight
  double fitSize = 7;  // small print
  double topMargin = 1440;

  // Page 1 and the caption of page 2.
  void NoticePage();
  void Caption();
  // Pages 2 to 4.
  void Page2();
  void Page3();
  void Page4();

  // Text helpers.
  void At(double x, const QString& text) {
    vs.SetCurrentX(x);
    vs.PrintText(text);
  }
  void EndAt(double x, const QString& text) {
    vs.SetCurrentX(x);
    vs.PrintLine(text);
  }
  void Gap(double part) { vs.SetCurrentY(vs.CurrentY() + h * part); }
  void Small() { vs.SetFontSize(fitSize); }
  void Body() { vs.SetFontSize(10); }
  void Italic(const QString& text) {
    vs.SetFontItalic(true);
    vs.PrintText(text);
    vs.SetFontItalic(false);
  }
  void Bold(const QString& text) {
    vs.SetFontBold(true);
    vs.PrintText(text);
    vs.SetFontBold(false);
  }
  // Underlined text, or `blanks` spaces when the text is empty.
  void Underlined(const QString& text, int blanks);
  const QString& Text(Box box) const { return sheet[box]; }

  // Table pieces.
  void Pen(double width, int color = 0);
  void Rule(double y);
  void RuleHere() { Rule(vs.CurrentY()); }
  void Separators(double top, double bottom);
  void Borders(double top, double bottom);
  struct Band {
    double top;
    double bottom;
  };
  // A heading band `lines` empty lines high, filled with the shade (outline in
  // `outline`); rules at its top and bottom as asked. Y ends at its bottom.
  Band HeadingBand(int lines, int outline, bool ruleTop, bool ruleBottom);
  // A band with one centred bold title.
  Band TitledBand(const QString& title, int outline, bool ruleTop, bool ruleBottom);
  // Column heads; returns the section's top.
  double ColumnHeads(const QString& columnBHead);
  // The text a cell prints ("" when its box is blank).
  QString CellText(Box box) const;
  // Prints the cells at their X, the last ending the line (or none when
  // `endLine` is false).
  void Cells(std::initializer_list<Cell> cells, bool endLine = true);
  // A worksheet line: label at LabelX, cells, instruction lines, quarter
  // gaps; returns its top. `shaded` columns are filled after it.
  // Begins a worksheet line: its top, the quarter gap, 10 points, the label
  // at LabelX (the line not ended). Returns the line's top.
  double BeginLine(const QString& label);
  double Line(const QString& label, std::initializer_list<Cell> cells,
              std::initializer_list<Instruction> instructions = {});
  // The lines under a label at InstructionX; words that would cross column
  // A's rule start the next line of the same size (or a line of their own).
  void Instructions(std::initializer_list<Instruction> instructions);
  // Ends a line begun at `top`: shading of the cells that do not apply and the
  // rule at its top, or, when nothing is shaded, a rule at its bottom if asked.
  void CloseLine(double top, std::initializer_list<Column> shaded, bool bottomRule = false);
  // The three 10-point lines under lines 7c and 16c, the last ending with the
  // small bracketed reference; then the closing quarter gap.
  void NoncoveredBasis(const QString& reference);
  // The top of pages 3 and 4: a rule at the top margin with the current pen,
  // the " Statutory Adjustments/Credits" band and the column heads. Returns
  // the table's top and the section's top.
  std::pair<double, double> StatutoryAdjustmentsTop();
  // Lines 7a to 7c or 16a to 16c: the payments actually made, cells in the
  // order A, B of lines a, b and c.
  void PaymentLines(const QString& first, const QString& indent, const std::array<Box, 6>& cells,
                    const QString& reference);
  // Lines 5a to 5c or 14a to 14c: the costs in the total column.
  void CostLines(const QString& firstLabel, const QString& indent, Box careCost, Box insurance,
                 Box noncovered);
  // Lines 6, 11 and 15: each parent's share of the line `from`.
  void ShareLine(const QString& label, Box a, Box b, const char* from, const char* line);
  void Footer(double x);
};

}  // namespace worksheet::print
