#include "worksheet/ExpressTransfer.h"

#include "platform/NumberText.h"
#include "worksheet/WorksheetCalculation.h"

namespace worksheet {

namespace {

QString Amount(double value) { return platform::Format(value, kAmountPattern); }

// The pair of boxes of one line, column A then column B.
struct Pair {
  Box a;
  Box b;
};

}  // namespace

bool GetDataFrom(WorksheetSheet& sheet, const casevars::CaseVars& vars,
                 const TransferLinks& links) {
  ExpressChecks& express = links.express;
  express.SetFDTaxCheckMode(0);
  links.incomeWindows.TotalIncomeWindows();
  if (express.CheckDataEntry0() == 1 || express.CheckDataEntry1() == 1 ||
      express.CheckDataEntry3() == 1) {
    express.ShowExpressScreen();
    return false;
  }

  const bool shared = express.SharedOption();
  if (shared) express.UpdateParentingTime();
  // Line 1 takes the nets of this run only: a run that stops leaves the sheet.
  if (!links.childSupport.ComputeChildSupport()) {
    express.ShowExpressScreen();
    return false;
  }
  ResetNumbersForTransfer(sheet);

  // Column A is the Petitioner's: the claimant's unless the claimant is the Respondent.
  const bool claimantInB = express.MParentOption();
  const auto fill = [&](Pair line, double claimant, double payer) {
    sheet[claimantInB ? line.b : line.a] = Amount(claimant);
    sheet[claimantInB ? line.a : line.b] = Amount(payer);
  };
  const auto& claim = vars.Express.Claim;
  const auto& payer = vars.Express.Payer;
  fill({Box::WS0f, Box::WS0m}, vars.Income.Claim.YrGrossIncome / 12.0,
       vars.Income.Payer.YrGrossIncome / 12.0);
  fill({Box::WS1f, Box::WS1m}, vars.Support.Claim.MoNetIncome, vars.Support.Payer.MoNetIncome);
  if (!shared) {
    fill({Box::WS7af, Box::WS7am}, claim.MoDayCare, payer.MoDayCare);
    fill({Box::WS7bf, Box::WS7bm}, claim.MoChildHealthIns, payer.MoChildHealthIns);
    fill({Box::WS7cf, Box::WS7cm}, claim.MoNonCoveredHealth, payer.MoNonCoveredHealth);
  } else {
    fill({Box::WS16af, Box::WS16am}, claim.MoDayCare, payer.MoDayCare);
    fill({Box::WS16bf, Box::WS16bm}, claim.MoChildHealthIns, payer.MoChildHealthIns);
    fill({Box::WS16cf, Box::WS16cm}, claim.MoNonCoveredHealth, payer.MoNonCoveredHealth);
  }
  sheet[shared ? Box::WS14at : Box::WS5at] = Amount(payer.MoDayCare + claim.MoDayCare);
  sheet[shared ? Box::WS14bt : Box::WS5bt] =
      Amount(payer.MoChildHealthIns + claim.MoChildHealthIns);
  sheet[shared ? Box::WS14ct : Box::WS5ct] =
      Amount(payer.MoNonCoveredHealth + claim.MoNonCoveredHealth);
  sheet[Box::WSNumMinors] = platform::Format(vars.Express.NumMinorChildren, "##");
  if (shared) {
    const auto general = [](double v) { return QString::number(v, 'g', 7); };
    sheet[claimantInB ? Box::WSMotherDays : Box::WSFatherDays] = general(claim.YrOvernights);
    sheet[claimantInB ? Box::WSFatherDays : Box::WSMotherDays] = general(payer.YrOvernights);
  }
  links.incomeWindows.TotalIncomeWindows();
  return true;
}

}  // namespace worksheet
