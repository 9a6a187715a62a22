// One child support run for a shared-custody case with six children: both
// parties' taxes with every credit, the schedule read for each of six tiers.
#include <benchmark/benchmark.h>

#include "case/CaseVars.h"
#include "engine/childsupport/ChildSupportRun.h"

namespace {

using casevars::Party;

casevars::CaseVars SixChildSharedCase() {
  casevars::CaseVars v;
  v.Express.CustodyStatus = "Shared";
  v.Express.NumMinorChildren = 6;
  v.Express.MoAlimonyTransfer = 400;
  v.Results.ManualNetState = 1;
  const struct {
    Party party;
    const char* filing;
    float wages, se;
  } parties[] = {{Party::Claim, "Head", 38'000, 0}, {Party::Payer, "MFJ", 70'000, 12'000}};
  for (const auto& p : parties) {
    v.Express[p.party].FilingStatus = p.filing;
    v.Business[p.party].YrWagesForTax = p.wages;
    v.Business[p.party].YrSEIncome = p.se;
    v.Income[p.party].YrGrossIncome = p.wages + p.se;
    v.Income[p.party].YrTotal = p.wages + p.se;
    v.Income[p.party].YrAGIBase = p.wages + p.se;
    v.Income[p.party].EICChildren = 3;
    v.Express[p.party].Under17Children = 3;
    v.Express[p.party].DayCareChildren = 2;
    v.Express[p.party].MoDayCare = 350;
    v.Express[p.party].MoChildHealthIns = 120;
    v.Express[p.party].StateTaxRate = 0.03f;
  }
  v.Business.Payer.YrWagesForTax1 = 30'000;
  v.Income.Payer.YrTotal1 = 30'000;
  v.Income.Payer.YrAGIBase += 30'000;
  for (int k = 1; k <= 6; ++k) {
    v.Express.Claim.TierNights[std::size_t(k)] = 180 + k;
    v.Express.Payer.TierNights[std::size_t(k)] = 185 - k;
  }
  return v;
}

childsupport::ChildSupportInputs Inputs() {
  childsupport::ChildSupportInputs in;
  in.OptionTaxedToPayee = true;
  in.OptionTaxedToPayer = false;
  in.Claim.EICCheck = in.Payer.EICCheck = 1;
  return in;
}

void RunCase(benchmark::State& state, const childsupport::ChildSupportInputs& in) {
  const casevars::CaseVars start = SixChildSharedCase();
  for (auto _ : state) {
    casevars::CaseVars v = start;
    const childsupport::ChildSupportOutcome out = childsupport::ComputeChildSupport(v, in);
    if (!out.Completed) state.SkipWithError(out.Message.toStdString().c_str());
    benchmark::DoNotOptimize(out.ChildSupport);
  }
}

// The engine alone, with the calculation preferences handed in.
void BM_ChildSupportRun(benchmark::State& state) {
  childsupport::ChildSupportInputs in = Inputs();
  in.SplitDefault = "Winters";
  in.InterpDefault = "Linear";
  RunCase(state, in);
}
BENCHMARK(BM_ChildSupportRun);

// As the program runs it: the two preferences read from the settings store.
void BM_ChildSupportRunReadingPreferences(benchmark::State& state) { RunCase(state, Inputs()); }
BENCHMARK(BM_ChildSupportRunReadingPreferences);

}  // namespace

BENCHMARK_MAIN();
