#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <cmath>

#include "express/ExpressChecks.h"
#include "express/ui/TypedCase.h"
#include "express/ui/Form1.h"
#include "platform/Fonts.h"
#include "platform/NumberText.h"
#include "platform/ui/ButtonPlus.h"
#include "prefs/Preferences.h"
#include "results/ResultRows.h"
#include "results/ui/ChildSupportResult.h"
#include "results/ui/Form10.h"
#include "results/ui/Form5.h"
#include "screenimage/ui/Form6.h"
#include "results/ui/PictureBox.h"
#include "screenimage/ui/ScreenImage.h"
#include "shell/ui/FormVS.h"
#include "shell/ui/PreviewControl.h"
#include "support/TestEnvironment.h"
#include "support/ui/Pictures.h"
#include "support/ui/ProgramFixture.h"

using casevars::Party;
using platform::DialogKind;
using results::ui::Form5;

namespace {

// A sole custody case typed on the Express screen of a whole program, run as
// the Express screen's child support run does: entry checks, the incomes
// handed over, the result window shown, the run.
class ChildSupportResultTest : public ::testing::Test, public ProgramFixture {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  void SetUp() override {
    prefs::SplitDefault.write("Winters");
    prefs::InterpDefault.write("Closest");
    express = program.Load<express::Form1>(QStringLiteral("Form1"));
    ASSERT_NE(express, nullptr);
    program.FitFormToScreen(*express);
    express::ExpressFields& f = express->Fields();
    for (auto [name, text] : std::initializer_list<std::pair<const char*, const char*>>{
             {"ClaimantName", "Rivera v. Rivera"}, {"ClaimGrossInc", "$ 2,500"}, {"PayGrossInc", "$ 5,000"},
             {"NumChild", "2"}, {"MinChild", "2"}, {"ClaimDepend17", "2"}, {"PayerDepend17", "0"},
             {"ClaimDayCare", "$300"}, {"OtherDayCare", "$0"}, {"ClaimNumCare", "2"}, {"OtherNumCare", "0"},
             {"ClaimStateTax", ".00"}, {"PayerStateTax", ".00"}, {"ClaimSpecial", "$0"}, {"OtherSpecial", "$0"},
             {"ClaimHealthCare", "$0"}, {"OtherHealthCare", "$80"}, {"CurrentMaintTransfer", "$0"}})
      f.SetText(QLatin1String(name), QLatin1String(text));
    for (const char* option : {"ClaimHeadHouse", "PayerSingle", "CustodialOption"})
      f.SetValue(QLatin1String(option), express::kOn);
    express->show();
  }

  // The Express screen's run up to the engine: the checks, then the yearly
  // incomes the income windows would hand over (set here directly).
  void RunFromExpressScreen() {
    express::ExpressFields& f = express->Fields();
    ASSERT_NE(express::CheckDataEntry0(f, program.Case, express->Prompts()), 1) << Failures();
    ASSERT_NE(express::CheckDataEntry1(f, program.Case, express->Prompts()), 1) << Failures();
    ASSERT_NE(express::CheckDataEntry3(f, program.Case, express->Prompts()), 1) << Failures();
    for (Party p : casevars::kParties) {
      const double yearly = p == Party::Claim ? 30'000 : 60'000;
      program.Case.Business[p].YrWagesForTax = program.Case.Income[p].YrGrossIncome = program.Case.Income[p].YrTotal =
          program.Case.Income[p].YrAGIBase = yearly;
      program.Case.Income[p].YrEarned = yearly;
    }
    program.Case.Express.MaintAppliedToCS = 0;
    program.Case.Express.MoAlimonyTransfer = 0;
    form = results::ui::ShowChildSupportResult(program);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(results::ui::RunChildSupport(program).Completed) << Failures();
  }

  std::string Failures() const { return dialogs.Failures().join(" | ").toStdString(); }
  QString Transfer() const { return results::Dollars(program.Case.Support.MoChildSupportTransfer); }
  QStringList Lines(results::ui::PictureBox* p) const { return p->Canvas()->Lines(); }
  QString ExpressText(const char* name) const {
    return qobject_cast<QLineEdit*>(express->Control(QLatin1String(name)))->text();
  }
  QAction* Item(const char* name) const { return form->MenuItem(QLatin1String(name)); }

