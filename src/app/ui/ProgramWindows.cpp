#include "app/ui/ProgramWindows.h"

#include <QAction>

#include <memory>
#include <type_traits>

#include "affidavit/screens/ui/AffidavitCommands.h"
#include "affidavit/screens/ui/AffidavitPages.h"
#include "alimony/ui/AlimonyResult.h"
#include "alimony/ui/Form2.h"
#include "alimony/ui/Form3.h"
#include "app/ui/frmSplash.h"
#include "business/ui/BusinessWindow.h"
#include "calculators/ui/CalculatorWindow.h"
#include "calculators/ui/Form7.h"
#include "calculators/ui/Form72t.h"
#include "calculators/ui/Form72tHelp.h"
#include "calculators/ui/FormFin.h"
#include "casefile/ui/CaseFileMenus.h"
#include "express/ui/Form1.h"
#include "express/ui/Form16.h"
#include "income/ui/BusinessWindowLink.h"
#include "income/ui/IncomeWindow.h"
#include "results/ui/ChildSupportResult.h"
#include "results/ui/Form10.h"
#include "results/ui/Form5.h"
#include "screenimage/ui/Form6.h"
#include "shell/ui/Form17.h"
#include "shell/ui/Form18.h"
#include "shell/ui/Form20.h"
#include "shell/ui/Form4.h"
#include "shell/ui/Form8.h"
#include "shell/ui/FormScaling.h"
#include "shell/ui/FormVS.h"
#include "shell/ui/Program.h"
#include "tools/ui/BonusWindow.h"
#include "tools/ui/FormDepends.h"
#include "tools/ui/FormOnight.h"
#include "tools/ui/ImputeWindowLink.h"
#include "tools/ui/ResultWhatIfTools.h"
#include "worksheet/ui/Form9.h"
#include "worksheet/ui/MDIForm1.h"
#include "worksheet/ui/OpenWorksheet.h"

