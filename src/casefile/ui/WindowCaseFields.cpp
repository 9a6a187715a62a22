#include "casefile/ui/WindowCaseFields.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QSignalBlocker>

#include "business/ui/BusinessWindow.h"
#include "express/CustodyStates.h"
#include "express/SplitCustody.h"
#include "express/TimeSharing.h"
#include "express/ExpressScreen.h"
#include "express/ui/FormFields.h"
#include "income/IncomeFields.h"
#include "income/ui/IncomeWindow.h"
#include "platform/ui/ControlCaption.h"
#include "platform/ui/Form.h"
#include "shell/ui/Program.h"

namespace casefile::ui {

namespace {

const QString kWorksheet = QStringLiteral("Form9");

bool Is(const char* method, const char* name) { return QLatin1String(method) == QLatin1String(name); }

}  // namespace

platform::ui::Form* WindowCaseFields::Window(const QString& name) const {
  if (name.isEmpty()) return nullptr;
  return program_.Load<platform::ui::Form>(name);
}

QString WindowCaseFields::Text(const ControlRef& c) const {
  platform::ui::Form* window = Window(c.window);
  if (!window) return {};
  return express::FormFields(*window).Text(c.name, c.index);
}

QString WindowCaseFields::Caption(const ControlRef& c) const {
  platform::ui::Form* window = Window(c.window);
  QString caption = window ? platform::ui::ControlCaption(window->Control(express::ControlLabel(c.name, c.index)))
                           : QString();
  if (caption.isEmpty()) caption = ControlLabel({QString(), c.name, c.index});
  // The worksheet stands in the frame, whose title it leaves to the frame.
  QString title = window ? window->windowTitle() : QString();
  if (title.isEmpty()) title = c.window == kWorksheet ? QStringLiteral("Worksheet") : c.window;
  return title + QStringLiteral(", ") + caption;
}

void WindowCaseFields::SetText(const ControlRef& c, const QString& text) {
  if (platform::ui::Form* window = Window(c.window)) express::FormFields(*window).SetText(c.name, text, c.index);
}

int WindowCaseFields::Value(const ControlRef& c) const {
  platform::ui::Form* window = Window(c.window);
  if (!window) return 0;
  return express::FormFields(*window).Value(c.name, c.index);
}

void WindowCaseFields::SetValue(const ControlRef& c, int value) {
  platform::ui::Form* window = Window(c.window);
  if (!window) return;
  // The income windows' check boxes and options react to their toggling;
  // a write from code runs nothing (React does).
  QWidget* control = window->Control(express::ControlLabel(c.name, c.index));
  if (!control) return;
  const QSignalBlocker quiet(control);
  express::FormFields(*window).SetValue(c.name, value, c.index);
}

void WindowCaseFields::React(const ControlRef& c) {
  if (c.window == QLatin1String("Form1")) ReactExpress(c);
  else if (c.window == QLatin1String("Form13") || c.window == QLatin1String("Form14")) ReactIncome(c);
  else if (c.window == kWorksheet) {
    if (platform::ui::Form* form9 = Window(kWorksheet)) ReactWorksheet(program_, *form9, c);
  }
  // The parenting-time and business windows' boxes take their figures when
  // the case is recomputed (AssignTierVars, AssignBusinessVars).
}

void WindowCaseFields::ReactExpress(const ControlRef& c) {
  auto* form1 = express::AsExpressScreen(program_.Load(QStringLiteral("Form1")));
  if (!form1) return;
  express::ExpressFields& f = form1->Fields();
  express::Prompter& prompter = form1->Prompts();
  casevars::ExpressVars& ev = program_.Case.Express;
  const QString& n = c.name;
  if (n == QLatin1String("NumChild")) express::NumChild_Change(f, ev);
  else if (n == QLatin1String("MinChild")) express::MinChild_Change(f, ev, prompter);
  else if (n == QLatin1String("NoMinorOption") || n == QLatin1String("CustodialOption") ||
           n == QLatin1String("NonCustodialOption") || n == QLatin1String("SharedOption"))
    express::ApplyCustodyState(f, ev);
  else if (n == QLatin1String("SplitOption")) express::SplitOption_Click(f, ev, prompter);
  else if (n == QLatin1String("ClaimChild") || n == QLatin1String("OtherChild")) express::ClaimChild_Click(f, ev, prompter);
  else if (n == QLatin1String("ClaimantPossession11")) express::PossessionCountCheck(f, prompter, true);
  else if (n == QLatin1String("OtherPossession11")) express::PossessionCountCheck(f, prompter, false);
  else if (n == QLatin1String("PercentOfTimeValue")) express::ShareCheck(f, prompter);
}

void WindowCaseFields::ReactIncome(const ControlRef& c) {
  auto* window = program_.Load<income::IncomeWindow>(c.window);
  if (!window) return;
  const QString prefix = window->Prefix();
  if (!c.name.startsWith(prefix)) return;
  const QString suffix = c.name.mid(prefix.size());
  if (suffix == QLatin1String("EICCheck")) window->EICCheck_Click();
  else if (suffix == QLatin1String("ItemizedDeduction")) window->ItemizedDeduction_Click();
  else if (suffix == QLatin1String("StandardDeduction")) window->StandardDeduction_Click();
  else if (const income::AmountField* field = income::FindAmountField(suffix, c.index)) window->AmountEdited(*field);
}

WorksheetFont WindowCaseFields::Font() const {
  const auto& ws = program_.Case.Worksheet;
  if (ws.WSFontName.isEmpty() && ws.WSFontSize <= 0) return WorksheetFont{};
  return WorksheetFont{ws.WSFontName, ws.WSFontSize};
}

void WindowCaseFields::SetFont(const WorksheetFont& font) {
  program_.Case.Worksheet.WSFontName = font.name;
  program_.Case.Worksheet.WSFontSize = font.size;
}

bool WindowCaseFields::Run(const QString& window, const char* m, int column) {
  if (window == kWorksheet) {
    platform::ui::Form* form9 = Window(kWorksheet);
    return form9 ? RunWorksheet(program_, *form9, m) : true;
  }
  if (auto* income = program_.Load<income::IncomeWindow>(window)) {
    if (Is(m, method::YearlyClick)) return income->Yearly_Click();
    if (Is(m, method::MonthlyClick)) return income->Monthly_Click();
    if (Is(m, method::AssignPopUpVars)) income->AssignPopUpVars();
    else if (Is(m, method::AddIncomeVars)) income->AddIncomeVars();
    else if (Is(m, method::AssignDeductVars)) income->AssignDeductVars();
    return true;
  }
  if (auto* business = program_.Load<business::BusinessWindow>(window)) {
    if (Is(m, method::YearlyClick)) return business->Yearly_Click();
    if (Is(m, method::AssignBusinessVars)) business->AssignBusinessVars(column);
    else if (Is(m, method::AddBusinessVars)) business->AddBusinessVars(column);
    else if (Is(m, method::AssignNewVars)) business->AssignNewVars();
    else if (Is(m, method::ClearBusinessVars)) business->ClearBusinessVars();
    return true;
  }
  if (auto* time = express::AsParentingTimeWindow(program_.Load(window))) {
    if (Is(m, method::AssignTierVars)) time->AssignTierVars();
    else if (Is(m, method::CalculateAvTime)) time->CalculateAvTime();
    else if (Is(m, method::CalculateTierTotal)) time->CalculateTierTotal();
  }
  return true;
}

}  // namespace casefile::ui
