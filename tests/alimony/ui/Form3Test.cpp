#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <cmath>

#include "alimony/AlimonyDisplay.h"
#include "alimony/AlimonyReport.h"
#include "alimony/PresentValue.h"
#include "alimony/ui/AlimonyResult.h"
#include "alimony/ui/Form3.h"
#include "app/ui/StartupLayout.h"
#include "express/ui/ExpressFixture.h"
#include "income/ui/IncomeWindow.h"
#include "income/ui/IncomeWindowFixture.h"
#include "platform/Fonts.h"
#include "platform/NumberText.h"
#include "platform/ui/ButtonPlus.h"
#include "prefs/Preferences.h"
#include "results/ResultRows.h"
#include "results/ui/Form10.h"
#include "results/ui/Form5.h"
#include "screenimage/ui/Form6.h"
#include "results/ui/PictureBox.h"
#include "shell/ui/FormVS.h"
#include "shell/ui/PreviewControl.h"
#include "support/ui/ModalDriver.h"
#include "support/ui/Pictures.h"
#include "tools/ui/BonusWindow.h"
#include "tools/ui/LinesPicture.h"

using alimony::ui::Form3;
using casevars::Party;
using platform::DialogKind;

namespace {

QStringList Lines(results::ui::PictureBox* p) { return p->Canvas()->Lines(); }

// A sole-custody case typed on the Express screen, run with its
// "Alimony Recommendation" button.
class Form3Test : public ::testing::Test, public ExpressFixture {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  void SetUp() override {
    prefs::SplitDefault.write("Winters");
    prefs::InterpDefault.write("Closest");
    express::Form1& w = express;
    w.show();
    for (auto [name, text] : std::initializer_list<std::pair<const char*, const char*>>{
             {"ClaimantName", "Marsh v. Marsh"}, {"NumChild", "2"}, {"MinChild", "2"}, {"ClaimDepend17", "2"},
             {"PayerDepend17", "0"}, {"YrsMarriage", "15"}, {"ClaimAge", "44"}, {"EdSkillScore", "9"},
             {"ClaimDayCare", "$250"}, {"OtherDayCare", "$0"}, {"ClaimNumCare", "1"}, {"OtherNumCare", "0"},
             {"ClaimStateTax", ".00"}, {"PayerStateTax", ".00"}, {"ClaimSpecial", "$0"}, {"OtherSpecial", "$0"},
             {"ClaimHealthCare", "$0"}, {"OtherHealthCare", "$150"}, {"CurrentMaintTransfer", "$0"}})
      w.Fields().SetText(QLatin1String(name), QLatin1String(text));
    for (const char* option : {"ClaimHeadHouse", "PayerSingle", "CustodialOption", "CharOption1"})
      w.Fields().SetValue(QLatin1String(option), express::kOn);
    // Yearly wages typed in the income windows.
    for (auto [party, name, wages] : {std::tuple{Party::Claim, "Form13", "31200"}, {Party::Payer, "Form14", "88800"}}) {
      auto* income = program.Load<income::IncomeWindow>(QLatin1String(name));
      income->show();
      incometest::Type(income->Box("Earned"), wages);
      income->close();  // hands the wages over as the user's closing does
    }
    program.Case.Express.SequencingMode = 1;  // alimony first, as the program starts
    Mark();
  }

  // Prompts() lists the message boxes shown from here on.
  void Mark() { mark_ = dialogs.Calls().size(); }

  // The run from the button; the result window it ends on.
  Form3* Run(bool taxedToPayer = true) {
    (taxedToPayer ? express.OptionTaxedToPayer : express.OptionTaxedToPayee)->setChecked(true);
    express.AlimonyButton->click();
    auto* form = program.Find<Form3>(QStringLiteral("Form3"));
    if (!form || !form->isVisible()) ADD_FAILURE() << "no result window: " << Prompts().join(" | ").toStdString();
    return form;
  }

  std::string Failures() const { return dialogs.Failures().join(" | ").toStdString(); }
  QStringList Prompts() const {
    QStringList prompts;
    for (std::size_t i = mark_; i < dialogs.Calls().size(); ++i)
      if (dialogs.Calls()[i].kind == DialogKind::MessageBox) prompts << dialogs.Calls()[i].prompt;
    return prompts;
  }
  static QAction* Item(Form3* form, const char* name) { return form->MenuItem(QLatin1String(name)); }
  static void Type(QLineEdit* box, const QString& text) {
    box->clear();
    QTest::keyClicks(box, text);
  }

  const casevars::AlimonyVars& Alimony() const { return program.Case.Alimony; }

