#include <gtest/gtest.h>

#include <stdexcept>

#include "case/CaseCodes.h"
#include "tools/DependsFlip.h"

using namespace tools;

namespace {

casevars::CaseVars Case(int minors, QLatin1String custody) {
  casevars::CaseVars vars;
  vars.Express.NumMinorChildren = static_cast<std::int16_t>(minors);
  vars.Express.CustodyStatus = custody;
  return vars;
}

// A child support driver that sets the transfer from the claimant's count of
// children under 17 and the claimant's tax from the other party's count.
struct FakeDriver {
  casevars::CaseVars& vars;
  QString field;
  float transferBy[3];
  int runs = 0;
  bool throwOnFirst = false;

  DependsServices Services() {
    DependsServices s;
    s.computeChildSupport = [this] {
      ++runs;
      if (throwOnFirst && runs == 1) throw std::runtime_error("stop");
      const int count = vars.Express.Claim.Under17Children;
      field = QStringLiteral("$%1").arg(transferBy[count]);
      vars.Tax.Claim.YrFedTax = 1000 - 100 * vars.Express.Payer.Under17Children;
      vars.Support.MoChildSupportTransfer = transferBy[count];
    };
    s.childSupportText = [this] { return field; };
    return s;
  }
};

}  // namespace

TEST(DependsFlip, EntryChecks) {
  using F = DependsField;
  const struct {
    QLatin1String custody;
    const char *claim, *payer, *claimNights, *payerNights;
    int step;
    F focus;
  } cases[] = {
      {casevars::custody::Cust, "2", "1", "", "", 5, F::ClaimDepend17},
      {casevars::custody::Cust, "1", "1", "", "", 0, F::ClaimDepend17},
      {casevars::custody::Cust, "3", "0", "", "", 3, F::ClaimDepend17},
      {casevars::custody::Cust, "0", "3", "", "", 4, F::PayerDepend17},
      {casevars::custody::Cust, "-1", "0", "", "", 1, F::ClaimDepend17},
      {casevars::custody::Cust, "0", "-1", "", "", 2, F::PayerDepend17},
      // Whole counts only: 1.5 is refused at its own step (it is not rounded after passing).
      {casevars::custody::Cust, "1.5", "0", "", "", 1, F::ClaimDepend17},
      {casevars::custody::Cust, "0", "0.5", "", "", 2, F::PayerDepend17},
      {casevars::custody::Shared, "1", "1", "200", "165", 0, F::ClaimDepend17},
      {casevars::custody::Shared, "1", "1", "200", "166", 8, F::ClaimNights},
      {casevars::custody::Shared, "1", "1", "abc", "165", 6, F::ClaimNights},
      {casevars::custody::Shared, "1", "1", "200", "", 7, F::PayerNights},
      {casevars::custody::Cust, "1", "1", "abc", "", 0, F::ClaimDepend17},  // nights unchecked unless shared
  };
  for (const auto& c : cases) {
    DependsRevised revised;
    const DependsCheck check = CheckDependsEntry({QString::fromLatin1(c.claim), QString::fromLatin1(c.payer),
                                                  QString::fromLatin1(c.claimNights), QString::fromLatin1(c.payerNights)},
                                                 Case(2, c.custody), revised);
    EXPECT_EQ(check.step, c.step) << c.claim << "/" << c.payer << " " << c.claimNights << "/" << c.payerNights;
    if (c.step) {
      EXPECT_EQ(check.focus, c.focus) << c.claim << "/" << c.payer;
    }
  }
}

TEST(DependsFlip, TypingOvernightsFillsTheOtherParty) {
  EXPECT_EQ(OvernightsTyped(QStringLiteral("150")).otherText, QStringLiteral("215.00"));
  EXPECT_EQ(OvernightsTyped(QStringLiteral("x")).otherText, QStringLiteral("365.00"));
}

TEST(DependsFlip, ReceivedLessShowsDifferenceAndLeavesTheCaseAsItWas) {
  casevars::CaseVars vars = Case(2, casevars::custody::Cust);
  vars.Express.Claim.Under17Children = 1;
  vars.Express.Claim.NumDependents = 1;
  FakeDriver driver{vars, QStringLiteral("$300"), {250, 300, 0}};
  driver.Services().computeChildSupport();
  driver.runs = 0;
  const casevars::CaseVars before = vars;

  const DependsFlipReport report = CalculateDependsFlip(vars, {0, 0, 0, 0}, driver.Services());
  EXPECT_EQ(report.transfer[0], QStringLiteral(" Original Child Support = $300 ($3600/Yr)"));
  EXPECT_EQ(report.transfer[2], QStringLiteral(" Difference In Child Support Amounts = $50 ($600/Yr)"));
  EXPECT_EQ(report.claimant.lines[0].label, QStringLiteral("  Decrease In Child Support Received/Yr   "));
  EXPECT_EQ(report.claimant.lines[0].amount, QStringLiteral("-$600"));
  EXPECT_EQ(report.other.lines[0].label, QStringLiteral("  Decrease In Child Support Paid/Yr   "));
  EXPECT_EQ(report.other.lines[0].amount, QStringLiteral("+$600"));
  EXPECT_EQ(report.claimant.heading, QStringLiteral(" Petitioner's (Claimant) Income Adjustments /Yr"));
  EXPECT_TRUE(report.notes.isEmpty());

  EXPECT_EQ(driver.runs, 2);  // the change, then the case put back
  EXPECT_EQ(driver.field, QStringLiteral("$300"));
  EXPECT_EQ(vars.Express.Claim.Under17Children, 1);
  EXPECT_EQ(vars.Express.Claim.NumDependents, 1);
  EXPECT_EQ(vars.Tax.Claim.YrFedTax, before.Tax.Claim.YrFedTax);
}

