#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "express/ui/Form1.h"
#include "prefs/Preferences.h"
#include "support/ui/ProgramFixture.h"

using express::Form1;

TEST(Form1, SequencingSettersSwitchMarksValuesAndFields) {
  ProgramFixture run;
  Form1 express(run.program);
  QLineEdit* childSupport = express.ChildSupport;
  QLineEdit* transfer = express.CurrentMaintTransfer;
  QCheckBox* apply = express.ApplyMaintToCS;
  transfer->setText("$1,000");

  express.SetCSFirst();
  EXPECT_TRUE(express.DontAutoCalc->isChecked());
  EXPECT_FALSE(express.AutoCalc->isChecked());
  EXPECT_EQ(run.program.Case.Express.SequencingMode, 0);
  EXPECT_EQ(run.program.Case.Express.MaintAppliedToCS, 0);
  EXPECT_TRUE(childSupport->isVisibleTo(&express));
  EXPECT_FALSE(transfer->isVisibleTo(&express));
  EXPECT_FALSE(apply->isChecked());
  EXPECT_EQ(transfer->text(), "");

  childSupport->setText("$500");
  express.SetMaintFirst();
  EXPECT_TRUE(express.AutoCalc->isChecked());
  EXPECT_FALSE(express.DontAutoCalc->isChecked());
  EXPECT_EQ(run.program.Case.Express.SequencingMode, 1);
  EXPECT_EQ(run.program.Case.Express.MaintAppliedToCS, 1);
  EXPECT_FALSE(childSupport->isVisibleTo(&express));
  EXPECT_TRUE(transfer->isVisibleTo(&express));
  EXPECT_TRUE(apply->isChecked());
  EXPECT_FALSE(apply->isVisibleTo(&express));
  EXPECT_EQ(childSupport->text(), "$500");
  // Neither stores anything.
  EXPECT_EQ(prefs::MaintMode.read(), "");
}

TEST(Form1, MethodItemsMarkOnceAndAlwaysStore) {
  ProgramFixture run;
  Form1 express(run.program);
  express.Winters_Click();  // marked already: marks stay, the key is written
  EXPECT_TRUE(express.Winters->isChecked());
  EXPECT_FALSE(express.Dual->isChecked());
  EXPECT_EQ(prefs::SplitDefault.read(), "Winters");
  express.Dual_Click();
  EXPECT_TRUE(express.Dual->isChecked());
  EXPECT_FALSE(express.Winters->isChecked());
  EXPECT_EQ(prefs::SplitDefault.read(), "Dual");
  express.Linear_Click();
  EXPECT_TRUE(express.Linear->isChecked());
  EXPECT_FALSE(express.Closest->isChecked());
  EXPECT_EQ(prefs::InterpDefault.read(), "Linear");
  express.Closest_Click();
  EXPECT_TRUE(express.Closest->isChecked());
  EXPECT_EQ(prefs::InterpDefault.read(), "Closest");
}
