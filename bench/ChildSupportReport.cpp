// The Child Support Report of a run: building the page on the document model
// and writing it as a PDF file; and the result window's text of the same run.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "DocumentBenchMain.h"

#include "case/CaseVars.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "platform/document/PdfWriter.h"
#include "results/ChildSupportReport.h"
#include "results/ChildSupportText.h"

namespace {

using casevars::Party;

// A shared-custody case with six children, alimony and a hand-entered net,
// so that every block of the report prints: both tax columns, the adjustment
// rows, the shared formula, six tier lines and the Social Security credit.
casevars::CaseVars RunCase() {
  casevars::CaseVars v;
  v.Express.CustodyStatus = "Shared";
  v.Express.NumMarriageChildren = 6;
  v.Express.NumMinorChildren = 6;
  v.Express.MoAlimonyTransfer = 400;
  v.Results.ManualNetState = 3;
  for (Party p : casevars::kParties) {
    const float wages = p == Party::Claim ? 38'000 : 82'000;
    v.Express[p].FilingStatus = p == Party::Claim ? "Head" : "Single";
    v.Business[p].YrWagesForTax = wages;
    v.Income[p].YrGrossIncome = v.Income[p].YrTotal = v.Income[p].YrAGIBase = wages;
    v.Express[p].Under17Children = 3;
    v.Express[p].MoChildHealthIns = 120;
    v.Express[p].StateTaxRate = 0.03f;
  }
  v.Income.Payer.YrSSChild = 2'400;
  for (int k = 1; k <= 6; ++k) {
    v.Express.Claim.TierNights[k] = 160;
    v.Express.Payer.TierNights[k] = 205;
  }
  childsupport::ChildSupportInputs in;
  in.SplitDefault = "Winters";
  in.InterpDefault = "Closest";
  in.Payer.NewNet = 4'800;
  childsupport::ComputeChildSupport(v, in);
  return v;
}

const results::ChildSupportReportInputs kInputs{QStringLiteral("Rivera v. Rivera"), QDate(2026, 3, 5)};

void BM_BuildChildSupportReport(benchmark::State& state) {
  casevars::CaseVars v = RunCase();
  for (auto _ : state) benchmark::DoNotOptimize(results::BuildChildSupportReport(v, kInputs));
}
BENCHMARK(BM_BuildChildSupportReport)->Unit(benchmark::kMillisecond);

void BM_ChildSupportReportToPdf(benchmark::State& state) {
  casevars::CaseVars v = RunCase();
  QTemporaryDir folder;
  const QString path = folder.path() + "/child-support.pdf";
  for (auto _ : state) {
    const platform::OutputResult result =
        platform::SaveDocumentAsPdf(results::BuildChildSupportReport(v, kInputs), path);
    if (!result.ok()) {
      state.SkipWithError(result.error.toStdString().c_str());
      break;
    }
  }
}
BENCHMARK(BM_ChildSupportReportToPdf)->Unit(benchmark::kMillisecond);

void BM_DrawChildSupportText(benchmark::State& state) {
  casevars::CaseVars v = RunCase();
  results::ChildSupportPictures pictures;
  for (auto _ : state) results::DrawChildSupportText(v, pictures, 1.28);
}
BENCHMARK(BM_DrawChildSupportText)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunDocumentBenchmarks(argc, argv); }
