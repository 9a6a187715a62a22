#include "income/TipsOvertime.h"

#include <algorithm>
#include <cmath>

namespace income {

namespace {
double NotBelowZero(double v) { return v > 0 ? v : 0.0; }
}  // namespace

double IncomeReduction(double income, double threshold, const TipsOvertimeFigures& figures) {
  return std::floor(income - threshold) / 1000 * figures.ReductionPerThousand;
}

double CalculateOTDeduction(FilingKind kind, double agiBase, double ot, double ot1,
                           const TipsOvertimeFigures& figures) {
  const bool joint = kind == FilingKind::MFJ;
  const double premium = joint ? NotBelowZero(ot) + NotBelowZero(ot1) : NotBelowZero(ot);
  const double cap = joint ? figures.OvertimeCapJoint : figures.OvertimeCap;
  const double threshold = joint ? figures.ThresholdJoint : figures.Threshold;
  double deduction = std::min(premium, cap);
  if (agiBase > threshold) deduction -= IncomeReduction(agiBase, threshold, figures);
  return NotBelowZero(deduction);
}

TipsDeduction ComputeTipsDeduction(TipsFiler filer, double agiBase, double tips, double tips1,
                                   const BusinessTips& business, const TipsOvertimeFigures& figures) {
  TipsDeduction out;
  const bool joint = filer == TipsFiler::Joint;
  const int owners = joint ? 2 : 1;

  double employee = NotBelowZero(tips);
  if (joint) employee += NotBelowZero(tips1);
  double qualifying = employee;
  for (int o = 0; o < owners; ++o)
    for (int b = 0; b < 3; ++b)
      if (!business.serviceTrade[o][b]) qualifying += NotBelowZero(business.tips[o][b]);

  double limit = 0;
  if (filer != TipsFiler::None) {
    const double threshold = joint ? figures.ThresholdJoint : figures.Threshold;
    limit = std::min(qualifying, figures.TipsCap);
    if (agiBase >= threshold) limit -= IncomeReduction(agiBase, threshold, figures);
    limit = std::clamp(limit, 0.0, figures.TipsCap);
  }

  double remainder = limit;
  const double fromEmployee = std::min(employee, remainder);
  out.tipsDeducted = fromEmployee;
  remainder -= fromEmployee;
  double total = out.tipsDeducted;
  for (int o = 0; o < owners; ++o)
    for (int b = 0; b < 3; ++b) {
      double part = 0;
      if (!business.serviceTrade[o][b]) part = std::min(NotBelowZero(business.tips[o][b]), remainder);
      remainder -= part;
      out.businessDeducted[o][b] = part;
      total += out.businessDeducted[o][b];
    }
  out.deduction = std::min(total, figures.TipsCap);
  return out;
}

}  // namespace income
