// The Express screen's part that the income windows use: the filing-status
// options, the monthly gross income boxes, the case name, the two income
// buttons and the "Print Income Popups" command.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include "express/ui/Form1.h"
#include "income/ui/IncomeColumns.h"
#include "income/ui/IncomeReportCommand.h"
#include "income/ui/IncomeWindow.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/Program.h"

namespace express {

using casevars::Party;

namespace {
constexpr platform::OleColor kReadOnlyBack = platform::Rgb(192, 255, 255);
}  // namespace

void Form1::BuildIncomeControls() {
  auto frame = [this](const char* name, QWidget* in, double left, double top, double width,
                      double height, const char* caption) {
    auto* f = add<QGroupBox>(QString::fromLatin1(name), in, left, top, width, height,
                             QString::fromLatin1(caption));
    return f;
  };
  auto label = [this](const char* name, QWidget* in, double left, double top, double width,
                      const char* text) {
    auto* l = add<QLabel>(QString::fromLatin1(name), in, left, top, width, 255,
                          QString::fromLatin1(text));
    return l;
  };

  QGroupBox* personal = frame("Frame4", nullptr, 120, 45, 4725, 3420, "Claimant's Personal Status");
  label("Label11", personal, 120, 2700, 1200, "Case Name");
  ClaimantName = add<QLineEdit>(QStringLiteral("ClaimantName"), personal, 1380, 2670, 3200, 315);

  struct PartyFrame {
    Party party;
    const char* frame;
    double left;
    const char* caption;
    const char* label;
    const char* labelText;
    const char* gross;
    const char* options;
    const char* prefix;
    const char* button;
    const char* buttonText;
  };
  const PartyFrame parties[] = {
      {Party::Claim, "Frame3", 120, "Claimant's Income And Tax Status", "Label7", "Claimant's Total Gross Income/Mo.",
       "ClaimGrossInc", "Frame5", "Claim", "EnterClaimIncome", "Enter Claimant's Income and Deductions"},
      {Party::Payer, "Frame2", 4140, "Other Party's Income And Tax Status", "Label4",
       "Other Party's Total Gross Income/Mo.", "PayGrossInc", "Frame6", "Payer", "EnterPayerIncome",
       "Enter Other Party's Income and Deductions"},
  };
  const char* optionNames[4] = {"HeadHouse", "Single", "Married", "MFJ"};
  const char* optionTexts[4] = {"Head of Household", "Single", "Married Filing Sep.", "Married Filing Jointly"};
  for (const PartyFrame& p : parties) {
    QGroupBox* f = frame(p.frame, nullptr, p.left, 3525, 3975, 3135, p.caption);
    label(p.label, f, 120, 330, 2340, p.labelText);
    auto* gross = add<QLineEdit>(QString::fromLatin1(p.gross), f, 2520, 300, 1335, 315);
    gross->setReadOnly(true);
    platform::ui::SetBackColor(gross, kReadOnlyBack);
    QGroupBox* options = frame(p.options, f, 120, 720, 3735, 840, "");
    auto& buttons = p.party == Party::Claim ? ClaimFiling : PayerFiling;
    for (int i = 0; i < 4; ++i) {
      buttons[size_t(i)] = add<QRadioButton>(QString::fromLatin1(p.prefix) + QLatin1String(optionNames[i]), options,
                                             120 + (i % 2) * 1800, 120 + (i / 2) * 330, 1800, 285);
      buttons[size_t(i)]->setText(QString::fromLatin1(optionTexts[i]));
    }
    auto* button = add<platform::ui::ButtonPlus>(QString::fromLatin1(p.button), f, 120, 2580, 3735,
                                                 420, QString::fromLatin1(p.buttonText));
    platform::ui::SetTag(button, QStringLiteral("1000"));
    (p.party == Party::Claim ? EnterClaimIncome : EnterPayerIncome) = button;
    (p.party == Party::Claim ? ClaimGrossInc : PayGrossInc) = gross;
  }
  // A fresh case: the claimant files as head of household, the other party single.
  ClaimFiling[0]->setChecked(true);
  PayerFiling[1]->setChecked(true);
  for (QComboBox* combo : {ClaimStateTaxCombo, PayerStateTaxCombo}) combo->raise();

  QMenu* print = addMenu(QStringLiteral("Print"), QStringLiteral("     Print"));
  PrintPopup = addMenuItem(QStringLiteral("PrintPopup"), QStringLiteral("Print Income Popups"), print);

  connect(EnterClaimIncome, &QPushButton::clicked, this, [this] { EnterClaimIncome_Click(); });
  connect(EnterPayerIncome, &QPushButton::clicked, this, [this] { EnterPayerIncome_Click(); });
  connect(PrintPopup, &QAction::triggered, this, [this] { PrintPopup_Click(); });
}

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
  income::IncomeReportCommand command{*claim, *payer, *this, program_.Dialogs, program_.Case};
  income::PrintPopup_Click(command);
}

}  // namespace express