  std::size_t mark_ = 0;
};

// End to end: the typed case runs, the Express screen steps aside and the
// window's pictures hold what the calculation left.
TEST_F(Form3Test, ARunFromTheExpressScreenShowsTheResultsInThePictures) {
  Form3* form = Run();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(Prompts().isEmpty()) << Prompts().join(" | ").toStdString();
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(express.isVisible());
  EXPECT_EQ(form->ClaimantName->text(), " Marsh v. Marsh");
  EXPECT_TRUE(form->NewAward->text().isEmpty());
  EXPECT_EQ(form->CaseScore->text(), platform::Format(double(Alimony().AlimonyCaseScore), "##0.00"));

  const alimony::AlimonyDisplay display = alimony::ShowAlimonyResults(program.Case);
  ASSERT_GT(Alimony().YrRecommendedAward, 0);
  EXPECT_EQ(Lines(form->Picture3), display.Award);
  EXPECT_TRUE(Lines(form->Picture3).value(0).contains(platform::Format(double(Alimony().YrRecommendedAward),
                                                                       "$###,###,##0")));
  QStringList terms = display.Terms;
  terms.removeAll(QString());  // an empty second sentence draws nothing
  ASSERT_FALSE(terms.isEmpty());
  EXPECT_EQ(Lines(form->Picture4), terms);
  EXPECT_EQ(Lines(form->Picture1), Alimony().CaseStrengthText.split("\r\n"));
  EXPECT_EQ(Lines(form->Picture9), QStringList{Alimony().AlimonyNoteText});
  EXPECT_EQ(form->Frame1->title(), "Claimant (custodial)");
  EXPECT_EQ(form->Frame2->title(), "Other (noncustodial)");

  // The award in both income tables, its amount ending 200 scaled twips
  // inside each picture.
  const QString award = platform::Format(double(Alimony().YrAlimonyAward), "$##,###,##0");
  EXPECT_TRUE(Lines(form->Picture5).contains(" Alimony" + award));
  EXPECT_TRUE(Lines(form->Picture6).contains(" Alimony-" + award));
  const results::TextCanvas& claim = *form->Picture5->Canvas();
  const double rightEdge = claim.Width() - 200 * program.State.Screen.ScaleFactorX;
  int placed = 0;
  for (const platform::TextRun& run : claim.Runs()) {
    if (run.text != award) continue;
    EXPECT_NEAR(run.position.x() + claim.TextWidth(award), rightEdge, 1);
    ++placed;
  }
  EXPECT_EQ(placed, 1);
  // The case data, values at the tab.
  const QStringList data = Lines(form->Picture7);
  ASSERT_FALSE(data.isEmpty());
  EXPECT_TRUE(data[0].startsWith(" Years Of Marriage")) << data[0].toStdString();
  EXPECT_TRUE(data.contains(" Children Claimed Under Age 17"));
  EXPECT_EQ(data.back(), " Primary Caregiver: Claimant");
  EXPECT_FALSE(dialogs.Failed()) << Failures();
}

// With alimony calculated first, the award applied to child support lowers
// the other party's transfer; the Express screen's ChildSupport box and the
// child support window's text follow the calculation's last run. Not
// applied, the transfer is the one without alimony.
TEST_F(Form3Test, TheAwardAppliedToChildSupportChangesTheTransfer) {
  express.ChildSupportButton->click();
  const double withoutAlimony = program.Case.Support.MoChildSupportTransfer;
  ASSERT_GT(withoutAlimony, 0);
  program.Find<results::ui::Form5>(QStringLiteral("Form5"))->ReturnToDataCommand_Click();
  DeleteClosed();
  for (bool applied : {true, false}) {
    express.ApplyMaintToCS->setChecked(applied);
    Form3* form = Run();
    ASSERT_NE(form, nullptr);
    const casevars::ChildSupportVars& cs = program.Case.Support;
    if (applied) {
      EXPECT_EQ(program.Case.Express.MoAlimonyTransfer, std::round(Alimony().YrAlimonyAward / 12));
      EXPECT_LT(cs.MoChildSupportTransfer, withoutAlimony);
    } else {
      EXPECT_EQ(cs.MoChildSupportTransfer, withoutAlimony);
    }
    EXPECT_EQ(cs.MoChildSupportForAlimony, cs.MoChildSupportTransfer) << applied;
    EXPECT_EQ(express.ChildSupport->text(), platform::Format(cs.MoChildSupportTransfer, "$###,##0")) << applied;
    auto* form5 = program.Find<results::ui::Form5>(QStringLiteral("Form5"));
    ASSERT_NE(form5, nullptr);
    EXPECT_FALSE(form5->isVisible());
    EXPECT_TRUE(Lines(form5->Picture3).value(0).startsWith("Child Support Is " +
                                                            results::Dollars(cs.MoChildSupportTransfer)));
    form->ReturnToDataCommand_Click();
    DeleteClosed();
  }
}

// Change Alimony Award: what the box may hold, and what each entry leaves.
TEST_F(Form3Test, ChangeAlimonyAwardTakesAYearlyAmountOrSaysWhy) {
  Form3* form = Run(false);  // taxed to the payee: no cap on the user's award
  ASSERT_NE(form, nullptr);
  struct Case {
    const char* typed;
    const char* message;  // empty: accepted
    double award;
  } cases[] = {
      {"", "Please Enter The New Alimony", 0},
      {"ten", "Please Enter The New Alimony", 0},
      {"-5", "Alimony Must Be $0 or Greater", 0},
      {"$24,000", "", 24000},
      {"0", "", 0},
  };
  for (const Case& c : cases) {
    const double before = Alimony().YrAlimonyAward;
    const QString flagBefore = program.Case.Express.AwardChangedFlag;
    Mark();
    Type(form->NewAward, QLatin1String(c.typed));
    form->ChangeAward_Click();
    const QString message = QLatin1String(c.message);
    if (message.isEmpty()) {
      EXPECT_TRUE(Prompts().isEmpty()) << c.typed;
      EXPECT_EQ(Alimony().YrAlimonyAward, c.award) << c.typed;
      EXPECT_EQ(program.Case.Express.AwardChangedFlag, "Y") << c.typed;
      EXPECT_TRUE(Lines(form->Picture5).contains(" Alimony" + platform::Format(double(c.award), "$##,###,##0")))
          << c.typed;
      EXPECT_EQ(Lines(form->Picture9), QStringList{"Calculation Shown Has Alimony Taxed To Payee. The Suggested "
                                                   "Alimony Award Has Been Modified."});
    } else {
      EXPECT_EQ(Prompts(), QStringList{message}) << c.typed;
      EXPECT_EQ(dialogs.Calls().back().title, "Entry Error");
      EXPECT_EQ(Alimony().YrAlimonyAward, before) << c.typed;
      EXPECT_EQ(program.Case.Express.AwardChangedFlag, flagBefore) << c.typed;
    }
  }
}

// With the award taxed to the payer, an award above the cap is refused by the
// calculation: the award in force and the results shown stay as they were.
TEST_F(Form3Test, AnAwardAboveTheCapLeavesTheAwardInForce) {
  Form3* form = Run(true);
  ASSERT_NE(form, nullptr);
  const double cap = Alimony().YrAlimonyCap;
  ASSERT_GT(cap, 1000);
  const QString within = platform::Format(double(std::floor(cap / 2)), "$###,##0");
  Type(form->NewAward, within);
  form->ChangeAward_Click();
  const double accepted = Alimony().YrAlimonyAward;
  EXPECT_EQ(accepted, std::floor(cap / 2));
  const QStringList shown = Lines(form->Picture5);

  Type(form->NewAward, platform::Format(double(cap + 1000), "$###,##0"));
  form->ChangeAward_Click();
  ASSERT_EQ(Prompts().size(), 1);
  EXPECT_TRUE(Prompts()[0].startsWith("Alimony Can Not Exceed ")) << Prompts()[0].toStdString();
  EXPECT_EQ(Alimony().YrAlimonyAward, accepted);
  EXPECT_EQ(Lines(form->Picture5), shown);
  EXPECT_EQ(form->AwardInForce(), accepted);
  EXPECT_EQ(program.Case.Express.AwardChangedFlag, "Y");
  // A later calculation (as the bonus calculator runs it) uses the award in force.
  ASSERT_TRUE(alimony::ui::RunAlimony(program, false).Completed) << Prompts().join(" | ").toStdString();
  EXPECT_EQ(Alimony().YrAlimonyAward, accepted);
}

// A claimant whose net income is the higher gets no suggested award, but an
// award the user types stands: in full when taxed to the payee, refused
// against the cap of $0 when taxed to the payer.
TEST_F(Form3Test, TheUsersAwardStandsWhenTheClaimantEarnsMore) {
  const auto click = [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2)); };
  ExpressFixture::Retype(express.NumChild, "0");  // no children: no minors
  ASSERT_TRUE(express.NoMinorOption->isChecked());
  ExpressFixture::Retype(express.ClaimDepend17, "0");
  click(express.ClaimFiling[1]);  // single
  for (auto [name, wages] : {std::pair{"Form13", "150000"}, {"Form14", "30000"}}) {
    auto* income = program.Load<income::IncomeWindow>(QLatin1String(name));
    income->show();
    incometest::Type(income->Box("Earned"), wages);
    income->close();
  }
  click(express.OptionTaxedToPayee);  // its note on the tax law is answered OK
  Mark();
  express.AlimonyButton->click();
  auto* form = program.Find<Form3>(QStringLiteral("Form3"));
  ASSERT_TRUE(form && form->isVisible()) << Prompts().join(" | ").toStdString();
  ASSERT_LT(Alimony().YrAlimonyCap, 0);
  EXPECT_EQ(Lines(form->Picture3).value(0), " No Alimony Is Recommended.");

  form->NewAward->setFocus();
  QTest::keyClicks(form->NewAward, "12000");
  click(form->ChangeAward);
  EXPECT_TRUE(Prompts().isEmpty()) << Prompts().join(" | ").toStdString();
  EXPECT_EQ(Alimony().YrAlimonyAward, 12000);
  EXPECT_EQ(Alimony().YrRecommendedAward, 0);
  EXPECT_TRUE(Lines(form->Picture5).contains(" Alimony$12,000"));
  EXPECT_TRUE(Lines(form->Picture6).contains(" Alimony-$12,000"));
  EXPECT_EQ(Lines(form->Picture9), QStringList{"Calculation Shown Has Alimony Taxed To Payee. The Suggested "
                                               "Alimony Award Has Been Modified."});
  EXPECT_EQ(form->NewAward->text(), "12000");
  click(form->ReturnToDataCommand);
  DeleteClosed();

  click(express.OptionTaxedToPayer);
  express.AlimonyButton->click();
  form = program.Find<Form3>(QStringLiteral("Form3"));
  ASSERT_TRUE(form && form->isVisible()) << Prompts().join(" | ").toStdString();
  Mark();
  form->NewAward->setFocus();
  QTest::keyClicks(form->NewAward, "12000");
  click(form->ChangeAward);
  EXPECT_EQ(Prompts().join(" | ").toStdString(),
            "Alimony Can Not Exceed $0 Which is 35 Percent of The Parties Net Income Difference. ReEnter The New "
            "Alimony Amount");
  EXPECT_EQ(Alimony().YrAlimonyAward, 0);
}

