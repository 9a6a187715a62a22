#pragma once

#include <array>

namespace casevars {

// One amount of the financial affidavit: nothing entered (or not a number), a
// number, or the empty text that a printer leaves for a zero it prints blank.
struct AffidavitValue {
  enum class State { Empty, Number, Text };
  State state = State::Empty;
  double number = 0;

  static AffidavitValue Of(double value) { return {State::Number, value}; }
  static AffidavitValue EmptyText() { return {State::Text, 0}; }
  bool IsNumber() const { return state == State::Number; }
  // What sums take: an element that holds no number counts as 0.
  double OrZero() const { return state == State::Number ? number : 0; }
  bool operator==(const AffidavitValue&) const = default;
};

// The affidavit's amounts as the last read pass and calculation left them,
// one index space for the long and the short form (the pages' box indexes).
struct AffidavitValues {
  std::array<AffidavitValue, 39> FDIncomeValues{};               // Section I, 0-38
  std::array<AffidavitValue, 110> FDExpenseValues{};             // Section II, 0-109
  std::array<AffidavitValue, 21> FDNewExpenseValues{};           // the sixteen newer lines, 1-16
  std::array<AffidavitValue, 65> FDAssetValues{};                // assets, totals 63-64
  std::array<AffidavitValue, 47> FDLiabilityValues{};            // liabilities, contingent items, totals
  std::array<AffidavitValue, 66> FDAssetPetitionerValues{};      // nonmarital column, rows 0-62
  std::array<AffidavitValue, 66> FDAssetRespondentValues{};
  std::array<AffidavitValue, 41> FDLiabilityPetitionerValues{};  // rows 0-38
  std::array<AffidavitValue, 41> FDLiabilityRespondentValues{};
  std::array<AffidavitValue, 25> FDIncomeTexts{};                // 0: dependents claimed (18b), 24
};

}  // namespace casevars
