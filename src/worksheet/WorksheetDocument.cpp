#include "worksheet/WorksheetDocument.h"

#include <QRegularExpression>

#include "platform/NumberText.h"
#include "platform/document/DocumentPage.h"
#include "platform/document/TextMetrics.h"
#include "worksheet/WorksheetCalculation.h"
#include "worksheet/WorksheetPainter.h"

namespace worksheet {

using platform::ColorFromRgbValue;

double WorksheetFitSize(const QString& fontName) {
  static const QString kFitText = QStringLiteral(
      " Subtract the smaller amount owed from the larger amount owed and enter the result in the");
  const platform::TextMetrics metrics(platform::FontSpec{fontName, 7.0});
  // Measured as it prints: a face wider than Tahoma prints smaller.
  return metrics.width(kFitText) * platform::WideFaceScale(fontName) > 1440 * 4.3 ? 6 : 7;
}

int FirstWorksheetPage(int fromPage) {
  return (fromPage == 2 || fromPage == 3 || fromPage == 4) ? fromPage : 1;
}

std::pair<int, int> WorksheetPageRange(int fromPage, int toPage) {
  const int first = FirstWorksheetPage(fromPage);
  return {first, (toPage >= first && toPage <= 4) ? toPage : 4};
}

void PrintWSDocument(platform::DrawingCursor& vs, const WorksheetSheet& sheet,
                     const WorksheetValues& values, const WorksheetPrintSettings& settings,
                     int fromPage, int toPage) {
  print::Painter p{vs, sheet, values, settings};
  vs.ResetPrinter();
  vs.SetPenWidth(16);
  vs.SetPenColor(Qt::black);
  vs.SetPenStyle(0);
  vs.SetFillStyle(0);
  platform::SetDocumentFace(vs, settings.fontName);
  vs.SetDocumentOption(0);
  p.fitSize = WorksheetFitSize(settings.fontName);
  vs.SetFontSize(10);
  vs.SetFontBold(false);
  p.h = platform::LineHeight(vs);
  p.topMargin = platform::TopMarginFor(settings.preparerMargin);
  vs.SetPenWidth(8);

  const auto [first, last] = WorksheetPageRange(fromPage, toPage);
  for (int page = first; page <= last; ++page) {
    switch (page) {
      case 1:
        p.NoticePage();
        break;
      case 2:
        p.Page2();
        break;
      case 3:
        p.Page3();
        break;
      default:
        p.Page4();
        break;
    }
    if (page < last) vs.NewPage();
  }
}

platform::Document BuildWorksheetDocument(WorksheetSheet& sheet, WorksheetValues& values,
                                          bool sharedOption,
                                          const WorksheetPrintSettings& settings) {
  RefreshValuesForPrint(sheet, values, sharedOption);
  platform::DrawingCursor vs;
  vs.SetPreviewMode(true);
  vs.SetDocumentOption(0);
  vs.BeginDocument();
  PrintWSDocument(vs, sheet, values, settings, 1, 4);
  vs.EndDocument();
  return vs.TakeDocument();
}

namespace print {

void Painter::Underlined(const QString& text, int blanks) {
  vs.SetFontUnderline(true);
  vs.PrintText(text.isEmpty() ? QString(blanks, QLatin1Char(' ')) : text);
  vs.SetFontUnderline(false);
}

void Painter::Pen(double width, int color) {
  vs.SetPenWidth(width);
  vs.SetPenColor(ColorFromRgbValue(color));
}

void Painter::Rule(double y) { vs.DrawLine(kTableLeft, y, kTableRight, y); }

void Painter::Separators(double top, double bottom) {
  for (double x : {kColumnA, kColumnB, kColumnTotal}) vs.DrawLine(x, top, x, bottom);
}

void Painter::Borders(double top, double bottom) {
  vs.DrawLine(kTableLeft, top, kTableLeft, bottom);
  vs.DrawLine(kTableRight, top, kTableRight, bottom);
}

Painter::Band Painter::HeadingBand(int lines, int outline, bool ruleTop, bool ruleBottom) {
  Band band{vs.CurrentY(), 0};
  Body();
  Gap(0.25);
  for (int i = 0; i < lines; ++i) vs.PrintLine();
  Gap(0.25);
  band.bottom = vs.CurrentY();
  vs.SetFillColor(ColorFromRgbValue(kShade));
  vs.SetFillStyle(0);
  Pen(0, outline);
  vs.DrawRectangle(kTableLeft, band.top, kTableRight, band.bottom);
  Pen(16);
  if (ruleTop) Rule(band.top);
  if (ruleBottom) Rule(band.bottom);
  return band;
}

Painter::Band Painter::TitledBand(const QString& title, int outline, bool ruleTop,
                                  bool ruleBottom) {
  const Band band = HeadingBand(1, outline, ruleTop, ruleBottom);
  vs.SetCurrentY(band.top);
  vs.SetFontBold(true);
  Gap(0.25);
  EndAt(platform::CentredX(vs, title), title);
  Gap(0.25);
  vs.SetFontBold(false);
  return band;
}

double Painter::ColumnHeads(const QString& columnBHead) {
  const double top = vs.CurrentY();
  Gap(0.25);
  vs.SetFontSize(8);
  At(kColumnA + 50, QStringLiteral("A. PETITIONER "));
  At(kColumnB + 50, columnBHead);
  EndAt(kColumnTotal + 50, QStringLiteral(" TOTAL"));
  Body();
  Gap(0.25);
  RuleHere();
  return top;
}

QString Painter::CellText(Box box) const {
  if (IsBlankCell(sheet, box)) return {};
  const int slot = SlotOf(box);
  if (KindOf(box) == BoxKind::Computed) return sheet[box];
  const std::optional<double>& value = values[slot];
  return value ? platform::Format(*value, kAmountPattern) : QString();
}

namespace {
double CellX(Column c) {
  switch (c) {
    case Column::A:
      return kColumnA + 100;
    case Column::B:
      return kColumnB + 100;
    default:
      return kColumnTotal + 100;
  }
}
double ColumnLeft(Column c) { return CellX(c) - 100; }
double ColumnRight(Column c) {
  switch (c) {
    case Column::A:
      return kColumnB;
    case Column::B:
      return kColumnTotal;
    default:
      return kTableRight;
  }
}
}  // namespace

// Each figure keeps to its cell: one that would run within this of the
// cell's right rule is set smaller to end there.
constexpr double kCellGap = 60;

void Painter::Cells(std::initializer_list<Cell> cells, bool endLine) {
  for (const Cell& c : cells) {
    vs.SetCurrentX(CellX(c.column));
    platform::PrintFitted(vs, CellText(c.box), ColumnRight(c.column) - kCellGap);
  }
  if (endLine) vs.PrintLine();
}

void Painter::Instructions(std::initializer_list<Instruction> instructions) {
  const double width = kLabelColumnRight - kInstructionX;
  QString carried;  // words of the line before that did not fit
  bool carriedSmall = false;
  const auto printCarried = [&] {
    vs.SetFontSize(carriedSmall ? fitSize : 10);
    vs.SetCurrentX(kInstructionX);
    const platform::TextPiece rest[] = {{QStringLiteral(" ") + carried}};
    platform::PrintWrapped(vs, rest, kInstructionX, kLabelColumnRight);
    carried.clear();
  };
  for (const Instruction& line : instructions) {
    if (!carried.isEmpty() && carriedSmall != line.small) printCarried();
    vs.SetFontSize(line.small ? fitSize : 10);
    QString text = line.text;
    if (!carried.isEmpty()) {
      const qsizetype blanks = text.size() - QString(text).remove(QRegularExpression("^ +")).size();
      text.insert(blanks, carried + QLatin1Char(' '));
    }
    const auto [head, rest] = platform::SplitAtWidth(vs, text, width);
    EndAt(kInstructionX, head);
    carried = rest;
    carriedSmall = line.small;
  }
  if (!carried.isEmpty()) printCarried();
}

double Painter::BeginLine(const QString& label) {
  const double top = vs.CurrentY();
  Gap(0.25);
  Body();
  At(kLabelX, label);
  return top;
}

double Painter::Line(const QString& label, std::initializer_list<Cell> cells,
                     std::initializer_list<Instruction> instructions) {
  const double top = BeginLine(label);
  Cells(cells);
  Instructions(instructions);
  Gap(0.25);
  return top;
}

void Painter::CloseLine(double top, std::initializer_list<Column> shaded, bool bottomRule) {
  if (shaded.size() == 0) {
    if (bottomRule) RuleHere();
    return;
  }
  Pen(0, kShade);
  vs.SetFillColor(ColorFromRgbValue(kShade));
  for (Column c : shaded) vs.DrawRectangle(ColumnLeft(c), top, ColumnRight(c), vs.CurrentY());
  Pen(16);
  Rule(top);
}

void Painter::NoncoveredBasis(const QString& reference) {
  Instructions(
      {{QStringLiteral(" Medical, Dental and Prescription Medication Expenses of the"), false},
       {QStringLiteral(" Child(ren) Not Ordered to Be Separately Paid on a Percentage"), false}});
  Body();
  At(kInstructionX, QStringLiteral(" Basis."));
  Small();
  vs.PrintLine(reference);
  Gap(0.25);
}

std::pair<double, double> Painter::StatutoryAdjustmentsTop() {
  vs.SetCurrentY(topMargin);
  const double tableTop = vs.CurrentY();
  RuleHere();
  const double section =
      TitledBand(QStringLiteral(" Statutory Adjustments/Credits"), 0, true, true).bottom;
  ColumnHeads(QStringLiteral("B. RESPONDENT "));
  return {tableTop, section};
}

void Painter::PaymentLines(const QString& first, const QString& indent,
                           const std::array<Box, 6>& cells, const QString& reference) {
  double top = Line(first + QStringLiteral(" Monthly Child Care Payments Actually Made"),
                    {{Column::A, cells[0]}, {Column::B, cells[1]}});
  CloseLine(top, {Column::Total});
  top = Line(indent + QStringLiteral("b. Monthly Health Insurance Payments Actually Made"),
             {{Column::A, cells[2]}, {Column::B, cells[3]}});
  CloseLine(top, {Column::Total});
  top = BeginLine(indent +
                  QStringLiteral("c. Other Payments/Credits Actually Made for Any Noncovered"));
  Cells({{Column::A, cells[4]}, {Column::B, cells[5]}});
  NoncoveredBasis(reference);
  CloseLine(top, {Column::Total});
}

void Painter::CostLines(const QString& firstLabel, const QString& indent, Box careCost,
                        Box insurance, Box noncovered) {
  double top = Line(firstLabel, {{Column::Total, careCost}},
                    {{QStringLiteral(" [Child care costs should not exceed the level required to "
                                     "provide quality care from a")},
                     {QStringLiteral(" licensed source. See Section 61.30(7), Dadudav Statutes for "
                                     "more information.]")}});
  CloseLine(top, {Column::A, Column::B});
  top = Line(indent + QStringLiteral("b. Total Monthly Child(ren)'s Health Insurance Cost"),
             {{Column::Total, insurance}},
             {{QStringLiteral(" [This is only amounts actually paid for health insurance on the "
                              "child(ren).]")}});
  CloseLine(top, {Column::A, Column::B});
  top = Line(indent + QStringLiteral("c. Total Monthly Child(ren)'s Noncovered Medical, Dental"),
             {{Column::Total, noncovered}},
             {{QStringLiteral(" and Prescription Medication Costs"), false}});
  CloseLine(top, {Column::A, Column::B});
}

void Painter::ShareLine(const QString& label, Box a, Box b, const char* from, const char* line) {
  const QString multiply = QStringLiteral(
      " Multiply the number on line %1 by the percentage on line 3%2 "
      "to determine the %3's");
  const QString answer = QStringLiteral(" share. Enter answer on line %1%2.");
  const QString f = QLatin1String(from);
  const QString n = QLatin1String(line);
  const double top = Line(label, {{Column::A, a}, {Column::B, b}},
                          {{multiply.arg(f, QStringLiteral("A"), QStringLiteral("Petitioner"))},
                           {answer.arg(n, QStringLiteral("A"))},
                           {multiply.arg(f, QStringLiteral("B"), QStringLiteral("Respondent"))},
                           {answer.arg(n, QStringLiteral("B"))}});
  CloseLine(top, {Column::Total});
}

void Painter::Footer(double x) {
  platform::PrintFooter(vs, kWorksheetFooter, x, kFooterY, fitSize);
}

}  // namespace print

}  // namespace worksheet
