#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QPointer>

#include "calculators/ui/CalculatorWindow.h"
#include "calculators/ui/Form7.h"
#include "calculators/ui/Form72t.h"
#include "calculators/ui/FormFin.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/EntryBox.h"
#include "support/ui/ProgramFixture.h"

using namespace calculators::ui;

namespace {

struct CalculatorCommandsTest : ::testing::Test, ProgramFixture {
  QWidget* Shown(const char* name) {
    QWidget* w = program.Find(QString::fromLatin1(name));
    return w && w->isVisible() ? w : nullptr;
  }
};

const char* const kCalculators[] = {"FormFin", "Form7", "Form72t"};

TEST_F(CalculatorCommandsTest, EveryCalculatorOpensByNameFittedAndModeless) {
  const double designWidths[] = {11040, 11520, 11520};  // FormFin, Form7, Form72t
  for (int k = 0; k < 3; ++k) {
    const char* name = kCalculators[k];
    platform::ui::Form* w = OpenCalculator(program, QString::fromLatin1(name), 5);
    ASSERT_NE(w, nullptr) << name;
    EXPECT_EQ(program.State.CalculatorCaller, 5);
    EXPECT_TRUE(w->isVisible()) << name;
    EXPECT_FALSE(w->isModal()) << name;
    // Fitted to the 1024 x 768 screen: 1.28 times the 800 x 600 design.
    EXPECT_EQ(platform::ui::Width(w), static_cast<float>(designWidths[k] * 1.28)) << name;
    w->hide();
  }
  EXPECT_NE(program.Load<FormFin>("FormFin"), nullptr);
  EXPECT_NE(program.Load<Form7>("Form7"), nullptr);
  EXPECT_NE(program.Load<Form72t>("Form72t"), nullptr);
}

// Return and the close box show the window CalculatorCaller names (the
// Express screen for any value but 3 and 5, and for those while the result
// window is not built) and unload the calculator.
TEST_F(CalculatorCommandsTest, ReturnAndCloseGoBackToTheCaller) {
  const struct { std::int16_t caller; bool resultWindows; const char* shown; } cases[] = {
      {1, true, "Form1"}, {0, true, "Form1"},  {7, true, "Form1"},  {3, true, "Form3"},
      {5, true, "Form5"}, {3, false, "Form1"}, {5, false, "Form1"},
  };
  for (const bool viaCloseBox : {false, true}) {
    for (const auto& c : cases) {
      for (const char* name : kCalculators) {
        ProgramFixture fresh;
        // Stand-ins for the result windows, or a program without them.
        for (const char* result : {"Form3", "Form5"}) {
          platform::ui::WindowRegistry::Factory factory;
          if (c.resultWindows)
            factory = [result] { return std::make_unique<platform::ui::Form>(QString::fromLatin1(result)); };
          fresh.program.Windows().SetFactory(QString::fromLatin1(result), std::move(factory));
        }
        QPointer<platform::ui::Form> w = OpenCalculator(fresh.program, QString::fromLatin1(name), c.caller);
        ASSERT_TRUE(w);
        if (viaCloseBox) {
          w->close();
        } else if (auto* fin = qobject_cast<FormFin*>(w.data())) {
          fin->cmdReturn->click();
        } else {
          qobject_cast<platform::ui::ButtonPlus*>(w->Control(QStringLiteral("Return")))->click();
        }
        DeleteClosed();
        EXPECT_FALSE(w) << name << " caller " << c.caller;
        EXPECT_FALSE(fresh.program.IsFormLoaded(QString::fromLatin1(name)));
        QWidget* shown = fresh.program.Find(QString::fromLatin1(c.shown));
        ASSERT_NE(shown, nullptr) << name << " caller " << c.caller;
        EXPECT_TRUE(shown->isVisible()) << name << " caller " << c.caller << (viaCloseBox ? " close box" : " Return");
        shown->hide();
      }
    }
  }
}

TEST_F(CalculatorCommandsTest, ReopeningStartsWithEmptyEntries) {
  auto* fin = qobject_cast<FormFin*>(OpenCalculator(program, "FormFin", 1));
  fin->Option_Click(1);
  fin->Text[0]->setText("100000");
  fin->cmdReturn_Click();
  DeleteClosed();
  fin = qobject_cast<FormFin*>(OpenCalculator(program, "FormFin", 1));
  EXPECT_EQ(fin->FinCalcMode, 0);
  EXPECT_TRUE(fin->Text[0]->text().isEmpty());
  EXPECT_FALSE(fin->Text[0]->isVisibleTo(fin));
}

TEST_F(CalculatorCommandsTest, QuitAnsweredNoChangesNothing) {
  auto* w = OpenCalculator(program, "Form7", 1);
  dialogs.AnswerMessageBox(platform::kAnswerNo);
  w->MenuItem("QuitProgram")->trigger();
  const auto calls = dialogs.CallsOf(platform::DialogKind::MessageBox);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].prompt, "Have You Saved Your Case Data? -  Do You Want To Quit Program?");
  EXPECT_EQ(calls[0].buttons, platform::kBoxYesNo);
  EXPECT_EQ(calls[0].title, "Exit");
  EXPECT_EQ(program.State.QuitConfirmed, 0);
  EXPECT_FALSE(program.Ended());
  EXPECT_TRUE(w->isVisible());
}

