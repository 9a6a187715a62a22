#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include "platform/document/DrawingCursor.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/Form.h"
#include "prefs/FileFolders.h"
#include "prefs/Preferences.h"
#include "shell/ui/Form17.h"
#include "shell/ui/FormFind.h"
#include "shell/ui/FormVS.h"
#include "shell/ui/PreviewControl.h"
#include "support/PdfText.h"
#include "support/TestEnvironment.h"
#include "support/ui/ModalDriver.h"
#include "support/ui/ProgramFixture.h"

using platform::DialogKind;
using shell::FormFind;
using shell::FormVS;

namespace {

// Three pages; "alimony" stands twice on page 1, not on page 2, once on page 3.
platform::Document SampleDocument() {
  platform::DrawingCursor vs;
  vs.BeginDocument();
  vs.PrintLine("Alimony Report");
  vs.PrintLine("The recommended alimony is $2,000 a month.");
  vs.NewPage();
  vs.PrintLine("Child Support Guidelines Worksheet");
  vs.NewPage();
  vs.PrintLine("Present value of the alimony award: $36,271");
  vs.EndDocument();
  return vs.TakeDocument();
}

// The windows the preview goes back to, as plain program windows; the
// multiple-document frame carries its two button bars.
void RegisterCallers(shell::Program& program) {
  for (const char* name : {"Form1", "Form3", "Form5", "Form9", "Form12", "Form121", "Form122", "Form123"})
    program.Windows().SetFactory(name, [name] { return std::make_unique<platform::ui::Form>(name); });
  program.Windows().SetFactory("MDIForm1", [] {
    auto frame = std::make_unique<platform::ui::Form>("MDIForm1");
    frame->add<QLabel>("Picture1", nullptr, 0, 0, 12000, 600);
    frame->add<QLabel>("Picture5", nullptr, 0, 0, 12000, 600);
    return frame;
  });
}

struct PreviewRun : ProgramFixture {
  PreviewRun() { RegisterCallers(program); }

  FormVS* OpenPreview(const QString& kind) {
    program.State.PreviewReportKind = kind;
    auto* vs = program.Load<FormVS>("FormVS");
    vs->ShowDocument(SampleDocument());
    return vs;
  }
  bool Shown(const char* name) {
    QWidget* w = program.Find(name);
    return w && w->isVisible();
  }
  QStringList ShownWindows() {
    QStringList shown;
    for (const char* name : {"Form1", "Form3", "Form5", "Form9", "MDIForm1", "Form12", "Form121",
                             "Form122", "Form123"})
      if (Shown(name)) shown << name;
    return shown;
  }
};

struct PreviewTest : ::testing::Test, PreviewRun {};

}  // namespace

TEST_F(PreviewTest, LeavingReturnsToTheWindowTheKindNames) {
  const struct {
    const char* kind;
    int16_t finDecFormType;
    QStringList shown;
  } cases[] = {
      {"WS", 1, {"Form9", "MDIForm1"}},
      {"FD", 1, {"MDIForm1", "Form12"}},
      {"FD", 0, {"MDIForm1", "Form121"}},
      {"CS", 1, {"Form5"}},
      {"Alim", 1, {"Form3"}},
      {"Manual", 1, {"Form1"}},
      {"Form9", 1, {"Form1"}},
      {"", 1, {"Form1"}},
      {"cs", 1, {"Form1"}},
  };
  for (const bool byExit : {true, false}) {
    for (const auto& c : cases) {
      PreviewRun run;
      run.program.State.FinDecFormType = c.finDecFormType;
      FormVS* vs = run.OpenPreview(c.kind);
      if (byExit) vs->Exit_Click();
      else vs->close();  // the window's own close box
      ProgramFixture::DeleteClosed();
      EXPECT_FALSE(run.program.IsFormLoaded("FormVS")) << c.kind;
      EXPECT_EQ(run.ShownWindows(), c.shown) << c.kind << (byExit ? " by Exit" : " by closing");
    }
  }
}

