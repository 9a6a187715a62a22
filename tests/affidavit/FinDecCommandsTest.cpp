#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "affidavit/calc/AffidavitCalc.h"
#include "affidavit/calc/ClearAffidavit.h"
#include "affidavit/datafile/FinDecCommands.h"
#include "platform/ScriptedDialogs.h"
#include "prefs/Preferences.h"
#include "support/TestEnvironment.h"

using namespace affidavit;
using platform::DialogKind;

namespace {

PageElement E(const char* page, const char* array, int index = kSingle) {
  return {QLatin1String(page), QLatin1String(array), index};
}

struct Commands {
  FakeAffidavitPages pages;
  platform::ScriptedDialogs dialogs;
  FinDecSettings settings;
  QString dataFolder;
  casevars::AffidavitValues values;
  std::vector<AffidavitMode> layouts;
  FinDecSession session{pages, dialogs, settings, dataFolder, QStringLiteral("Smith / Jones: 2026?"), values,
                        [this](AffidavitMode mode) { layouts.push_back(mode); }};
};

QString Scratch(const QString& name) { return QDir(testenv::scratchFolder()).filePath(name); }

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// Saved, cleared and opened again: the same pages and totals, in either form.
TEST(FinDecCommands, SaveClearOpenGivesThePagesBack) {
  prefs::FileSaveDefault.write(QStringLiteral("WindowsDefault"));
  for (const std::int16_t form : {std::int16_t{1}, std::int16_t{0}}) {
    const QString current = QDir::currentPath();
    Commands c;
    c.settings.formType = form;
    const char* first = form == 1 ? "Form12" : "Form121";
    const char* second = form == 1 ? "Form122" : "Form123";
    ClearFinDecData(c.pages, form);
    c.pages.SetText(E(first, "S0T", 5), QStringLiteral("Pat Smith, Jr. "));
    c.pages.SetText(E(first, "S1", 2), QStringLiteral("$3,000"));
    c.pages.SetText(E(first, "S2", 1), QStringLiteral("1,250"));
    c.pages.SetText(E(second, "S3", 0), QStringLiteral("$9,000"));
    c.pages.SetValue(E(second, "S3c", 0), 2);
    c.pages.SetValue(E(first, "S1FileOp", 1), 1);
    AssignFDVars(c.pages, form, c.values);
    CalculateFinDec(c.pages, form, c.values);
    const auto texts = c.pages.Texts();
    const auto values = c.pages.Values();

    const QString path = Scratch(QStringLiteral("Affidavit%1").arg(form));
    c.dialogs.AnswerSaveDialog(path);
    ASSERT_TRUE(SaveTheFinDec(c.session));
    const auto save = c.dialogs.CallsOf(DialogKind::SaveFile).at(0).file;
    EXPECT_EQ(save.fileName, "Smith  Jones 2026");
    EXPECT_EQ(save.defaultExtension, "FIN");
    EXPECT_TRUE(save.filter.contains(QLatin1String("*.FIN;*.fin")));
    ASSERT_TRUE(QFileInfo::exists(path + QStringLiteral(".FIN")));

    c.dialogs.AnswerMessageBox(platform::kAnswerYes);
    ASSERT_TRUE(ClearFormCommand(c.pages, c.dialogs, form));
    EXPECT_NE(c.pages.Texts(), texts);
    c.settings.formType = form == 1 ? 0 : 1;

    c.dialogs.AnswerOpenDialog(path + QStringLiteral(".FIN"));
    c.dialogs.AnswerMessageBox(platform::kAnswerOk);
    ASSERT_TRUE(OpenTheFinDec(c.session));
    EXPECT_EQ(c.settings.formType, form);
    EXPECT_EQ(c.layouts, std::vector<AffidavitMode>{static_cast<AffidavitMode>(form)});
    for (const auto& [element, text] : texts)
      EXPECT_EQ(c.pages.Text(element), text) << ElementLabel(element).toStdString();
    for (const auto& [element, value] : values)
      EXPECT_EQ(c.pages.Value(element), value) << ElementLabel(element).toStdString();
    EXPECT_EQ(c.pages.Text(E(first, "S1", 27)), "$3,000");
    const auto boxes = c.dialogs.CallsOf(DialogKind::MessageBox);
    EXPECT_EQ(boxes.back().prompt, form == 1 ? "You have opened a data file for use with the LONG FORM Affidavit"
                                             : "You have opened a data file for use with the SHORT FORM Affidavit");
    EXPECT_FALSE(c.dialogs.Failed()) << c.dialogs.Failures().join(u'\n').toStdString();
    EXPECT_EQ(QDir::currentPath(), current);
  }
}

// A refused file changes nothing; the totals of a previous affidavit do not stay.
TEST(FinDecCommands, OpenRefusesBrokenFilesAndRecomputes) {
  Commands c;
  c.pages.SetText(E("Form12", "S1", 2), QStringLiteral("$500"));
  const QString broken = Scratch(QStringLiteral("Broken.FIN"));
  {
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\"a\"\r\n").repeated(800));
  }
  c.dialogs.AnswerOpenDialog(broken);
  c.dialogs.AnswerMessageBox(platform::kAnswerOk);
  EXPECT_FALSE(OpenTheFinDec(c.session));
  EXPECT_TRUE(c.dialogs.CallsOf(DialogKind::MessageBox).at(0).prompt.contains(broken));
  EXPECT_EQ(c.pages.Writes, 1);

  // Save the empty pages, then show an old total and open.
  Commands empty;
  const QString path = Scratch(QStringLiteral("Empty.FIN"));
  empty.dialogs.AnswerSaveDialog(path);
  ASSERT_TRUE(SaveTheFinDec(empty.session));
  empty.pages.SetText(E("Form12", "S1", 27), QStringLiteral("$9,999"));
  empty.pages.SetText(E("Form122", "S4", 42), QStringLiteral("$1"));
  empty.dialogs.AnswerOpenDialog(path);
  empty.dialogs.AnswerMessageBox(platform::kAnswerOk);
  ASSERT_TRUE(OpenTheFinDec(empty.session));
  EXPECT_EQ(empty.pages.Text(E("Form12", "S1", 27)), "$0");
  EXPECT_EQ(empty.pages.Text(E("Form122", "S4", 42)), "$0");
}

