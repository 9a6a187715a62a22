#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>

#include "affidavit/screens/ui/AffidavitPage.h"
#include "affidavit/screens/ui/AffidavitPages.h"
#include "platform/Fonts.h"
#include "shell/ui/FormVS.h"
#include "shell/ui/PreviewControl.h"
#include "support/ui/Pictures.h"
#include "support/ui/ProgramFixture.h"
#include "worksheet/ui/MDIForm1.h"

using namespace affidavit;
using namespace affidavit::ui;

namespace {

struct AffidavitPagesTest : ::testing::Test, ProgramFixture {
  AffidavitPagesTest() {
    platform::RegisterTahomaIfMissing();
    FitAffidavitPages(program);
  }
  AffidavitPage* P(PageId id) { return Page(program, id); }
  QLineEdit* Field(PageId id, const char* array, int index) {
    return qobject_cast<QLineEdit*>(P(id)->Element(array, index));
  }
  bool Shown(PageId id) { return P(id)->isVisible(); }
  QCheckBox* Check(PageId id, const char* array, int index) {
    auto* box = qobject_cast<QCheckBox*>(P(id)->Element(array, index));
    EXPECT_NE(box, nullptr) << array << index;
    return box;
  }
  // A click on the box itself, as the user clicks it.
  static void Click(QCheckBox* box) {
    if (box) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  }
  // Every text of the document in the preview.
  QStringList PreviewTexts() {
    QStringList texts;
    if (auto* vs = program.Find<shell::FormVS>("FormVS"))
      for (const platform::Page& page : vs->VS->Document().pages)
        for (const platform::TextRun* run : page.textRuns()) texts << run->text;
    return texts;
  }
};

TEST_F(AffidavitPagesTest, FreshPagesHoldTheirDesignState) {
  EXPECT_EQ(Field(PageId::Form12, "S2", 64)->text(), "$");
  EXPECT_TRUE(Field(PageId::Form12, "S2", 105)->isReadOnly());
  EXPECT_FALSE(Field(PageId::Form12, "S2", 1)->isReadOnly());
  EXPECT_EQ(Field(PageId::Form121, "S2N", 64)->text(), "Medical/Dental (not on Line 23)");
  EXPECT_TRUE(Field(PageId::Form12, "S1T", 3)->isReadOnly());
  EXPECT_FALSE(P(PageId::Form12)->Element("S1T", 23)->isVisibleTo(P(PageId::Form12)->Sheet));
  EXPECT_EQ(P(PageId::Form12)->Value("FAClaim", -1), 1);
  EXPECT_EQ(P(PageId::Form122)->Value("S5op", 13), 1);
  EXPECT_EQ(P(PageId::Form123)->Element("S3", 18), nullptr);
  // Menus: design states by page.
  EXPECT_TRUE(P(PageId::Form12)->MenuItem("PreviewFinDec")->isEnabled());
  EXPECT_FALSE(P(PageId::Form12)->MenuItem("ShortFinDec")->isEnabled());
  EXPECT_FALSE(P(PageId::Form121)->MenuItem("PreviewFinDec")->isEnabled());
  EXPECT_FALSE(P(PageId::Form12)->MenuItem("PrintBlankFA")->isVisible());
  // The pages are windows of the frame, which scrolls them.
  auto* frame = program.Find<worksheet::ui::MDIForm1>("MDIForm1");
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->Children->isAncestorOf(P(PageId::Form12)));
  EXPECT_EQ(P(PageId::Form12)->size(), P(PageId::Form12)->Sheet->size());
  RunAffidavit(program, true);
  EXPECT_GT(P(PageId::Form12)->height(), frame->Sheet->viewport()->height());
  EXPECT_EQ(frame->Children->size(), P(PageId::Form12)->size());
}

