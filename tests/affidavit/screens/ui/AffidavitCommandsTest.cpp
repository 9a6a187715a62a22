#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QLineEdit>
#include <QTest>

#include "affidavit/datafile/FinDecSlots.h"
#include "affidavit/screens/ui/AffidavitCommands.h"
#include "affidavit/screens/ui/AffidavitPage.h"
#include "affidavit/screens/ui/AffidavitPages.h"
#include "app/ui/StartupLayout.h"
#include "casefile/ui/WindowCaseFields.h"
#include "express/ui/ExpressFixture.h"
#include "express/ui/Form1.h"
#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"
#include "platform/AmountLimit.h"
#include "platform/NumberText.h"
#include "platform/Fonts.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/FormVS.h"
#include "shell/ui/PreviewControl.h"
#include "support/TestEnvironment.h"
#include "support/ui/Pictures.h"
#include "support/ui/ProgramFixture.h"
#include "worksheet/ui/Form9.h"
#include "worksheet/ui/MDIForm1.h"
#include "worksheet/ui/OpenWorksheet.h"

using namespace affidavit;
using namespace affidavit::ui;
using worksheet::ui::MDIForm1;

namespace {

// The program after its start-up layout pass, at 1024 x 768.
struct AffidavitCommandsTest : ::testing::Test, ProgramFixture {
  AffidavitCommandsTest() {
    platform::RegisterTahomaIfMissing();
    app::FitStartupWindows(program);
  }
  AffidavitPage* P(PageId id) { return Page(program, id); }
  MDIForm1& Frame() { return *program.Find<MDIForm1>("MDIForm1"); }
  bool Shown(PageId id) { return P(id)->isVisible(); }
  QString Path(const char* name) { return QDir(testenv::scratchFolder()).filePath(name); }

  // The line of a data file that holds an element of the pages.
  static int SlotOf(const PageElement& element) {
    for (const auto* table : {&LongFormSaveSlots(), &ShortFormSaveSlots(), &BothFormsSaveSlots()})
      for (const SlotSource& s : *table)
        if (s.element == element) return s.slot;
    ADD_FAILURE() << ElementLabel(element).toStdString() << " has no slot";
    return 0;
  }
  static QStringList Lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
  }
  static QString SlotText(const QString& path, const PageElement& element) {
    return Lines(path).value(SlotOf(element) - 1);
  }
  static void SetSlotText(const QString& path, const PageElement& element, const QString& text) {
    QStringList lines = Lines(path);
    const int slot = SlotOf(element);
    ASSERT_GT(slot, 0);
    ASSERT_LT(slot - 1, lines.size());
    lines[slot - 1] = text;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(lines.join(QStringLiteral("\r\n")).toLatin1());
  }
};

