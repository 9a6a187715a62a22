#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "case/Party.h"

namespace casevars {

// One party's side of an alimony calculation's result. Yearly dollars.
struct PartyAlimony {
  double YrNetAfterAlimony = 0;  // net income after taxes, alimony and child support
  double YrPriorSupportPaid = 0;  // alimony to prior spouses (both kinds) plus other child support paid
  // Child health insurance, child care and non-covered health costs, x 12.
  // Kept here so that the child support run's monthly figures
  // (Support.Claim.MoExpensesPaid) are never overwritten with yearly ones.
  double YrExpensesPaid = 0;
};

// A present value of the award and the entries that produced it, kept together
// so that a report never pairs a value with entries typed after it.
struct PresentValueFigures {
  double Value = 0;          // dollars
  double DurationYears = 0;
  double TaxRate = 0;        // as a decimal
  double DiscountRate = 0;   // yearly, as a decimal
  QString DiscountText;      // the discount rate as typed
};

// The spousal maintenance (alimony) inputs and results.
struct AlimonyVars : PartyPair<PartyAlimony> {
  // The Express screen's tax treatment of the award: 0 taxed to the payee
  // (deductible), 2 taxed to the payer. The entries the case score and the
  // calculation read (MarriageYears, AgeYears, SkillScore, PercentOfTime,
  // CaregiverCharacterization, AwardChangedFlag) are the Express screen's.
  std::int16_t AlimonyTaxMode = 2;

  // The case score and its sentence (one line, or two joined by CR LF).
  float AlimonyCaseScore = 0;
  QString CaseStrengthText;

  // The award: the one in force, the suggestion shown as recommended, and the
  // cap of 35 percent of the other party's less the claimant's net income
  // before alimony (0 or less when the claimant's is not the lower).
  double YrAlimonyAward = 0;
  double YrRecommendedAward = 0;
  double YrAlimonyCap = 0;
  QString AlimonyNoteText;  // the tax-treatment note
  QString TermRecommendation1;
  QString TermRecommendation2;

  // The last present value; empty after every alimony calculation.
  std::optional<PresentValueFigures> PresentValueOfAward;
};

}  // namespace casevars
