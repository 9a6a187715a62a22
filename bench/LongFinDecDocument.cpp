// Building the printed long-form financial affidavit (pages 1 to 8) from a
// filled long form, and writing it as PDF.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "DocumentBenchMain.h"
#include "affidavit/calc/AffidavitCalc.h"
#include "affidavit/calc/ClearAffidavit.h"
#include "affidavit/print/AffidavitPrinters.h"
#include "platform/document/PdfWriter.h"

namespace {

struct FilledLongForm {
  affidavit::FakeAffidavitPages pages;
  casevars::AffidavitValues values{};
  casevars::AffidavitPageVars font;

  FilledLongForm() {
    affidavit::ClearFinDecData(pages, 1);
    const auto set = [&](const char* array, int index, const QString& text) {
      pages.SetText({QStringLiteral("Form12"), QLatin1String(array), index}, text);
    };
    set("S0T", 1, "NINTH");
    set("S0T", 5, "Jane Roe");
    set("S0T", 6, "John Roe");
    set("S0T", 7, "Jane Quinn Roe");
    for (int i = 1; i <= 24; ++i) set("S1", i, QString::number(100 * i));
    for (int i = 28; i <= 38; ++i) set("S1", i, QString::number(50 * i));
    for (int i = 1; i <= 103; ++i) set("S2", i, QString::number(10 * i));
    for (int i = 1; i <= 16; ++i) set("S2New", i, QString::number(5 * i));
    for (int i = 0; i <= 28; ++i) set("S2T", i, QStringLiteral("Description %1").arg(i));
    affidavit::AssignFDVars(pages, 1, values);
    affidavit::CalculateFinDec(pages, 1, values);
  }

  platform::Document Build() {
    platform::DrawingCursor vs;
    vs.SetPreviewMode(true);
    vs.BeginDocument();
    affidavit::AffidavitPrintRun run{vs, pages, values, font, QStringLiteral("One"), 0, {}};
    affidavit::PrintLongFinDec(run, 1, 8);
    vs.EndDocument();
    return vs.TakeDocument();
  }
};

void BM_BuildLongFinDecPages(benchmark::State& state) {
  FilledLongForm form;
  for (auto _ : state) benchmark::DoNotOptimize(form.Build());
}
BENCHMARK(BM_BuildLongFinDecPages)->Unit(benchmark::kMillisecond);

void BM_LongFinDecPagesToPdf(benchmark::State& state) {
  FilledLongForm form;
  QTemporaryDir folder;
  const QString path = folder.path() + "/long-form.pdf";
  for (auto _ : state) {
    const platform::OutputResult result = platform::SaveDocumentAsPdf(form.Build(), path);
    if (!result.ok()) {
      state.SkipWithError(result.error.toStdString().c_str());
      break;
    }
  }
  state.counters["pages"] = 8;
}
BENCHMARK(BM_LongFinDecPagesToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunDocumentBenchmarks(argc, argv); }
