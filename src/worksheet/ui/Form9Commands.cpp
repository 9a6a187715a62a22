// The worksheet window's fit, sheet size, font and menu commands.

#include <QLineEdit>

#include "platform/Dialogs.h"
#include "platform/ui/CaptionFit.h"
#include "shell/ui/Fitting.h"
#include "shell/ui/FormVS.h"
#include "shell/ui/Program.h"
#include "shell/ui/ShellDialogs.h"
#include "worksheet/GuidelinesText.h"
#include "worksheet/WorksheetCommands.h"
#include "worksheet/ui/ExpressLinks.h"
#include "worksheet/ui/Form9.h"
#include "worksheet/ui/MDIForm1.h"

namespace worksheet::ui {

namespace {

ControlGeometry GeometryOf(const QWidget* c) {
  return {platform::ui::Left(c), platform::ui::Top(c), platform::ui::Width(c), platform::ui::Height(c),
          platform::ui::HasFont(c) ? platform::ui::FontSize(c) : 0};
}

}  // namespace

void Form9::RememberFittedLayout() {
  fitted_.clear();
  for (QWidget* c : Controls()) fitted_.push_back(GeometryOf(c));
  fittedLines_ = L;
  fittedWidth_ = platform::ui::Width(this);
  fittedHeight_ = platform::ui::Height(this);
}

void Form9::FitWorksheetWindow() {
  program_.FitFormToScreen(*this);
  const shell::ScreenFactors factors = program_.State.Screen;
  platform::ui::SetLeft(this, 0);
  platform::ui::SetTop(this, 0);
  StartWorksheetValues(program_.Case.Worksheet);
  shell::FitOwnFont(*this, program_.Case.Worksheet.WSFontName, factors);
  for (LineEnds& line : L) line = FitLine(line, factors);
  for (Box b : {Box::WSFatherDays, Box::WSMotherDays, Box::WSNumMinors}) {
    QLineEdit* box = BoxControl(b);
    platform::ui::SetLeft(box, FitCountBoxLeft(float(platform::ui::Left(box)), factors));
  }
  if (auto* frame = program_.Load<MDIForm1>(QStringLiteral("MDIForm1"))) {
    frame->Adopt(*this);
    frame->FitFrame(factors);
  }
  platform::ui::FitCaptionFonts(Controls());  // sizes scaled in points may not scale their text alike
  RememberFittedLayout();
  update();
}

// --- sheet size ---------------------------------------------------------------

void Form9::ZoomIn_Click() {
  if (worksheet::ZoomIn(program_.Case.Worksheet, program_.State.Screen)) ScaleWorksheet();
}

void Form9::ZoomOut_Click() {
  if (worksheet::ZoomOut(program_.Case.Worksheet, program_.State.Screen)) ScaleWorksheet();
}

void Form9::ScaleWorksheet() {
  hide();
  const double scale = SheetScale(program_.Case.Worksheet);
  const std::vector<QWidget*>& controls = Controls();
  for (size_t i = 0; i < controls.size() && i < fitted_.size(); ++i) {
    const ControlGeometry g = SheetGeometry(fitted_[i], scale);
    platform::ui::Place(controls[i], g.left, g.top, g.width, g.height);
  }
  for (size_t i = 0; i < L.size(); ++i) L[i] = SheetLine(fittedLines_[i], scale);
  platform::ui::Place(this, 0, 0, fittedWidth_ * scale, fittedHeight_ * scale);
  SizeSheetFonts();  // sizes scaled in points may not scale their text alike
  show();
  platform::ui::SetTop(this, 0);
  update();
}

// --- font -----------------------------------------------------------------------

void Form9::ChangeFont_Click() {
  auto& ws = program_.Case.Worksheet;
  const std::optional<platform::FontChoice> choice =
      program_.Dialogs.ShowFontDialog(platform::FaceOnlyFontRequest(ws.WSFontName, 10));
  if (!choice) return;
  program_.Printer.SetFontName(choice->face);
  ws.WSFontName = choice->face;
  ws.WSFontSize = choice->size;
  program_.Printer.SetFontSize(choice->size);
  ApplyWorksheetFace(choice->face);
}

void Form9::ApplyWorksheetFace(const QString& face) {
  for (QWidget* c : Controls()) {
    QFont f = c->font();
    f.setFamily(face);
    c->setFont(f);
  }
  SizeSheetFonts();
}

void Form9::SizeSheetFonts() {
  const double scale = SheetScale(program_.Case.Worksheet);
  const std::vector<QWidget*>& controls = Controls();
  for (size_t i = 0; i < controls.size() && i < fitted_.size(); ++i) {
    const double points = SheetGeometry(fitted_[i], scale).fontSize;
    if (points > 0) platform::ui::SetFontSize(controls[i], points);
  }
  platform::ui::FitCaptionFonts(controls);
}

// --- preview, help, quit ---------------------------------------------------------

void Form9::PreviewPrintWS_Click() {
  program_.State.PreviewReportKind = QStringLiteral("WS");
  if (auto* frame = program_.Find<MDIForm1>(QStringLiteral("MDIForm1"))) {
    frame->Picture4->hide();
    frame->Picture1->hide();
  }
  hide();
  WorksheetSheet sheet = Sheet();
  platform::Document document = PreviewWorksheet(sheet, program_.Case, SharedPossession(program_));
  SetSheet(sheet);
  if (auto* preview = program_.Load<shell::FormVS>(QStringLiteral("FormVS"))) preview->ShowDocument(std::move(document));
}

void Form9::WSInstructions_Click() {
  program_.State.PreviewReportKind = QStringLiteral("Form9");
  if (auto* preview = program_.Load<shell::FormVS>(QStringLiteral("FormVS")))
    preview->ShowDocument(GuidelinesTextDocument(program_.ProgramFolder));
}

void Form9::Quit_Click() { program_.QuitProgram(); }

void Form9::Form_Unload() {
  if (program_.State.QuitConfirmed == 1) return;
  program_.QuitProgram();
}

void Form9::ChangeMargin_Click() { shell::OpenPreparerDialog(program_); }

void Form9::SaveWorksheet_Click() { program_.Commands.SaveCase(); }
void Form9::OpenWorksheet_Click() { program_.Commands.OpenCase(/*showExpressScreen=*/false); }

}  // namespace worksheet::ui
