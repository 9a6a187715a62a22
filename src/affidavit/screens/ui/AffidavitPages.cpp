#include "affidavit/screens/ui/AffidavitPages.h"

#include <QAction>
#include <QScrollArea>
#include <QScrollBar>

#include "affidavit/screens/ui/AffidavitPage.h"
#include "income/ui/IncomeReportCommand.h"
#include "shell/ui/Fitting.h"
#include "shell/ui/Program.h"
#include "worksheet/ui/MDIForm1.h"

namespace affidavit::ui {

namespace {

constexpr PageId kAllPages[] = {PageId::Form12, PageId::Form121, PageId::Form122, PageId::Form123};

void Enable(shell::Program& program, PageId page, const char* item, bool on) {
  if (AffidavitPage* p = Page(program, page))
    if (QAction* a = p->MenuItem(QString::fromLatin1(item))) a->setEnabled(on);
}

worksheet::ui::MDIForm1* Frame(shell::Program& program) {
  return program.Load<worksheet::ui::MDIForm1>(QStringLiteral("MDIForm1"));
}

}  // namespace

void RegisterAffidavitPages(shell::Program& program) {
  auto services = std::make_shared<AffidavitServices>();
  services->SendToPrinter = income::ReportPrinter::ChosenPrinter().print;
  for (PageId page : kAllPages) {
    program.Windows().SetFactory(PageName(page), [&program, page, services] {
      auto made = std::make_unique<AffidavitPage>(program, page, services);
      if (worksheet::ui::MDIForm1* frame = Frame(program)) frame->Adopt(*made, made->Menus, false);
      return made;
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
  worksheet::ui::MDIForm1* frame = Frame(program);
  if (!frame) {
    p->show();
    return;
  }
  const int across = frame->Sheet->horizontalScrollBar()->value();
  frame->ShowInFront();
  p->show();
  frame->ShowWorksheetBar(false);
  if (top) frame->Sheet->verticalScrollBar()->setValue(0);
  frame->Sheet->horizontalScrollBar()->setValue(left ? 0 : across);
  p->setFocus();
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
  // The pages' own fonts follow the affidavit face and the common factor of
  // the last page's fit; the controls' fonts were scaled by the fit itself.
  for (PageId page : kAllPages)
    if (AffidavitPage* p = Page(program, page)) shell::FitOwnFont(*p, vars.FDFontName, program.State.Screen);
}

void RunAffidavit(shell::Program& program, bool longForm) {
  HideAllPages(program);
  if (AffidavitPage* p = Page(program, PageId::Form12)) p->ZoomOut_Click();
  HideAllPages(program);
  // The layout of the form chosen, whatever form a data file opened last.
  ApplyFormLayout(program, longForm);
  Enable(program, PageId::Form12, "PrintBlankFA", !longForm);
  auto& vars = program.Case.AffidavitPages;
  vars.FDFontSizePoints = vars.FDScreenFontSize;
  vars.FDFontSize = 9;
  ShowPage(program, longForm ? PageId::Form12 : PageId::Form121);
}

void ApplyFormLayout(shell::Program& program, bool longForm) {
  SetFormMenus(program, longForm);
  if (AffidavitPage* page = Page(program, PageId::Form12)) {
    const double scaleX = page->FittedFactors().ScaleFactorX;
    for (const SectionTwoWidths& boxes : FormLayoutWidths(longForm)) {
      const QString array = QString::fromLatin1(boxes.array);
      for (int i = boxes.first; i <= boxes.last; ++i) {
        if (boxes.width) page->SetFullSizeWidth(array, i, static_cast<float>(*boxes.width * scaleX));
        if (QWidget* box = page->Element(array, i)) box->setEnabled(boxes.enabled);
      }
    }
  }
  program.State.FinDecFormType = longForm ? 1 : 0;
  if (!longForm) {
    auto& vars = program.Case.AffidavitPages;
    vars.FDFontSizePoints = vars.FDScreenFontSize;
    vars.FDFontSize = 9;
  }
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

void SetFormMenus(shell::Program& program, bool longForm) {
  for (PageId page : {PageId::Form12, PageId::Form122}) {
    Enable(program, page, "PreviewFinDec", longForm);
    Enable(program, page, "ShortFinDec", !longForm);
  }
}

AffidavitPage* ProgramAffidavitPages::PageOf(const PageElement& element) const {
  return program_.Load<AffidavitPage>(element.page);
}

QString ProgramAffidavitPages::Text(const PageElement& element) const {
  const AffidavitPage* p = PageOf(element);
  return p ? p->Text(element.array, element.index) : QString();
}

void ProgramAffidavitPages::SetText(const PageElement& element, const QString& text) {
  if (AffidavitPage* p = PageOf(element)) p->SetText(element.array, element.index, text);
}

int ProgramAffidavitPages::Value(const PageElement& element) const {
  const AffidavitPage* p = PageOf(element);
  return p ? p->Value(element.array, element.index) : 0;
}

int ProgramAffidavitPages::StoredValue(const PageElement& element) const {
  const AffidavitPage* p = PageOf(element);
  return p ? p->StoredValue(element.array, element.index) : 0;
}

void ProgramAffidavitPages::SetValue(const PageElement& element, int value) {
  if (AffidavitPage* p = PageOf(element)) p->SetValue(element.array, element.index, value);
}

}  // namespace affidavit::ui
