// The Express screen's part that the income windows use: the filing-status
// options, the monthly gross income boxes, the case name, the two income
// buttons and the "Print Income Popups" command.
#include <QLineEdit>
#include <QRadioButton>

#include "express/ui/Form1.h"
#include "income/ui/IncomeColumns.h"
#include "income/ui/IncomeReportCommand.h"
#include "income/ui/IncomeWindow.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/Program.h"

namespace express {

using casevars::Party;

income::FilingOptions Form1::Filing(Party party) const {
  const auto& b = party == Party::Claim ? ClaimFiling : PayerFiling;
  income::FilingOptions f;
  f.HeadHouse = b[0]->isChecked();
  f.Single = b[1]->isChecked();
  f.Married = b[2]->isChecked();
  f.MFJ = b[3]->isChecked();
  return f;
}

bool Form1::MonthlyDataChecked() const { return MonthlyData->isChecked(); }

void Form1::SetGrossIncome(Party party, const QString& text) {
  (party == Party::Claim ? ClaimGrossInc : PayGrossInc)->setText(text);
}

QString Form1::CaseName() const { return ClaimantName->text(); }

void Form1::EnterIncome(Party party) {
  auto* window = program_.Load<income::IncomeWindow>(party == Party::Claim ? QStringLiteral("Form13")
                                                                            : QStringLiteral("Form14"));
  if (!window) return;
  income::IncomeButtonContext context{*this,
                                      party == Party::Claim ? ClaimIncomeColumnsShifted : PayerIncomeColumnsShifted,
                                      program_.State.Screen, program_.Screen(window), &program_.Dialogs, {}};
  income::EnterIncome_Click(*window, context);
}

void Form1::EnterClaimIncome_Click() { EnterIncome(Party::Claim); }
void Form1::EnterPayerIncome_Click() { EnterIncome(Party::Payer); }

void Form1::PrintPopup_Click() {
  auto* claim = program_.Load<income::IncomeWindow>(QStringLiteral("Form13"));
  auto* payer = program_.Load<income::IncomeWindow>(QStringLiteral("Form14"));
  if (!claim || !payer) return;
  income::IncomeReportCommand command{*claim, *payer, *this, program_.Dialogs, program_.Case, program_.Printer};
  income::PrintPopup_Click(command);
}

}  // namespace express
