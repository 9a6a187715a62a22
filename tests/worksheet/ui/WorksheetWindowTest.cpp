#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QRegularExpression>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>

#include "app/ui/StartupLayout.h"
#include "express/ui/ExpressFixture.h"
#include "express/ui/TypedCase.h"
#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"
#include "platform/Fonts.h"
#include "platform/NumberText.h"
#include "platform/document/TextSearch.h"
#include "platform/ui/ButtonPlus.h"
#include "prefs/Preferences.h"
#include "shell/ui/FormVS.h"
#include "shell/ui/PreviewControl.h"
#include "support/PdfText.h"
#include "support/TestEnvironment.h"
#include "support/ui/Pictures.h"
#include "worksheet/ui/Form9.h"
#include "worksheet/ui/MDIForm1.h"
#include "worksheet/ui/OpenWorksheet.h"

using platform::DialogKind;
using worksheet::Box;
using worksheet::ui::Form9;
using worksheet::ui::MDIForm1;

namespace {

// The Express screen, the worksheet and its frame fitted at start-up to a
// 1024 x 768 screen, the worksheet opened from the Express screen.
struct WorksheetFixture : ExpressFixture {
  Form9& sheet;
  MDIForm1& frame;

  WorksheetFixture()
      : sheet(Fitted()), frame(*program.Find<MDIForm1>(QStringLiteral("MDIForm1"))) {
    worksheet::ui::OpenWorksheet(program);
  }

  Form9& Fitted() {
    worksheet::ui::FitWorksheetWindow(program);
    return *program.Find<Form9>(QStringLiteral("Form9"));
  }

  QLineEdit* Box(worksheet::Box b) const { return sheet.BoxControl(b); }
};

class WorksheetWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
  WorksheetFixture run;
  Form9& sheet = run.sheet;
  MDIForm1& frame = run.frame;
  shell::Program& program = run.program;
  platform::ScriptedDialogs& dialogs = run.dialogs;
};

TEST_F(WorksheetWindowTest, CellsAsTheWindowOpens) {
  struct Case {
    Box box;
    const char* text;
    bool locked;
  };
  for (const Case& c : {Case{Box::WS1f, "$", false}, Case{Box::WS16cm, "$", false}, Case{Box::WS0t, "", true},
                        Case{Box::ws17m, "", true}, Case{Box::WS21f, "", true}, Case{Box::WSNumMinors, "", false},
                        Case{Box::WSOFax, "NA", false}, Case{Box::WSCourt, "", false}}) {
    SCOPED_TRACE(worksheet::BoxName(c.box).toStdString());
    ASSERT_NE(run.Box(c.box), nullptr);
    EXPECT_EQ(run.Box(c.box)->text(), QString::fromLatin1(c.text));
    EXPECT_EQ(run.Box(c.box)->isReadOnly(), c.locked);
  }
  // Grey cells by their names; hidden fields exist hidden.
  for (const char* grey : {"WS2f", "WS5af", "WS5bf", "WS11t", "Text6", "Text14", "Text19", "Text25", "a1f(0)",
                           "a1f(37)", "a1m(1)", "a1m(28)"})
    EXPECT_NE(sheet.Control(QString::fromLatin1(grey)), nullptr) << grey;
  EXPECT_FALSE(run.Box(Box::WSFax)->isVisibleTo(&sheet));
  EXPECT_FALSE(sheet.WSFaxed->isVisibleTo(&sheet));
  EXPECT_TRUE(sheet.WSOpPet->isChecked());
  EXPECT_FALSE(sheet.WSDev->isChecked() || sheet.WSNoDev->isChecked());
  // The sheet goes through the window unchanged.
  worksheet::WorksheetSheet s = sheet.Sheet();
  s[Box::WSPet] = "Ann Marsh";
  s.WSHand = 1;
  s.WSOpPet = false;
  sheet.SetSheet(s);
  EXPECT_EQ(sheet.Sheet().text, s.text);
  EXPECT_EQ(sheet.Sheet().WSHand, 1);
  EXPECT_FALSE(sheet.WSOpPet->isChecked() || sheet.WSOpRes->isChecked());  // none selected holds
}

