#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "affidavit/screens/PageTables.h"

// Helpers that write the page tables, and the four tables' builders.
namespace affidavit {

// Heights of a text box and of a line of fixed text, in twips.
inline constexpr double kBoxHeight = 330;
inline constexpr double kLabelHeight = 255;
// Rows of the small print (8 points) of the forms' instructions.
inline constexpr double kSmallLine = 225;
inline constexpr double kSmallSize = 8;

class PageBuilder {
 public:
  PageBuilder(PageId id, const QString& name, double height);

  PageControl& Add(const QString& array, int index, ControlKind kind, const QString& text, double left,
                   double top, double width, double height = 360);
  PageControl& Text(const QString& array, int index, double left, double top, double width,
                    const QString& text = {});
  PageControl& Amount(const QString& array, int index, double left, double top, double width = 1815);
  PageControl& Total(const QString& array, int index, double left, double top, double width = 1815,
                     Tint tint = Tint::SectionTotal);
  PageControl& Check(const QString& array, int index, const QString& caption, double left, double top,
                     double width);
  PageControl& Option(const QString& array, int index, const QString& caption, double left, double top,
                      double width, const QString& container = {});
  // Fixed labels take the next index of the page's txt array.
  PageControl& Label(const QString& text, double left, double top, double width = 7000);
  PageControl& Heading(const QString& text, double left, double top, double width = 9000);
  PageControl& Container(const QString& name, double left, double top, double width, double height);
  // A paragraph of the court form, one fixed text a line as the form breaks
  // them, in small print (`kSmallLine` apart) from `top`; the first line bold
  // when `firstBold`. Returns the top below the last line.
  double Lines(std::initializer_list<const char*> lines, double left, double top, bool firstBold = false,
               double width = 10600);
  // A column caption in a bordered cell (page font, bold), broken into lines.
  PageControl& Cell(const QString& text, double left, double top, double width, double height);
  // Furniture: a shaded panel from `top` to `bottom` across the page, and a
  // rule across the page at `top`.
  PageControl& Panel(double top, double bottom);
  void Panels(std::initializer_list<std::pair<double, double>> spans) {
    for (const auto& [top, bottom] : spans) Panel(top, bottom);
  }
  // A question and its answer box on one row: the fixed text 45 twips below
  // the box's top.
  PageControl& Answer(const QString& question, double questionLeft, double questionWidth, const QString& array,
                      int index, double boxLeft, double top, double boxWidth);
  PageControl& Rule(double top);
  // The page buttons at the top and the bottom, with the caption of the page.
  void PageButtons(double left, double top, double bottomTop);

  // The control of that array and index written so far (null when none).
  PageControl* Edit(const QString& array, int index);
  // Marks an option button selected at design.
  void Select(const QString& array, int index);

  PageDesign Take() { return std::move(design_); }

 private:
  PageDesign design_;
  int nextTxt_ = 0;
  int nextPanel_ = 0;
  int nextRule_ = 0;
};

// The right-hand numbers of a row stand in the gap before the amount box.
inline constexpr double kNumberGap = 15;

// A line of Section I: its number, its wording (the first line of the court
// form's wording; the short form's wording starts with the number) and its
// amount; sub-lines take the middle column.
struct IncomeLine {
  const char* number;
  int index;
  const char* wording;
  bool total = false;
  bool sub = false;
  bool bold = false;
  std::vector<const char*> more = {};  // the wording's further lines
  double size = 9.75;
};

// Writes Section I's lines from `top` down, 345 twips apart.
class IncomeLines {
 public:
  struct Columns {
    double amount;     // whole-line amounts
    double subAmount;  // sub-line amounts
    bool numbers;      // the number stands apart at the left and again before the amount
  };
  static constexpr Columns kLongForm{9150, 5160, true};
  static constexpr Columns kShortForm{9420, 5190, false};

  IncomeLines(PageBuilder& b, double top, Columns columns) : b_(b), top_(top), columns_(columns) {}

  void Line(const IncomeLine& line);
  // A further line of wording under the line before.
  PageControl& Continue(const char* text);
  // The sources of the other recurring income: the first source's box on a
  // row of its own, then the line `number` with the second source's box.
  void Source(int firstSource, int secondSource, int amountIndex, const char* number);
  double& Top() { return top_; }

  static constexpr double kPitch = 345;

 private:
  void Numbers(const QString& number, double left, double amountLeft);

  PageBuilder& b_;
  double top_;
  Columns columns_;
};

PageDesign BuildForm12();
PageDesign BuildForm122();
PageDesign BuildForm121();
PageDesign BuildForm123();

// The court caption block, shifted by (dx, dy) from the long form's place.
void AddCaptionBlock(PageBuilder& b, double dx, double dy);
// Picture27 with the declarant's side (FAClaim selected, FAOther).
void AddPartyChoice(PageBuilder& b, double top);
// Frame3 with the filing status options S1FileOp 0-3.
void AddFilingStatus(PageBuilder& b, double top);

// The closing blocks of the second pages (worksheet statement, certificates,
// non-lawyer and filing party), from `top`, with the second certificate's
// means of service (Frame5) at `secondCertificate` and its date below;
// `shortForm` hides the first certificate's "served" box and captions it "NA".
void AddClosingBlocks(PageBuilder& b, double top, double secondCertificate, bool shortForm);

}  // namespace affidavit