// Shared custody with the claimant's share typed for each child in the
// parenting-time window. With the child support taken as the Express screen
// holds it (child support before alimony), two shares in one band of the
// target-share table give one award: a share typed on a band's bound (.45,
// .55) belongs to that band.
TEST_F(Form3Test, ASharedCaseOnABoundOfTheTargetShareTableTakesThatBand) {
  const auto click = [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2)); };
  click(express.SharedOption);
  click(express.CharOption[0]);
  ExpressFixture::Retype(express.ClaimDayCare, "$0");
  ExpressFixture::Retype(express.ClaimNumCare, "0");
  program.Case.Express.SequencingMode = 0;
  express.Fields().SetText(QStringLiteral("ChildSupport"), QStringLiteral("$400"));
  const auto awardAt = [&](const char* share) {
    // Head of household: the party the children live with most of the year.
    const bool claimantMost = QString::fromLatin1(share).toDouble() > 0.5;
    click(express.ClaimFiling[claimantMost ? 0 : 1]);
    click(express.PayerFiling[claimantMost ? 1 : 0]);
    testenv::WhenModal<express::Form16>([share](express::Form16& time) {
      for (int row : {0, 1}) ExpressFixture::Retype(time.PercentOfTimeValue[size_t(row)], QLatin1String(share));
      time.close();
    });
    express.SharedCalc_Click();
    EXPECT_EQ(express.PercentOfTimeValue->text(), QLatin1String(share) + QLatin1Char('0'));
    Mark();
    Form3* form = Run(false);
    EXPECT_TRUE(Prompts().isEmpty()) << share << ": " << Prompts().join(" | ").toStdString();
    const double award = Alimony().YrAlimonyAward;
    if (form) click(form->ReturnToDataCommand);
    DeleteClosed();
    return award;
  };
  for (auto [onBound, inside] : {std::pair{".45", ".46"}, {".55", ".53"}}) {
    const double atBound = awardAt(onBound);
    EXPECT_GT(atBound, 0) << onBound;
    EXPECT_EQ(atBound, awardAt(inside)) << onBound << " and " << inside;
  }
  EXPECT_FALSE(dialogs.Failed()) << Failures();
}

