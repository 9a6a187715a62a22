#pragma once

namespace shell {
class Program;
}

namespace app {

using shell::Program;

// How the start-up layout pass fits a window.
enum class StartupFit { Form, TabForm };

struct StartupWindow {
  const char* name;
  StartupFit fit;
};

// The windows that keep their state for the whole run, created and fitted
// once by the start-up layout pass, in this order. A window listed here but
// not built into the program yet is passed over. Each window is marked
// `Fitted`; the result windows, which are unloaded when closed, are fitted
// again when they open after an unloading (results::ui::ShowChildSupportResult,
// alimony::ui::LoadAlimonyResult). The tax credit window, the skills table
// and the Print Screen Images window are not listed: each is made and fitted
// afresh every time it opens.
inline constexpr StartupWindow kStartupWindows[] = {
    {"Form1", StartupFit::Form},      // the Express screen
    {"Form13", StartupFit::TabForm},  // the claimant's income
    {"Form14", StartupFit::TabForm},  // the other party's income
    {"Form16", StartupFit::Form},     // parenting time
    {"Form26", StartupFit::TabForm},  // the claimant's business income
    {"Form27", StartupFit::TabForm},  // the other party's business income
    {"Form5", StartupFit::Form},      // the child support results
    {"Form3", StartupFit::Form},      // the alimony results
};

// The start-up layout pass: the scheme's background colour, the windows
// above, the Express screen's save-folder menu, the windows of the
// multiple-document frame, the default printer's font and the sheet zoom
// states. A step that fails is passed over.
void FitStartupWindows(Program& program);

}  // namespace app
