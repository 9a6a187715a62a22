#pragma once

#include "affidavit/screens/PageTables.h"

// Helpers that write the page tables, and the four tables' builders.
namespace affidavit {

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
// non-lawyer and filing party), from `top`; `shortForm` hides the first
// certificate's "served" box and captions it "NA".
void AddClosingBlocks(PageBuilder& b, double top, bool shortForm);

}  // namespace affidavit
