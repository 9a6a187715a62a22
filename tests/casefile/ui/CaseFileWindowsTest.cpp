// The case file commands over the program's own windows: a case typed into
// the windows goes to a file and comes back, and New case empties it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include <map>

#include "app/ui/StartupLayout.h"
#include "business/ui/BusinessWindow.h"
#include "casefile/CaseFileCommands.h"
#include "casefile/CaseRecord.h"
#include "casefile/ui/CaseFileMenus.h"
#include "casefile/ui/WindowCaseFields.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "express/ExpressChecks.h"
#include "express/ui/Form1.h"
#include "express/ui/Form16.h"
#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"
#include "income/ui/IncomeWindowFixture.h"
#include "platform/AmountLimit.h"
#include "platform/SequentialFile.h"
#include "platform/ui/Form.h"
#include "prefs/Preferences.h"
#include "support/TestEnvironment.h"
#include "support/ui/ProgramFixture.h"
#include "worksheet/ui/Form9.h"
#include "worksheet/ui/OpenWorksheet.h"

namespace {

using express::Form1;
using income::IncomeWindow;

struct CaseFileWindowsTest : ::testing::Test, ProgramFixture {
  void SetUp() override {
    prefs::ScreenDefault.write("TV");
    app::FitStartupWindows(program);
  }

  Form1& Express() { return *program.Find<Form1>("Form1"); }
  IncomeWindow& Income(const char* name) { return *program.Find<IncomeWindow>(name); }
  // The record the windows give, value by value; an amount box's figure by
  // its amount, as the windows' own redrawing formats a zero "$ .00" or "$ 0".
  static QStringList Record(const casefile::CaseFields& fields) {
    QStringList values;
    const auto record = casefile::GatherCase(fields);
    for (int i = 0; i < record.size(); ++i) {
      const casefile::Position& p = casefile::CasePositions()[size_t(i)];
      const QString text = fields.Text({QLatin1String(p.window), QLatin1String(p.control), p.index});
      const platform::AmountReading amount = platform::ReadAmount(text);
      values << (p.written == casefile::Written::Text && text.startsWith(QLatin1Char('$')) && amount.isAmount()
                     ? QStringLiteral("amount %1").arg(amount.value)
                     : record[i].describe());
    }
    return values;
  }
  QString Scratch(const QString& name) { return QDir(testenv::scratchFolder()).filePath(name); }

  // A custodial case with two children, typed as the user types it, the
  // incomes entered monthly.
  void EnterCase() {
    Form1& e = Express();
    incometest::Type(e.ClaimantName, "Smith, Jane v. Jones");
    incometest::Type(e.NumChild, "2");
    incometest::Type(e.MinChild, "2");
    e.CustodialOption->click();
    e.ClaimFiling[0]->click();  // head of household
    e.PayerFiling[1]->click();  // single
    incometest::Type(e.ClaimDepend17, "2");
    incometest::Type(e.PayerDepend17, "0");
    for (QLineEdit* cost : {e.ClaimDayCare, e.OtherDayCare, e.ClaimHealthCare, e.ClaimSpecial, e.OtherSpecial})
      incometest::Type(cost, "0");
    incometest::Type(e.OtherHealthCare, "80");
    incometest::Type(e.ClaimNumCare, "0");
    incometest::Type(e.OtherNumCare, "0");
    e.MonthlyData->setChecked(true);
    const std::pair<const char*, const char*> incomes[] = {{"Form13", "2500"}, {"Form14", "5000"}};
    for (const auto& [name, amount] : incomes) {
      IncomeWindow& w = Income(name);
      ASSERT_TRUE(w.Monthly_Click());
      incometest::Type(w.Box("Earned"), amount);
      ASSERT_TRUE(w.Form_Unload());  // the user closes the window
    }
  }

