#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "case/CaseVars.h"

// The rows a child support result shows, as texts: shared by the result
// window's pictures and the printed Child Support Report, which lay them out
// each in their own way.
namespace results {

// Where the rows are shown; a few labels and rows differ between the two.
enum class Layout { Screen, Report };

enum class RowKind {
  Amount,  // a label at the left, its value ending at the column's value edge
  Rule,    // "----------" ending at the value edge
  Blank,   // an empty line
};

struct ResultRow {
  RowKind kind = RowKind::Amount;
  QString label;
  QString value;
  bool prorated = false;  // the label is followed by " (prorated)" in lighter type
};

inline constexpr const char* kRule = "----------";
inline constexpr const char* kProrated = " (prorated)";

// One party's column of incomes, taxes and net income.
std::vector<ResultRow> PartyColumnRows(const casevars::CaseVars& vars, casevars::Party party,
                                       Layout layout);

// One party's side of the guideline calculation: the shares of the basic
// obligation and of the expenses, the credit for the expenses paid, a rule and
// the net obligation.
std::vector<ResultRow> ObligationRows(const casevars::CaseVars& vars, casevars::Party party,
                                      Layout layout);

// A dual split: `CustodyStatus` "Split" with the dual worksheets method.
bool IsDualSplit(const casevars::CaseVars& vars);
bool IsWintersSplit(const casevars::CaseVars& vars);

// The filing status as the case data prints it ("S", "HH", "MFJ", "MFS");
// empty for a status outside the four.
std::optional<QString> FilingStatusCode(const QString& filingStatus);

// Sets `ManualNetStateText` from `ManualNetState` (1 "None", 2 "Claimant",
// 3 "Other", 4 "Both"); any other state leaves it as it was.
void UpdateManualNetStateText(casevars::ResultsVars& results);

// The children's Social Security benefits on one party's record credited
// against the transfer: present when the party has such benefits and the
// transfer, rounded, goes the party's way (the other party pays: > 0; the
// claimant pays: < 0). The texts name the paying party.
struct SocialSecurityCredit {
  double monthlyBenefit = 0;  // the yearly benefits / 12, rounded
  double owed = 0;            // what the paying party still owes a month, 0 or more
  QString attributable;      // " Attributable To Other Parent Is Applied As Credit. "
  QString owes;              // "After SS Is Applied, Other Parent Owes "
};
std::optional<SocialSecurityCredit> SocialSecurityCreditOf(const casevars::CaseVars& vars,
                                                           casevars::Party payingParty);

// The transfer as every result text shows it: whole dollars, "$###,##0".
QString Dollars(double amount);

}  // namespace results