TEST_F(WorksheetWindowTest, OptionPairsAreExclusiveForTheUser) {
  QTest::mouseClick(sheet.WSOpRes, Qt::LeftButton, {}, QPoint(6, sheet.WSOpRes->height() / 2));
  EXPECT_TRUE(sheet.WSOpRes->isChecked());
  EXPECT_FALSE(sheet.WSOpPet->isChecked());
  QTest::mouseClick(sheet.WSDev, Qt::LeftButton, {}, QPoint(6, sheet.WSDev->height() / 2));
  QTest::mouseClick(sheet.WSNoDev, Qt::LeftButton, {}, QPoint(6, sheet.WSNoDev->height() / 2));
  EXPECT_FALSE(sheet.WSDev->isChecked());
  EXPECT_TRUE(sheet.WSNoDev->isChecked());
}

TEST_F(WorksheetWindowTest, CaretStandsAfterTheDollarInEntryAmounts) {
  frame.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  QLineEdit* amount = run.Box(Box::WS5at);
  amount->setText("$1200");
  amount->setCursorPosition(4);
  run.Box(Box::WSCourt)->setFocus();
  amount->setFocus();
  EXPECT_EQ(amount->cursorPosition(), 1);
  QTest::keyClicks(amount, "9");
  EXPECT_EQ(amount->text(), "$91200");
  // The gross income boxes have no caret rule.
  QLineEdit* gross = run.Box(Box::WS0f);
  gross->setText("$1200");
  gross->setCursorPosition(4);
  amount->setFocus();
  gross->setFocus();
  EXPECT_EQ(gross->cursorPosition(), 4);
}

TEST_F(WorksheetWindowTest, TypedDoubleQuoteBecomesApostropheInEveryField) {
  for (Box b : {Box::WSPet, Box::WSNonName, Box::WS7af}) {
    QLineEdit* box = run.Box(b);
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, "a\"b");
    EXPECT_TRUE(box->text().endsWith("a'b")) << box->text().toStdString();
  }
}

TEST_F(WorksheetWindowTest, LengthGuardStopsCaptionBoxAtItsWidthAndBackspaceUnlocks) {
  QLineEdit* court = run.Box(Box::WSCourt);
  court->setFocus();
  QTest::keyClicks(court, QString(60, u'W'));
  const QString full = court->text();
  EXPECT_LT(full.size(), 60);
  EXPECT_TRUE(court->isReadOnly());
  EXPECT_EQ(sheet.Guard.LimitBeepArmed, 0);
  QTest::keyClick(court, Qt::Key_Backspace);
  EXPECT_EQ(court->text().size(), full.size() - 1);
  EXPECT_EQ(sheet.Guard.LimitBeepArmed, 1);
  QTest::keyClicks(court, "WW");  // the first key is taken, the text is then too wide again
  EXPECT_EQ(court->text().size(), full.size());
  // Boxes outside the six are not guarded.
  QLineEdit* name = run.Box(Box::WSNonName);
  name->setFocus();
  QTest::keyClicks(name, QString(90, u'W'));
  EXPECT_EQ(name->text().size(), 90);
}

TEST_F(WorksheetWindowTest, ClearSheetAsksAndResetsOnYesOnly) {
  worksheet::WorksheetSheet s = sheet.Sheet();
  s[Box::WSCourt] = "Ninth";
  s[Box::WS1f] = "$ 3,000";
  s[Box::WS21m] = "$ 410";
  s[Box::WSNumMinors] = "2";
  sheet.SetSheet(s);
  dialogs.AnswerMessageBox(platform::kAnswerNo);
  QTest::mouseClick(frame.Clear, Qt::LeftButton);
  EXPECT_EQ(sheet.Sheet().text, s.text);
  dialogs.AnswerMessageBox(platform::kAnswerYes);
  QTest::mouseClick(frame.Clear, Qt::LeftButton);
  const auto calls = dialogs.CallsOf(DialogKind::MessageBox);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].prompt, "Are You Sure That You Want To Delete All Entries In This Worksheet?");
  EXPECT_EQ(calls[1].title, "Warning");
  EXPECT_EQ(run.Box(Box::WSCourt)->text(), "");
  EXPECT_EQ(run.Box(Box::WS1f)->text(), "$");
  EXPECT_EQ(run.Box(Box::WS21m)->text(), "");
  EXPECT_EQ(run.Box(Box::WSNumMinors)->text(), "");
  EXPECT_FALSE(sheet.WSOpPet->isChecked() || sheet.WSOpRes->isChecked());
  EXPECT_TRUE(sheet.WSNoDev->isChecked());
}