TEST_F(AffidavitCommandsTest, SavedAffidavitOpensAgainWithItsEntriesAndTotals) {
  struct Case {
    bool longForm;
    PageId first, second;
    const char* file;
    const char* message;
  };
  const Case cases[] = {
      {true, PageId::Form12, PageId::Form122, "long.FIN",
       "You have opened a data file for use with the LONG FORM Affidavit"},
      {false, PageId::Form121, PageId::Form123, "short.FIN",
       "You have opened a data file for use with the SHORT FORM Affidavit"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    RunAffidavit(program, c.longForm);
    AffidavitPage* first = P(c.first);
    first->SetText("S0T", 7, " Doe, Jane ");
    first->SetText("S1", 32, "$ 1,000");
    first->SetText("S1", 33, "$ 200.40");
    first->SetValue("S1FileOp", 1, 1);
    P(c.second)->SetText("S3", 1, "$ 12,500");
    if (c.longForm) P(PageId::Form12)->Command2_Click();
    else P(PageId::Form121)->ButtonPlus1_Click();
    auto* mark = qobject_cast<QCheckBox*>(P(c.second)->Element("S3c", 1));
    ASSERT_NE(mark, nullptr);
    QTest::mouseClick(mark, Qt::LeftButton, {}, QPoint(6, mark->height() / 2));
    dialogs.AnswerSaveDialog(Path(c.file));
    first->SaveFinDec_Click();
    ASSERT_TRUE(QFile::exists(Path(c.file)));
    // The ticked box is saved as 1; a file that holds 2 there (as older files
    // may) opens with the box ticked.
    EXPECT_EQ(SlotText(Path(c.file), {SecondPage(c.longForm ? kLongForm : kShortForm), "S3c", 1}), "1");
    SetSlotText(Path(c.file), {SecondPage(c.longForm ? kLongForm : kShortForm), "S3c", 1}, "2");

    dialogs.AnswerMessageBox(platform::kAnswerYes);
    Frame().ClearFinDec->click();
    EXPECT_EQ(first->Text("S0T", 7), "");
    EXPECT_EQ(first->Text("S1", 32), "$");
    // The other form in use when the file opens: the file's form comes back.
    RunAffidavit(program, !c.longForm);
    dialogs.AnswerOpenDialog(Path(c.file));
    dialogs.AnswerMessageBox(platform::kAnswerOk);
    P(PageId::Form123)->OpenFinDec_Click();
    EXPECT_EQ(dialogs.CallsOf(platform::DialogKind::MessageBox).back().prompt, c.message);
    EXPECT_EQ(program.State.FinDecFormType, c.longForm ? 1 : 0);
    EXPECT_TRUE(Shown(c.first));
    EXPECT_EQ(first->Text("S0T", 7), " Doe, Jane ");
    EXPECT_EQ(first->Text("S1", 33), "$ 200.40");
    EXPECT_EQ(first->Value("S1FileOp", 1), 1);
    EXPECT_EQ(P(c.second)->Text("S3", 1), "$ 12,500");
    EXPECT_EQ(P(c.second)->Value("S3c", 1), 1);
    EXPECT_EQ(mark->checkState(), Qt::Checked);
    // Opening totals the affidavit: line 1 is 1a plus 1b.
    EXPECT_EQ(first->Text("S1", 1), "$1,200");
    EXPECT_EQ(P(PageId::Form12)->MenuItem("PreviewFinDec")->isEnabled(), c.longForm);
  }
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("\n").toStdString();
}

// A data file opens in its form's layout: the long page's Section II names
// and descriptions narrow for the short form, whose lines 66 to 69 take no
// entries, and widen again for the long form; the Express screen's long-form
// command lays the pages out for the long form whatever file opened last.
TEST_F(AffidavitCommandsTest, OpenedFileSetsItsFormsLayout) {
  for (bool longForm : {false, true}) {
    RunAffidavit(program, longForm);
    dialogs.AnswerSaveDialog(Path(longForm ? "long.FIN" : "short.FIN"));
    P(longForm ? PageId::Form12 : PageId::Form121)->SaveFinDec_Click();
  }
  AffidavitPage* p = P(PageId::Form12);
  const double x = p->FittedFactors().ScaleFactorX;  // 1.28 at 1024 x 768
  auto width = [&](const char* array, int i) { return platform::ui::Width(p->Element(array, i)); };
  auto typed = [&](int i) {
    auto* box = qobject_cast<QLineEdit*>(p->Element("S2T", i));
    box->clear();
    QTest::keyClicks(box, "Tutor");
    return box->text();
  };
  program.Case.AffidavitPages.FDFontSizePoints = 12;
  auto open = [&](const char* file) {
    dialogs.AnswerOpenDialog(Path(file));
    dialogs.AnswerMessageBox(platform::kAnswerOk);
    p->OpenFinDec_Click();
  };

  open("short.FIN");
  EXPECT_EQ(program.State.FinDecFormType, 0);
  for (auto [array, i] : {std::pair{"S2N", 0}, {"S2N", 67}, {"S2NNew", 1}, {"S2NNew", 16}, {"S2T", 0}, {"S2T", 5},
                          {"S2T", 10}, {"S2T", 28}})
    EXPECT_FLOAT_EQ(width(array, i), float(3150 * x)) << array << i;
  EXPECT_EQ(typed(6), "");
  EXPECT_EQ(typed(9), "");
  for (PageId page : {PageId::Form12, PageId::Form122}) {
    EXPECT_FALSE(P(page)->MenuItem("PreviewFinDec")->isEnabled());
    EXPECT_TRUE(P(page)->MenuItem("ShortFinDec")->isEnabled());
  }
  EXPECT_DOUBLE_EQ(program.Case.AffidavitPages.FDFontSizePoints, program.Case.AffidavitPages.FDScreenFontSize);
  EXPECT_EQ(program.Case.AffidavitPages.FDFontSize, 9);
  // Reduced and back, the boxes keep the width the form gave them.
  p->ZoomIn_Click();
  p->ZoomOut_Click();
  EXPECT_FLOAT_EQ(width("S2N", 3), float(3150 * x));

  open("long.FIN");
  EXPECT_EQ(program.State.FinDecFormType, 1);
  const struct {
    const char* array;
    int index;
    double width;
  } longWidths[] = {{"S2N", 0, 6780}, {"S2N", 66, 6780}, {"S2NNew", 9, 6780}, {"S2T", 5, 6100},
                    {"S2T", 11, 5920}, {"S2T", 12, 6780}, {"S2T", 28, 6135}};
  for (const auto& w : longWidths) EXPECT_FLOAT_EQ(width(w.array, w.index), float(w.width * x)) << w.array << w.index;
  EXPECT_EQ(typed(6), "Tutor");
  EXPECT_TRUE(p->MenuItem("PreviewFinDec")->isEnabled());
  EXPECT_FALSE(p->MenuItem("ShortFinDec")->isEnabled());

  open("short.FIN");
  RunAffidavit(program, true);
  EXPECT_FLOAT_EQ(width("S2N", 0), float(6780 * x));
  EXPECT_EQ(typed(7), "Tutor");
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("\n").toStdString();
}

// An Open that is cancelled, or that meets a file it cannot read, changes no
// entry and shows page 1 of the form in use.
TEST_F(AffidavitCommandsTest, AnOpenThatOpensNothingShowsPageOneOfTheFormInUse) {
  for (const bool longForm : {true, false}) {
    SCOPED_TRACE(longForm ? "long form" : "short form");
    RunAffidavit(program, longForm);
    const PageId first = longForm ? PageId::Form12 : PageId::Form121;
    const PageId second = longForm ? PageId::Form122 : PageId::Form123;
    P(second)->SetText("S3", 1, "$ 7");
    for (const bool cancel : {true, false}) {
      if (longForm) P(PageId::Form12)->Command2_Click();
      else P(PageId::Form121)->ButtonPlus1_Click();
      ASSERT_TRUE(Shown(second));
      dialogs.AnswerOpenDialog(cancel ? std::nullopt : std::optional<QString>(Path("none.FIN")));
      if (!cancel) dialogs.AnswerMessageBox(platform::kAnswerOk);  // the file cannot be read
      P(second)->OpenFinDec_Click();
      EXPECT_TRUE(Shown(first));
      EXPECT_FALSE(Shown(second));
      EXPECT_EQ(P(second)->Text("S3", 1), "$ 7");
      EXPECT_EQ(program.State.FinDecFormType, longForm ? 1 : 0);
    }
  }
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("\n").toStdString();
}

// A data file opened and saved again without a change gives the same bytes:
// the file's own values stand where the pages change nothing (a 2 that an
// older file holds in a check box, the hidden "NA" boxes of the liabilities'
// total row), and the totals captions the page shows are the ones an open
// writes.
TEST_F(AffidavitCommandsTest, AnOpenedFileSavedAgainUnchangedGivesTheSameBytes) {
  const auto bytes = [](const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  for (const bool longForm : {true, false}) {
    SCOPED_TRACE(longForm ? "long form" : "short form");
    RunAffidavit(program, longForm);
    const PageId first = longForm ? PageId::Form12 : PageId::Form121;
    const QString second = SecondPage(longForm ? kLongForm : kShortForm);
    Frame().CalculateFD->click();  // the totals as an open computes them
    const QString older = Path(longForm ? "older-long.FIN" : "older-short.FIN");
    dialogs.AnswerSaveDialog(older);
    P(first)->SaveFinDec_Click();
    SetSlotText(older, {second, "S3c", 1}, "2");
    if (longForm) {
      SetSlotText(older, {"Form122", "S4P", 27}, "\"NA\"");
      SetSlotText(older, {"Form122", "S4R", 27}, "\"NA\"");
    }
    const QByteArray before = bytes(older);

    dialogs.AnswerOpenDialog(older);
    dialogs.AnswerMessageBox(platform::kAnswerOk);
    P(first)->OpenFinDec_Click();
    EXPECT_EQ(P(longForm ? PageId::Form122 : PageId::Form123)->Value("S3c", 1), 1);  // shown ticked
    const QString again = Path(longForm ? "again-long.FIN" : "again-short.FIN");
    dialogs.AnswerSaveDialog(again);
    P(first)->SaveFinDec_Click();
    const QStringList was = QString::fromLatin1(before).split(QStringLiteral("\r\n"));
    const QStringList now = QString::fromLatin1(bytes(again)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(now.size(), was.size());
    // Line 756, the affidavit font's size: an open sets the size of the
    // file's form itself and reads none from the file.
    for (int line = 0; line < was.size(); ++line) {
      if (line == 755) continue;
      EXPECT_EQ(now[line].toStdString(), was[line].toStdString()) << "line " << line + 1;
    }
  }
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("\n").toStdString();
}

// A data file giving an amount box an amount the box does not take is
// refused with a message naming the page and the caption of the box, and no
// entry changes.
TEST_F(AffidavitCommandsTest, AFileGivingABoxAnAmountItRefusesNamesTheBox) {
  RunAffidavit(program, true);
  const QString path = Path("beyond.FIN");
  dialogs.AnswerSaveDialog(path);
  P(PageId::Form12)->SaveFinDec_Click();
  SetSlotText(path, {"Form12", "S1", 32}, "\"$ 2,000,000,000,000\"");
  P(PageId::Form12)->SetText("S1", 33, "$ 5");
  dialogs.AnswerOpenDialog(path);
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  P(PageId::Form12)->OpenFinDec_Click();
  const auto box = dialogs.CallsOf(platform::DialogKind::MessageBox).back();
  EXPECT_EQ(box.title, "Affidavit Data File");
  EXPECT_TRUE(box.prompt.contains("\"Long form, page 1, 1a. Subject to Both FICA and Fed Tax\""))
      << box.prompt.toStdString();
  EXPECT_TRUE(box.prompt.contains(platform::BeyondTheLimitText())) << box.prompt.toStdString();
  EXPECT_EQ(P(PageId::Form12)->Text("S1", 33), "$ 5");
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("\n").toStdString();
}

TEST_F(AffidavitCommandsTest, ClearFormActsOnYesOnlyAndCalculateShowsTheTotals) {
  RunAffidavit(program, true);
  AffidavitPage* p = P(PageId::Form12);
  p->SetText("S1", 32, "$ 2,000");
  p->SetText("S1", 18, "$ 150.40");
  p->SetText("S1", 19, "$ 100.40");
  Frame().CalculateFD->click();
  EXPECT_EQ(p->Text("S1", 1), "$2,000");
  EXPECT_EQ(p->Text("S1", 17), "$2,000");
  EXPECT_EQ(p->Text("S1", 26), "$250");  // the lines as they print: $150 + $100
  EXPECT_EQ(p->Text("S1", 27), "$1,750");

  dialogs.AnswerMessageBox(platform::kAnswerNo);
  Frame().ClearFinDec->click();
  EXPECT_EQ(p->Text("S1", 32), "$ 2,000");
  dialogs.AnswerMessageBox(platform::kAnswerYes);
  Frame().ClearFinDec->click();
  EXPECT_EQ(p->Text("S1", 32), "$");
  EXPECT_EQ(P(PageId::Form122)->Text("S3T", 0), "Cash (on hand)");
  EXPECT_FALSE(dialogs.Failed());
}

TEST_F(AffidavitCommandsTest, GetDataTakesTheCaseEnteredOnTheExpressScreen) {
  casefile::ui::WindowCaseFields windows(program);
  windows.Run("Form13", casefile::method::YearlyClick);
  windows.SetText({"Form13", "ClaimEarned"}, "$ 12,000");  // yearly, as typed
  windows.React({"Form13", "ClaimEarned"});
  windows.SetText({"Form1", "CurrentMaintTransfer"}, "$ 500");
  windows.SetText({"Form1", "ClaimDayCare"}, "$ 300");
  windows.SetValue({"Form1", "ClaimHeadHouse"}, 1);
  RunAffidavit(program, true);
  P(PageId::Form12)->SetText("S1", 30, "$ 75");
  dialogs.AnswerMessageBox(platform::kAnswerNo);  // keep the other entries
  Frame().Command2->click();
  AffidavitPage* p = P(PageId::Form12);
  EXPECT_DOUBLE_EQ(program.Case.Affidavit.FDIncomeValues[32].OrZero(), 1000);  // monthly
  EXPECT_EQ(p->Text("S1", 1), "$1,000");
  EXPECT_DOUBLE_EQ(program.Case.Affidavit.FDIncomeValues[28].OrZero(), 500);   // 9a: received
  EXPECT_FALSE(program.Case.Affidavit.FDIncomeValues[30].IsNumber());  // the claimant pays none of this case
  EXPECT_EQ(p->Text("S1", 30), "$");
  EXPECT_DOUBLE_EQ(program.Case.Affidavit.FDExpenseValues[36].OrZero(), 300);
  EXPECT_EQ(p->Value("S1FileOp", 1), 1);

  // And back: the page's wages go to the claimant's income window, which
  // returns to yearly entry.
  p->SetText("S1", 32, "$ 2,000");
  Frame().Command3->click();
  EXPECT_FLOAT_EQ(program.Case.Income.Claim.YrEarned, 24000);
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("\n").toStdString();
}

TEST_F(AffidavitCommandsTest, PagesStandInTheFrameWithTheirOwnBarAndMenus) {
  MDIForm1& frame = Frame();
  RunAffidavit(program, true);
  ASSERT_TRUE(frame.isVisible());
  EXPECT_TRUE(frame.Picture5->isVisible());
  EXPECT_FALSE(frame.Picture1->isVisible());
  EXPECT_EQ(frame.Current(), P(PageId::Form12));
  const QList<QAction*> menus = frame.MenuBar()->actions();
  ASSERT_EQ(menus.size(), 4);
  EXPECT_EQ(menus[0]->text(), "     File");
  // Only the bar of the window shown is visible, at the top, and nothing of
  // the other bar shows below the scrolled area.
  for (platform::ui::ButtonPlus* b : {frame.ClearFinDec, frame.Command3, frame.Command2, frame.Command4,
                                      frame.CalculateFD, frame.EstimateTaxes})
    EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->width() - 8) << b->text().toStdString();
  const QRect area = frame.Sheet->geometry();
  EXPECT_EQ(area.top(), frame.Picture5->geometry().bottom() + 1);
  EXPECT_EQ(area.bottom(), frame.Client()->height() - 1);
  frame.Sheet->verticalScrollBar()->setValue(400);
  P(PageId::Form12)->Command2_Click();
  EXPECT_EQ(frame.Current(), P(PageId::Form122));
  EXPECT_EQ(frame.Sheet->verticalScrollBar()->value(), 0);  // the new page shows its top
  EXPECT_EQ(frame.Children->size(), P(PageId::Form122)->size());
  QCoreApplication::processEvents();  // the scroll bars take their places
  EXPECT_TRUE(testenv::SavePicture(frame.grab().toImage(), "affidavit-in-frame-1024x768.png"));

  worksheet::ui::OpenWorksheet(program);
  EXPECT_TRUE(frame.Picture1->isVisible());
  EXPECT_FALSE(frame.Picture5->isVisible());
  EXPECT_FALSE(P(PageId::Form122)->isVisible());
  EXPECT_EQ(frame.MenuBar()->actions().front()->text(), "     File");
  EXPECT_EQ(frame.Current(), program.Find<worksheet::ui::Form9>("Form9"));
}

// The frame's title names the form it shows, and while the frame is up the
// Express screen (whose row of buttons stood out below it) is hidden; each
// Return To Express Form brings the Express screen back.
TEST_F(AffidavitCommandsTest, FrameNamesTheFormShownAndHidesTheExpressScreen) {
  MDIForm1& frame = Frame();
  auto* express = program.Find<express::Form1>("Form1");
  ASSERT_NE(express, nullptr);
  express->show();
  const struct {
    platform::ui::ButtonPlus* command;
    platform::ui::ButtonPlus* back;
    const char* title;
  } runs[] = {{express->RunAffadavit, frame.Command4, "Family Law Financial Affidavit (Long Form)"},
              {express->ButtonPlus1, frame.Command4, "Family Law Financial Affidavit (Short Form)"},
              {express->RunWaWs, frame.Return, "Child Support Guidelines Worksheet"}};
  for (const auto& run : runs) {
    SCOPED_TRACE(run.title);
    QTest::mouseClick(run.command, Qt::LeftButton);
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.windowTitle(), run.title);
    EXPECT_FALSE(express->isVisible());
    QTest::mouseClick(run.back, Qt::LeftButton);
    EXPECT_FALSE(frame.isVisible());
    EXPECT_TRUE(express->isVisible());
  }
  // Page 2 of a form is the same form.
  QTest::mouseClick(express->RunAffadavit, Qt::LeftButton);
  P(PageId::Form12)->Command2_Click();
  EXPECT_EQ(frame.Current(), P(PageId::Form122));
  EXPECT_EQ(frame.windowTitle(), "Family Law Financial Affidavit (Long Form)");
}

}  // namespace