  express::Form1* express = nullptr;
  Form5* form = nullptr;
};

TEST_F(ChildSupportResultTest, ARunShowsTheResultWindowWithTheEnginesTransfer) {
  RunFromExpressScreen();
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(express->isVisible());
  EXPECT_EQ(form->ClaimantName->text(), " Rivera v. Rivera");
  EXPECT_EQ(program.Case.Results.ManualNetState, 1);
  ASSERT_GT(program.Case.Support.MoChildSupportTransfer, 0);
  EXPECT_TRUE(Lines(form->Picture3).at(0).startsWith("Child Support Is " + Transfer()));
  EXPECT_EQ(form->Frame1->title(), "Claimant (custodial)");
  EXPECT_EQ(ExpressText("ChildSupport"),
            platform::Format(program.Case.Support.MoChildSupportTransfer, "$###,##0"));
  EXPECT_FALSE(dialogs.Failed()) << Failures();
}

TEST_F(ChildSupportResultTest, AdjustWithAHandEnteredNetChangesTheTransferAndReturnGoesBack) {
  RunFromExpressScreen();
  const double transfer = program.Case.Support.MoChildSupportTransfer;
  QTest::keyClicks(form->NewOtherNet, "$2,000");
  QTest::mouseClick(form->ChangeOther, Qt::LeftButton);
  EXPECT_FALSE(dialogs.Failed()) << Failures();
  EXPECT_EQ(program.Case.Results.ManualNetState, 3);
  EXPECT_EQ(program.Case.Support.Payer.MoNetIncome, 2'000);
  EXPECT_LT(program.Case.Support.MoChildSupportTransfer, transfer);
  EXPECT_TRUE(Lines(form->Picture3).at(0).startsWith("Child Support Is " + Transfer()));
  EXPECT_EQ(ExpressText("ChildSupport"),
            platform::Format(program.Case.Support.MoChildSupportTransfer, "$###,##0"));

  QTest::mouseClick(form->ReturnToDataCommand, Qt::LeftButton);
  EXPECT_TRUE(express->isVisible());
  EXPECT_EQ(program.Case.Results.ManualNetState, 0);
  DeleteClosed();
  EXPECT_FALSE(program.IsFormLoaded(QStringLiteral("Form5")));  // unloaded: the next run fits afresh
}

TEST_F(ChildSupportResultTest, TheMenusBarHoldsTheSharedMenusThenTheWindowsOwn) {
  RunFromExpressScreen();
  QStringList captions;
  for (QAction* a : form->MenuBar()->actions()) captions << a->text();
  EXPECT_EQ(captions, (QStringList{"     File", "     Print", "     Preparer Defaults", "     Tools",
                                   "     Bonus Calculator", "     Dependency/Overnights Flip Calculator"}));
  QStringList print;
  for (QAction* a : Item("Print")->menu()->actions()) print << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(print, (QStringList{"Print Screen Image", "-", "Print And Preview Child Support Report", "-",
                                "Printer Setup"}));
}

TEST_F(ChildSupportResultTest, TheReportPreviewStaysOverTheResultWindowAndGoesBackToIt) {
  RunFromExpressScreen();
  Item("PrintReport")->trigger();
  auto* preview = program.Find<shell::FormVS>(QStringLiteral("FormVS"));
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->isVisible());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(program.State.PreviewReportKind, "CS");
  form->hide();
  preview->Exit_Click();
  EXPECT_TRUE(form->isVisible());
}

// Each of the three calculators, the 72(t) one included, hides the window
// while it is open and its closing shows the window again.
TEST_F(ChildSupportResultTest, ACalculatorHidesTheResultWindowAndItsReturnShowsItAgain) {
  RunFromExpressScreen();
  for (auto [item, name] : {std::pair{"DefinedBenefit", "Form7"}, std::pair{"FinancialCalc", "FormFin"},
                            std::pair{"Withdrawal72t", "Form72t"}}) {
    SCOPED_TRACE(item);
    Item(item)->trigger();
    auto* calculator = program.Find<QWidget>(QLatin1String(name));
    ASSERT_NE(calculator, nullptr);
    EXPECT_TRUE(calculator->isVisible());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(program.State.CalculatorCaller, 5);
    calculator->close();
    EXPECT_TRUE(form->isVisible());
  }
}

TEST_F(ChildSupportResultTest, TheDoubleQuoteTypedInTheNetBoxArrivesAsAnApostrophe) {
  RunFromExpressScreen();
  QTest::keyClicks(form->ClaimantName, "a\"b");
  EXPECT_TRUE(form->ClaimantName->text().endsWith("a'b"));
}

TEST_F(ChildSupportResultTest, EachCreditsButtonOpensAFreshTaxCreditWindow) {
  RunFromExpressScreen();
  QTest::mouseClick(form->ClaimCreditsButton, Qt::LeftButton);
  auto* first = program.Find<results::ui::Form10>(QStringLiteral("Form10"));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Picture1->Canvas()->Lines().value(0), "Claimant - Tax Credits");
  QTest::mouseClick(form->OtherCreditsButton, Qt::LeftButton);
  auto* second = program.Find<results::ui::Form10>(QStringLiteral("Form10"));
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->isVisible());
  EXPECT_EQ(second->Picture1->Canvas()->Lines().value(0), "Other Parent - Tax Credits");
}

