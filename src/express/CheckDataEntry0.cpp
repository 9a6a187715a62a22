#include "case/CaseCodes.h"
#include "express/CheckSupport.h"
#include "express/ExpressChecks.h"

namespace express {

namespace {

using casevars::Party;

// A normal message and the one the affidavit's tax estimate shows instead
// (after bringing the Express screen forward); no affidavit text: the normal
// text in both modes, without showing the screen.
struct Text {
  const char* normal;
  const char* affidavit = nullptr;
};

// One party's block of the check.
struct Block {
  const char* grossInc;
  const char* depend17;
  const char* filing[4];  // HeadHouse, Single, Married, MFJ
  const char* dayCare;
  const char* numCare;
  bool numCareBeep;
  Text grossMsg, depend17Msg, under17Msg, filingMsg, dayCareMsg, numCareMsg, marriedSepMsg;
};

const Block kClaimBlock{
    "ClaimGrossInc",
    "ClaimDepend17",
    {"ClaimHeadHouse", "ClaimSingle", "ClaimMarried", "ClaimMFJ"},
    "ClaimDayCare",
    "ClaimNumCare",
    true,
    {"Please ReEnter Claimant's Gross Monthly Income",
     "For a Tax Calculation on The Financial Affidavit, Please Enter Each Parent's Gross Monthly "
     "Income"},
    {"Please ReEnter The Number Of Children Under Age 17 Declared By The Claimant (For The "
     "Federal Child Tax Credit), Or Enter 0 If None",
     "For a Tax Calculation on The Financial Affidavit, Please ReEnter The Number Of Children "
     "Under Age 17 Declared By The Claimant (For The Federal Child Tax Credit), or Enter 0 If "
     "None, on The Data Express Form"},
    {"The Number Of Children Under Age 17 Declared By The Claimant (For The Child Tax Credit) "
     "Should Be Less Than Or Equal To The Total Number Of Minors",
     "For a Tax Calculation on The Financial Affidavit, The Number Of Children Under Age 17 "
     "Declared By The Claimant (For The Child Tax Credit) Should Be Less Than Or Equal To The "
     "Total Number Of Minors. Please ReEnter on The Data Express Form"},
    {"Please Enter Claimant's Tax Filing Status",
     "For a Tax Calculation on The Financial Affidavit, Please Enter Each Parent's Tax Filing "
     "Status on The Data Express Form"},
    {"Please ReEnter Claimant's Monthly Day Care Cost, Or Enter A $0 If There Are No Payments"},
    {"Please ReEnter Number Of Children Qualified for Claimant's Day Care Tax Credit, Or Enter 0 "
     "If None. Cannot Exceed Number Of Total Children And A Child Must Reside With Claimant More "
     "Than 50% Of The Time To Qualify (Or Exactly 50%, If Claimant Has The Greater Income). ",
     "For a Tax Calculation On The Financial Affidavit, Please ReEnter Number Of Children "
     "Qualified for Claimant's Day Care Tax Credit, Or Enter 0 If None. Cannot Exceed Number Of "
     "Total Children And A Child Must Reside With Claimant More Than 50% Of The Time To Qualify "
     "(Or Exactly 50%, If Claimant Has The Greater Income). "},
    {"The Claimant Is Filing Married Separately. That Filing Status Is Not Eligible For The Day "
     "Care Tax Credit. The Number Of Children Qualified For Claimant's Day Care Tax Credit Should "
     "Be 0. Please ReEnter"},
};

const Block kPayerBlock{
    "PayGrossInc",
    "PayerDepend17",
    {"PayerHeadHouse", "PayerSingle", "PayerMarried", "PayerMFJ"},
    "OtherDayCare",
    "OtherNumCare",
    false,
    {"Please ReEnter Other Party's's Gross Monthly Income",
     "For a Tax Calculation on The Financial Affidavit, Please Enter Parent's Gross Monthly "
     "Income"},
    {"Please ReEnter The Number Of Children Under Age 17 Declared By The Other Party (For The "
     "Federal Child Tax Credit), Or Enter 0 If None",
     "For a Tax Calculation on The Financial Affidavit, Please ReEnter The Number Of Children "
     "Under Age 17 Declared By The Other Party (For The Federal Child Tax Credit), Or Enter 0 If "
     "None, on The Data Express Form"},
    {"The Number Of Children Under Age 17 Declared By The Other Party (For The Child Tax Credit) "
     "Should Be Less Than Or Equal To The Total Number Of Minors.",
     "For a Tax Calculation on The Financial Affidavit, The Number Of Children Under Age 17 "
     "Declared By The Other Party (For The Child Tax Credit) Should Be Less Than Or Equal To The "
     "Total Number Of Minors. Please ReEnter on The Data Express Form"},
    {"Please Enter Other Party's Tax Filing Status",
     "For a Tax Calculation on The Financial Affidavit, Please Enter Each Parent's Tax Filing "
     "Status on The Data Express Form"},
    {"Please ReEnter Other Party's Monthly Day Care Cost, Or Enter A $0 If There Are No "
     "Payments"},
    {"Please ReEnter Number Of Children Qualified for Other Party's Day Care Tax Credit, Or Enter "
     "0 If None. Cannot Exceed Number Of Total Children And A Child Must Reside With Other Party "
     "More Than 50% Of The Time To Qualify (Or Exactly 50%, If Other Party Has The Greater "
     "Income). ",
     "For a Tax Calculation On The Financial Affidavit, Please ReEnter Number Of Children "
     "Qualified For Other Party's Day Care Tax Credit, Or Enter 0 If None. Cannot Exceed Number "
     "Of Total Children And A Child Must Reside With The Other Party More Than 50% Of The Time To "
     "Qualify (Or Exactly 50%, If Other Party Has The Greater Income). "},
    {"The Other Party Is Filing Married Separately. That Filing Status Is Not Eligible For The "
     "Day Care Tax Credit. The Number Of Children Qualified For Other Party's Day Care Tax Credit "
     "Should Be 0. Please ReEnter"},
};

const QLatin1String kFilingCodes[4] = {casevars::filing::Head, casevars::filing::Single,
                                       casevars::filing::MarriedSep, casevars::filing::MFJ};

class Check0 {
 public:
  Check0(ExpressFields& f, casevars::CaseVars& cv, Prompter& p, bool affidavit)
      : f_(f), cv_(cv), p_(p), affidavit_(affidavit) {}

