#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "engine/childsupport/ChildSupportRun.h"
#include "platform/Fonts.h"
#include "platform/document/TextMetrics.h"
#include "results/ChildSupportText.h"
#include "results/ResultCases.h"
#include "results/ResultRows.h"

using casevars::CaseVars;
using platform::TextRun;
using results::ChildSupportPictures;
using results::TextCanvas;

namespace {

class ChildSupportTextTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  void Draw(CaseVars& v, double scaleFactorX = 1) { results::DrawChildSupportText(v, pictures, scaleFactorX); }

  // The last run of every line: the value of an amount line or a rule.
  static std::vector<const TextRun*> LineEnds(const TextCanvas& p) {
    std::map<long long, const TextRun*> last;
    for (const TextRun& run : p.Runs()) last[std::llround(run.position.y())] = &run;
    std::vector<const TextRun*> ends;
    for (const auto& [y, run] : last) ends.push_back(run);
    return ends;
  }
  static const TextRun* Find(const TextCanvas& p, const QString& text) {
    for (const TextRun& run : p.Runs())
      if (run.text == text) return &run;
    return nullptr;
  }
  static QStringList ManualLines(const TextCanvas& p) {
    return p.Lines().filter(QStringLiteral("Manual Adj/Month"));
  }

  ChildSupportPictures pictures;
};

TEST_F(ChildSupportTextTest, PartyColumnsOfASoleCustodyCase) {
  CaseVars v = resultcases::SoleCustody();
  Draw(v);
  EXPECT_EQ(pictures.Picture5.Lines(),
            (QStringList{" Gross Income$36,000", " Income Deductions-$1,200", " FICA/SE-$2,754",
                         " State Tax-$0", " Federal Tax-$1,185", " Federal Tax Credits$4,585", "----------",
                         // 2,953.83 x 12 = 35,445.96
                         " Pre Adj Income$35,446", "----------", " Pre Adj Net/Month$2,954",
                         " Manual Adj/Month-$0", "----------", " Adj Net/Month$2,954",
                         " Child Support/Month$1,411", " Care and Ins Paid-$520", "----------",
                         // 2,954 + 1,411 - 520
                         " Net Income/Month$3,845", " Pays % Of Expenses At38.34%"}));
  EXPECT_EQ(pictures.Picture6.Lines(),
            (QStringList{" Gross Income$72,600", " Income Deductions-$0", " FICA/SE-$5,554",
                         " State Tax-$2,904", " Federal Tax-$7,142", " Federal Tax Credits$0", "----------",
                         " Pre Adj Income$57,000", "----------", " Pre Adj Net/Month$4,750",
                         " Manual Adj/Month-$0", "----------", " Adj Net/Month$4,750",
                         " Child Support/Month-$1,411", " Care and Ins Paid-$50", "----------",
                         // 4,750 - 1,411 - 50
                         " Net Income/Month$3,289", " Pays % Of Expenses At61.66%"}));
  EXPECT_EQ(pictures.Frame1Caption, "Claimant (custodial)");
  EXPECT_EQ(pictures.Frame2Caption, "Other (noncustodial)");
  EXPECT_EQ(v.Results.ManualNetStateText, "None");
}

TEST_F(ChildSupportTextTest, EveryValueEndsAtTheColumnsValueEdge) {
  CaseVars v = resultcases::SoleCustody();
  v.Express.Claim.FilingStatus = "MFJ";
  pictures.Picture5.SetSize(3675 * 1.28, 3855 * 1.28);
  Draw(v, 1.28);
  for (const TextRun* end : LineEnds(pictures.Picture5))  // 200 x 1.28 inside the width
    EXPECT_NEAR(end->rect().right(), 3675 * 1.28 - 256, 1e-6) << end->text.toStdString();
  for (const TextRun* end : LineEnds(pictures.Picture4))  // obligations: 100 x 1.28 inside
    EXPECT_NEAR(end->rect().right(), 3945 - 128, 1e-6) << end->text.toStdString();
}

