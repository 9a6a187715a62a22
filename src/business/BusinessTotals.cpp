#include "business/BusinessTotals.h"

namespace business {

using casevars::PartyBusiness;
using casevars::PartyIncome;

void ComputeBusinessTotals(PartyBusiness& b, PartyIncome& income) {
  b.YrBusTotalWages = b.YrAWages + b.YrBWages + b.YrCWages + b.YrDWages + b.YrANotQualified +
                      b.YrBNotQualified + b.YrATips + b.YrBTips + b.YrCTips;
  b.YrBusTotalWages1 = b.YrAWages1 + b.YrBWages1 + b.YrCWages1 + b.YrDWages1 +
                       b.YrANotQualified1 + b.YrBNotQualified1 + b.YrATips1 + b.YrBTips1 +
                       b.YrCTips1;
  b.YrSCorpWages = b.YrCWages + b.YrDWages + b.YrCTips;
  b.YrSCorpWages1 = b.YrCWages1 + b.YrDWages1 + b.YrCTips1;
  b.YrBusTotalPass = b.YrCPass + b.YrDPass + b.YrREIT;
  b.YrBusTotalPass1 = b.YrCPass1 + b.YrDPass1 + b.YrREIT1;
  b.YrBusIncome = b.YrBusTotalWages + b.YrBusTotalPass;
  b.YrBusIncome1 = b.YrBusTotalWages1 + b.YrBusTotalPass1;
  income.YrSelf = b.YrBusIncome;
  income.YrSelf1 = b.YrBusIncome1;
}

void AssignNewVars(PartyBusiness& b, const PartyIncome& income) {
  b.YrSEIncome = income.YrSelf - (b.YrBusTotalPass + b.YrSCorpWages);
  b.YrSEIncome1 = income.YrSelf1 - (b.YrBusTotalPass1 + b.YrSCorpWages1);
  b.YrSTAndPassThru = income.YrST + b.YrBusTotalPass;
  b.YrSTAndPassThru1 = income.YrST1 + b.YrBusTotalPass1;
  b.YrWagesForTax = income.YrEarned + b.YrSCorpWages;
  b.YrWagesForTax1 = income.YrEarned1 + b.YrSCorpWages1;
}

void ClearBusinessVars(casevars::CaseVars& vars, casevars::Party party) {
  vars.Business[party] = PartyBusiness{};
  vars.Income[party].YrSelf = 0;
  vars.Income[party].YrSelf1 = 0;
}

}  // namespace business