// The present value of the award in force; a changed award clears it and Use
// Suggested Award goes back to the suggestion, clearing it too.
// The alimony bonus calculator run again and again after the user's award
// (taxed to the payee): the award stays in force through its passes and after
// them, and the window and the report hold one tax-treatment note.
TEST_F(Form3Test, RepeatedBonusRunsLeaveOneNote) {
  Form3* form = Run(false);
  ASSERT_NE(form, nullptr);
  Type(form->NewAward, "$24,000");
  form->ChangeAward_Click();
  ASSERT_EQ(Lines(form->Picture9).size(), 1);
  for (int run = 0; run < 3; ++run) {
    testenv::WhenModal<tools::ui::BonusWindow>([](tools::ui::BonusWindow& w) {
      w.Text2->setFocus();
      QTest::keyClicks(w.Text2, "50000");
      QTest::mouseClick(w.ButtonPlus1, Qt::LeftButton);
      w.close();
    });
    form->MenuItem(QStringLiteral("RunBonus"))->trigger();
    EXPECT_EQ(Lines(form->Picture9).size(), 1) << run << ": " << Lines(form->Picture9).join(" | ").toStdString();
    EXPECT_EQ(Lines(form->Picture9).value(0), "Calculation Shown Has Alimony Taxed To Payee. The Suggested "
                                              "Alimony Award Has Been Modified.")
        << run;
    EXPECT_EQ(Alimony().YrAlimonyAward, 24000) << run;
    EXPECT_EQ(program.Case.Express.AwardChangedFlag, "Y") << run;
  }
  int notes = 0;
  const platform::Document report = alimony::AlimonyReportDocument(program.Case, {});
  for (const platform::TextRun* r : report.pages.at(0).textRuns())
    notes += r->text.contains(QStringLiteral("Calculation Shown Has Alimony Taxed"));
  EXPECT_EQ(notes, 1);
}

