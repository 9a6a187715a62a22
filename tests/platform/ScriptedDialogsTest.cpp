#include <gtest/gtest.h>

#include "platform/ScriptedDialogs.h"

using namespace platform;

TEST(ScriptedDialogs, AnswersInTurnAndRecordsEachCall) {
  ScriptedDialogs d;
  d.AnswerMessageBox(kAnswerYes);
  d.AnswerSaveDialog(QStringLiteral("/data/Smith.PVX"));
  d.AnswerMessageBox(kAnswerOk);

  EXPECT_EQ(d.ShowMessageBox("Save the case?", kBoxYesNo, "Quit"), kAnswerYes);
  FileRequest save;
  save.title = "Save";
  save.filter = "Kelvane_2026 Files|*.PVX";
  save.defaultExtension = "PVX";
  save.fileName = "Smith";
  EXPECT_EQ(d.ShowSaveDialog(save), QStringLiteral("/data/Smith.PVX"));
  EXPECT_EQ(d.ShowMessageBox("Saved", kBoxExclamation, ""), kAnswerOk);

  EXPECT_FALSE(d.Failed()) << d.Failures().join('\n').toStdString();
  EXPECT_EQ(d.PendingAnswers(), 0u);
  ASSERT_EQ(d.Calls().size(), 3u);
  EXPECT_EQ(d.Calls()[0].kind, DialogKind::MessageBox);
  EXPECT_EQ(d.Calls()[0].prompt, "Save the case?");
  EXPECT_EQ(d.Calls()[0].title, "Quit");
  EXPECT_EQ(d.Calls()[0].buttons, kBoxYesNo);
  EXPECT_EQ(d.Calls()[1].kind, DialogKind::SaveFile);
  EXPECT_EQ(d.Calls()[1].file.fileName, "Smith");
  EXPECT_EQ(d.Calls()[1].file.defaultExtension, "PVX");
  EXPECT_EQ(d.CallsOf(DialogKind::MessageBox).size(), 2u);
}

TEST(ScriptedDialogs, UnscriptedCallFailsAndBacksOutWithoutWaiting) {
  ScriptedDialogs d;
  // Nothing queued: a question is answered No, a notice OK, every dialog Cancel.
  EXPECT_EQ(d.ShowMessageBox("Clear the affidavit?", kBoxYesNo, "Clear"), kAnswerNo);
  EXPECT_EQ(d.ShowMessageBox("Done", kBoxOk, ""), kAnswerOk);
  EXPECT_EQ(d.ShowOpenDialog({}), std::nullopt);
  EXPECT_EQ(d.ShowPrintDialog({}), std::nullopt);
  EXPECT_EQ(d.ShowPrinterSetup(), std::nullopt);
  EXPECT_EQ(d.ShowFontDialog({}), std::nullopt);
  EXPECT_EQ(d.ShowColorDialog(255), std::nullopt);
  EXPECT_EQ(d.BrowseForFolder("Pick"), "");
  EXPECT_EQ(d.ShowStandardMessageWithHelp("x", "y", {}), StandardAnswer::Ok);
  EXPECT_EQ(d.Failures().size(), 9);
  EXPECT_FALSE(d.Calls().front().answered);
  EXPECT_TRUE(d.Failures().front().contains("Clear the affidavit?"));
}

TEST(ScriptedDialogs, AnswerOfAnotherKindIsKeptAndTheCallFails) {
  ScriptedDialogs d;
  d.AnswerOpenDialog(QStringLiteral("/data/a.PVX"));
  EXPECT_EQ(d.ShowMessageBox("Quit?", kBoxYesNo, "Quit"), kAnswerNo);
  ASSERT_TRUE(d.Failed());
  EXPECT_TRUE(d.Failures().front().contains("open dialog"));
  EXPECT_EQ(d.PendingAnswers(), 1u);
  EXPECT_EQ(d.ShowOpenDialog({}), QStringLiteral("/data/a.PVX"));
}

TEST(ScriptedDialogs, AnswerThatTheBoxCannotGiveFails) {
  ScriptedDialogs d;
  d.AnswerMessageBox(kAnswerYes);  // a box with one OK cannot answer Yes
  d.AnswerMessageBox(kAnswerOk);   // nor a Yes/No box OK
  EXPECT_EQ(d.ShowMessageBox("Entry error", 48, "Entry Error"), kAnswerOk);
  EXPECT_EQ(d.ShowMessageBox("Quit?", kBoxYesNo, "Quit"), kAnswerNo);
  EXPECT_EQ(d.Failures().size(), 2);
}

