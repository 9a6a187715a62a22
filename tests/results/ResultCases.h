#pragma once

#include "case/CaseVars.h"

// Child support results as a run leaves them, set by hand so that every
// figure a result text or report shows is plain to see. Sole custody with two
// children: the claimant, head of household, has the children; the other
// party, single, pays.
namespace resultcases {

inline casevars::CaseVars SoleCustody() {
  casevars::CaseVars v;
  auto& ex = v.Express;
  ex.CustodyStatus = "Cust";
  ex.NumMarriageChildren = 3;
  ex.NumMinorChildren = 2;
  ex.Claim.FilingStatus = "Head";
  ex.Payer.FilingStatus = "Single";
  ex.Claim.Under17Children = 2;
  ex.Claim.YrOvernights = 300;
  ex.Payer.YrOvernights = 65;
  v.Income.Claim.YrGrossIncome = 36'000;
  v.Income.Claim.YrAllowableDeductions = 1'200;
  v.Income.Payer.YrGrossIncome = 72'600;
  auto& ct = v.Tax.Claim;
  ct.YrFicaTax = 2'754;
  ct.YrFedTax = 1'185;
  ct.YrTotalCredits = 4'585;
  auto& pt = v.Tax.Payer;
  pt.YrFicaTax = 5'554;
  pt.YrStateTax = 2'904;
  pt.YrFedTax = 7'142;
  auto& cs = v.Support;
  cs.SplitMethod = "Winters";
  cs.Claim.MoPreAdjNet = 2'953.83f;
  cs.Claim.MoNetIncome = 2'954;
  cs.Claim.MoExpensesPaid = 520;
  cs.Claim.IncomeShare = 0.3834f;
  cs.Claim.MoBasicObligation = 690;
  cs.Claim.MoExpenseObligation = 219;
  cs.Claim.MoNetObligation = 389;
  cs.Payer.MoPreAdjNet = 4'750;
  cs.Payer.MoNetIncome = 4'750;
  cs.Payer.MoExpensesPaid = 50;
  cs.Payer.IncomeShare = 0.6166f;
  cs.Payer.MoBasicObligation = 1'110;
  cs.Payer.MoExpenseObligation = 351;
  cs.Payer.MoNetObligation = 1'411;
  cs.CombinedMoNetIncome = 7'704;
  cs.MoBasicObligation = 1'800;
  cs.MoChildSupportTransfer = 1'411;
  cs.MoTierSupport = {0, 1'012, 1'110, 0, 0, 0, 0};
  cs.MoTierNetExpense = {0, 301, 301, 0, 0, 0, 0};
  v.Results.ManualNetState = 1;
  return v;
}

// Shared custody, 182.5 nights each with both children.
inline casevars::CaseVars SharedCustody() {
  casevars::CaseVars v = SoleCustody();
  auto& ex = v.Express;
  ex.CustodyStatus = "Shared";
  ex.Claim.YrOvernights = 182.5f;
  ex.Payer.YrOvernights = 182.5f;
  for (int k = 1; k <= 6; ++k) {
    ex.Claim.TierNights[k] = 182.5f;
    ex.Payer.TierNights[k] = 182.5f;
  }
  ex.Claim.TierNights[1] = 200;
  ex.Payer.TierNights[1] = 165;
  auto& cs = v.Support;
  cs.MoBasicObligation = 2'700;  // 1.5 x 1,800
  cs.Claim.SharedNights = 182.5f;
  cs.Payer.SharedNights = 182.5f;
  cs.Claim.MoNetObligation = 854;
  cs.Payer.MoNetObligation = 1'966;
  cs.MoChildSupportTransfer = 556;  // (1,966 - 854) / 2
  return v;
}

// Split custody of three children, one living with the claimant, by the
// Winters formula.
inline casevars::CaseVars SplitWinters() {
  casevars::CaseVars v = SoleCustody();
  auto& ex = v.Express;
  ex.CustodyStatus = "Split";
  ex.NumMinorChildren = 3;
  ex.Claim.PossessionChildren = ex.Claim.WintersChildren = 1;
  ex.Payer.PossessionChildren = ex.Payer.WintersChildren = 2;
  ex.Claim.SplitChildren = {1, 1, 1, 0, 0, 0, 0};
  ex.Payer.SplitChildren = {0, 1, 2, 0, 0, 0, 0};
  auto& cs = v.Support;
  cs.Claim.MoNetObligation = 600;
  cs.Payer.MoNetObligation = 1'500;
  cs.MoChildSupportTransfer = 100;  // 1/3 x 1,500 - 2/3 x 600
  cs.MoTierSupport = {0, 1'012, 300, 100, 0, 0, 0};
  return v;
}

// The same split by dual worksheets: each family's obligation apart.
inline casevars::CaseVars SplitDual() {
  casevars::CaseVars v = SplitWinters();
  auto& cs = v.Support;
  cs.SplitMethod = "Dual";
  cs.MoBasicObligation = 1'100;      // the claimant's family
  cs.MoBasicObligationFam2 = 1'500;  // the other parent's family
  cs.Claim.MoBasicObligationFam2 = 575;
  cs.Payer.MoBasicObligation = 678;
  cs.Claim.MoExpenseObligation = 219;
  cs.Payer.MoExpenseObligation = 351;
  cs.Claim.MoNetObligation = 424.5f;  // (219 - 520) / 2 + 575
  cs.Payer.MoNetObligation = 828.5f;  // (351 - 50) / 2 + 678
  cs.MoChildSupportTransfer = 404;
  return v;
}

}  // namespace resultcases
