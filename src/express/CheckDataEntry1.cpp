#include "case/CaseCodes.h"
#include "express/CheckSupport.h"
#include "express/CustodyStates.h"
#include "express/DayCareCredit.h"
#include "express/ExpressChecks.h"
#include "express/TierValues.h"
#include "platform/NumberText.h"

namespace express {

namespace {

using casevars::Party;
namespace custody = casevars::custody;
namespace filing = casevars::filing;

QString L(const char* text) { return QLatin1String(text); }

// R10 to R17: the day care counts against where the children live.
std::int16_t DayCareRules(ExpressFields& f, casevars::CaseVars& cv, Prompter& p) {
  const auto& ev = cv.Express;
  struct Limit {
    Party party;
    QLatin1String status;
    const char* message;
  };
  // The statuses in which a party with a day care cost may claim none, all the
  // minors, or the children living with the party.
  const Limit kNone[2] = {
      {Party::Claim, custody::NonCust,
       "Since Children Do Not Reside With Claimant, There Are No Children Qualified for "
       "Claimant's Day Care Tax Credit. Please Enter 0 For Claimant's Qualified Children. The "
       "Care Tax Credit Is Only Available For Children That Reside With A Party More Than 50% Of "
       "The Time."},
      {Party::Payer, custody::Cust,
       "Since Children Do Not Reside With Other Party, There Are No Children Qualified for Other "
       "Party's Day Care Tax Credit. Please Enter 0 For The Other Party's Qualified Children. The "
       "Care Tax Credit Is Only Available For Children That Reside With A Party More Than 50% Of "
       "The Time."}};
  const Limit kMinors[2] = {
      {Party::Claim, custody::Cust,
       "The Number Of Children That You Entered As Qualified for Claimant's Day Care Tax Credit "
       "Exceeds The Number Of Minors. Please ReEnter The Claimant's Qualified Children. The Care "
       "Tax Credit Is Only Available For Children That Reside With A Party More Than 50% Of The "
       "Time."},
      {Party::Payer, custody::NonCust,
       "The Number Of Children That You Entered As Qualified for Other party's Day Care Tax "
       "Credit Exceeds The Number Of Minors. Please ReEnter The Other Party's Qualified Children. "
       "The Care Tax Credit Is Only Available For Children That Reside With A Party More Than 50% "
       "Of The Time."}};
  const char* const kSplit[2] = {
      "The Number Of Children That You Entered As Qualified for Claimant's Day Care Tax Credit "
      "Exceeds The Number Of Children Residing With Claimant. Please ReEnter The Claimant's "
      "Qualified Children. The Care Tax Credit Is Only Available For Children That Reside With A "
      "Party More Than 50% Of The Time.",
      "The Number Of Children That You Entered As Qualified For The Other Party's Day Care Tax "
      "Credit Exceeds The Number Of Children Residing With Other Party. Please ReEnter The Other "
      "Party's Qualified Children. The Care Tax Credit Is Only Available For Children That Reside "
      "With A Party More Than 50% Of The Time."};

  for (int side = 0; side < 2; ++side) {
    const Party party = casevars::kParties[side];
    const auto& ex = ev[party];
    const FailStep step{L(side == 0 ? "ClaimNumCare" : "OtherNumCare"), true, false};
    const bool cost = ex.MoDayCare > 0;
    if (ev.CustodyStatus == custody::Shared) {
      const DayCareChildCounts counts = CountDayCareChildren(cv, party);
      if (ex.DayCareChildren > counts.Most())
        return FailRule(f, p, step, DayCareCreditMessage(party, counts, ex.DayCareChildren));
    }
    if (ev.CustodyStatus == kNone[side].status && cost && ex.DayCareChildren > 0)
      return FailRule(f, p, step, L(kNone[side].message));
    if (ev.CustodyStatus == kMinors[side].status && cost &&
        ex.DayCareChildren > ev.NumMinorChildren)
      return FailRule(f, p, step, L(kMinors[side].message));
    if (ev.CustodyStatus == custody::Split && cost && ex.DayCareChildren > ex.PossessionChildren)
      return FailRule(f, p, step, L(kSplit[side]));
  }
  return kCheckPass;
}

// R18 to R21.
std::int16_t StateTaxRules(ExpressFields& f, casevars::CaseVars& cv, Prompter& p) {
  struct Box {
    Party party;
    const char* box;
    const char* combo;
    const char* rateMessage;
    const char* amountMessage;
  };
  const Box kBoxes[2] = {
      {Party::Claim, "ClaimStateTax", "ClaimStateTaxCombo",
       "Please ReEnter The State Tax Rate For The Claimant (As A Decimal). The Rate Entered "
       "Appears Unusual.",
       "Please ReEnter The Amount Of Yearly State Tax Paid By The Claimant"},
      {Party::Payer, "PayerStateTax", "PayerStateTaxCombo",
       "Please ReEnter The State Tax Rate For The Other Party (As A Decimal). The Rate Entered "
       "Appears Unusual.",
       "Please ReEnter The Amount Of Yearly State Tax Rate Paid By The Other Party"}};
  for (const Box& b : kBoxes) {
    auto& ex = cv.Express[b.party];
    const auto value = ReadAmount(f.Text(L(b.box)));
    if (f.ComboText(L(b.combo)) == QLatin1String("As Rate")) {
      if (!value || *value < 0 || *value >= 0.5)
        return FailRule(f, p, {L(b.box)}, L(b.rateMessage));
      ex.StateTaxRate = *value;
    } else {
      if (!value || *value < 0) return FailRule(f, p, {L(b.box)}, L(b.amountMessage));
      ex.YrStateTaxEntered = *value;
    }
  }
  return kCheckPass;
}

// The filing-status warnings of the custody status in force.
std::int16_t FilingWarnings(ExpressFields& f, casevars::CaseVars& cv, Prompter& p) {
  const auto& ev = cv.Express;
  if (cv.Results.ManualNetState > 1) return kCheckPass;
  struct Warning {
    QLatin1String status;
    Party party;
    QLatin1String filingStatus;
    int share;  // 0 any; 1 claimant's share above 0.5; -1 below 0.5
    const char* message;
  };
  static const Warning kWarnings[] = {
      {custody::NoMinors, Party::Claim, filing::Head, 0,
       "With No Minors, Claimant's Filing Status Is Probably Single, Do You Want To ReEnter This "
       "Value?"},
      {custody::NoMinors, Party::Payer, filing::Head, 0,
       "With No Minors, Other Party's Filing Status Is Probably Single, Do You Want To ReEnter "
       "This Value?"},
      {custody::Cust, Party::Claim, filing::Single, 0,
       "Claimant Is The Custodial Parent, So Claimant's Filing Status Is Probably Head Of "
       "Household, Do You Want To ReEnter This Value?"},
      {custody::Cust, Party::Payer, filing::Head, 0,
       "Other Party Is Not The Custodial Parent, So Other Party's Filing Status Is Probably "
       "Single, Do You Want To ReEnter This Value?"},
      {custody::NonCust, Party::Claim, filing::Head, 0,
       "Claimant Is Not The Custodial Parent, So Claimant's Filing Status Is Probably Single, Do "
       "You Want To ReEnter This Value?"},
      {custody::NonCust, Party::Payer, filing::Single, 0,
       "Other Party Is The Custodial Parent, So Other Party's Filing Status Is Probably Head Of "
       "Household, Do You Want To ReEnter This Value?"},
      {custody::Shared, Party::Claim, filing::Single, 1,
       "Children Reside With Claimant At Least 50% Of The Time, So Claimant's Filing Status Is "
       "Probably Head Of Household, Do You Want To ReEnter This Value?"},
      {custody::Shared, Party::Claim, filing::Head, -1,
       "Children Reside With Claimant Less Than 50% Of The Time, So Claimant's Filing Status Is "
       "Probably Single, Do You Want To ReEnter This Value?"},
      {custody::Shared, Party::Payer, filing::Head, 1,
       "Children Reside With Other Party Less Than 50% Of The Time, So Other Party's Filing "
       "Status Is Probably Single, Do You Want To ReEnter This Value?"},
      {custody::Shared, Party::Payer, filing::Single, -1,
       "Children Reside With Other Party More Than 50% Of The Time, So Other Party's Filing "
       "Status Is Probably Head Of Household, Do You Want To ReEnter This Value?"},
      {custody::Split, Party::Claim, filing::Single, 0,
       "With Split Custody, Claimant's Filing Status Is Probably Head Of Household, Do You Want "
       "To ReEnter This Value?"},
      {custody::Split, Party::Payer, filing::Single, 0,
       "With Split Custody, Other Party's Filing Status Is Probably Head Of Household, Do You "
       "Want To ReEnter This Value?"},
  };
  const double share = ev.Claim.PercentOfTime;
  for (const Warning& w : kWarnings) {
    if (ev.CustodyStatus != w.status || ev[w.party].FilingStatus != w.filingStatus) continue;
    if ((w.share > 0 && !(share > 0.5)) || (w.share < 0 && !(share < 0.5))) continue;
    if (WarnRule(f, p, QString(), L(w.message))) return kCheckStop;
  }
  return kCheckPass;
}

}  // namespace

std::int16_t CheckDataEntry1(ExpressFields& f, casevars::CaseVars& cv, Prompter& p) {
  auto& ev = cv.Express;
  // R1, R2: the counts as check 0 reads them.
  if (ReadChildrenCounts(f, ev, p) == kCheckStop) return kCheckStop;
  if (ev.NumMinorChildren > ev.NumMarriageChildren)
    return FailRule(f, p, {L("NumChild")},
                    L("The Number Of Minor Children Exceeds Children Born In Marriage"));
  if (ev.Claim.Under17Children + ev.Payer.Under17Children > ev.NumMinorChildren)
    return FailRule(f, p, {L("ClaimDepend17")},
                    L("The Sum Of The Children Under Age 17 Declared By Claimant And Other Party "
                      "Should Be Less Than Or Equal To The Total Number Of Minors"));

  // R5, R6: the custody status.
  const CustodyOption* chosen = nullptr;
  for (const CustodyOption& option : kCustodyOptions)
    if (!chosen && f.Value(L(option.option)) == kOn) chosen = &option;
  if (!chosen)
    return FailRule(f, p, {L("CustodialOption")}, L("Please Enter The Family Custody Status"));
  ev.CustodyStatus = chosen->code;
  if (ev.CustodyStatus == custody::NoMinors && ev.NumMinorChildren > 0)
    return FailRule(f, p, {},
                    L("Please ReEnter Number Of Minor Children, There Should Be No Minors In "
                      "This Type Of Case"));

  // R7, R8: the claimant's share of the time.
  if (f.Value(L("SharedOption")) == kOn) {
    const QString shareText = f.Text(L("PercentOfTimeValue"));
    if (shareText.isEmpty())
      return FailRule(f, p, {L("PercentOfTimeValue")},
                      L("Please Enter The Percentage Of Time Children Are In Claimant's "
                        "Possession (As A Decimal)"));
    // A share loaded from a file that is not a number is refused as a typed one is.
    if (!platform::IsNumeric(shareText))
      return FailRule(f, p, {L("PercentOfTimeValue")},
                      L("Please ReEnter Percent Of Time That Children Are In Claimant's "
                        "Possession (As A Decimal)"));
    const double share = platform::Val(shareText);
    if (share < 0.2 &&
        WarnRule(f, p, L("PercentOfTimeValue"),
                 L("If The Percentage Of Time Children Are In Claimant's Possession Is Less Than "
                   "20%, Then This is Not A Time-Sharing Case And The Claimant Is Most Likely A "
                   "NonCustodial Parent. Do You Want To ReEnter This Value?")))
      return kCheckStop;
    if (!(share < 0.2) && share > 0.8 &&
        WarnRule(f, p, L("PercentOfTimeValue"),
                 L("If The Percentage Of Time Children Are In Claimant's Possession Is Greater "
                   "Than 80%, Then This is Not A Time-Sharing Case And The The Claimant Is Most "
                   "Likely A Custodial Parent. Do You Want To ReEnter This Value?")))
      return kCheckStop;
    ev.Claim.PercentOfTime = float(share);
    // The other party's nights from the claimant's as typed: 365 less the
    // held 265.1 would be 99.89999, and the two would not sum to the year.
    const double claimNights = platform::Val(f.Text(L("ClaimDays")));
    ev.Claim.YrOvernights = float(claimNights);
    ev.Payer.YrOvernights = float(double(kNightsPerYear) - claimNights);
  }

  // R9: at least one child with each parent in split custody; a count from a
  // file below one (negative included) is refused as well.
  if (f.Value(L("SplitOption")) == kOn) {
    const auto withClaimant = platform::ToCount(platform::Val(f.Text(L("ClaimantPossession11"))));
    const auto withOther = platform::ToCount(platform::Val(f.Text(L("OtherPossession11"))));
    if (!withClaimant || !withOther || *withClaimant < 1 || *withOther < 1)
      return FailRule(f, p, {L("ClaimantPossession11")},
                      L("Please Enter The Number Of Children In Each Parent's Possession - In "
                        "Split Custody Each Parent Will Have At Least One Minor Child"));
    ev.Claim.PossessionChildren = ev.Claim.WintersChildren = *withClaimant;
    ev.Payer.PossessionChildren = ev.Payer.WintersChildren = *withOther;
  }

  if (DayCareRules(f, cv, p) == kCheckStop) return kCheckStop;
  if (StateTaxRules(f, cv, p) == kCheckStop) return kCheckStop;
  return FilingWarnings(f, cv, p);
}

}  // namespace express
