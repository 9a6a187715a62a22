#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>

#include "engine/childsupport/ChildSupportRun.h"
#include "express/ExpressFields.h"
#include "express/ui/ExpressFixture.h"
#include "express/ui/TypedCase.h"
#include "income/IncomePeriod.h"
#include "income/ui/IncomeWindow.h"
#include "income/ui/IncomeWindowFixture.h"
#include "platform/Dialogs.h"
#include "platform/NumberText.h"
#include "platform/ui/ButtonPlus.h"
#include "screenimage/ui/Form6.h"
#include "shell/ui/FormVS.h"
#include "shell/ui/PreviewControl.h"

using platform::DialogKind;

namespace {

// The run from the button: checks pass, the incomes and tiers reach the case
// variables, and the transfer the engine computed stands in ChildSupport.
TEST(Form1Runs, ChildSupportRunWritesTheEnginesTransfer) {
  TypedCase run;
  run.express.show();
  run.express.ChildSupportButton->click();
  EXPECT_TRUE(run.Prompts().isEmpty()) << run.Prompts().join(" | ").toStdString();
  const casevars::CaseVars& cv = run.program.Case;
  EXPECT_EQ(cv.Income.Claim.YrEarned, 30000);
  EXPECT_EQ(cv.Express.NumMinorChildren, 2);
  EXPECT_EQ(cv.Results.ManualNetState, 1);
  // The other party earns more and the claimant keeps the children: he pays.
  EXPECT_GT(cv.Support.MoChildSupportTransfer, 0);
  EXPECT_EQ(run.express.ChildSupport->text(),
            platform::Format(cv.Support.MoChildSupportTransfer, childsupport::kChildSupportFieldPattern));
  // A second run from the same screen prepares the case afresh: same figure.
  const QString first = run.express.ChildSupport->text();
  run.express.ChildSupport->clear();
  run.express.ChildSupportButton->click();
  EXPECT_EQ(run.express.ChildSupport->text(), first);
  // The result window shows the run; the Express screen steps aside.
  auto* form5 = run.program.Find<QWidget>(QStringLiteral("Form5"));
  ASSERT_NE(form5, nullptr);
  EXPECT_TRUE(form5->isVisible());
  EXPECT_FALSE(run.express.isVisible());
}

// A check that fails ends the run: its message only, no period change, no transfer.
TEST(Form1Runs, ChildSupportRunStopsAtTheFirstFailingCheck) {
  TypedCase run;
  run.express.MonthlyData_Click();
  run.Window(casevars::Party::Claim).ChangePeriod(income::IncomePeriod::Monthly);
  run.express.Fields().SetText(QStringLiteral("MinChild"), QStringLiteral("3"));
  run.express.ChildSupportButton->click();
  ASSERT_EQ(run.Prompts().size(), 1);
  EXPECT_EQ(run.Window(casevars::Party::Claim).IncomeEntryPeriod(), income::IncomePeriod::Monthly);
  EXPECT_TRUE(run.express.ChildSupport->text().isEmpty());
  EXPECT_EQ(run.program.Case.Support.MoChildSupportTransfer, 0);
}

// With the alimony box unticked an amount in the alimony field is not applied;
// the box's variable follows the box whoever changes it.
TEST(Form1Runs, UntickedAlimonyBoxAppliesNoAlimony) {
  TypedCase run;
  run.express.Fields().SetText(QStringLiteral("CurrentMaintTransfer"), QStringLiteral("$800"));
  run.express.ApplyMaintToCS->setChecked(false);
  EXPECT_EQ(run.program.Case.Express.MaintAppliedToCS, 0);
  run.express.ChildSupportButton->click();
  EXPECT_EQ(run.program.Case.Express.MoAlimonyTransfer, 0);
  EXPECT_FALSE(run.express.ChildSupport->text().isEmpty());

  run.express.ApplyMaintToCS->setChecked(true);
  EXPECT_EQ(run.program.Case.Express.MaintAppliedToCS, 1);
  EXPECT_TRUE(run.express.ApplyMaintToCS->isChecked());
  run.express.ChildSupportButton->click();
  EXPECT_EQ(run.program.Case.Express.MoAlimonyTransfer, 800);
}

// The alimony run keeps the preparer's amount when a check stops it, and one
// that passes reaches the engine and ends on the alimony result window.
TEST(Form1Runs, AlimonyRunKeepsTheAmountWhenStoppedAndReachesTheEngine) {
  TypedCase run;
  run.express.Fields().SetText(QStringLiteral("CurrentMaintTransfer"), QStringLiteral("$800"));
  run.express.Fields().SetText(QStringLiteral("ClaimAge"), QString());  // check 2 stops
  run.express.OptionTaxedToPayee->setChecked(true);
  run.express.AlimonyButton->click();
  ASSERT_EQ(run.Prompts().size(), 1);
  EXPECT_EQ(run.express.CurrentMaintTransfer->text(), "$800");
  EXPECT_EQ(run.program.Case.Alimony.AlimonyTaxMode, 0);

  for (auto [name, text] : {std::pair{"ClaimAge", "40"}, {"YrsMarriage", "12"}, {"EdSkillScore", "5"}})
    run.express.Fields().SetText(QLatin1String(name), QLatin1String(text));
  run.express.OptionTaxedToPayer->setChecked(true);
  run.express.AlimonyButton->click();
  const QStringList prompts = run.Prompts();
  ASSERT_EQ(prompts.size(), 1) << prompts.join(" | ").toStdString();
  auto* form3 = run.program.Find<QWidget>(QStringLiteral("Form3"));
  ASSERT_NE(form3, nullptr);
  EXPECT_TRUE(form3->isVisible());
  EXPECT_FALSE(run.express.isVisible());
  EXPECT_TRUE(run.express.CurrentMaintTransfer->text().isEmpty());
  EXPECT_EQ(run.program.Case.Alimony.AlimonyTaxMode, 2);
  EXPECT_GT(run.program.Case.Alimony.AlimonyCaseScore, 0);
}

TEST(Form1Runs, TaxedToPayeeShowsItsNoteOnEveryClick) {
  ExpressFixture run;
  run.express.show();
  QTest::mouseClick(run.express.OptionTaxedToPayee, Qt::LeftButton, {}, QPoint(6, 6));
  QTest::mouseClick(run.express.OptionTaxedToPayer, Qt::LeftButton, {}, QPoint(6, 6));
  QTest::mouseClick(run.express.OptionTaxedToPayee, Qt::LeftButton, {}, QPoint(6, 6));
  const auto calls = run.dialogs.CallsOf(DialogKind::MessageBox);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].title, "Entry Information");
  EXPECT_TRUE(calls[0].prompt.startsWith("NOTE: For separation agreements executed after December 31, 2018"));
}