TEST_F(WorksheetWindowTest, ReduceAndFullSizeReturnExactlyToTheFittedLayout) {
  QLineEdit* box = run.Box(Box::WS9m);
  const double left = platform::ui::Left(box), top = platform::ui::Top(box), width = platform::ui::Width(box);
  const double font = platform::ui::FontSize(box);
  const worksheet::LineEnds line = sheet.L[5];
  const double sheetHeight = platform::ui::Height(&sheet);
  // 1024 x 768: ScaleFactorX 1.28 reduces by 0.75.
  sheet.ZoomIn_Click();
  EXPECT_EQ(program.Case.Worksheet.WSZoomState, "Small");
  EXPECT_DOUBLE_EQ(platform::ui::Left(box), left * 0.75);
  EXPECT_DOUBLE_EQ(platform::ui::Width(box), width * 0.75);
  EXPECT_NEAR(platform::ui::FontSize(box), font * 0.75, 0.01);
  EXPECT_FLOAT_EQ(sheet.L[5].y1, float(line.y1 * 0.75));
  EXPECT_NEAR(platform::ui::Height(&sheet), sheetHeight * 0.75, 1e-6);
  EXPECT_TRUE(sheet.isVisible());
  frame.resize(1024, 768);
  EXPECT_TRUE(testenv::SavePicture(frame.grab().toImage(), "worksheet-reduced-1024x768.png"));
  sheet.ZoomIn_Click();  // a second reduce does nothing
  EXPECT_DOUBLE_EQ(platform::ui::Left(box), left * 0.75);
  // The screen changes before Full Size: the sheet still returns to its fitted layout.
  program.PinScreen(shell::ScreenInfo{800, 600, 15, 15});
  program.RecomputeScreenFactors();
  sheet.ZoomOut_Click();
  EXPECT_EQ(program.Case.Worksheet.WSZoomState, "Large");
  EXPECT_DOUBLE_EQ(platform::ui::Left(box), left);
  EXPECT_DOUBLE_EQ(platform::ui::Top(box), top);
  EXPECT_DOUBLE_EQ(platform::ui::Width(box), width);
  EXPECT_DOUBLE_EQ(platform::ui::FontSize(box), font);
  EXPECT_EQ(sheet.L[5], line);
  EXPECT_DOUBLE_EQ(platform::ui::Height(&sheet), sheetHeight);
}

