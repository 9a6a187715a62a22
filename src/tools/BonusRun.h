#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "case/CaseVars.h"

// The bonus calculators (FormBonusAlm, FormBonusCS): the other party's
// yearly bonus is added to the earned wages, the engines run on the changed
// case, the share of the bonus that becomes support is worked out, and the
// case is put back and the engines run again.
namespace tools {

enum class BonusKind { Alimony, ChildSupport };

// The figures of the last run; they outlive the window and the report prints them.
struct BonusValues {
  double YrBonus = 0;
  double BonusShare = 0;
  double YrAwardWithoutBonus = 0, YrAwardWithBonus = 0, YrAwardDifference = 0;  // alimony
  double MoSupportWithoutBonus = 0, MoSupportWithBonus = 0;
  double MoSupportDifference = 0;  // child support
  double MoAlimonyAssumed = 0;     // child support
  QString SavedPayerEarnedText;
};

// What a run needs of the program's windows and engines.
struct BonusServices {
  // The other party's earned-wages box (Form14.PayerEarned).
  std::function<QString()> payerEarnedText;
  std::function<void(const QString&)> setPayerEarnedText;
  // The income refresh: the other party's income window reads its boxes,
  // totals them and works out its deductions; both business splits follow.
  std::function<void()> incomeRefresh;
  // The child support driver; `writeField` false leaves the Express screen's
  // ChildSupport field as it is.
  std::function<void(bool writeField)> computeChildSupport;
  // The alimony calculation. With `caseScoreFirst` the case score runs
  // before it and sets AwardChangedFlag to "N", so the calculation works out
  // its suggestion; without, the calculation alone keeps the award in force.
  std::function<void(bool caseScoreFirst)> computeAlimony;
  // The Express screen's fields ChildSupport and CurrentMaintTransfer and the
  // check box ApplyMaintToCS.
  std::function<QString()> childSupportText;
  std::function<void(const QString&)> setChildSupportText;
  std::function<QString()> currentMaintText;
  std::function<void(const QString&)> setCurrentMaintText;
  bool applyMaintToCS = false;
};

// The bonus box's number, or the message that refuses it: its cleaned text
// must be numeric and above 0 (kBonusEntryError), and neither the bonus nor
// the other party's yearly wages with it (WagesWithBonus) may pass the amount limit
// (platform::AmountTooLargeMessage), as the wages box would not take them.
struct BonusEntryCheck {
  std::optional<double> bonus;
  QString message;  // when refused
};
BonusEntryCheck CheckBonusEntry(const QString& text, double payerYrEarned);
// The other party's yearly wages with the bonus, to the cent: the figure a
// run writes into the earned-wages box, every digit of it.
double WagesWithBonus(double payerYrEarned, double bonus);
inline constexpr const char* kBonusEntryError = "Please ReEnter The Other Party's Average Yearly Bonus";

// One run with an accepted bonus; fills `values`. The case, the earned-wages
// box and the child support field are put back however the run ends. The
// alimony run compares the suggestions with and without the bonus; an award
// the user put in force is in force again afterwards, with its figures.
void RunBonus(BonusKind kind, double yrBonus, casevars::CaseVars& vars, const BonusServices& services,
              BonusValues& values);

// The share box's text ("##.#0%") and the result lines of the window.
QString BonusShareText(const BonusValues& values);
QStringList BonusResultLines(BonusKind kind, const BonusValues& values, double moAlimonyTransfer);

}  // namespace tools