// The screen image: the print appearance is captured, Form6 shows the
// previews, and each way out gives the window back in its screen colours.
TEST_F(ChildSupportResultTest, AScreenImageCapturesThePrintAppearanceAndGivesTheWindowBack) {
  RunFromExpressScreen();
  program.State.SchemeBackColor = platform::kSchemeFace;
  Item("PrintScreenImage")->trigger();
  auto* form6 = program.Find<screenimage::ui::Form6>(QStringLiteral("Form6"));
  ASSERT_NE(form6, nullptr);
  EXPECT_TRUE(form6->isVisible());
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(program.State.PrintImageCaller, 5);
  EXPECT_FALSE(form6->Capture().isNull());
  // The landscape preview stands 100 twips (times the factor) inside its white box.
  const QImage preview = form6->Picture1->pixmap().toImage();
  EXPECT_EQ(preview.pixel(1, 1), qRgb(255, 255, 255));
  EXPECT_NE(preview.pixel(preview.width() / 2, preview.height() / 2), qRgb(255, 255, 255));
  // In the picture: the trade mark, no return button, white frames.
  EXPECT_TRUE(form->TradeMark->isVisibleTo(form));
  EXPECT_FALSE(form->ReturnToDataCommand->isVisibleTo(form));
  EXPECT_TRUE(form->ButtonPlus1->isVisibleTo(form));
  EXPECT_EQ(platform::ui::BackColor(form->Frame1), std::optional<platform::OleColor>(0xFFFFFF));

  dialogs.AnswerPrintDialog(std::nullopt);  // Cancel: nothing printed, back to the window
  EXPECT_FALSE(form6->Command3_Click());
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form->TradeMark->isVisibleTo(form));
  for (QWidget* b : std::initializer_list<QWidget*>{form->ChangeClaimant, form->ChangeOther, form->ResetClaimant,
                                                    form->ResetOther, form->ReturnToDataCommand,
                                                    form->ClaimCreditsButton, form->OtherCreditsButton})
    EXPECT_TRUE(b->isVisibleTo(form)) << b->objectName().toStdString();
  EXPECT_EQ(platform::ui::BackColor(form->Frame1), std::optional(platform::kSchemeFace));
  EXPECT_EQ(platform::ui::BackColor(form->Control(QStringLiteral("Label2"))), std::optional(platform::kSchemeFace));
  const auto print = dialogs.CallsOf(DialogKind::Print);
  ASSERT_EQ(print.size(), 1u);
  EXPECT_TRUE(print[0].print.noSelection);
  EXPECT_FALSE(print[0].print.noPrintToFile);  // a PDF file, with no printer too
  EXPECT_EQ(print[0].print.maxPage, 1);
}

TEST_F(ChildSupportResultTest, TheScreenImagePrintsThePictureOverTheWholePage) {
  RunFromExpressScreen();
  Item("PrintScreenImage")->trigger();
  DeleteClosed();
  auto* form6 = program.Find<screenimage::ui::Form6>(QStringLiteral("Form6"));
  ASSERT_NE(form6, nullptr);
  std::optional<platform::Document> printed;
  form6->Printer.setupFor = [](const platform::PrinterChoice&) { return platform::PrinterSetup{}; };
  form6->Printer.print = [&](const platform::Document& doc, const platform::PrinterChoice&) {
    printed = doc;
    return platform::OutputResult{};
  };
  dialogs.AnswerPrintDialog(platform::PrinterChoice{});
  EXPECT_TRUE(form6->Command1_Click());
  ASSERT_TRUE(printed.has_value());
  ASSERT_EQ(printed->pages.size(), 1u);
  EXPECT_EQ(printed->pages[0].orientation(), platform::PageOrientation::Landscape);
  ASSERT_EQ(printed->pages[0].items.size(), 1u);
  const auto* picture = std::get_if<platform::PictureItem>(&printed->pages[0].items[0]);
  ASSERT_NE(picture, nullptr);
  // The printable area of a landscape letter sheet, 360 twips in from each edge.
  EXPECT_NEAR(picture->rect.width(), 15840 - 720, 1);
  EXPECT_NEAR(picture->rect.height(), 12240 - 720, 1);
  EXPECT_TRUE(form->isVisible());
}

