#include <gtest/gtest.h>

#include <QGroupBox>
#include <QMenuBar>
#include <QRadioButton>

#include "app/ui/StartupLayout.h"
#include "express/ui/ExpressFixture.h"
#include "platform/ui/ButtonPlus.h"
#include "support/ui/ModalDriver.h"

using platform::DialogKind;

namespace {

// "Enter Shared Parenting Time" with three minor children: the window opens
// with three child frames; each child's time typed in one form fills the
// other three; a wrong entry empties its row with a message; closing hides
// the window and leaves the tiers and the Express screen's boxes current.
TEST(Form16Window, SharedParentingTimeTypedChildByChild) {
  ExpressFixture run;
  express::Form1& w = run.express;
  express::Form16& time = run.time;
  run.ChooseShared("3");

  run.dialogs.AnswerMessageBox(platform::kAnswerOk);
  testenv::WhenModal<express::Form16>([&](express::Form16& f) {
    EXPECT_EQ(f.ShareFrame[0]->title(), "Youngest Child");
    EXPECT_EQ(f.ShareFrame[2]->title(), "Oldest Child");
    EXPECT_FALSE(f.ShareFrame[3]->isVisibleTo(&f));
    ExpressFixture::Type(f.ClaimDays[0], "146");
    EXPECT_EQ(f.PayerDays[0]->text(), "219.0");
    EXPECT_EQ(f.PayerPerCent[0]->text(), ".600");
    EXPECT_EQ(f.PercentOfTimeValue[0]->text(), ".400");
    // Moving into a share box by Tab converts nothing.
    ExpressFixture::PressTab(&f);
    EXPECT_EQ(f.focusWidget(), f.PercentOfTimeValue[0]);
    QTest::keyClick(f.PercentOfTimeValue[0], Qt::Key_Right);
    EXPECT_EQ(f.ClaimDays[0]->text(), "146");
    ExpressFixture::Type(f.PayerPerCent[1], ".2");
    EXPECT_EQ(f.ClaimDays[1]->text(), "292.0");
    EXPECT_EQ(f.PayerDays[1]->text(), "73.0");
    EXPECT_EQ(f.PercentOfTimeValue[1]->text(), ".800");
    ExpressFixture::Type(f.ClaimDays[2], "400");
    EXPECT_EQ(f.ClaimDays[2]->text(), "");
    EXPECT_EQ(f.PercentOfTimeValue[2]->text(), "");
    EXPECT_EQ(f.focusWidget(), f.PercentOfTimeValue[2]);
    ExpressFixture::Type(f.ClaimDays[2], "200");
    f.close();
  });
  w.SharedCalc_Click();
  EXPECT_FALSE(time.isVisible());
  EXPECT_EQ(run.dialogs.CallsOf(DialogKind::MessageBox).at(0).prompt,
            "Please ReEnter Percent Of Time That Children Are In Claimant's Possession (As A Decimal)");

  const auto& ev = run.program.Case.Express;
  EXPECT_EQ(ev.NumMinorChildren, 3);
  EXPECT_FLOAT_EQ(ev.Claim.TierNights[1], 146);
  EXPECT_FLOAT_EQ(ev.Claim.TierNights[2], 219);  // (146 + 292) / 2
  EXPECT_FLOAT_EQ(ev.Claim.TierNights[3], 638.0f / 3);
  EXPECT_FLOAT_EQ(ev.Payer.TierNights[3], 365 - 638.0f / 3);
  EXPECT_EQ(time.ClaimDays[6]->text(), "212.7");
  EXPECT_EQ(w.ClaimDays->text(), "212.7");
  EXPECT_EQ(w.PayerDays->text(), "152.3");
  EXPECT_EQ(w.PercentOfTimeValue->text(), ".583");
  EXPECT_EQ(w.PayerPerCent->text(), ".417");

  // Opened again: the typed values are still there; the copy command gives
  // every child the youngest child's nights.
  testenv::WhenModal<express::Form16>([&](express::Form16& f) {
    EXPECT_EQ(f.PayerDays[1]->text(), "73.0");
    QTest::mouseClick(f.CopyTime, Qt::LeftButton);
    EXPECT_EQ(f.ClaimDays[2]->text(), "146.0");
    f.close();
  });
  w.SharedCalc_Click();
  EXPECT_FLOAT_EQ(ev.Claim.TierNights[3], 146);
  EXPECT_EQ(w.ClaimDays->text(), "146.0");
  EXPECT_FALSE(run.dialogs.Failed()) << run.dialogs.Failures().join('\n').toStdString();
}

// A figure typed and left by Tab is the figure kept: 182.6 nights stay more
// than half the year, in the row, the average and the tiers, whichever box
// the Tab lands in.
TEST(Form16Window, TabKeepsTheFigureJustTyped) {
  ExpressFixture run;
  express::Form1& w = run.express;
  run.ChooseShared("1");
  testenv::WhenModal<express::Form16>([&](express::Form16& f) {
    ExpressFixture::Type(f.ClaimDays[0], "182.6");
    ExpressFixture::PressTab(&f);
    EXPECT_NE(f.focusWidget(), f.ClaimDays[0]);
    ExpressFixture::PressTab(&f);
    EXPECT_EQ(f.ClaimDays[0]->text(), "182.6");
    EXPECT_EQ(f.PayerDays[0]->text(), "182.4");
    EXPECT_EQ(f.ClaimDays[6]->text(), "182.6");
    f.close();
  });
  w.SharedCalc_Click();
  const auto& ev = run.program.Case.Express;
  EXPECT_FLOAT_EQ(ev.Claim.TierNights[1], 182.6f);
  EXPECT_EQ(w.ClaimDays->text(), "182.6");
  EXPECT_EQ(w.PercentOfTimeValue->text(), ".500");
  // Tab through the Express screen's own time boxes changes nothing either.
  w.ClaimDays->setFocus();
  ASSERT_EQ(w.focusWidget(), w.ClaimDays);
  for (int i = 0; i < 4; ++i) ExpressFixture::PressTab(&w);
  EXPECT_EQ(w.ClaimDays->text(), "182.6");
  EXPECT_EQ(w.PayerDays->text(), "182.4");
  EXPECT_FALSE(run.dialogs.Failed()) << run.dialogs.Failures().join('\n').toStdString();
}

// The window has no button of its own to leave it: Escape closes it as its
// title bar does, bringing the tiers and the Express screen up to date.
TEST(Form16Window, EscapeClosesItAsItsTitleBarDoes) {
  ExpressFixture run;
  express::Form1& w = run.express;
  run.ChooseShared("1");
  testenv::WhenModal<express::Form16>([](express::Form16& f) {
    ExpressFixture::Type(f.ClaimDays[0], "200");
    QTest::keyClick(f.ClaimDays[0], Qt::Key_Escape);
  });
  w.SharedCalc_Click();
  EXPECT_FALSE(run.time.isVisible());
  EXPECT_EQ(run.time.ClaimDays[0]->text(), "200");
  EXPECT_FLOAT_EQ(run.program.Case.Express.Claim.TierNights[1], 200);
  EXPECT_EQ(w.ClaimDays->text(), "200.0");
  EXPECT_FALSE(run.dialogs.Failed()) << run.dialogs.Failures().join('\n').toStdString();
}

// Without a minor count the window does not open.
TEST(Form16Window, NoMinorCountNoWindow) {
  ExpressFixture run;
  run.express.show();
  run.dialogs.AnswerMessageBox(platform::kAnswerOk);
  run.express.SharedCalc_Click();
  EXPECT_FALSE(run.time.isVisible());
  EXPECT_EQ(run.dialogs.CallsOf(DialogKind::MessageBox).at(0).prompt, "Please Enter Number Of Children To Be Supported");
  EXPECT_EQ(run.express.focusWidget(), run.express.MinChild);
}

// The window keeps its fitted width: a resize snaps back.
TEST(Form16Window, WidthSnapsBackToTheFittedWidth) {
  ExpressFixture run;
  run.time.show();
  const int fitted = run.time.width();
  // The fitted width is the client area's; the frame comes on top.
  EXPECT_EQ(fitted, qRound(express::Form16::kDesignWidth * 1024 / 12000.0));
  run.time.resize(fitted / 2, run.time.height());
  EXPECT_EQ(run.time.width(), fitted);
  run.time.hide();
}

// The start-up layout pass builds and fits the window once and leaves it
// hidden; opening it shows it at its fitted width, not maximised.
TEST(Form16Window, FittedAtStartUpAndShownAtItsWidth) {
  ProgramFixture run;
  app::FitStartupWindows(run.program);
  ASSERT_TRUE(run.program.IsFormLoaded("Form16"));
  auto& time = *run.program.Find<express::Form16>("Form16");
  auto& w = *run.program.Find<express::Form1>("Form1");
  EXPECT_TRUE(time.isHidden());
  EXPECT_TRUE(time.windowState() & Qt::WindowMaximized);
  EXPECT_NEAR(platform::ui::Height(&time), express::Form16::kDesignHeight * 1.28, 1);
  w.show();
  ExpressFixture::Type(w.NumChild, "1");
  ExpressFixture::Type(w.MinChild, "1");
  testenv::WhenModal<express::Form16>([](express::Form16& f) {
    EXPECT_EQ(f.windowState(), Qt::WindowNoState);
    EXPECT_EQ(f.width(), qRound(express::Form16::kDesignWidth * 1.28 / 15));
    EXPECT_EQ(f.height(), qRound(express::Form16::kDesignHeight * 1.28 / 15) + f.MenuBar()->sizeHint().height());
    EXPECT_EQ(f.ShareFrame[0]->title(), "Only Child");
    EXPECT_FALSE(f.ShareFrame[1]->isVisibleTo(&f));
    f.close();
  });
  w.SharedCalc_Click();
  EXPECT_TRUE(time.isHidden());
  EXPECT_FALSE(run.dialogs.Failed());
}

}  // namespace
