#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

#include "case/CaseVars.h"
#include "express/ExpressFields.h"
#include "express/Prompter.h"
#include "platform/ScriptedDialogs.h"

namespace express::testing {

// One message box as shown.
struct Shown {
  QString prompt;
  QString title;
  std::int16_t buttons = 0;
};

// An Express screen holding a custodial case with two minor children that
// passes every entry check, the case variables, dialogs answered from a
// script (an unscripted warning is answered No, an error OK) and a prompter
// whose beep is logged in form1.Log between the focus moves.
struct ExpressCase {
  FakeExpressFields form1;
  FakeExpressFields form16;
  casevars::CaseVars cv;
  platform::ScriptedDialogs dialogs;
  Prompter prompter{dialogs, [this] { form1.Log.push_back(QStringLiteral("beep")); }};

  ExpressCase() {
    Set({{"ClaimGrossInc", "$ 5,000"}, {"PayGrossInc", "$ 4,000"}, {"NumChild", "2"},
         {"MinChild", "2"}, {"ClaimDepend17", "1"}, {"PayerDepend17", "1"},
         {"ClaimDayCare", "$0"}, {"OtherDayCare", "$0"}, {"ClaimNumCare", "0"},
         {"OtherNumCare", "0"}, {"ClaimStateTax", ".05"}, {"PayerStateTax", ".00"},
         {"ClaimAge", "40"}, {"YrsMarriage", "10"}, {"EdSkillScore", "5"},
         {"ChildSupport", "$500"}, {"ClaimSpecial", "$0"}, {"OtherSpecial", "$0"},
         {"ClaimHealthCare", "$0"}, {"OtherHealthCare", "$0"}});
    On({"ClaimHeadHouse", "PayerSingle", "CustodialOption", "CharOption1"});
    form1.SetComboText("ClaimStateTaxCombo", "As Rate");
    form1.SetComboText("PayerStateTaxCombo", "As Rate");
  }

  void Set(std::initializer_list<std::pair<const char*, const char*>> texts) {
    for (const auto& [name, text] : texts) form1.SetText(QLatin1String(name), QLatin1String(text));
  }
  void On(std::initializer_list<const char*> options) {
    for (const char* option : options) form1.SetValue(QLatin1String(option), kOn);
  }
  void Off(std::initializer_list<const char*> options) {
    for (const char* option : options) form1.SetValue(QLatin1String(option), kOff);
  }

  std::vector<Shown> Messages() const {
    std::vector<Shown> shown;
    for (const auto& call : dialogs.CallsOf(platform::DialogKind::MessageBox))
      shown.push_back({call.prompt, call.title, call.buttons});
    return shown;
  }
  QStringList Prompts() const {
    QStringList prompts;
    for (const Shown& s : Messages()) prompts << s.prompt;
    return prompts;
  }
  // The one message shown; a failure when there was not exactly one.
  Shown OnlyMessage() const {
    const auto shown = Messages();
    EXPECT_EQ(shown.size(), 1u) << Prompts().join(QStringLiteral(" | ")).toStdString();
    return shown.empty() ? Shown{} : shown.front();
  }
};

}  // namespace express::testing
