#pragma once

#include <array>

// The federal deductions for qualified tips and for the overtime premium,
// taken off a party's AGI-like income.
namespace income {

// The figures of the two deductions, yearly dollars.
struct TipsOvertimeFigures {
  double TipsCap;               // most tips deducted on a return
  double OvertimeCap;           // most overtime premium deducted, single return
  double OvertimeCapJoint;      // the same on a joint return
  double Threshold;             // income above which the deductions shrink
  double ThresholdJoint;        // the same on a joint return
  double ReductionPerThousand;  // dollars the deduction loses per whole 1,000 above
};

// Internal Revenue Code section 224 (qualified tips) and section 225
// (qualified overtime compensation), added by Public Law 119-21 (2025),
// sections 70201 and 70202, for tax years 2025 to 2028.
inline constexpr TipsOvertimeFigures kTipsOvertime2026{25000, 12500, 25000, 150000, 300000, 100};

// The reduction above a threshold: one tenth of the whole dollars by which
// `income` exceeds it, Int(income - threshold) / 1,000 x 100, unrounded
// (an excess of 1,999.99 gives 199.90). Only meaningful above the threshold.
double IncomeReduction(double income, double threshold,
                       const TipsOvertimeFigures& figures = kTipsOvertime2026);

// Only "MFJ" selects the joint rules.
enum class FilingKind { MFJ, SingleOrHH };

// The overtime deduction: the premium (both spouses' on a joint return; a
// negative premium counts as 0) up to the cap, less the reduction when the
// income is above the threshold, never below 0. The new spouse's premium
// plays no part on another return.
double CalculateOTDeduction(FilingKind kind, double agiBase, double ot, double ot1,
                           const TipsOvertimeFigures& figures = kTipsOvertime2026);

// The tips of a party's businesses A to C ([0]) and of the new spouse's
// ([1]), yearly, with each business's service-trade mark; a business of a
// specified service trade takes no part in the tips deduction.
struct BusinessTips {
  std::array<std::array<double, 3>, 2> tips{};
  std::array<std::array<bool, 3>, 2> serviceTrade{};
};

// Which rules a return follows: joint; single or head of household; or
// neither (married filing separately, or no status chosen), which gets no
// tips deduction.
enum class TipsFiler { Joint, SingleOrHead, None };

struct TipsDeduction {
  double tipsDeducted = 0;  // the employee tips taken (both spouses' on a joint return)
  std::array<std::array<double, 3>, 2> businessDeducted{};  // [0] the party's A to C, [1] the new spouse's
  double deduction = 0;     // the sum of the parts taken
};

// The tips deduction: the qualifying tips (employee tips and the tips of
// businesses outside a service trade; the new spouse's only on a joint
// return; a negative amount counts as 0) up to the cap, less the reduction
// when the income reaches the threshold, never below 0. The amount is
// taken from the employee tips first, then from businesses A, B, C of the
// party and, on a joint return, of the new spouse, in that order.
TipsDeduction ComputeTipsDeduction(TipsFiler filer, double agiBase, double tips, double tips1,
                                   const BusinessTips& business,
                                   const TipsOvertimeFigures& figures = kTipsOvertime2026);

}  // namespace income
