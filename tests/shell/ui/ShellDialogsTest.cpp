#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTextCursor>

#include "platform/ui/Form.h"
#include "prefs/Preferences.h"
#include "shell/ui/Form18.h"
#include "shell/ui/Form20.h"
#include "shell/ui/FormScaling.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/ShellDialogs.h"
#include "support/ui/ModalDriver.h"
#include "support/ui/ProgramFixture.h"

namespace {
struct ShellDialogsTest : ::testing::Test, ProgramFixture {};
}  // namespace

TEST_F(ShellDialogsTest, PreparerDialogOpensFittedAndFilled) {
  prefs::PreparerOffice.write("Lee & Park");
  shell::OpenPreparerDialog(program);
  auto* dialog = program.Find<shell::Form18>("Form18");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(platform::ui::Width(dialog), static_cast<float>(6480 * 1.28));  // stored as a single
  EXPECT_EQ(dialog->PreparerOffice->text(), "Lee & Park");
  EXPECT_TRUE(dialog->OptionOne->isChecked());
}

TEST_F(ShellDialogsTest, HelpWindowsOpenAtTheTopInTheScreensSize) {
  const struct {
    void (*open)(shell::Program&);
    const char* name;
    const char* heading;
  } cases[] = {{shell::OpenPresentValueHelp, "Form4", "Present Value Of The Alimony Award"},
               {shell::OpenPensionHelp, "Form8", "A Note On Pension Valuations In Dadudav"}};
  for (const auto& c : cases) {
    c.open(program);
    auto* help = program.Find<shell::HelpWindow>(c.name);
    ASSERT_NE(help, nullptr) << c.name;
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->PlainText().startsWith(c.heading)) << c.name;
    EXPECT_TRUE(help->RichTextBox1->isReadOnly());
    QTextCursor end(help->RichTextBox1->document());
    end.movePosition(QTextCursor::End);
    EXPECT_DOUBLE_EQ(end.charFormat().fontPointSize(), 12 * 1.28) << c.name;
    EXPECT_EQ(help->RichTextBox1->textCursor().position(), 0);
  }
}

TEST_F(ShellDialogsTest, ScalingDialogIsModalAndReturnsWhenClosed) {
  testenv::WhenModal<shell::FormScaling>([](shell::FormScaling& dialog) {
    EXPECT_EQ(dialog.Adjustment->text(), "1");
    dialog.Adjustment->setText("0.7");
    dialog.ApplyScaling_Click();
    dialog.close();
  });
  shell::OpenDisplayScaling(program);
  EXPECT_EQ(prefs::MonAdj.read(), "0.7");
  EXPECT_FALSE(program.IsFormLoaded("FormScaling"));
}

TEST_F(ShellDialogsTest, ColourPickerIsModalAndReturnsOnUse) {
  testenv::WhenModal<shell::Form20>([](shell::Form20& picker) {
    picker.Option3_Click();
    picker.Button4_Click();
  });
  shell::OpenButtonColorPicker(program);
  EXPECT_EQ(prefs::VisualStyle.read(), "False");
  EXPECT_EQ(prefs::BorderStyle.read(), "3");
  EXPECT_FALSE(program.IsFormLoaded("Form20"));
}
