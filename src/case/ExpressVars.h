#pragma once

#include <QString>

#include <array>
#include <cstdint>

#include "case/Party.h"

namespace casevars {

// Arrays by child: index 0 to 5 for the first six children; see each field for
// what index 6 holds.
using ChildArray = std::array<float, 7>;

// One party's part of the case facts entered on the Express screen (Form1) and
// the parenting-time window (Form16).
struct PartyExpress {
  QString FilingStatus;                // a casevars::filing code
  std::int16_t NumDependents = 0;      // always 0; the tax estimate ignores it
  std::int16_t Under17Children = 0;    // children claimed for the child tax credit
  std::int16_t DayCareChildren = 0;    // children qualified for the child care credit
  double MoDayCare = 0;                // monthly child care cost the party pays
  double MoChildHealthIns = 0;         // monthly health insurance for the children
  double MoNonCoveredHealth = 0;       // monthly non-covered health costs of the children
  double StateTaxRate = 0;             // state income tax rate as a fraction
  double YrStateTaxEntered = 0;        // state income tax entered as a yearly amount
  std::int16_t PossessionChildren = 0; // split custody: minor children living with the party
  std::int16_t WintersChildren = 0;    // copy of PossessionChildren for the Winters line
  float YrOvernights = 0;              // overnights a year with the party
  ChildArray ChildNights{};            // overnights by child; index 6 the average
  // The same as shares of the year (nights / 365); index 6 the average.
  ChildArray TimeShare{};
  // Split custody: element i counts how many of children 1 to i + 1 live with the party.
  ChildArray SplitChildren{};
  // Element k (1 to 6): the average yearly overnights over the first k children.
  ChildArray TierNights{};
  // Claimant only (`ClaimPercentOfTime`, `ClaimAgeYears`, `ClaimSkillScore`):
  float PercentOfTime = 0;             // shared custody: the claimant's share of the year
  float AgeYears = 0;                  // the claimant's age in years, as typed
  float SkillScore = 0;                // weighted education and skills score, 0 to 15
};

struct ExpressVars : PartyPair<PartyExpress> {
  QString CustodyStatus;                // a casevars::custody code
  std::int16_t NumMarriageChildren = 0; // children born of the marriage
  std::int16_t NumMinorChildren = 0;    // minor children, 0 to 6
  std::int16_t SequencingMode = 0;      // 1: alimony is calculated before child support
  std::int16_t MaintAppliedToCS = 0;    // 1: alimony is an income deduction for child support
  // Monthly alimony from the other party to the claimant that the runs count; 0
  // when none applies; negative when the claimant pays. Set by each caller.
  double MoAlimonyTransfer = 0;
  float MarriageYears = 0;                        // years of marriage, as typed
  std::int16_t CaregiverCharacterization = 0;     // 1 to 3: the caregiver option chosen
  // "Y" or "N": whether the alimony result window's award, unallocated award and
  // its change were entered by hand; the alimony entry check resets them to "N".
  QString AwardChangedFlag;
  QString UnallocatedFlag;
  QString UnallocatedChangedFlag;
};

}  // namespace casevars