TEST_F(PreviewTest, FrameShowsTheBarOfItsDocument) {
  program.Load("MDIForm1");
  QWidget* frame = program.Find("MDIForm1");
  QWidget* worksheetBar = frame->findChild<QWidget*>("Picture1");
  QWidget* affidavitBar = frame->findChild<QWidget*>("Picture5");
  worksheetBar->setEnabled(false);
  OpenPreview("WS")->Exit_Click();
  EXPECT_TRUE(worksheetBar->isEnabled());
  EXPECT_TRUE(worksheetBar->isVisibleTo(frame));
  EXPECT_FALSE(affidavitBar->isVisibleTo(frame));

  ProgramFixture::DeleteClosed();
  affidavitBar->setEnabled(false);
  OpenPreview("FD")->Exit_Click();
  EXPECT_TRUE(affidavitBar->isEnabled());
  EXPECT_TRUE(affidavitBar->isVisibleTo(frame));
  EXPECT_FALSE(worksheetBar->isVisibleTo(frame));
}

TEST_F(PreviewTest, LeavingPutsTheMonitorAdjustmentBackOnce) {
  const struct {
    const char* monAdj;
    double factor;
  } cases[] = {{"0.8", 1.28 * 0.8}, {"1.5", 1.28}, {"", 1.28}};
  for (const bool byExit : {true, false}) {
    for (const auto& c : cases) {
      PreviewRun run;
      prefs::MonAdj.write(c.monAdj);
      FormVS* vs = run.OpenPreview("CS");
      EXPECT_EQ(run.program.State.Screen.ScaleFactorX, 1.28);  // the preview is fitted without it
      // A window fitted meanwhile (the PDF notice) leaves adjusted factors behind.
      run.program.FitFormToScreen(*run.program.Load<shell::Form17>("Form17"));
      if (byExit) vs->Exit_Click();
      else vs->close();
      EXPECT_DOUBLE_EQ(run.program.State.Screen.ScaleFactorX, c.factor) << c.monAdj;
      EXPECT_DOUBLE_EQ(run.program.State.Screen.ScaleFactorY, c.factor) << c.monAdj;
      EXPECT_DOUBLE_EQ(run.program.State.Screen.ScaleFactorMin, c.factor) << c.monAdj;
      ProgramFixture::DeleteClosed();
    }
  }
}

TEST_F(PreviewTest, FindFramesEachMatchAndStartsOverAfterAMiss) {
  FormVS* vs = OpenPreview("CS");
  FormFind find(program, *vs->VS);
  find.txtFind->setText("alimony");

  const struct {
    int index;
    int16_t page;
  } steps[] = {{0, 1}, {1, 1}, {1, 3}, {0, 1}, {1, 1}};
  for (const auto& s : steps) {
    find.btnFind_Click(s.index);
    EXPECT_EQ(program.State.FindPage, s.page);
    ASSERT_EQ(vs->VS->Overlay(s.page).size(), 1u);  // the last frame only
    const auto& frame = vs->VS->Overlay(s.page)[0];
    EXPECT_EQ(frame.penWidth, 50);
    EXPECT_EQ(frame.colour, QColor(200, 0, 0));
    EXPECT_GT(frame.rect.width(), 0);
  }
  EXPECT_EQ(vs->VS->ShownPage(), 1);

  // A miss is told in the platform's standard box with the information icon.
  find.show();
  find.txtFind->setText("pension");
  QTest::mouseClick(find.btnFind[1], Qt::LeftButton);
  EXPECT_EQ(program.State.FindPage, 0);
  EXPECT_EQ(program.State.FindPosition, 0);
  for (int page = 1; page <= 3; ++page) EXPECT_TRUE(vs->VS->Overlay(page).empty());
  EXPECT_TRUE(dialogs.CallsOf(DialogKind::MessageBox).empty());
  const auto boxes = dialogs.CallsOf(DialogKind::Information);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, "Cannot find the string ' pension ' in the document. ");
  EXPECT_EQ(boxes[0].title, "Not Found");

  // The next "Find Next" searches from page 1 again.
  find.txtFind->setText("worksheet");
  find.btnFind_Click(1);
  EXPECT_EQ(program.State.FindPage, 2);
  find.Exit_Click();
  EXPECT_TRUE(vs->VS->Overlay(2).empty());
}

