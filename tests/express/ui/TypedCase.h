#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include "express/ui/ExpressFixture.h"
#include "income/ui/IncomeWindow.h"
#include "income/ui/IncomeWindowFixture.h"
#include "platform/Dialogs.h"

// A custodial case with two minor children typed on the Express screen and
// both parties' wages typed in their income windows (yearly).
struct TypedCase : ExpressFixture {
  TypedCase() {
    express::ExpressFields& f = express.Fields();
    const std::pair<const char*, const char*> texts[] = {
        {"NumChild", "2"},          {"MinChild", "2"},          {"ClaimDepend17", "1"},  {"PayerDepend17", "1"},
        {"ClaimDayCare", "$0"},     {"OtherDayCare", "$0"},     {"ClaimNumCare", "0"},   {"OtherNumCare", "0"},
        {"ClaimStateTax", ".00"},   {"PayerStateTax", ".00"},   {"ClaimSpecial", "$0"},  {"OtherSpecial", "$0"},
        {"ClaimHealthCare", "$0"},  {"OtherHealthCare", "$0"},  {"ClaimantName", "Smith v. Smith"}};
    for (const auto& [name, text] : texts) f.SetText(QLatin1String(name), QLatin1String(text));
    for (const char* option : {"ClaimHeadHouse", "PayerSingle", "CustodialOption", "CharOption1"})
      f.SetValue(QLatin1String(option), express::kOn);
    Wages(casevars::Party::Claim, "30000");
    Wages(casevars::Party::Payer, "72000");
  }

  income::IncomeWindow& Window(casevars::Party party) {
    return *program.Load<income::IncomeWindow>(party == casevars::Party::Claim ? "Form13" : "Form14");
  }
  void Wages(casevars::Party party, const char* yearly) {
    income::IncomeWindow& w = Window(party);
    w.show();
    incometest::Type(w.Box("Earned"), yearly);
    EXPECT_TRUE(w.Form_Unload());  // the user closes the window
  }
  QStringList Prompts() const {
    QStringList prompts;
    for (const auto& call : dialogs.CallsOf(platform::DialogKind::MessageBox)) prompts << call.prompt;
    return prompts;
  }
};

