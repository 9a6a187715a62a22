#pragma once

#include <QString>

#include <array>

#include "case/Party.h"

namespace casevars {

// Per tier k (1 to 6, 6 = six or more children); index 0 is not used.
using TierArray = std::array<float, 7>;

// One party's part of a child support run's result. Monthly dollars.
struct PartySupport {
  float MoPreAdjNet = 0;             // net income as computed, before rounding and hand entry
  float MoNetIncome = 0;             // net income the guidelines use
  double MoManualAdj = 0;            // computed net less the hand-entered net (when one is entered)
  float IncomeShare = 0;             // fraction of the combined net income
  float MoBasicObligation = 0;       // share of the schedule obligation
  float MoBasicObligationFam2 = 0;   // dual split: share of the other family's obligation
  float MoExpenseObligation = 0;     // share of the child care and health costs
  float MoExpensesPaid = 0;          // child care and health costs the party pays
  float MoNetObligation = 0;
  float SharedNights = 0;            // shared custody: overnights used for the last tier

  template <class F>
  void forEachAmount(F&& f) const {
    for (float v : {MoPreAdjNet, MoNetIncome, IncomeShare, MoBasicObligation,
                    MoBasicObligationFam2, MoExpenseObligation, MoExpensesPaid, MoNetObligation,
                    SharedNights})
      f(double(v));
    f(MoManualAdj);
  }
};

// The child support run's case-wide results.
struct ChildSupportVars : PartyPair<PartySupport> {
  QString SplitMethod;               // split-custody method in force for the run
  QString InterpMethod;              // schedule reading in force for the run
  float CombinedMoNetIncome = 0;
  float MoBasicObligation = 0;       // schedule obligation of the tier (dual: the claimant's family)
  float MoBasicObligationFam2 = 0;   // dual split: the other parent's family
  // Positive when the other party pays the claimant, negative when the claimant pays.
  float MoChildSupportTransfer = 0;
  // Tier k: the transfer less the other party's net expense obligation
  // (`MoTierSupport1` .. `MoTierSupport6`). Read tier k only when the case has
  // at least k minor children: a run does not clear tier 6.
  TierArray MoTierSupport{};
  TierArray MoTierNetExpense{};      // tier k: the other party's net expense obligation
  float MoChildSupportForAlimony = 0; // child support the alimony calculation counts

  template <class F>
  void forEachAmount(F&& f) const {
    Claim.forEachAmount(f);
    Payer.forEachAmount(f);
    for (float v : {CombinedMoNetIncome, MoBasicObligation, MoBasicObligationFam2,
                    MoChildSupportTransfer, MoChildSupportForAlimony})
      f(double(v));
    for (float v : MoTierSupport) f(double(v));
    for (float v : MoTierNetExpense) f(double(v));
  }
};

}  // namespace casevars