// A check box of the pages ticks on one click and clears on the next, and
// what is ticked prints its mark: the amended title, the asset requested and
// the means of service.
TEST_F(AffidavitPagesTest, ACheckBoxClickedOnceTicksAndPrintsItsMark) {
  RunAffidavit(program, true);
  QCheckBox* amended = Check(PageId::Form12, "FaAmended", -1);
  for (int expected : {1, 0, 1}) {
    Click(amended);
    EXPECT_EQ(P(PageId::Form12)->Value("FaAmended", -1), expected);
    EXPECT_EQ(amended->checkState(), expected ? Qt::Checked : Qt::Unchecked);
  }
  Click(Check(PageId::Form12, "S1Check", 1));  // a. Unemployed
  EXPECT_EQ(P(PageId::Form12)->Value("S1Check", 1), 1);
  P(PageId::Form12)->Command2_Click();
  Click(Check(PageId::Form122, "S3c", 1));
  Click(Check(PageId::Form122, "S5opMailed", 0));
  EXPECT_EQ(P(PageId::Form122)->Value("S3c", 1), 1);
  EXPECT_EQ(P(PageId::Form122)->Value("S5opMailed", 0), 1);

  P(PageId::Form122)->PreviewFinDec_Click();
  const QStringList texts = PreviewTexts();
  EXPECT_TRUE(texts.contains("AMENDED - FAMILY LAW FINANCIAL AFFIDAVIT (LONG FORM)"));
  EXPECT_TRUE(texts.contains(" X "));          // the employment blank of a. Unemployed
  EXPECT_TRUE(texts.contains("X"));            // the asset's mark in column A
  EXPECT_TRUE(texts.contains(" (X) mailed "));
}

TEST_F(AffidavitPagesTest, OptionsGoByContainer) {
  AffidavitPage* p = P(PageId::Form122);
  // Choosing 2 deselects 1 only; 6 and 13 stay.
  qobject_cast<QRadioButton*>(p->Element("S5op", 2))->click();
  EXPECT_EQ(p->Value("S5op", 1), 0);
  EXPECT_EQ(p->Value("S5op", 6), 1);
  EXPECT_EQ(p->Value("S5op", 13), 1);
  // A group may hold none selected.
  p->SetValue("S5op", 2, 0);
  EXPECT_EQ(p->Value("S5op", 1) + p->Value("S5op", 2), 0);
  qobject_cast<QRadioButton*>(P(PageId::Form12)->Element("FAOther"))->click();
  EXPECT_EQ(P(PageId::Form12)->Value("FAClaim", -1), 0);
}

TEST_F(AffidavitPagesTest, PageButtonsFollowTheAffidavitMode) {
  RunAffidavit(program, true);
  EXPECT_TRUE(Shown(PageId::Form12));
  P(PageId::Form12)->Command2_Click();
  EXPECT_TRUE(Shown(PageId::Form122));
  EXPECT_FALSE(Shown(PageId::Form12));
  P(PageId::Form122)->ButtonPlus1_Click();
  EXPECT_TRUE(Shown(PageId::Form12));
  program.State.FinDecFormType = 3;
  P(PageId::Form12)->ButtonPlus1_Click();
  EXPECT_TRUE(Shown(PageId::Form123));
  EXPECT_FALSE(Shown(PageId::Form12));
  RunAffidavit(program, false);
  EXPECT_TRUE(Shown(PageId::Form121));
  EXPECT_FALSE(P(PageId::Form12)->MenuItem("PreviewFinDec")->isEnabled());
  EXPECT_TRUE(P(PageId::Form122)->MenuItem("ShortFinDec")->isEnabled());
  EXPECT_FALSE(P(PageId::Form12)->MenuItem("PrintBlankFA")->isVisible());
}

TEST_F(AffidavitPagesTest, TypingStopsAtTheDesignWidthWhateverTheSheetSize) {
  RunAffidavit(program, true);
  QLineEdit* name = Field(PageId::Form12, "S2N", 3);
  name->setFocus();
  name->clear();
  const QString face = program.Case.AffidavitPages.FDFontName;
  const double limit = Design(PageId::Form12).Find("S2N", 3)->width - 200;
  auto typeUntilLocked = [&] {
    for (int i = 0; i < 400 && !name->isReadOnly(); ++i) QTest::keyClick(name, Qt::Key_W);
    return name->text();
  };
  const QString full = typeUntilLocked();
  ASSERT_TRUE(name->isReadOnly());
  // The last key taken carried the text past the limit; the one before fit.
  EXPECT_GT(MeasureEntry(full, face, 9), limit);
  EXPECT_LE(MeasureEntry(full.chopped(1), face, 9), limit);
  QTest::keyClick(name, Qt::Key_W);
  EXPECT_EQ(name->text(), full);  // refused
  QTest::keyClick(name, Qt::Key_Backspace);
  EXPECT_EQ(name->text(), full.chopped(1));
  // Reduced, the same text fills the same limit.
  P(PageId::Form12)->ZoomIn_Click();
  name->clear();
  name->setReadOnly(false);
  EXPECT_EQ(typeUntilLocked(), full);
}

