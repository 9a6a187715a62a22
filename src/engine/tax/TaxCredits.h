#pragma once

#include <QString>

#include <cstdint>

#include "engine/tax/TaxYear.h"

namespace tax {

// Child tax credit before the limits, whole dollars: a fixed amount per child
// under 17, reduced for each step of income (or part of one) above the
// threshold. Only the four filing codes are reduced.
double ComputeChildTaxCredit(double income, const QString& filingStatus, std::int16_t children,
                            const TaxYear& year = kTaxYear2026);

// Rate of the child and dependent care credit for an income, as a fraction.
double DependentCareCreditRate(double income, const QString& filingStatus,
                               const TaxYear& year = kTaxYear2026);

// Child and dependent care credit before the limits, whole dollars.
double ComputeDependentCareCredit(double income, const QString& filingStatus, double expenses,
                                 std::int16_t children, const TaxYear& year = kTaxYear2026);

// Earned income credit, not rounded. earned: wages, tips, overtime premium,
// reimbursements, payroll-only earnings and self-employment income. children:
// 0 to 3 (3 or more); any other count gives no credit.
double ComputeEarnedIncomeCredit(double income, double earned, double investIncome, double halfSETax,
                                const QString& filingStatus, std::int16_t children,
                                const TaxYear& year = kTaxYear2026);

struct CreditLimitInputs {
  double EarnedWages = 0;    // wages, tips, overtime premium, reimbursements, payroll-only earnings
  double SEIncome = 0;       // self-employment income
  std::int16_t Children = 0;  // children for the child tax credit
  double IncomeTax = 0;      // income tax before credits
  double FicaTax = 0;        // payroll and self-employment tax
  double HalfSETax = 0;
  double ChildTaxCredit = 0;
  double EIC = 0;
  double OtherCredits = 0;   // other non-refundable credits entered
};

struct CreditTotals {
  double TotalCredits = 0;
  double AddlChildTaxCredit = 0;  // refundable part of the child tax credit
};

// Limits the non-refundable credits to the income tax, computes the refundable
// additional child tax credit and totals the credits (not rounded). The care
// credit is lowered to the income tax in the caller's variable.
CreditTotals ApplyTaxCreditLimits(const CreditLimitInputs& in, double& careCredit,
                                  const TaxYear& year = kTaxYear2026);

}  // namespace tax
