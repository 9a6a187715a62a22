// The Express screen's children, custody and time-sharing fields: which
// groups show for each custody status and child count, the split-custody
// rows and their counts, the time-sharing boxes' checks, and the command that
// opens the parenting-time window.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "express/ParentingTime.h"
#include "express/ui/Form1.h"
#include "express/ui/Form16.h"
#include "platform/Dialogs.h"
#include "platform/NumberText.h"
#include "platform/ui/Beep.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/Program.h"

namespace express {

namespace {

constexpr platform::OleColor kRunButtonBack = 12632319;  // light red
constexpr const char* kSplitMessage =
    "There Must Be At Least 2 Minor Children For A Split Case. Please Re-Enter The Number Of Minor Children";
constexpr const char* kShareMessage =
    "Please ReEnter Percent Of Time That Children Are In Claimant's Possession (As A Decimal)";
constexpr const char* kClaimCountMessage =
    "The Combined Number Of Children In Each Parent's Possession Is Greater Than The Number Of Minors, Or The "
    "Entry Is Not Numeric - Please ReEnter The Split Custody";
constexpr const char* kOtherCountMessage =
    "The Combined Number Of Children In Each Parent's Possession Is Greater Than The Number Of Minors, Or The "
    "Entry Is Not Numeric  - Please ReEnter The Split Custody";

// An option of an exclusive group turned off from code.
void TurnOff(QRadioButton* option) {
  const bool exclusive = option->autoExclusive();
  option->setAutoExclusive(false);
  option->setChecked(false);
  option->setAutoExclusive(exclusive);
}

// The numeric value of a field: its leading number, 0 for none.
double ValueOf(const QLineEdit* box) { return platform::Val(box->text()); }

bool Untested(const QString& text) { return text.isEmpty() || text == QString(QChar(27)); }

}  // namespace

void Form1::ConnectCustody() {
  for (QRadioButton* option : {NoMinorOption, CustodialOption, NonCustodialOption, SharedOption})
    connect(option, &QRadioButton::toggled, this, [this](bool on) {
      if (on) ApplyCustodyState();
    });
  connect(SplitOption, &QRadioButton::toggled, this, [this](bool on) {
    if (on) SplitOption_Click();
  });
  connect(NumChild, &QLineEdit::textChanged, this, [this] { NumChild_Change(); });
  connect(MinChild, &QLineEdit::textChanged, this, [this] { MinChild_Change(); });
  for (int i = 0; i < 6; ++i)
    for (QRadioButton* mark : {ClaimChild[size_t(i)], OtherChild[size_t(i)]})
      connect(mark, &QRadioButton::toggled, this, [this, i](bool on) {
        if (on) ClaimChild_Click(static_cast<std::int16_t>(i));
      });
  connect(SharedCalc, &QPushButton::clicked, this, [this] { SharedCalc_Click(); });
  connect(PercentOfTimeValue, &QLineEdit::textChanged, this, [this] { PercentOfTimeValue_Change(); });
  connect(ClaimantPossession11, &QLineEdit::textChanged, this, [this] { ClaimantPossession11_Change(); });
  connect(OtherPossession11, &QLineEdit::textChanged, this, [this] { OtherPossession11_Change(); });
}

void Form1::ShowTimeSharingBoxes(bool visible) {
  ShowControls({"ClaimDays", "PayerDays", "PercentOfTimeValue", "PayerPerCent", "PercentOfTime", "Label17", "Label18",
                "Label19"},
               visible);
}

void Form1::ShowChildCostFields(bool visible) {
  ShowControls({"ClaimDayCare", "OtherDayCare", "ClaimNumCare", "OtherNumCare", "ClaimHealthCare", "OtherHealthCare",
                "ClaimSpecial", "OtherSpecial", "ClaimDayCareLabel", "OtherDayCareLabel", "ClaimHealthCareLabel",
                "OtherHealthCareLabel", "ClaimSpecialLabel", "OtherSpecialLabel", "ClaimNumCareLabel",
                "PayerNumCareLabel"},
               visible);
}

void Form1::ShowMinorChildFields() {
  ShowControls({"ParentLabel", "FParentOption", "MParentOption"}, true);
  for (platform::ui::ButtonPlus* run : {ChildSupportButton, RunWaWs}) {
    run->setEnabled(true);
    platform::ui::SetBackColor(run, kRunButtonBack);
  }
  ShowControls({"ChildSupport", "CSLabel2", "CSLabel"}, true);
  ShowChildCostFields(true);
  auto& express = program_.Case.Express;
  const bool maintFirst = AutoCalc->isChecked();
  express.SequencingMode = maintFirst ? 1 : 0;
  if (!maintFirst) express.MaintAppliedToCS = 0;
  ShowControls({"ChildSupport", "CSLabel2", "CSLabel"}, !maintFirst);
  ApplyMaintToCS->setVisible(false);
  ShowControls({"CurrentMaintTransfer", "MaintLabel"}, maintFirst);
}

void Form1::HideMinorChildFields() {
  ShowControls({"ParentLabel", "FParentOption", "MParentOption"}, false);
  ChildSupportButton->setEnabled(false);
  RunWaWs->setEnabled(false);
  ShowControls({"ChildSupport", "CSLabel2", "CSLabel"}, false);
  ChildSupport->clear();
  ShowChildCostFields(false);
  ApplyMaintToCS->setVisible(false);
  for (QLineEdit* box : {ClaimDayCare, OtherDayCare, ClaimHealthCare, OtherHealthCare, ClaimSpecial, ClaimNumCare,
                         OtherNumCare, OtherSpecial})
    box->clear();
}

void Form1::HidePossessionFields() {
  SharedCalc->setVisible(false);
  ShareSplitFrame->setVisible(true);
  ShareSplitFrame->setEnabled(false);
  ShareSplitFrame->setTitle(QStringLiteral("Shared/Split Possession"));
  ShowTimeSharingBoxes(false);
  ClaimantPossession11->setVisible(false);
  OtherPossession11->setVisible(false);
}

void Form1::ShowSplitPossessionFields() {
  Frame10->setVisible(true);
  ShareSplitFrame->setVisible(false);
  ShowTimeSharingBoxes(false);
  ClaimantPossession11->setVisible(true);
  OtherPossession11->setVisible(true);
  SharedCalc->setVisible(false);
}

void Form1::ShowSharedPossessionFields() {
  SharedCalc->setVisible(true);
  Frame10->setVisible(false);
  ShareSplitFrame->setEnabled(true);
  ShareSplitFrame->setVisible(true);
  ShareSplitFrame->setTitle(QStringLiteral("Shared Possession"));
  ShowTimeSharingBoxes(true);
  ClaimantPossession11->setVisible(false);
  OtherPossession11->setVisible(false);
}

void Form1::ShowCaregiverOptions() {
  for (QRadioButton* option : CharOption) {
    option->setVisible(true);
    TurnOff(option);
  }
  CharacterizationFrame->setEnabled(true);
}

void Form1::HideCaregiverOptions() {
  for (QRadioButton* option : CharOption) {
    option->setVisible(false);
    TurnOff(option);
  }
  CharacterizationFrame->setEnabled(false);
}

void Form1::LockToNoMinors() {
  NoMinorOption->setEnabled(true);
  NoMinorOption->setChecked(true);
  for (QRadioButton* option : {CustodialOption, SplitOption, SharedOption, NonCustodialOption})
    option->setEnabled(false);
}

void Form1::UnlockCustodyOptions() {
  NoMinorOption->setEnabled(true);
  TurnOff(NoMinorOption);
  for (QRadioButton* option : {CustodialOption, SplitOption, SharedOption, NonCustodialOption})
    option->setEnabled(true);
}

void Form1::ApplyCustodyState() {
  if (NoMinorOption->isChecked()) {
    HidePossessionFields();
    ShowCaregiverOptions();
    HideMinorChildFields();
  } else if (NonCustodialOption->isChecked() || CustodialOption->isChecked()) {
    HidePossessionFields();
    ShowCaregiverOptions();
    ShowMinorChildFields();
  } else if (SharedOption->isChecked()) {
    ShowSharedPossessionFields();
    ShowCaregiverOptions();
    ShowMinorChildFields();
  } else if (SplitOption->isChecked()) {
    ShowSplitPossessionFields();
    ShowCaregiverOptions();
    ShowMinorChildFields();
  } else {
    ShowCaregiverOptions();
    HidePossessionFields();
    ShowMinorChildFields();
  }
  // No child born: no caregiver either.
  if (NoMinorOption->isChecked() && ValueOf(NumChild) == 0) {
    HidePossessionFields();
    HideCaregiverOptions();
    HideMinorChildFields();
  }
}

void Form1::NumChild_Change() {
  // Only a number changes the screen: a text that is not one is left for the checks.
  const QString text = NumChild->text();
  if (text.isEmpty() || !platform::IsNumeric(text)) return;
  if (ValueOf(NumChild) != 0) {
    MinChildLabel->setEnabled(true);
    MinChild->setEnabled(true);
    UnlockCustodyOptions();
    ShowMinorChildFields();
  } else {
    LockToNoMinors();
    HideMinorChildFields();
    MinChildLabel->setEnabled(false);
    MinChild->setEnabled(false);
    MinChild->clear();
  }
  ApplyCustodyState();
}

void Form1::MinChild_Change() {
  const QString text = MinChild->text();
  if (text.isEmpty() || !platform::IsNumeric(text)) return;
  if (ValueOf(NumChild) < ValueOf(MinChild)) {
    program_.Dialogs.ShowMessageBox(QStringLiteral("Minor Children Can Not Exceed Number Of Children Born"),
                                    platform::kBoxOk, QStringLiteral("Entry Error"));
    MinChild->clear();
    return;
  }
  if (ValueOf(MinChild) == 0) {
    LockToNoMinors();
    HideMinorChildFields();
  } else {
    UnlockCustodyOptions();
    ShowMinorChildFields();
    NoMinorOption->setEnabled(false);
    if (SplitOption->isChecked()) {
      ClaimantPossession11->clear();
      OtherPossession11->clear();
      SplitOption_Click();
      ClaimChild_Click(0);
    }
    MinChildLabel->setEnabled(true);
    MinChild->setEnabled(true);
  }
  ApplyCustodyState();
}

void Form1::SplitOption_Click() {
  const QString text = MinChild->text();
  const double m = platform::IsNumeric(text) ? platform::Val(text) : 0;
  const bool splits = m >= 6 || m == 5 || m == 4 || m == 3 || m == 2;
  if (!splits) {
    program_.Dialogs.ShowMessageBox(QString::fromLatin1(kSplitMessage), platform::kBoxOk, QStringLiteral("Entry Error"));
    MinChild->clear();
    CustodialOption->setChecked(true);
    TurnOff(SplitOption);
    for (int i = 0; i < 6; ++i) {
      ChildFrame[size_t(i)]->setVisible(false);
      ChildLabel[size_t(i)]->setText(i == 0 ? QStringLiteral("Only Child") : QString());
    }
    ClaimantPossession11->clear();
    OtherPossession11->clear();
    return;
  }
  const int n = m >= 6 ? 6 : static_cast<int>(m);
  for (int i = 0; i < 6; ++i) {
    ChildLabel[size_t(i)]->setText(ChildPositionLabel(n, i));
    ChildFrame[size_t(i)]->setVisible(ChildPositionShown(n, i));
  }
  ApplyCustodyState();
  ClaimChild_Click(1);
  ClaimantPossession11_Change();
}

void Form1::ClaimChild_Click(std::int16_t /*index*/) {
  ClaimantPossession11->clear();
  OtherPossession11->clear();
  auto& claim = program_.Case.Express[casevars::Party::Claim];
  auto& payer = program_.Case.Express[casevars::Party::Payer];
  for (size_t i = 0; i < 6; ++i) claim.SplitChildren[i] = payer.SplitChildren[i] = 0;
  claim.PossessionChildren = payer.PossessionChildren = 0;
  for (size_t i = 0; i < 6; ++i) {
    const bool counted = !ChildFrame[i]->isHidden();
    if (counted && ClaimChild[i]->isChecked()) ++claim.PossessionChildren;
    if (counted && OtherChild[i]->isChecked()) ++payer.PossessionChildren;
    claim.SplitChildren[i] = claim.PossessionChildren;
    payer.SplitChildren[i] = payer.PossessionChildren;
  }
  ClaimantPossession11->setText(platform::Format(claim.PossessionChildren, "#0"));
  OtherPossession11->setText(platform::Format(payer.PossessionChildren, "#0"));
}

void Form1::PossessionCount_Change(QLineEdit* box, QLineEdit* other, const char* message) {
  if (!SplitOption->isChecked()) return;
  const QString text = box->text();
  if (Untested(text)) return;
  const bool tooMany = ValueOf(MinChild) < ValueOf(box) + ValueOf(other);
  if (!tooMany && platform::IsNumeric(text)) return;
  box->setFocus();
  program_.Dialogs.ShowMessageBox(QString::fromLatin1(message), platform::kBoxOk, QStringLiteral("Entry Error"));
  box->clear();
}

void Form1::ClaimantPossession11_Change() {
  PossessionCount_Change(ClaimantPossession11, OtherPossession11, kClaimCountMessage);
}

void Form1::OtherPossession11_Change() {
  PossessionCount_Change(OtherPossession11, ClaimantPossession11, kOtherCountMessage);
}

void Form1::PercentOfTimeValue_Change() {
  const QString text = PercentOfTimeValue->text();
  if (Untested(text) || text == QLatin1String(".")) return;
  const bool numeric = platform::IsNumeric(text);
  const double value = numeric ? platform::Val(text) : 0;
  if (numeric && value >= 0 && value <= 1) return;
  program_.Dialogs.ShowMessageBox(QString::fromLatin1(kShareMessage), platform::kBoxOk, QStringLiteral("Entry Error"));
}

void Form1::SharedCalc_Click() {
  const QString text = MinChild->text();
  const std::optional<std::int16_t> count =
      platform::IsNumeric(text) ? platform::ToCount(platform::Val(text)) : std::nullopt;
  if (!count || platform::Val(text) <= 0) {
    MinChild->setFocus();
    platform::ui::Beep();
    program_.Dialogs.ShowMessageBox(QStringLiteral("Please Enter Number Of Children To Be Supported"), platform::kBoxOk,
                                    QStringLiteral("Entry Error"));
    return;
  }
  program_.Case.Express.NumMinorChildren = *count;
  auto* time = program_.Load<Form16>(QStringLiteral("Form16"));
  if (!time) return;
  time->ShowChildFrames(*count);
  time->ShowModal();
  time->AssignTierVars();
  time->CalculateAvTime();
  time->CalculateTierTotal();
}

}  // namespace express
