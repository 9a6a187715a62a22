#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "express/ExpressFields.h"
#include "express/ui/ExpressFixture.h"
#include "platform/Dialogs.h"
#include "platform/ui/ButtonPlus.h"
#include "prefs/Preferences.h"

using platform::DialogKind;

namespace {

void Click(QAbstractButton* option) {
  QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

QStringList Prompts(const platform::ScriptedDialogs& dialogs) {
  QStringList prompts;
  for (const auto& call : dialogs.CallsOf(DialogKind::MessageBox)) prompts << call.prompt;
  return prompts;
}

// Closing the Express screen asks before the program ends; only Yes ends it.
TEST(Form1Window, ClosingAsksWhetherToQuitAndOnlyYesEndsTheProgram) {
  ExpressFixture run;
  run.express.show();
  run.express.ClaimantName->setText("Marsh");
  run.dialogs.AnswerMessageBox(platform::kAnswerNo);
  EXPECT_FALSE(run.express.close());
  ASSERT_EQ(run.dialogs.CallsOf(DialogKind::MessageBox).size(), 1u);
  const auto asked = run.dialogs.CallsOf(DialogKind::MessageBox)[0];
  EXPECT_EQ(asked.prompt, "Have You Saved Your Case Data? -  Do You Want To Quit Program?");
  EXPECT_EQ(asked.title, "Exit");
  EXPECT_EQ(asked.buttons, platform::kBoxYesNo);
  EXPECT_TRUE(run.express.isVisible());
  EXPECT_FALSE(run.program.Ended());
  EXPECT_EQ(run.express.ClaimantName->text(), "Marsh");

  run.dialogs.AnswerMessageBox(platform::kAnswerYes);
  run.express.close();
  EXPECT_TRUE(run.program.Ended());
  EXPECT_EQ(run.program.State.QuitConfirmed, 1);
  EXPECT_FALSE(run.express.isVisible());
  // A close while the quit goes on asks nothing more.
  run.express.close();
  EXPECT_EQ(run.dialogs.CallsOf(DialogKind::MessageBox).size(), 2u);
  EXPECT_FALSE(run.dialogs.Failed());
}

// Each preference item, clicked in its menu, marks itself, clears its
// partner and stores its key; a marked item clicked again stays marked.
TEST(Form1Window, PreferenceItemsMarkThemselvesClearTheirPartnerAndStore) {
  ExpressFixture run;
  express::Form1& w = run.express;
  struct Case {
    QAction* item;
    QAction* partner;
    prefs::Preference key;
    const char* value;
  };
  const Case cases[] = {
      {w.MonthlyData, w.YearlyData, prefs::TimeDefault, "Monthly"},
      {w.MonthlyData, w.YearlyData, prefs::TimeDefault, "Monthly"},  // again: stays marked
      {w.YearlyData, w.MonthlyData, prefs::TimeDefault, "Yearly"},
      {w.Dual, w.Winters, prefs::SplitDefault, "Dual"},
      {w.Dual, w.Winters, prefs::SplitDefault, "Dual"},
      {w.Winters, w.Dual, prefs::SplitDefault, "Winters"},
      {w.Linear, w.Closest, prefs::InterpDefault, "Linear"},
      {w.Closest, w.Linear, prefs::InterpDefault, "Closest"},
      {w.Closest, w.Linear, prefs::InterpDefault, "Closest"},
      {w.AutoCalc, w.DontAutoCalc, prefs::MaintMode, "MaintFirst"},
      {w.LastLocation, w.UserDefault, prefs::FileSaveDefault, "WindowsDefault"},
  };
  for (const Case& c : cases) {
    c.item->trigger();
    EXPECT_TRUE(c.item->isChecked()) << c.value;
    EXPECT_FALSE(c.partner->isChecked()) << c.value;
    EXPECT_EQ(c.key.read(), c.value);
  }
  EXPECT_EQ(run.program.Case.Express.SequencingMode, 1);

  // The default folder: chosen in the folder picker, or kept on a cancel.
  prefs::DataLoc.write("/home/p/Cases");
  run.dialogs.AnswerBrowseForFolder("");
  w.UserDefault->trigger();
  EXPECT_TRUE(w.UserDefault->isChecked());
  EXPECT_FALSE(w.LastLocation->isChecked());
  EXPECT_EQ(prefs::FileSaveDefault.read(), "UserDefault");
  EXPECT_EQ(prefs::DataLoc.read(), "/home/p/Cases");
  run.dialogs.AnswerBrowseForFolder("/srv/cases");
  w.UserDefault->trigger();
  EXPECT_TRUE(w.UserDefault->isChecked());
  EXPECT_EQ(prefs::DataLoc.read(), "/srv/cases");
  // The standard information box tells the folder.
  const auto boxes = run.dialogs.CallsOf(DialogKind::Information);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_TRUE(run.dialogs.CallsOf(DialogKind::MessageBox).empty());
  EXPECT_EQ(boxes[0].title, "This Folder Remains Your Default Location For Data Saves");
  EXPECT_EQ(boxes[0].prompt, "/home/p/Cases");
  EXPECT_EQ(boxes[1].title, "This Folder Is Now Your Default Location For Data Saves");
  EXPECT_EQ(boxes[1].prompt, "/srv/cases");
  EXPECT_FALSE(run.dialogs.Failed());
}

// A double quote typed into any field arrives as an apostrophe.
TEST(Form1Window, TypedDoubleQuoteBecomesAnApostropheInEveryField) {
  ExpressFixture run;
  express::Form1& w = run.express;
  w.show();
  ExpressFixture::Type(w.ClaimantName, "The \"Smith\" case");
  EXPECT_EQ(w.ClaimantName->text(), "The 'Smith' case");
  ExpressFixture::Type(w.YrsMarriage, "1\"");
  EXPECT_EQ(w.YrsMarriage->text(), "1'");
}

// The plain code finds every control it names on the two windows.
TEST(Form1Window, WindowsKnowEveryControlNameOfTheScreenCode) {
  ExpressFixture run;
  const QStringList arrays = {"ChildFrame", "ClaimChild", "OtherChild", "ChildLabel"};
  for (const QString& name : express::ExpressControlNames()) {
    if (name == "AutoCalc" || name == "DontAutoCalc") {
      EXPECT_NE(run.express.MenuItem(name), nullptr) << name.toStdString();
      continue;
    }
    const QString control = arrays.contains(name) ? name + "(5)" : name;
    EXPECT_NE(run.express.Control(control), nullptr) << control.toStdString();
  }
  for (const QString& name : express::ParentingTimeControlNames())
    for (int i = 0; i < (name == "ShareFrame" ? 6 : 7); ++i)
      EXPECT_NE(run.time.Control(express::ControlLabel(name, i)), nullptr) << name.toStdString() << i;
}

// The worksheet role asks only on the user's click; No brings the other
// option back without a second question; a case setting it from code asks nothing.
TEST(Form1Window, WorksheetRoleAsksOnceOnAClickAndRevertsOnNo) {
  ExpressFixture run;
  express::Form1& w = run.express;
  w.show();
  run.dialogs.AnswerMessageBox(platform::kAnswerNo);
  Click(w.MParentOption);
  EXPECT_TRUE(w.FParentOption->isChecked());
  EXPECT_FALSE(w.MParentOption->isChecked());
  run.dialogs.AnswerMessageBox(platform::kAnswerYes);
  Click(w.MParentOption);
  EXPECT_TRUE(w.MParentOption->isChecked());
  Click(w.MParentOption);  // on already: nothing to ask
  w.Fields().SetValue("FParentOption", express::kOn);
  EXPECT_TRUE(w.FParentOption->isChecked());
  EXPECT_EQ(Prompts(run.dialogs),
            QStringList({"Are You Sure That You Want To Change The Claimant To Be The Respondent On The Child Support "
                         "Worksheet?",
                         "Are You Sure That You Want To Change The Claimant To Be The Respondent On The Child Support "
                         "Worksheet?"}));
  EXPECT_FALSE(run.dialogs.Failed());
}

// Choosing in a state tax combo box resets the party's state tax box.
TEST(Form1Window, StateTaxChoiceResetsTheBox) {
  ExpressFixture run;
  express::Form1& w = run.express;
  w.show();
  ExpressFixture::Retype(w.PayerStateTax, ".05");
  w.PayerStateTaxCombo->setFocus();
  QTest::keyClick(w.PayerStateTaxCombo, Qt::Key_Down);
  EXPECT_EQ(w.PayerStateTaxCombo->currentText(), "As Amount");
  EXPECT_EQ(w.PayerStateTax->text(), "$0");
  QTest::keyClick(w.PayerStateTaxCombo, Qt::Key_Up);
  EXPECT_EQ(w.PayerStateTax->text(), ".00");
  EXPECT_EQ(w.ClaimStateTax->text(), ".00");
}

// What the boxes take as typed: the counts digits only, two or five
// characters; the years, age and score five characters; the state-tax combo
// boxes their two items, whatever is typed into them.
TEST(Form1Window, BoxesTakeTheirLengthsAndCountsTheirDigits) {
  ExpressFixture run;
  express::Form1& w = run.express;
  w.show();
  struct Case {
    QLineEdit* box;
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {
      {w.NumChild, "a1b2c3", "12"},       {w.MinChild, "-4x", "4"},
      {w.ClaimDepend17, "123", "12"},     {w.PayerDepend17, "1.5", "15"},
      {w.ClaimNumCare, "1,234,567", "12345"}, {w.OtherNumCare, "x2", "2"},
      {w.YrsMarriage, "12.5678", "12.56"}, {w.ClaimAge, "45.5 years", "45.5 "},
      {w.EdSkillScore, "123456", "12345"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box->objectName().toStdString());
    ExpressFixture::Retype(c.box, QString::fromLatin1(c.typed));
    EXPECT_EQ(c.box->text(), QString::fromLatin1(c.kept));
  }
  for (QComboBox* combo : {w.ClaimStateTaxCombo, w.PayerStateTaxCombo}) {
    combo->setFocus();
    QTest::keyClicks(combo, "As Amt");
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(combo->count(), 2);
    EXPECT_TRUE(combo->currentText() == "As Rate" || combo->currentText() == "As Amount")
        << combo->currentText().toStdString();
  }
}

// Children counts and custody options typed and clicked as a preparer does.
TEST(Form1Window, ChildrenAndCustodyDrivenByKeysAndMouse) {
  ExpressFixture run;
  express::Form1& w = run.express;
  w.show();
  ExpressFixture::Type(w.NumChild, "3");
  run.dialogs.AnswerMessageBox(platform::kAnswerOk);
  ExpressFixture::Type(w.MinChild, "4");
  EXPECT_EQ(Prompts(run.dialogs), QStringList({"Minor Children Can Not Exceed Number Of Children Born"}));
  EXPECT_EQ(w.MinChild->text(), "");
  ExpressFixture::Type(w.MinChild, "3");
  EXPECT_FALSE(w.NoMinorOption->isEnabled());

  Click(w.SharedOption);
  EXPECT_TRUE(w.SharedCalc->isVisibleTo(&w));
  EXPECT_EQ(w.ShareSplitFrame->title(), "Shared Possession");
  EXPECT_TRUE(w.ClaimDays->isVisibleTo(&w));

  Click(w.SplitOption);
  EXPECT_FALSE(w.ShareSplitFrame->isVisibleTo(&w));
  EXPECT_EQ(w.ChildLabel[0]->text(), "Youngest Child");
  EXPECT_EQ(w.ChildLabel[1]->text(), "Middle Child");
  EXPECT_EQ(w.ChildLabel[2]->text(), "Oldest Child");
  EXPECT_FALSE(w.ChildFrame[3]->isVisibleTo(&w));
  Click(w.ClaimChild[0]);
  Click(w.OtherChild[1]);
  Click(w.ClaimChild[2]);
  EXPECT_EQ(w.ClaimantPossession11->text(), "2");
  EXPECT_EQ(w.OtherPossession11->text(), "1");
  const auto& ev = run.program.Case.Express;
  EXPECT_EQ(ev.Claim.SplitChildren[2], 2);
  EXPECT_EQ(ev.Payer.SplitChildren[2], 1);

  // No child born: no minors, the other options locked, the child fields gone.
  ExpressFixture::Retype(w.NumChild, "0");
  EXPECT_TRUE(w.NoMinorOption->isChecked());
  EXPECT_FALSE(w.CustodialOption->isEnabled());
  EXPECT_FALSE(w.MinChild->isEnabled());
  EXPECT_FALSE(w.ClaimDayCare->isVisibleTo(&w));
  EXPECT_FALSE(w.CharOption[0]->isVisibleTo(&w));
  EXPECT_FALSE(run.dialogs.Failed()) << run.dialogs.Failures().join('\n').toStdString();
}

}  // namespace