TEST_F(AffidavitPagesTest, QuotesAndPastesArriveAsTheDataFileCanCarryThem) {
  RunAffidavit(program, true);
  QLineEdit* amount = Field(PageId::Form12, "S2New", 1);  // no width check, filtered all the same
  amount->setFocus();
  amount->setText("$");
  QTest::keyClicks(amount, "5\"");
  EXPECT_EQ(amount->text(), "$5'");
  QLineEdit* desc = Field(PageId::Form12, "S2T", 0);
  desc->setFocus();
  QApplication::clipboard()->setText("Rent \"A\"\r\nand B");
  desc->paste();
  EXPECT_EQ(desc->text(), "Rent 'A' and B");
  // The caret rule: after the "$" on focus.
  QLineEdit* s1 = Field(PageId::Form12, "S1", 2);
  desc->setFocus();
  s1->setFocus();
  EXPECT_EQ(s1->cursorPosition(), 1);
  EXPECT_FALSE(s1->hasSelectedText());
}

TEST_F(AffidavitPagesTest, ReduceAndFullSizeReturnExactlyToTheFittedLayout) {
  RunAffidavit(program, true);
  AffidavitPage* p = P(PageId::Form122);
  QWidget* box = p->Element("S3", 10);
  const double left = platform::ui::Left(box), width = platform::ui::Width(box);
  const double font = platform::ui::FontSize(p->Element("S3T", 63));
  p->ZoomIn_Click();
  EXPECT_EQ(program.State.FDZoomState, "Small");
  const double f = program.State.FDZoomFactor;
  EXPECT_DOUBLE_EQ(platform::ui::Left(box), left * f);
  EXPECT_TRUE(Shown(PageId::Form122));
  EXPECT_FALSE(Shown(PageId::Form12));
  p->ZoomIn_Click();  // a second reduce does nothing
  EXPECT_DOUBLE_EQ(platform::ui::Left(box), left * f);
  // The shell fits another window on another screen in between.
  program.State.Screen.ScaleFactorX = 1.44;
  P(PageId::Form121)->ZoomOut_Click();
  EXPECT_EQ(program.State.FDZoomState, "Large");
  EXPECT_DOUBLE_EQ(platform::ui::Left(box), left);
  EXPECT_DOUBLE_EQ(platform::ui::Width(box), width);
  EXPECT_DOUBLE_EQ(platform::ui::FontSize(p->Element("S3T", 63)), font);
  EXPECT_TRUE(Shown(PageId::Form121));
  // Full Size at full size does nothing.
  const double zoom = program.State.FDZoomFactor;
  P(PageId::Form121)->ZoomOut_Click();
  EXPECT_DOUBLE_EQ(program.State.FDZoomFactor, zoom);
}

TEST_F(AffidavitPagesTest, RunButtonsRestoreFullSizeFirst) {
  RunAffidavit(program, true);
  QWidget* box = P(PageId::Form121)->Element("S2", 5);
  const double top = platform::ui::Top(box);
  P(PageId::Form12)->ZoomIn_Click();
  EXPECT_NE(platform::ui::Top(box), top);
  RunAffidavit(program, false);
  EXPECT_EQ(program.State.FDZoomState, "Large");
  EXPECT_DOUBLE_EQ(platform::ui::Top(box), top);
  EXPECT_TRUE(Shown(PageId::Form121));
  EXPECT_FALSE(Shown(PageId::Form12));
}

