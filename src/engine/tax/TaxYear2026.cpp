// Federal tax figures for tax year 2026. Sources: the Internal Revenue Code
// (26 U.S.C.) as amended by Public Law 119-21 (2025), the 2026 inflation
// adjustments of Rev. Proc. 2025-32, and the Social Security Administration's
// 2026 contribution and benefit base.
#include "engine/tax/TaxYear.h"

namespace tax {

const TaxYear kTaxYear2026 = {
    .Year = 2026,

    // Payroll tax: IRC 3101 (employee), 1401 and 1402 (self-employment),
    // 164(f) (deductible half), 3101(b)(2) and 1401(b)(2) (additional Medicare
    // tax, thresholds fixed by statute). Wage base: Social Security Act 230, 2026.
    .Payroll =
        {
            .SocialSecurityWageBase = 184'500,
            .EmployeeRate = 0.0765,           // 6.2% Social Security + 1.45% Medicare
            .EmployeeMedicareRate = 0.0145,
            .EmployeeTaxAtWageBase = 14'114.25,
            .SETaxableShare = 0.9235,         // IRC 1402(a)(12)
            .SESocialSecurityRate = 0.124,
            .SEMedicareRate = 0.029,
            .SEDeductibleShare = 0.5,
            .AdditionalMedicareRate = 0.009,
            .AdditionalMedicareThreshold = {.Single = 200'000, .Head = 200'000,
                                            .MarriedSep = 125'000, .MFJ = 250'000},
        },

    // Income tax: rates of IRC 1(j); bracket tops, standard deductions (IRC
    // 63(c)), additions at age 65 (IRC 63(f)) and capital gain breakpoints
    // (IRC 1(h)) from Rev. Proc. 2025-32. Senior deduction: IRC 151(f), added by
    // P.L. 119-21 for 2025 to 2028. Net investment income tax: IRC 1411.
    .IncomeTax =
        {
            .Rates = {0.10f, 0.12f, 0.22f, 0.24f, 0.32f, 0.35f, 0.37f},
            .BracketTops =
                {
                    .Single = {12'400, 50'400, 105'700, 201'775, 256'225, 640'600},
                    .Head = {17'700, 67'450, 105'700, 201'750, 256'200, 640'600},
                    .MarriedSep = {12'400, 50'400, 105'700, 201'775, 256'225, 384'350},
                    .MFJ = {24'800, 100'800, 211'400, 403'550, 512'450, 768'700},
                },
            .StandardDeduction = {.Single = 16'100, .Head = 24'150,
                                  .MarriedSep = 16'100, .MFJ = 32'200},
            .Age65Addition = {.Single = 2'050, .Head = 2'050, .MarriedSep = 1'650, .MFJ = 1'650},
            .Age65BothAdditionMFJ = 3'300,
            .SeniorDeduction = 6'000,
            .SeniorDeductionBothMFJ = 12'000,
            .SeniorPhaseOutRate = 0.06,
            .SeniorPhaseOutStart = {.Single = 75'000, .Head = 75'000,
                                    .MarriedSep = 0, .MFJ = 150'000},
            .CapitalGainRates = {0.0f, 0.15f, 0.20f},
            .CapitalGainZeroRateTop = {.Single = 49'450, .Head = 66'200,
                                       .MarriedSep = 49'450, .MFJ = 98'900},
            .CapitalGainFifteenRateTop = {.Single = 545'500, .Head = 579'600,
                                          .MarriedSep = 306'850, .MFJ = 613'700},
            .NetInvestmentIncomeRate = 0.038,
            .NetInvestmentIncomeThreshold = {.Single = 200'000, .Head = 200'000,
                                             .MarriedSep = 125'000, .MFJ = 250'000},
        },

    // Taxable Social Security benefits: IRC 86(c) base amounts (fixed by statute).
    .SocialSecurity =
        {
            .BaseAmount = {.Single = 25'000, .Head = 25'000, .MarriedSep = 25'000, .MFJ = 32'000},
            .AdjustedBaseAmount = {.Single = 34'000, .Head = 34'000,
                                   .MarriedSep = 34'000, .MFJ = 44'000},
            .FirstTierShare = 0.5,
            .MaximumTaxableShare = 0.85,
        },

    // Child tax credit: IRC 24 as amended by P.L. 119-21; the credit and its
    // refundable part per child for 2026 from Rev. Proc. 2025-32.
    .ChildTaxCredit =
        {
            .CreditPerChild = 2'200,
            .PhaseOutThreshold = {.Single = 200'000, .Head = 200'000,
                                  .MarriedSep = 200'000, .MFJ = 400'000},
            .PhaseOutStep = 1'000,
            .ReductionPerStep = 50,
            .RefundablePerChild = 1'700,
            .RefundableEarnedIncomeFloor = 2'500,
            .RefundableRate = 0.15,
        },

    // Child and dependent care credit: IRC 21 as amended by P.L. 119-21 (rate
    // from 50 percent, down to 35 and then 20 percent).
    .DependentCare =
        {
            .ExpenseLimitOneChild = 3'000,
            .ExpenseLimitTwoOrMore = 6'000,
            .HighestRatePercent = 50,
            .MiddleRatePercent = 35,
            .LowestRatePercent = 20,
            .FirstPhaseDownStart = 15'000,
            .FirstPhaseDownStep = 2'000,
            .SecondPhaseDownStart = {.Single = 75'000, .Head = 75'000,
                                     .MarriedSep = 75'000, .MFJ = 150'000},
            .SecondPhaseDownStep = {.Single = 2'000, .Head = 2'000,
                                    .MarriedSep = 2'000, .MFJ = 4'000},
        },

    // Earned income credit: IRC 32; 2026 amounts from Rev. Proc. 2025-32.
    // Each phase-out ends where the statutory phase-out rate of IRC 32(b)
    // (7.65, 15.98 or 21.06 percent) brings the maximum credit to zero:
    // three or more children, joint return: 31,160 + 8,231 / 0.2106 = 70,244.
    .EarnedIncomeCredit =
        {
            .ByChildren = {{
                {664, 8'680, 10'860, 18'140, 19'540, 26'820},
                {4'427, 13'020, 23'890, 31'160, 51'593, 58'863},
                {7'316, 18'290, 23'890, 31'160, 58'629, 65'899},
                {8'231, 18'290, 23'890, 31'160, 62'974, 70'244},
            }},
            .InvestmentIncomeLimit = 12'200,
        },

    // Qualified business income deduction: rates of IRC 199A(a) and (b)(2);
    // the phase-in ranges of IRC 199A(b)(3)(B) and (d)(3) as widened by
    // P.L. 119-21 for years after 2025; the 2026 threshold amounts of IRC
    // 199A(e)(2) from Rev. Proc. 2025-32. The limits are fully phased in at
    // 276,750 (553,500 for a joint return).
    .QualifiedBusinessIncome =
        {
            .DeductionRate = 0.20,
            .WageLimitRate = 0.50,
            .WageRateWithProperty = 0.25,
            .PropertyRate = 0.025,
            .Threshold = {.Single = 201'750, .Head = 201'750, .MarriedSep = 201'750, .MFJ = 403'500},
            .PhaseInRange = {.Single = 75'000, .Head = 75'000, .MarriedSep = 75'000, .MFJ = 150'000},
        },
};

}  // namespace tax
