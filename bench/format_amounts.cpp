// Cost of the number texts that every result window and printed form builds:
// amounts in the program's patterns, and amount texts read back as numbers.
#include <benchmark/benchmark.h>

#include <QString>
#include <QStringList>

#include <iterator>

#include "platform/NumberText.h"

namespace {

const float kAmounts[] = {0.0f, 0.5f, 2.675f, 1234.5f, 52000.0f, -250.0f, 123456.78f, 9876543.0f};

void formatAll(benchmark::State& state, const char* pattern) {
  for (auto _ : state)
    for (float a : kAmounts) benchmark::DoNotOptimize(platform::Format(a, pattern));
  state.SetItemsProcessed(state.iterations() * std::size(kAmounts));
}

void BM_FormatWholeDollars(benchmark::State& state) { formatAll(state, "$###,##0"); }
void BM_FormatDollarsAndCents(benchmark::State& state) { formatAll(state, "$ ###,###.#0"); }
void BM_FormatDeduction(benchmark::State& state) { formatAll(state, "-$##,###,##0"); }

void BM_FormatPercent(benchmark::State& state) {
  const double shares[] = {0.0, 0.005, 0.4567, 2.0 / 3.0, 1.0};
  for (auto _ : state)
    for (double s : shares) benchmark::DoNotOptimize(platform::Format(s, "##.#0%"));
  state.SetItemsProcessed(state.iterations() * std::size(shares));
}

void BM_AmountFromText(benchmark::State& state) {
  const QStringList texts = {"$ 1,234.50", "$ .00", "$52,000", "-$250", "12 %", "$", "abc", ""};
  for (auto _ : state)
    for (const QString& t : texts) benchmark::DoNotOptimize(platform::AmountFromText(t));
  state.SetItemsProcessed(state.iterations() * texts.size());
}

}  // namespace

BENCHMARK(BM_FormatWholeDollars);
BENCHMARK(BM_FormatDollarsAndCents);
BENCHMARK(BM_FormatDeduction);
BENCHMARK(BM_FormatPercent);
BENCHMARK(BM_AmountFromText);
BENCHMARK_MAIN();
