// Every amount box of the program's windows keeps to the one amount limit:
// an amount past it, typed or pasted, is taken back with the limit's message.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "app/ui/StartupLayout.h"
#include "platform/AmountLimit.h"
#include "platform/ui/Form.h"
#include "support/ui/ProgramFixture.h"

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

}  // namespace
