#pragma once

#include <QString>

#include "affidavit/datafile/AffidavitPages.h"
#include "affidavit/print/FormFooters.h"
#include "case/AffidavitVars.h"
#include "platform/document/DocumentPage.h"
#include "platform/document/DrawingCursor.h"

// Inside the printed short-form affidavit, pages 1 and 2: one run's drawing
// state and the blocks the two pages are made of. Used by the ShortForm*.cpp
// files and their tests only.
namespace affidavit::shortform {

// Working positions of pages 1 and 2, in twips from the sheet's corner.
inline constexpr double kLeftMargin = 1440;
inline constexpr double kRightEdge = kLeftMargin + 9360;  // 10800
inline constexpr double kIndent = kLeftMargin + 720;      // 2160
inline constexpr double kExpenseColumn = 8640;
// Section I columns: line number, amount, end of the amount's blank, label.
inline constexpr double kNumberColumn = kLeftMargin;
inline constexpr double kAmountColumn = kLeftMargin + 360;  // 1800
inline constexpr double kBlankEnd = kLeftMargin + 1800;     // 3240
inline constexpr double kLabelColumn = kLeftMargin + 1944;  // 3384
// The widest a fitted item name of the expense schedule may print.
inline constexpr double kNameWidth = 2736;

inline constexpr double kBodySize = 9;
inline constexpr double kSmallSize = 8;
inline constexpr double kOneAndAHalfInchTop = 2016;


// Amount texts: "$ ###,##0" on the income lines 1 to 17, "$###,##0"
// elsewhere; an element that holds no number prints nothing.
QString IncomeAmountText(const casevars::AffidavitValue& value);
QString AmountText(const casevars::AffidavitValue& value);
// Lines 1, 8, 9, 10 and 25 print no amount for a zero; the element itself is
// left as it is.
bool IsBlankedZero(const casevars::AffidavitValue& value);
// Line 25b: the two amounts for other cases added up; four spaces when the
// sum is 0 (two empty amounts included).
QString Line25bText(const casevars::AffidavitValue& beforeOrder,
                    const casevars::AffidavitValue& afterOrder);

// The three positions of one column of the expense schedule.
struct ScheduleColumn {
  double label;
  double amount;
  double blankEnd;
};
inline constexpr ScheduleColumn kScheduleLeft{1440, 4320, 5760};
inline constexpr ScheduleColumn kScheduleRight{6480, 9360, 10800};

struct ShortFormPainter {
  platform::DrawingCursor& vs;
  const AffidavitPages& pages;
  const casevars::AffidavitValues& values;
  double h = 0;  // height of "N" in the body font
  double topMargin = 1440;

  // Page 1: the heading block, then Section I's income lines 1 to 17.
  void Heading();
  void IncomeLines();
  // Page 2: the deductions 18 to 27, then Section II with the filled or the
  // blank expense schedule and line 28.
  void Deductions();
  void ExpenseSection(bool blankForm);
  void FilledSchedule();
  void BlankSchedule();

  // Form121's controls.
  QString Text(const char* array, int index) const;
  bool Ticked(const char* array, int index) const;  // a check box whose Value is 1
  bool Chosen(const char* array, int index) const;  // an option button that is set

  // Drawing helpers.
  void At(double x, const QString& text) {
    vs.SetCurrentX(x);
    vs.PrintText(text);
  }
  void EndAt(double x, const QString& text) {
    vs.SetCurrentX(x);
    vs.PrintParagraph(text);
  }
  // An amount from the current X that ends the line, set smaller where it
  // would pass the end of its blank.
  void AmountLine(const QString& amount, double blankEnd) {
    platform::PrintFitted(vs, amount, blankEnd);
    vs.PrintParagraph();
  }
  void Bold(const QString& text) {
    vs.SetFontBold(true);
    vs.PrintText(text);
    vs.SetFontBold(false);
  }
  void Gap(double part) { vs.SetCurrentY(vs.CurrentY() + h * part); }
  // A sub-line or source line of Section I: the label at the label column,
  // then `text` underlined over its own width.
  void UnderlinedAfter(const QString& label, const QString& text) {
    At(kLabelColumn, label);
    platform::PrintUnderlinedValue(vs, text);
  }
  // A rule along the foot of the line just ended.
  void Rule(double from, double to) { vs.DrawLine(from, vs.CurrentY(), to, vs.CurrentY()); }
};

}  // namespace affidavit::shortform
