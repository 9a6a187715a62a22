#pragma once

#include <QString>

#include <span>
#include <vector>

#include "affidavit/print/AffidavitPrinters.h"
#include "affidavit/print/FormFooters.h"
#include "platform/document/DocumentPage.h"

// Inside the printed long form, pages 1 to 8: one run's drawing state, the
// fixed columns, the line patterns and the item-line routine that the page
// files draw with over their line tables. Used by the long-form files only.
namespace affidavit::longform {

// Fixed positions of every page, in twips from the sheet's top-left corner.
inline constexpr double kLeft = platform::kPageLeftEdge;         // 1440: numbers, headings
inline constexpr double kIndent = kLeft + 720;                   // 2160: answers, sub-items
inline constexpr double kAmountX = kLeft + 360;                  // 1800: amount blank's start
inline constexpr double kAmountEnd = kLeft + 1.25 * 1440;        // 3240: amount blank's end
inline constexpr double kLabelX = kLeft + 1944;                  // 3384: item labels
inline constexpr double kRight = platform::kPageRightEdge;       // 10800: full-width rules
inline constexpr double kOrdinaryPen = 4;
inline constexpr double kHeavyPen = 26;
inline constexpr int kLastOwnPage = 8;                           // then the closing pages


// The amount arrays the pages read.
enum class Values { Income, Expense, NewExpense };

struct Element {
  Values array;
  int index;
};
constexpr Element Income(int i) { return {Values::Income, i}; }
constexpr Element Expense(int i) { return {Values::Expense, i}; }
constexpr Element NewExpense(int i) { return {Values::NewExpense, i}; }

// A piece of printed text in regular or bold weight.
struct Run {
  const char* text;
  bool bold = false;
};
using Runs = std::vector<Run>;

// One numbered amount line of pages 2 to 7, in this order: an optional half
// line gap; the label at 3384 (the text of the Form12 box `box`(`boxIndex`)
// after `prefix`, or the printed `runs`); the number text at 1440; the amount
// (with the zero test when asked) ending the line; the amount blank's
// underline to 3240; the description's writing line from where the box text
// began to 10800 when asked; the continuation lines at 3384; an optional half
// line gap.
struct ItemLine {
  const char* number;
  const char* box = nullptr;  // "S2N", "S2NNew", "S2T"; none: `runs`
  int boxIndex = 0;
  const char* prefix = "";
  Runs runs = {};
  Element amount = Income(0);
  bool zeroTest = false;
  bool description = false;
  bool gapBefore = false;
  bool gapAfter = false;
  std::vector<Runs> continuation = {};
};

// Where an amount starts and how it reads: page 2 prints at 1800 with
// "$ ###,##0"; pages 3 to 7 where the number text ends, with "$###,##0".
struct AmountStyle {
  const char* pattern;
  bool atNumberEnd;
};
inline constexpr AmountStyle kIncomeStyle{"$ ###,##0", false};
inline constexpr AmountStyle kLineStyle{"$###,##0", true};

// One run of the printer: the cursor, what it reads, and the measures of its set-up.
struct Painter {
  AffidavitPrintRun& run;
  platform::DrawingCursor& vs;
  double lineUnit = 0;  // TextHeight("N") in the print font
  double topMargin = 1440;

  void Page1();
  void Page2();
  void Page3();
  void Page4();
  void Page5();
  void Page6();
  void Page7();
  void Page8();

  // Form12's fields, printed as they stand.
  QString Text(const char* array, int index) const;
  bool Chosen(const char* array, int index) const;  // a check box ticked (1), an option chosen
  // The element formatted with `pattern`; empty when it holds no number, and,
  // under the zero test, when it holds 0 (the element itself is left alone).
  QString Amount(Element element, const char* pattern, bool zeroTest = false) const;

  // Line patterns.
  void PageTop(int lineSpacing = 0);  // CurrentY at the top margin; the spacing when given
  void HalfLineGap() { vs.SetCurrentY(vs.CurrentY() + lineUnit / 2); }
  void QuarterLineGap() { vs.SetCurrentY(vs.CurrentY() + lineUnit / 4); }
  void SectionRule();
  // Rules above and below the bold heading; bold stays on when asked.
  void SectionHeading(const QString& heading, bool keepBold = false);
  void FormFooter();
  void Rule(double from, double to) { vs.DrawLine(from, vs.CurrentY(), to, vs.CurrentY()); }

  // Text helpers.
  void At(double x, const QString& text) {
    vs.SetCurrentX(x);
    vs.PrintText(text);
  }
  void EndAt(double x, const QString& text) {
    vs.SetCurrentX(x);
    vs.PrintLine(text);
  }
  // An amount from `x` in its blank, set smaller where it would pass the
  // blank's end (3240); the line goes on.
  void AmountAt(double x, const QString& amount) {
    vs.SetCurrentX(x);
    platform::PrintFitted(vs, amount, kAmountEnd);
  }
  void Bold(const QString& text) {
    vs.SetFontBold(true);
    vs.PrintText(text);
    vs.SetFontBold(false);
  }
  void PrintRuns(const Runs& runs);

  // The item-line routine of pages 2 to 7.
  void Item(const ItemLine& line, const AmountStyle& style);
  void Items(std::span<const ItemLine> lines, const AmountStyle& style) {
    for (const ItemLine& line : lines) Item(line, style);
  }
};

}  // namespace affidavit::longform