TEST_F(AffidavitPagesTest, FontCommandFacesAndSizes) {
  RunAffidavit(program, true);
  dialogs.AnswerFontDialog(std::nullopt);  // Cancel changes nothing
  P(PageId::Form122)->ChangeFont_Click();
  EXPECT_EQ(program.Case.AffidavitPages.FDFontName, "Tahoma");
  ASSERT_EQ(dialogs.CallsOf(platform::DialogKind::Font).size(), 1u);
  const auto request = dialogs.CallsOf(platform::DialogKind::Font)[0].font;
  EXPECT_EQ(request.minSize, 9);
  EXPECT_EQ(request.maxSize, 9);
  EXPECT_EQ(request.font.face, "Tahoma");
  EXPECT_TRUE(request.faceOnly);  // faces at 9 points: no size, style or effect offered

  dialogs.AnswerFontDialog(platform::FontChoice{"DejaVu Sans", 9});
  P(PageId::Form122)->ChangeFont_Click();
  EXPECT_EQ(program.Case.AffidavitPages.FDFontName, "DejaVu Sans");
  EXPECT_DOUBLE_EQ(program.Case.AffidavitPages.FDFontSizePoints, 9);
  const double sfMin = P(PageId::Form12)->FittedFactors().ScaleFactorMin;
  QWidget* heading = P(PageId::Form12)->Element("S2", 3);
  EXPECT_NEAR(platform::ui::FontSize(heading), 9 * sfMin, 0.01);
  EXPECT_EQ(heading->font().family(), "DejaVu Sans");
  // The short pages are not touched by a long page's command.
  EXPECT_NE(P(PageId::Form121)->Element("S2", 3)->font().family(), "DejaVu Sans");
  // A face box left empty keeps the face.
  dialogs.AnswerFontDialog(platform::FontChoice{"", 9});
  P(PageId::Form12)->ChangeFont_Click();
  EXPECT_EQ(program.Case.AffidavitPages.FDFontName, "DejaVu Sans");
  EXPECT_EQ(heading->font().family(), "DejaVu Sans");

  // Short form: face only, notes at 8 x ScaleFactorMin.
  RunAffidavit(program, false);
  QWidget* field = P(PageId::Form121)->Element("S2", 3);
  const double before = platform::ui::FontSize(field);
  dialogs.AnswerFontDialog(platform::FontChoice{"DejaVu Sans", 9});
  P(PageId::Form123)->ChangeFont_Click();
  EXPECT_DOUBLE_EQ(platform::ui::FontSize(field), before);
  // The notes take 8 x ScaleFactorMin, lowered only as far as the wider face
  // needs for the note to stay whole in its place.
  auto* note = qobject_cast<QLabel*>(P(PageId::Form121)->Element("Label60"));
  ASSERT_NE(note, nullptr);
  EXPECT_LE(platform::ui::FontSize(note), 8 * sfMin + 0.01);
  EXPECT_GE(platform::ui::FontSize(note), 8 * sfMin * 0.9);
  EXPECT_LE(note->fontMetrics().horizontalAdvance(note->text()), note->contentsRect().width());
}

TEST_F(AffidavitPagesTest, PreviewsReadTheValuesHideThePagesAndShowTheDocument) {
  auto* frame = program.Find<worksheet::ui::MDIForm1>("MDIForm1");
  RunAffidavit(program, true);
  P(PageId::Form12)->SetText("S2", 1, "$ 900");
  P(PageId::Form12)->ButtonPlus1_Click();
  P(PageId::Form122)->PreviewFinDec_Click();
  EXPECT_EQ(program.State.PreviewReportKind, "FD");
  EXPECT_DOUBLE_EQ(program.Case.Affidavit.FDExpenseValues[1].OrZero(), 900);
  EXPECT_FALSE(frame->Picture5->isVisible());
  EXPECT_FALSE(frame->Picture1->isVisible());
  EXPECT_FALSE(P(PageId::Form12)->isVisibleTo(frame));
  EXPECT_TRUE(P(PageId::Form122)->isVisibleTo(frame));  // chosen on page 2: that page stays
  auto* vs = program.Find<shell::FormVS>("FormVS");
  ASSERT_NE(vs, nullptr);
  EXPECT_TRUE(vs->isVisible());
  EXPECT_EQ(vs->VS->PageCount(), 13);  // the long form's pages 1 to 13
  // Leaving the preview brings page 1 back with the affidavit bar.
  vs->Exit_Click();
  EXPECT_TRUE(Shown(PageId::Form12));
  EXPECT_FALSE(P(PageId::Form122)->isVisibleTo(frame));
  EXPECT_TRUE(frame->Picture5->isVisible());
  EXPECT_FALSE(frame->Picture1->isVisible());

  // The short form chosen on page 1 hides both pages of the list.
  RunAffidavit(program, false);
  P(PageId::Form121)->ShortFinDec_Click();
  EXPECT_FALSE(P(PageId::Form12)->isVisibleTo(frame));
  EXPECT_FALSE(P(PageId::Form123)->isVisibleTo(frame));
  EXPECT_TRUE(P(PageId::Form121)->isVisibleTo(frame));
  ASSERT_NE(program.Find<shell::FormVS>("FormVS"), nullptr);
  EXPECT_TRUE(program.Find<shell::FormVS>("FormVS")->isVisible());
  EXPECT_EQ(program.Find<shell::FormVS>("FormVS")->VS->PageCount(), 5);  // short pages 1 to 5
}

