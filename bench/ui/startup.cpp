// Start-up to the splash window: the program object with its window registry,
// the display preferences, the splash window built, fitted and shown; and the
// whole start (layout pass included) up to the splash window waiting for the
// user. Offscreen, with its own empty settings folder.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "platform/ScriptedDialogs.h"
#include "app/ui/ProgramWindows.h"
#include "app/ui/StartProgram.h"
#include "shell/ui/Program.h"
#include "WindowBenchMain.h"

namespace {

void BM_StartToSplashShown(benchmark::State& state) {
  for (auto _ : state) {
    platform::ScriptedDialogs dialogs;
    shell::Program program(dialogs);
    app::RegisterProgramWindows(program);
    app::ShowSplash(program);
    QApplication::processEvents();
    benchmark::DoNotOptimize(program.Find(QStringLiteral("frmSplash")));
  }
}
BENCHMARK(BM_StartToSplashShown)->Unit(benchmark::kMillisecond);

void BM_StartToSplashWaiting(benchmark::State& state) {
  for (auto _ : state) {
    platform::ScriptedDialogs dialogs;
    shell::Program program(dialogs);
    app::RegisterProgramWindows(program);
    program.SplashWaitSeconds = 0;  // the half-second pause is not start-up work
    app::StartProgram(program);
    benchmark::DoNotOptimize(program.Ended());
  }
}
BENCHMARK(BM_StartToSplashWaiting)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
