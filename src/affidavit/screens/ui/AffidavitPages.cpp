#include "affidavit/screens/ui/AffidavitPages.h"

#include <QAction>
#include <QScrollArea>
#include <QScrollBar>

#include "affidavit/screens/ui/AffidavitPage.h"
#include "shell/ui/Program.h"

namespace affidavit::ui {

namespace {

constexpr PageId kAllPages[] = {PageId::Form12, PageId::Form121, PageId::Form122, PageId::Form123};

void Enable(shell::Program& program, PageId page, const char* item, bool on) {
  if (AffidavitPage* p = Page(program, page))
    if (QAction* a = p->MenuItem(QString::fromLatin1(item))) a->setEnabled(on);
}

}  // namespace

void RegisterAffidavitPages(shell::Program& program) {
  auto services = std::make_shared<AffidavitServices>();
  for (PageId page : kAllPages) {
    program.Windows().SetFactory(PageName(page), [&program, page, services] {
      return std::make_unique<AffidavitPage>(program, page, services);
    });
  }
}

AffidavitServices& Services(shell::Program& program) { return Page(program, PageId::Form12)->SharedServices(); }

AffidavitPage* Page(shell::Program& program, PageId page) {
  return program.Load<AffidavitPage>(PageName(page));
}

void ShowPage(shell::Program& program, PageId page, bool top, bool left) {
  AffidavitPage* p = Page(program, page);
  if (!p) return;
  // The frame hook: the pages stand as windows of their own until the
  // worksheet's frame window takes them as its children.
  p->show();
  p->activateWindow();
  if (top) p->Scroller->verticalScrollBar()->setValue(0);
  if (left) p->Scroller->horizontalScrollBar()->setValue(0);
}

void HidePage(shell::Program& program, PageId page) {
  if (AffidavitPage* p = program.Find<AffidavitPage>(PageName(page))) p->hide();
}

void HideAllPages(shell::Program& program) {
  for (PageId page : kAllPages) HidePage(program, page);
}

void FitAffidavitPages(shell::Program& program) {
  auto& vars = program.Case.AffidavitPages;
  vars.FDFontName = QStringLiteral("Tahoma");
  vars.FDFontSizePoints = 9.75;  // the design size of the pages' item labels
  vars.FDScreenFontSize = vars.FDFontSizePoints;
  vars.FDFontSize = 9;
  for (PageId page : {PageId::Form12, PageId::Form121, PageId::Form122, PageId::Form123}) {
    AffidavitPage* p = Page(program, page);
    if (!p) continue;
    program.FitFormToScreen(*p);
    p->RecordFit(program.State.Screen);
    p->hide();
  }
}

void RunAffidavit(shell::Program& program, bool longForm) {
  HideAllPages(program);
  if (AffidavitPage* p = Page(program, PageId::Form12)) p->ZoomOut_Click();
  HideAllPages(program);
  for (PageId page : {PageId::Form12, PageId::Form122}) {
    Enable(program, page, "PreviewFinDec", longForm);
    Enable(program, page, "ShortFinDec", !longForm);
  }
  Enable(program, PageId::Form12, "PrintBlankFA", !longForm);
  program.State.FinDecFormType = longForm ? 1 : 0;
  auto& vars = program.Case.AffidavitPages;
  vars.FDFontSizePoints = vars.FDScreenFontSize;
  vars.FDFontSize = 9;
  ShowPage(program, longForm ? PageId::Form12 : PageId::Form121);
}

void ReduceAffidavitSheets(shell::Program& program, PageId from) {
  HideAllPages(program);
  AffidavitPage* origin = Page(program, from);
  if (!origin) return;
  // The factor and sizes come from the screen the pages were fitted to.
  const shell::ScreenFactors& fit = origin->FittedFactors();
  const double f = ChooseReduceFactor(fit.ScaleFactorX, fit.ScreenWidthPx);
  program.State.FDZoomFactor = f;
  const SheetFonts fonts = ReducedFonts(program.Case.AffidavitPages.FDFontSizePoints, fit.ScaleFactorMin, f);
  for (PageId page : kAllPages)
    if (AffidavitPage* p = Page(program, page)) p->ApplySheetScale(f, fonts);
  ShowPage(program, from);
}

void RestoreAffidavitSheets(shell::Program& program, PageId from) {
  HideAllPages(program);
  AffidavitPage* origin = Page(program, from);
  if (!origin) return;
  const shell::ScreenFactors& fit = origin->FittedFactors();
  program.State.FDZoomFactor = 1.0 / ChooseReduceFactor(fit.ScaleFactorX, fit.ScreenWidthPx);
  for (PageId page : kAllPages)
    if (AffidavitPage* p = Page(program, page)) p->ApplySheetScale(1.0, std::nullopt);
  ShowPage(program, from);
}

bool ProgramPageFields::Has(PageId page, const QString& array, int index) const {
  const AffidavitPage* p = Page(program_, page);
  return p && p->Element(array, index);
}

QString ProgramPageFields::Text(PageId page, const QString& array, int index) const {
  const AffidavitPage* p = Page(program_, page);
  return p ? p->Text(array, index) : QString();
}

void ProgramPageFields::SetText(PageId page, const QString& array, int index, const QString& text) {
  if (AffidavitPage* p = Page(program_, page)) p->SetText(array, index, text);
}

int ProgramPageFields::Value(PageId page, const QString& array, int index) const {
  const AffidavitPage* p = Page(program_, page);
  return p ? p->Value(array, index) : 0;
}

void ProgramPageFields::SetValue(PageId page, const QString& array, int index, int value) {
  if (AffidavitPage* p = Page(program_, page)) p->SetValue(array, index, value);
}

}  // namespace affidavit::ui
