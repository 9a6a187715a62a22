#pragma once

#include <functional>
#include <utility>

#include "case/CaseVars.h"

// The one routine the what-if calculators (dependency and overnights change,
// the two bonus calculators) run through: the case is saved, changed and run;
// then, however the run ends (its result, an engine's stop or an exception),
// the saved case is put back and the engines run again on it, so the windows
// that show results redraw the case as it was.
namespace tools {

template <class Run>
auto RunWhatIf(casevars::CaseVars& vars, const std::function<void(casevars::CaseVars&)>& change, Run&& run,
               const std::function<void()>& rerun) {
  const casevars::CaseVars saved = vars;
  auto restore = [&] {
    vars = saved;
    if (rerun) rerun();
  };
  try {
    change(vars);
    auto result = std::forward<Run>(run)();
    restore();
    return result;
  } catch (...) {
    restore();
    throw;
  }
}

}  // namespace tools
