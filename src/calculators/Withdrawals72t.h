#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "calculators/AmountEntry.h"

// The 72(t) calculator: penalty-free early IRA withdrawals by the life
// expectancy (minimum), amortization and annuity factor methods, and the
// IRA balance projected year by year under the chosen method.
namespace calculators {

// Single life expectancy in years by whole age 0 to 111 (the IRS single life table).
inline constexpr int kSingleLifeLastAge = 111;
extern const std::array<double, kSingleLifeLastAge + 1> SingleLifeTable;
// q(x), the chance that a person aged exactly x dies before x + 1, ages 0 to
// 115 (mortality table of Appendix B, IRS Revenue Ruling 2002-62).
extern const std::array<double, 116> MortalityTable;

// What the 72(t) window's entry check reads of the window.
struct Withdrawal72tEntries {
  QString CurrentAgeYrs, AgeEndYrs, HolderName, IRAAmount, InterestRate, IraInterestRate;
  bool MethodMin = false, MethodAmort = false, MethodAnnuity = true;
};

struct Withdrawal72tInputs {
  std::int16_t HolderAge = 0;        // 18 to 60
  std::int16_t HolderEndAge = 0;     // HolderAge + 5 to 111
  std::int16_t WithdrawalYears = 0;  // HolderEndAge - HolderAge
  double IraBalance = 0;             // above 0
  float ReasonableRate = 0;          // percent, above 0 and below 100
  float ExpectedRate = 0;            // percent, -100 to below 100
  QString WithdrawalMethod;          // "LE", "Amortization" or "Annuity"
};

// Checks the entries in order, storing each accepted value, and stops at the
// first refusal. Beyond the window's limits it refuses an end age past the
// last age of the life table, a balance of 0 or less, a reasonable rate of
// 0 or less and an expected gain below -100 (a loss of more than the whole
// account), each with the message of its own box.
EntryCheck Check72tEntries(const Withdrawal72tEntries& entries, Withdrawal72tInputs& inputs);

// One year of the projected balance.
struct Projection72tRow {
  int age = 0;
  double begin = 0, withdrawal = 0, gain = 0, end = 0;

  // The five texts of the row: "###", "###,###", "$###,###,###", "###,###", "###,###".
  QStringList Texts() const;
};

struct Withdrawals72tResult {
  // The result boxes, in whole dollars.
  QString LEYearly, LEMonthly, AmortYearly, AmortMonthly, AnnuityYearly, AnnuityMonthly;
  // The projection frame's new caption (none for a method it does not know).
  std::optional<QString> Caption;
  float AnnuityFactor = 0;
  double LifeExpectancy = 0;
  double Amortization = 0;
  std::vector<Projection72tRow> Rows;
};

Withdrawals72tResult Compute72tWithdrawals(const Withdrawal72tInputs& inputs);

// The table's heading texts, and the left edges (twips) of its five columns in
// a picture `widthTwips` wide.
const QStringList& Projection72tHeadings();
std::array<double, 5> Projection72tColumns(double widthTwips);

}  // namespace calculators
