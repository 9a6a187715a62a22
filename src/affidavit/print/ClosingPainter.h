#pragma once

#include <QString>

#include <span>
#include <vector>

#include "affidavit/datafile/FinDecSlots.h"
#include "affidavit/print/AffidavitPrinters.h"
#include "affidavit/print/FormFooters.h"

// Inside the closing pages of both affidavits: one run's working values and
// the pieces the pages are made of. Used by the Closing*.cpp files only.
namespace affidavit::closing {

// Page geometry, in twips.
inline constexpr double kLeft = 1440;               // L, the left margin
inline constexpr double kRight = kLeft + 9360;      // 10800, the text's right edge
inline constexpr double kTableWidth = 9770;         // tables reach 11210, past kRight
inline constexpr double kNormalPen = 4;
inline constexpr double kHeavyPen = 26;
inline constexpr int kShade = 14215660;             // red 236, green 233, blue 216
inline constexpr double kRowSize = 8;               // the long tables' rows and totals
inline constexpr double kOwnerSize = 6;             // their owner, debtor and creditor texts
inline constexpr const char* kAmountPattern = "$###,##0";

// Clamp of the long form's print size: 10 or more prints at 9.75, then 8 or
// less at 9; sizes between stay.
double ClampedLongFormSize(double fdFontSize);

// An amount as the closing pages print it: "$###,##0", nothing for a value
// that holds no number.
QString AmountText(const casevars::AffidavitValue& value);

// A choice of the certificate of service: " (X) word " or " ( ) word ".
QString CertificateMark(bool ticked, const char* word);

// One array of amounts, indexed by row.
using Amounts = std::span<const casevars::AffidavitValue>;

// A cell of a long table's heading line: offset from L and text.
struct HeadingCell {
  double x;
  const char* text;
};
using HeadingLine = std::vector<HeadingCell>;

// A text cell of a long table row printed at the owner size: offset and array.
struct OwnerCell {
  double x;
  const char* array;
};

// A total line of a long table: label at L + labelX, value at L + valueX.
struct TotalLine {
  double labelX;
  QString label;
  double valueX;
  casevars::AffidavitValue value;
};

// One long table: heading, rows, optional totals and its column lines.
struct LongTable {
  std::vector<HeadingLine> heading;  // one line break in the shade per line but the last
  int firstRow = 0;
  int lastRow = 0;
  const char* markArray;         // "S3c" / "S4c"
  const char* descriptionArray;  // "S3T" / "S4T"
  std::vector<OwnerCell> owners;
  double columnBX;  // offset of the marital amount
  Amounts marital;
  Amounts petitioner;
  Amounts respondent;
  bool blankLineInTotals = false;
  std::vector<TotalLine> totals;  // none: the table ends under its last row
  std::vector<double> columnLines;  // offsets, in drawing order
};

struct Painter {
  AffidavitPrintRun& run;
  platform::DrawingCursor& vs;
  AffidavitMode form;
  double bodySize = 9;
  double h = 0;  // the height of "N" in the body font
  double topMargin = 1440;

  Painter(AffidavitPrintRun& printRun, AffidavitMode mode);

  // The closing page's window: Form122 or Form123.
  QString SecondPage() const { return affidavit::SecondPage(form); }
  QString Text(const char* array, int index) const;
  int Value(const char* array, int index) const;
  // A check box counts only when ticked (1); an option when chosen (not 0).
  bool Ticked(const char* array, int index) const { return Value(array, index) == 1; }
  bool Chosen(const char* array, int index) const { return Value(array, index) != 0; }
  static QString Mark(bool on) { return on ? QStringLiteral("X") : QStringLiteral(" "); }

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
  void Bold(const QString& text) {
    vs.SetFontBold(true);
    vs.PrintText(text);
    vs.SetFontBold(false);
  }
  void Italic(const QString& text) {
    vs.SetFontItalic(true);
    vs.PrintText(text);
    vs.SetFontItalic(false);
  }
  void Pen(double width) { vs.SetPenWidth(width); }
  void Rule(double x1, double x2) { vs.DrawLine(x1, vs.CurrentY(), x2, vs.CurrentY()); }
  // Ends the line with `value` and draws its blank from where it began to
  // `end`; a value that would pass `end` is set smaller to end there.
  void ValueOnBlank(const QString& value, double end);
  // The footer line at `y`, then the body size again.
  void Footer(const QString& text, double y);

  // Long form, pages 9 to 12.
  void LongTablePage(const LongTable& table);
  void AssetPage(bool secondPart);
  void LiabilityPage();
  void NetWorthPage();
  // Short form, pages 3 and 4.
  void SummaryPage();
  void DebtsPage();
  // Closing page of both forms.
  void WorksheetStatement();
  void OathAndNonlawyer();
};

// The closing pages of either form from the first page asked for up to
// `toPage` or the last page, then the notice when it is asked for.
void PrintClosingPages(AffidavitPrintRun& run, AffidavitMode form, int fromPage, int toPage);

}  // namespace affidavit::closing
