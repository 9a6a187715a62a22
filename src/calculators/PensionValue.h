#pragma once

#include <QString>

#include <cstdint>

#include "calculators/AmountEntry.h"

// The defined-benefit pension calculator: its entry checks and the present
// value of the pension from the 2017 life tables.
namespace calculators {

// What the pension window's entry check reads of the window.
struct PensionEntries {
  QString CurrentAgeYrs, CurrentAgeMos;
  QString AgePayableYrs, AgePayableMos;
  bool AtDeath = true;  // "At Death" (else "At Age", with the two termination boxes)
  QString AgeTerminateYrs, AgeTerminateMos;
  bool ModelGenderOnly = false;  // "By Gender Only" (else "By Gender and Race/Ethnicity")
  QString HolderName;
  bool SexMale = false, SexFemale = false;
  bool RaceBlack = false, RaceWhite = false, RaceHispanic = false;
  QString PensionAmount, DiscountRate, TaxRate;
};

// The accepted entries. End age 0 years 0 months: payments until death.
struct PensionInputs {
  QString PensionHolderName;
  float PensionCurrentAgeYrs = 0, PensionCurrentAgeMos = 0;
  QString PensionSex;  // "m" or "f"
  double PensionMoAmount = 0;
  float PensionPayableAge = 0;  // years + months / 12
  float PensionPayableAgeYrs = 0, PensionPayableAgeMos = 0;
  float PensionEndAgeYrs = 0, PensionEndAgeMos = 0;
  float PensionDiscountRate = 0, PensionTaxRate = 0;
  QString PensionRace;  // "w", "b", "h" or "arace"
  std::int16_t PensionTableModel = 2;
};

// Checks the entries in order and stops at the first refusal; what was
// accepted before it is stored. A termination age not later than the payable
// age (or than the current age, when that is later) is refused.
EntryCheck CheckPensionEntries(const PensionEntries& entries, PensionInputs& inputs);

// The four results as the window shows them: present value before tax
// (Picture1), after tax (Picture2, empty at a tax rate of 0), the pre-payout
// death possibility (Picture3) and the period of payments (Picture4).
struct PensionResult {
  QString Picture1, Picture2, Picture3, Picture4;
  // The figures behind them.
  double DeathPossibility = 0;
  double Payments = 0;       // the payment months counted (whole months are summed)
  float DeferralMonths = 0;  // months from the current age to the first payment
  double PresentValue = 0;
};

// Ages compare in full, years and months. Once the current age has reached
// the payable age the death possibility is 0, payments start at the current
// age and nothing is deferred. Payments up to an age count whole months from
// the later of the payable and the current age; payments until death count
// the whole months of 12 times the life expectancy at that age.
PensionResult ComputePensionValue(const PensionInputs& inputs);

}  // namespace calculators
