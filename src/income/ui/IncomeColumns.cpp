#include "income/ui/IncomeColumns.h"

#include "income/ui/IncomeWindow.h"
#include "platform/Dialogs.h"
#include "platform/ui/TabControl.h"

namespace income {

using casevars::Party;

void ShiftIncomeColumns(IncomeWindow& window, std::int16_t direction, shell::ScreenFactors& factors,
                        const shell::ScreenInfo& screen) {
  factors = shell::ComputeScreenFactors(screen);
  double offset = 0;
  if (direction == 1) offset = factors.ScaleFactorMin * 500;
  else if (direction == 2) offset = factors.ScaleFactorMin * -500;
  for (QWidget* c : window.ShiftedControls())
    platform::ui::SetLeft(c, static_cast<float>(offset + platform::ui::Left(c)));
}

bool EnterIncome_Click(IncomeWindow& window, IncomeButtonContext& context) {
  const Party party = window.WhichParty();
  const FilingOptions filing = context.express.Filing(party);
  if (!filing.AnyChosen()) {
    if (context.dialogs)
      context.dialogs->ShowMessageBox(party == Party::Claim ? QStringLiteral("Please Enter Claimant's Tax Filing Status")
                                                            : QStringLiteral("Please Enter Other Party's Tax Filing Status"),
                                      platform::kBoxOk, QStringLiteral("Entry Error"));
    return false;
  }
  window.SSTab1->SetTab(0);
  for (QWidget* c : window.NewSpouseControls()) c->setVisible(filing.MFJ);
  if (filing.MFJ && context.columnsShifted == 1) {
    context.columnsShifted = 0;
    ShiftIncomeColumns(window, 2, context.factors, context.screen);
  } else if (!filing.MFJ && context.columnsShifted == 0) {
    context.columnsShifted = 1;
    ShiftIncomeColumns(window, 1, context.factors, context.screen);
  }
  if (context.showModal) context.showModal(window);
  else window.ShowModal();
  return true;
}

}  // namespace income