  std::int16_t Counts() { return ReadChildrenCounts(f_, cv_.Express, p_); }

  std::int16_t Fail(const char* focus, const Text& text, bool beep = false) {
    const bool show = affidavit_ && text.affidavit;
    return FailRule(f_, p_, {focus ? QLatin1String(focus) : QString(), beep, show},
                    QLatin1String(show ? text.affidavit : text.normal));
  }

  std::int16_t PartyBlock(casevars::Party party, const Block& b) {
    auto& ex = cv_.Express[party];
    if (!ReadAmount(f_.Text(QLatin1String(b.grossInc)))) return Fail(b.grossInc, b.grossMsg);
    ex.NumDependents = 0;
    if (party == Party::Claim && Counts() == kCheckStop) return kCheckStop;

    const auto under17 = ReadCount(f_.Text(QLatin1String(b.depend17)));
    if (!under17) return Fail(b.depend17, b.depend17Msg);
    ex.Under17Children = *under17;
    if (ex.Under17Children > cv_.Express.NumMinorChildren) return Fail(b.depend17, b.under17Msg);

    int chosen = -1;
    for (int i = 0; i < 4 && chosen < 0; ++i)
      if (f_.Value(QLatin1String(b.filing[i])) == kOn) chosen = i;
    if (chosen < 0) return Fail(nullptr, b.filingMsg);
    ex.FilingStatus = kFilingCodes[chosen];

    if (f_.Value(QStringLiteral("NoMinorOption")) == kOn) {
      ex.MoDayCare = 0;
      ex.DayCareChildren = 0;
      return kCheckPass;
    }
    const auto dayCare = ReadAmount(f_.Text(QLatin1String(b.dayCare)));
    if (!dayCare || *dayCare < 0) return Fail(b.dayCare, b.dayCareMsg);
    ex.MoDayCare = *dayCare;
    const auto numCare = ReadCount(f_.Text(QLatin1String(b.numCare)));
    if (!numCare) return Fail(b.numCare, b.numCareMsg, b.numCareBeep);
    ex.DayCareChildren = *numCare;
    if (ex.FilingStatus == casevars::filing::MarriedSep && ex.DayCareChildren > 0)
      return Fail(b.numCare, b.marriedSepMsg, true);
    return kCheckPass;
  }

 private:
  ExpressFields& f_;
  casevars::CaseVars& cv_;
  Prompter& p_;
  bool affidavit_;
};

}  // namespace

std::int16_t CheckDataEntry0(ExpressFields& form1, casevars::CaseVars& cv, Prompter& prompter,
                             const Check0Mode& mode) {
  const bool affidavit = mode.FDTaxCheckMode == 1;
  // The runs read the income and business windows: none reads a box that
  // shows what the box refuses.
  if (const QString refused = form1.RefusedIncomeEntry(); !refused.isEmpty())
    return FailRule(form1, prompter, {}, refused);
  Check0 check(form1, cv, prompter, affidavit);
  const bool claimBlock = !affidavit || mode.FAClaim;
  const bool payerBlock = !affidavit || mode.FAOther;
  if (claimBlock && check.PartyBlock(Party::Claim, kClaimBlock) == kCheckStop) return kCheckStop;
  if (!payerBlock) return kCheckPass;
  // The other party's rules compare with the minor count: read it in this run
  // even when the claimant's block was skipped.
  if (!claimBlock && check.Counts() == kCheckStop) return kCheckStop;
  return check.PartyBlock(Party::Payer, kPayerBlock);
}

}  // namespace express
