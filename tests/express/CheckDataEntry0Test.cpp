#include <gtest/gtest.h>

#include <functional>

#include "express/ExpressChecks.h"
#include "express/ExpressFixture.h"

namespace express {
namespace {

using testing::ExpressCase;

const char* const kOtherGross = "Please ReEnter Other Party's's Gross Monthly Income";
const char* const kMinChild =
    "Please ReEnter Number Of Minor Children Remaining From Marriage (Entry Must Be Between 0 And "
    "6)";
const char* const kClaimUnder17 =
    "The Number Of Children Under Age 17 Declared By The Claimant (For The Child Tax Credit) "
    "Should Be Less Than Or Equal To The Total Number Of Minors";
const char* const kOtherUnder17 =
    "The Number Of Children Under Age 17 Declared By The Other Party (For The Child Tax Credit) "
    "Should Be Less Than Or Equal To The Total Number Of Minors.";
const char* const kClaimNumCare =
    "Please ReEnter Number Of Children Qualified for Claimant's Day Care Tax Credit, Or Enter 0 If "
    "None. Cannot Exceed Number Of Total Children And A Child Must Reside With Claimant More Than "
    "50% Of The Time To Qualify (Or Exactly 50%, If Claimant Has The Greater Income). ";

struct StopCase {
  const char* name;
  std::function<void(ExpressCase&)> change;
  Check0Mode mode;
  QString log;  // focus, beep and show steps, in order
  const char* message;
};

class CheckDataEntry0Stops : public ::testing::TestWithParam<StopCase> {};

TEST_P(CheckDataEntry0Stops, FocusesBeepsAndShowsTheRulesMessage) {
  const StopCase& c = GetParam();
  ExpressCase x;
  c.change(x);
  EXPECT_EQ(CheckDataEntry0(x.form1, x.cv, x.prompter, c.mode), kCheckStop);
  QStringList log;
  for (const QString& step : x.form1.Log) log << step;
  EXPECT_EQ(log.join(QStringLiteral(", ")), c.log);
  const auto shown = x.OnlyMessage();
  EXPECT_EQ(shown.prompt, QLatin1String(c.message));
  EXPECT_EQ(shown.title, QStringLiteral("Entry Error"));
  EXPECT_EQ(shown.buttons, platform::kBoxOk);
}

const Check0Mode kClaimAffidavit{1, true, false};
const Check0Mode kOtherAffidavit{1, false, true};

INSTANTIATE_TEST_SUITE_P(
    Rules, CheckDataEntry0Stops,
    ::testing::Values(
        // After "Clear Data" the gross income boxes are empty.
        StopCase{"C1_EmptyGrossIncome", [](ExpressCase& x) { x.Set({{"ClaimGrossInc", ""}}); }, {},
                 "focus ClaimGrossInc", "Please ReEnter Claimant's Gross Monthly Income"},
        StopCase{"C2_NegativeChildren", [](ExpressCase& x) { x.Set({{"NumChild", "-1"}}); }, {},
                 "focus NumChild", "Please ReEnter Number Of Children Born During Marriage"},
        // A count that 16 bits cannot hold is refused, not wrapped.
        StopCase{"C2_CountBeyond16Bits", [](ExpressCase& x) { x.Set({{"NumChild", "99999"}}); },
                 {}, "focus NumChild", "Please ReEnter Number Of Children Born During Marriage"},
        StopCase{"C3_SevenMinors",
                 [](ExpressCase& x) { x.Set({{"NumChild", "9"}, {"MinChild", "7"}}); }, {},
                 "focus MinChild", kMinChild},
        // 6.6 passes "below 7" but rounds to a seventh child.
        StopCase{"C3_MinorsRoundingToSeven",
                 [](ExpressCase& x) { x.Set({{"NumChild", "9"}, {"MinChild", "6.6"}}); }, {},
                 "focus MinChild", kMinChild},
        // No child born: MinChild reads as 0, so one child under 17 is too many.
        StopCase{"C5_MinorsReadAsZeroWithoutChildren",
                 [](ExpressCase& x) { x.Set({{"NumChild", "0"}, {"MinChild", "4"}}); }, {},
                 "focus ClaimDepend17", kClaimUnder17},
        StopCase{"C5_MoreUnder17ThanMinors", [](ExpressCase& x) { x.Set({{"ClaimDepend17", "3"}}); },
                 {}, "focus ClaimDepend17", kClaimUnder17},
        StopCase{"C6_NoFilingStatus", [](ExpressCase& x) { x.Off({"ClaimHeadHouse"}); }, {}, "",
                 "Please Enter Claimant's Tax Filing Status"},
        StopCase{"C8_DollarSignAlone", [](ExpressCase& x) { x.Set({{"ClaimDayCare", "$"}}); }, {},
                 "focus ClaimDayCare",
                 "Please ReEnter Claimant's Monthly Day Care Cost, Or Enter A $0 If There Are No "
                 "Payments"},
        StopCase{"C9_CountBeyond16Bits", [](ExpressCase& x) { x.Set({{"ClaimNumCare", "99999"}}); },
                 {}, "focus ClaimNumCare, beep", kClaimNumCare},
        StopCase{"C10_MarriedSeparatelyWithDayCareChildren",
                 [](ExpressCase& x) {
                   x.On({"ClaimMarried"});
                   x.Set({{"ClaimNumCare", "1"}});
                 },
                 {}, "focus ClaimNumCare, beep",
                 "The Claimant Is Filing Married Separately. That Filing Status Is Not Eligible "
                 "For The Day Care Tax Credit. The Number Of Children Qualified For Claimant's "
                 "Day Care Tax Credit Should Be 0. Please ReEnter"},
        StopCase{"P1_EmptyGrossIncome", [](ExpressCase& x) { x.Set({{"PayGrossInc", ""}}); }, {},
                 "focus PayGrossInc", kOtherGross},
        StopCase{"P3_MoreUnder17ThanMinors", [](ExpressCase& x) { x.Set({{"PayerDepend17", "3"}}); },
                 {}, "focus PayerDepend17", kOtherUnder17},
        StopCase{"P7_CountNotANumberNoBeep", [](ExpressCase& x) { x.Set({{"OtherNumCare", "x"}}); },
                 {}, "focus OtherNumCare",
                 "Please ReEnter Number Of Children Qualified for Other Party's Day Care Tax "
                 "Credit, Or Enter 0 If None. Cannot Exceed Number Of Total Children And A Child "
                 "Must Reside With Other Party More Than 50% Of The Time To Qualify (Or Exactly "
                 "50%, If Other Party Has The Greater Income). "},
        StopCase{"P8_MarriedSeparately",
                 [](ExpressCase& x) {
                   x.On({"PayerMarried"});
                   x.Set({{"OtherNumCare", "2"}});
                 },
                 {}, "focus OtherNumCare, beep",
                 "The Other Party Is Filing Married Separately. That Filing Status Is Not "
                 "Eligible For The Day Care Tax Credit. The Number Of Children Qualified For "
                 "Other Party's Day Care Tax Credit Should Be 0. Please ReEnter"},
        // The affidavit's tax estimate brings the screen forward and words the message for it.
        StopCase{"Affidavit_C4_ShownWithAffidavitText",
                 [](ExpressCase& x) { x.Set({{"ClaimDepend17", "-1"}}); }, kClaimAffidavit,
                 "focus ClaimDepend17, show",
                 "For a Tax Calculation on The Financial Affidavit, Please ReEnter The Number Of "
                 "Children Under Age 17 Declared By The Claimant (For The Federal Child Tax "
                 "Credit), or Enter 0 If None, on The Data Express Form"},
        StopCase{"Affidavit_C8_SameTextNotShown",
                 [](ExpressCase& x) { x.Set({{"ClaimDayCare", "-5"}}); }, kClaimAffidavit,
                 "focus ClaimDayCare",
                 "Please ReEnter Claimant's Monthly Day Care Cost, Or Enter A $0 If There Are No "
                 "Payments"},
        StopCase{"Affidavit_C9_BeepThenShow",
                 [](ExpressCase& x) { x.Set({{"ClaimNumCare", "-1"}}); }, kClaimAffidavit,
                 "focus ClaimNumCare, beep, show",
                 "For a Tax Calculation On The Financial Affidavit, Please ReEnter Number Of "
                 "Children Qualified for Claimant's Day Care Tax Credit, Or Enter 0 If None. "
                 "Cannot Exceed Number Of Total Children And A Child Must Reside With Claimant "
                 "More Than 50% Of The Time To Qualify (Or Exactly 50%, If Claimant Has The "
                 "Greater Income). "},
        StopCase{"Affidavit_P1_OtherPartysAffidavit",
                 [](ExpressCase& x) { x.Set({{"PayGrossInc", ""}, {"ClaimGrossInc", ""}}); },
                 kOtherAffidavit, "focus PayGrossInc, show",
                 "For a Tax Calculation on The Financial Affidavit, Please Enter Parent's Gross "
                 "Monthly Income"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckDataEntry0, PassingCopiesEveryField) {
  ExpressCase x;
  x.Set({{"ClaimDayCare", "$1,200.50"}, {"ClaimNumCare", "2.5"}, {"OtherDayCare", "$300"},
         {"OtherNumCare", "3.5"}, {"NumChild", "5"}, {"MinChild", "4"}});
  x.On({"PayerMFJ"});
  x.cv.Express.Claim.NumDependents = 3;
  EXPECT_EQ(CheckDataEntry0(x.form1, x.cv, x.prompter), kCheckPass);
  EXPECT_TRUE(x.Messages().empty());
  const auto& ev = x.cv.Express;
  EXPECT_EQ(ev.Claim.NumDependents, 0);
  EXPECT_EQ(ev.NumMarriageChildren, 5);
  EXPECT_EQ(ev.NumMinorChildren, 4);
  EXPECT_EQ(ev.Claim.Under17Children, 1);
  EXPECT_EQ(ev.Claim.FilingStatus, casevars::filing::Head);
  EXPECT_EQ(ev.Payer.FilingStatus, casevars::filing::MFJ);
  EXPECT_FLOAT_EQ(ev.Claim.MoDayCare, 1200.5f);
  EXPECT_EQ(ev.Claim.DayCareChildren, 2);  // 2.5: halves to even
  EXPECT_FLOAT_EQ(ev.Payer.MoDayCare, 300.f);
  EXPECT_EQ(ev.Payer.DayCareChildren, 4);  // 3.5
}

TEST(CheckDataEntry0, SixMinorsPassAndMarriedSeparatelyWithoutDayCarePasses) {
  ExpressCase x;
  x.Set({{"NumChild", "6"}, {"MinChild", "6"}});
  x.On({"ClaimMarried"});
  EXPECT_EQ(CheckDataEntry0(x.form1, x.cv, x.prompter), kCheckPass);
  EXPECT_EQ(x.cv.Express.NumMinorChildren, 6);
}

TEST(CheckDataEntry0, NoMinorChildrenZeroesDayCareWhateverTheBoxesHold) {
  ExpressCase x;
  x.Set({{"ClaimDayCare", "$400"}, {"ClaimNumCare", "2"}, {"OtherDayCare", "abc"},
         {"MinChild", "0"}, {"ClaimDepend17", "0"}, {"PayerDepend17", "0"}});
  x.On({"NoMinorOption"});
  x.cv.Express.Claim.MoDayCare = 99;
  x.cv.Express.Payer.DayCareChildren = 3;
  EXPECT_EQ(CheckDataEntry0(x.form1, x.cv, x.prompter), kCheckPass);
  for (const auto& party : {x.cv.Express.Claim, x.cv.Express.Payer}) {
    EXPECT_EQ(party.MoDayCare, 0.f);
    EXPECT_EQ(party.DayCareChildren, 0);
  }
}

TEST(CheckDataEntry0, AffidavitModeReadsOnlyTheAffidavitsParty) {
  // Neither party chosen on the affidavit: nothing is read, even an empty screen passes.
  ExpressCase none;
  none.form1.SetText("ClaimGrossInc", "");
  none.form1.SetText("PayGrossInc", "");
  EXPECT_EQ(CheckDataEntry0(none.form1, none.cv, none.prompter, {1, false, false}), kCheckPass);
  EXPECT_TRUE(none.Messages().empty());

  // The claimant's affidavit: the other party's empty income is not tested.
  ExpressCase claim;
  claim.Set({{"PayGrossInc", ""}});
  EXPECT_EQ(CheckDataEntry0(claim.form1, claim.cv, claim.prompter, {1, true, false}), kCheckPass);
  EXPECT_EQ(claim.cv.Express.Payer.FilingStatus, QString());
}

TEST(CheckDataEntry0, OtherPartysAffidavitComparesWithTheCountsOfThisRun) {
  // An earlier run left five minors; the screen now holds one. The other
  // party's two children under 17 are compared with the one.
  ExpressCase x;
  x.Set({{"NumChild", "1"}, {"MinChild", "1"}, {"PayerDepend17", "2"}, {"ClaimGrossInc", "x"}});
  x.cv.Express.NumMinorChildren = 5;
  EXPECT_EQ(CheckDataEntry0(x.form1, x.cv, x.prompter, {1, false, true}), kCheckStop);
  EXPECT_EQ(x.cv.Express.NumMinorChildren, 1);
  EXPECT_EQ(x.OnlyMessage().prompt,
            QStringLiteral("For a Tax Calculation on The Financial Affidavit, The Number Of "
                           "Children Under Age 17 Declared By The Other Party (For The Child Tax "
                           "Credit) Should Be Less Than Or Equal To The Total Number Of Minors. "
                           "Please ReEnter on The Data Express Form"));
  // The claimant's own fields stay unread.
  EXPECT_EQ(x.cv.Express.Claim.FilingStatus, QString());
}

TEST(CheckDataEntry0, FieldsBeforeTheFailureAreCopied) {
  ExpressCase x;
  x.Set({{"ClaimDayCare", "$250"}, {"ClaimNumCare", "x"}});
  EXPECT_EQ(CheckDataEntry0(x.form1, x.cv, x.prompter), kCheckStop);
  EXPECT_EQ(x.cv.Express.Claim.FilingStatus, casevars::filing::Head);
  EXPECT_FLOAT_EQ(x.cv.Express.Claim.MoDayCare, 250.f);
}

}  // namespace
}  // namespace express
