#include <gtest/gtest.h>

#include <functional>

#include "express/DayCareCredit.h"
#include "express/ExpressChecks.h"
#include "express/ExpressFixture.h"

namespace express {
namespace {

using testing::ExpressCase;

// A case that has passed check 0 (check 1 reads what check 0 stored).
struct Checked : ExpressCase {
  Checked() = default;
  std::int16_t Run() {
    EXPECT_EQ(CheckDataEntry0(form1, cv, prompter), kCheckPass) << Prompts().join('|').toStdString();
    return CheckDataEntry1(form1, cv, prompter);
  }
};

struct StopCase {
  const char* name;
  std::function<void(Checked&)> change;
  const char* focus;  // "" none
  bool beep;
  const char* message;
};

class CheckDataEntry1Stops : public ::testing::TestWithParam<StopCase> {};

TEST_P(CheckDataEntry1Stops, FocusesAndShowsTheRulesError) {
  const StopCase& c = GetParam();
  Checked x;
  c.change(x);
  EXPECT_EQ(x.Run(), kCheckStop);
  EXPECT_EQ(x.form1.Focus, QLatin1String(c.focus));
  EXPECT_EQ(!x.form1.Log.empty() && x.form1.Log.back() == QStringLiteral("beep"), c.beep);
  const auto shown = x.OnlyMessage();
  EXPECT_EQ(shown.prompt, QLatin1String(c.message));
  EXPECT_EQ(shown.title, QStringLiteral("Entry Error"));
}

const char* const kSplitCounts =
    "Please Enter The Number Of Children In Each Parent's Possession - In Split Custody Each "
    "Parent Will Have At Least One Minor Child";

void Split(Checked& x, const char* withClaimant, const char* withOther) {
  x.On({"SplitOption"});
  x.Set({{"ClaimantPossession11", withClaimant}, {"OtherPossession11", withOther}});
}

// Shared custody, three minors with the claimant's nights 200, 182.5 and 100,
// the claimant's income the greater.
void SharedThreeChildren(Checked& x, const char* claimedForDayCare) {
  x.On({"SharedOption"});
  x.Set({{"NumChild", "3"}, {"MinChild", "3"}, {"PercentOfTimeValue", ".44"},
         {"ClaimNumCare", claimedForDayCare}});
  x.cv.Express.Claim.ChildNights = {200, 182.5f, 100, 0, 0, 0, 0};
  x.cv.Income.Claim.YrGrossIncome = 60000;
  x.cv.Income.Payer.YrGrossIncome = 48000;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CheckDataEntry1Stops,
    ::testing::Values(
        StopCase{"R3_MoreMinorsThanBorn", [](Checked& x) { x.Set({{"NumChild", "2"}, {"MinChild", "3"}}); },
                 "NumChild", false, "The Number Of Minor Children Exceeds Children Born In Marriage"},
        StopCase{"R4_BothPartiesUnder17TooMany",
                 [](Checked& x) { x.Set({{"ClaimDepend17", "2"}, {"PayerDepend17", "1"}}); },
                 "ClaimDepend17", false,
                 "The Sum Of The Children Under Age 17 Declared By Claimant And Other Party Should "
                 "Be Less Than Or Equal To The Total Number Of Minors"},
        StopCase{"R5_NoCustodyStatus", [](Checked& x) { x.Off({"CustodialOption"}); },
                 "CustodialOption", false, "Please Enter The Family Custody Status"},
        StopCase{"R6_NoMinorsChosenWithAMinor",
                 [](Checked& x) {
                   x.On({"NoMinorOption"});
                   x.Set({{"MinChild", "1"}, {"PayerDepend17", "0"}});
                 },
                 "", false,
                 "Please ReEnter Number Of Minor Children, There Should Be No Minors In This Type "
                 "Of Case"},
        StopCase{"R7_SharedWithoutShare", [](Checked& x) { x.On({"SharedOption"}); },
                 "PercentOfTimeValue", false,
                 "Please Enter The Percentage Of Time Children Are In Claimant's Possession (As A "
                 "Decimal)"},
        // A share from a file that is not a number: the message of a typed one.
        StopCase{"R7_ShareNotANumber",
                 [](Checked& x) {
                   x.On({"SharedOption"});
                   x.Set({{"PercentOfTimeValue", "half"}});
                 },
                 "PercentOfTimeValue", false,
                 "Please ReEnter Percent Of Time That Children Are In Claimant's Possession (As A "
                 "Decimal)"},
        StopCase{"R9_NoChildWithOtherParty", [](Checked& x) { Split(x, "2", "0"); },
                 "ClaimantPossession11", false, kSplitCounts},
        StopCase{"R9_NoChildWithClaimant", [](Checked& x) { Split(x, "0", "2"); },
                 "ClaimantPossession11", false, kSplitCounts},
        // A negative count from a file is no child either.
        StopCase{"R9_NegativeCount", [](Checked& x) { Split(x, "-1", "3"); },
                 "ClaimantPossession11", false, kSplitCounts},
        StopCase{"R10_WorkedExample", [](Checked& x) { SharedThreeChildren(x, "3"); },
                 "ClaimNumCare", true,
                 "1 Child(ren) Reside(s) With The Claimant More Than 50% Of The Time. 1 "
                 "Child(ren) Reside(s) With Claimant Exactly 50 Percent Of The Time With The "
                 "Claimant Having The Greater Income. You Show 3 Child(ren) Eligible For The "
                 "Claimant's Day Care Tax Credit, Which Is Inconsistent With The Data Entered. "
                 "The Most That Enty Could Be Is 2. Please Check Your Entries."},
        StopCase{"R11_NonCustodialClaimantWithDayCare",
                 [](Checked& x) {
                   x.On({"NonCustodialOption", "ClaimSingle", "PayerHeadHouse"});
                   x.Set({{"ClaimDayCare", "$300"}, {"ClaimNumCare", "2"}});
                 },
                 "ClaimNumCare", true,
                 "Since Children Do Not Reside With Claimant, There Are No Children Qualified for "
                 "Claimant's Day Care Tax Credit. Please Enter 0 For Claimant's Qualified "
                 "Children. The Care Tax Credit Is Only Available For Children That Reside With A "
                 "Party More Than 50% Of The Time."},
        StopCase{"R13_SplitClaimantMoreThanWithHim",
                 [](Checked& x) {
                   x.Set({{"NumChild", "3"}, {"MinChild", "3"}, {"ClaimDayCare", "$100"},
                          {"ClaimNumCare", "2"}});
                   Split(x, "1", "2");
                 },
                 "ClaimNumCare", true,
                 "The Number Of Children That You Entered As Qualified for Claimant's Day Care "
                 "Tax Credit Exceeds The Number Of Children Residing With Claimant. Please "
                 "ReEnter The Claimant's Qualified Children. The Care Tax Credit Is Only "
                 "Available For Children That Reside With A Party More Than 50% Of The Time."},
        StopCase{"R15_CustodialCaseOtherPartyWithDayCare",
                 [](Checked& x) { x.Set({{"OtherDayCare", "$80"}, {"OtherNumCare", "1"}}); },
                 "OtherNumCare", true,
                 "Since Children Do Not Reside With Other Party, There Are No Children Qualified "
                 "for Other Party's Day Care Tax Credit. Please Enter 0 For The Other Party's "
                 "Qualified Children. The Care Tax Credit Is Only Available For Children That "
                 "Reside With A Party More Than 50% Of The Time."},
        StopCase{"R18_RateOfOneHalf", [](Checked& x) { x.Set({{"ClaimStateTax", ".5"}}); },
                 "ClaimStateTax", false,
                 "Please ReEnter The State Tax Rate For The Claimant (As A Decimal). The Rate "
                 "Entered Appears Unusual."},
        StopCase{"R18_EmptyBox", [](Checked& x) { x.Set({{"ClaimStateTax", ""}}); },
                 "ClaimStateTax", false,
                 "Please ReEnter The State Tax Rate For The Claimant (As A Decimal). The Rate "
                 "Entered Appears Unusual."},
        StopCase{"R21_NegativeAmount",
                 [](Checked& x) {
                   x.form1.SetComboText("PayerStateTaxCombo", "As Amount");
                   x.Set({{"PayerStateTax", "-$10"}});
                 },
                 "PayerStateTax", false,
                 "Please ReEnter The Amount Of Yearly State Tax Rate Paid By The Other Party"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckDataEntry1, DayCareCountWithinWhatTheChildrenAllowPasses) {
  Checked shared;
  SharedThreeChildren(shared, "2");
  EXPECT_EQ(shared.Run(), kCheckPass) << shared.Prompts().join('|').toStdString();

  // Six minors all living with the claimant more than half the year: all six count.
  Checked six;
  six.On({"SharedOption", "ClaimSingle"});
  six.Set({{"NumChild", "6"}, {"MinChild", "6"}, {"PercentOfTimeValue", ".6"}, {"ClaimNumCare", "6"}});
  six.cv.Express.Claim.ChildNights = {200, 200, 200, 200, 200, 200, 200};
  six.dialogs.AnswerMessageBox(platform::kAnswerNo);  // the claimant's "Single" warning
  EXPECT_EQ(six.Run(), kCheckPass) << six.Prompts().join('|').toStdString();

  // A non-custodial claimant without day care cost may enter any count.
  Checked noCost;
  noCost.On({"NonCustodialOption", "ClaimSingle", "PayerHeadHouse"});
  noCost.Set({{"ClaimNumCare", "2"}});
  EXPECT_EQ(noCost.Run(), kCheckPass);
}

TEST(CheckDataEntry1, DayCareMessageForms) {
  using casevars::Party;
  // Form 1: no child at exactly half the year.
  EXPECT_EQ(DayCareCreditMessage(Party::Payer, {2, 0, 0}, 3),
            "2 Child(ren) Reside(s) With The Other Party More Than 50% Of The Time, But You Show "
            "3 Child(ren) Eligible For The Other Party's Day Care Tax Credit. The Most That Enty "
            "Could Be Is 2. The Care Tax Credit Is Only Available For Children That Reside With "
            "A Party More Than 50% Of The Time. Please ReEnter.");
  // Form 3: children at half the year with the other party's income the greater.
  EXPECT_EQ(DayCareCreditMessage(Party::Claim, {1, 0, 2}, 2),
            "1 Child(ren) Reside(s) With The Claimant More Than 50% Of The Time. 2 Child(ren) "
            "Reside(s) With Claimant Exactly 50 Percent Of The Time. In An Exact 50 Percent Split "
            "Of Overnights, The IRS Requires A Parent To Have The Greater Income To Qualify For "
            "The Care Tax Credit For That Child. You Show 2 Child(ren) Eligible For The "
            "Claimant's Day Care Tax Credit, Which Is Inconsistent With The Data Entered. The "
            "Most That Enty Could Be Is 1. Please Check Your Entries.");
  // Form 4: only such children.
  EXPECT_EQ(DayCareCreditMessage(Party::Claim, {0, 0, 1}, 1),
            "1 Child(ren) Reside(s) The With Claimant Exactly 50 Percent Of The Time. In An Exact "
            "50 Percent Split Of Overnights, The IRS Requires A Parent To Have The Greater Income "
            "To Qualify For The Care Tax Credit For That Child. You Show 1 Child(ren) Eligible "
            "For The Claimant's Day Care Tax Credit, Which Is Inconsistent With The Data "
            "Entered. The Most That Enty Could Be Is 0. Please Check Your Entries.");
}

TEST(CheckDataEntry1, CountsOnlyTheMinorsAndNoneAtHalfWithEqualIncomes) {
  casevars::CaseVars cv;
  cv.Express.NumMinorChildren = 3;
  cv.Express.Payer.ChildNights = {182.5f, 182.5f, 300, 300, 300, 300, 0};
  const auto equal = CountDayCareChildren(cv, casevars::Party::Payer);
  EXPECT_EQ(equal.A, 1);
  EXPECT_EQ(equal.B + equal.C, 0);
  cv.Income.Payer.YrGrossIncome = 1;
  EXPECT_EQ(CountDayCareChildren(cv, casevars::Party::Payer).B, 2);
  // A count beyond six reads no further than the sixth child.
  cv.Express.NumMinorChildren = 9;
  EXPECT_EQ(CountDayCareChildren(cv, casevars::Party::Payer).A, 4);
}

TEST(CheckDataEntry1, ShareWarningsStopOnYesAndStoreOnNo) {
  Checked yes;
  yes.On({"SharedOption", "ClaimSingle", "PayerHeadHouse"});
  yes.Set({{"PercentOfTimeValue", ".15"}, {"ClaimDays", "54.8"}});
  yes.cv.Express.Claim.PercentOfTime = 0.4f;
  yes.dialogs.AnswerMessageBox(platform::kAnswerYes);
  EXPECT_EQ(yes.Run(), kCheckStop);
  EXPECT_EQ(yes.form1.Focus, QStringLiteral("PercentOfTimeValue"));
  EXPECT_EQ(yes.OnlyMessage().title, QStringLiteral("Entry Warning"));
  EXPECT_EQ(yes.OnlyMessage().buttons, platform::kBoxYesNo);
  EXPECT_FLOAT_EQ(yes.cv.Express.Claim.PercentOfTime, 0.4f);  // a Yes keeps the old values

  Checked no;
  no.On({"SharedOption", "ClaimSingle", "PayerHeadHouse"});
  no.Set({{"PercentOfTimeValue", ".15"}, {"ClaimDays", "54.8"}});
  EXPECT_EQ(no.Run(), kCheckPass);  // unscripted: No
  EXPECT_TRUE(no.OnlyMessage().prompt.startsWith("If The Percentage Of Time Children Are In Claimant's Possession Is Less Than 20%"));
  EXPECT_FLOAT_EQ(no.cv.Express.Claim.PercentOfTime, 0.15f);
  EXPECT_FLOAT_EQ(no.cv.Express.Claim.YrOvernights, 54.8f);
  EXPECT_FLOAT_EQ(no.cv.Express.Payer.YrOvernights, 365 - 54.8f);

  for (const char* limit : {".2", ".8"}) {
    Checked x;
    x.On({"SharedOption"});
    x.Set({{"PercentOfTimeValue", limit}});
    x.Run();
    for (const QString& prompt : x.Prompts()) EXPECT_FALSE(prompt.startsWith("If The Percentage")) << limit;
  }
}

// The other party's nights are the year less the claimant's as typed, so that
// both figures, written out with seven digits as the worksheet takes them,
// sum to 365 (265.1 held in single precision would leave 99.89999).
TEST(CheckDataEntry1, BothPartiesNightsSumToTheYear) {
  for (const char* nights : {"265.1", "99.9", "266.2", "182.5", "0.3"}) {
    Checked x;
    x.On({"SharedOption"});
    x.Set({{"PercentOfTimeValue", ".5"}, {"ClaimDays", nights}});
    EXPECT_EQ(x.Run(), kCheckPass) << nights;
    const auto written = [](float held) { return QString::number(double(held), 'g', 7); };
    const auto& ev = x.cv.Express;
    EXPECT_EQ(written(ev.Claim.YrOvernights), QLatin1String(nights));
    EXPECT_EQ(written(ev.Claim.YrOvernights).toDouble() + written(ev.Payer.YrOvernights).toDouble(), 365)
        << nights << ": " << written(ev.Payer.YrOvernights).toStdString();
  }
}

TEST(CheckDataEntry1, DayCareCountsTellIncomesApartToTheCent) {
  casevars::CaseVars cv;
  cv.Express.NumMinorChildren = 1;
  cv.Express.Payer.ChildNights = cv.Express.Claim.ChildNights = {182.5f, 0, 0, 0, 0, 0, 0};
  cv.Income.Payer.YrGrossIncome = 100000003;  // the same figure as the claimant's in single precision
  cv.Income.Claim.YrGrossIncome = 100000000;
  EXPECT_EQ(CountDayCareChildren(cv, casevars::Party::Payer).B, 1);
  EXPECT_EQ(CountDayCareChildren(cv, casevars::Party::Claim).C, 1);
}

TEST(CheckDataEntry1, SplitCountsAndStateTaxAreStored) {
  Checked x;
  x.Set({{"NumChild", "3"}, {"MinChild", "3"}, {"ClaimStateTax", ".499"}, {"PayerStateTax", "3,200"}});
  x.form1.SetComboText("PayerStateTaxCombo", "As Amount");
  Split(x, "2", "1");
  x.On({"PayerHeadHouse"});
  EXPECT_EQ(x.Run(), kCheckPass) << x.Prompts().join('|').toStdString();
  const auto& ev = x.cv.Express;
  EXPECT_EQ(ev.CustodyStatus, casevars::custody::Split);
  EXPECT_EQ(ev.Claim.PossessionChildren, 2);
  EXPECT_EQ(ev.Claim.WintersChildren, 2);
  EXPECT_EQ(ev.Payer.WintersChildren, 1);
  EXPECT_FLOAT_EQ(ev.Claim.StateTaxRate, 0.499f);
  EXPECT_FLOAT_EQ(ev.Payer.YrStateTaxEntered, 3200.f);
}

struct FilingCase {
  const char* name;
  const char* custodyOption;
  const char* claimFiling;
  const char* payerFiling;
  float share;  // shared custody: the claimant's share, between the 20 and 80% limits
  QStringList warnings;  // every one answered No
};

class CheckDataEntry1Filing : public ::testing::TestWithParam<FilingCase> {};

TEST_P(CheckDataEntry1Filing, WarnsForTheCustodyStatusInForce) {
  const FilingCase& c = GetParam();
  Checked x;
  x.On({c.custodyOption, c.claimFiling, c.payerFiling});
  x.Set({{"MinChild", "0"}, {"ClaimDepend17", "0"}, {"PayerDepend17", "0"}});
  if (QLatin1String(c.custodyOption) != QLatin1String("NoMinorOption"))
    x.Set({{"MinChild", "2"}, {"NumChild", "2"}, {"ClaimantPossession11", "1"},
           {"OtherPossession11", "1"}});
  // In shared custody the rules read the share that the share rule stores.
  x.form1.SetText("PercentOfTimeValue", QString::number(c.share));
  ASSERT_EQ(CheckDataEntry0(x.form1, x.cv, x.prompter), kCheckPass);
  EXPECT_EQ(CheckDataEntry1(x.form1, x.cv, x.prompter), kCheckPass);
  QStringList filing;
  for (const QString& prompt : x.Prompts())
    if (!prompt.startsWith("If The Percentage")) filing << prompt;
  EXPECT_EQ(filing, c.warnings);
  for (const auto& shown : x.Messages()) EXPECT_EQ(shown.title, QStringLiteral("Entry Warning"));
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, CheckDataEntry1Filing,
    ::testing::Values(
        FilingCase{"NoMinorsBothHead", "NoMinorOption", "ClaimHeadHouse", "PayerHeadHouse", 0,
                   {"With No Minors, Claimant's Filing Status Is Probably Single, Do You Want To "
                    "ReEnter This Value?",
                    "With No Minors, Other Party's Filing Status Is Probably Single, Do You Want "
                    "To ReEnter This Value?"}},
        FilingCase{"CustodialClaimantSingle", "CustodialOption", "ClaimSingle", "PayerSingle", 0,
                   {"Claimant Is The Custodial Parent, So Claimant's Filing Status Is Probably "
                    "Head Of Household, Do You Want To ReEnter This Value?"}},
        FilingCase{"NonCustodialBothWrong", "NonCustodialOption", "ClaimHeadHouse", "PayerSingle", 0,
                   {"Claimant Is Not The Custodial Parent, So Claimant's Filing Status Is "
                    "Probably Single, Do You Want To ReEnter This Value?",
                    "Other Party Is The Custodial Parent, So Other Party's Filing Status Is "
                    "Probably Head Of Household, Do You Want To ReEnter This Value?"}},
        FilingCase{"SharedMostlyWithClaimant", "SharedOption", "ClaimSingle", "PayerHeadHouse", 0.6f,
                   {"Children Reside With Claimant At Least 50% Of The Time, So Claimant's Filing "
                    "Status Is Probably Head Of Household, Do You Want To ReEnter This Value?",
                    "Children Reside With Other Party Less Than 50% Of The Time, So Other Party's "
                    "Filing Status Is Probably Single, Do You Want To ReEnter This Value?"}},
        FilingCase{"SharedMostlyWithOther", "SharedOption", "ClaimHeadHouse", "PayerSingle", 0.4f,
                   {"Children Reside With Claimant Less Than 50% Of The Time, So Claimant's "
                    "Filing Status Is Probably Single, Do You Want To ReEnter This Value?",
                    "Children Reside With Other Party More Than 50% Of The Time, So Other Party's "
                    "Filing Status Is Probably Head Of Household, Do You Want To ReEnter This "
                    "Value?"}},
        FilingCase{"SharedExactlyHalf", "SharedOption", "ClaimSingle", "PayerSingle", 0.5f, {}},
        FilingCase{"SplitBothSingle", "SplitOption", "ClaimSingle", "PayerSingle", 0,
                   {"With Split Custody, Claimant's Filing Status Is Probably Head Of Household, "
                    "Do You Want To ReEnter This Value?",
                    "With Split Custody, Other Party's Filing Status Is Probably Head Of "
                    "Household, Do You Want To ReEnter This Value?"}},
        FilingCase{"JointFilersNeverWarn", "CustodialOption", "ClaimMFJ", "PayerMFJ", 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckDataEntry1, FilingWarningYesStopsAndHandEnteredNetsSkipThem) {
  Checked yes;
  yes.On({"ClaimSingle"});
  yes.dialogs.AnswerMessageBox(platform::kAnswerYes);
  EXPECT_EQ(yes.Run(), kCheckStop);
  EXPECT_EQ(yes.form1.Focus, QString());  // the filing warnings move no focus

  Checked manual;
  manual.On({"ClaimSingle"});
  manual.cv.Results.ManualNetState = 3;
  EXPECT_EQ(manual.Run(), kCheckPass);
  EXPECT_TRUE(manual.Messages().empty());
}

}  // namespace
}  // namespace express
