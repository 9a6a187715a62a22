#pragma once

// The main function of a benchmark program that draws documents: a GUI
// application object (fonts, PDF) on the offscreen platform unless another is
// asked for, and the program's Tahoma face.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "platform/Fonts.h"

#define KELVANE_DOCUMENT_BENCHMARK_MAIN()                                                            \
  int main(int argc, char** argv) {                                                                \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");   \
    QGuiApplication app(argc, argv);                                                               \
    platform::RegisterTahomaIfMissing();                                                           \
    benchmark::Initialize(&argc, argv);                                                            \
    benchmark::RunSpecifiedBenchmarks();                                                           \
    benchmark::Shutdown();                                                                         \
    return 0;                                                                                      \
  }
