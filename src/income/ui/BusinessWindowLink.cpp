#include "income/ui/BusinessWindowLink.h"

#include "business/ui/BusinessWindow.h"
#include "income/ui/AmountBox.h"
#include "income/ui/IncomeWindow.h"

namespace income {

using casevars::Party;

BusinessWindowLink::BusinessWindowLink(casevars::CaseVars& vars,
                                       std::function<business::BusinessWindow*(Party)> window)
    : vars_(vars), window_(std::move(window)) {}

BusinessTips BusinessWindowLink::Tips(Party party) const {
  const casevars::PartyBusiness& b = vars_.Business[party];
  BusinessTips tips;
  tips.tips[0] = {b.YrATips, b.YrBTips, b.YrCTips};
  tips.tips[1] = {b.YrATips1, b.YrBTips1, b.YrCTips1};
  if (business::BusinessWindow* w = window_ ? window_(party) : nullptr) {
    const business::ServiceTradeFlags trades = w->ServiceTrades();
    for (size_t column = 0; column < 2; ++column)
      for (size_t k = 0; k < 3; ++k) tips.serviceTrade[column][k] = trades.Value[column][k] != 0;
  }
  return tips;
}

void BusinessWindowLink::GetBusinessDeduction(Party party, double agiBase) {
  if (business::BusinessWindow* w = window_ ? window_(party) : nullptr) w->GetBusinessDeduction(agiBase);
}

void BusinessWindowLink::AssignNewVars(Party party) {
  if (business::BusinessWindow* w = window_ ? window_(party) : nullptr) w->AssignNewVars();
}

void BusinessWindowLink::ShowBusinessWindow(Party party, bool jointFiler) {
  business::BusinessWindow* w = window_ ? window_(party) : nullptr;
  if (!w) return;
  w->SetNewSpouseColumnVisible(jointFiler);
  w->ShowModal();
}

QString BusinessWindowLink::RefusedEntry(Party party) const {
  business::BusinessWindow* w = window_ ? window_(party) : nullptr;
  return w ? w->RefusedEntry() : QString();
}

void ConnectBusinessWindow(business::BusinessWindow& businessWindow,
                           std::function<IncomeWindow*()> incomeWindow) {
  business::BusinessWindowLinks& links = businessWindow.Links;
  links.IncomeYearly_Click = [incomeWindow] {
    IncomeWindow* w = incomeWindow();
    return !w || w->Yearly_Click();
  };
  links.EntryError = [incomeWindow](const QString& prompt) {
    if (IncomeWindow* w = incomeWindow()) w->EntryError(prompt);
  };
  links.SetIncomeSelfBox = [incomeWindow](int column, const QString& text) {
    if (IncomeWindow* w = incomeWindow()) w->Box(column == 0 ? "Self" : "Self1")->setText(text);
  };
}

}  // namespace income
