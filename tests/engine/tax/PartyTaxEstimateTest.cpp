#include <gtest/gtest.h>

#include "case/CaseVars.h"
#include "engine/tax/PartyTaxEstimate.h"

namespace {

using casevars::CaseVars;
using casevars::Party;

// Credits of the claimant with the income tax and AGI given, after the payroll tax.
casevars::PartyTax Credits(CaseVars& v, double agi, double incomeTax, bool eicAsked) {
  tax::PartyCase p = tax::PartyCaseOf(v, Party::Claim);
  tax::ComputePayrollTaxes(p);
  p.Tax.YrFedAGI = agi;
  p.Tax.YrFedTax = incomeTax;
  tax::ComputeCredits(p, Party::Claim, "Cust", eicAsked);
  return p.Tax;
}

TEST(PartyTaxEstimate, TipsAndOvertimeAreEarnedIncome) {
  // Earned income credit, one child: 13,020 of tips and overtime premium earn
  // the full 4,427, as wages would; for a joint return the new spouse's too.
  const struct {
    const char* filing;
    double tips, overtime, spouseTips, spouseOvertime;
  } earners[] = {{"Single", 10'000, 3'020, 0, 0}, {"MFJ", 0, 0, 5'020, 8'000}};
  for (const auto& e : earners) {
    CaseVars v;
    v.Express.Claim.FilingStatus = e.filing;
    v.Income.Claim.YrTips = e.tips;
    v.Income.Claim.YrOT = e.overtime;
    v.Income.Claim.YrTips1 = e.spouseTips;
    v.Income.Claim.YrOT1 = e.spouseOvertime;
    v.Income.Claim.EICChildren = 1;
    EXPECT_FLOAT_EQ(Credits(v, 13'020, 0, true).YrEIC, 4'427) << e.filing;
  }

  // Additional child tax credit: with no tax the 2,200 child credit is all over
  // it; L = 0.15 x (30,000 of tips - 2,500) = 4,125, so the per-child 1,700 remains.
  CaseVars w;
  w.Express.Claim.FilingStatus = "Single";
  w.Express.Claim.Under17Children = 1;
  w.Income.Claim.YrTips = 30'000;
  const casevars::PartyTax t = Credits(w, 30'000, 0, false);
  EXPECT_FLOAT_EQ(t.YrAddlChildTaxCredit, 1'700);
  EXPECT_FLOAT_EQ(t.YrTotalCredits, 1'700);
}

TEST(PartyTaxEstimate, JointFilerWithThreeChildrenUsesTheCouplesPayrollTax) {
  // Only the new spouse works: wages 4,000, payroll tax 306. Three children,
  // child tax credit 6,600, no income tax: all 6,600 over the tax.
  // L = 0.15 x (4,000 - 2,500) = 225; the couple's payroll tax 306 is larger.
  CaseVars v;
  v.Express.Claim.FilingStatus = "MFJ";
  v.Express.Claim.Under17Children = 3;
  v.Business.Claim.YrWagesForTax1 = 4'000;
  const casevars::PartyTax t = Credits(v, 4'000, 0, false);
  EXPECT_EQ(t.YrFicaTax, 0);
  EXPECT_EQ(t.YrFicaTax1, 306);
  EXPECT_FLOAT_EQ(t.YrAddlChildTaxCredit, 306);
}

TEST(PartyTaxEstimate, PayrollTaxOfAJointReturn) {
  // Party: SE income 10,000 -> 1,413, half 706.4775. Spouse: SE 20,000:
  // 18,470 x 0.153 = 2,825.91 -> 2,826, half 1,412.955. The couple's half goes
  // into the adjustments; the spouse's payroll tax stays apart.
  CaseVars v;
  v.Express.Claim.FilingStatus = "MFJ";
  v.Business.Claim.YrSEIncome = 10'000;
  v.Business.Claim.YrSEIncome1 = 20'000;
  v.Income.Claim.YrAdjustments = 1'000;
  tax::PartyCase p = tax::PartyCaseOf(v, Party::Claim);
  tax::ComputePayrollTaxes(p);
  EXPECT_EQ(v.Tax.Claim.YrFicaTax, 1'413);
  EXPECT_EQ(v.Tax.Claim.YrFicaTax1, 2'826);
  EXPECT_FLOAT_EQ(v.Tax.Claim.YrHalfSETax1, 1'412.955);
  EXPECT_FLOAT_EQ(v.Tax.Claim.YrHalfSETax, 706.4775 + 1'412.955);
  EXPECT_FLOAT_EQ(v.Tax.Claim.YrTaxAdjustments, 1'000 + 706.4775 + 1'412.955);
}

}  // namespace

TEST(PartyTaxEstimate, JointShareStaysWithinZeroAndOne) {
  const struct {
    double own, spouse, share;
  } cases[] = {{30'000, 10'000, 0.75}, {-10'000, 30'000, 0}, {30'000, -10'000, 1}, {0, 0, 0}};
  for (const auto& c : cases) {
    CaseVars v;
    v.Express.Claim.FilingStatus = "MFJ";
    v.Income.Claim.YrTotal = c.own;
    v.Income.Claim.YrTotal1 = c.spouse;
    tax::PartyCase p = tax::PartyCaseOf(v, Party::Claim);
    tax::ComputeJointShare(p);
    EXPECT_FLOAT_EQ(p.Tax.MFJShare, c.share) << c.own << " " << c.spouse;
  }
}