// The alimony bonus calculator compares the suggestions with and without the
// bonus, also while the user's own award is in force: the share and lines are
// those of the case without that award; afterwards the user's award and its
// figures are in force again.
TEST_F(Form3Test, BonusRunWithTheUsersAwardComparesTheSuggestions) {
  struct BonusShown {
    QString share;
    QStringList lines;
  };
  for (bool taxedToPayer : {false, true}) {
    SCOPED_TRACE(taxedToPayer ? "taxed to the payer" : "taxed to the payee");
    Form3* form = Run(taxedToPayer);
    ASSERT_NE(form, nullptr);
    const auto bonusRun = [form] {
      BonusShown shown;
      testenv::WhenModal<tools::ui::BonusWindow>([&shown](tools::ui::BonusWindow& w) {
        w.Text2->setFocus();
        QTest::keyClicks(w.Text2, "24000");
        QTest::mouseClick(w.ButtonPlus1, Qt::LeftButton);
        shown.share = w.Text1->text();
        for (const tools::AmountLine& line : w.Picture1->Lines()) shown.lines << line.label + line.amount;
        w.close();
      });
      form->MenuItem(QStringLiteral("RunBonus"))->trigger();
      return shown;
    };
    const BonusShown suggested = bonusRun();
    ASSERT_NE(suggested.share.toStdString(), ".00%");

    const double award = std::floor(Alimony().YrRecommendedAward) - 1200;
    Type(form->NewAward, QString::number(award));
    QTest::mouseClick(form->ChangeAward, Qt::LeftButton);
    ASSERT_EQ(Alimony().YrAlimonyAward, award) << Prompts().join(" | ").toStdString();
    const casevars::AlimonyVars inForce = Alimony();
    const auto pictures = [form] {
      return (Lines(form->Picture3) + Lines(form->Picture5) + Lines(form->Picture6) + Lines(form->Picture9))
          .join(" | ")
          .toStdString();
    };
    const std::string picturesInForce = pictures();

    const BonusShown withAward = bonusRun();
    EXPECT_EQ(withAward.share.toStdString(), suggested.share.toStdString());
    EXPECT_EQ(withAward.lines.join(" | ").toStdString(), suggested.lines.join(" | ").toStdString());
    EXPECT_EQ(program.Case.Express.AwardChangedFlag, "Y");
    EXPECT_EQ(Alimony().YrAlimonyAward, award);
    EXPECT_EQ(Alimony().YrRecommendedAward, inForce.YrRecommendedAward);
    EXPECT_EQ(Alimony().Claim.YrNetAfterAlimony, inForce.Claim.YrNetAfterAlimony);
    EXPECT_EQ(Alimony().Payer.YrNetAfterAlimony, inForce.Payer.YrNetAfterAlimony);
    EXPECT_EQ(pictures(), picturesInForce);
    form->close();
    DeleteClosed();
  }
  EXPECT_FALSE(dialogs.Failed()) << Failures();
}

