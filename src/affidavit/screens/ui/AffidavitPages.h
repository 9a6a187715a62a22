#pragma once

#include <memory>

#include "affidavit/datafile/AffidavitPages.h"
#include "affidavit/screens/AffidavitServices.h"
#include "affidavit/screens/PageTables.h"

namespace shell {
class Program;
}

namespace affidavit::ui {

class AffidavitPage;

// Registers the four pages' factories with the one set of services they
// share (reached through Services). A page is made a window of the frame
// MDIForm1 when it is created.
void RegisterAffidavitPages(shell::Program& program);
AffidavitServices& Services(shell::Program& program);

// The page of that name, created on first use.
AffidavitPage* Page(shell::Program& program, PageId page);

// Where a page is shown: in the frame MDIForm1 (shown with it), with the
// affidavit bar; `top`/`left`: the page shows its top / left edge.
void ShowPage(shell::Program& program, PageId page, bool top = true, bool left = true);
void HidePage(shell::Program& program, PageId page);
void HideAllPages(shell::Program& program);

// The start-up layout pass's affidavit steps: the affidavit font (Tahoma, the
// pages' design size 9.75; print size 9), then each page created, fitted to
// the screen, its fit recorded, and hidden.
void FitAffidavitPages(shell::Program& program);

// The Express screen's affidavit commands: "Run A Financial Affidavit (long
// form)" (`longForm`) and "(short form)": full size first, the menu states and
// AffidavitMode of the form, the font sizes, and page 1 of the form shown.
void RunAffidavit(shell::Program& program, bool longForm);

// Reduce Sheet Size given on `from`: all four pages reduced once.
void ReduceAffidavitSheets(shell::Program& program, PageId from);
// The restoration to the fitted layout, leaving `from`'s pair placed (ZoomOutOK).
void RestoreAffidavitSheets(shell::Program& program, PageId from);

// The pages laid out for the form in use (at full size): the menu states
// below, the widths and entry of the long page's Section II boxes
// (FormLayoutWidths, times the page's ScaleFactorX), AffidavitMode; the short
// form also takes the screen font size and the print size 9.
void ApplyFormLayout(shell::Program& program, bool longForm);

// Menu states of the form in use on the long pages: the long-form preview
// enabled and the short-form one greyed, or the reverse.
void SetFormMenus(shell::Program& program, bool longForm);

// The four pages of the running program as the affidavit's plain code reads
// and writes them (the data file, clearing, the values pass and totals, the
// transfers, the tax estimate and the printers). A page is created on first
// use; an element a page lacks reads as empty and ignores writes.
class ProgramAffidavitPages final : public AffidavitPages {
 public:
  explicit ProgramAffidavitPages(shell::Program& program) : program_(program) {}
  QString Text(const PageElement& element) const override;
  void SetText(const PageElement& element, const QString& text) override;
  int Value(const PageElement& element) const override;
  void SetValue(const PageElement& element, int value) override;
  int StoredValue(const PageElement& element) const override;

 private:
  AffidavitPage* PageOf(const PageElement& element) const;
  shell::Program& program_;
};

}  // namespace affidavit::ui
