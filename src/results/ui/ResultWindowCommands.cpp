#include "results/ui/ResultWindowCommands.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>

#include "platform/Dialogs.h"
#include "platform/ui/Form.h"
#include "platform/ui/KeyPreview.h"
#include "shell/ui/FormVS.h"
#include "shell/ui/Program.h"
#include "shell/ui/ShellDialogs.h"

namespace results::ui {

ResultWindowCommands::ResultWindowCommands(platform::ui::Form& window, shell::Program& program,
                                           ResultWindowKind kind)
    : QObject(&window), window_(window), program_(program), kind_(std::move(kind)) {
  setObjectName(QStringLiteral("ResultWindowCommands"));
  BuildMenus();
  PreviewKeys();
}

void ResultWindowCommands::BuildMenus() {
  platform::ui::Form& w = window_;
  const auto item = [&](const char* name, const QString& caption, QMenu* menu, auto&& handler) {
    QAction* a = w.addMenuItem(QString::fromLatin1(name), caption, menu);
    connect(a, &QAction::triggered, this, handler);
    return a;
  };
  const auto separator = [](QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
  };

  QMenu* file = w.addMenu(QStringLiteral("File"), QStringLiteral("     File"));
  item("QuitProgram", QStringLiteral("Quit Program"), file, [this] { QuitProgram_Click(); });

  Print = w.addMenu(QStringLiteral("Print"), QStringLiteral("     Print"));
  PrintScreenImage = item("PrintScreenImage", QStringLiteral("Print Screen Image"), Print, [this] {
    if (kind_.printScreenImage) kind_.printScreenImage();
  });
  separator(Print, "PrintLine1");
  PrintReport = item("PrintReport", kind_.reportCaption, Print, [this] { PreviewReport_Click(); });
  separator(Print, "PrintLine2");
  item("PrinterSetup", QStringLiteral("Printer Setup"), Print, [this] { PrinterSetup_Click(); });

  QMenu* preparer = w.addMenu(QStringLiteral("Preparer"), QStringLiteral("     Preparer Defaults"));
  item("PreparerDefaults", QStringLiteral("Change Preparer's Default Name, Office, And Top Margin"), preparer,
       [this] { PreparerDefaults_Click(); });
  separator(preparer, "PreparerLine");

  QMenu* tools = w.addMenu(QStringLiteral("Tools"), QStringLiteral("     Tools"));
  item("DefinedBenefit", kind_.definedBenefitCaption, tools, [this] { OpenCalculator(QStringLiteral("Form7")); });
  separator(tools, "ToolsLine1");
  item("FinancialCalc", QStringLiteral("Financial Calculator"), tools,
       [this] { OpenCalculator(QStringLiteral("FormFin")); });
  separator(tools, "ToolsLine2");
  item("Withdrawal72t", QStringLiteral("72(t) Withdrawal Calculator"), tools,
       [this] { OpenCalculator(QStringLiteral("Form72t")); });
  separator(tools, "ToolsLine3");
  item("OvernightEstimator", QStringLiteral("Overnight Count Estimator"), tools,
       [this] { program_.Commands.OpenOvernightEstimator(); });

  QMenu* bonus = w.addMenu(QStringLiteral("Bonus"), QStringLiteral("     Bonus Calculator"));
  item("RunBonus", QStringLiteral("Run A Bonus Calculation"), bonus,
       [this] { program_.Commands.OpenBonusCalculator(kind_.bonusWindow, kind_.runAlimony); });
}

void ResultWindowCommands::PreviewKeys() {
  for (QWidget* c : window_.Controls())
    if (qobject_cast<QLineEdit*>(c)) c->installEventFilter(this);
}

bool ResultWindowCommands::eventFilter(QObject* watched, QEvent* event) {
  if (platform::ui::ApostropheForDoubleQuote(watched, event)) return true;
  return QObject::eventFilter(watched, event);
}

void ResultWindowCommands::QuitProgram_Click() { program_.QuitProgram(); }

void ResultWindowCommands::PreviewReport_Click() {
  auto* preview = program_.Load<shell::FormVS>(QStringLiteral("FormVS"));
  if (!preview || !kind_.buildReport) return;
  program_.State.PreviewReportKind = kind_.previewReportKind;
  preview->ShowDocument(kind_.buildReport());
}

void ResultWindowCommands::PrinterSetup_Click() { program_.SetUpPrinter(); }

void ResultWindowCommands::PreparerDefaults_Click() { shell::OpenPreparerDialog(program_); }

void ResultWindowCommands::OpenCalculator(const QString& name) {
  if (program_.Commands.OpenCalculator(name, kind_.callerCode)) window_.hide();
}

}  // namespace results::ui