TEST_F(PreviewTest, FindWindowIsModalOverThePreviewAndGoesWithItsExit) {
  FormVS* vs = OpenPreview("CS");
  bool framed = false;
  testenv::WhenModal<FormFind>([&](FormFind& find) {
    find.txtFind->setText("worksheet");
    find.btnFind_Click(0);
    framed = vs->VS->Overlay(2).size() == 1;
    find.Exit_Click();
  });
  vs->Findtxt_Click();  // returns once the find window is gone
  ProgramFixture::DeleteClosed();
  EXPECT_TRUE(framed);
  EXPECT_TRUE(vs->VS->Overlay(2).empty());
  EXPECT_FALSE(program.IsFormLoaded("FormFind"));
  EXPECT_EQ(program.State.FindPage, 2);  // the next find goes on from there
}

TEST_F(PreviewTest, SaveAsPdfWritesTheDocumentAndKeepsTheNoticeUntilOk) {
  prefs::FileSaveDefault.write("UserDefault");
  prefs::DataLoc.write(testenv::scratchFolder());
  const QString path = testenv::scratchFolder() + "/Report.pdf";
  dialogs.AnswerSaveDialog(path);
  FormVS* vs = OpenPreview("CS");
  vs->SaveAsPDFile_Click();

  const auto calls = dialogs.CallsOf(DialogKind::SaveFile);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].file.initialFolder, testenv::scratchFolder());
  EXPECT_EQ(calls[0].file.defaultExtension, "pdf");
  EXPECT_EQ(calls[0].file.filter, "Portable Document File (PDF)|*.pdf");

  auto* notice = program.Find<shell::Form17>("Form17");
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(notice->isVisible());
  EXPECT_TRUE(notice->OK->isVisibleTo(notice));
  EXPECT_FALSE(notice->Label1->isVisibleTo(notice));

  const auto pages = testenv::PdfPageTexts(path);
  if (!pages) GTEST_SKIP() << "pdftotext is not installed";
  ASSERT_EQ(pages->size(), 3);
  EXPECT_TRUE((*pages)[0].contains("The recommended alimony is $2,000 a month."));
  EXPECT_TRUE((*pages)[2].contains("Present value of the alimony award"));
}

// The notice belongs to the preview: the window system keeps it in front of
// the preview (its transient parent), Enter presses its OK, and leaving the
// preview takes a notice still open with it.
TEST_F(PreviewTest, SavingNoticeBelongsToThePreview) {
  const QString path = testenv::scratchFolder() + "/Report.pdf";
  dialogs.AnswerSaveDialog(path);
  FormVS* vs = OpenPreview("CS");
  vs->SaveAsPDFile_Click();
  auto* notice = program.Find<shell::Form17>("Form17");
  ASSERT_NE(notice, nullptr);
  ASSERT_TRUE(notice->isWindow());
  ASSERT_NE(notice->windowHandle(), nullptr);
  EXPECT_EQ(notice->windowHandle()->transientParent(), vs->windowHandle());
  EXPECT_EQ(notice->focusWidget(), notice->OK);
  QTest::keyClick(notice->focusWidget(), Qt::Key_Return);
  ProgramFixture::DeleteClosed();
  EXPECT_FALSE(program.IsFormLoaded("Form17"));

  dialogs.AnswerSaveDialog(path);
  dialogs.AnswerMessageBox(platform::kAnswerYes);  // replace the file just saved
  vs->SaveAsPDFile_Click();
  notice = program.Find<shell::Form17>("Form17");
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(notice->isVisible());
  vs->Exit_Click();
  EXPECT_FALSE(notice->isVisible());
  ProgramFixture::DeleteClosed();
  EXPECT_FALSE(program.IsFormLoaded("Form17"));
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("; ").toStdString();
}