// Ending the program leaves Qt's event loops unable to start again in this
// process; ctest runs each test in a process of its own.
TEST_F(CalculatorCommandsTest, QuitAnsweredYesClosesEveryWindowAndEnds) {
  program.Load("Form1")->show();
  auto* w = OpenCalculator(program, "FormFin", 1);
  dialogs.AnswerMessageBox(platform::kAnswerYes);
  w->MenuItem("Quit")->trigger();
  EXPECT_EQ(program.State.QuitConfirmed, 1);
  EXPECT_TRUE(program.Ended());
  DeleteClosed();
  EXPECT_FALSE(program.IsFormLoaded("FormFin"));
  EXPECT_FALSE(Shown("Form1"));
}

TEST_F(CalculatorCommandsTest, PrinterSetupCancelledLeavesTheCalculatorAsItWas) {
  for (const char* name : kCalculators) {
    auto* w = OpenCalculator(program, name, 1);
    dialogs.AnswerPrinterSetup(std::nullopt);  // cancelled: nothing happens
    w->MenuItem("PrinterSetup")->trigger();
    EXPECT_TRUE(w->isVisible()) << name;
    w->hide();
  }
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join('\n').toStdString();
  EXPECT_EQ(dialogs.CallsOf(platform::DialogKind::PrinterSetup).size(), 3u);
}

TEST_F(CalculatorCommandsTest, MenusAsCaptioned) {
  auto* fin = OpenCalculator(program, "FormFin", 1);
  EXPECT_EQ(fin->MenuItem("Print")->text(), "     Print");
  EXPECT_EQ(fin->MenuItem("File")->text(), "File");
  auto* pension = OpenCalculator(program, "Form7", 1);
  EXPECT_EQ(pension->MenuItem("FIle")->text(), "     File");
  EXPECT_EQ(pension->MenuItem("QuitProgram")->text(), "Quit Program");
}

TEST_F(CalculatorCommandsTest, GreySchemeColoursFramesLabelsAndOptions) {
  program.State.SchemeBackColor = platform::Rgb(200, 210, 220);
  auto* fin = qobject_cast<FormFin*>(OpenCalculator(program, "FormFin", 1));
  fin->MakeFormFinGrey();
  for (QWidget* c : std::initializer_list<QWidget*>{fin->Frame3, fin->Label[2], fin->lblAnswerNote, fin->Option[6]})
    EXPECT_EQ(platform::ui::BackColor(c), program.State.SchemeBackColor) << c->objectName().toStdString();
  EXPECT_NE(platform::ui::BackColor(fin->Text[0]), program.State.SchemeBackColor);
}

}  // namespace