// The present-value boxes keep their own bounds as they are typed: a key that
// makes a figure the box can never take is refused with that box's message,
// and the box keeps what it held before that key. The award box keeps the
// amount limit.
TEST_F(Form3Test, PresentValueBoxesRefuseAFigurePastTheirBoundsAsTyped) {
  Form3* form = Run(false);
  ASSERT_NE(form, nullptr);
  const QString duration = QStringLiteral("Please ReEnter The Duration In Years For A Present Value Calculation");
  const QString tax = QStringLiteral("Please ReEnter The Tax Rate For A Present Value Calculation(As A Decimal)");
  const QString discount =
      QStringLiteral("Please ReEnter The Discount Rate For A Present Value Calculation(As A Decimal)");
  const struct {
    QLineEdit* box;
    const char* typed;
    const char* kept;
    QString message;  // empty: taken as typed
  } rows[] = {
      {form->PresentValueDuration, "1e12", "1e1", duration + QStringLiteral(" (At Most 100 Years)")},
      {form->PresentValueDuration, "150", "15", duration + QStringLiteral(" (At Most 100 Years)")},
      {form->PresentValueDuration, "-2", "-", duration},
      {form->PresentValueDuration, "100", "100", {}},
      {form->PresentValueDuration, "4.55", "4.55", {}},
      {form->PresentValueTax, "1", "", tax},
      {form->PresentValueTax, ".999", ".999", {}},
      {form->PresentValueTax, "-.2", "-.", tax},
      {form->PresentValueDiscount, "0.06", "0.06", {}},
      {form->PresentValueDiscount, "2", "", discount},
      {form->NewAward, "1e12", "1e1", platform::AmountTooLargeMessage()},
  };
  for (const auto& r : rows) {
    Mark();
    if (!r.message.isEmpty()) dialogs.AnswerMessageBox(platform::kAnswerOk);
    Type(r.box, QLatin1String(r.typed));
    EXPECT_EQ(r.box->text().toStdString(), r.kept) << r.typed;
    EXPECT_EQ(Prompts().join(" | ").toStdString(), r.message.toStdString()) << r.typed;
  }
  // What the boxes hold is what Calculate Present Value uses.
  Type(form->PresentValueDuration, "2");
  Type(form->PresentValueTax, ".2");
  Type(form->PresentValueDiscount, ".06");
  Mark();
  form->PresentValueButton_Click();
  EXPECT_TRUE(Prompts().isEmpty()) << Prompts().join(" | ").toStdString();
  ASSERT_TRUE(Alimony().PresentValueOfAward.has_value());
  EXPECT_EQ(Alimony().PresentValueOfAward->DurationYears, 2);
  EXPECT_FALSE(dialogs.Failed()) << Failures();
}

TEST_F(Form3Test, PresentValueThenChangeAndUseSuggestedClearIt) {
  Form3* form = Run(false);
  ASSERT_NE(form, nullptr);
  const double suggested = Alimony().YrAlimonyAward;
  form->PresentValueButton_Click();  // all boxes empty: the duration's message only
  EXPECT_EQ(Prompts(), QStringList{"Please ReEnter The Duration In Years For A Present Value Calculation"});
  EXPECT_TRUE(Lines(form->Picture8).isEmpty());

  Type(form->NewAward, "$24,000");
  form->ChangeAward_Click();
  Type(form->PresentValueDuration, "2");
  Type(form->PresentValueTax, ".2");
  Type(form->PresentValueDiscount, ".06");
  form->PresentValueButton_Click();
  EXPECT_EQ(Lines(form->Picture8), QStringList{"  $36,271"});
  ASSERT_TRUE(Alimony().PresentValueOfAward.has_value());

  Type(form->NewAward, "$20,000");
  form->ChangeAward_Click();
  EXPECT_TRUE(Lines(form->Picture8).isEmpty());
  EXPECT_FALSE(Alimony().PresentValueOfAward.has_value());

  form->PresentValueButton_Click();
  ASSERT_FALSE(Lines(form->Picture8).isEmpty());
  // The child support run starts again from no alimony, so the suggestion is
  // the run's own whatever the alimony the last calculation applied.
  program.Case.Express.MoAlimonyTransfer = 500;
  form->UseSuggested_Click();
  EXPECT_TRUE(form->NewAward->text().isEmpty());
  EXPECT_EQ(program.Case.Express.AwardChangedFlag, "N");
  EXPECT_EQ(Alimony().YrAlimonyAward, suggested);
  EXPECT_TRUE(Lines(form->Picture8).isEmpty());
  EXPECT_EQ(Lines(form->Picture9), QStringList{"Calculation Shown Has Alimony Taxed To Payee."});
  EXPECT_EQ(Prompts().size(), 1) << Prompts().join(" | ").toStdString();
}

// With child support calculated before alimony, Use Suggested Award's child
// support run leaves the Express screen's ChildSupport box as the preparer
// had it.
TEST_F(Form3Test, UseSuggestedKeepsThePreparersChildSupportWithChildSupportFirst) {
  program.Case.Express.SequencingMode = 0;
  express.ChildSupport->setText(QStringLiteral("$321"));
  Form3* form = Run();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(Prompts().isEmpty()) << Prompts().join(" | ").toStdString();
  form->UseSuggested_Click();
  EXPECT_EQ(express.ChildSupport->text(), "$321");
  EXPECT_EQ(program.Case.Support.MoChildSupportForAlimony, 321);
}

