#pragma once

#include "case/CaseVars.h"
#include "worksheet/WorksheetBoxes.h"

// "Get Data From Express Form": the worksheet's input lines filled from the
// case entered on the Express screen. What the transfer asks of other windows
// goes through the small interfaces below; each does nothing by default, so a
// test (or a program without one of the windows) passes only what it has.
namespace worksheet {

// The Express screen: its options and its entry checks.
class ExpressChecks {
 public:
  virtual ~ExpressChecks() = default;
  virtual bool SharedOption() const { return false; }   // "Children are in Shared Possession"
  virtual bool MParentOption() const { return false; }  // the claimant is the Respondent
  virtual void SetFDTaxCheckMode(int /*mode*/) {}
  // Each returns 1 after showing its message when an entry error stops the run.
  virtual int CheckDataEntry0() { return 0; }
  virtual int CheckDataEntry1() { return 0; }
  virtual int CheckDataEntry3() { return 0; }
  virtual void ShowExpressScreen() {}
  // The parenting-time window's AssignTierVars, CalculateAvTime, CalculateTierTotal.
  virtual void UpdateParentingTime() {}
};

// Both income windows: AddIncomeVars, Yearly_Click and AssignDeductVars of the
// claimant's window, then of the other party's.
class IncomeWindowsLink {
 public:
  virtual ~IncomeWindowsLink() = default;
  virtual void TotalIncomeWindows() {}
};

// The child support driver, run so the monthly net incomes are current.
class ChildSupportDriver {
 public:
  virtual ~ChildSupportDriver() = default;
  // False when the run stopped, after showing why; it then changed nothing.
  virtual bool ComputeChildSupport() { return true; }
};

struct TransferLinks {
  ExpressChecks& express;
  IncomeWindowsLink& incomeWindows;
  ChildSupportDriver& childSupport;
};

// MDIForm1.GetDataFrom. The income windows are totalled and the Express
// screen's checks run first; a check that stops the transfer shows the Express
// screen and leaves the sheet as it was (returns false). Then the parenting
// time is updated when the children are in shared possession and child support
// is recomputed; a run that stops transfers nothing either: the sheet stays as
// it was and the Express screen is shown (returns false). Then the sheet's
// numbers are reset (ResetNumbersForTransfer) and the case variables (read
// after those steps) fill the sheet: the claimant in
// column A, or in column B when the claimant is the Respondent; line 0 as
// yearly gross income / 12, line 1 the monthly net incomes, the payments on
// line 7 (standard) or 16 (shared) with their totals on line 5 or 14, the
// number of minor children and, when shared, each column's overnights. The
// income windows are totalled again at the end.
bool GetDataFrom(WorksheetSheet& sheet, const casevars::CaseVars& vars, const TransferLinks& links);

}  // namespace worksheet