namespace app {

namespace {

template <class W, class... Args>
void Add(Program& program, const char* name, Args&... args) {
  program.Windows().SetFactory(QString::fromLatin1(name),
                               [&args...] { return std::make_unique<W>(args...); });
}

// A business income window, linked to the Express screen's period menu, the
// program's screen factors and its windows.
template <class W>
void AddBusinessWindow(Program& program, const char* name) {
  program.Windows().SetFactory(QString::fromLatin1(name), [&program] {
    auto window = std::make_unique<W>(program.Case);
    window->Links.MonthlyDataChecked = [&program] {
      auto* express = program.Find<platform::ui::Form>(QStringLiteral("Form1"));
      QAction* monthly = express ? express->MenuItem(QStringLiteral("MonthlyData")) : nullptr;
      return monthly && monthly->isChecked();
    };
    window->Links.Screen = &program.State.Screen;
    window->Links.Registry = &program.Windows();
    const bool claimant = std::is_same_v<W, business::Form26>;
    income::ConnectBusinessWindow(*window, [&program, claimant] {
      return program.Load<income::IncomeWindow>(claimant ? QStringLiteral("Form13") : QStringLiteral("Form14"));
    });
    return window;
  });
}

// An income window, linked to the Express screen, its party's business
// window and the program's message box; its load handler runs on creation.
template <class W>
void AddIncomeWindow(Program& program, const char* name) {
  program.Windows().SetFactory(QString::fromLatin1(name), [&program] {
    income::IncomeWindowServices services;
    services.express = program.Load<express::Form1>(QStringLiteral("Form1"));
    auto business = std::make_shared<income::BusinessWindowLink>(program.Case, [&program](casevars::Party party) {
      return program.Load<business::BusinessWindow>(party == casevars::Party::Claim ? QStringLiteral("Form26")
                                                                                     : QStringLiteral("Form27"));
    });
    services.business = business.get();
    auto impute = std::make_shared<tools::ui::ImputeWindowLink>(program);
    services.impute = impute.get();
    services.owned = std::make_shared<std::pair<std::shared_ptr<income::BusinessWindowLink>,
                                                std::shared_ptr<tools::ui::ImputeWindowLink>>>(business, impute);
    services.dialogs = &program.Dialogs;
    auto window = std::make_unique<W>(program.Case, services);
    window->Form_Load();
    return window;
  });
}

// How the windows open and run one another's (shell::WindowCommands).
void SetWindowCommands(Program& p) {
  shell::WindowCommands& c = p.Commands;
  c.SaveCase = [&p] { return casefile::ui::SaveCase(p); };
  c.OpenCase = [&p](bool showExpressScreen) { return casefile::ui::OpenCase(p, showExpressScreen); };
  c.ClearData = [&p] { return casefile::ui::ClearData(p); };
  c.OpenWorksheet = [&p] { worksheet::ui::OpenWorksheet(p); };
  c.RunAffidavit = [&p](bool longForm) { affidavit::ui::RunAffidavit(p, longForm); };
  c.OpenCalculator = [&p](const QString& name, std::int16_t caller) {
    return calculators::ui::OpenCalculator(p, name, caller) != nullptr;
  };
  c.OpenOvernightEstimator = [&p] { tools::ui::OpenOvernightEstimator(p); };
  c.OpenDependsCalculator = [&p] { tools::ui::OpenResultDependsCalculator(p); };
  c.OpenBonusCalculator = [&p](const QString& bonusWindow, std::function<void(bool)> runAlimony) {
    tools::ui::OpenResultBonusCalculator(p, bonusWindow, std::move(runAlimony));
  };
  c.ShowChildSupportResult = [&p]() -> QWidget* { return results::ui::ShowChildSupportResult(p); };
  c.RunChildSupport = [&p] { return results::ui::RunChildSupport(p).Completed; };
  c.RunAlimony = [&p](const QString& caseName) { return alimony::ui::ShowAlimonyRun(p, caseName); };
}

}  // namespace

void RegisterProgramWindows(Program& p) {
  SetWindowCommands(p);
  Add<frmSplash>(p, "frmSplash", p);
  Add<express::Form1>(p, "Form1", p);
  Add<alimony::Form2>(p, "Form2");
  p.Windows().SetFactory(QStringLiteral("Form3"), [&p] { return alimony::ui::MakeForm3(p); });
  Add<express::Form16>(p, "Form16", p);
  AddIncomeWindow<income::Form13>(p, "Form13");
  AddIncomeWindow<income::Form14>(p, "Form14");
  AddBusinessWindow<business::Form26>(p, "Form26");
  AddBusinessWindow<business::Form27>(p, "Form27");
  p.Windows().SetFactory(QStringLiteral("Form5"), [&p] { return results::ui::MakeForm5(p); });
  Add<screenimage::ui::Form6>(p, "Form6", p);
  p.Windows().SetFactory(QStringLiteral("Form10"), [&p] { return results::ui::MakeForm10(p); });
  Add<shell::Form4>(p, "Form4");
  Add<shell::Form8>(p, "Form8");
  Add<shell::Form17>(p, "Form17");
  Add<shell::Form18>(p, "Form18");
  Add<shell::FormScaling>(p, "FormScaling");
  Add<shell::FormVS>(p, "FormVS", p);
  Add<calculators::ui::FormFin>(p, "FormFin", p);
  Add<calculators::ui::Form7>(p, "Form7", p);
  Add<calculators::ui::Form72t>(p, "Form72t", p);
  Add<calculators::ui::Form72tA>(p, "Form72tA");
  Add<calculators::ui::Form72tB>(p, "Form72tB", p.OpenWebPage);
  Add<tools::ui::FormOnight>(p, "FormOnight", p);
  Add<tools::ui::FormDepends>(p, "FormDepends", p);
  tools::ui::RegisterImputeWindow(p);
  tools::ui::RegisterBonusWindows(p);
  // The dependency calculator and the tax credit window show and run the case
  // they were opened for: another case closes them.
  for (const char* name : {"FormDepends", "Form10"})
    p.CaseReplacedSteps.push_back([&p, name] {
      if (QWidget* w = p.Find(QLatin1String(name))) w->close();
    });
  // The frame holds the worksheet and the affidavit pages; its affidavit bar
  // runs the affidavit's commands.
  p.Windows().SetFactory(QStringLiteral("MDIForm1"), [&p] {
    auto frame = std::make_unique<worksheet::ui::MDIForm1>(p);
    affidavit::ui::ConnectAffidavitBar(p, *frame);
    return frame;
  });
  // The worksheet lives in the frame: loading it loads the frame.
  p.Windows().SetFactory(QStringLiteral("Form9"), [&p] {
    auto sheet = std::make_unique<worksheet::ui::Form9>(p);
    if (auto* frame = p.Load<worksheet::ui::MDIForm1>(QStringLiteral("MDIForm1"))) frame->Adopt(*sheet);
    return sheet;
  });
  p.Windows().SetFactory(QStringLiteral("Form20"), [&p] {
    auto picker = std::make_unique<shell::Form20>(p);
    picker->Form_Load();
    return picker;
  });
  affidavit::ui::RegisterAffidavitPages(p);
}

}  // namespace app