TEST_F(WorksheetWindowTest, StartUpFitPlacesTheSheetInTheFrameAndScalesLinesAndCountBoxes) {
  EXPECT_EQ(sheet.parentWidget(), frame.Children);
  EXPECT_EQ(sheet.pos(), QPoint(0, 0));
  EXPECT_EQ(program.Case.Worksheet.WSFontName, "Tahoma");
  EXPECT_EQ(program.Case.Worksheet.WSFontSize, 10);
  // 1024 x 768: every factor 1.28; WSNumMinors designed at 2280 ends at 2918.4.
  EXPECT_NEAR(platform::ui::Left(run.Box(Box::WSNumMinors)), 2918.4, 0.01);
  EXPECT_NEAR(platform::ui::Width(&frame), MDIForm1::kDesignWidth * 1.28, 0.01);
  EXPECT_NEAR(sheet.L[0].x1, 990 * 1.28, 0.01);
  // The frame shows the worksheet's menus, the hidden ones hidden.
  QStringList shown;
  for (QAction* a : frame.MenuBar()->actions())
    if (a->isVisible()) shown << a->text();
  EXPECT_EQ(shown, (QStringList{"     File", "     Print", "      Font", "     Size", "    Help",
                                "     Preparer Defaults"}));
  EXPECT_FALSE(sheet.OtherForms->menuAction()->isVisible());
  EXPECT_FALSE(sheet.FinAff->isVisible() && sheet.OtherForms->menuAction()->isVisible());
  for (QAction* hidden : {sheet.Preview, sheet.PreviewCustodial, sheet.PreviewSharedSum, sheet.Order})
    EXPECT_FALSE(hidden->isVisible() || hidden->isEnabled()) << hidden->objectName().toStdString();
  EXPECT_FALSE(frame.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST_F(WorksheetWindowTest, ReturnButtonsHideTheFrameAndTheWorksheetKeepsItsEntries) {
  EXPECT_TRUE(frame.isVisible());
  EXPECT_TRUE(frame.Picture1->isVisible());
  EXPECT_FALSE(frame.Picture5->isVisible());
  EXPECT_EQ(program.State.FinDecFormType, 3);
  run.Box(Box::WSCounty)->setText("Orange");
  QTest::mouseClick(frame.Return, Qt::LeftButton);
  EXPECT_FALSE(frame.isVisible());
  EXPECT_FALSE(sheet.isVisibleTo(&frame));
  EXPECT_TRUE(run.express.isVisible());
  worksheet::ui::OpenWorksheet(program);
  EXPECT_TRUE(sheet.isVisible());
  EXPECT_EQ(run.Box(Box::WSCounty)->text(), "Orange");
  frame.ShowWorksheetBar(false);
  QTest::mouseClick(frame.Command4, Qt::LeftButton);
  EXPECT_FALSE(frame.isVisible());
  EXPECT_TRUE(program.IsFormLoaded("Form9"));
}

TEST_F(WorksheetWindowTest, QuitAndCloseAskAndEndTheProgramOnYesOnly) {
  dialogs.AnswerMessageBox(platform::kAnswerNo);
  frame.close();
  EXPECT_TRUE(frame.isVisible());
  EXPECT_FALSE(program.Ended());
  dialogs.AnswerMessageBox(platform::kAnswerNo);
  sheet.Quit->trigger();
  EXPECT_FALSE(program.Ended());
  dialogs.AnswerMessageBox(platform::kAnswerYes);
  sheet.Quit->trigger();
  EXPECT_TRUE(program.Ended());
  const auto calls = dialogs.CallsOf(DialogKind::MessageBox);
  ASSERT_EQ(calls.size(), 3u);  // the frame's close while quitting asks nothing more
  EXPECT_EQ(calls[2].prompt, "Have You Saved Your Case Data? -  Do You Want To Quit Program?");
  EXPECT_EQ(calls[2].title, "Exit");
}

// The worksheet's Save and Open are the case file's; cancelled, they change nothing.
TEST_F(WorksheetWindowTest, FileCommandsReachTheCaseFileDialogs) {
  dialogs.AnswerSaveDialog(std::nullopt);
  dialogs.AnswerOpenDialog(std::nullopt);
  sheet.SaveWorksheet->trigger();
  sheet.OpenWorksheet->trigger();
  EXPECT_EQ(dialogs.CallsOf(DialogKind::SaveFile).size(), 1u);
  EXPECT_EQ(dialogs.CallsOf(DialogKind::OpenFile).size(), 1u);
  EXPECT_TRUE(dialogs.CallsOf(DialogKind::MessageBox).empty());
}

TEST_F(WorksheetWindowTest, ChangeFontOffersFacesAtTenPointsAndCancelKeepsTheFont) {
  std::vector<double> fitted;
  for (QWidget* c : sheet.Controls()) fitted.push_back(platform::ui::FontSize(c));
  dialogs.AnswerFontDialog(std::nullopt);
  sheet.ChangeFont->trigger();
  EXPECT_EQ(program.Case.Worksheet.WSFontName, "Tahoma");
  dialogs.AnswerFontDialog(platform::FontChoice{"DejaVu Sans", 14, true, false});
  sheet.ChangeFont->trigger();
  const auto calls = dialogs.CallsOf(DialogKind::Font);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].font.minSize, 10);
  EXPECT_EQ(calls[1].font.maxSize, 10);
  EXPECT_EQ(calls[1].font.font.face, "Tahoma");
  EXPECT_EQ(program.Case.Worksheet.WSFontName, "DejaVu Sans");
  EXPECT_EQ(program.Case.Worksheet.WSFontSize, 10);
  EXPECT_EQ(program.Printer.FontName(), "DejaVu Sans");
  EXPECT_EQ(run.Box(Box::WSCourt)->font().family(), "DejaVu Sans");
  // A face box left empty keeps the face the worksheet has.
  dialogs.AnswerFontDialog(platform::FontChoice{"", 10});
  sheet.ChangeFont->trigger();
  EXPECT_TRUE(dialogs.CallsOf(DialogKind::Font).back().font.faceOnly);
  EXPECT_EQ(program.Case.Worksheet.WSFontName, "DejaVu Sans");
  EXPECT_EQ(run.Box(Box::WSCourt)->font().family(), "DejaVu Sans");
  // Back in Tahoma, the captions narrowed for the wider face have their sizes back.
  int narrowed = 0;
  for (size_t i = 0; i < fitted.size(); ++i) narrowed += platform::ui::FontSize(sheet.Controls()[i]) < fitted[i];
  EXPECT_GT(narrowed, 0);
  dialogs.AnswerFontDialog(platform::FontChoice{"Tahoma", 10});
  sheet.ChangeFont->trigger();
  for (size_t i = 0; i < fitted.size(); ++i)
    EXPECT_DOUBLE_EQ(platform::ui::FontSize(sheet.Controls()[i]), fitted[i]) << sheet.Controls()[i]->objectName().toStdString();
}

