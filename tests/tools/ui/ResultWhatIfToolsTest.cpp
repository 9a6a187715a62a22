#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTest>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "express/ui/TypedCase.h"
#include "platform/Fonts.h"
#include "platform/NumberText.h"
#include "platform/document/Document.h"
#include "platform/ui/ButtonPlus.h"
#include "results/ui/Form10.h"
#include "results/ui/Form5.h"
#include "results/ui/PictureBox.h"
#include "tools/ui/ResultWhatIfTools.h"
#include "alimony/ui/Form3.h"
#include "tools/ui/BonusWindow.h"
#include "tools/ui/FormDepends.h"
#include "tools/ui/FormOnight.h"
#include "tools/ui/LinesPicture.h"
#include "support/TestEnvironment.h"

using casevars::Party;

namespace {

// A case typed on the Express screen and run from its button, so that the
// result window, the income windows and the case are the program's own.
struct RunCase : TypedCase {
  results::ui::Form5* form = nullptr;

  RunCase() {
    platform::RegisterTahomaIfMissing();
    express.show();
    express.ChildSupportButton->click();
    form = program.Find<results::ui::Form5>(QStringLiteral("Form5"));
  }
  QAction* Item(const char* name) const { return form->MenuItem(QLatin1String(name)); }
  std::string Failures() const { return Prompts().join(" | ").toStdString(); }

