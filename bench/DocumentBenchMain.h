#pragma once

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "platform/Fonts.h"

// main() of a benchmark that measures or draws text: a headless Qt
// application and the Tahoma face registered before the benchmarks run.
inline int RunDocumentBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  platform::RegisterTahomaIfMissing();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
