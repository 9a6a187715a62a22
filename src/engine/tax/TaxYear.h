#pragma once

#include <array>

#include "engine/tax/FilingStatus.h"

namespace tax {

// The figures of one federal tax year that the tax estimate uses, each named
// with its unit. The values of a year live in one source file (TaxYear2026.cpp)
// with the statute and revenue procedure they come from. Dollar amounts are
// yearly; rates are fractions.

struct PayrollTaxFigures {
  double SocialSecurityWageBase;         // dollars of wages and SE earnings taxed for Social Security
  double EmployeeRate;                   // employee Social Security + Medicare rate up to the base
  double EmployeeMedicareRate;           // employee Medicare rate above the base
  double EmployeeTaxAtWageBase;          // dollars: EmployeeRate x SocialSecurityWageBase
  double SETaxableShare;                 // share of net SE income that is taxed
  double SESocialSecurityRate;
  double SEMedicareRate;
  double SEDeductibleShare;              // share of the SE tax deducted from income
  double AdditionalMedicareRate;
  ByFiling<double> AdditionalMedicareThreshold;  // dollars of wages + SE earnings
};

struct IncomeTaxFigures {
  std::array<float, 7> Rates;                     // ordinary rates, lowest first (single precision)
  ByFiling<std::array<double, 6>> BracketTops;    // dollars of taxable income at the top of the first six rates
  ByFiling<double> StandardDeduction;             // dollars
  ByFiling<double> Age65Addition;                 // dollars added when the filer is 65 or older
  double Age65BothAdditionMFJ;                    // dollars added when both joint filers are 65 or older
  double SeniorDeduction;                         // dollars per filer 65 or older
  double SeniorDeductionBothMFJ;                  // dollars when both joint filers are 65 or older
  double SeniorPhaseOutRate;                      // reduction per dollar of income above the start
  ByFiling<double> SeniorPhaseOutStart;           // dollars (married filing separately: no deduction)
  std::array<float, 3> CapitalGainRates;          // 0, 15 and 20 percent (single precision)
  ByFiling<double> CapitalGainZeroRateTop;        // dollars of taxable income taxed at the 0 rate
  ByFiling<double> CapitalGainFifteenRateTop;     // dollars; the 20 percent rate above
  double NetInvestmentIncomeRate;
  ByFiling<double> NetInvestmentIncomeThreshold;  // dollars of adjusted gross income
};

struct SocialSecurityBenefitFigures {
  ByFiling<double> BaseAmount;          // dollars of provisional income: first tier starts above
  ByFiling<double> AdjustedBaseAmount;  // dollars: second tier starts above
  double FirstTierShare;                // share of the income over the base (and of the benefits)
  double MaximumTaxableShare;           // share of the benefits that can be taxed at the most
};

struct ChildTaxCreditFigures {
  int CreditPerChild;                   // dollars
  ByFiling<double> PhaseOutThreshold;   // dollars of income
  double PhaseOutStep;                  // dollars of income (or part) per reduction
  int ReductionPerStep;                 // dollars
  int RefundablePerChild;               // dollars: most additional child tax credit per child
  double RefundableEarnedIncomeFloor;   // dollars of earned income not counted
  double RefundableRate;                // of earned income above the floor
};

struct DependentCareCreditFigures {
  double ExpenseLimitOneChild;          // dollars of expenses counted
  double ExpenseLimitTwoOrMore;
  int HighestRatePercent;               // percent
  int MiddleRatePercent;
  int LowestRatePercent;
  double FirstPhaseDownStart;           // dollars of income, every filing status
  double FirstPhaseDownStep;            // dollars of income (or part) per percentage point
  ByFiling<double> SecondPhaseDownStart;  // dollars of income
  ByFiling<double> SecondPhaseDownStep;   // dollars of income (or part) per percentage point
};

struct EarnedIncomeCreditRow {
  double MaximumCredit;                 // dollars
  double EarnedIncomeAmount;            // dollars of earned income at which the maximum is reached
  double PhaseOutStart, PhaseOutStartMFJ;  // dollars
  double PhaseOutEnd, PhaseOutEndMFJ;      // dollars
};

struct EarnedIncomeCreditFigures {
  std::array<EarnedIncomeCreditRow, 4> ByChildren;  // 0, 1, 2, 3 or more qualifying children
  double InvestmentIncomeLimit;                     // dollars; no credit above
};

// The deduction for qualified business income (IRC 199A).
struct QualifiedBusinessIncomeFigures {
  double DeductionRate;               // of qualified business income, of REIT income, and of taxable income for the caps
  double WageLimitRate;               // of W-2 wages: the first wage and property limit
  double WageRateWithProperty;        // of W-2 wages, in the second limit
  double PropertyRate;                // of the unadjusted basis of qualified property, in the second limit
  ByFiling<double> Threshold;         // dollars of taxable income where the limits begin to phase in
  ByFiling<double> PhaseInRange;      // dollars of taxable income over which they phase in fully
};

struct TaxYear {
  int Year;
  PayrollTaxFigures Payroll;
  IncomeTaxFigures IncomeTax;
  SocialSecurityBenefitFigures SocialSecurity;
  ChildTaxCreditFigures ChildTaxCredit;
  DependentCareCreditFigures DependentCare;
  EarnedIncomeCreditFigures EarnedIncomeCredit;
  QualifiedBusinessIncomeFigures QualifiedBusinessIncome;
};

// The year the program estimates.
extern const TaxYear kTaxYear2026;

}  // namespace tax
