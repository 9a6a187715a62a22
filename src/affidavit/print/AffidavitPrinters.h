#pragma once

#include <QString>

#include <functional>

#include "affidavit/datafile/AffidavitPages.h"
#include "affidavit/datafile/FinDecSlots.h"
#include "case/AffidavitPageVars.h"
#include "case/AffidavitVars.h"
#include "platform/document/DrawingCursor.h"

// The printed financial affidavits: the long form's pages 1 to 8 and its
// closing pages 9 to 13, the short form's pages 1 and 2 and its closing pages
// 3 to 5, and the one-page notice of filing that follows either form when a
// separate certificate of service is asked for.
//
// Every printer draws into a document the caller has begun (`vs`) from its
// current page on, and neither begins nor ends it. It reads the affidavit
// pages' controls through `AffidavitPages` and the amounts through
// `AffidavitValues` at the moment it prints, so it runs without a window.
// A printer reports nothing and always returns.
namespace affidavit {

// What one print run reads and writes besides the document.
struct AffidavitPrintRun {
  platform::DrawingCursor& vs;
  // The four pages. The closing pages only read them: an empty city, state,
  // zip code or telephone box of the nonlawyer block prints as an underlined
  // blank of spaces and stays empty.
  AffidavitPages& pages;
  // Amounts as the read pass left them. A printer's zero test blanks the
  // printed amount only: the values are left as they were.
  casevars::AffidavitValues& values;
  // FDFontName is the print face; the long form's pages set FDFontSize to 9
  // and its closing pages print at it bounded (10 or more gives 9.75, 8 or
  // less 9), leaving the setting itself as it stands.
  casevars::AffidavitPageVars& font;
  // The "PreparerMargin" preference as stored; empty when never written.
  QString preparerMargin;
  // 1 while a blank short form prints.
  int blankFAPrint = 0;
  // Sets the default printer's type style back to plain; may be empty.
  std::function<void()> resetPrinter;
  // The form printed: the notice of filing reads its caption, amended mark and
  // service entries from this form's pages (Form12 and Form122, or Form121
  // and Form123). The closing pages set it on the notice's copy of the run.
  AffidavitMode form = kLongForm;
};

// Long form, Form 12.902(c): pages 1 to 8, then the closing pages.
void PrintLongFinDec(AffidavitPrintRun& run, int fromPage, int toPage);
// Long form pages 9 to 13, then the notice when Form122's S5op(12) is chosen.
void PrintLongFinDecPart2(AffidavitPrintRun& run, int fromPage, int toPage);

// Short form, Form 12.902(b): pages 1 and 2, then the closing pages.
void PrintShortFinDec(AffidavitPrintRun& run, int fromPage, int toPage);
// Short form pages 3 to 5, then the notice when Form123's S5op(12) is chosen.
void PrintShortFinDecPart2(AffidavitPrintRun& run, int fromPage, int toPage);

// The notice of filing with its certificate of service, on the current page.
void PrintFinDecNotice(AffidavitPrintRun& run);

}  // namespace affidavit