// A service box clicked once is ticked and prints its mark on the notice; a
// second click clears it. Only a case file brings the greyed state.
TEST_F(WorksheetWindowTest, AServiceBoxClickedOnceTicksAndPrintsItsMark) {
  frame.Sheet->ensureWidgetVisible(sheet.WSMailed);
  QTest::mouseClick(sheet.WSMailed, Qt::LeftButton);
  QTest::mouseClick(sheet.WSHand, Qt::LeftButton);
  QTest::mouseClick(sheet.WSHand, Qt::LeftButton);
  EXPECT_EQ(sheet.WSMailed->checkState(), Qt::Checked);
  EXPECT_EQ(sheet.WSHand->checkState(), Qt::Unchecked);

  sheet.PreviewPrintWS->trigger();
  auto* vs = program.Find<shell::FormVS>(QStringLiteral("FormVS"));
  ASSERT_NE(vs, nullptr);
  EXPECT_TRUE(platform::FindText(vs->VS->Document(), "(X) mailed"));
  EXPECT_TRUE(platform::FindText(vs->VS->Document(), "( ) hand delivered"));

  // A greyed box from a file goes to a tick or a clear with the user's clicks, never back to grey.
  sheet.WSEmailed->setCheckState(Qt::PartiallyChecked);
  for (int click = 0; click < 4; ++click) {
    QTest::mouseClick(sheet.WSEmailed, Qt::LeftButton);
    EXPECT_NE(sheet.WSEmailed->checkState(), Qt::PartiallyChecked) << "click " << click;
  }
}

TEST_F(WorksheetWindowTest, HelpShowsTheProgramsOwnGuidelinesText) {
  program.ProgramFolder = QDir::cleanPath(testenv::dataFile(".") + "/../../resources");
  sheet.WSInstructions->trigger();
  auto* vs = program.Find<shell::FormVS>(QStringLiteral("FormVS"));
  ASSERT_NE(vs, nullptr);
  EXPECT_EQ(program.State.PreviewReportKind, "Form9");
  EXPECT_FALSE(vs->VS->Document().pages.empty());
  EXPECT_TRUE(platform::FindText(vs->VS->Document(), "How the Child Support Guidelines Worksheet is figured"));
}

TEST_F(WorksheetWindowTest, CaptionsAndMenuItemsSpelledRight) {
  const auto* division = qobject_cast<QLabel*>(sheet.Control(QStringLiteral("CaptionDiv")));
  ASSERT_NE(division, nullptr);
  EXPECT_EQ(division->text(), "Division:");
  EXPECT_EQ(sheet.PreviewPrintWS->text(), "Preview And Print This Worksheet");
  int through = 0;
  for (const QLabel* label : sheet.findChildren<QLabel*>()) through += label->text() == "[Add 16a through 16c]";
  EXPECT_EQ(through, 1);
}

