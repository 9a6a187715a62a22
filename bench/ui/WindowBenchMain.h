#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <functional>

#include "platform/Fonts.h"

// main() of a benchmark that builds windows: a Qt application on the
// offscreen platform unless another is asked for, settings in a folder of the
// run's own (the user's preferences stay untouched) and the Tahoma face.
// `useFolder` is given that folder before the benchmarks run.
inline int RunWindowBenchmarks(int argc, char** argv,
                               const std::function<void(const QString& folder)>& useFolder = {}) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir folder;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
  if (useFolder) useFolder(folder.path());
  platform::RegisterTahomaIfMissing();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