TEST(FinDecCommands, FailedSaveIsReportedAndKeepsTheOldFile) {
  Commands c;
  const QString path = Scratch(QStringLiteral("Kept.FIN"));
  c.dialogs.AnswerSaveDialog(path);
  ASSERT_TRUE(SaveTheFinDec(c.session));
  const QByteArray before = Bytes(path);
  c.dialogs.AnswerSaveDialog(Scratch(QStringLiteral("no folder/Kept.FIN")));
  EXPECT_FALSE(SaveTheFinDec(c.session));
  ASSERT_EQ(c.dialogs.CallsOf(DialogKind::MessageBox).size(), 1u);
  EXPECT_EQ(Bytes(path), before);
  // Two saves of the same pages are the same file.
  c.dialogs.AnswerSaveDialog(Scratch(QStringLiteral("Again.fin")));
  ASSERT_TRUE(SaveTheFinDec(c.session));
  EXPECT_EQ(Bytes(Scratch(QStringLiteral("Again.fin"))), before);
  // Cancel: nothing.
  c.dialogs.AnswerSaveDialog(std::nullopt);
  EXPECT_FALSE(SaveTheFinDec(c.session));
  c.dialogs.AnswerOpenDialog(std::nullopt);
  EXPECT_FALSE(OpenTheFinDec(c.session));
  EXPECT_EQ(c.dialogs.CallsOf(DialogKind::MessageBox).size(), 1u);
}

TEST(FinDecCommands, DialogsOpenInTheDataFolderWhenItExists) {
  const QString data = Scratch(QStringLiteral("findata"));
  QDir().mkpath(data);
  prefs::FileSaveDefault.write(QStringLiteral("UserDefault"));
  for (const QString& folder : {data, data + QStringLiteral("/gone")}) {
    Commands c;
    prefs::DataLoc.write(folder);
    c.dialogs.AnswerOpenDialog(std::nullopt);
    OpenTheFinDec(c.session);
    EXPECT_EQ(c.dialogs.CallsOf(DialogKind::OpenFile).at(0).file.initialFolder, folder == data ? data : QString());
    EXPECT_EQ(c.dataFolder, folder);
  }
  prefs::FileSaveDefault.write(QStringLiteral("WindowsDefault"));
}
