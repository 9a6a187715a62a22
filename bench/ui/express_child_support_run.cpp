// A child support run started from the Express screen's command, from the
// click to the ChildSupport field written (checks, income windows to yearly,
// tier values, engine), beside the bare engine run over the case the command
// prepared. Offscreen, with its own empty settings folder.
#include <benchmark/benchmark.h>

#include <QLineEdit>

#include <utility>

#include "app/ui/ProgramWindows.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "express/ExpressFields.h"
#include "express/ui/Form1.h"
#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"
#include "platform/ScriptedDialogs.h"
#include "shell/ui/Program.h"
#include "WindowBenchMain.h"

namespace {

// A custodial case with two minor children on the Express screen; the wages
// are in the income windows' boxes.
struct TypedCase {
  platform::ScriptedDialogs dialogs;
  shell::Program program{dialogs};
  express::Form1* express = nullptr;

  TypedCase() {
    app::RegisterProgramWindows(program);
    program.PinScreen(shell::ScreenInfo{1024, 768, 15, 15});
    express = program.Load<express::Form1>(QStringLiteral("Form1"));
    program.FitFormToScreen(*express);
    express::ExpressFields& f = express->Fields();
    const std::pair<const char*, const char*> texts[] = {
        {"NumChild", "2"},        {"MinChild", "2"},       {"ClaimDepend17", "1"}, {"PayerDepend17", "1"},
        {"ClaimDayCare", "$0"},   {"OtherDayCare", "$0"},  {"ClaimNumCare", "0"},  {"OtherNumCare", "0"},
        {"ClaimStateTax", ".00"}, {"PayerStateTax", ".00"}, {"ClaimSpecial", "$0"}, {"OtherSpecial", "$0"},
        {"ClaimHealthCare", "$0"}, {"OtherHealthCare", "$0"}, {"ClaimGrossInc", "$2,500"}, {"PayGrossInc", "$6,000"}};
    for (const auto& [name, text] : texts) f.SetText(QLatin1String(name), QLatin1String(text));
    for (const char* option : {"ClaimHeadHouse", "PayerSingle", "CustodialOption", "CharOption1"})
      f.SetValue(QLatin1String(option), express::kOn);
    for (auto [name, wages] : {std::pair{"Form13", "30000"}, std::pair{"Form14", "72000"}}) {
      auto* income = program.Load<income::IncomeWindow>(QLatin1String(name));
      income->Box("Earned")->setText(QLatin1String(wages));
      income->AssignPopUpVars();
    }
  }
};

void BM_ExpressChildSupportCommand(benchmark::State& state) {
  TypedCase c;
  for (auto _ : state) {
    c.express->ChildSupport->clear();
    c.express->ChildSupportButton_Click();
    benchmark::DoNotOptimize(c.express->ChildSupport->text());
  }
  if (c.express->ChildSupport->text().isEmpty()) {
    const auto calls = c.dialogs.Calls();
    const QString why = calls.empty() ? QStringLiteral("the run wrote no transfer") : calls.front().prompt;
    state.SkipWithError(why.toStdString().c_str());
  }
}
BENCHMARK(BM_ExpressChildSupportCommand)->Unit(benchmark::kMillisecond);

void BM_BareChildSupportEngine(benchmark::State& state) {
  TypedCase c;
  c.express->ChildSupportButton_Click();  // the case as the command prepares it
  const casevars::CaseVars prepared = c.program.Case;
  for (auto _ : state) {
    casevars::CaseVars vars = prepared;
    benchmark::DoNotOptimize(childsupport::ComputeChildSupport(vars, {}).ChildSupport);
  }
}
BENCHMARK(BM_BareChildSupportEngine)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
