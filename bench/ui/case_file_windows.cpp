// Saving and opening a filled case file through the program's own windows:
// the Express screen, income, parenting-time and business windows laid out
// by the start-up pass, every amount box holding a figure. Offscreen, with
// its own empty settings folder.
#include <benchmark/benchmark.h>

#include <QDir>

#include "app/ui/ProgramWindows.h"
#include "app/ui/StartupLayout.h"
#include "casefile/CasePositions.h"
#include "casefile/CaseRecord.h"
#include "casefile/ui/WindowCaseFields.h"
#include "platform/ScriptedDialogs.h"
#include "shell/ui/Program.h"
#include "WindowBenchMain.h"

namespace {

QString gFolder;  // the run's own folder, for the case files

// A program with its windows laid out and a case in them.
struct FilledProgram {
  platform::ScriptedDialogs dialogs;
  shell::Program program{dialogs};
  casefile::ui::WindowCaseFields fields{program};

  FilledProgram() {
    app::RegisterProgramWindows(program);
    program.PinScreen(shell::ScreenInfo{1024, 768, 15, 15});
    program.IsFontInstalled = [](const QString&) { return true; };
    app::FitStartupWindows(program);
    using casefile::ControlRef;
    fields.SetText(ControlRef{"Form1", "ClaimantName"}, QStringLiteral("Smith v. Jones"));
    fields.SetText(ControlRef{"Form1", "NumChild"}, QStringLiteral("2"));
    fields.SetText(ControlRef{"Form1", "MinChild"}, QStringLiteral("2"));
    fields.SetValue(ControlRef{"Form1", "CustodialOption"}, 1);
    for (const casefile::Position& p : casefile::CasePositions()) {
      const QString window = QLatin1String(p.window);
      if (p.written != casefile::Written::Text || window == QLatin1String("Form1")) continue;
      fields.SetText(ControlRef{window, QLatin1String(p.control), p.index}, QStringLiteral("$ 1,200"));
    }
  }
};

void BM_SaveCaseThroughWindows(benchmark::State& state) {
  FilledProgram filled;
  const QString path = QDir(gFolder).filePath("save.PVX");
  for (auto _ : state) {
    if (casefile::SaveCase(filled.fields, path)) {
      state.SkipWithError("the case was not saved");
      break;
    }
  }
}
BENCHMARK(BM_SaveCaseThroughWindows)->Unit(benchmark::kMillisecond);

void BM_OpenCaseThroughWindows(benchmark::State& state) {
  FilledProgram filled;
  const QString path = QDir(gFolder).filePath("open.PVX");
  if (casefile::SaveCase(filled.fields, path)) {
    state.SkipWithError("the case was not saved");
    return;
  }
  for (auto _ : state) {
    // Each opening places into windows that hold another case.
    state.PauseTiming();
    filled.fields.SetText(casefile::ControlRef{"Form1", "ClaimantName"}, QStringLiteral("Doe"));
    filled.fields.SetText(casefile::ControlRef{"Form13", "ClaimEarned"}, QStringLiteral("$ 5"));
    state.ResumeTiming();
    if (casefile::OpenCase(filled.fields, filled.program.Case, path)) {
      state.SkipWithError("the case was not opened");
      break;
    }
  }
}
BENCHMARK(BM_OpenCaseThroughWindows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWindowBenchmarks(argc, argv, [](const QString& folder) { gFolder = folder; });
}
