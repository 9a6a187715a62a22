#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

namespace shell {

// The commands by which one subsystem's window opens or runs another's, so
// that windows reach each other without including each other: the window
// that opens calls the command; the program's assembly
// (app::RegisterProgramWindows) sets it to the other subsystem's opener.
// Until it is set, a command does nothing and answers false or null.
struct WindowCommands {
  // The case file: "Save Client Data To File", "Open Client Data File"
  // (the Express screen shown after an open, or the window that opened it
  // left in front), "Clear Data". True when a case was saved, opened or cleared.
  std::function<bool()> SaveCase = [] { return false; };
  std::function<bool(bool showExpressScreen)> OpenCase = [](bool) { return false; };
  std::function<bool()> ClearData = [] { return false; };

  // The worksheet in its frame, and the long (true) or short affidavit.
  std::function<void()> OpenWorksheet = [] {};
  std::function<void(bool longForm)> RunAffidavit = [](bool) {};

  // A side calculator ("Form7", "FormFin", "Form72t") opened for the window
  // whose CalculatorCaller code is given; false when it did not open.
  std::function<bool(const QString& calculator, std::int16_t caller)> OpenCalculator =
      [](const QString&, std::int16_t) { return false; };
  std::function<void()> OpenOvernightEstimator = [] {};

  // The result windows' what-if tools: the dependency calculator filled from
  // the case, and the bonus window named ("FormBonusCS", "FormBonusAlm"),
  // with the alimony run the alimony window gives it.
  std::function<void()> OpenDependsCalculator = [] {};
  std::function<void(const QString& bonusWindow, std::function<void(bool caseScoreFirst)> runAlimony)>
      OpenBonusCalculator = [](const QString&, std::function<void(bool)>) {};

  // The Express screen's runs once its checks have passed: the child support
  // result window loaded and shown (null without one), the child support run
  // with the program's windows (true when it completed), and the alimony run
  // ending on its result window shown for the case named (true when shown).
  std::function<QWidget*()> ShowChildSupportResult = [] { return nullptr; };
  std::function<bool()> RunChildSupport = [] { return false; };
  std::function<bool(const QString& caseName)> RunAlimony = [](const QString&) { return false; };
};

}  // namespace shell
