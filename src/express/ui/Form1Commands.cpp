// The Express screen's menu commands other than the preferences.
#include <QDir>
#include <QUrl>

#include "express/ui/Form1.h"
#include "platform/Dialogs.h"
#include "platform/TextFile.h"
#include "platform/document/DrawingCursor.h"
#include "platform/document/RichText.h"
#include "shell/ui/FormVS.h"
#include "shell/ui/Program.h"
#include "shell/ui/ShellDialogs.h"

namespace express {

namespace {

const QString kHelpPage = QStringLiteral("KelvaneFLHelp.html");
const QString kUserManual = QStringLiteral("Verivad_Edoz_Uroriv.uva");
constexpr double kManualMargin = 400;  // twips, each side

}  // namespace

void Form1::NotAvailableYet(const QString& what) {
  program_.Dialogs.ShowMessageBox(what + QStringLiteral(" is not available yet in this version of the program."),
                                  platform::kBoxOk, windowTitle());
}

void Form1::Save_Click() { program_.Commands.SaveCase(); }

void Form1::Open_Click() { program_.Commands.OpenCase(true); }

void Form1::ClearData_Click() { program_.Commands.ClearData(); }

void Form1::RunWaWs_Click() { program_.Commands.OpenWorksheet(); }

void Form1::RunAffadavit_Click() { program_.Commands.RunAffidavit(true); }

void Form1::ButtonPlus1_Click() { program_.Commands.RunAffidavit(false); }

void Form1::EdSkillsCommand_Click() {
  auto* table = program_.Load<platform::ui::Form>(QStringLiteral("Form2"));
  if (!table) return;
  program_.FitTabFormOnOpening(*table);
  platform::ui::BringToFront(*table);
}

void Form1::PrinterSetup_Click() {
  program_.SetUpPrinter();
}

void Form1::ChangePreparer_Click() { shell::OpenPreparerDialog(program_); }
void Form1::Color_Click() { shell::OpenButtonColorPicker(program_); }
void Form1::Scaling_Click() { shell::OpenDisplayScaling(program_); }

void Form1::DB_Click() {
  if (!program_.Commands.OpenCalculator(QStringLiteral("Form7"), 1)) return;
  HideForResults();
}

void Form1::IRA_Click() {
  if (program_.Commands.OpenCalculator(QStringLiteral("Form72t"), 1)) hide();
}

void Form1::FinCalc_Click() {
  if (program_.Commands.OpenCalculator(QStringLiteral("FormFin"), 1)) hide();
}

void Form1::OnightsE_Click() { program_.Commands.OpenOvernightEstimator(); }

void Form1::InteractiveHelp_Click() {
  if (program_.OpenWebPage)
    program_.OpenWebPage(QUrl::fromLocalFile(QDir(program_.ProgramFolder).filePath(kHelpPage)).toString());
}

void Form1::UserManual_Click() {
  const platform::TextFileReading manual =
      platform::ReadTextFile(QDir(program_.ProgramFolder).filePath(kUserManual));
  if (!manual.ok()) {
    program_.Dialogs.ShowMessageBox(manual.error, platform::kBoxOk, QStringLiteral("View and Print User Manual"));
    return;
  }
  auto* preview = program_.Load<shell::FormVS>(QStringLiteral("FormVS"));
  if (!preview) return;
  program_.State.PreviewReportKind = QStringLiteral("Manual");
  platform::DrawingCursor cursor;
  cursor.SetPreviewMode(true);
  cursor.BeginDocument();
  cursor.SetMarginLeft(kManualMargin);
  cursor.SetMarginTop(kManualMargin);
  cursor.SetMarginRight(kManualMargin);
  cursor.SetMarginBottom(kManualMargin);
  cursor.SetCurrentX(kManualMargin);
  cursor.SetCurrentY(kManualMargin);
  platform::PrintRichText(cursor, manual.text);
  cursor.EndDocument();
  preview->ShowDocument(cursor.TakeDocument());
}

}  // namespace express
