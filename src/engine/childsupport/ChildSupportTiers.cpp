#include "engine/childsupport/ChildSupportTiers.h"

#include <algorithm>

#include "engine/childsupport/GuidelineSchedule.h"
#include "platform/Rounding.h"

namespace childsupport {

using casevars::CaseVars;
using casevars::ChildArray;
using casevars::Party;
using casevars::PartySupport;

namespace {

double Round(double x) { return platform::RoundToWhole(x); }

QString TooManyChildren(int children) {
  return QStringLiteral(
             "The child support calculation stopped: the parenting-time entries hold at most "
             "six children, and the case has %1 minor children. Please enter six minor children "
             "or fewer.")
      .arg(children);
}

QString NoOvernights(int children) {
  return QStringLiteral(
             "The child support calculation stopped: the overnights with the two parents add "
             "up to zero for %1 children. Please enter the overnights by child.")
      .arg(children);
}

// Element i of a per-child array, when the array has it.
std::optional<double> At(const ChildArray& a, int i) {
  if (i < 0 || i >= int(a.size())) return std::nullopt;
  return a[std::size_t(i)];
}

}  // namespace

std::optional<QString> ComputeTiers(CaseVars& w) {
  casevars::ChildSupportVars& cs = w.Support;
  const casevars::ExpressVars& ex = w.Express;
  PartySupport& claim = cs.Claim;
  PartySupport& payer = cs.Payer;
  const bool split = ex.CustodyStatus == casevars::custody::Split;
  const bool dual = split && cs.SplitMethod == casevars::method::Dual;
  const bool shared = ex.CustodyStatus == casevars::custody::Shared;

  cs.MoBasicObligation = 0;
  cs.MoBasicObligationFam2 = 0;
  const int tiers = ex.NumMinorChildren;
  for (int n = 1; n <= tiers; ++n) {
    // Split counts: how many of the first n children live with each party.
    std::optional<double> claimSplit;
    std::optional<double> payerSplit;
    if (split) {
      claimSplit = At(ex.Claim.SplitChildren, n - 1);
      payerSplit = At(ex.Payer.SplitChildren, n - 1);
      if (!claimSplit || !payerSplit) return TooManyChildren(tiers);
    }

    if (dual) {
      cs.MoBasicObligation = 
          LookUpBasicObligation(*claimSplit, cs.CombinedMoNetIncome, cs.InterpMethod);
      cs.MoBasicObligationFam2 = 
          LookUpBasicObligation(*payerSplit, cs.CombinedMoNetIncome, cs.InterpMethod);
      if (*claimSplit == 0) cs.MoBasicObligation = 0;
      if (*payerSplit == 0) cs.MoBasicObligationFam2 = 0;
    } else {
      cs.MoBasicObligation =
          LookUpBasicObligation(n, cs.CombinedMoNetIncome, cs.InterpMethod);
    }

    for (Party party : casevars::kParties)
      cs[party].IncomeShare = platform::GuardedQuotient(cs[party].MoNetIncome, cs.CombinedMoNetIncome, 1e-8);

    if (shared) cs.MoBasicObligation = 1.5 * cs.MoBasicObligation;

    for (Party party : casevars::kParties) {
      PartySupport& s = cs[party];
      s.MoBasicObligation = Round(s.IncomeShare * cs.MoBasicObligation);
      if (dual) s.MoBasicObligationFam2 = Round(s.IncomeShare * cs.MoBasicObligationFam2);
    }

    const double costs = (ex.Payer.MoChildHealthIns + ex.Claim.MoChildHealthIns +
                         ex.Claim.MoNonCoveredHealth + ex.Payer.MoNonCoveredHealth) +
                        (ex.Payer.MoDayCare + ex.Claim.MoDayCare);
    for (Party party : casevars::kParties) {
      PartySupport& s = cs[party];
      const casevars::PartyExpress& e = ex[party];
      s.MoExpenseObligation = Round(s.IncomeShare * costs);
      s.MoExpensesPaid = e.MoNonCoveredHealth + e.MoChildHealthIns + e.MoDayCare;
    }

    if (dual) {
      // Each parent owes half the balance of the costs and a share of the
      // obligation of the children living with the other parent.
      claim.MoNetObligation =
          (claim.MoExpenseObligation - claim.MoExpensesPaid) / 2 + claim.MoBasicObligationFam2;
      payer.MoNetObligation =
          (payer.MoExpenseObligation - payer.MoExpensesPaid) / 2 + payer.MoBasicObligation;
      cs.MoChildSupportTransfer = payer.MoNetObligation - claim.MoNetObligation;
    } else {
      for (PartySupport* s : {&claim, &payer})
        s->MoNetObligation = s->MoExpenseObligation + s->MoBasicObligation - s->MoExpensesPaid;
    }

    if (ex.CustodyStatus == casevars::custody::Cust) {
      cs.MoChildSupportTransfer = payer.MoNetObligation;
    } else if (ex.CustodyStatus == casevars::custody::NonCust) {
      cs.MoChildSupportTransfer = -claim.MoNetObligation;
    } else if (shared) {
      const std::optional<double> claimNights = At(ex.Claim.TierNights, n);
      const std::optional<double> payerNights = At(ex.Payer.TierNights, n);
      if (!claimNights || !payerNights) return TooManyChildren(tiers);
      claim.SharedNights = *claimNights;
      payer.SharedNights = *payerNights;
      const double nights = payer.SharedNights + claim.SharedNights;
      if (nights == 0) return NoOvernights(n);
      // Each parent's obligation is owed for the nights the children spend
      // with the other parent.
      cs.MoChildSupportTransfer = (payer.MoNetObligation * claim.SharedNights -
                                   claim.MoNetObligation * payer.SharedNights) /
                                  nights;
    } else if (split && !dual) {
      // Winters: each parent owes the part of the obligation for the children
      // living with the other parent.
      cs.MoChildSupportTransfer = *claimSplit / n * payer.MoNetObligation -
                                  *payerSplit / n * claim.MoNetObligation;
    }

    const std::size_t k = std::size_t(std::min(n, 6));
    cs.MoTierNetExpense[k] = payer.MoExpenseObligation - payer.MoExpensesPaid;
    cs.MoTierSupport[k] = cs.MoChildSupportTransfer - cs.MoTierNetExpense[k];
  }
  return std::nullopt;
}

}  // namespace childsupport
