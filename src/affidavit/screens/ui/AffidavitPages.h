#pragma once

#include <memory>

#include "affidavit/screens/AffidavitServices.h"
#include "affidavit/screens/PageTables.h"

namespace shell {
class Program;
}

namespace affidavit::ui {

class AffidavitPage;

// Registers the four pages' factories with one set of services that the
// affidavit data, totals and printing fill (reached through Services).
void RegisterAffidavitPages(shell::Program& program);
AffidavitServices& Services(shell::Program& program);

// The page of that name, created on first use.
AffidavitPage* Page(shell::Program& program, PageId page);

// Where a page is shown: the one place that knows the frame. Until the
// worksheet's frame window holds the pages, each page is a window of its own.
// `top`/`left`: the page shows its top / left edge.
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

// The pages' entries by page, array and index, for the affidavit data,
// totals and printing.
class ProgramPageFields : public PageFields {
 public:
  explicit ProgramPageFields(shell::Program& program) : program_(program) {}
  bool Has(PageId page, const QString& array, int index) const override;
  QString Text(PageId page, const QString& array, int index) const override;
  void SetText(PageId page, const QString& array, int index, const QString& text) override;
  int Value(PageId page, const QString& array, int index) const override;
  void SetValue(PageId page, const QString& array, int index, int value) override;

 private:
  shell::Program& program_;
};

}  // namespace affidavit::ui
