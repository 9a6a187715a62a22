// Commands that open a window fitted as it opens, clicked a second time while
// the window is open: the window comes to the front as it is.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include <functional>

#include "alimony/ui/AlimonyResult.h"
#include "alimony/ui/Form3.h"
#include "calculators/ui/CalculatorWindow.h"
#include "calculators/ui/Form7.h"
#include "express/ui/TypedCase.h"
#include "platform/Fonts.h"
#include "platform/ui/ButtonPlus.h"
#include "results/ui/Form5.h"

namespace {

struct OpeningCommand {
  const char* name;
  const char* window;
  std::function<void()> click;
};

// Clicks each command twice: the window is open after the first click and
// keeps its size on the second; then it is closed as the user closes it.
void ClickEachTwice(shell::Program& program, const std::vector<OpeningCommand>& commands) {
  for (const OpeningCommand& c : commands) {
    SCOPED_TRACE(c.name);
    c.click();
    QWidget* first = program.Find(QLatin1String(c.window));
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(first->isVisible());
    const QSize size = first->size();
    c.click();
    QWidget* again = program.Find(QLatin1String(c.window));
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(again->size(), size);
    again->close();
    ProgramFixture::DeleteClosed();
  }
}

TEST(OpeningCommands, ASecondClickBringsTheOpenWindowForwardAsItIs) {
  platform::RegisterTahomaIfMissing();
  TypedCase run;
  shell::Program& program = run.program;
  express::Form1& w = run.express;
  w.show();
  auto click = [](QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); };
  ClickEachTwice(program, {
      {"View Ed/Skills Score Table", "Form2", [&] { click(w.EdSkillsCommand); }},
      {"Change Preparer's Default Name, Office, Top Margin", "Form18",
       [&] { w.MenuItem(QStringLiteral("ChangePreparer"))->trigger(); }},
      {"Overnight Count Estimator", "FormOnight", [&] { w.MenuItem(QStringLiteral("OnightsE"))->trigger(); }},
  });

  w.ChildSupportButton->click();
  auto* form5 = program.Find<results::ui::Form5>(QStringLiteral("Form5"));
  ASSERT_NE(form5, nullptr);
  ASSERT_TRUE(form5->isVisible()) << run.Prompts().join(" | ").toStdString();
  ClickEachTwice(program, {
      {"Print Report", "FormVS", [&] { form5->MenuItem(QStringLiteral("PrintReport"))->trigger(); }},
      {"Show Tax Credits", "Form10", [&] { click(form5->ClaimCreditsButton); }},
      {"Run A Dependency/Overnight Flip Calculation", "FormDepends",
       [&] { form5->MenuItem(QStringLiteral("RunFlipCalc"))->trigger(); }},
      {"Preparer's defaults of the result window", "Form18",
       [&] { form5->MenuItem(QStringLiteral("PreparerDefaults"))->trigger(); }},
  });

  alimony::ui::Form3* form3 = alimony::ui::LoadAlimonyResult(program);
  ASSERT_NE(form3, nullptr);
  form3->show();
  ClickEachTwice(program, {{"? of the present value", "Form4", [&] { click(form3->PVHelp); }}});

  auto* pension = qobject_cast<calculators::ui::Form7*>(calculators::ui::OpenCalculator(program, "Form7", 3));
  ASSERT_NE(pension, nullptr);
  ClickEachTwice(program, {{"About These Models", "Form8", [&] { click(pension->About); }}});
  EXPECT_FALSE(run.dialogs.Failed()) << run.dialogs.Failures().join('\n').toStdString();
}

}  // namespace
