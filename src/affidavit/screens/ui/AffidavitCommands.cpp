#include "affidavit/screens/ui/AffidavitCommands.h"

#include <QPushButton>

#include "affidavit/calc/AffidavitCalc.h"
#include "affidavit/calc/AffidavitTaxEstimate.h"
#include "affidavit/calc/ClearAffidavit.h"
#include "affidavit/calc/ExpressTransfers.h"
#include "affidavit/commands/FinDecCommands.h"
#include "affidavit/datafile/DesignState.h"
#include "affidavit/print/AffidavitPrinters.h"
#include "affidavit/screens/PageRules.h"
#include "affidavit/screens/ui/AffidavitPage.h"
#include "affidavit/screens/ui/AffidavitPages.h"
#include "business/ui/BusinessWindow.h"
#include "casefile/ui/WindowCaseFields.h"
#include "express/ExpressScreen.h"
#include "platform/Dialogs.h"
#include "platform/ui/ButtonPlus.h"
#include "prefs/Preferences.h"
#include "shell/ui/FormVS.h"
#include "shell/ui/Program.h"
#include "worksheet/ui/MDIForm1.h"

namespace affidavit::ui {

namespace {

constexpr PageId kAllPages[] = {PageId::Form12, PageId::Form122, PageId::Form121, PageId::Form123};

std::int16_t FormInUse(const shell::Program& program) { return program.State.FinDecFormType; }

PageId FirstPageInUse(const shell::Program& program) {
  return FormInUse(program) == kLongForm ? PageId::Form12 : PageId::Form121;
}

// The program's affidavit font and form as the data file carries them.
FinDecSettings SettingsOf(const shell::Program& program) {
  const auto& font = program.Case.AffidavitPages;
  FinDecSettings settings;
  settings.formType = FormInUse(program);
  settings.font = {font.FDFontName, font.FDFontSizePoints};
  settings.printFontSize = font.FDFontSize;
  return settings;
}

void TakeSettings(shell::Program& program, const FinDecSettings& settings) {
  auto& font = program.Case.AffidavitPages;
  program.State.FinDecFormType = settings.formType;
  font.FDFontName = settings.font.name;
  font.FDFontSizePoints = settings.font.size;
  font.FDFontSize = settings.printFontSize;
}

QString CaseName(shell::Program& program) {
  auto* express = express::AsExpressScreen(program.Find(QStringLiteral("Form1")));
  return express ? express->CaseName() : QString();
}

// An opened file's form put in use: full size, the menus of the form, the
// file's face on every page, page 1 of the form shown.
void ApplyOpenedForm(shell::Program& program, AffidavitMode mode) {
  if (program.State.FDZoomState == QLatin1String("Small")) {
    program.State.FDZoomState = QStringLiteral("Large");
    RestoreAffidavitSheets(program, PageId::Form12);
  }
  const bool longForm = mode == kLongForm;
  ApplyFormLayout(program, longForm);
  const QString face = program.Case.AffidavitPages.FDFontName;
  for (PageId page : kAllPages)
    if (AffidavitPage* p = Page(program, page)) p->ApplyFont(face, std::nullopt, std::nullopt, true);
  HideAllPages(program);
  ShowPage(program, longForm ? PageId::Form12 : PageId::Form121);
}

bool WithFinDecSession(shell::Program& program, bool open) {
  ProgramAffidavitPages pages(program);
  FinDecSettings settings = SettingsOf(program);
  FinDecSession session{pages, program.Dialogs, settings, program.State.DataFolder, CaseName(program),
                        program.Case.Affidavit};
  if (!open) return SaveTheFinDec(session);
  session.applyLayout = [&](AffidavitMode mode) {
    TakeSettings(program, settings);
    ApplyOpenedForm(program, mode);
    settings = SettingsOf(program);  // the layout's form and font sizes stand
  };
  const bool opened = OpenTheFinDec(session);
  if (opened) {
    TakeSettings(program, settings);
  } else {
    // Cancelled, unreadable or refused: the pages as they were, page 1 of the
    // form in use in front.
    HideAllPages(program);
    ShowPage(program, FirstPageInUse(program));
  }
  return opened;
}

AffidavitPrintRun PrintRun(shell::Program& program, platform::DrawingCursor& vs, AffidavitPages& pages,
                           casevars::AffidavitValues& values) {
  return AffidavitPrintRun{vs,
                           pages,
                           values,
                           program.Case.AffidavitPages,
                           prefs::PreparerMargin.read(),
                           program.State.BlankFAPrint,
                           [&program] {
                             program.Printer.SetFontBold(false);
                             program.Printer.SetFontItalic(false);
                           }};
}

TransferContext Transfer(shell::Program& program, AffidavitPages& pages, casefile::CaseFields& windows) {
  return TransferContext{pages, windows, program.Case, FormInUse(program)};
}

}  // namespace

bool SaveFinDecCommand(shell::Program& program) { return WithFinDecSession(program, false); }
bool OpenFinDecCommand(shell::Program& program) { return WithFinDecSession(program, true); }

bool ClearFinDec_Click(shell::Program& program) {
  ProgramAffidavitPages pages(program);
  return ClearFormCommand(pages, program.Dialogs, FormInUse(program));
}

void CalculateFD_Click(shell::Program& program) {
  ProgramAffidavitPages pages(program);
  AssignFDVars(pages, FormInUse(program), program.Case.Affidavit);
  CalculateFinDec(pages, FormInUse(program), program.Case.Affidavit);
}

void GetDataFromExpress_Click(shell::Program& program) {
  ProgramAffidavitPages pages(program);
  casefile::ui::WindowCaseFields windows(program);
  TransferContext context = Transfer(program, pages, windows);
  GetDataFromExpressForm(context, program.Dialogs);
}

void TransferDataToExpress_Click(shell::Program& program) {
  ProgramAffidavitPages pages(program);
  casefile::ui::WindowCaseFields windows(program);
  TransferContext context = Transfer(program, pages, windows);
  TransferDataToExpressForm(context, program.Dialogs);
}

bool EstimateTaxes_Click(shell::Program& program) {
  auto* express = express::AsExpressScreen(program.Load(QStringLiteral("Form1")));
  if (!express) return false;
  ProgramAffidavitPages pages(program);
  casefile::ui::WindowCaseFields windows(program);
  TransferContext context = Transfer(program, pages, windows);
  TaxEstimateLinks links{express->Fields(), express->Prompts()};
  auto* claim = program.Load<business::BusinessWindow>(QStringLiteral("Form26"));
  auto* payer = program.Load<business::BusinessWindow>(QStringLiteral("Form27"));
  if (claim && payer) links.getBusinessDeduction = business::BusinessDeductionService(*claim, *payer);
  return EstimateAffidavitTaxes(context, links);
}

void ConnectAffidavitBar(shell::Program& program, worksheet::ui::MDIForm1& frame) {
  auto on = [&](QPushButton* button, auto command) {
    QObject::connect(button, &QPushButton::clicked, &frame, [&program, command] { command(program); });
  };
  on(frame.ClearFinDec, ClearFinDec_Click);
  on(frame.Command3, TransferDataToExpress_Click);
  on(frame.Command2, GetDataFromExpress_Click);
  on(frame.CalculateFD, CalculateFD_Click);
  on(frame.EstimateTaxes, EstimateTaxes_Click);
}

void PreviewAffidavit(shell::Program& program, PageId from, bool longForm) {
  program.State.PreviewReportKind = QStringLiteral("FD");
  ProgramAffidavitPages pages(program);
  AssignFDVars(pages, FormInUse(program), program.Case.Affidavit);
  if (auto* frame = program.Find<worksheet::ui::MDIForm1>(QStringLiteral("MDIForm1"))) {
    frame->Picture5->hide();
    frame->Picture1->hide();
  }
  for (const QString& name : PreviewHides(from, longForm))
    if (QWidget* w = program.Find(name)) w->hide();
  platform::DrawingCursor vs;
  vs.BeginDocument();
  AffidavitPrintRun run = PrintRun(program, vs, pages, program.Case.Affidavit);
  if (longForm) PrintLongFinDec(run, 1, 13);
  else PrintShortFinDec(run, 1, 6);
  vs.EndDocument();
  if (auto* preview = program.Load<shell::FormVS>(QStringLiteral("FormVS"))) preview->ShowDocument(vs.TakeDocument());
}

bool PrintBlankShortForm(shell::Program& program) {
  AffidavitServices& services = Services(program);
  platform::PrintRequest request;
  request.minPage = 1;
  request.maxPage = 6;
  request.fromPage = 1;
  request.toPage = 6;
  request.noSelection = true;
  std::optional<platform::PrinterChoice> choice = program.Dialogs.ShowPrintDialog(request);
  if (!choice) return false;  // Cancel changes nothing
  if (choice->printerName.isEmpty() && choice->outputFile.isEmpty() && services.ChosenPrinter)
    choice->printerName = services.ChosenPrinter->printerName;
  const int first = choice->allPages ? 1 : choice->fromPage;
  const int last = choice->allPages ? 6 : choice->toPage;

  FakeAffidavitPages blank;
  FillDesignState(blank);
  casevars::AffidavitValues none;
  platform::DrawingCursor vs;
  program.State.BlankFAPrint = 1;
  vs.BeginDocument();
  AffidavitPrintRun run = PrintRun(program, vs, blank, none);
  PrintShortFinDec(run, first, last);
  vs.EndDocument();
  program.State.BlankFAPrint = 0;

  const platform::OutputResult printed =
      services.SendToPrinter ? services.SendToPrinter(vs.document(), *choice)
                             : platform::OutputResult{QStringLiteral("No printer is available.")};
  if (!printed.ok())
    program.Dialogs.ShowMessageBox(printed.error, platform::kBoxExclamation, QStringLiteral("Print A Blank Short Form"));
  HideAllPages(program);
  ShowPage(program, FirstPageInUse(program));
  return printed.ok();
}

void AffidavitPrinterSetup(shell::Program& program) {
  if (const auto choice = program.SetUpPrinter()) Services(program).ChosenPrinter = *choice;
}

}  // namespace affidavit::ui
