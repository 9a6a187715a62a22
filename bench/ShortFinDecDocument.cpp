// Drawing the short-form affidavit's pages 1 and 2 from a filled affidavit,
// filled and blank, and writing them as PDF.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "DocumentBenchMain.h"
#include "affidavit/datafile/AffidavitPages.h"
#include "affidavit/datafile/DefaultLabels.h"
#include "affidavit/print/AffidavitPrinters.h"
#include "platform/document/PdfWriter.h"

namespace {

using casevars::AffidavitValue;

struct FilledShortForm {
  affidavit::FakeAffidavitPages pages;
  casevars::AffidavitValues values;
  casevars::AffidavitPageVars font;

  FilledShortForm() {
    affidavit::ApplyLabels(pages, affidavit::FDShortExpenseLabels());
    const std::pair<int, const char*> caption[] = {{1, "NINTH"},     {2, "ORANGE"},
                                                   {3, "2026-DR-1"}, {5, "Jane Roe"},
                                                   {6, "John Roe"},  {7, "Jane Roe"}};
    for (const auto& [index, text] : caption) pages.SetText({"Form121", "S0T", index}, text);
    for (int i = 16; i <= 26; ++i)
      pages.SetText({"Form121", "S2T", i}, "A creditor with a name wider than its place");
    for (int i = 1; i <= 38; ++i) values.FDIncomeValues[i] = AffidavitValue::Of(i * 101.5);
    for (int i = 1; i <= 105; ++i) values.FDExpenseValues[i] = AffidavitValue::Of(i * 12.25);
  }

  platform::Document Draw(int blank) {
    platform::DrawingCursor vs;
    vs.BeginDocument();
    affidavit::AffidavitPrintRun run{vs,    pages, values, font, QStringLiteral("OneOneHalf"),
                                     blank, {}};
    affidavit::PrintShortFinDec(run, 1, 2);
    vs.EndDocument();
    return vs.TakeDocument();
  }
};

void BM_DrawShortFinDec(benchmark::State& state) {
  FilledShortForm form;
  const int blank = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(form.Draw(blank));
}
BENCHMARK(BM_DrawShortFinDec)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ShortFinDecToPdf(benchmark::State& state) {
  FilledShortForm form;
  QTemporaryDir folder;
  const QString path = folder.path() + "/short-form.pdf";
  for (auto _ : state) {
    const platform::OutputResult result = platform::SaveDocumentAsPdf(form.Draw(0), path);
    if (!result.ok()) {
      state.SkipWithError(result.error.toStdString().c_str());
      break;
    }
  }
  state.counters["pages"] = 2;
}
BENCHMARK(BM_ShortFinDecToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunDocumentBenchmarks(argc, argv); }