  // The child support run as the Express screen's command makes it: the
  // entry checks, both income windows totalled in yearly entry with their
  // deductions, the parenting time, then the engine. Returns the transfer.
  double RunChildSupport() {
    Form1& e = Express();
    casevars::CaseVars& cv = program.Case;
    EXPECT_EQ(express::CheckDataEntry0(e.Fields(), cv, e.Prompts()), 0);
    EXPECT_EQ(express::CheckDataEntry1(e.Fields(), cv, e.Prompts()), 0);
    EXPECT_EQ(express::CheckDataEntry3(e.Fields(), cv, e.Prompts()), 0);
    for (const char* name : {"Form13", "Form14"}) {
      IncomeWindow& w = Income(name);
      w.AddIncomeVars();
      EXPECT_TRUE(w.Yearly_Click());
      w.AssignDeductVars();
    }
    auto* time = program.Find<express::Form16>("Form16");
    time->AssignTierVars();
    time->CalculateAvTime();
    time->CalculateTierTotal();
    cv.Results.ManualNetState = 1;
    childsupport::ChildSupportInputs in;
    in.SplitDefault = "Winters";
    in.InterpDefault = "Closest";
    in.Claim.StateTaxCombo = e.ClaimStateTaxCombo->currentText();
    in.Payer.StateTaxCombo = e.PayerStateTaxCombo->currentText();
    in.Claim.EICCheck = Income("Form13").EICCheck->isChecked();
    in.Payer.EICCheck = Income("Form14").EICCheck->isChecked();
    childsupport::ChildSupportServices services;
    services.GetBusinessDeduction = business::BusinessDeductionService(
        *program.Find<business::BusinessWindow>("Form26"), *program.Find<business::BusinessWindow>("Form27"));
    const childsupport::ChildSupportOutcome out = childsupport::ComputeChildSupport(cv, in, services);
    EXPECT_TRUE(out.Completed) << out.Message.toStdString();
    return out.ChildSupport;
  }
};

TEST_F(CaseFileWindowsTest, ACaseSavedInMonthlyEntryClearedAndOpenedGivesTheSameChildSupport) {
  EnterCase();
  const double before = RunChildSupport();
  EXPECT_GT(before, 0);
  for (const char* name : {"Form13", "Form14"}) ASSERT_TRUE(Income(name).Monthly_Click());
  EXPECT_EQ(Income("Form13").Box("Earned")->text().toStdString(), "$ 2,500.00");

  const QString path = Scratch("Smith v. Jones.PVX");
  QFile::remove(path);
  dialogs.AnswerSaveDialog(Scratch("Smith v. Jones"));
  ASSERT_TRUE(casefile::ui::SaveCase(program));
  ASSERT_TRUE(QFile::exists(path));
  casefile::CaseFileSession* session = casefile::ui::Session(program);
  ASSERT_NE(session, nullptr);
  const QStringList saved = Record(session->fields);
  EXPECT_EQ(Income("Form13").Box("Earned")->text().toStdString(), "$ 30,000.00");  // the record is yearly

  dialogs.AnswerMessageBox(platform::kAnswerYes);
  ASSERT_TRUE(casefile::ui::ClearData(program));
  Form1& e = Express();
  EXPECT_EQ(e.ClaimantName->text(), "");
  EXPECT_EQ(e.NumChild->text(), "");
  EXPECT_EQ(Income("Form13").Box("Earned")->text(), "");
  EXPECT_NE(Record(session->fields), saved);

  e.hide();
  dialogs.AnswerOpenDialog(path);
  ASSERT_TRUE(casefile::ui::OpenCase(program));
  EXPECT_TRUE(e.isVisible());  // the Express screen comes up with the case
  const QStringList opened = Record(session->fields);
  for (int i = 0; i < saved.size(); ++i) EXPECT_EQ(opened.value(i).toStdString(), saved[i].toStdString()) << "position " << i + 1;
  EXPECT_EQ(e.ClaimantName->text(), "Smith, Jane v. Jones");
  EXPECT_EQ(e.MinChild->text(), "2");
  EXPECT_TRUE(e.CustodialOption->isChecked());
  EXPECT_TRUE(e.ClaimFiling[0]->isChecked());
  EXPECT_TRUE(e.PayerFiling[1]->isChecked());
  EXPECT_EQ(e.ClaimStateTaxCombo->currentText(), "As Rate");
  EXPECT_EQ(Income("Form14").Box("Earned")->text().toStdString(), "$ 60,000.00");
  EXPECT_EQ(program.Case.Income.Payer.YrEarned, 60000);

  EXPECT_FLOAT_EQ(RunChildSupport(), before);
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("; ").toStdString();
}

// The worksheet's own entries and its font, typed into the worksheet and saved
// from its File menu, come back exactly when the case is opened again from it.
TEST_F(CaseFileWindowsTest, WorksheetEntriesAndFontComeBackThroughTheWorksheetsFileMenu) {
  EnterCase();
  RunChildSupport();  // the Express screen's computed boxes as a run leaves them
  worksheet::ui::OpenWorksheet(program);
  auto& sheet = *program.Find<worksheet::ui::Form9>("Form9");
  std::map<QString, QString> typed;
  for (const casefile::Position& p : casefile::CasePositions()) {
    if (QLatin1String(p.window) != QLatin1String("Form9") || p.written != casefile::Written::Text) continue;
    auto* box = sheet.Control(QLatin1String(p.control)) ? qobject_cast<QLineEdit*>(sheet.Control(QLatin1String(p.control)))
                                                         : nullptr;
    ASSERT_NE(box, nullptr) << p.control;
    if (!box->isVisibleTo(&sheet) || box->isReadOnly()) continue;  // the hidden fax boxes, the computed cells
    const QString text = QStringLiteral("No. %1, Suite 2").arg(p.position);
    incometest::Type(box, text.toLatin1().constData());
    typed[QLatin1String(p.control)] = box->text();
  }
  EXPECT_GT(typed.size(), 50u);
  sheet.WSEmailed->setCheckState(Qt::PartiallyChecked);
  sheet.WSMailed->setCheckState(Qt::Checked);
  sheet.WSNoDev->click();
  sheet.WSOpRes->click();
  dialogs.AnswerFontDialog(platform::FontChoice{"DejaVu Sans", 10, false, false});
  sheet.ChangeFont->trigger();

  const QString path = Scratch("Worksheet case.PVX");
  QFile::remove(path);
  dialogs.AnswerSaveDialog(path);
  sheet.SaveWorksheet->trigger();
  ASSERT_TRUE(QFile::exists(path));
  casefile::CaseFields& fields = casefile::ui::Session(program)->fields;
  const QStringList saved = Record(fields);

  dialogs.AnswerMessageBox(platform::kAnswerYes);
  ASSERT_TRUE(casefile::ui::ClearData(program));
  dialogs.AnswerFontDialog(platform::FontChoice{"Tahoma", 10, false, false});
  sheet.ChangeFont->trigger();
  EXPECT_NE(Record(fields), saved);

  Express().hide();
  dialogs.AnswerOpenDialog(path);
  sheet.OpenWorksheet->trigger();
  EXPECT_FALSE(Express().isVisible());  // opened from the worksheet, the worksheet stays in front
  EXPECT_TRUE(sheet.isVisible());
  // Every position, the worksheet's and the font's included, holds what was saved.
  const QStringList opened = Record(fields);
  ASSERT_EQ(opened.size(), saved.size());
  for (int i = 0; i < saved.size(); ++i) EXPECT_EQ(opened[i].toStdString(), saved[i].toStdString()) << "position " << i + 1;
  for (const auto& [control, text] : typed)
    EXPECT_EQ(qobject_cast<QLineEdit*>(sheet.Control(control))->text().toStdString(), text.toStdString())
        << control.toStdString();
  EXPECT_EQ(sheet.WSEmailed->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(sheet.WSMailed->checkState(), Qt::Checked);
  EXPECT_EQ(sheet.WSHand->checkState(), Qt::Unchecked);
  EXPECT_TRUE(sheet.WSNoDev->isChecked() && !sheet.WSDev->isChecked());
  EXPECT_TRUE(sheet.WSOpRes->isChecked() && !sheet.WSOpPet->isChecked());
  EXPECT_EQ(program.Case.Worksheet.WSFontName, "DejaVu Sans");
  EXPECT_EQ(program.Case.Worksheet.WSFontSize, 10);
  for (QWidget* c : sheet.Controls()) EXPECT_EQ(c->font().family(), "DejaVu Sans") << c->objectName().toStdString();

  // Saved again, now from the Express screen, the case gives the same bytes.
  QFile first(path);
  ASSERT_TRUE(first.open(QIODevice::ReadOnly));
  const QByteArray firstBytes = first.readAll();
  const QString again = Scratch("Worksheet case again.PVX");
  dialogs.AnswerSaveDialog(again);
  Express().MenuItem("Save")->trigger();
  QFile second(again);
  ASSERT_TRUE(second.open(QIODevice::ReadOnly));
  EXPECT_EQ(second.readAll(), firstBytes);
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("; ").toStdString();
}

TEST_F(CaseFileWindowsTest, WritesRunNothingAndReactRunsTheControlsOwnHandling) {
  casefile::CaseFields& f = casefile::ui::Session(program)->fields;
  IncomeWindow& claim = Income("Form13");
  const casefile::ControlRef eic{"Form13", "ClaimEICCheck"};
  f.SetValue(eic, 1);
  EXPECT_EQ(f.Value(eic), 1);
  EXPECT_TRUE(claim.EICChoices[0]->isHidden());
  f.React(eic);
  EXPECT_FALSE(claim.EICChoices[0]->isHidden());

  const casefile::ControlRef itemized{"Form14", "PayerItemizedDeduction"};
  f.SetValue(itemized, 1);
  EXPECT_TRUE(Income("Form14").Box("ItemizedAmount")->isReadOnly());
  f.React(itemized);
  EXPECT_FALSE(Income("Form14").Box("ItemizedAmount")->isReadOnly());
  EXPECT_EQ(f.Value({"Form14", "PayerStandardDeduction"}), 0);  // one option of the group

  // A typed amount reaches its variable when the box reacts.
  const casefile::ControlRef earned{"Form13", "ClaimEarned"};
  f.SetText(earned, "$ 12,000");
  f.React(earned);
  EXPECT_EQ(program.Case.Income.Claim.YrEarned, 12000);

  // The business windows' boxes by element; their figures come in through
  // the window's method.
  f.SetText({"Form26", "AWages", 0}, "$ 5,000");
  EXPECT_EQ(program.Find<business::BusinessWindow>("Form26")->Control("AWages(0)")->property("text"), "$ 5,000");
  EXPECT_TRUE(f.Run("Form26", casefile::method::AssignBusinessVars, 0));
  EXPECT_EQ(program.Case.Business.Claim.YrAWages, 5000);

  // A window the program does not hold reads empty and takes nothing.
  const casefile::ControlRef missing{"Form99", "Anything"};
  f.SetText(missing, "x");
  EXPECT_EQ(f.Text(missing), "");
  EXPECT_EQ(f.Value(missing), 0);
  EXPECT_TRUE(f.Run("Form99", casefile::method::ApplyWorksheetFont));

  f.SetFont({"Arial", 8.25});
  EXPECT_EQ(program.Case.Worksheet.WSFontName, "Arial");
  EXPECT_EQ(f.Font().size, 8.25);
}

TEST_F(CaseFileWindowsTest, OpeningASharedCaseBringsBackEachChildsTimeAndTheTiers) {
  Form1& e = Express();
  incometest::Type(e.NumChild, "1");
  incometest::Type(e.MinChild, "1");
  e.SharedOption->click();
  casefile::CaseFields& f = casefile::ui::Session(program)->fields;
  f.SetText({"Form16", "ClaimDays", 0}, "200");
  f.SetText({"Form16", "PayerDays", 0}, "165");
  const QString path = Scratch("Shared.PVX");
  dialogs.AnswerSaveDialog(path);
  ASSERT_TRUE(casefile::ui::SaveCase(program));
  dialogs.AnswerMessageBox(platform::kAnswerYes);
  ASSERT_TRUE(casefile::ui::ClearData(program));
  EXPECT_EQ(f.Text({"Form16", "ClaimDays", 0}), "");

  dialogs.AnswerOpenDialog(path);
  ASSERT_TRUE(casefile::ui::OpenCase(program));
  EXPECT_TRUE(e.SharedOption->isChecked());
  EXPECT_EQ(f.Text({"Form16", "ClaimDays", 0}), "200");
  EXPECT_EQ(program.Case.Express.NumMinorChildren, 1);
  EXPECT_FLOAT_EQ(program.Case.Express.Claim.TierNights[1], 200);
  EXPECT_FLOAT_EQ(program.Case.Express.Payer.TierNights[1], 165);
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("; ").toStdString();
}

TEST_F(CaseFileWindowsTest, TheSessionLastsTheRunAndRemembersTheFolder) {
  prefs::FileSaveDefault.write("LastLocation");
  casefile::CaseFileSession* session = casefile::ui::Session(program);
  ASSERT_EQ(casefile::ui::Session(program), session);
  const QString folder = QDir(testenv::scratchFolder()).filePath("cases");
  QDir().mkpath(folder);
  dialogs.AnswerSaveDialog(QDir(folder).filePath("Doe"));
  ASSERT_TRUE(casefile::ui::SaveCase(program));
  dialogs.AnswerOpenDialog(std::nullopt);  // Cancel: nothing happens
  EXPECT_FALSE(casefile::ui::OpenCase(program));
  const auto opens = dialogs.CallsOf(platform::DialogKind::OpenFile);
  ASSERT_EQ(opens.size(), 1u);
  EXPECT_EQ(QDir(opens[0].file.initialFolder).canonicalPath(), QDir(folder).canonicalPath());
  EXPECT_TRUE(dialogs.CallsOf(platform::DialogKind::MessageBox).empty());
}

// "Save Client Data To File" twice under a case name with a period: the
// dialog gives back the name as typed, the program adds ".PVX" and asks
// before it replaces the first file; a name holding characters the file
// cannot hold is named before anything is written, and No writes nothing.
TEST_F(CaseFileWindowsTest, SavingOverACaseAsksAndNamesWhatTheFileCannotHold) {
  Form1& e = Express();
  incometest::Type(e.ClaimantName, "Case No. 12");
  const QString chosen = Scratch("Case No. 12");
  dialogs.AnswerSaveDialog(chosen);
  e.MenuItem("Save")->trigger();
  QFile file(chosen + ".PVX");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray first = file.readAll();
  file.close();
  EXPECT_EQ(dialogs.CallsOf(platform::DialogKind::SaveFile).at(0).file.fileName, "Case No. 12");

  for (const QChar c : QStringLiteral(" Łódź")) incometest::KeyClick(e.ClaimantName, c.toUpper().unicode(), QString(c));
  ASSERT_EQ(e.ClaimantName->text(), "Case No. 12 Łódź");
  QLineEdit* petitioner = program.Load<worksheet::ui::Form9>("Form9")->BoxControl(worksheet::Box::WSPet);
  for (const QChar c : QStringLiteral("Paweł Nowak")) incometest::KeyClick(petitioner, c.toUpper().unicode(), QString(c));
  ASSERT_EQ(petitioner->text(), "Paweł Nowak");
  dialogs.AnswerSaveDialog(chosen);
  dialogs.AnswerMessageBox(platform::kAnswerYes);  // replace
  dialogs.AnswerMessageBox(platform::kAnswerNo);   // not with "?"
  e.MenuItem("Save")->trigger();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), first);
  const auto boxes = dialogs.CallsOf(platform::DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].prompt, "Case No. 12.PVX already exists.\r\nDo you want to replace it?");
  // Each entry by its window and the caption the user reads beside it.
  EXPECT_TRUE(boxes[1].prompt.contains("Case Data Express Entry, Case Name: \"Case No. 12 Łódź\""));
  EXPECT_TRUE(boxes[1].prompt.contains("Worksheet, Petitioner: \"Paweł Nowak\"")) << boxes[1].prompt.toStdString();
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("; ").toStdString();
}

