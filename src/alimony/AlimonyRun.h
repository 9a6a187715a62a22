#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "alimony/AlimonyDisplay.h"
#include "business/BusinessDeduction.h"
#include "case/CaseVars.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "income/Deductions.h"

// The alimony calculation: the suggested yearly award from the other party
// (the payer) to the claimant, the cap of 35 percent of the parties'
// net-income difference, both parties' taxes with and without the award,
// their net incomes after alimony and child support, the term
// recommendations and the tax-treatment note.
namespace alimony {

// What the calculation reads of the windows; the defaults are the windows as
// designed.
struct AlimonyInputs {
  // The state tax combo boxes, the earned income credit boxes, the hand-entered
  // nets and the calculation preferences: what the calculation's own child
  // support runs read, and what its tax estimates read of the same windows
  // (StateTaxCombo, EICCheck). The alimony tax options are taken from
  // Alimony.AlimonyTaxMode.
  childsupport::ChildSupportInputs Windows;
  // The business windows' "Service Trade" boxes, for the business deduction.
  casevars::PartyPair<business::ServiceTradeFlags> ServiceTrades;
  // The claimant's income window options (standard deduction, earned income
  // credit count, age boxes), for the totals recomputed while the claimant's
  // tips and overtime are counted as wages. The filing options follow
  // ClaimFilingStatus.
  income::DeductionChoices ClaimDeductions;
  // Form3.NewAward read as an amount: the user's yearly award, used while
  // Alimony.AwardChangedFlag is "Y".
  double NewAward = 0;
};

// What the calculation asks of other parts of the program.
struct AlimonyServices {
  // Draws the child support result window from the case as the calculation's
  // last child support run left it; called once, after the calculation has
  // finished, and only when it ran child support. Empty: nothing.
  std::function<void(casevars::CaseVars&)> DrawChildSupportText;
};

// What a result picture is given: cleared first or printed below what it shows.
struct PictureText {
  bool Cleared = false;
  QStringList Lines;
};

struct AlimonyOutcome {
  bool Completed = false;
  // Why the calculation stopped, for the program's message box with the title
  // "Entry Error"; empty when completed.
  QString Message;
  // Form3.Picture1 (the case strength, rewritten for a weak case) and
  // Form3.Picture9 (the tax-treatment note); empty: left as they are.
  std::optional<PictureText> Picture1;
  std::optional<PictureText> Picture9;
  // The result display (Picture3 to Picture7, the frame captions; Picture10 is cleared).
  AlimonyDisplay Display;
  // The transfer of the calculation's last child support run for the Express
  // screen's ChildSupport box ("$###,##0"); empty when the box is to stay as
  // it is (no run, or child support calculated before alimony).
  std::optional<double> ChildSupport;
  int ChildSupportRuns = 0;  // child support runs the calculation made
  int Passes = 0;            // 2 when the claimant's tips or overtime were first counted as wages
};

// ComputeAlimony. Works on a copy of the case variables and commits every
// result at once: a calculation that stops (an award above the cap, a child
// support run that could not finish, a figure that is not a number) leaves
// the case as it was. Alimony.AlimonyTaxMode is 0 or 2 and
// Alimony.AlimonyCaseScore holds the last case score.
AlimonyOutcome ComputeAlimony(casevars::CaseVars& vars, const AlimonyInputs& inputs,
                              const AlimonyServices& services = {});

// The claimant's qualified tips and overtime premium, and the tips of the
// claimant's businesses, counted as wages (whole dollars), with the income and
// business totals recomputed from them as the windows compute them.
void CountClaimTipsAsWages(casevars::CaseVars& w, const AlimonyInputs& inputs,
                           const tax::BusinessDeductionFn& deduction);

// The claimant's target share of the combined available income by custody.
double TargetShareOf(const casevars::CaseVars& vars);

// The factor that lowers the award as the gross-income gap grows (0.48 to 1).
double IncomeGapFactorOf(double gap);

}  // namespace alimony
