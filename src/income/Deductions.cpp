#include "income/Deductions.h"

namespace income {

using casevars::Age65Status;

std::optional<std::int16_t> EICChildrenOf(bool eicCheck, int eicChoice) {
  if (!eicCheck) return std::nullopt;
  return static_cast<std::int16_t>(eicChoice >= 0 && eicChoice <= 3 ? eicChoice : 0);
}

void ApplyDeductions(casevars::PartyIncome& in, const DeductionChoices& c,
                     const BusinessTips& businessTips, const BusinessDeductionFn& businessDeduction) {
  const bool joint = c.filing.MFJ;

  in.YrItemizedNoLimit = 0;
  if (c.standardDeduction) in.YrItemized = 0;
  in.TaxReserved = 0;

  // The self-employed deductions count only while the party has business
  // income, when the window shows them.
  if (!(in.YrSelf > 0)) {
    in.YrSelfRetirementDeduct = 0;
    in.YrSelfHealthDeduct = 0;
  }

  if (auto children = EICChildrenOf(c.eicCheck, c.eicChoice)) in.EICChildren = *children;

  double adjustments = double(in.YrOtherDeduct) + in.YrIRADeduct + in.YrSelfRetirementDeduct +
                       in.YrSelfHealthDeduct + in.YrPriorMaintPaid;
  if (joint) adjustments += in.YrPriorMaintPaid1;
  in.YrAdjustments = adjustments;

  double agiBase = double(in.YrTotal) - in.YrFree - in.YrEarnedExempt - in.YrComp;
  if (joint) agiBase = agiBase + in.YrTotal1 - in.YrFree1 - in.YrEarnedExempt1 - in.YrComp1;
  agiBase = agiBase - in.YrAdjustments - in.YrSSChild;
  in.YrAGIBase = agiBase;

  double invest = double(in.YrLT) + in.YrST + in.YrPT;
  if (joint) invest = invest + in.YrST1 + in.YrLT1 + in.YrPT1;
  in.YrInvestIncome = invest;

  in.YrOTDeduction = CalculateOTDeduction(joint ? FilingKind::MFJ : FilingKind::SingleOrHH,
                                          in.YrAGIBase, in.YrOT, in.YrOT1);
  if (!joint && c.filing.Married) in.YrOTDeduction = 0;

  const TipsFiler filer = joint ? TipsFiler::Joint
                          : (c.filing.HeadHouse || c.filing.Single) ? TipsFiler::SingleOrHead
                                                                     : TipsFiler::None;
  const TipsDeduction tips = ComputeTipsDeduction(filer, in.YrAGIBase, in.YrTips, in.YrTips1, businessTips);
  in.YrTipsDeducted = tips.tipsDeducted;
  in.YrATipsDeducted = tips.businessDeducted[0][0];
  in.YrBTipsDeducted = tips.businessDeducted[0][1];
  in.YrCTipsDeducted = tips.businessDeducted[0][2];
  if (joint) {
    in.YrATipsDeducted1 = tips.businessDeducted[1][0];
    in.YrBTipsDeducted1 = tips.businessDeducted[1][1];
    in.YrCTipsDeducted1 = tips.businessDeducted[1][2];
  }
  in.YrTipsDeduction = tips.deduction;

  in.YrAGIBase = in.YrAGIBase - in.YrOTDeduction - in.YrTipsDeduction;

  in.YrAllowableDeductions =
      in.YrDues + in.YrStIndus + in.YrPensionPay + in.YrPriorMaintPaid +
                         in.YrPriorMaintPaid2 + in.YrOtherSupport + in.YrMedCare;

  in.Spouse65Flag = joint && c.spouseAge65;
  if (c.age65 && in.Spouse65Flag) in.Age65Status = Age65Status::Both;
  else in.Age65Status = (c.age65 || in.Spouse65Flag) ? Age65Status::Yes : Age65Status::No;

  double untaxed = double(in.YrTotal);
  if (joint) untaxed += in.YrTotal1;
  in.YrUntaxedIncome = untaxed - in.YrAGIBase;

  const double busDeduction = businessDeduction ? businessDeduction(in.YrAGIBase) : 0.0;
  in.YrUntaxedIncome = busDeduction + in.YrUntaxedIncome;
}

}  // namespace income