TEST_F(AffidavitPagesTest, BlankShortFormPrintsWithoutTouchingTheEntries) {
  AffidavitServices& services = Services(program);
  std::vector<platform::PrinterChoice> sent;
  QString failure;
  services.SendToPrinter = [&](const platform::Document&, const platform::PrinterChoice& printer) {
    sent.push_back(printer);
    return platform::OutputResult{failure};
  };
  RunAffidavit(program, false);
  P(PageId::Form121)->SetText("S2T", 16, "Bank");
  P(PageId::Form121)->SetText("S2", 3, "$ 75");
  dialogs.AnswerPrintDialog(std::nullopt);  // Cancel: nothing printed, nothing cleared
  P(PageId::Form12)->PrintBlankFA_Click();
  EXPECT_TRUE(sent.empty());
  EXPECT_EQ(P(PageId::Form121)->Text("S2T", 16), "Bank");

  // The printer chosen in Printer Setup is the one the print goes to.
  platform::PrinterChoice office;
  office.printerName = "Office";
  dialogs.AnswerPrinterSetup(office);
  P(PageId::Form123)->PrinterSetup_Click();
  platform::PrinterChoice range;
  range.allPages = false;
  range.fromPage = 2;
  range.toPage = 3;
  dialogs.AnswerPrintDialog(range);
  P(PageId::Form12)->PrintBlankFA_Click();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].printerName, "Office");
  EXPECT_EQ(P(PageId::Form121)->Text("S2T", 16), "Bank");
  EXPECT_EQ(P(PageId::Form121)->Text("S2", 3), "$ 75");
  EXPECT_EQ(program.State.BlankFAPrint, 0);
  EXPECT_TRUE(dialogs.CallsOf(platform::DialogKind::MessageBox).empty());  // asks nothing
  const auto asked = dialogs.CallsOf(platform::DialogKind::Print);
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(asked.back().print.maxPage, 6);

  failure = "No printer is available.";
  dialogs.AnswerPrintDialog(platform::PrinterChoice{});
  P(PageId::Form12)->PrintBlankFA_Click();
  const auto told = dialogs.CallsOf(platform::DialogKind::MessageBox);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].prompt, "No printer is available.");
  EXPECT_TRUE(Shown(PageId::Form121));  // page 1 of the form in use
  EXPECT_EQ(program.State.BlankFAPrint, 0);
}

TEST_F(AffidavitPagesTest, PrinterSetupChoiceIsKeptForLaterPrints) {
  platform::PrinterChoice choice;
  choice.printerName = "Office";
  dialogs.AnswerPrinterSetup(std::nullopt);
  P(PageId::Form123)->PrinterSetup_Click();
  EXPECT_FALSE(Services(program).ChosenPrinter);
  dialogs.AnswerPrinterSetup(choice);
  P(PageId::Form123)->PrinterSetup_Click();
  ASSERT_TRUE(Services(program).ChosenPrinter);
  EXPECT_EQ(Services(program).ChosenPrinter->printerName, "Office");
}

