#include "income/IncomeFields.h"

namespace income {

using casevars::PartyIncome;

namespace {

constexpr auto P = Column::Party;
constexpr auto S = Column::Spouse;
constexpr auto Stay = EnterAction::Stay;
constexpr auto Move = EnterAction::Move;
constexpr auto Recompute = EnterAction::RecomputeAndMove;

// An income box of the gross income tab.
AmountField Income(const char* suffix, int index, double PartyIncome::*v, Column c, EnterAction enter,
                   const char* next, int nextIndex = -1) {
  return {suffix, index, v, 0, c, true, false, true, true, true, true, enter, next, nextIndex};
}

// A box of the other tabs: `rescaled` for the allowable deductions (entry
// period), yearly otherwise.
AmountField Other(const char* suffix, double PartyIncome::*v, int tab, Column c, bool keyUp,
                  bool keyPress, bool gotFocus, const char* next = nullptr) {
  return {suffix, -1, v, tab, c, false, false, tab == 3, keyUp, keyPress, gotFocus,
          next ? Move : Stay, next, -1};
}

AmountField Total(const char* suffix, double PartyIncome::*v, Column c) {
  return {suffix, -1, v, 0, c, false, true, true, false, false, false, Stay, nullptr, -1,
          platform::AmountSign::MayBeNegative};
}

// A box whose amount may be below zero: a loss or a negative adjustment.
AmountField MayBeNegative(AmountField f) {
  f.sign = platform::AmountSign::MayBeNegative;
  return f;
}

std::vector<AmountField> Build() {
  return {
      // Gross income, the party's column and the new spouse's, in the order
      // of the Enter chain.
      Income("Earned", -1, &PartyIncome::YrEarned, P, Move, "Tips", 0),
      Income("Tips", 0, &PartyIncome::YrTips, P, Move, "OT", 0),
      Income("OT", 0, &PartyIncome::YrOT, P, Move, "EarnedExempt"),
      Income("EarnedExempt", -1, &PartyIncome::YrEarnedExempt, P, Move, "Self"),
      MayBeNegative(Income("Self", -1, &PartyIncome::YrSelf, P, Recompute, "ST")),
      MayBeNegative(Income("ST", -1, &PartyIncome::YrST, P, Recompute, "LT")),
      MayBeNegative(Income("LT", -1, &PartyIncome::YrLT, P, Recompute, "PT")),
      MayBeNegative(Income("PT", -1, &PartyIncome::YrPT, P, Recompute, "Pension")),
      Income("Pension", -1, &PartyIncome::YrPension, P, Recompute, "Comp"),
      Income("Comp", -1, &PartyIncome::YrComp, P, Recompute, "Free"),
      Income("Free", -1, &PartyIncome::YrFree, P, Recompute, "Reimburse"),
      Income("Reimburse", -1, &PartyIncome::YrReimburse, P, Recompute, "PriorMaint"),
      Income("PriorMaint", -1, &PartyIncome::YrPriorMaint, P, Recompute, "SSChild"),
      Income("SSChild", -1, &PartyIncome::YrSSChild, P, Recompute, "SS"),
      Income("SS", -1, &PartyIncome::YrSS, P, Recompute, "Total"),
      Total("Total", &PartyIncome::YrTotal, P),
      Income("Earned1", -1, &PartyIncome::YrEarned1, S, Move, "Tips", 1),
      Income("Tips", 1, &PartyIncome::YrTips1, S, Move, "OT", 1),
      Income("OT", 1, &PartyIncome::YrOT1, S, Move, "EarnedExempt1"),
      Income("EarnedExempt1", -1, &PartyIncome::YrEarnedExempt1, S, Move, "Self1"),
      MayBeNegative(Income("Self1", -1, &PartyIncome::YrSelf1, S, Recompute, "ST1")),
      MayBeNegative(Income("ST1", -1, &PartyIncome::YrST1, S, Recompute, "LT1")),
      MayBeNegative(Income("LT1", -1, &PartyIncome::YrLT1, S, Recompute, "PT1")),
      MayBeNegative(Income("PT1", -1, &PartyIncome::YrPT1, S, Recompute, "Pension1")),
      Income("Pension1", -1, &PartyIncome::YrPension1, S, Recompute, "Comp1"),
      Income("Comp1", -1, &PartyIncome::YrComp1, S, Recompute, "Free1"),
      Income("Free1", -1, &PartyIncome::YrFree1, S, Recompute, "Reimburse1"),
      Income("Reimburse1", -1, &PartyIncome::YrReimburse1, S, Recompute, "PriorMaint1"),
      Income("PriorMaint1", -1, &PartyIncome::YrPriorMaint1, S, Recompute, "SS1"),
      Income("SS1", -1, &PartyIncome::YrSS1, S, Recompute, "Total1"),
      Total("Total1", &PartyIncome::YrTotal1, S),
      // Adjustments to gross income (yearly).
      Other("IRADeduct", &PartyIncome::YrIRADeduct, 1, P, true, true, true, "OtherDeduct"),
      MayBeNegative(Other("OtherDeduct", &PartyIncome::YrOtherDeduct, 1, P, true, true, true)),
      Other("SelfRetirementDeduct", &PartyIncome::YrSelfRetirementDeduct, 1, P, false, false, true),
      Other("SelfHealthDeduct", &PartyIncome::YrSelfHealthDeduct, 1, P, false, false, true),
      // Credits and deductions (yearly); the unlimited itemized amount is
      // never shown and takes no focus handling.
      Other("ItemizedAmount", &PartyIncome::YrItemized, 2, P, false, false, true),
      Other("ItemizedNoLimit", &PartyIncome::YrItemizedNoLimit, 2, P, false, false, false),
      Other("OtherCredits", &PartyIncome::YrOtherCredits, 2, P, false, false, true),
      // Allowable deductions (entry period).
      Other("StIndus", &PartyIncome::YrStIndus, 3, P, true, true, true),
      Other("Dues", &PartyIncome::YrDues, 3, P, true, true, true),
      Other("PensionPay", &PartyIncome::YrPensionPay, 3, P, true, true, true),
      Other("OtherSupport", &PartyIncome::YrOtherSupport, 3, P, true, false, true),
      Other("MedCare", &PartyIncome::YrMedCare, 3, P, true, false, true),
      Other("PriorMaintPaid", &PartyIncome::YrPriorMaintPaid, 3, P, true, true, true),
      Other("PriorMaintPaid1", &PartyIncome::YrPriorMaintPaid1, 3, S, true, true, true),
      Other("PriorMaintPaid2", &PartyIncome::YrPriorMaintPaid2, 3, P, true, true, true),
      Other("PriorMaintPaid3", &PartyIncome::YrPriorMaintPaid3, 3, S, true, true, true),
  };
}

}  // namespace

const std::vector<AmountField>& AmountFields() {
  static const std::vector<AmountField> fields = Build();
  return fields;
}

const AmountField* FindAmountField(const QString& suffix, int index) {
  for (const AmountField& f : AmountFields())
    if (suffix == QLatin1String(f.suffix) && f.index == index) return &f;
  return nullptr;
}

QString PartyPrefix(casevars::Party party) {
  return party == casevars::Party::Claim ? QStringLiteral("Claim") : QStringLiteral("Payer");
}

QString ControlName(casevars::Party party, const char* suffix, int index) {
  QString name = PartyPrefix(party) + QLatin1String(suffix);
  if (index >= 0) name += QStringLiteral("(%1)").arg(index);
  return name;
}

QString ControlName(casevars::Party party, const AmountField& field) {
  return ControlName(party, field.suffix, field.index);
}

}  // namespace income