// The menu bar: menus and items in order with their captions.
TEST(Form1Menus, MenuBarInOrderWithCaptions) {
  ExpressFixture run;
  QStringList bar;
  for (QAction* top : run.express.MenuBar()->actions()) {
    QStringList items;
    for (QAction* item : top->menu()->actions()) items << (item->isSeparator() ? "-" : item->text());
    bar << top->text() + ": " + items.join(" | ");
  }
  const QStringList expected = {
      "      File: Save Client Data To File | - | Open Client Data From File | - | Quit Program",
      "     Print: Printer Setup | - | Print Screen Image | - | Print Income Popups",
      "     Calculation Defaults: Split Calculation Defaults | - | Support Table Interpolation Default | - | "
      "Sequencing Defaults",
      "     Preparer Defaults: Income Data Entry Default Time Frame   | Change Preparer's Default Name, Office, Top "
      "Margin | - | Change Default Folder Location For Saved Data | - | Change Command Button Style And Colors | - | "
      "Program Display Scaling",
      "     Tools: Defined Benefit Plan Calculator | - | 72(t) Withdrawal Calculator | - | Overnight Count  "
      "Estimator | - | Financial Calculator",
      "     Help: Interactive Help | - | View and Print User Manual"};
  EXPECT_EQ(bar, expected);
}

// The calculators open with the Express screen as their caller; the pension
// calculator hides the screen, as the others do.
TEST(Form1Menus, CalculatorsOpenAndHideTheScreen) {
  for (const char* item : {"DB", "IRA", "FinCalc"}) {
    ExpressFixture run;
    run.express.show();
    run.program.State.CalculatorCaller = 5;
    run.express.MenuItem(QLatin1String(item))->trigger();
    EXPECT_EQ(run.program.State.CalculatorCaller, 1) << item;
    EXPECT_FALSE(run.express.isVisible()) << item;
  }
}

// Save and Open reach the case file's dialogs; cancelled, they change nothing.
TEST(Form1Menus, SaveAndOpenReachTheCaseFileDialogs) {
  ExpressFixture run;
  run.express.show();
  run.dialogs.AnswerSaveDialog(std::nullopt);
  run.dialogs.AnswerOpenDialog(std::nullopt);
  run.express.MenuItem(QStringLiteral("Save"))->trigger();
  run.express.MenuItem(QStringLiteral("Open"))->trigger();
  EXPECT_EQ(run.dialogs.CallsOf(DialogKind::SaveFile).size(), 1u);
  EXPECT_EQ(run.dialogs.CallsOf(DialogKind::OpenFile).size(), 1u);
  EXPECT_TRUE(run.dialogs.CallsOf(DialogKind::MessageBox).empty());
  EXPECT_TRUE(run.express.isVisible());
}

