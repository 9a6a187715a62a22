#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/AnsiText.h"
#include "platform/SaveChecks.h"
#include "platform/ScriptedDialogs.h"
#include "support/TestEnvironment.h"

using namespace platform;

namespace {

QString Scratch(const QString& name) { return QDir(testenv::scratchFolder()).filePath(name); }

void Touch(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

FileRequest CaseRequest() {
  FileRequest request;
  request.defaultExtension = QStringLiteral("PVX");
  return request;
}

}  // namespace

TEST(WithExtension, AddedUnlessTheNameEndsInIt) {
  const struct {
    const char* chosen;
    const char* saved;
  } cases[] = {
      {"/c/Case No. 12", "/c/Case No. 12.PVX"},  // a period is no extension
      {"/c/J. Smith", "/c/J. Smith.PVX"},
      {"/c/fonttest", "/c/fonttest.PVX"},
      {"/c/case.pvx", "/c/case.pvx"},
      {"/c/case.PVX", "/c/case.PVX"},
      {"/c/case.txt", "/c/case.txt.PVX"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithExtension(c.chosen, QStringLiteral("PVX")), c.saved) << c.chosen;
  EXPECT_EQ(WithExtension(QStringLiteral("/c/plain"), QString()), "/c/plain");
}

// The question comes for the file that will be written, extension added,
// whatever the name holds; No and Cancel give nothing to save.
TEST(ChooseFileToSave, AsksBeforeReplacingTheFileTheSaveWrites) {
  Touch(Scratch(QStringLiteral("Case No. 12.PVX")));
  ScriptedDialogs d;
  d.AnswerSaveDialog(Scratch(QStringLiteral("Case No. 12")));
  d.AnswerMessageBox(kAnswerNo);
  EXPECT_EQ(ChooseFileToSave(d, CaseRequest()), std::nullopt);
  d.AnswerSaveDialog(Scratch(QStringLiteral("Case No. 12")));
  d.AnswerMessageBox(kAnswerYes);
  EXPECT_EQ(ChooseFileToSave(d, CaseRequest()), Scratch(QStringLiteral("Case No. 12.PVX")));
  const auto boxes = d.CallsOf(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].title, "Confirm Save As");
  EXPECT_EQ(boxes[0].prompt, "Case No. 12.PVX already exists.\r\nDo you want to replace it?");
  EXPECT_EQ(boxes[0].buttons, kBoxYesNo);

  // A new file is not asked about; Cancel asks nothing.
  d.AnswerSaveDialog(Scratch(QStringLiteral("Case No. 13")));
  EXPECT_EQ(ChooseFileToSave(d, CaseRequest()), Scratch(QStringLiteral("Case No. 13.PVX")));
  d.AnswerSaveDialog(std::nullopt);
  EXPECT_EQ(ChooseFileToSave(d, CaseRequest()), std::nullopt);
  EXPECT_EQ(d.CallsOf(DialogKind::MessageBox).size(), 2u);
  EXPECT_FALSE(d.Failed()) << d.Failures().join(u'\n').toStdString();
}

TEST(FitsAnsi, TheCodePageHoldsWesternTextOnly) {
  for (const char16_t* fits : {u"Smith, Jr. & O'Neil", u"Zoë Müller-Søndergård", u"€ – “quoted” …", u"?", u""})
    EXPECT_TRUE(FitsAnsi(QString::fromUtf16(fits)));
  for (const char16_t* lost : {u"Łódź", u"Ελένη", u"Chen 陈", u"\U0001F600"})
    EXPECT_FALSE(FitsAnsi(QString::fromUtf16(lost)));
  EXPECT_FALSE(FitsAnsi(QStringLiteral("a") + QChar(0) + QStringLiteral("b")));  // written as "?" too
}

TEST(AgreeToQuestionMarks, NamesTheEntriesAndAsks) {
  ScriptedDialogs d;
  EXPECT_TRUE(AgreeToQuestionMarks(d, {}));  // nothing to ask
  EXPECT_TRUE(d.Calls().empty());

  std::vector<UnwritableEntry> entries;
  for (int i = 1; i <= 6; ++i)
    entries.push_back({QStringLiteral("Worksheet, Box%1").arg(i), QStringLiteral("Łódź %1").arg(i)});
  entries[0].text = QStringLiteral("Łódź ") + QString(60, u'x');
  d.AnswerMessageBox(kAnswerNo);
  EXPECT_FALSE(AgreeToQuestionMarks(d, entries));
  d.AnswerMessageBox(kAnswerYes);
  EXPECT_TRUE(AgreeToQuestionMarks(d, entries));
  const DialogCall box = d.CallsOf(DialogKind::MessageBox).at(0);
  EXPECT_EQ(box.buttons, kBoxYesNo);
  EXPECT_EQ(box.title, "Characters The File Cannot Hold");
  EXPECT_TRUE(box.prompt.contains(QStringLiteral("Worksheet, Box1: \"Łódź xxx")));
  EXPECT_TRUE(box.prompt.contains(QStringLiteral("...\"")));  // a long text is cut
  EXPECT_TRUE(box.prompt.contains(QStringLiteral("Worksheet, Box4: \"Łódź 4\"")));
  EXPECT_FALSE(box.prompt.contains(QStringLiteral("Box5")));
  EXPECT_TRUE(box.prompt.contains(QStringLiteral("and 2 more.")));
  EXPECT_TRUE(box.prompt.contains(QStringLiteral("Save them with \"?\" in place of those characters?")));
}
