// Printing a filled financial affidavit into a document and writing it as
// PDF: the whole long form with the notice of filing, and the closing pages
// of both forms on their own.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "DocumentBenchMain.h"
#include "affidavit/print/AffidavitPrinters.h"
#include "platform/document/PdfWriter.h"

namespace {

using casevars::AffidavitValue;

struct FilledAffidavit {
  affidavit::FakeAffidavitPages pages;
  casevars::AffidavitValues values{};
  casevars::AffidavitPageVars font;

  FilledAffidavit() {
    for (int i = 0; i < 65; ++i) values.FDAssetValues[i] = AffidavitValue::Of(1000.0 * i);
    for (int i = 0; i < 47; ++i) values.FDLiabilityValues[i] = AffidavitValue::Of(250.0 * i);
    for (int i = 0; i < 110; ++i) values.FDExpenseValues[i] = AffidavitValue::Of(12.0 * i);
    for (const char* page : {"Form122", "Form123"}) {
      for (int i = 0; i < 63; ++i) {
        pages.SetText({page, "S3T", i}, QStringLiteral("Asset %1").arg(i));
        pages.SetText({page, "S3O", i}, "Husband");
        pages.SetValue({page, "S3c", i}, i % 2);
      }
      for (int i = 0; i < 39; ++i) {
        pages.SetText({page, "S4T", i}, QStringLiteral("Debt %1").arg(i));
        pages.SetText({page, "S4Cr", i}, "Bank");
      }
      for (int i = 0; i < 30; ++i) pages.SetText({page, "S5T", i}, QStringLiteral("Entry %1").arg(i));
      pages.SetValue({page, "S5op", 12}, 1);
    }
  }

  platform::Document Print(void (*printer)(affidavit::AffidavitPrintRun&, int, int), int from,
                           int to) {
    platform::DrawingCursor vs;
    vs.BeginDocument();
    affidavit::AffidavitPrintRun run{vs, pages, values, font, QString(), 0, {}};
    printer(run, from, to);
    vs.EndDocument();
    return vs.TakeDocument();
  }
};

void ToPdf(benchmark::State& state, void (*printer)(affidavit::AffidavitPrintRun&, int, int),
           int from, int to) {
  FilledAffidavit affidavit;
  QTemporaryDir folder;
  const QString path = folder.path() + "/affidavit.pdf";
  int pages = 0;
  for (auto _ : state) {
    const platform::Document doc = affidavit.Print(printer, from, to);
    pages = doc.pageCount();
    const platform::OutputResult result = platform::SaveDocumentAsPdf(doc, path);
    if (!result.ok()) {
      state.SkipWithError(result.error.toStdString().c_str());
      break;
    }
  }
  state.counters["pages"] = pages;
}

// The whole long form, pages 1 to 13 and the notice.
void BM_LongFormToPdf(benchmark::State& state) {
  ToPdf(state, affidavit::PrintLongFinDec, 1, 13);
}
BENCHMARK(BM_LongFormToPdf)->Unit(benchmark::kMillisecond);

// Long pages 9 to 13 and the notice.
void BM_LongClosingPagesToPdf(benchmark::State& state) {
  ToPdf(state, affidavit::PrintLongFinDecPart2, 9, 13);
}
BENCHMARK(BM_LongClosingPagesToPdf)->Unit(benchmark::kMillisecond);

// Short pages 3 to 5 and the notice.
void BM_ShortClosingPagesToPdf(benchmark::State& state) {
  ToPdf(state, affidavit::PrintShortFinDecPart2, 3, 5);
}
BENCHMARK(BM_ShortClosingPagesToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunDocumentBenchmarks(argc, argv); }
