#pragma once

#include <QString>

#include <cstdint>

#include "engine/tax/TaxYear.h"

namespace tax {

// Child tax credit before the limits, whole dollars: a fixed amount per child
// under 17, reduced for each step of income (or part of one) above the
// threshold. Only the four filing codes are reduced.
float ComputeChildTaxCredit(float income, const QString& filingStatus, std::int16_t children,
                            const TaxYear& year = kTaxYear2026);

// Rate of the child and dependent care credit for an income, as a fraction.
double DependentCareCreditRate(double income, const QString& filingStatus,
                               const TaxYear& year = kTaxYear2026);

// Child and dependent care credit before the limits, whole dollars.
float ComputeDependentCareCredit(float income, const QString& filingStatus, float expenses,
                                 std::int16_t children, const TaxYear& year = kTaxYear2026);

// Earned income credit, not rounded. earned: wages, tips, overtime premium,
// reimbursements, payroll-only earnings and self-employment income. children:
// 0 to 3 (3 or more); any other count gives no credit.
float ComputeEarnedIncomeCredit(float income, float earned, float investIncome, float halfSETax,
                                const QString& filingStatus, std::int16_t children,
                                const TaxYear& year = kTaxYear2026);

struct CreditLimitInputs {
  float EarnedWages = 0;    // wages, tips, overtime premium, reimbursements, payroll-only earnings
  float SEIncome = 0;       // self-employment income
  std::int16_t Children = 0;  // children for the child tax credit
  float IncomeTax = 0;      // income tax before credits
  float FicaTax = 0;        // payroll and self-employment tax
  float HalfSETax = 0;
  float ChildTaxCredit = 0;
  float EIC = 0;
  float OtherCredits = 0;   // other non-refundable credits entered
};

struct CreditTotals {
  float TotalCredits = 0;
  float AddlChildTaxCredit = 0;  // refundable part of the child tax credit
};

// Limits the non-refundable credits to the income tax, computes the refundable
// additional child tax credit and totals the credits (not rounded). The care
// credit is lowered to the income tax in the caller's variable.
CreditTotals ApplyTaxCreditLimits(const CreditLimitInputs& in, float& careCredit,
                                  const TaxYear& year = kTaxYear2026);

}  // namespace tax
