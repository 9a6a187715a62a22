#pragma once

#include <QString>

#include <array>

#include "case/Party.h"

namespace casevars {

// Per tier k (1 to 6, 6 = six or more children); index 0 is not used.
using TierArray = std::array<double, 7>;

// One party's part of a child support run's result. Monthly dollars.
struct PartySupport {
  double MoPreAdjNet = 0;            // net income as computed, before rounding and hand entry
  double MoNetIncome = 0;            // net income the guidelines use
  double MoManualAdj = 0;            // computed net less the hand-entered net (when one is entered)
  double IncomeShare = 0;            // fraction of the combined net income
  double MoBasicObligation = 0;      // share of the schedule obligation
  double MoBasicObligationFam2 = 0;  // dual split: share of the other family's obligation
  double MoExpenseObligation = 0;    // share of the child care and health costs
  double MoExpensesPaid = 0;         // child care and health costs the party pays
  double MoNetObligation = 0;
  float SharedNights = 0;            // shared custody: overnights used for the last tier

  template <class F>
  void forEachAmount(F&& f) const {
    for (double v : {MoPreAdjNet, MoNetIncome, IncomeShare, MoBasicObligation,
                    MoBasicObligationFam2, MoExpenseObligation, MoExpensesPaid, MoNetObligation,
                     double(SharedNights)})
      f(double(v));
    f(MoManualAdj);
  }
};

// The child support run's case-wide results.
struct ChildSupportVars : PartyPair<PartySupport> {
  QString SplitMethod;               // split-custody method in force for the run
  QString InterpMethod;              // schedule reading in force for the run
  double CombinedMoNetIncome = 0;
  double MoBasicObligation = 0;      // schedule obligation of the tier (dual: the claimant's family)
  double MoBasicObligationFam2 = 0;  // dual split: the other parent's family
  // Positive when the other party pays the claimant, negative when the claimant pays.
  double MoChildSupportTransfer = 0;
  // Tier k: the transfer less the other party's net expense obligation
  // (`MoTierSupport1` .. `MoTierSupport6`). Read tier k only when the case has
  // at least k minor children: a run does not clear tier 6.
  TierArray MoTierSupport{};
  TierArray MoTierNetExpense{};      // tier k: the other party's net expense obligation
  double MoChildSupportForAlimony = 0; // child support the alimony calculation counts

  template <class F>
  void forEachAmount(F&& f) const {
    Claim.forEachAmount(f);
    Payer.forEachAmount(f);
    for (double v : {CombinedMoNetIncome, MoBasicObligation, MoBasicObligationFam2,
                    MoChildSupportTransfer, MoChildSupportForAlimony})
      f(double(v));
    for (double v : MoTierSupport) f(v);
    for (double v : MoTierNetExpense) f(v);
  }
};

}  // namespace casevars
