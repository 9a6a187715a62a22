// Building the printed guidelines worksheet (four pages) from a calculated
// shared-custody sheet, and writing it as PDF.
#include "worksheet/WorksheetDocument.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "DocumentBenchMain.h"
#include "platform/document/PdfWriter.h"
#include "worksheet/WorksheetCalculation.h"

namespace {

using worksheet::Box;

struct CalculatedSheet {
  worksheet::WorksheetSheet sheet = worksheet::WorksheetSheet::AsDesigned();
  worksheet::WorksheetValues values{};

  CalculatedSheet() {
    const std::pair<Box, const char*> entries[] = {
        {Box::WSCourt, "NINTH"},  {Box::WSCounty, "ORANGE"},  {Box::WSPet, "Jane Roe"},
        {Box::WSRes, "John Roe"}, {Box::WSCase, "2026-DR-1"}, {Box::WS0f, "$ 6,000"},
        {Box::WS0m, "$ 4,000"},   {Box::WS1f, "$ 4,600"},     {Box::WS1m, "$ 3,100"},
        {Box::WSNumMinors, "2"},  {Box::WSFatherDays, "146"}, {Box::WSMotherDays, "219"},
        {Box::WS14at, "$ 400"},   {Box::WS14bt, "$ 150"},     {Box::WS16af, "$ 400"},
        {Box::WS16bm, "$ 150"},   {Box::WSOName, "John Roe"}, {Box::WSNAme, "Jane Roe"}};
    for (const auto& [box, text] : entries) sheet[box] = text;
    QString interp;
    worksheet::CalculateWS(sheet, values, interp, {true, "Closest"});
  }
};

void BM_BuildWorksheetDocument(benchmark::State& state) {
  CalculatedSheet s;
  for (auto _ : state)
    benchmark::DoNotOptimize(worksheet::BuildWorksheetDocument(s.sheet, s.values, true, {}));
}
BENCHMARK(BM_BuildWorksheetDocument)->Unit(benchmark::kMillisecond);

void BM_WorksheetDocumentToPdf(benchmark::State& state) {
  CalculatedSheet s;
  QTemporaryDir folder;
  const QString path = folder.path() + "/worksheet.pdf";
  for (auto _ : state) {
    const platform::Document doc = worksheet::BuildWorksheetDocument(s.sheet, s.values, true, {});
    const platform::OutputResult result = platform::SaveDocumentAsPdf(doc, path);
    if (!result.ok()) {
      state.SkipWithError(result.error.toStdString().c_str());
      break;
    }
  }
  state.counters["pages"] = 4;
}
BENCHMARK(BM_WorksheetDocumentToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunDocumentBenchmarks(argc, argv); }