TEST(ScriptedDialogs, HelpAnswerShowsTheHelp) {
  ScriptedDialogs d;
  d.AnswerStandardMessage(StandardAnswer::Help);
  d.AnswerStandardMessage(StandardAnswer::Ok);
  int shown = 0;
  const auto help = [&] { ++shown; };
  EXPECT_EQ(d.ShowStandardMessageWithHelp("Font missing", "Fonts", help), StandardAnswer::Help);
  EXPECT_EQ(d.ShowStandardMessageWithHelp("Font missing", "Fonts", help), StandardAnswer::Ok);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(d.Calls()[0].kind, DialogKind::StandardMessage);
}

TEST(ScriptedDialogs, ChosenPrinterBecomesCurrentAndCancelKeepsIt) {
  ScriptedDialogs d;
  EXPECT_EQ(d.CurrentPrinterName(), "");
  PrinterChoice laser;
  laser.printerName = "Office Laser";
  PrinterChoice desk;
  desk.printerName = "Front Desk";
  desk.allPages = false;
  desk.fromPage = desk.toPage = 1;
  d.AnswerPrinterSetup(laser);
  d.AnswerPrintDialog(std::nullopt);
  d.AnswerPrintDialog(desk);
  ASSERT_TRUE(d.ShowPrinterSetup());
  EXPECT_EQ(d.CurrentPrinterName(), "Office Laser");
  PrintRequest oneOfOne;
  oneOfOne.noPrintToFile = true;
  EXPECT_EQ(d.ShowPrintDialog(oneOfOne), std::nullopt);
  EXPECT_EQ(d.CurrentPrinterName(), "Office Laser");
  const auto choice = d.ShowPrintDialog(oneOfOne);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->toPage, 1);
  EXPECT_EQ(d.CurrentPrinterName(), "Front Desk");
  EXPECT_TRUE(d.Calls()[1].print.noPrintToFile);
  // A file the dialog does not offer cannot be chosen: Cancel, and a failure.
  PrinterChoice toFile;
  toFile.outputFile = "/tmp/out.pdf";
  d.AnswerPrintDialog(toFile);
  EXPECT_EQ(d.ShowPrintDialog(oneOfOne), std::nullopt);
  EXPECT_TRUE(d.Failed());
  EXPECT_EQ(d.CurrentPrinterName(), "Front Desk");
  // OK without naming a printer prints on the one the dialog opened with.
  d.AnswerPrintDialog(PrinterChoice{});
  const auto unchanged = d.ShowPrintDialog(oneOfOne);
  ASSERT_TRUE(unchanged);
  EXPECT_EQ(unchanged->printerName, "Front Desk");
}

TEST(ScriptedDialogs, FontSizeIsKeptWithinTheDialogsLimits) {
  ScriptedDialogs d;
  d.AnswerFontDialog(FontChoice{"Courier New", 14, true, false});
  const FontRequest tenOnly{{"Tahoma", 10, false, false}, 10, 10};
  const auto chosen = d.ShowFontDialog(tenOnly);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->face, "Courier New");
  EXPECT_EQ(chosen->size, 10.0f);
  EXPECT_TRUE(chosen->bold);
  EXPECT_EQ(d.Calls()[0].font.font.face, "Tahoma");
}

TEST(ScriptedDialogs, ColourAndFolderAnswers) {
  ScriptedDialogs d;
  d.AnswerColorDialog(14215661u);
  d.AnswerColorDialog(std::nullopt);
  d.AnswerBrowseForFolder("/home/preparer/Cases");
  d.AnswerBrowseForFolder("");
  EXPECT_EQ(d.ShowColorDialog(8421504u), 14215661u);
  EXPECT_EQ(d.ShowColorDialog(8421504u), std::nullopt);
  EXPECT_EQ(d.Calls()[0].color, 8421504u);
  EXPECT_EQ(d.BrowseForFolder("Click On The Folder"), "/home/preparer/Cases");
  EXPECT_EQ(d.BrowseForFolder("Click On The Folder"), "");
  EXPECT_EQ(d.Calls()[2].title, "Click On The Folder");
  EXPECT_FALSE(d.Failed());
}