// Return To Data Entry Screen hands the monthly award to the Express screen
// (alimony first) or empties the box (child support first); closing by the
// title bar only shows the Express screen.
TEST_F(Form3Test, ReturnHandsTheMonthlyAwardOverAndClosingTouchesNothing) {
  for (std::int16_t sequencing : {1, 0}) {
    program.Case.Express.SequencingMode = sequencing;
    Form3* form = Run(false);
    ASSERT_NE(form, nullptr);
    Type(form->NewAward, "24000");
    form->ChangeAward_Click();
    express.CurrentMaintTransfer->setText(QStringLiteral("$5"));
    form->ReturnToDataCommand_Click();
    EXPECT_TRUE(express.isVisible());
    EXPECT_EQ(express.CurrentMaintTransfer->text(), sequencing == 1 ? "$2,000" : "") << sequencing;
    DeleteClosed();
    EXPECT_FALSE(program.IsFormLoaded(QStringLiteral("Form3")));  // unloaded
  }
  Form3* form = Run(false);
  ASSERT_NE(form, nullptr);
  express.CurrentMaintTransfer->setText(QStringLiteral("$7"));
  form->close();
  EXPECT_TRUE(express.isVisible());
  EXPECT_EQ(express.CurrentMaintTransfer->text(), "$7");
  EXPECT_EQ(program.Case.Express.AwardChangedFlag, "N");
}

// The menus the window shares with the child support window, with its own
// captions, and where they lead.
TEST_F(Form3Test, SharedMenusWithTheAlimonyCaptions) {
  Form3* form = Run();
  ASSERT_NE(form, nullptr);
  QStringList bar;
  for (QAction* top : form->MenuBar()->actions()) {
    QStringList items;
    for (QAction* a : top->menu()->actions()) items << (a->isSeparator() ? "-" : a->text());
    bar << top->text() + ": " + items.join(" | ");
  }
  EXPECT_EQ(bar, (QStringList{
                     "     File: Quit Program",
                     "     Print: Print Screen Image | - | Print and Preview Alimony Report | - | Printer Setup",
                     "     Preparer Defaults: Change Preparer's Default Name, Office, And Top Margin | -",
                     "     Tools: Defined Benefit Plan Calculator | - | Financial Calculator | - | 72(t) Withdrawal "
                     "Calculator | - | Overnight Count Estimator",
                     "     Bonus Calculator: Run A Bonus Calculation"}));
}

// Quit Program asks first; Yes ends the program without the window's closing
// bringing the Express screen back.
TEST_F(Form3Test, QuitAsksFirst) {
  Form3* form = Run();
  ASSERT_NE(form, nullptr);
  dialogs.AnswerMessageBox(platform::kAnswerNo);
  Item(form, "QuitProgram")->trigger();
  EXPECT_EQ(dialogs.Calls().back().title, "Exit");
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(program.Ended());
  dialogs.AnswerMessageBox(platform::kAnswerYes);
  Item(form, "QuitProgram")->trigger();
  EXPECT_TRUE(program.Ended());
  EXPECT_FALSE(express.isVisible());
}

// A Tools calculator hides the window and gives it back when it closes.
TEST_F(Form3Test, ACalculatorReturnsToTheAlimonyWindow) {
  Form3* form = Run();
  ASSERT_NE(form, nullptr);
  for (const char* item : {"DefinedBenefit", "FinancialCalc", "Withdrawal72t"}) {
    Item(form, item)->trigger();
    EXPECT_EQ(program.State.CalculatorCaller, 3) << item;
    EXPECT_FALSE(form->isVisible()) << item;
    QWidget* calculator = QApplication::activeWindow();
    for (const char* name : {"Form7", "FormFin", "Form72t"})
      if (QWidget* w = program.Find(QLatin1String(name)); w && w->isVisible()) calculator = w;
    ASSERT_NE(calculator, nullptr) << item;
    calculator->close();
    EXPECT_TRUE(form->isVisible()) << item;
  }
}

// The report preview opens over the window with the kind "Alim" and the
// Alimony Report, and leaving it brings the window back.
TEST_F(Form3Test, TheReportPreviewShowsTheAlimonyReport) {
  Form3* form = Run();
  ASSERT_NE(form, nullptr);
  Item(form, "PrintReport")->trigger();
  auto* preview = program.Find<shell::FormVS>(QStringLiteral("FormVS"));
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->isVisible());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(program.State.PreviewReportKind, "Alim");
  QStringList texts;
  for (const platform::TextRun* run : preview->VS->Document().pages.at(0).textRuns()) texts << run->text;
  EXPECT_TRUE(texts.contains(" Marsh v. Marsh")) << texts.join('|').toStdString();
  EXPECT_TRUE(texts.contains(form->CaseScore->text()));
  form->hide();
  preview->Exit_Click();
  EXPECT_TRUE(form->isVisible());
}

