#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "case/CaseVars.h"
#include "casefile/CaseFileCommands.h"
#include "casefile/CaseFileFixture.h"
#include "casefile/CaseRecord.h"
#include "casefile/NewCase.h"
#include "platform/ScriptedDialogs.h"
#include "prefs/Preferences.h"

using namespace casefile;
using namespace casefile_test;
using platform::DialogKind;

namespace {

struct Commands {
  FakeCaseFields fields;
  casevars::CaseVars vars;
  platform::ScriptedDialogs dialogs;
  QString dataFolder;
  CaseFileSession session{fields, vars, dialogs, dataFolder, {}};
};

QString Scratch(const QString& name) { return QDir(testenv::scratchFolder()).filePath(name); }

}  // namespace

TEST(CaseFileCommands, SaveProposesTheCaseNameAndAlwaysEndsInPVX) {
  const QString current = QDir::currentPath();
  Commands c;
  c.fields.SetText(C("Form1", "ClaimantName"), QStringLiteral("a/b:c?d"));
  c.dialogs.AnswerSaveDialog(Scratch(QStringLiteral("Smith v. Jones")));
  ASSERT_TRUE(SaveCaseCommand(c.session));
  const auto calls = c.dialogs.CallsOf(DialogKind::SaveFile);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].file.fileName, "abcd");
  EXPECT_EQ(calls[0].file.defaultExtension, "PVX");
  EXPECT_TRUE(calls[0].file.filter.contains(QLatin1String("*.PVX")));
  EXPECT_TRUE(calls[0].file.filter.contains(QLatin1String("*.pvx")));
  EXPECT_TRUE(QFileInfo::exists(Scratch(QStringLiteral("Smith v. Jones.PVX"))));
  EXPECT_TRUE(c.dialogs.CallsOf(DialogKind::MessageBox).empty());
  EXPECT_EQ(QDir::currentPath(), current);

  EXPECT_EQ(WithCaseExtension(QStringLiteral("/x/case.pvx")), "/x/case.pvx");
  EXPECT_EQ(WithCaseExtension(QStringLiteral("/x/case.txt")), "/x/case.txt.PVX");
}

TEST(CaseFileCommands, CancelIsSilent) {
  Commands c;
  const QStringList before = QDir(testenv::scratchFolder()).entryList(QDir::Files | QDir::NoDotAndDotDot);
  c.dialogs.AnswerSaveDialog(std::nullopt);
  EXPECT_FALSE(SaveCaseCommand(c.session));
  c.dialogs.AnswerOpenDialog(std::nullopt);
  EXPECT_FALSE(OpenCaseCommand(c.session));
  EXPECT_TRUE(c.dialogs.CallsOf(DialogKind::MessageBox).empty());
  EXPECT_TRUE(c.fields.Log.empty());
  EXPECT_EQ(QDir(testenv::scratchFolder()).entryList(QDir::Files | QDir::NoDotAndDotDot), before);
}

TEST(CaseFileCommands, FailuresAreReported) {
  Commands c;
  c.fields.SetText(C("Form1", "ClaimantName"), QStringLiteral("Before"));
  const QString short184 = WriteScratch(QStringLiteral("Short.PVX"), LineOf(HandTokens(), 184));
  c.dialogs.AnswerOpenDialog(short184);
  EXPECT_FALSE(OpenCaseCommand(c.session));
  c.dialogs.AnswerSaveDialog(Scratch(QStringLiteral("no folder/case.PVX")));
  EXPECT_FALSE(SaveCaseCommand(c.session));
  const auto boxes = c.dialogs.CallsOf(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].title, "Case Not Opened");
  EXPECT_TRUE(boxes[0].prompt.contains(short184));
  EXPECT_EQ(boxes[1].title, "Case Not Saved");
  EXPECT_EQ(c.fields.Text(C("Form1", "ClaimantName")), "Before");
}

TEST(CaseFileCommands, DialogsOpenWhereTheFolderPreferenceSays) {
  const QString data = Scratch(QStringLiteral("data"));
  QDir().mkpath(data);
  const QString current = QDir::currentPath();

  // The data folder.
  {
    Commands c;
    prefs::FileSaveDefault.write(QStringLiteral("UserDefault"));
    prefs::DataLoc.write(data);
    c.dialogs.AnswerOpenDialog(std::nullopt);
    OpenCaseCommand(c.session);
    EXPECT_EQ(c.dialogs.CallsOf(DialogKind::OpenFile).at(0).file.initialFolder, data);
    EXPECT_EQ(c.dataFolder, data);
  }
  // A data folder that no longer exists: the dialog's own default folder, and the dialog is shown.
  {
    Commands c;
    prefs::DataLoc.write(data + QStringLiteral("/gone"));
    c.dialogs.AnswerSaveDialog(std::nullopt);
    SaveCaseCommand(c.session);
    const auto calls = c.dialogs.CallsOf(DialogKind::SaveFile);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].file.initialFolder, "");
  }
  // "Always Open To The Last Location": the folder of the last case opened or saved.
  {
    Commands c;
    prefs::FileSaveDefault.write(QStringLiteral("WindowsDefault"));
    c.dialogs.AnswerOpenDialog(std::nullopt);
    OpenCaseCommand(c.session);
    c.dialogs.AnswerSaveDialog(data + QStringLiteral("/Kept.PVX"));
    ASSERT_TRUE(SaveCaseCommand(c.session));
    c.dialogs.AnswerOpenDialog(std::nullopt);
    OpenCaseCommand(c.session);
    const auto opens = c.dialogs.CallsOf(DialogKind::OpenFile);
    EXPECT_EQ(opens.at(0).file.initialFolder, "");
    EXPECT_EQ(opens.at(1).file.initialFolder, data);
  }
  EXPECT_EQ(QDir::currentPath(), current);
}

// A case saved while the claimant's income window shows monthly amounts,
// cleared by New case and opened again, is the same case in yearly entry.
TEST(CaseFileCommands, SavedInMonthlyEntryClearedAndOpenedAgain) {
  Commands c;
  ASSERT_FALSE(OpenCase(c.fields, c.vars, HandBuiltPath()));
  bool monthly = true;
  c.fields.SetText(C("Form13", "ClaimEarned"), QStringLiteral("$ 4,000.00"));  // a month
  c.fields.OnRun = [&](const QString& window, const QString& method, int) {
    if (window == QLatin1String("Form13") && method == QLatin1String("Yearly_Click") && monthly) {
      c.fields.SetText(C("Form13", "ClaimEarned"), QStringLiteral("$ 48,000.00"));
      monthly = false;
    }
    return true;
  };
  c.dialogs.AnswerSaveDialog(Scratch(QStringLiteral("Round Trip")));
  ASSERT_TRUE(SaveCaseCommand(c.session));
  const auto saved = GatherCase(c.fields);

  c.dialogs.AnswerMessageBox(platform::kAnswerYes);
  ASSERT_TRUE(ClearData(c.fields, c.dialogs));
  EXPECT_EQ(c.fields.Text(C("Form13", "ClaimEarned")), "");

  c.dialogs.AnswerOpenDialog(Scratch(QStringLiteral("Round Trip.PVX")));
  ASSERT_TRUE(OpenCaseCommand(c.session));
  EXPECT_EQ(c.fields.Text(C("Form13", "ClaimEarned")), "$ 48,000.00");
  // The worksheet's line 11 is emptied by the opening; everything else comes back.
  EXPECT_EQ(GatherCase(c.fields), saved);
  EXPECT_FALSE(c.dialogs.Failed());
}