TEST_F(ChildSupportTextTest, JointFilerShowsProratedInRegularTypeInItsOwnColumnOnly) {
  CaseVars v = resultcases::SoleCustody();
  v.Express.Payer.FilingStatus = "MFJ";
  Draw(v);
  EXPECT_FALSE(Find(pictures.Picture5, " (prorated)"));
  EXPECT_TRUE(pictures.Picture6.Lines().contains(" State Tax (prorated)-$2,904"));
  EXPECT_TRUE(pictures.Picture6.Lines().contains(" Federal Tax (prorated)-$7,142"));
  const TextRun* mark = Find(pictures.Picture6, " (prorated)");
  ASSERT_TRUE(mark);
  EXPECT_FALSE(mark->font.bold);
  EXPECT_TRUE(Find(pictures.Picture6, "-$2,904")->font.bold);
  EXPECT_TRUE(pictures.Picture6.FontBold());
}

TEST_F(ChildSupportTextTest, AlimonyShowsFromEachPartysSide) {
  struct Case {
    double monthly;
    QStringList claim, other;
  } cases[] = {
      {0, {}, {}},
      {1'000, {" Alimony Received+$12,000"}, {" Alimony Paid-$12,000"}},
      {-1'000, {" Alimony Paid-$12,000"}, {" Alimony Received+$12,000"}},
  };
  for (const Case& c : cases) {
    CaseVars v = resultcases::SoleCustody();
    v.Express.MoAlimonyTransfer = c.monthly;
    Draw(v);
    EXPECT_EQ(pictures.Picture5.Lines().filter("Alimony"), c.claim) << c.monthly;
    EXPECT_EQ(pictures.Picture6.Lines().filter("Alimony"), c.other) << c.monthly;
  }
}

TEST_F(ChildSupportTextTest, HandEnteredNetsByState) {
  struct Case {
    std::int16_t state;
    double claimAdj, otherAdj;
    QStringList claim, other;
    const char* words;
  } cases[] = {
      {1, 0, 0, {" Manual Adj/Month-$0"}, {" Manual Adj/Month-$0"}, "None"},
      {2, 150, 0, {" Manual Adj/Month-$150"}, {" Manual Adj/Month-$0"}, "Claimant"},
      {3, 0, -150, {" Manual Adj/Month-$0"}, {" Manual Adj/Month$150"}, "Other"},
      {4, 0, 25.5, {" Manual Adj/Month$0"}, {" Manual Adj/Month-$26"}, "Both"},
      {0, 150, 150, {}, {}, "Both"},  // after returning to the Express screen: the old words stay
  };
  CaseVars v = resultcases::SoleCustody();
  for (const Case& c : cases) {
    v.Results.ManualNetState = c.state;
    v.Support.Claim.MoManualAdj = c.claimAdj;
    v.Support.Payer.MoManualAdj = c.otherAdj;
    Draw(v);
    EXPECT_EQ(ManualLines(pictures.Picture5), c.claim) << c.state;
    EXPECT_EQ(ManualLines(pictures.Picture6), c.other) << c.state;
    // A rule follows every adjustment line.
    const QStringList lines = pictures.Picture5.Lines();
    const auto at = lines.indexOf(QStringLiteral(" Pre Adj Net/Month$2,954"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines[at + 1] == "----------", false);
    EXPECT_EQ(lines[at + 2] == "----------", !c.claim.isEmpty()) << c.state;
    EXPECT_EQ(v.Results.ManualNetStateText, c.words);
    EXPECT_TRUE(pictures.Picture7.Lines().contains(QStringLiteral(" Manual Inc Adj = ") + c.words));
  }
}

TEST_F(ChildSupportTextTest, NoMinorsKeepsTheCaptionsAndLeavesOutTheExpensesPaidLine) {
  CaseVars v = resultcases::SoleCustody();
  Draw(v);
  v.Express.CustodyStatus = "NoMinors";
  Draw(v);
  EXPECT_EQ(pictures.Frame1Caption, "Claimant (custodial)");  // from the run before
  ChildSupportPictures fresh;
  results::DrawChildSupportText(v, fresh, 1);
  EXPECT_EQ(fresh.Frame1Caption, "Claimant");
  EXPECT_EQ(fresh.Frame2Caption, "Other Parent");
  EXPECT_TRUE(fresh.Picture5.Lines().filter("Care and Ins").isEmpty());
  EXPECT_TRUE(fresh.Picture5.Lines().contains(" Net Income/Month$3,845"));  // still less 520
}

TEST_F(ChildSupportTextTest, CaseDataByCustody) {
  CaseVars sole = resultcases::SoleCustody();
  Draw(sole);
  EXPECT_EQ(pictures.Picture7.Lines(),
            (QStringList{" Number Of Children =  3", " Number Of Minors =  2", " Children Claimed Under Age 17",
                         " Claimant =  2", " Other Parent =  0", " Claimant's File Status: HH",
                         " Other's File Status: S", " Manual Inc Adj = None"}));
  // The value column: the width of " Claimant's Exemptions".
  const TextRun* equals = Find(pictures.Picture7, " = ");
  ASSERT_TRUE(equals);
  EXPECT_DOUBLE_EQ(equals->position.x(), pictures.Picture7.TextWidth(" Claimant's Exemptions"));

  CaseVars split = resultcases::SplitWinters();
  Draw(split);
  EXPECT_EQ(pictures.Picture7.Lines().mid(5, 3),
            (QStringList{"    - Split Custody -", " Claimant's Children =  1", " Other's Children =  2"}));
  EXPECT_EQ(pictures.Frame2Caption, "Other (split custody)");

  CaseVars shared = resultcases::SharedCustody();
  shared.Express.Payer.FilingStatus = "Widowed";  // no code: the next label goes on the same line
  Draw(shared);
  EXPECT_EQ(pictures.Picture7.Lines().mid(5),
            (QStringList{"    - Shared Custody - ", " Claimant's Nights  = 182.5", " Other's Nights  = 182.5",
                         " Claimant's File Status: HH", " Other's File Status:  Manual Inc Adj = None"}));
  EXPECT_EQ(pictures.Frame1Caption, "Claimant (shared cust.)");
}

TEST_F(ChildSupportTextTest, TransferSentenceAndFormulaByCustody) {
  struct Case {
    const char* name;
    CaseVars vars;
    QStringList lines;
  };
  CaseVars small = resultcases::SoleCustody();
  small.Support.MoChildSupportTransfer = 0.3;
  small.Support.CombinedMoNetIncome = 799.99;
  CaseVars none = resultcases::SoleCustody();
  none.Express.CustodyStatus = "NonCust";
  none.Support.MoChildSupportTransfer = 0;
  none.Support.CombinedMoNetIncome = 800;
  CaseVars claimantPays = resultcases::SoleCustody();
  claimantPays.Express.CustodyStatus = "NonCust";
  claimantPays.Support.MoChildSupportTransfer = -250;
  CaseVars nobodyWithClaimant = resultcases::SplitWinters();
  nobodyWithClaimant.Express.Claim.WintersChildren = 0;
  const Case cases[] = {
      {"sole, 0.3 and a small combined net", small,
       {"Child Support Is $0 Per Month. Paid By Other Parent. ",
        "Combined Net Income Is Less Than $800. Child Support Shown Is Based On A $800 Combined Net."}},
      {"no transfer", none, {"Child Support Is $0 Per Month. There Is No Transfer."}},
      {"claimant pays", claimantPays, {"Child Support Is -$250 Per Month. Paid By Claimant. "}},
      {"shared", resultcases::SharedCustody(),
       {"Child Support Is $556 Per Month. Paid By Other Parent.  Shared Custody Formula.",
        "(.500 Of $1,966) Minus (.500 Of $854)  Is The Net Transfer"}},
      {"winters", resultcases::SplitWinters(),
       {"Child Support Is $100 Per Month. Paid By Other Parent.  Uses Winters v. Katseralis Split Custody "
        "Formula.",
        "(1/3 Of $1,500) Minus (2/3 Of $600)  Is The Net Transfer"}},
      {"winters, no child with the claimant", nobodyWithClaimant,
       {"Child Support Is $100 Per Month. Paid By Other Parent.  Uses Winters v. Katseralis Split Custody "
        "Formula.",
        "(/3 Of $1,500) Minus (2/3 Of $600)  Is The Net Transfer"}},
      {"dual", resultcases::SplitDual(),
       {"Child Support Is $404 Per Month. Paid By Other Parent.  Uses Dual Worksheets For Split Custody.",
        "($829) Minus ($425)  Is The Net Transfer"}},
  };
  for (const Case& c : cases) {
    CaseVars v = c.vars;
    Draw(v);
    const QStringList lines = pictures.Picture3.Lines();
    EXPECT_EQ(lines.mid(0, c.lines.size()), c.lines) << c.name;
    EXPECT_EQ(lines.filter("Combined Net Income Is Less").size(), c.vars.Support.CombinedMoNetIncome < 800)
        << c.name;
  }
}

TEST_F(ChildSupportTextTest, ObligationColumnsAndBasicSupportPanel) {
  CaseVars sole = resultcases::SoleCustody();
  Draw(sole);
  EXPECT_EQ(pictures.Picture1.Lines(),
            (QStringList{" Claimant's Basic Obligation  $690", " Claimant's Expenses Obligation  $219",
                         " Claimant's Expenses Credit -$520", "----------", " Claimant's Net Obligation $389"}));
  EXPECT_EQ(pictures.Picture4.Lines(),
            (QStringList{" Other's Basic Obligation  $1,110", " Other's Expenses Obligation  $351",
                         " Other's Expenses Credit  -$50", "----------", " Other's Net Obligation  $1,411"}));
  EXPECT_EQ(pictures.Picture2.Lines(),
            (QStringList{" Basic Support: $1,800 /Mo", " Additional Expenses: $570"}));

  CaseVars shared = resultcases::SharedCustody();
  Draw(shared);
  EXPECT_EQ(pictures.Picture2.Lines(), (QStringList{" Basic Support: $1,800 /Month", " 1.5 Times Support: $2,700 /Mo",
                                                    " Additional Expenses: $570"}));

  CaseVars dual = resultcases::SplitDual();
  Draw(dual);
  EXPECT_EQ(pictures.Picture1.Lines(),  // halves: 219 / 2 = 109.5, 520 / 2 = 260
            (QStringList{" Claimant's Basic Ob. To Fam 2 $575", " 1/2 Claimant's Expenses Obligation  $110",
                         " 1/2 Claimant's Expenses Credit -$260", "----------", " Claimant's Net Obligation $425"}));
  EXPECT_EQ(pictures.Picture4.Lines(),
            (QStringList{" Other's Basic Ob. To Fam 1 $678", " 1/2 Other's Expenses Obligation  $176",
                         " 1/2 Other's Expenses Credit  -$25", "----------", " Other's Net Obligation  $829"}));
  EXPECT_EQ(pictures.Picture2.Lines(),
            (QStringList{"     -Claimant's Family-", " Basic Support: $1,100 /Month", " Claimant's Expenses: $520",
                         "     -Other Parent's Family-", " Basic Support: $1,500 /Month", " Other's Expenses: $50"}));
}

TEST_F(ChildSupportTextTest, TierLinesWithTheirTailsAtOnePosition) {
  CaseVars split = resultcases::SplitWinters();
  split.Support.MoTierSupport[1] = 12'345;  // the widest amount sets the tail column
  Draw(split);
  const TextCanvas& p = pictures.Picture8;
  EXPECT_EQ(p.Lines(), (QStringList{"3 Children:  Basic Ob./Mo Is $100 - 1,2 Split",
                                    "2 Children:  Basic Ob./Mo Is $300 - 1,1 Split",
                                    "1 Child:  Basic Ob./Mo Is $12,345 - 1,0 Split"}));
  const TextRun* widest = Find(p, " Basic Ob./Mo Is $12,345");
  ASSERT_TRUE(widest);
  EXPECT_DOUBLE_EQ(widest->position.x(), p.TextWidth("6 Children: "));
  int tails = 0;
  for (const TextRun& run : p.Runs())
    if (run.text.endsWith(" Split")) {
      EXPECT_DOUBLE_EQ(run.position.x(), widest->rect().right());
      ++tails;
    }
  EXPECT_EQ(tails, 3);

  CaseVars shared = resultcases::SharedCustody();
  shared.Express.NumMinorChildren = 1;
  Draw(shared);
  EXPECT_EQ(p.Lines(), (QStringList{"1 Child:  Basic Ob./Mo Is $1,012 - 200.0/165.0 Claimant/Other Av. Nights"}));

  CaseVars none = resultcases::SoleCustody();
  none.Express.NumMinorChildren = 0;
  Draw(none);
  EXPECT_EQ(p.Lines(), (QStringList{"1 Child:  Basic Ob./Mo Is $1,012"}));
  EXPECT_TRUE(pictures.Picture3.Lines().filter("Tiered").isEmpty());
}

TEST_F(ChildSupportTextTest, SocialSecurityCreditsAndClosingNotes) {
  struct Case {
    const char* name;
    const char* custody;
    double transfer, claimBenefits, otherBenefits;
    QStringList notes;
  } cases[] = {
      {"other party's benefits", "Cust", 500, 0, 1'200,
       {"Child(ren)'s SS Benefit Of $100/Mo  Attributable To Other Parent Is Applied As Credit. After SS Is "
        "Applied, Other Parent Owes $400/Mo"}},
      {"benefits above the transfer", "Cust", 500, 0, 7'200,
       {"Child(ren)'s SS Benefit Of $600/Mo  Attributable To Other Parent Is Applied As Credit. After SS Is "
        "Applied, Other Parent Owes $0/Mo"}},
      {"claimant pays", "NonCust", -500, 1'200, 0,
       {"Child(ren)'s SS Benefit Of $100/Mo  Attributable To Claimant Is Applied As Credit. After SS Is "
        "Applied, Claimant Owes $400/Mo"}},
      {"a transfer that rounds to 0", "Cust", 0.4, 1'200, 1'200, {}},
      {"both, sole custody", "Cust", 500, 1'200, 1'200,
       {"Child(ren)'s SS Benefit Of $100/Mo  Attributable To Other Parent Is Applied As Credit. After SS Is "
        "Applied, Other Parent Owes $400/Mo"}},
      {"both, shared custody", "Shared", 500, 1'200, 1'200,
       {"Child(ren)'s SS Benefit Of $100/Mo  Attributable To Other Parent Is Applied As Credit. After SS Is "
        "Applied, Other Parent Owes $400/Mo",
        "Both Parties Have Attributable SS Benefits For Children - This May Result In Additional "
        "Considerations"}},
  };
  for (const Case& c : cases) {
    CaseVars v = resultcases::SharedCustody();
    v.Express.CustodyStatus = c.custody;
    v.Support.MoChildSupportTransfer = c.transfer;
    v.Income.Claim.YrSSChild = c.claimBenefits;
    v.Income.Payer.YrSSChild = c.otherBenefits;
    Draw(v);
    QStringList lines = pictures.Picture3.Lines();
    // After the sentence and the formula line (when there is one), before the two closing notes.
    lines = lines.mid(c.custody == QLatin1String("Shared") ? 2 : 1);
    ASSERT_GE(lines.size(), 2) << c.name;
    EXPECT_EQ(lines.mid(0, lines.size() - 2), c.notes) << c.name;
    EXPECT_EQ(lines.mid(lines.size() - 2),
              (QStringList{"Negative Numbers In Support Amounts Indicate Transfers From Claimant To Other Parent.",
                           "You May Need To Run The Program With Redefined Exemptions and Expenses For Accurate "
                           "Tiered Support Numbers."}))
        << c.name;
  }
}

// The run's own text: the hook draws the engine's figures, a hand-entered net included.
TEST_F(ChildSupportTextTest, RunDrawsItsResultsThroughTheHook) {
  CaseVars v;
  v.Express.CustodyStatus = "Cust";
  v.Express.NumMinorChildren = 1;
  for (casevars::Party p : casevars::kParties) {
    v.Express[p].FilingStatus = "Single";
    v.Business[p].YrWagesForTax = v.Income[p].YrGrossIncome = v.Income[p].YrTotal = v.Income[p].YrAGIBase =
        p == casevars::Party::Claim ? 30'000 : 60'000;
  }
  v.Results.ManualNetState = 1;
  childsupport::ChildSupportInputs in;
  in.SplitDefault = "Winters";
  in.InterpDefault = "Closest";
  childsupport::ChildSupportServices services;
  services.DrawChildSupportText = results::ChildSupportTextHook(pictures, [] { return 1.0; });
  ASSERT_TRUE(childsupport::ComputeChildSupport(v, in, services).Completed);
  const QString transfer = results::Dollars(v.Support.MoChildSupportTransfer);
  EXPECT_TRUE(pictures.Picture5.Lines().contains(" Child Support/Month" + transfer));
  EXPECT_TRUE(pictures.Picture3.Lines()[0].startsWith("Child Support Is " + transfer));
  const double computedNet = v.Support.Claim.MoNetIncome;

  // Adjust: the claimant's net entered by hand, 150 below the computed one.
  v.Results.ManualNetState = 2;
  in.Claim.NewNet = computedNet - 150;
  ASSERT_TRUE(childsupport::ComputeChildSupport(v, in, services).Completed);
  EXPECT_EQ(ManualLines(pictures.Picture5), QStringList{" Manual Adj/Month-$150"});
  EXPECT_TRUE(pictures.Picture5.Lines().contains(" Adj Net/Month" + results::Dollars(computedNet - 150)));
  EXPECT_EQ(v.Results.ManualNetStateText, "Claimant");
  EXPECT_NE(results::Dollars(v.Support.MoChildSupportTransfer), transfer);
}

}  // namespace

namespace {

// On screen each slash of a picture stands in the middle of its advance
// ("Net/Month" shows no gap after the slash), and the text keeps its
// measured width; the picture's text itself is unchanged.
TEST(TextCanvasPicture, SlashStandsInTheMiddleOfItsAdvance) {
  platform::RegisterTahomaIfMissing();
  TextCanvas p(3675, 3855, {QStringLiteral("Tahoma"), 8.25, true});
  p.PrintLine(QStringLiteral(" Pre Adj Net/Month"));
  const platform::Page page = p.AsPage();
  ASSERT_EQ(page.items.size(), 3u);
  const auto& before = std::get<TextRun>(page.items[0]);
  const auto& slash = std::get<TextRun>(page.items[1]);
  const auto& after = std::get<TextRun>(page.items[2]);
  EXPECT_EQ(before.text + slash.text + after.text, " Pre Adj Net/Month");
  const platform::TextMetrics m(slash.font);
  const QRectF ink = m.ink(QLatin1Char('/')).translated(slash.position.x(), 0);
  const double left = ink.left() - (before.position.x() + before.size.width());
  const double right = after.position.x() - ink.right();
  EXPECT_NEAR(left, right, 1);
  EXPECT_NEAR(after.position.x() + after.size.width(), p.TextWidth(QStringLiteral(" Pre Adj Net/Month")), 1);
  EXPECT_EQ(p.Lines(), QStringList{QStringLiteral(" Pre Adj Net/Month")});
}

}  // namespace
