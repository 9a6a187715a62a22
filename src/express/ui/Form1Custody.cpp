// The Express screen's children, custody and time-sharing fields: the user's
// clicks and edits run the Express area's screen code (custody states, split
// rows, time-sharing boxes) on the window's fields, and "Enter Shared
// Parenting Time" opens the parenting-time window.
#include <QLineEdit>
#include <QRadioButton>

#include "express/CustodyStates.h"
#include "express/SplitCustody.h"
#include "express/TierValues.h"
#include "express/TimeSharing.h"
#include "express/ui/Form1.h"
#include "express/ui/Form16.h"
#include "express/ui/UserClicks.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/Program.h"

namespace express {

void Form1::ConnectCustody() {
  auto& ev = program_.Case.Express;
  for (QRadioButton* option : {NoMinorOption, CustodialOption, NonCustodialOption, SharedOption})
    OnTurnedOnByUser(option, this, [this, &ev] { ApplyCustodyState(fields_, ev); });
  OnTurnedOnByUser(SplitOption, this, [this, &ev] { SplitOption_Click(fields_, ev, prompter_); });
  for (size_t i = 0; i < 6; ++i)
    for (QRadioButton* mark : {ClaimChild[i], OtherChild[i]})
      OnTurnedOnByUser(mark, this, [this, &ev] { ClaimChild_Click(fields_, ev, prompter_); });
  connect(NumChild, &QLineEdit::textEdited, this, [this, &ev] { NumChild_Change(fields_, ev); });
  connect(MinChild, &QLineEdit::textEdited, this, [this, &ev] { MinChild_Change(fields_, ev, prompter_); });
  connect(SharedCalc, &QPushButton::clicked, this, [this] { SharedCalc_Click(); });
}

bool Form1::TimeBoxKey(QObject* watched, QEvent* event) {
  const std::pair<QLineEdit*, TimeBox> boxes[4] = {{ClaimDays, TimeBox::ClaimDays},
                                                   {PayerDays, TimeBox::PayerDays},
                                                   {PercentOfTimeValue, TimeBox::PercentOfTimeValue},
                                                   {PayerPerCent, TimeBox::PayerPerCent}};
  for (const auto& [box, kind] : boxes) {
    if (watched != box) continue;
    if (const std::optional<QString> before = timeBoxKeys_.Track(box, event))
      ConvertTimeSharing(fields_, program_.Case.Express, prompter_, kind, *before);
    return true;
  }
  return false;
}

void Form1::SharedCalc_Click() {
  auto* time = program_.Load<Form16>(QStringLiteral("Form16"));
  if (!time) return;
  auto& ev = program_.Case.Express;
  if (!SharedCalcStart(fields_, time->Fields(), ev, prompter_)) return;
  time->ShowModal();
  AssignTierVars(time->Fields(), ev);
  CalculateAvTime(time->Fields(), fields_, ev, prompter_);
  CalculateTierTotal(time->Fields(), fields_, ev, prompter_);
}

}  // namespace express
