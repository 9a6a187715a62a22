#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "case/CaseVars.h"
#include "casefile/CaseFileCommands.h"
#include "casefile/CaseFileFixture.h"
#include "casefile/CaseRecord.h"
#include "casefile/NewCase.h"
#include "platform/ScriptedDialogs.h"
#include "prefs/FileFolders.h"
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
  QString caseFolder;
  CaseFileSession session{fields, vars, dialogs, dataFolder, caseFolder};
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
}

// A name holding a period is no extension: the second save of "Case No. 12"
// writes the same file, and asks before it replaces it.
TEST(CaseFileCommands, SavingOverACaseAsksFirstAndNoKeepsIt) {
  Commands c;
  const QString chosen = Scratch(QStringLiteral("Case No. 12"));
  const QString file = chosen + QStringLiteral(".PVX");
  c.fields.SetText(C("Form1", "ClaimantName"), QStringLiteral("First"));
  c.dialogs.AnswerSaveDialog(chosen);
  ASSERT_TRUE(SaveCaseCommand(c.session));
  const QByteArray first = FileBytes(file);
  EXPECT_TRUE(c.dialogs.CallsOf(DialogKind::MessageBox).empty());

  c.fields.SetText(C("Form1", "ClaimantName"), QStringLiteral("Second"));
  c.dialogs.AnswerSaveDialog(chosen);
  c.dialogs.AnswerMessageBox(platform::kAnswerNo);
  EXPECT_FALSE(SaveCaseCommand(c.session));
  EXPECT_EQ(FileBytes(file), first);

  c.dialogs.AnswerSaveDialog(chosen);
  c.dialogs.AnswerMessageBox(platform::kAnswerYes);
  ASSERT_TRUE(SaveCaseCommand(c.session));
  EXPECT_TRUE(FileBytes(file).startsWith("\"Second\""));
  const auto boxes = c.dialogs.CallsOf(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].prompt, "Case No. 12.PVX already exists.\r\nDo you want to replace it?");
  EXPECT_FALSE(c.dialogs.Failed()) << c.dialogs.Failures().join(u'\n').toStdString();
}

// Characters the file cannot hold are named before anything is written: No
// leaves the file as it was, Yes saves them as "?".
TEST(CaseFileCommands, CharactersTheFileCannotHoldAreNamedFirst) {
  Commands c;
  const QString file = Scratch(QStringLiteral("Kowalski.PVX"));
  c.dialogs.AnswerSaveDialog(file);
  ASSERT_TRUE(SaveCaseCommand(c.session));
  const QByteArray before = FileBytes(file);

  c.fields.SetText(C("Form1", "ClaimantName"), QStringLiteral("Łódź v. Kowalski"));
  c.fields.SetText(C("Form9", "WSPet"), QStringLiteral("Zoë Müller"));  // Western: saved as typed
  c.fields.SetText(C("Form9", "WSRes"), QStringLiteral("Paweł Kowalski"));
  c.fields.Captions[C("Form9", "WSRes")] = QStringLiteral("Worksheet, Respondent");  // as the window shows it
  for (const int answer : {platform::kAnswerNo, platform::kAnswerYes}) {
    c.dialogs.AnswerSaveDialog(file);
    c.dialogs.AnswerMessageBox(platform::kAnswerYes);  // replace
    c.dialogs.AnswerMessageBox(answer);
    EXPECT_EQ(SaveCaseCommand(c.session), answer == platform::kAnswerYes);
    if (answer == platform::kAnswerNo) {
      EXPECT_EQ(FileBytes(file), before);
    }
  }
  const QString question = c.dialogs.CallsOf(DialogKind::MessageBox).at(1).prompt;
  EXPECT_TRUE(question.contains(QStringLiteral("Form1.ClaimantName: \"Łódź v. Kowalski\""))) << question.toStdString();
  EXPECT_TRUE(question.contains(QStringLiteral("Worksheet, Respondent: \"Paweł Kowalski\"")));
  EXPECT_FALSE(question.contains(QStringLiteral("Zoë")));

  FakeCaseFields reopened;
  casevars::CaseVars vars;
  ASSERT_FALSE(OpenCase(reopened, vars, file));
  EXPECT_EQ(reopened.Text(C("Form1", "ClaimantName")), "?ód? v. Kowalski");
  EXPECT_EQ(reopened.Text(C("Form9", "WSPet")), "Zoë Müller");
  EXPECT_FALSE(c.dialogs.Failed()) << c.dialogs.Failures().join(u'\n').toStdString();
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
  const QString defaultData = prefs::DefaultDataFolder();
  ASSERT_TRUE(defaultData.endsWith(QLatin1String("/Pvx Data")));
  const QString current = QDir::currentPath();
  auto startFolder = [](Commands& c) {
    c.dialogs.AnswerOpenDialog(std::nullopt);
    OpenCaseCommand(c.session);
    return c.dialogs.CallsOf(DialogKind::OpenFile).back().file.initialFolder;
  };

  prefs::FileSaveDefault.write(QStringLiteral("UserDefault"));
  // The data folder.
  {
    Commands c;
    prefs::DataLoc.write(data);
    EXPECT_EQ(startFolder(c), data);
    EXPECT_EQ(c.dataFolder, data);
  }
  // A chosen data folder that no longer exists: the dialog's own default folder.
  {
    Commands c;
    prefs::DataLoc.write(data + QStringLiteral("/gone"));
    EXPECT_EQ(startFolder(c), "");
    EXPECT_FALSE(QFileInfo::exists(data + QStringLiteral("/gone")));
  }
  // The default data folder is made when first used.
  {
    Commands c;
    QDir(defaultData).removeRecursively();
    prefs::DataLoc.write(defaultData);
    EXPECT_EQ(startFolder(c), defaultData);
    EXPECT_TRUE(QFileInfo(defaultData).isDir());
  }
  // "Always Open To The Last Location": the default data folder before any
  // file, then the folder of the last file opened or saved, in a later run too.
  prefs::FileSaveDefault.write(QStringLiteral("WindowsDefault"));
  {
    Commands c;
    QDir(defaultData).removeRecursively();
    EXPECT_EQ(startFolder(c), defaultData);
    EXPECT_TRUE(QFileInfo(defaultData).isDir());
    c.dialogs.AnswerSaveDialog(data + QStringLiteral("/Kept.PVX"));
    ASSERT_TRUE(SaveCaseCommand(c.session));
    EXPECT_EQ(startFolder(c), data);
    EXPECT_EQ(c.caseFolder, data);
  }
  {
    Commands nextRun;
    EXPECT_EQ(startFolder(nextRun), data);
    EXPECT_EQ(nextRun.caseFolder, "");
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
