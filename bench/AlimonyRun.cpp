// One alimony calculation for a custodial claimant with tips, alimony
// calculated before child support and applied to it: two passes, each with
// the taxes computed three times, and three child support runs.
#include <benchmark/benchmark.h>

#include "alimony/AlimonyRun.h"
#include "alimony/CaseScore.h"
#include "case/CaseVars.h"

namespace {

using casevars::Party;

casevars::CaseVars TipsCase() {
  casevars::CaseVars v;
  v.Express.CustodyStatus = "Cust";
  v.Express.NumMinorChildren = 2;
  v.Express.NumMarriageChildren = 2;
  v.Express.SequencingMode = 1;
  v.Express.MaintAppliedToCS = 1;
  v.Results.ManualNetState = 1;
  const struct {
    Party party;
    const char* filing;
    float wages;
  } parties[] = {{Party::Claim, "Head", 30'000}, {Party::Payer, "Single", 110'000}};
  for (const auto& p : parties) {
    v.Express[p.party].FilingStatus = p.filing;
    v.Income[p.party].YrEarned = p.wages;
    v.Business[p.party].YrWagesForTax = p.wages;
    v.Income[p.party].YrTotal = p.wages;
    v.Income[p.party].YrGrossIncome = p.wages;
    v.Income[p.party].YrAGIBase = p.wages;
    v.Express[p.party].StateTaxRate = 0.03f;
  }
  v.Income.Claim.YrEarned = 26'000;
  v.Income.Claim.YrTips = 4'000;
  v.Business.Claim.YrWagesForTax = 26'000;
  v.Express.Claim.Under17Children = 2;
  v.Express.Claim.DayCareChildren = 2;
  v.Express.Claim.MoDayCare = 400;
  v.Express.Payer.MoChildHealthIns = 150;
  for (std::size_t k = 1; k <= 6; ++k) {
    v.Express.Claim.TierNights[k] = 290;
    v.Express.Payer.TierNights[k] = 75;
  }
  v.Express.MarriageYears = 22;
  v.Express.Claim.AgeYears = 48;
  v.Express.Claim.SkillScore = 9;
  v.Express.CaregiverCharacterization = 1;
  v.Alimony.AlimonyTaxMode = 2;
  alimony::ComputeCaseScore(v);
  return v;
}

void BM_AlimonyRun(benchmark::State& state) {
  const casevars::CaseVars start = TipsCase();
  alimony::AlimonyInputs in;
  in.Windows.SplitDefault = "Winters";
  in.Windows.InterpDefault = "Closest";
  for (auto _ : state) {
    casevars::CaseVars v = start;
    const alimony::AlimonyOutcome out = alimony::ComputeAlimony(v, in);
    if (!out.Completed) state.SkipWithError(out.Message.toStdString().c_str());
    if (out.ChildSupportRuns != 3) state.SkipWithError("expected three child support runs");
    benchmark::DoNotOptimize(v.Alimony.YrAlimonyAward);
  }
}
BENCHMARK(BM_AlimonyRun);

}  // namespace

BENCHMARK_MAIN();
