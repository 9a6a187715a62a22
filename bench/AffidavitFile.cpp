// Cost of saving and opening a filled long-form affidavit data file: building
// the 1,270 values from the pages and writing the file whole, and reading,
// checking and putting them back (over the map-backed pages, so the pages'
// own work is left out).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include "affidavit/datafile/FinDecFile.h"

namespace {

// Every element a long-form save writes holds an entry like a filled affidavit's.
void Fill(affidavit::FakeAffidavitPages& pages) {
  for (const auto* map : {&affidavit::LongFormSaveSlots(), &affidavit::BothFormsSaveSlots()}) {
    for (const affidavit::SlotSource& s : *map) {
      if (s.kind == affidavit::SlotKind::Text) pages.SetText(s.element, QStringLiteral("$ %1,250.00").arg(s.slot));
      else pages.SetValue(s.element, s.slot % 2);
    }
  }
}

void BM_SaveAffidavitFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath(QStringLiteral("Affidavit.FIN"));
  affidavit::FakeAffidavitPages pages;
  Fill(pages);
  const affidavit::FinDecSettings settings;
  for (auto _ : state) benchmark::DoNotOptimize(affidavit::SaveFinDec(pages, settings, path));
}

void BM_OpenAffidavitFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath(QStringLiteral("Affidavit.FIN"));
  {
    affidavit::FakeAffidavitPages pages;
    Fill(pages);
    affidavit::SaveFinDec(pages, {}, path);
  }
  for (auto _ : state) {
    affidavit::FakeAffidavitPages pages;
    affidavit::FinDecSettings settings;
    const auto file = affidavit::ReadFinDec(path);
    if (file.ok()) affidavit::RestoreFinDec(pages, file.value(), settings);
    benchmark::DoNotOptimize(pages.Writes);
  }
}

}  // namespace

BENCHMARK(BM_SaveAffidavitFile);
BENCHMARK(BM_OpenAffidavitFile);
BENCHMARK_MAIN();