namespace {

// A shared-custody case typed on the Express screen; Estimate Taxes writes
// each first page's items 18 and 19 from the case's tax estimate, and each
// form previewed after its estimate adds its printed deductions into line 26.
TEST(AffidavitEstimateTest, EstimateTaxesFillsItems18And19FromTheCasesTaxes) {
  ExpressFixture run;
  platform::RegisterTahomaIfMissing();
  FitAffidavitPages(run.program);
  run.FillSharedCase();
  for (QLineEdit* zero : {run.express.OtherDayCare, run.express.OtherNumCare, run.express.ClaimHealthCare,
                          run.express.OtherSpecial})
    if (zero->text().isEmpty() || zero->text() == "$") ExpressFixture::Retype(zero, "0");
  ExpressFixture::Retype(run.express.ClaimNumCare, "0");  // no child lives with the claimant most of the year
  // The monthly wages, entered in the income windows, which are then closed.
  for (auto [name, wages] : {std::pair{"Form13", "4250"}, std::pair{"Form14", "6900"}}) {
    auto* window = run.program.Load<income::IncomeWindow>(QString::fromLatin1(name));
    ExpressFixture::Retype(window->Box("Earned"), wages);
    window->Form_Unload();
  }
  RunAffidavit(run.program, true);
  Page(run.program, PageId::Form121)->SetValue("FAOther", -1, 1);  // the short form declares for the other party
  run.dialogs.AnswerMessageBox(platform::kAnswerOk);  // the note on the estimate's income
  run.dialogs.AnswerMessageBox(platform::kAnswerNo);  // the filing-status warning: go on
  ASSERT_TRUE(EstimateTaxes_Click(run.program)) << run.dialogs.Calls().back().prompt.toStdString();
  const auto& tax = run.program.Case.Tax;
  const AffidavitPage* page1 = Page(run.program, PageId::Form12);
  EXPECT_GT(tax.Claim.YrFicaTax, 0);
  EXPECT_EQ(page1->Text("S1", 19), platform::Format(tax.Claim.YrFicaTax / 12, "$ ###,##0"));
  EXPECT_EQ(Page(run.program, PageId::Form121)->Text("S1", 19), platform::Format(tax.Payer.YrFicaTax / 12, "$ ###,##0"));
  EXPECT_NEAR(run.program.Case.Affidavit.FDIncomeValues[19].OrZero(), tax.Claim.YrFicaTax / 12, 0.01);
  EXPECT_NE(page1->Text("S1", 26), "$");  // totalled again

  // Each form's preview after its estimate prints line 26 as the sum of the
  // deductions printed above it, items 18 and 19 in whole dollars.
  for (const bool longForm : {true, false}) {
    if (!longForm) {
      RunAffidavit(run.program, false);
      run.dialogs.AnswerMessageBox(platform::kAnswerOk);
      run.dialogs.AnswerMessageBox(platform::kAnswerNo);
      ASSERT_TRUE(EstimateTaxes_Click(run.program));
    }
    const PageId first = longForm ? PageId::Form12 : PageId::Form121;
    Page(run.program, first)->MenuItem(longForm ? "PreviewFinDec" : "ShortFinDec")->trigger();
    auto* vs = run.program.Find<shell::FormVS>(QStringLiteral("FormVS"));
    ASSERT_NE(vs, nullptr);
    const platform::Page& deductions = vs->VS->Document().pages.at(longForm ? 2 : 1);
    const auto printed = [&](const char* number) -> std::optional<double> {
      for (const platform::TextRun* n : deductions.textRuns())
        if (n->text == QLatin1String(number))
          for (const platform::TextRun* r : deductions.textRuns())
            if (std::abs(r->position.y() - n->position.y()) < 1 && r->text.contains(u'$'))
              return platform::AmountFromText(r->text);
      return std::nullopt;
    };
    double lines = 0;
    for (const char* number : {"18.   ", "19.   ", "20.   ", "21.   ", "22.   ", "23.   ", "24.   "})
      lines += printed(number).value_or(0);
    ASSERT_TRUE(printed("26.   ")) << longForm;
    EXPECT_EQ(*printed("26.   "), lines) << longForm;
    EXPECT_NE(lines, 0) << longForm;
    vs->Exit_Click();
  }
}

}  // namespace