// A score typed into the case-score box is not the one the figures were
// computed with: the report prints the score of the calculation.
TEST_F(Form3Test, TheReportPrintsTheScoreItsFiguresWereComputedWith) {
  Form3* form = Run();
  ASSERT_NE(form, nullptr);
  const QString computed = form->CaseScore->text();
  ASSERT_EQ(computed, platform::Format(double(Alimony().AlimonyCaseScore), "##0.00"));
  QTest::mouseClick(form->CaseScore, Qt::LeftButton);
  form->CaseScore->selectAll();
  QTest::keyClicks(form->CaseScore, "99.99");
  ASSERT_EQ(form->CaseScore->text(), "99.99");
  Item(form, "PrintReport")->trigger();
  auto* preview = program.Find<shell::FormVS>(QStringLiteral("FormVS"));
  ASSERT_NE(preview, nullptr);
  QStringList texts;
  for (const platform::TextRun* run : preview->VS->Document().pages.at(0).textRuns()) texts << run->text;
  EXPECT_TRUE(texts.contains(computed)) << texts.join('|').toStdString();
  EXPECT_FALSE(texts.contains("99.99"));
  preview->Exit_Click();
}

// "?" opens the help on the present-value entries and "Show Tax Credits" a
// party's credits, both beside the window.
TEST_F(Form3Test, HelpAndTaxCreditsOpenBesideTheWindow) {
  Form3* form = Run();
  ASSERT_NE(form, nullptr);
  QTest::mouseClick(form->PVHelp, Qt::LeftButton);
  QWidget* help = program.Find(QStringLiteral("Form4"));
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  QTest::mouseClick(form->OtherCreditsButton, Qt::LeftButton);
  auto* credits = program.Find<results::ui::Form10>(QStringLiteral("Form10"));
  ASSERT_NE(credits, nullptr);
  EXPECT_TRUE(credits->isVisible());
  EXPECT_EQ(credits->Picture1->Canvas()->Lines().value(0), "Other Parent - Tax Credits");
  EXPECT_TRUE(form->isVisible());
}

// The screen image: the print appearance is captured and the way back gives
// the buttons and the screen colours again.
TEST_F(Form3Test, AScreenImageGivesTheWindowBackInItsScreenColours) {
  Form3* form = Run();
  ASSERT_NE(form, nullptr);
  program.State.SchemeBackColor = platform::kSchemeFace;
  Item(form, "PrintScreenImage")->trigger();
  auto* form6 = program.Find<screenimage::ui::Form6>(QStringLiteral("Form6"));
  ASSERT_NE(form6, nullptr);
  EXPECT_EQ(program.State.PrintImageCaller, 3);
  EXPECT_FALSE(form6->Capture().isNull());
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(form->TradeMark->isVisibleTo(form));
  EXPECT_FALSE(form->ChangeAward->isVisibleTo(form));
  EXPECT_EQ(platform::ui::BackColor(form->Control("Frame8")), std::optional<platform::OleColor>(0xFFFFFF));

  form6->Command4_Click();
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form->TradeMark->isVisibleTo(form));
  for (QWidget* b : std::initializer_list<QWidget*>{form->ChangeAward, form->PresentValueButton,
                                                    form->ReturnToDataCommand, form->UseSuggested, form->PVHelp,
                                                    form->ClaimCreditsButton, form->OtherCreditsButton})
    EXPECT_TRUE(b->isVisibleTo(form)) << b->objectName().toStdString();
  for (const char* name : {"Frame1", "Frame8", "Label", "PresentVal"})
    EXPECT_EQ(platform::ui::BackColor(form->Control(name)), std::optional(platform::kSchemeFace)) << name;
}

// The start-up layout pass fits the window once; the run does not fit it
// again, and a window loaded anew after Return is fitted to the same size.
TEST_F(Form3Test, FittedOncePerLoading) {
  app::FitStartupWindows(program);
  auto* form = program.Find<Form3>(QStringLiteral("Form3"));
  ASSERT_NE(form, nullptr);
  const double width = platform::ui::Width(form->Picture5);
  EXPECT_GT(width, 3735);  // fitted to the 1024 x 768 screen
  ASSERT_EQ(Run(), form);
  EXPECT_EQ(platform::ui::Width(form->Picture5), width);
  form->ReturnToDataCommand_Click();
  DeleteClosed();
  Form3* again = Run();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(platform::ui::Width(again->Picture5), width);
}

// The window after a run on a 1024 x 768 screen, menus included, as a picture
// (docs/screenshots/form3-after-run.png with KELVANE_SCREENSHOT_DIR).
TEST_F(Form3Test, AfterARunAsAPicture) {
  prefs::ScreenDefault.write("TV");
  Form3* form = Run();
  ASSERT_NE(form, nullptr);
  Type(form->PresentValueDuration, "5");
  Type(form->PresentValueTax, ".15");
  Type(form->PresentValueDiscount, ".05");
  form->PresentValueButton_Click();
  form->activateWindow();
  QCoreApplication::processEvents();
  const QImage picture = form->grab().toImage();
  EXPECT_GT(testenv::Colours(picture), 4);
  EXPECT_TRUE(testenv::SavePicture(picture, QStringLiteral("form3-after-run.png")));
}

}  // namespace
