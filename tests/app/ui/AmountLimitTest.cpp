// Every amount box of the program's windows keeps to the one amount limit:
// an amount past it, typed or pasted, is taken back with the limit's message;
// and none loses a typed text that is not a number without a word.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "affidavit/screens/ui/AffidavitPages.h"
#include "app/ui/StartupLayout.h"
#include "platform/AmountLimit.h"
#include "platform/ui/Form.h"
#include "support/ui/ProgramFixture.h"
#include "worksheet/ui/OpenWorksheet.h"

namespace {

struct AmountLimitTest : ::testing::Test, ProgramFixture {
  void SetUp() override { app::FitStartupWindows(program); }
  QStringList Prompts() const {
    QStringList prompts;
    for (const auto& call : dialogs.CallsOf(platform::DialogKind::MessageBox)) prompts << call.prompt;
    return prompts;
  }
};

TEST_F(AmountLimitTest, EveryAmountBoxTakesBackAnAmountPastTheLimit) {
  const struct {
    const char* window;
    const char* box;
  } boxes[] = {
      {"Form1", "ClaimDayCare"},      {"Form1", "CurrentMaintTransfer"}, {"Form1", "ClaimStateTax"},
      {"Form9", "WS1f"},              {"Form9", "WS16cm"},               {"Form12", "S1(2)"},
      {"Form122", "S3(0)"},           {"Form123", "S4(0)"},              {"Form5", "NewClaimNet"},
      {"Form3", "NewAward"},          {"Form7", "PensionAmount"},        {"Form72t", "IRAAmount"},
      {"FormFin", "Text3"},           {"FormFin", "Text1"},
  };
  for (const auto& b : boxes) {
    SCOPED_TRACE(std::string(b.window) + " " + b.box);
    auto* window = program.Load<platform::ui::Form>(QString::fromLatin1(b.window));
    ASSERT_NE(window, nullptr);
    auto* box = qobject_cast<QLineEdit*>(window->Control(QString::fromLatin1(b.box)));
    ASSERT_NE(box, nullptr);
    box->setReadOnly(false);
    box->setFocus();
    box->clear();
    const qsizetype before = Prompts().size();

    // Typed: the key that passes the limit is taken back.
    QTest::keyClicks(box, "99999999999");
    EXPECT_EQ(Prompts().size(), before);
    dialogs.AnswerMessageBox(platform::kAnswerOk);
    QTest::keyClicks(box, "99");
    EXPECT_EQ(box->text().toStdString(), "999999999999");
    // Pasted over it: the paste is taken back.
    QGuiApplication::clipboard()->setText(QStringLiteral("1e300"));
    dialogs.AnswerMessageBox(platform::kAnswerOk);
    box->selectAll();
    box->paste();
    EXPECT_EQ(box->text().toStdString(), "999999999999");
    ASSERT_EQ(Prompts().size(), before + 2);
    EXPECT_EQ(Prompts()[before], platform::AmountTooLargeMessage());
    EXPECT_EQ(Prompts()[before + 1], platform::AmountTooLargeMessage());
  }
  EXPECT_FALSE(dialogs.Failed());
}

// A typed text that is neither a number nor blank is refused as the user
// leaves the box (the run or calculation that reads it would otherwise empty
// it or count it as 0): the Entry Error, the text kept and the focus back.
TEST_F(AmountLimitTest, EveryAmountBoxRefusesATextThatIsNotANumberAsItIsLeft) {
  const struct {
    const char* window;
    const char* box;
  } boxes[] = {
      {"Form1", "ClaimDayCare"}, {"Form1", "OtherSpecial"},         {"Form9", "WS7af"},
      {"Form12", "S1(2)"},       {"Form122", "S3(0)"},              {"Form5", "NewClaimNet"},
      {"Form3", "NewAward"},     {"Form7", "PensionAmount"},
  };
  QWidget* shown = nullptr;  // each window shown once, for its rows
  for (const auto& b : boxes) {
    SCOPED_TRACE(std::string(b.window) + " " + b.box);
    const QString name = QString::fromLatin1(b.window);
    if (name == "Form9") worksheet::ui::OpenWorksheet(program);
    if (name == "Form12") affidavit::ui::ShowPage(program, affidavit::PageId::Form12);
    if (name == "Form122") affidavit::ui::ShowPage(program, affidavit::PageId::Form122);
    auto* window = program.Load<platform::ui::Form>(name);
    ASSERT_NE(window, nullptr);
    if (shown != window->window()) {
      if (shown) shown->hide();
      shown = window->window();
      window->show();
      shown->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
    }
    auto* box = qobject_cast<QLineEdit*>(window->Control(QString::fromLatin1(b.box)));
    ASSERT_NE(box, nullptr);
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    const qsizetype before = Prompts().size();
    dialogs.AnswerMessageBox(platform::kAnswerOk);
    QTest::keyClicks(box, "42,17O");
    QTest::keyClick(box, Qt::Key_Tab);
    ASSERT_EQ(Prompts().size(), before + 1);
    EXPECT_EQ(Prompts().back(), platform::NotANumberMessage());
    EXPECT_EQ(dialogs.CallsOf(platform::DialogKind::MessageBox).back().title, "Entry Error");
    EXPECT_EQ(box->text().toStdString(), "42,17O");
    EXPECT_TRUE(box->hasFocus());
    // Blank is no entry: left without a word.
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(Prompts().size(), before + 1);
  }
  EXPECT_FALSE(dialogs.Failed());
}

}  // namespace
