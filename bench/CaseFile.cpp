// Cost of saving and opening a filled case file: gathering the 399 positions
// from the case windows and writing the file whole, and reading, checking and
// placing them back with the recompute calls (over the map-backed fields, so
// the windows' own work is left out).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include "case/CaseVars.h"
#include "casefile/CaseFields.h"
#include "casefile/CasePositions.h"
#include "casefile/CaseRecord.h"

namespace {

// Every position holds a value like a filled case's.
void Fill(casefile::FakeCaseFields& f) {
  for (const casefile::Position& p : casefile::CasePositions()) {
    if (!p.window[0]) continue;
    const casefile::ControlRef c{QLatin1String(p.window), QLatin1String(p.control), p.index};
    if (p.written == casefile::Written::Text)
      f.SetText(c, QStringLiteral("$ %1,250.00").arg(p.position));
    else if (p.position % 3 == 0)
      f.SetValue(c, 1);
  }
}

void BM_SaveCaseFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath(QStringLiteral("Case.PVX"));
  casefile::FakeCaseFields f;
  Fill(f);
  for (auto _ : state) benchmark::DoNotOptimize(casefile::SaveCase(f, path));
}

void BM_OpenCaseFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath(QStringLiteral("Case.PVX"));
  {
    casefile::FakeCaseFields f;
    Fill(f);
    casefile::SaveCase(f, path);
  }
  casevars::CaseVars vars;
  for (auto _ : state) {
    casefile::FakeCaseFields f;
    benchmark::DoNotOptimize(casefile::OpenCase(f, vars, path));
  }
}

}  // namespace

BENCHMARK(BM_SaveCaseFile);
BENCHMARK(BM_OpenCaseFile);
BENCHMARK_MAIN();
