#pragma once

#include "worksheet/ExpressTransfer.h"

namespace shell {
class Program;
}

namespace worksheet::ui {

// "Children are in Shared Possession" on the Express screen.
bool SharedPossession(shell::Program& program);

// The transfer's links in the running program: the Express screen's options
// and entry checks, the parenting-time window, both income windows and the
// child support run over the case.
class ProgramTransferLinks : public ExpressChecks, public IncomeWindowsLink, public ChildSupportDriver {
 public:
  explicit ProgramTransferLinks(shell::Program& program) : program_(program) {}

  TransferLinks Links() { return {*this, *this, *this}; }

  bool SharedOption() const override;
  bool MParentOption() const override;
  void SetFDTaxCheckMode(int mode) override { checkMode_ = mode; }
  int CheckDataEntry0() override;
  int CheckDataEntry1() override;
  int CheckDataEntry3() override;
  // Shown and brought to the front of the program's windows.
  void ShowExpressScreen() override;
  void UpdateParentingTime() override;
  void TotalIncomeWindows() override;
  bool ComputeChildSupport() override;

 private:
  shell::Program& program_;
  int checkMode_ = 0;
};

}  // namespace worksheet::ui
