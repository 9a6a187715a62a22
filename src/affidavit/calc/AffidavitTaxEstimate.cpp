#include "affidavit/calc/AffidavitTaxEstimate.h"

#include "affidavit/calc/AffidavitCalc.h"
#include "affidavit/datafile/FinDecSlots.h"
#include "engine/childsupport/ChildSupportRun.h"
#include "express/ExpressChecks.h"
#include "platform/NumberText.h"

namespace affidavit {

namespace {

using casevars::Party;

// Items 18 and 19 of one party: monthly, not rounded.
struct TaxItems {
  double incomeTaxes = 0;
  double payrollTaxes = 0;
};

TaxItems ItemsOf(const casevars::PartyTax& t) {
  return {(t.YrFedTax - t.YrTotalCredits) / 12 + t.YrStateTax / 12, t.YrFicaTax / 12};
}

bool ClaimantPage(AffidavitPages& pages, const QString& page) {
  return pages.Value({page, QStringLiteral("FAClaim"), kSingle}) != 0;
}

childsupport::ChildSupportInputs TaxInputs(TransferContext& context, express::ExpressFields& form1) {
  childsupport::ChildSupportInputs in;
  in.OptionTaxedToPayee = form1.Value(QStringLiteral("OptionTaxedToPayee")) != 0;
  in.OptionTaxedToPayer = form1.Value(QStringLiteral("OptionTaxedToPayer")) != 0;
  in.Claim.StateTaxCombo = form1.ComboText(QStringLiteral("ClaimStateTaxCombo"));
  in.Payer.StateTaxCombo = form1.ComboText(QStringLiteral("PayerStateTaxCombo"));
  in.Claim.EICCheck = static_cast<std::int16_t>(
      context.windows.Value({QStringLiteral("Form13"), QStringLiteral("ClaimEICCheck")}));
  in.Payer.EICCheck = static_cast<std::int16_t>(
      context.windows.Value({QStringLiteral("Form14"), QStringLiteral("PayerEICCheck")}));
  return in;
}

}  // namespace

bool EstimateAffidavitTaxes(TransferContext& context, TaxEstimateLinks& links) {
  casevars::CaseVars& vars = context.vars;
  CalculateFinDec(context.pages, context.formType, vars.Affidavit);
  links.prompter.Message(
      QStringLiteral("A tax estimate will be based on the income data entered on the Express Data Entry Form and "
                     "not the income data on this Financial Affidavit. You may want to transfer income data "
                     "directly to the Financial Affidavit from the Express Data Entry Form by clicking on the Get "
                     "Data Command Button located at the top of this Financial Affidavit."),
      platform::kBoxOk, QStringLiteral("Tax Estimate"));
  for (const char* window : {"Form13", "Form14"}) {
    context.windows.Run(QLatin1String(window), casefile::method::AddIncomeVars);
    context.windows.Run(QLatin1String(window), casefile::method::YearlyClick);
    context.windows.Run(QLatin1String(window), casefile::method::AssignDeductVars);
  }
  const QString pageInUse = FirstPage(context.formType == kLongForm ? kLongForm : kShortForm);
  const bool claimantInUse = ClaimantPage(context.pages, pageInUse);
  // The check looks at each party that a first page declares for, so both
  // pages' figures come from checked entries.
  const bool longClaimant = ClaimantPage(context.pages, QStringLiteral("Form12"));
  const bool shortClaimant = ClaimantPage(context.pages, QStringLiteral("Form121"));
  const express::Check0Mode mode{1, longClaimant || shortClaimant, !longClaimant || !shortClaimant};
  if (express::CheckDataEntry0(links.form1, vars, links.prompter, mode) == express::kCheckStop) return false;
  if (express::CheckDataEntry1(links.form1, vars, links.prompter) == express::kCheckStop) return false;

  for (Party party : casevars::kParties) {
    casevars::PartyTax& t = vars.Tax[party];
    t.YrStateTax = t.YrFicaTax = t.YrFedTax = t.YrHalfSETax = 0;
  }
  childsupport::ChildSupportServices services;
  services.GetBusinessDeduction = links.getBusinessDeduction;
  childsupport::EstimatePartyTaxes(vars, TaxInputs(context, links.form1), services);

  for (const QString& page : {QStringLiteral("Form12"), QStringLiteral("Form121")}) {
    const TaxItems items = ItemsOf(vars.Tax[ClaimantPage(context.pages, page) ? Party::Claim : Party::Payer]);
    context.pages.SetText({page, QStringLiteral("S1"), 18}, platform::Format(items.incomeTaxes, "$ ###,##0"));
    context.pages.SetText({page, QStringLiteral("S1"), 19}, platform::Format(items.payrollTaxes, "$ ###,##0"));
  }
  const TaxItems inUse = ItemsOf(vars.Tax[claimantInUse ? Party::Claim : Party::Payer]);
  vars.Affidavit.FDIncomeValues[18] = casevars::AffidavitValue::Of(inUse.incomeTaxes);
  vars.Affidavit.FDIncomeValues[19] = casevars::AffidavitValue::Of(inUse.payrollTaxes);
  CalculateFinDec(context.pages, context.formType, vars.Affidavit);
  return true;
}

}  // namespace affidavit