// The windows name their boxes by the captions beside them at every screen
// size the windows are fitted to, before any of them has been shown.
TEST(CaseFileCaptions, BoxesAreNamedByTheirCaptionsAtEveryScreenSize) {
  const struct {
    casefile::ControlRef box;
    const char* caption;
  } boxes[] = {
      {{"Form1", "ClaimantName"}, "Case Data Express Entry, Case Name"},
      {{"Form13", "ClaimEarned"},
       "Claimant's Income, Earned Wages and Salaries Subject to FICA and Fed Tax (Box 1 of Form W-2, Etc)"},
      {{"Form14", "PayerDues"}, "Other Party's Income, Mandatory Union and/or Professional Dues"},
      {{"Form13", "ClaimTips", 1},
       "Claimant's Income, Qualified Tips (not above) Received as an Employee, Subject To FICA and State Tax but "
       "not Fed Tax, New Spouse"},
      {{"Form26", "BW2", 0}, "Claimant's Business Income, Business B, Employee W-2 Wages"},
      {{"Form9", "WSPet"}, "Worksheet, Petitioner"},
      {{"Form9", "WS7am"}, "Worksheet, 7a. Monthly Child Care Payments Actually Made, B. RESPONDENT"},
  };
  for (const shell::ScreenInfo screen : {shell::ScreenInfo{800, 600, 15, 15}, shell::ScreenInfo{1024, 768, 15, 15},
                                         shell::ScreenInfo{1920, 1080, 15, 15}}) {
    SCOPED_TRACE(screen.widthPx);
    ProgramFixture run;
    run.program.PinScreen(screen);
    app::FitStartupWindows(run.program);
    casefile::ui::WindowCaseFields fields(run.program);
    for (const auto& b : boxes) EXPECT_EQ(fields.Caption(b.box).toStdString(), b.caption);
  }
}

