#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QTabBar>

#include "platform/ui/ButtonPlus.h"
#include "platform/ui/Form.h"
#include "platform/ui/TabControl.h"
#include "prefs/Preferences.h"
#include "shell/StartupDefaults.h"
#include "shell/ui/Form20.h"
#include "support/ui/ProgramFixture.h"

using platform::DialogKind;
using platform::ui::ButtonPlus;
using shell::Form20;

namespace {

// A stand-in for one of the windows the picker recolours: a label in the
// button face, a label in a fixed colour, a tagged and an untagged button.
struct Sample : platform::ui::Form {
  explicit Sample(const QString& name) : Form(name) {
    faceLabel = add<QLabel>("Label1", nullptr, 0, 0, 1000, 300);
    blueLabel = add<QLabel>("Label2", nullptr, 0, 300, 1000, 300);
    platform::ui::SetBackColor(blueLabel, platform::Rgb(0, 0, 255));
    tagged = add<ButtonPlus>("Command1", nullptr, 0, 600, 1000, 300);
    platform::ui::SetTag(tagged, "1000");
    untagged = add<ButtonPlus>("Command2", nullptr, 0, 900, 1000, 300);
  }
  QLabel* faceLabel;
  QLabel* blueLabel;
  ButtonPlus* tagged;
  ButtonPlus* untagged;
};

struct Form20Test : ::testing::Test, ProgramFixture {
  Form20Test() {
    shell::FillDisplayDefaults();
    program.Windows().SetFactory("Form1", [] { return std::make_unique<Sample>("Form1"); });
  }
  Form20* Open() { return program.Load<Form20>("Form20"); }
  Sample* Express() { return static_cast<Sample*>(program.Find("Form1")); }
};

}  // namespace

TEST_F(Form20Test, ApplyingWritesTheStyleAndColours) {
  const struct {
    void (Form20::*choose)();
    const char* visualStyle;
    const char* borderStyle;
  } cases[] = {{&Form20::Option2_Click, "True", "3"},
               {&Form20::Option3_Click, "False", "3"},
               {&Form20::Button_Click, "False", "5"}};
  for (const auto& c : cases) {
    ProgramFixture run;
    run.program.Windows().SetFactory("Form1", [] { return std::make_unique<Sample>("Form1"); });
    run.dialogs.AnswerColorDialog(platform::Rgb(237, 233, 216));
    run.dialogs.AnswerColorDialog(255);
    auto* picker = run.program.Load<Form20>("Form20");
    (picker->*c.choose)();
    picker->ButtonPlus2_Click();  // back colour
    picker->ButtonPlus3_Click();  // font colour
    picker->Button4_Click();
    ProgramFixture::DeleteClosed();

    EXPECT_FALSE(run.program.IsFormLoaded("Form20"));
    EXPECT_EQ(prefs::VisualStyle.read(), c.visualStyle);
    EXPECT_EQ(prefs::BorderStyle.read(), c.borderStyle);
    EXPECT_EQ(prefs::BackColor.read(), "14215661");
    EXPECT_EQ(prefs::ForeColor.read(), "255");
    EXPECT_EQ(prefs::ThemeColor.read(), "8421504");
    // The open windows take the look at once, but only their tagged buttons.
    auto* express = static_cast<Sample*>(run.program.Find("Form1"));
    EXPECT_EQ(platform::ui::BackColor(express->tagged), platform::Rgb(237, 233, 216));
    EXPECT_EQ(express->tagged->BorderStyle(), QString(c.borderStyle).toInt());
    EXPECT_EQ(express->tagged->UseVisualStyles(), QString(c.visualStyle) == "True");
    EXPECT_FALSE(platform::ui::BackColor(express->untagged).has_value());
  }
}

TEST_F(Form20Test, OpensOnTheStoredStyle) {
  const struct {
    const char* visualStyle;
    const char* borderStyle;
    Form20::Style style;
  } cases[] = {{"False", "3", Form20::Style::Solid},
               {"True", "5", Form20::Style::Standard},
               {"True", "3", Form20::Style::Standard},
               {"False", "5", Form20::Style::Themed},
               {"maybe", "x", Form20::Style::Themed}};
  for (const auto& c : cases) {
    prefs::VisualStyle.write(c.visualStyle);
    prefs::BorderStyle.write(c.borderStyle);
    Form20* picker = Open();
    EXPECT_EQ(picker->SelectedStyle(), c.style) << c.visualStyle << " " << c.borderStyle;
    const bool themed = c.style == Form20::Style::Themed;
    EXPECT_EQ(picker->ButtonPlus1->isEnabled(), themed);
    EXPECT_EQ(picker->ButtonPlus3->isEnabled(), !themed);
    EXPECT_EQ(picker->Picture3->isVisibleTo(picker), !themed);
    picker->close();
    ProgramFixture::DeleteClosed();
  }
}