// The PDF dialog starts in the folder of the case when the case has a file,
// else where the folder preference says: before any file, the default data
// folder in the user's documents, made when first used.
TEST_F(PreviewTest, SaveDialogStartsInTheFolderOfTheCase) {
  prefs::FileSaveDefault.write("WindowsDefault");
  const QString defaultData = prefs::DefaultDataFolder();
  QDir(defaultData).removeRecursively();
  const QString before = QDir::currentPath();
  dialogs.AnswerSaveDialog(std::nullopt);  // cancelled
  OpenPreview("CS")->SaveAsPDFile_Click();
  const QString cases = testenv::scratchFolder() + "/cases";
  QDir().mkpath(cases);
  program.State.CaseFolder = cases;
  dialogs.AnswerSaveDialog(std::nullopt);
  OpenPreview("CS")->SaveAsPDFile_Click();
  const auto calls = dialogs.CallsOf(DialogKind::SaveFile);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].file.initialFolder, defaultData);
  EXPECT_TRUE(QFileInfo(defaultData).isDir());
  EXPECT_EQ(calls[1].file.initialFolder, cases);
  EXPECT_EQ(QDir::currentPath(), before);
  EXPECT_FALSE(program.IsFormLoaded("Form17"));
  EXPECT_TRUE(dialogs.CallsOf(DialogKind::MessageBox).empty());
}

// A name with a period gets ".pdf" too, and an existing PDF is replaced only
// when the user agrees.
TEST_F(PreviewTest, SavingOverAPdfAsksFirst) {
  const QString chosen = testenv::scratchFolder() + "/Report v. 2";
  const QString file = chosen + ".pdf";
  {
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
  }
  dialogs.AnswerSaveDialog(chosen);
  dialogs.AnswerMessageBox(platform::kAnswerNo);
  OpenPreview("CS")->SaveAsPDFile_Click();
  EXPECT_FALSE(program.IsFormLoaded("Form17"));
  QFile kept(file);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "old");
  kept.close();

  dialogs.AnswerSaveDialog(chosen);
  dialogs.AnswerMessageBox(platform::kAnswerYes);
  OpenPreview("CS")->SaveAsPDFile_Click();
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_TRUE(kept.readAll().startsWith("%PDF"));
  const auto boxes = dialogs.CallsOf(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].prompt, "Report v. 2.pdf already exists.\r\nDo you want to replace it?");
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("; ").toStdString();
}

TEST_F(PreviewTest, PdfThatCannotBeWrittenIsReportedAndTheNoticeCloses) {
  const QString path = testenv::scratchFolder() + "/no such folder/Report.pdf";
  dialogs.AnswerSaveDialog(path);
  dialogs.AnswerMessageBox(platform::kAnswerOk);
  OpenPreview("CS")->SaveAsPDFile_Click();
  ProgramFixture::DeleteClosed();

  EXPECT_FALSE(QFile::exists(path));
  EXPECT_FALSE(program.IsFormLoaded("Form17"));
  const auto boxes = dialogs.CallsOf(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "PDF File Not Saved");
  EXPECT_TRUE(boxes[0].prompt.contains("Report.pdf"));
}

TEST_F(PreviewTest, PrintGoesThroughThePrintDialog) {
  platform::PrinterChoice choice;
  choice.outputFile = testenv::scratchFolder() + "/printed.pdf";
  dialogs.AnswerPrintDialog(choice);
  FormVS* vs = OpenPreview("CS");
  vs->PrintDocument_Click();

  const auto calls = dialogs.CallsOf(DialogKind::Print);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].print.maxPage, 3);
  EXPECT_TRUE(dialogs.CallsOf(DialogKind::MessageBox).empty());
  const auto pages = testenv::PdfPageTexts(choice.outputFile);
  if (!pages) GTEST_SKIP() << "pdftotext is not installed";
  ASSERT_EQ(pages->size(), 3);
  EXPECT_TRUE((*pages)[1].contains("Child Support Guidelines Worksheet"));
}

TEST_F(PreviewTest, ZoomModesLayThePagesOut) {
  FormVS* vs = OpenPreview("CS");
  using Zoom = shell::PreviewControl::Zoom;
  for (const Zoom z : {Zoom::PageWidth, Zoom::TwoPages, Zoom::Thumbnail, Zoom::WholePage}) {
    vs->VS->SetZoomMode(z);
    EXPECT_EQ(vs->VS->ZoomMode(), z);
    EXPECT_TRUE(vs->VS->ZoomAction(z)->isChecked());
  }
  vs->VS->ShowPage(3);
  EXPECT_EQ(vs->VS->ShownPage(), 3);
}