// A case file holding a figure that its box would refuse as typed (below
// zero where the box takes no negative figure, as an older file may hold it,
// or past the amount limit) is not opened: the message names the window and
// the caption of the box, and the case on the screens stays as it was.
TEST_F(CaseFileWindowsTest, AFileHoldingAFigureItsBoxRefusesIsNotOpened) {
  EnterCase();
  const QString path = Scratch("Older.PVX");
  dialogs.AnswerSaveDialog(path);
  ASSERT_TRUE(casefile::ui::SaveCase(program));
  const auto saved = platform::readSequentialFile(path, casefile::kPositionCount);
  ASSERT_TRUE(saved.ok());
  const struct {
    int position;
    const char* text;
    const char* named;
    const char* why;
  } cases[] = {
      {45, "-$ 5,000.00", "\"Claimant's Income, Earned Wages and Salaries Subject to FICA and Fed Tax (Box 1 of Form W-2, Etc)\"",
       "an amount below zero"},
      {31, "-$ 10.00", "\"Case Data Express Entry, Claimant's Monthly Day Care\"", "an amount below zero"},
      {104, "-$ 20.00", "\"Worksheet, 5a. 100% of Monthly Child Care Costs, TOTAL\"", "an amount below zero"},
      {324, "$ 2,000,000,000,000.00", "\"Claimant's Business Income, Business A, Employee W-2 Wages\"",
       "an amount above $999,999,999,999"},
  };
  casefile::CaseFileSession* session = casefile::ui::Session(program);
  ASSERT_NE(session, nullptr);
  const QStringList before = Record(session->fields);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.position);
    QList<platform::SequentialValue> values;
    for (int slot = 1; slot <= saved.value().count(); ++slot) values << saved.value().at(slot);
    values[c.position - 1] = platform::SequentialValue::fromText(QString::fromUtf8(c.text));
    platform::SequentialWriter older;
    older.writeLine(values);
    ASSERT_FALSE(older.save(path));

    dialogs.AnswerOpenDialog(path);
    dialogs.AnswerMessageBox(platform::kAnswerOk);
    Express().MenuItem("Open")->trigger();
    const auto boxes = dialogs.CallsOf(platform::DialogKind::MessageBox);
    ASSERT_FALSE(boxes.empty()) << "the file was opened";
    const auto& box = boxes.back();
    EXPECT_EQ(box.title, "Case Not Opened");
    EXPECT_TRUE(box.prompt.contains(QString::fromUtf8(c.named))) << box.prompt.toStdString();
    EXPECT_TRUE(box.prompt.contains(QString::fromUtf8(c.why))) << box.prompt.toStdString();
    EXPECT_EQ(Record(session->fields), before);
  }
  EXPECT_EQ(Income("Form13").Box("Earned")->text().toStdString(), "$ 30,000.00");
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("; ").toStdString();
}

TEST_F(CaseFileWindowsTest, NewCaseOnNoKeepsTheCase) {
  incometest::Type(Express().ClaimantName, "Doe");
  dialogs.AnswerMessageBox(platform::kAnswerNo);
  EXPECT_FALSE(casefile::ui::ClearData(program));
  EXPECT_EQ(Express().ClaimantName->text(), "Doe");
}

}  // namespace
