#pragma once

#include <QString>

#include "case/Party.h"
#include "income/FilingOptions.h"
#include "income/TipsOvertime.h"

// What the income windows use of other windows, as interfaces that those
// windows implement: the Express screen (Form1), the business income windows
// (Form26, Form27) and the Impute Income window (Form23). Each default does
// nothing, so an income window works on its own until they are connected.
namespace income {

// The Express screen.
class ExpressLink {
 public:
  virtual ~ExpressLink() = default;
  // The party's filing-status option buttons (ClaimMFJ, ClaimMarried,
  // ClaimHeadHouse, ClaimSingle and the Payer twins).
  virtual FilingOptions Filing(casevars::Party) const { return {}; }
  // The check mark of the menu item "Enter Income As Monthly" (MonthlyData).
  virtual bool MonthlyDataChecked() const { return false; }
  // Writes the party's monthly gross income field (ClaimGrossInc, PayGrossInc).
  virtual void SetGrossIncome(casevars::Party, const QString& /*text*/) {}
  // The case name field (ClaimantName).
  virtual QString CaseName() const { return {}; }
};

// The party's business income window (Form26 for the claimant, Form27 for
// the other party).
class BusinessLink {
 public:
  virtual ~BusinessLink() = default;
  // The business tips of the party's businesses A to C and of the new
  // spouse's, with their service-trade boxes (ATrade, BTrade, CTrade).
  virtual BusinessTips Tips(casevars::Party) const { return {}; }
  // GetBusinessDeduction: computes the business income deduction from the
  // AGI-like income and leaves it in the party's YrBusDeduction.
  virtual void GetBusinessDeduction(casevars::Party, double /*agiBase*/) {}
  // AssignNewVars: the tax estimate's split of the yearly business income.
  virtual void AssignNewVars(casevars::Party) {}
  // Shows the business window modally, with its new-spouse controls (the
  // frames Frame2, Frame3, Frame7, the labels Label16, Label17, Label26,
  // Label27, Label38 and element 1 of AWages, BWages, CWages, DWages, CPass,
  // DPass, TotalWages, TotalPass) shown for a joint filer and hidden
  // otherwise. The business window, closing, writes the party's yearly
  // business income through the income window's Yearly_Click.
  virtual void ShowBusinessWindow(casevars::Party, bool /*jointFiler*/) {}
  // The entry message for a shown box of the business window that holds an
  // entry it refuses, naming the box; empty when none does.
  virtual QString RefusedEntry(casevars::Party) const { return {}; }
};

// The Impute Income window.
class ImputeLink {
 public:
  virtual ~ImputeLink() = default;
  // Sets ImputeParty ("Claimant" or "Other Party"), fits Form23, sets its
  // caption ("IMPUTE CLAIMANT'S INCOME" or "IMPUTE OTHER PARTY'S INCOME"),
  // scales the end points of its lines Line1 to Line3 by the screen factors
  // and shows it modally.
  virtual void ShowImputeWindow(casevars::Party) {}
};

}  // namespace income