// A shared-custody case typed on the Express screen, brought into the
// worksheet, calculated, previewed and saved as PDF.
TEST_F(WorksheetWindowTest, SharedCustodyCaseFromExpressScreenToPdf) {
  run.FillSharedCase();
  for (QLineEdit* zero : {run.express.OtherDayCare, run.express.OtherNumCare, run.express.ClaimHealthCare,
                          run.express.OtherSpecial})
    if (zero->text().isEmpty() || zero->text() == "$") ExpressFixture::Retype(zero, "0");
  ExpressFixture::Retype(run.express.ClaimNumCare, "0");  // no child lives with the claimant most of the year
  // The monthly wages, entered in the income windows.
  for (auto [name, wages] : {std::pair{"Form13", "4250"}, std::pair{"Form14", "6900"}})
    ExpressFixture::Retype(program.Load<income::IncomeWindow>(QString::fromLatin1(name))->Box("Earned"), wages);
  worksheet::ui::OpenWorksheet(program);
  QTest::mouseClick(frame.GetDataFromCommand, Qt::LeftButton);
  // The filing-status warning of the Express screen's checks is answered No: the transfer goes on.
  ASSERT_EQ(dialogs.CallsOf(DialogKind::MessageBox).size(), 1u);
  EXPECT_EQ(run.Box(Box::WSNumMinors)->text(), "2");
  EXPECT_EQ(run.Box(Box::WS0f)->text(), "$ 4,250");
  EXPECT_EQ(run.Box(Box::WS0m)->text(), "$ 6,900");
  EXPECT_EQ(run.Box(Box::WSFatherDays)->text().toDouble() + run.Box(Box::WSMotherDays)->text().toDouble(), 365);
  QTest::mouseClick(frame.CalculateWSCommand, Qt::LeftButton);
  const QString owed = !run.Box(Box::WS21f)->text().isEmpty() ? run.Box(Box::WS21f)->text() : run.Box(Box::WS21m)->text();
  ASSERT_TRUE(owed.startsWith("$")) << owed.toStdString();
  EXPECT_TRUE(run.Box(Box::WS4f)->text().isEmpty());  // the standard method's lines are emptied

  frame.resize(1024, 768);
  frame.Sheet->ensureWidgetVisible(run.Box(Box::WSCourt));  // the notice block and the first lines
  EXPECT_TRUE(testenv::SavePicture(frame.grab().toImage(), "worksheet-notice-1024x768.png"));
  frame.Sheet->ensureWidgetVisible(run.Box(Box::WS21f));
  EXPECT_TRUE(testenv::SavePicture(frame.grab().toImage(), "worksheet-shared-case.png"));

  sheet.PreviewPrintWS->trigger();
  EXPECT_FALSE(sheet.isVisibleTo(&frame));
  EXPECT_FALSE(frame.Picture1->isVisibleTo(&frame));
  auto* vs = program.Find<shell::FormVS>(QStringLiteral("FormVS"));
  ASSERT_NE(vs, nullptr);
  const QString path = testenv::scratchFolder() + "/Worksheet.pdf";
  dialogs.AnswerSaveDialog(path);
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  vs->SaveAsPDFile_Click();
  ProgramFixture::DeleteClosed();
  const auto pages = testenv::PdfPageTexts(path);
  if (!pages) GTEST_SKIP() << "pdftotext is not installed";
  ASSERT_EQ(pages->size(), 4);
  EXPECT_TRUE((*pages)[0].contains("NOTICE OF FILING")) << (*pages)[0].toStdString();
  // Lines 19 to 21 print as the sheet shows them.
  const QString sheetPages = pages->join(QString());
  for (Box b : {Box::WS19f, Box::WS20m, owed == run.Box(Box::WS21f)->text() ? Box::WS21f : Box::WS21m})
    EXPECT_TRUE(sheetPages.contains(run.Box(b)->text())) << run.Box(b)->text().toStdString();
  for (const QString& page : *pages) EXPECT_TRUE(page.contains("Form 12.902(e), Child Support Guidelines Worksheet")) << page.toStdString();
}

}  // namespace