TEST_F(Form20Test, ResetIsStoredOnlyWhenApplied) {
  prefs::BackColor.write("255");
  prefs::VisualStyle.write("True");
  prefs::BorderStyle.write("3");
  Form20* picker = Open();
  picker->SetDefault_Click();
  picker->close();  // the close box discards the reset
  ProgramFixture::DeleteClosed();
  EXPECT_EQ(prefs::BackColor.read(), "255");
  EXPECT_EQ(prefs::VisualStyle.read(), "True");

  picker = Open();
  picker->SetDefault_Click();
  EXPECT_EQ(picker->SelectedStyle(), Form20::Style::Themed);
  picker->Button4_Click();
  EXPECT_EQ(prefs::ThemeColor.read(), "8421504");
  EXPECT_EQ(prefs::BackColor.read(), "12632319");
  EXPECT_EQ(prefs::ForeColor.read(), "0");
  EXPECT_EQ(prefs::VisualStyle.read(), "False");
  EXPECT_EQ(prefs::BorderStyle.read(), "5");
}

TEST_F(Form20Test, CancelledColourDialogChangesNothing) {
  dialogs.AnswerColorDialog(std::nullopt);
  Form20* picker = Open();
  picker->ButtonPlus2_Click();
  EXPECT_EQ(platform::ui::BackColor(picker->Picture2), 12632319u);
  EXPECT_EQ(dialogs.CallsOf(DialogKind::Color).size(), 1u);
}

TEST_F(Form20Test, SchemeIsAppliedAndStoredWhenChosen) {
  program.Load("Form1");
  // Opening with the program's scheme stored applies it.
  Form20* picker = Open();
  EXPECT_TRUE(picker->FormDefault->isChecked());
  EXPECT_EQ(platform::ui::BackColor(Express()->faceLabel), platform::kSchemeFace);
  EXPECT_EQ(platform::ui::BackColor(picker->Picture4), platform::kSchemeFace);
  EXPECT_EQ(platform::ui::BackColor(picker->Picture5), platform::kSysButtonFace);

  picker->FormWin->setChecked(true);
  EXPECT_EQ(prefs::ScreenDefault.read(), "Sys");
  EXPECT_EQ(program.State.SchemeBackColor, platform::kSysButtonFace);
  EXPECT_EQ(platform::ui::BackColor(Express()->faceLabel), platform::kSysButtonFace);
  EXPECT_EQ(platform::ui::BackColor(Express()->blueLabel), platform::Rgb(0, 0, 255));
  picker->close();  // the scheme stays though nothing is applied
  ProgramFixture::DeleteClosed();
  EXPECT_EQ(prefs::ScreenDefault.read(), "Sys");

  for (const char* stored : {"Sys", "Grey"}) {
    prefs::ScreenDefault.write(stored);
    picker = Open();
    EXPECT_TRUE(picker->FormWin->isChecked()) << stored;
    EXPECT_EQ(prefs::ScreenDefault.read(), "Sys");
    picker->FormDefault->setChecked(true);
    EXPECT_EQ(prefs::ScreenDefault.read(), "TV");
    EXPECT_EQ(platform::ui::BackColor(Express()->faceLabel), platform::kSchemeFace);
    picker->close();
    ProgramFixture::DeleteClosed();
  }
}

// A scheme change reaches every loaded window at once, windows outside the
// scheme list and the income windows' tabs included.
TEST_F(Form20Test, SchemeChangeReachesEveryLoadedWindowAndTheIncomeTabs) {
  program.Windows().SetFactory("FormOther", [] { return std::make_unique<Sample>("FormOther"); });
  auto* other = static_cast<Sample*>(program.Load("FormOther"));
  QWidget* income = program.Load("Form13");
  ASSERT_NE(income, nullptr);
  auto* tabs = income->findChild<QWidget*>("SSTab1");
  ASSERT_NE(tabs, nullptr);
  Form20* picker = Open();
  picker->FormWin->setChecked(true);
  EXPECT_EQ(platform::ui::BackColor(other->faceLabel), platform::kSysButtonFace);
  EXPECT_EQ(platform::ui::BackColor(tabs), platform::kSysButtonFace);
  EXPECT_EQ(tabs->palette().color(QPalette::Window), platform::ToQColor(platform::kSysButtonFace));
  picker->FormDefault->setChecked(true);
  EXPECT_EQ(platform::ui::BackColor(other->faceLabel), platform::kSchemeFace);
  EXPECT_EQ(platform::ui::BackColor(tabs), platform::kSchemeFace);
}

// The income windows' tabs are painted in the scheme chosen at once: the
// strip beside the tabs and the face of the tab shown, read from the painted
// control.
TEST_F(Form20Test, IncomeTabsArePaintedInTheSchemeChosen) {
  auto* income = static_cast<platform::ui::Form*>(program.Load("Form13"));
  ASSERT_NE(income, nullptr);
  auto* tabs = income->findChild<platform::ui::TabControl*>("SSTab1");
  ASSERT_NE(tabs, nullptr);
  auto painted = [tabs] {
    const QImage picture = tabs->grab().toImage();
    const QRect face = tabs->Bar()->tabRect(tabs->Tab());
    return std::pair{picture.pixelColor(tabs->width() - 3, 3), picture.pixelColor(face.left() + 3, face.center().y())};
  };
  const QColor beige = platform::ToQColor(platform::kSchemeFace);
  EXPECT_EQ(painted(), std::pair(beige, beige));  // loaded with the program's scheme

  Form20* picker = Open();
  picker->FormWin->setChecked(true);
  const QColor system = platform::ToQColor(platform::kSysButtonFace);
  ASSERT_NE(system, beige);
  EXPECT_EQ(painted(), std::pair(system, system));
  picker->FormDefault->setChecked(true);
  EXPECT_EQ(painted(), std::pair(beige, beige));
}