TEST(DependsFlip, ClaimantGoesFromPayerToPayee) {
  casevars::CaseVars vars = Case(2, casevars::custody::Cust);
  FakeDriver driver{vars, QStringLiteral("-$200"), {-200, 100, 0}};
  const DependsFlipReport report = CalculateDependsFlip(vars, {1, 0, 0, 0}, driver.Services());
  ASSERT_EQ(report.notes.size(), 1);
  EXPECT_EQ(report.notes[0], QStringLiteral(" Claimant Went From Payer To Payee"));
  EXPECT_EQ(report.transfer[0], QStringLiteral(" Original Child Support = -$200 (-$2400/Yr)"));
  EXPECT_EQ(report.transfer[2], QStringLiteral(" Difference In Child Support Amounts = $300 ($3600/Yr)"));
  EXPECT_EQ(report.claimant.lines[0].label, QStringLiteral("  Increase In Child Support Received/Yr   "));
  EXPECT_EQ(report.claimant.lines[0].amount, QStringLiteral("+$3600"));
  EXPECT_EQ(report.other.lines[0].label, QStringLiteral("  Increase In Child Support Paid/Yr   "));
  EXPECT_EQ(report.other.lines[0].amount, QStringLiteral("-$3600"));
}

TEST(DependsFlip, NoChangeGivesNoChangeLines) {
  casevars::CaseVars vars = Case(2, casevars::custody::Cust);
  FakeDriver driver{vars, QStringLiteral("$300"), {300, 300, 300}};
  driver.Services().computeChildSupport();
  const DependsFlipReport report = CalculateDependsFlip(vars, {0, 0, 0, 0}, driver.Services());
  EXPECT_EQ(report.transfer[2], QStringLiteral(" No Difference In Child Support Amounts = $0 ($0/Yr)"));
  for (const PartyLines* party : {&report.claimant, &report.other}) {
    ASSERT_EQ(party->lines.size(), 4u);
    EXPECT_TRUE(party->lines[0].label.startsWith(QStringLiteral("  No Change In Child Support")));
    EXPECT_EQ(party->lines[2].amount, QStringLiteral("----------"));
    EXPECT_EQ(party->lines[3].label, QStringLiteral("  No Change In Net Income/Yr:   "));
  }
}

// Taxes of a hundred million dollars and more still change by the dollar.
TEST(DependsFlip, ALargeTaxChangesByTheExactDifference) {
  casevars::CaseVars vars = Case(2, casevars::custody::Cust);
  vars.Express.Payer.Under17Children = 1;
  vars.Tax.Claim.YrStateTax = 100000000;
  FakeDriver driver{vars, QStringLiteral("$300"), {300, 300, 300}};
  driver.Services().computeChildSupport();  // federal tax 900; without the child 1,000
  const DependsFlipReport report = CalculateDependsFlip(vars, {0, 0, 0, 0}, driver.Services());
  ASSERT_GE(report.claimant.lines.size(), 2u);
  EXPECT_EQ(report.claimant.lines[1].label, QStringLiteral("  Increase In Tax Paid/Yr   "));
  EXPECT_EQ(report.claimant.lines[1].amount, QStringLiteral("-$100"));
}

TEST(DependsFlip, OvernightNotesBelowHalfTheYear) {
  const struct { float revisedClaim; int notes; } cases[] = {{180, 2}, {182.5f, 0}};
  for (const auto& c : cases) {
    casevars::CaseVars vars = Case(2, casevars::custody::Shared);
    vars.Express.Claim.TierNights[2] = 190;
    vars.Express.Payer.TierNights[2] = 175;
    FakeDriver driver{vars, QStringLiteral("$0"), {0, 0, 0}};
    const DependsFlipReport report =
        CalculateDependsFlip(vars, {0, 0, c.revisedClaim, 365 - c.revisedClaim}, driver.Services());
    EXPECT_EQ(report.notes.size(), c.notes) << c.revisedClaim;
    EXPECT_EQ(vars.Express.Claim.TierNights[2], 190);
  }
}

TEST(DependsFlip, AStoppedRunStillPutsTheCaseBackAndRunsAgain) {
  casevars::CaseVars vars = Case(2, casevars::custody::Cust);
  vars.Express.Claim.Under17Children = 2;
  FakeDriver driver{vars, QStringLiteral("$100"), {0, 0, 100}};
  driver.throwOnFirst = true;
  EXPECT_THROW(CalculateDependsFlip(vars, {0, 1, 0, 0}, driver.Services()), std::runtime_error);
  EXPECT_EQ(vars.Express.Claim.Under17Children, 2);
  EXPECT_EQ(vars.Express.Payer.Under17Children, 0);
  EXPECT_EQ(driver.runs, 2);
  EXPECT_EQ(driver.field, QStringLiteral("$100"));
}
