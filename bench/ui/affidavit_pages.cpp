// The four financial affidavit pages: creating them from their tables and
// fitting them to the screen, as the start-up layout pass does; and the
// program's peak memory with every window built so far loaded.
#include <benchmark/benchmark.h>

#include <QFile>

#include "affidavit/screens/ui/AffidavitPages.h"
#include "app/ui/ProgramWindows.h"
#include "platform/ScriptedDialogs.h"
#include "shell/ui/Program.h"
#include "WindowBenchMain.h"

namespace {

// The process's peak resident memory in kilobytes (Linux), 0 when unknown.
double PeakMemoryKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble();
  return 0;
}

// A program with every window registered, on a pinned 1024 x 768 screen.
struct BenchProgram {
  platform::ScriptedDialogs dialogs;
  shell::Program program{dialogs};
  BenchProgram() {
    app::RegisterProgramWindows(program);
    program.PinScreen(shell::ScreenInfo{1024, 768, 15, 15});
  }
};

void BM_CreateAndFitAffidavitPages(benchmark::State& state) {
  for (auto _ : state) {
    BenchProgram run;
    affidavit::ui::FitAffidavitPages(run.program);
    benchmark::DoNotOptimize(run.program.Find(QStringLiteral("Form123")));
  }
}
BENCHMARK(BM_CreateAndFitAffidavitPages)->Unit(benchmark::kMillisecond);

void BM_EveryWindowLoaded(benchmark::State& state) {
  for (auto _ : state) {
    BenchProgram run;
    shell::Program& program = run.program;
    for (const char* name : {"Form1", "Form13", "Form14", "Form16", "Form26", "Form27", "Form4", "Form8", "Form17",
                             "Form18", "Form20", "FormScaling", "FormVS", "FormFin", "Form7", "Form72t", "Form72tA",
                             "Form72tB"})
      program.Load(QString::fromLatin1(name));
    affidavit::ui::FitAffidavitPages(program);
    state.counters["peak_memory_kb"] = PeakMemoryKb();
  }
}
BENCHMARK(BM_EveryWindowLoaded)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