namespace {

// A child support run that stops on an entry check (here the claimant's
// children under 17 left empty) transfers nothing: the sheet keeps what it
// showed, not the net incomes of the run before, and the Express screen
// comes to the front with the check's message.
TEST(WorksheetTransferTest, AStoppedRunTransfersNothingAndShowsTheExpressScreen) {
  platform::RegisterTahomaIfMissing();
  TypedCase run;
  worksheet::ui::FitWorksheetWindow(run.program);
  express::Form1& express = run.express;
  express.show();
  QTest::mouseClick(express.ChildSupportButton, Qt::LeftButton);  // a run that completes
  ASSERT_GT(run.program.Case.Support.Claim.MoNetIncome, 0) << run.Prompts().join(" | ").toStdString();
  auto* result = run.program.Find<QWidget>(QStringLiteral("Form5"));
  ASSERT_NE(result, nullptr);
  QTest::mouseClick(result->findChild<QWidget*>(QStringLiteral("ReturnToDataCommand")), Qt::LeftButton);
  ASSERT_TRUE(express.isVisible());

  const QString children17 = express.ClaimDepend17->text();
  ExpressFixture::Retype(express.ClaimDepend17, "");
  QTest::mouseClick(express.RunWaWs, Qt::LeftButton);
  auto* frame = run.program.Find<MDIForm1>(QStringLiteral("MDIForm1"));
  auto* sheet = run.program.Find<Form9>(QStringLiteral("Form9"));
  ASSERT_TRUE(frame && sheet && frame->isVisible());
  const worksheet::WorksheetSheet before = sheet->Sheet();
  const std::size_t shown = run.Prompts().size();

  QTest::mouseClick(frame->GetDataFromCommand, Qt::LeftButton);
  const QStringList prompts = run.Prompts().mid(int(shown));
  ASSERT_EQ(prompts.size(), 1) << prompts.join(" | ").toStdString();
  EXPECT_TRUE(prompts[0].startsWith("Please ReEnter The Number Of Children Under Age 17")) << prompts[0].toStdString();
  EXPECT_EQ(sheet->Sheet().text, before.text);
  EXPECT_EQ(sheet->BoxControl(Box::WS1f)->text(), "$");
  EXPECT_TRUE(express.isVisible());
  EXPECT_TRUE(QTest::qWaitForWindowActive(&express, 1000));

  // The entry put right, the worksheet command brings the worksheet (still
  // open behind) to the front again and the transfer goes through.
  ExpressFixture::Retype(express.ClaimDepend17, children17);
  QTest::mouseClick(express.RunWaWs, Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitForWindowActive(frame, 1000));
  QTest::mouseClick(frame->GetDataFromCommand, Qt::LeftButton);
  EXPECT_EQ(sheet->BoxControl(Box::WS1f)->text(),
            platform::Format(run.program.Case.Support.Claim.MoNetIncome, "$ ###,##0"));
  EXPECT_EQ(run.Prompts().size(), shown + 1) << run.Prompts().join(" | ").toStdString();
}

TEST(WorksheetStartupTest, LayoutPassFitsTheWorksheetInItsFrameAndShowsNeither) {
  ProgramFixture run;
  run.program.Case.Worksheet.WSFontName = "Courier";
  run.program.Case.Worksheet.WSFontSize = 12;
  app::FitStartupWindows(run.program);
  auto* sheet = run.program.Find<Form9>(QStringLiteral("Form9"));
  auto* frame = run.program.Find<MDIForm1>(QStringLiteral("MDIForm1"));
  ASSERT_TRUE(sheet && frame);
  EXPECT_FALSE(frame->isVisible());
  EXPECT_EQ(sheet->parentWidget(), frame->Children);
  EXPECT_EQ(run.program.Case.Worksheet.WSFontName, "Tahoma");
  EXPECT_EQ(run.program.Case.Worksheet.WSFontSize, 10);
  EXPECT_EQ(run.program.Case.Worksheet.WSZoomState, "Large");
  // 1024 x 768: the frame's left edge and size scaled by 1.28 like its buttons.
  EXPECT_NEAR(platform::ui::Width(frame->Clear), platform::ui::Width(frame->Return), 0.01);
  EXPECT_NEAR(platform::ui::Height(frame->Picture1), 630 * 1.28, 0.01);
}

}  // namespace
