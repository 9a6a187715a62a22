#pragma once

#include <functional>

#include "case/CaseVars.h"
#include "income/IncomeLinks.h"

namespace business {
class BusinessWindow;
}

namespace income {

class IncomeWindow;

// The income windows' BusinessLink over the business income windows Form26
// and Form27; `window` finds (or loads) the party's one. A party without a
// business window gets the do-nothing answers.
class BusinessWindowLink : public BusinessLink {
 public:
  BusinessWindowLink(casevars::CaseVars& vars,
                     std::function<business::BusinessWindow*(casevars::Party)> window);

  BusinessTips Tips(casevars::Party party) const override;
  void GetBusinessDeduction(casevars::Party party, double agiBase) override;
  void AssignNewVars(casevars::Party party) override;
  void ShowBusinessWindow(casevars::Party party, bool jointFiler) override;
  QString RefusedEntry(casevars::Party party) const override;

 private:
  casevars::CaseVars& vars_;
  std::function<business::BusinessWindow*(casevars::Party)> window_;
};

// Gives a business window what it asks of its party's income window (found
// when needed by `incomeWindow`): the income window's Yearly_Click, its
// business income boxes and its message box for entry errors.
void ConnectBusinessWindow(business::BusinessWindow& businessWindow,
                           std::function<IncomeWindow*()> incomeWindow);

}  // namespace income