  // What a what-if run must leave as it found it.
  struct Snapshot {
    double transfer, payerEarned;
    std::int16_t claimUnder17, payerUnder17;
    QString field, earnedBox;
    QStringList transferText, claimPicture;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot Take() {
    const casevars::CaseVars& cv = program.Case;
    return {cv.Support.MoChildSupportTransfer, cv.Income.Payer.YrEarned, cv.Express.Claim.Under17Children,
            cv.Express.Payer.Under17Children, express.ChildSupport->text(), Window(Party::Payer).Box("Earned")->text(),
            form->Picture3->Canvas()->Lines(), form->Picture5->Canvas()->Lines()};
  }
};

std::ostream& operator<<(std::ostream& os, const RunCase::Snapshot& s) {
  return os << s.transfer << " " << s.field.toStdString() << " " << s.earnedBox.toStdString() << " "
            << s.claimUnder17 << "/" << s.payerUnder17;
}

// "Run A Dependency/Overnight Flip Calculation" after a run from the Express
// screen: the calculator opens beside the result window, filled from the
// case; Calculate shows the difference and puts the case back.
TEST(ResultWhatIfTools, DependencyCalculatorRunsOnTheCaseAndPutsItBack) {
  RunCase run;
  ASSERT_NE(run.form, nullptr);
  ASSERT_TRUE(run.Prompts().isEmpty()) << run.Failures();
  const RunCase::Snapshot before = run.Take();

  run.Item("RunFlipCalc")->trigger();
  auto* depends = run.program.Find<tools::ui::FormDepends>(QStringLiteral("FormDepends"));
  ASSERT_NE(depends, nullptr);
  EXPECT_TRUE(depends->isVisible());
  EXPECT_TRUE(run.form->isVisible());
  EXPECT_EQ(platform::ui::Top(depends), 200);
  EXPECT_EQ(depends->ClaimDepend17->text(), "1");
  EXPECT_EQ(depends->PayerDepend17->text(), "1");
  EXPECT_EQ(depends->Frame1->title(), "Initial Dependencies");
  EXPECT_FALSE(depends->ClaimNights->isVisibleTo(depends));

  // The claimant claims both children under 17 for the child tax credit.
  depends->ClaimDepend17->setText("2");
  depends->PayerDepend17->setText("0");
  depends->Calculate->click();
  EXPECT_TRUE(run.Prompts().isEmpty()) << run.Failures();
  const auto lines = depends->Picture4->Lines();
  ASSERT_EQ(lines.size(), 3u);
  const QString old = platform::Format(before.transfer, "$####0");
  EXPECT_EQ(lines[0].label,
            " Original Child Support = " + old + " (" + platform::Format(12.0 * before.transfer, "$####0") + "/Yr)");
  EXPECT_TRUE(lines[2].label.startsWith(" Difference In Child Support Amounts = ")) << lines[2].label.toStdString();
  EXPECT_EQ(depends->Pictures[0]->Lines().at(0).label, " Petitioner's (Claimant) Income Adjustments /Yr");
  EXPECT_EQ(run.Take(), before);

  // A claimant who is the Respondent is named so on opening and in the run.
  run.express.MParentOption->setChecked(true);
  run.Item("RunFlipCalc")->trigger();
  EXPECT_EQ(depends->Picture1->Lines().at(0).label, " Respondent (Claimant)");
  depends->Calculate->click();
  EXPECT_EQ(depends->Pictures[0]->Lines().at(0).label, " Respondent's (Claimant) Income Adjustments /Yr");
  EXPECT_EQ(depends->Pictures[1]->Lines().at(0).label, " Petitioner's (Other Party) Income Adjustments/Yr");
}

// The calculator stays open while the user goes back to the Express screen
// and makes the claimant the Respondent: the next Calculate names the parties
// by the roles the screen holds then.
TEST(ResultWhatIfTools, DependencyCalculatorNamesTheRolesOfEachCalculation) {
  RunCase run;
  ASSERT_NE(run.form, nullptr);
  run.Item("RunFlipCalc")->trigger();
  auto* depends = run.program.Find<tools::ui::FormDepends>(QStringLiteral("FormDepends"));
  ASSERT_NE(depends, nullptr);
  QTest::mouseClick(run.form->ReturnToDataCommand, Qt::LeftButton);
  ASSERT_TRUE(run.express.isVisible());
  ASSERT_TRUE(depends->isVisible());

  const auto headings = [depends] {
    return (depends->Pictures[0]->Lines().at(0).label + " | " + depends->Pictures[1]->Lines().at(0).label).toStdString();
  };
  const auto click = [&run](QRadioButton* option) {
    run.dialogs.AnswerMessageBox(platform::kAnswerYes);  // "Are You Sure ... ?"
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
  };
  click(run.express.MParentOption);
  ASSERT_TRUE(run.express.MParentOption->isChecked());
  QTest::mouseClick(depends->Calculate, Qt::LeftButton);
  EXPECT_EQ(run.Prompts().size(), 1) << run.Failures();
  EXPECT_EQ(headings(), " Respondent's (Claimant) Income Adjustments /Yr | "
                       " Petitioner's (Other Party) Income Adjustments/Yr");

  click(run.express.FParentOption);
  QTest::mouseClick(depends->Calculate, Qt::LeftButton);
  EXPECT_EQ(headings(), " Petitioner's (Claimant) Income Adjustments /Yr | "
                       " Respondent's (Other Party) Income Adjustments/Yr");
}

// "Run A Bonus Calculation": the child support bonus calculator, modal over
// the result window, runs the program's child support and puts the other
// party's earned wages back.
TEST(ResultWhatIfTools, ChildSupportBonusRunGivesTheShareAndPutsTheCaseBack) {
  RunCase run;
  ASSERT_NE(run.form, nullptr);
  const RunCase::Snapshot before = run.Take();
  QString share;
  QStringList lines;
  testenv::WhenModal<tools::ui::BonusWindow>([&](tools::ui::BonusWindow& w) {
    EXPECT_EQ(w.Name(), "FormBonusCS");
    w.Text2->setText("$24,000");
    w.ButtonPlus1->click();
    share = w.Text1->text();
    for (const auto& line : w.Picture1->Lines()) lines << line.label;
    w.close();
  });
  run.Item("RunBonus")->trigger();
  EXPECT_TRUE(run.Prompts().isEmpty()) << run.Failures();
  ASSERT_EQ(lines.size(), 5);
  EXPECT_EQ(lines[0], "Child Support/Mo Without Bonus: " + platform::Format(before.transfer, "$####0") + " (" +
                          platform::Format(12.0 * before.transfer, "$####0") + "/Yr)");
  // More income for the paying party: more child support, a share above 0.
  EXPECT_NE(lines[1], QString(lines[0]).replace("Without Bonus", "With Estimated Bonus"));
  EXPECT_TRUE(share.endsWith('%'));
  EXPECT_NE(share, ".00%");
  EXPECT_EQ(run.Take(), before);
}

// The alimony bonus calculator runs the case score and the alimony
// calculation with the program's windows, and both come back after the run.
TEST(ResultWhatIfTools, AlimonyBonusRunUsesTheProgramsAlimonyCalculation) {
  RunCase run;
  for (auto [name, text] : {std::pair{"ClaimAge", "40"}, {"YrsMarriage", "12"}, {"EdSkillScore", "5"}})
    run.express.Fields().SetText(QLatin1String(name), QLatin1String(text));
  run.express.AlimonyButton->click();
  const double award = run.program.Case.Alimony.YrAlimonyAward;
  ASSERT_GT(award, 0) << run.Failures();
  const QString earned = run.Window(Party::Payer).Box("Earned")->text();
  QString share;
  testenv::WhenModal<tools::ui::BonusWindow>([&](tools::ui::BonusWindow& w) {
    EXPECT_EQ(w.Name(), "FormBonusAlm");
    w.Text2->setText("24000");
    w.ButtonPlus1->click();
    share = w.Text1->text();
    w.close();
  });
  auto* form3 = run.program.Find<alimony::ui::Form3>(QStringLiteral("Form3"));
  ASSERT_NE(form3, nullptr);
  form3->MenuItem(QStringLiteral("RunBonus"))->trigger();
  EXPECT_NE(share, ".00%");
  EXPECT_TRUE(share.endsWith('%'));
  EXPECT_EQ(run.program.Case.Alimony.YrAlimonyAward, award);
  EXPECT_EQ(run.Window(Party::Payer).Box("Earned")->text(), earned);
}

// A new case closes the windows opened for the old one: after Clear Data no
// dependency calculator or tax credit window of the old case is left to run
// or print.
TEST(ResultWhatIfTools, ClearDataClosesTheWindowsOfTheOldCase) {
  RunCase run;
  ASSERT_NE(run.form, nullptr);
  run.Item("RunFlipCalc")->trigger();
  QTest::mouseClick(run.form->ClaimCreditsButton, Qt::LeftButton);
  QTest::mouseClick(run.form->ReturnToDataCommand, Qt::LeftButton);
  ASSERT_TRUE(run.express.isVisible());
  for (const char* name : {"FormDepends", "Form10"}) ASSERT_TRUE(run.program.Find(QLatin1String(name))->isVisible());

  run.dialogs.AnswerMessageBox(platform::kAnswerNo);  // not cleared: they stay
  QTest::mouseClick(run.express.ClearData, Qt::LeftButton);
  for (const char* name : {"FormDepends", "Form10"}) EXPECT_TRUE(run.program.Find(QLatin1String(name))->isVisible());

  run.dialogs.AnswerMessageBox(platform::kAnswerYes);
  QTest::mouseClick(run.express.ClearData, Qt::LeftButton);
  ASSERT_TRUE(run.express.ClaimantName->text().isEmpty());
  RunCase::DeleteClosed();
  for (const char* name : {"FormDepends", "Form10"})
    EXPECT_FALSE(run.program.IsFormLoaded(QLatin1String(name))) << name;
}

// A case opened from its file is a new case too: the dependency calculator
// of the case before closes, and the bonus calculator's report no longer
// prints the figures of the bonus run made on it.
TEST(ResultWhatIfTools, OpeningACaseDropsTheBonusFiguresOfTheOldOne) {
  RunCase run;
  ASSERT_NE(run.form, nullptr);
  const auto report = [&run] {
    QStringList texts;
    testenv::WhenModal<tools::ui::BonusWindow>([&](tools::ui::BonusWindow& w) {
      w.Printer.setupFor = [](const platform::PrinterChoice&) { return platform::PrinterSetup{}; };
      w.Printer.print = [&](const platform::Document& doc, const platform::PrinterChoice&) {
        for (const platform::TextRun* r : doc.pages.at(0).textRuns()) texts << r->text;
        return platform::OutputResult{};
      };
      run.dialogs.AnswerPrintDialog(platform::PrinterChoice{});
      w.PrintReport_Click();
      w.close();
    });
    run.Item("RunBonus")->trigger();
    return texts;
  };
  const QString share = QStringLiteral("PerCent Of Yearly Bonus To Transfer As Child Support To Claimant = ");
  testenv::WhenModal<tools::ui::BonusWindow>([](tools::ui::BonusWindow& w) {
    QTest::keyClicks(w.Text2, "$24,000");
    QTest::mouseClick(w.ButtonPlus1, Qt::LeftButton);
    w.close();
  });
  run.Item("RunBonus")->trigger();
  ASSERT_FALSE(report().contains(share + ".00%"));
  run.Item("RunFlipCalc")->trigger();
  QTest::mouseClick(run.form->ReturnToDataCommand, Qt::LeftButton);

  const QString path = testenv::scratchFolder() + "/Opened Case.PVX";
  QFile::remove(path);
  run.dialogs.AnswerSaveDialog(testenv::scratchFolder() + "/Opened Case");
  run.express.MenuItem(QStringLiteral("Save"))->trigger();
  ASSERT_TRUE(QFile::exists(path)) << run.Failures();
  run.dialogs.AnswerOpenDialog(path);
  run.express.MenuItem(QStringLiteral("Open"))->trigger();
  RunCase::DeleteClosed();
  EXPECT_FALSE(run.program.IsFormLoaded(QStringLiteral("FormDepends")));

  QTest::mouseClick(run.express.ChildSupportButton, Qt::LeftButton);
  run.form = run.program.Find<results::ui::Form5>(QStringLiteral("Form5"));
  ASSERT_TRUE(run.form && run.form->isVisible()) << run.Failures();
  const QStringList printed = report();
  EXPECT_TRUE(printed.contains(share + ".00%")) << printed.join(" | ").toStdString();
}

// "Overnight Count Estimator" opens the estimator beside the result window;
// opened again while loaded, it keeps its entries and is not fitted again.
TEST(ResultWhatIfTools, OvernightEstimatorOpensBesideTheResultWindow) {
  RunCase run;
  ASSERT_NE(run.form, nullptr);
  run.program.State.CalculatorCaller = 1;
  run.Item("OvernightEstimator")->trigger();
  auto* estimator = run.program.Find<tools::ui::FormOnight>(QStringLiteral("FormOnight"));
  ASSERT_NE(estimator, nullptr);
  EXPECT_TRUE(estimator->isVisible());
  EXPECT_TRUE(run.form->isVisible());
  EXPECT_EQ(run.program.State.CalculatorCaller, 1);
  estimator->Box(tools::OvernightBox::SchoolNights)->setText("6");
  const QSize size = estimator->size();
  run.Item("OvernightEstimator")->trigger();
  EXPECT_EQ(run.program.Find<tools::ui::FormOnight>(QStringLiteral("FormOnight")), estimator);
  EXPECT_EQ(estimator->Box(tools::OvernightBox::SchoolNights)->text(), "6");
  EXPECT_EQ(estimator->size(), size);
}

}  // namespace
