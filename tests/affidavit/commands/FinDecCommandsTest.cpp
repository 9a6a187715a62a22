#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "affidavit/calc/AffidavitCalc.h"
#include "affidavit/calc/ClearAffidavit.h"
#include "affidavit/commands/FinDecCommands.h"
#include "platform/AnsiText.h"
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

// A save that fails on the very file it was to replace leaves that file whole.
TEST(FinDecCommands, FailedSaveIsReportedAndKeepsTheOldFile) {
  Commands c;
  c.dialogs.AnswerSaveDialog(Scratch(QStringLiteral("Kept.FIN")));
  ASSERT_TRUE(SaveTheFinDec(c.session));
  const QByteArray before = Bytes(Scratch(QStringLiteral("Kept.FIN")));
  // An old file whose name is so long that no temporary file fits beside it.
  const QString old = Scratch(QString(250, u'k') + QStringLiteral(".FIN"));
  {
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(before);
  }
  c.pages.SetText(E("Form12", "S0T", 5), QStringLiteral("Changed"));
  c.dialogs.AnswerSaveDialog(old);
  c.dialogs.AnswerMessageBox(platform::kAnswerYes);  // replace it
  c.dialogs.AnswerMessageBox(platform::kAnswerOk);   // the failure
  EXPECT_FALSE(SaveTheFinDec(c.session));
  const auto boxes = c.dialogs.CallsOf(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].title, "Affidavit Data File");
  EXPECT_TRUE(boxes[1].prompt.contains(old));
  EXPECT_EQ(Bytes(old), before);
  // Two saves of the same pages are the same file.
  c.pages.SetText(E("Form12", "S0T", 5), QString());
  c.dialogs.AnswerSaveDialog(Scratch(QStringLiteral("Again.fin")));
  ASSERT_TRUE(SaveTheFinDec(c.session));
  EXPECT_EQ(Bytes(Scratch(QStringLiteral("Again.fin"))), before);
  // Cancel: nothing.
  c.dialogs.AnswerSaveDialog(std::nullopt);
  EXPECT_FALSE(SaveTheFinDec(c.session));
  c.dialogs.AnswerOpenDialog(std::nullopt);
  EXPECT_FALSE(OpenTheFinDec(c.session));
  EXPECT_EQ(c.dialogs.CallsOf(DialogKind::MessageBox).size(), 2u);
  EXPECT_FALSE(c.dialogs.Failed()) << c.dialogs.Failures().join(u'\n').toStdString();
}

// A name with an initial is saved with ".FIN" added, and saving over it asks
// first; entries the file cannot hold are named before anything is written.
TEST(FinDecCommands, SavingOverAFileAndCharactersItCannotHoldAreAskedAbout) {
  Commands c;
  const QString chosen = Scratch(QStringLiteral("Pat J. Smith"));
  const QString file = chosen + QStringLiteral(".FIN");
  c.dialogs.AnswerSaveDialog(chosen);
  ASSERT_TRUE(SaveTheFinDec(c.session));
  const QByteArray first = Bytes(file);

  c.pages.SetText(E("Form12", "S0T", 5), QStringLiteral("Paweł Łódź"));
  c.dialogs.AnswerSaveDialog(chosen);
  c.dialogs.AnswerMessageBox(platform::kAnswerNo);  // do not replace
  EXPECT_FALSE(SaveTheFinDec(c.session));
  c.dialogs.AnswerSaveDialog(chosen);
  c.dialogs.AnswerMessageBox(platform::kAnswerYes);  // replace
  c.dialogs.AnswerMessageBox(platform::kAnswerNo);   // but not with "?"
  EXPECT_FALSE(SaveTheFinDec(c.session));
  EXPECT_EQ(Bytes(file), first);
  c.dialogs.AnswerSaveDialog(chosen);
  c.dialogs.AnswerMessageBox(platform::kAnswerYes);
  c.dialogs.AnswerMessageBox(platform::kAnswerYes);
  ASSERT_TRUE(SaveTheFinDec(c.session));
  EXPECT_TRUE(Bytes(file).contains(platform::toAnsi(QStringLiteral("\"Pawe? ?ód?\""))));

  const auto boxes = c.dialogs.CallsOf(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 5u);
  EXPECT_EQ(boxes[0].prompt, "Pat J. Smith.FIN already exists.\r\nDo you want to replace it?");
  // The entry named by its page and the caption the page shows for it.
  EXPECT_TRUE(boxes[2].prompt.contains(QStringLiteral("Long form, page 1, Petitioner: \"Paweł Łódź\"")))
      << boxes[2].prompt.toStdString();
  EXPECT_FALSE(c.dialogs.Failed()) << c.dialogs.Failures().join(u'\n').toStdString();
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
  // "Always Open To The Last Location": where the last file was saved.
  prefs::FileSaveDefault.write(QStringLiteral("WindowsDefault"));
  Commands c;
  c.dialogs.AnswerSaveDialog(data + QStringLiteral("/Saved"));
  ASSERT_TRUE(SaveTheFinDec(c.session));
  c.dialogs.AnswerOpenDialog(std::nullopt);
  OpenTheFinDec(c.session);
  EXPECT_EQ(c.dialogs.CallsOf(DialogKind::OpenFile).at(0).file.initialFolder, data);
}
