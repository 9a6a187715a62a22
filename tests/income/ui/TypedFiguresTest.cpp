// A figure typed into an income box is the figure kept: in the box, the
// totals, the Express screen, the income report, the case file and the run.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

#include "casefile/ui/CaseFileMenus.h"
#include "express/ui/TypedCase.h"
#include "income/ui/AmountBox.h"
#include "platform/AmountLimit.h"
#include "platform/Fonts.h"
#include "platform/ui/ButtonPlus.h"
#include "results/ui/Form5.h"
#include "results/ui/PictureBox.h"
#include "support/PdfText.h"
#include "support/TestEnvironment.h"

using casevars::Party;

namespace {

// Types into a box of the shown window as the user does: the box entered by
// the keyboard, its figure selected, the keys, then Tab into the next box.
void TypeAndTab(income::AmountBox* box, const QString& keys) {
  box->setFocus(Qt::TabFocusReason);
  box->selectAll();
  QTest::keyClicks(box, keys);
  QTest::keyClick(box, Qt::Key_Tab);
}

QString ResultText(results::ui::Form5& form) {
  QStringList lines;
  for (results::ui::PictureBox* p : {form.Picture1, form.Picture2, form.Picture3, form.Picture4, form.Picture5,
                                     form.Picture6, form.Picture7, form.Picture8})
    lines << p->Canvas()->Lines();
  return lines.join(u'\n');
}

// The claimant's yearly wages typed in the income window; the Express screen
// shows them a month, the report and the result window in whole dollars.
TEST(TypedFigures, AFigureTypedIsShownPrintedSavedAndRunUnchanged) {
  platform::RegisterTahomaIfMissing();
  const struct {
    const char* typed;
    const char* box;        // the box and its column total
    const char* monthly;    // the Express screen's gross income, a twelfth
    const char* whole;      // the income report and the result window
  } rows[] = {
      {"1234567.89", "$ 1,234,567.89", "$ 102,881", "$1,234,568"},
      {"123456789", "$ 123,456,789.00", "$ 10,288,066", "$123,456,789"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    TypedCase c;
    income::IncomeWindow& w = c.Window(Party::Claim);
    incometest::ShowActiveWindow(w);
    ASSERT_EQ(w.IncomeEntryPeriod(), income::IncomePeriod::Yearly);
    TypeAndTab(w.Box("Earned"), QString::fromLatin1(row.typed));
    EXPECT_EQ(w.Box("Earned")->text().toStdString(), row.box);
    EXPECT_EQ(w.Box("Total")->text().toStdString(), row.box);
    EXPECT_EQ(c.express.ClaimGrossInc->text().toStdString(), row.monthly);
    w.close();  // the title bar's close box

    platform::PrinterChoice choice;
    choice.outputFile = QDir(testenv::scratchFolder()).filePath("income.pdf");
    c.dialogs.AnswerPrintDialog(choice);
    c.express.PrintPopup->trigger();
    if (const auto pages = testenv::PdfPageTexts(choice.outputFile)) {
      EXPECT_TRUE(pages->join(u'\n').contains(QLatin1String(row.whole))) << pages->join(u'\n').toStdString();
    }

    const QString path = QDir(testenv::scratchFolder()).filePath("Typed.PVX");
    QFile::remove(path);
    c.dialogs.AnswerSaveDialog(path);
    ASSERT_TRUE(casefile::ui::SaveCase(c.program));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains(QByteArray("\"") + row.box + "\""));
    file.close();
    w.Box("Earned")->setText(QString());
    c.dialogs.AnswerOpenDialog(path);
    ASSERT_TRUE(casefile::ui::OpenCase(c.program));
    EXPECT_EQ(w.Box("Earned")->text().toStdString(), row.box);

    c.express.show();
    c.express.ChildSupportButton->click();
    auto* form = c.program.Find<results::ui::Form5>(QStringLiteral("Form5"));
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(ResultText(*form).contains(QLatin1String(row.whole))) << ResultText(*form).toStdString();
    EXPECT_TRUE(c.Prompts().isEmpty()) << c.Prompts().join(" | ").toStdString();
    EXPECT_FALSE(c.dialogs.Failed());
  }
}

// An entry past the amount limit is refused with its message, and the box
// gets back the figure it held, to the dollar.
TEST(TypedFigures, ARefusedEntryPutsBackTheFigureTheBoxHeld) {
  TypedCase c;
  income::IncomeWindow& w = c.Window(Party::Claim);
  incometest::ShowActiveWindow(w);
  income::AmountBox* earned = w.Box("Earned");
  TypeAndTab(earned, QStringLiteral("999999999999"));
  EXPECT_EQ(earned->text().toStdString(), "$ 999,999,999,999.00");
  c.dialogs.AnswerMessageBox(platform::kAnswerOk);
  earned->setFocus(Qt::TabFocusReason);
  earned->end(false);
  QTest::keyClick(earned, Qt::Key_9);
  QTest::keyClick(earned, Qt::Key_Tab);
  EXPECT_EQ(c.Prompts(), QStringList{platform::AmountTooLargeMessage()});
  EXPECT_EQ(earned->text().toStdString(), "$ 999,999,999,999.00");
  EXPECT_EQ(c.program.Case.Income.Claim.YrEarned, 999999999999.0);
  w.close();
}

}  // namespace