TEST_F(AffidavitPagesTest, ClosingAPageAsksToQuitAndOnlyYesQuits) {
  RunAffidavit(program, true);
  P(PageId::Form12)->SetText("S0T", 7, "Jane Doe");
  dialogs.AnswerMessageBox(platform::kAnswerNo);
  P(PageId::Form12)->close();
  EXPECT_TRUE(Shown(PageId::Form12));
  EXPECT_FALSE(program.Ended());
  EXPECT_EQ(P(PageId::Form12)->Text("S0T", 7), "Jane Doe");
  dialogs.AnswerMessageBox(platform::kAnswerNo);
  P(PageId::Form12)->Quit_Click();
  EXPECT_FALSE(program.Ended());
  const auto asked = dialogs.CallsOf(platform::DialogKind::MessageBox);
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].prompt, "Have You Saved Your Case Data? -  Do You Want To Quit Program?");
  EXPECT_EQ(asked[1].title, "Exit");
  dialogs.AnswerMessageBox(platform::kAnswerYes);
  P(PageId::Form122)->close();
  EXPECT_TRUE(program.Ended());
  EXPECT_EQ(dialogs.CallsOf(platform::DialogKind::MessageBox).size(), 3u);  // asked once more, not again
  EXPECT_FALSE(dialogs.Failed());
}

TEST_F(AffidavitPagesTest, Screenshots) {
  RunAffidavit(program, true);
  AffidavitPage* p12 = P(PageId::Form12);
  p12->SetText("S0T", 1, "Ninth");
  p12->SetText("S0T", 2, "Orange");
  p12->SetText("S0T", 3, "2026-DR-1234");
  p12->SetText("S0T", 5, "Jane Doe");
  p12->SetText("S0T", 6, "John Doe");
  p12->SetText("S0T", 7, "Jane Doe");
  p12->SetText("S1T", 1, "41");
  p12->SetText("S1T", 2, "Nurse");
  Click(Check(PageId::Form12, "S1Check", 2));
  p12->SetText("S1T", 5, "County Hospital");
  p12->SetValue("S1Op", 2, 1);
  p12->SetText("S1T", 9, "$ 2,400");
  p12->resize(1000, 740);
  EXPECT_TRUE(testenv::SavePicture(p12->grab().toImage(), "affidavit-form12.png"));
  RunAffidavit(program, true);
  p12->ButtonPlus1_Click();
  AffidavitPage* p122 = P(PageId::Form122);
  p122->SetText("S3", 0, "$ 350");
  p122->SetText("S3O", 1, "Joint");
  p122->SetText("S3", 1, "$ 12,500");
  Click(Check(PageId::Form122, "S3c", 1));
  p122->SetText("S3T", 2, "Savings at First Bank");
  p122->SetText("S3", 2, "$ 4,000");
  Click(Check(PageId::Form122, "S4c", 28));
  p122->SetText("S4T", 28, "Inheritance from an aunt's estate");
  p122->SetText("S4D", 28, "Wife");
  p122->SetText("S4", 28, "$ 20,000");
  p122->SetText("S4T", 34, "Lawsuit over a car accident");
  p122->SetText("S4", 34, "$ 5,000");
  // Page 2 from its net worth down: the contingent items' instructions and tables.
  const int netWorth = p122->Element("S4", 42)->y() - 10;
  EXPECT_TRUE(testenv::SavePicture(p122->Sheet->grab(QRect(0, netWorth, 1000, 740)).toImage(),
                                   "affidavit-form122.png"));
  RunAffidavit(program, false);
  P(PageId::Form121)->resize(1000, 740);
  EXPECT_TRUE(testenv::SavePicture(P(PageId::Form121)->grab().toImage(), "affidavit-form121.png"));
  P(PageId::Form121)->ButtonPlus1_Click();
  AffidavitPage* p123 = P(PageId::Form123);
  p123->SetText("S3", 0, "$ 350");
  Click(Check(PageId::Form123, "s3ch", 0));
  p123->resize(1000, 740);
  EXPECT_TRUE(testenv::SavePicture(p123->grab().toImage(), "affidavit-form123.png"));
}

}  // namespace