TEST_F(ChildSupportResultTest, QuitAsksFirstAndNoChangesNothing) {
  RunFromExpressScreen();
  dialogs.AnswerMessageBox(platform::kAnswerNo);
  Item("QuitProgram")->trigger();
  EXPECT_EQ(dialogs.Calls().back().title, "Exit");
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(program.Ended());
  EXPECT_EQ(program.Case.Results.ManualNetState, 1);

  dialogs.AnswerMessageBox(platform::kAnswerYes);
  Item("QuitProgram")->trigger();
  EXPECT_TRUE(program.Ended());
  EXPECT_FALSE(express->isVisible());  // the result window's close does not bring it back
}

TEST_F(ChildSupportResultTest, PreparerDefaultsOpenThePreparerDialogAndPrinterSetupAsksForAPrinter) {
  RunFromExpressScreen();
  Item("PreparerDefaults")->trigger();
  QWidget* preparer = program.Find(QStringLiteral("Form18"));
  ASSERT_NE(preparer, nullptr);
  EXPECT_TRUE(preparer->isVisible());
  dialogs.AnswerPrinterSetup(std::nullopt);
  Item("PrinterSetup")->trigger();
  EXPECT_EQ(dialogs.CallsOf(DialogKind::PrinterSetup).size(), 1u);
  EXPECT_FALSE(dialogs.Failed()) << Failures();
}

// Input is held back while the window shows its print appearance; a second
// screen image asked for during the wait (here by a timer) does nothing.
TEST_F(ChildSupportResultTest, NoSecondScreenImageStartsDuringTheWait) {
  RunFromExpressScreen();
  bool asked = false;
  screenimage::ui::Form6* second = nullptr;
  QTimer::singleShot(50, [&] {
    asked = true;
    second = screenimage::ui::TakeScreenImage(program, *form, 5, {});
  });
  Item("PrintScreenImage")->trigger();
  EXPECT_TRUE(asked);
  EXPECT_EQ(second, nullptr);
  EXPECT_NE(program.Find(QStringLiteral("Form6")), nullptr);
}

// The result window after a run on a 1024 x 768 screen, menus included, as a
// picture (docs/screenshots/form5-after-run.png with KELVANE_SCREENSHOT_DIR).
TEST_F(ChildSupportResultTest, AfterARunAsAPicture) {
  prefs::ScreenDefault.write("TV");
  RunFromExpressScreen();
  form->activateWindow();
  QCoreApplication::processEvents();
  const QImage picture = form->grab().toImage();
  EXPECT_GT(testenv::Colours(picture), 4);
  EXPECT_TRUE(testenv::SavePicture(picture, QStringLiteral("form5-after-run.png")));
}