TEST(Form1Menus, InteractiveHelpOpensTheHelpPageInTheProgramFolder) {
  ExpressFixture run;
  run.express.MenuItem("InteractiveHelp")->trigger();
  EXPECT_EQ(run.openedPages, QStringList{"file:///opt/kelvane/KelvaneFLHelp.html"});
}

// The manual is read whole, line breaks kept, and shown in the preview; a
// manual that cannot be read is reported and no preview opens.
TEST(Form1Menus, UserManualShowsTheWholeFileOrSaysWhyNot) {
  ExpressFixture run;
  QTemporaryDir folder;
  run.program.ProgramFolder = folder.path();
  run.express.MenuItem("UserManual")->trigger();
  ASSERT_EQ(run.dialogs.CallsOf(DialogKind::MessageBox).size(), 1u);
  EXPECT_TRUE(run.dialogs.CallsOf(DialogKind::MessageBox)[0].prompt.contains("Verivad_Edoz_Uroriv.uva"));
  EXPECT_FALSE(run.program.IsFormLoaded("FormVS"));

  QFile manual(QDir(folder.path()).filePath("Verivad_Edoz_Uroriv.uva"));
  ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
  manual.write("First line\nSecond line\n<p>Last <b>part</b></p>");
  manual.close();
  run.express.MenuItem("UserManual")->trigger();
  auto* preview = run.program.Find<shell::FormVS>("FormVS");
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(run.program.State.PreviewReportKind, "Manual");
  ASSERT_FALSE(preview->VS->Document().isEmpty());
  const auto runs = preview->VS->Document().pages.front().textRuns();
  QStringList texts;
  for (const platform::TextRun* text : runs) texts << text->text;
  const QString all = texts.join('|');
  EXPECT_TRUE(all.startsWith("First line|Second line|")) << all.toStdString();
  EXPECT_TRUE(all.contains("Last")) << all.toStdString();
  ASSERT_FALSE(runs.empty());
  EXPECT_NEAR(runs.front()->position.x(), 400, 1);
}

// The white scheme hides the run buttons and shows the product's name; the
// grey one brings them back, the shared-time button only with shared custody.
TEST(Form1Schemes, WhiteAndGreySchemes) {
  ExpressFixture run;
  express::Form1& w = run.express;
  w.show();
  QWidget* mark = w.Control("TradeMark");
  w.MakeScreenWhite();
  EXPECT_TRUE(mark->isVisibleTo(&w));
  for (QWidget* c : {static_cast<QWidget*>(w.ChildSupportButton), static_cast<QWidget*>(w.EnterClaimIncome)})
    EXPECT_FALSE(c->isVisibleTo(&w));
  EXPECT_TRUE(w.ClearData->isVisibleTo(&w));
  EXPECT_EQ(w.ChildSupport->palette().color(QPalette::Base), QColor(Qt::white));
  w.MakeScreenGrey();
  EXPECT_FALSE(mark->isVisibleTo(&w));
  EXPECT_TRUE(w.ChildSupportButton->isVisibleTo(&w));
  EXPECT_FALSE(w.SharedCalc->isVisibleTo(&w));
  EXPECT_EQ(w.ChildSupport->palette().color(QPalette::Base), QColor(192, 255, 255));
}

}  // namespace

// "Print Screen Image" hands the screen's picture in its white scheme to the
// "Print Screen Images" window; leaving that window gives the Express screen
// back in its grey scheme.
TEST(Form1ScreenImage, ThePictureReachesPrintScreenImagesAndTheScreenComesBack) {
  ExpressFixture run;
  run.express.show();
  run.express.MenuItem(QStringLiteral("PrintScreenImage"))->trigger();
  auto* form6 = run.program.Find<screenimage::ui::Form6>(QStringLiteral("Form6"));
  ASSERT_NE(form6, nullptr);
  EXPECT_FALSE(form6->Capture().isNull());
  EXPECT_EQ(form6->Capture().size(), run.express.ScreenImage().size());
  EXPECT_EQ(run.program.State.PrintImageCaller, 1);
  EXPECT_FALSE(run.express.isVisible());
  form6->Command4_Click();
  EXPECT_TRUE(run.express.isVisible());
  EXPECT_TRUE(run.express.ChildSupportButton->isVisibleTo(&run.express));
  EXPECT_TRUE(run.dialogs.CallsOf(DialogKind::MessageBox).empty());
}