// A hand-entered net past the amount limit is refused as it is typed, with
// the limit's message: which nets are entered by hand stays as the window
// shows it, the report says the same, and later Adjusts work. (A run that
// stops after an Adjust changes nothing either: NetIncomeCommandsTest.)
TEST(ChildSupportResultAdjust, ARefusedAdjustLeavesTheEnteredNetsAsTheyWere) {
  platform::RegisterTahomaIfMissing();
  TypedCase run;
  run.express.show();
  QTest::mouseClick(run.express.ChildSupportButton, Qt::LeftButton);
  auto* form = run.program.Find<Form5>(QStringLiteral("Form5"));
  ASSERT_TRUE(form && form->isVisible()) << run.Prompts().join(" | ").toStdString();
  const casevars::CaseVars& cv = run.program.Case;
  const auto caseData = [form] { return form->Picture7->Canvas()->Lines(); };
  const auto report = [&] {
    form->MenuItem(QStringLiteral("PrintReport"))->trigger();
    auto* preview = run.program.Find<shell::FormVS>(QStringLiteral("FormVS"));
    QStringList texts;
    for (const platform::TextRun* r : preview->VS->Document().pages.at(0).textRuns()) texts << r->text;
    preview->Exit_Click();
    return texts;
  };

  form->NewClaimNet->setFocus();
  QTest::keyClicks(form->NewClaimNet, "$1,250");
  QTest::mouseClick(form->ChangeClaimant, Qt::LeftButton);
  ASSERT_EQ(cv.Results.ManualNetState, 2);
  ASSERT_EQ(cv.Support.Claim.MoNetIncome, 1'250);
  const float transfer = cv.Support.MoChildSupportTransfer;
  const float payerNet = cv.Support.Payer.MoNetIncome;

  form->NewOtherNet->setFocus();
  QTest::keyClicks(form->NewOtherNet, "1e40");
  ASSERT_EQ(run.Prompts().size(), 1) << run.Prompts().join(" | ").toStdString();
  EXPECT_EQ(run.Prompts()[0], platform::AmountTooLargeMessage());
  EXPECT_EQ(form->NewOtherNet->text(), "1e4");  // the last key taken back
  EXPECT_EQ(cv.Results.ManualNetState, 2);
  EXPECT_EQ(cv.Support.Payer.MoNetIncome, payerNet);
  EXPECT_EQ(cv.Support.MoChildSupportTransfer, transfer);
  EXPECT_TRUE(caseData().contains(" Manual Inc Adj = Claimant")) << caseData().join(" | ").toStdString();
  const QStringList printed = report();
  EXPECT_TRUE(printed.contains(" Manual Inc Adj = Claimant")) << printed.join(" | ").toStdString();
  EXPECT_FALSE(printed.contains(" Manual Inc Adj = Both"));

  // The figure typed again: this Adjust runs, and so does the claimant's.
  form->NewOtherNet->selectAll();
  QTest::keyClicks(form->NewOtherNet, "$2,000");
  QTest::mouseClick(form->ChangeOther, Qt::LeftButton);
  EXPECT_EQ(cv.Results.ManualNetState, 4);
  EXPECT_EQ(cv.Support.Payer.MoNetIncome, 2'000);
  form->NewClaimNet->selectAll();
  QTest::keyClicks(form->NewClaimNet, "$1,300");
  QTest::mouseClick(form->ChangeClaimant, Qt::LeftButton);
  EXPECT_EQ(cv.Support.Claim.MoNetIncome, 1'300);
  EXPECT_TRUE(caseData().contains(" Manual Inc Adj = Both"));
  EXPECT_EQ(run.Prompts().size(), 1) << run.Prompts().join(" | ").toStdString();
}

// On the small and the wide screen the window's figures stand whole: each
// picture's first line inside its panel's edge and clear of the "Show Tax
// Credits" button on the frame's edge (pictures form5-800x600.png and
// form5-1920x1080.png with KELVANE_SCREENSHOT_DIR).
TEST_F(ChildSupportResultTest, FiguresStandClearOnEachScreen) {
  prefs::ScreenDefault.write("TV");
  for (const shell::ScreenInfo& screen :
       {shell::ScreenInfo{800, 600, 15, 15}, shell::ScreenInfo{1024, 768, 15, 15}, shell::ScreenInfo{1920, 1080, 15, 15}}) {
    const std::string size = std::to_string(int(screen.widthPx)) + "x" + std::to_string(int(screen.heightPx));
    SCOPED_TRACE(size);
    program.PinScreen(screen);
    RunFromExpressScreen();
    QCoreApplication::processEvents();
    for (auto [picture, button] : {std::pair{form->Picture5, form->ClaimCreditsButton},
                                   std::pair{form->Picture6, form->OtherCreditsButton}}) {
      const QRect inside = picture->contentsRect().translated(picture->pos());
      EXPECT_GT(inside.top(), picture->y());  // the text starts inside the panel's edge
      const int lineHeight = int(std::ceil(picture->Canvas()->TextHeight() / form->TwipsPerPixelY()));
      const QRect firstLine(inside.topLeft(), QSize(inside.width(), lineHeight));
      EXPECT_FALSE(button->geometry().intersects(firstLine)) << "the button covers \""
                                                            << Lines(picture).value(0).toStdString() << "\"";
    }
    if (size != "1024x768") {
      EXPECT_TRUE(testenv::SavePicture(form->grab().toImage(), QStringLiteral("form5-%1.png").arg(QString::fromStdString(size))));
    }
    form->close();
    DeleteClosed();
  }
  EXPECT_FALSE(dialogs.Failed()) << Failures();
}

TEST(ScreenImageMonitorAdjustment, ANumberIsReadAndAnythingElseCountsAsOne) {
  EXPECT_EQ(screenimage::ui::ScreenImageMonitorAdjustment("1"), 1);
  EXPECT_EQ(screenimage::ui::ScreenImageMonitorAdjustment("0.8"), 0.8);
  EXPECT_EQ(screenimage::ui::ScreenImageMonitorAdjustment(""), 1);
  EXPECT_EQ(screenimage::ui::ScreenImageMonitorAdjustment("big"), 1);
}

}  // namespace
